// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "growth.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

class QThread;

namespace quimbra {

// Runs the tasks of a GrowthRun away from the user's clicks: on worker
// threads, or, where there are none (the browser), in short slices on the
// user-interface thread between its events. It reports progress on the
// thread that created it, twenty times a second and once at the end.
// Deleting it cancels the run and waits for its threads, which stop within a
// fraction of a millisecond.
class GrowthRunner final : public QObject
{
    Q_OBJECT
public:
    enum Mode { Threads, Slices };
    // Threads where the platform has them, otherwise Slices.
    static Mode defaultMode();
    // Each worker's stack: QuickSort recurses once per element on ascending
    // and all-equal inputs, 5000 levels deep, far beyond what a thread's
    // default stack promises everywhere.
    static constexpr unsigned StackBytes = 16u << 20;
    // The longest a slice keeps the user-interface thread before it yields.
    static constexpr int SliceMs = 8;

    GrowthRunner(std::shared_ptr<GrowthRun> run, Mode mode, QObject *parent = nullptr);
    ~GrowthRunner() override;

    void start();
    const GrowthRun &run() const { return *run_; }
    bool isFinished() const { return finished_; }
    // Time from start() to the end of the last task.
    qint64 elapsedMs() const { return elapsedMs_; }

signals:
    void progressed();
    void finished();

private:
    void poll();
    void slice();
    void stopThreads();

    std::shared_ptr<GrowthRun> run_;
    Mode mode_;
    std::vector<QThread *> threads_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 lastReport_ = 0;
    qint64 elapsedMs_ = 0;
    bool finished_ = false;
};

} // namespace quimbra
