// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "questions.h"

#include <QElapsedTimer>
#include <QObject>

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quimbra {

class StepView;

// The questions of a step view, on the Qt side and the same for every view:
//
//   chkDomande    "Domande"   while on, the run stops before chosen steps and asks
//   lblDomanda                the question, then whether the answer was right
//   cmdRisposta(0…3)          the answers to choose from, when it has some
//   txtRisposta               a number typed, Enter to answer
//   cmdSalta      "Salta"     passes the question (counted as not answered)
//
// and the answers clicked on the view's picture (a bar, a position, a node),
// through the exercise panel's elements. The view says which questions its
// run has (Hooks); the panel chooses some, holds the player before each, and
// judges the answer at once.
class QuestionPanel final : public QObject
{
    Q_OBJECT
public:
    struct Hooks
    {
        // Every question that the run being played could ask.
        std::function<std::vector<questions::Question>()> make;
        // What chooses among them: the same for the same data or exercise.
        std::function<std::uint64_t()> seed;
        // A picked element's value (a bar's, a node's key), for Click::Value.
        std::function<long(int element)> valueOf;
    };

    struct Controls
    {
        QCheckBox *chkDomande;
        std::array<QPushButton *, 4> cmdRisposta;
        QLabel *lblDomanda;
        QLineEdit *txtRisposta;
        QPushButton *cmdSalta;
    };

    explicit QuestionPanel(StepView &view);
    void setHooks(Hooks hooks) { hooks_ = std::move(hooks); }
    void attach(const Controls &controls);

    bool enabled() const;
    bool asking() const { return quiz_.pending() != nullptr; }
    const questions::Quiz &quiz() const { return quiz_; }

    // The student's answer to the question asked: a number typed, a choice,
    // or what a click on the picture gives.
    void answer(long value);
    void skip();

signals:
    // A question was answered or passed.
    void scored();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild();
    void ask();
    void showIdle();
    void goOn();
    void typed();
    void judged(bool right, const questions::Question &q);

    StepView &view_;
    Hooks hooks_;
    Controls ui_{};
    questions::Quiz quiz_;
    QElapsedTimer sinceLast_; // since the last question closed, while the run plays
    bool stale_ = false;      // a new run whose questions are not chosen yet
};

} // namespace quimbra
