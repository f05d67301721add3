// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "growth_runner.h"

#include <QThread>

#include <algorithm>
#include <functional>

namespace quimbra {

namespace {

// How often the owner hears of progress while the run goes on.
constexpr int ReportMs = 50;

// Takes tasks until none is left; the last worker to end tells the runner at
// once, not at its next poll.
class Worker final : public QThread
{
public:
    Worker(std::shared_ptr<GrowthRun> run, std::function<void()> ended)
        : run_(std::move(run)), ended_(std::move(ended))
    {
    }

protected:
    void run() override
    {
        while (run_->runNext()) {
        }
        if (run_->finished())
            ended_();
    }

private:
    std::shared_ptr<GrowthRun> run_;
    std::function<void()> ended_;
};

} // namespace

GrowthRunner::Mode GrowthRunner::defaultMode()
{
#if QT_CONFIG(thread)
    return Threads;
#else
    return Slices;
#endif
}

GrowthRunner::GrowthRunner(std::shared_ptr<GrowthRun> run, Mode mode, QObject *parent)
    : QObject(parent), run_(std::move(run)), mode_(mode)
{
    connect(&timer_, &QTimer::timeout, this, [this] { mode_ == Threads ? poll() : slice(); });
}

GrowthRunner::~GrowthRunner()
{
    run_->cancel();
    stopThreads();
}

void GrowthRunner::start()
{
    clock_.start();
    if (mode_ == Threads) {
        const int workers = std::clamp(QThread::idealThreadCount(), 1, 8);
        for (int i = 0; i < workers; ++i) {
            QThread *thread = new Worker(run_, [this] {
                QMetaObject::invokeMethod(this, &GrowthRunner::poll, Qt::QueuedConnection);
            });
            thread->setStackSize(StackBytes);
            thread->start(QThread::LowPriority);
            threads_.push_back(thread);
        }
        timer_.start(ReportMs / 2);
    } else {
        timer_.start(0);
    }
}

void GrowthRunner::slice()
{
    const qint64 until = clock_.elapsed() + SliceMs;
    while (!run_->finished() && clock_.elapsed() < until)
        if (!run_->runNext())
            break;
    poll();
}

void GrowthRunner::poll()
{
    if (finished_)
        return;
    if (run_->finished()) {
        elapsedMs_ = clock_.elapsed();
        finished_ = true;
        timer_.stop();
        stopThreads();
        emit progressed();
        emit finished();
        return;
    }
    if (clock_.elapsed() - lastReport_ >= ReportMs) {
        lastReport_ = clock_.elapsed();
        emit progressed();
    }
}

void GrowthRunner::stopThreads()
{
    for (QThread *thread : threads_) {
        thread->wait();
        delete thread;
    }
    threads_.clear();
}

} // namespace quimbra
