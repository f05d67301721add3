// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise.h"

#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QTimer>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QWidget;

namespace quimbra {

class Canvas;
class StepView;

// The graded exercise of a step view, on the Qt side and the same for the
// three views: the strip of controls that withExerciseStrip() lays out,
//
//   cmdEsercizio  "Esercizio"   a new exercise on the data of a new code
//   lblEsercizio                "Esercizio n. 48213"
//   txtCodice                   a code given by the teacher; Enter starts it
//   lblAvviso                   why a typed code is refused
//   cmdNonCe      "Non c'è"     the answer that the key is not there (optional)
//   cmdSoluzione  "Soluzione"   gives up and plays the rest of the run
//   lblPunteggio                the score, then the result line to hand in
//
// and the answering on the view's canvas: a click picks the element under
// it, the arrow keys move a cursor over the elements and Space or Enter pick
// the one under it. The view says what its elements are and where they are
// drawn (Hooks); the engine (exercise::Exercise) judges, and the panel
// reports each answer with answered(), for the view to say what happened.
// While an exercise runs the panel locks the player, so that nothing gives
// the answer away, and plays the view's stepper itself, up to the steps that
// the engine says are due.
class ExercisePanel final : public QObject
{
    Q_OBJECT
public:
    struct Hooks
    {
        // Where an element is drawn within the canvas area (empty: not drawn).
        std::function<QRectF(const QRect &area, int element)> rect;
        // The elements that can be picked, in the order that Left and Right walk them.
        std::function<std::vector<int>()> elements;
        // Up and Down from an element (0: as Left and Right); optional.
        std::function<int(int from, bool up)> vertical;
        bool round = false; // the elements are circles (tree nodes)
    };

    // The strip's controls, and the view's canvas and cmdFine.
    struct Controls
    {
        QPushButton *cmdEsercizio;
        QLabel *lblEsercizio;
        QLineEdit *txtCodice;
        QLabel *lblAvviso;
        QPushButton *cmdNonCe; // null in a view without it
        QPushButton *cmdSoluzione;
        QLabel *lblPunteggio;
        QPushButton *cmdFine;
        Canvas *picture;
    };

    explicit ExercisePanel(StepView &view);
    void setHooks(Hooks hooks) { hooks_ = std::move(hooks); }

    // Wires the strip and the canvas; the view calls it once its own
    // controls are connected, so that the panel sees the canvas's keys first.
    void attach(const Controls &controls);

    // The view has put the exercise's data and a fresh run of its stepper in
    // place; the panel takes it from here.
    void begin(exercise::Exercise exercise);
    // The view goes back to its own data: the exercise is forgotten.
    void leave();

    // An exercise is shown (running, or over with its result).
    bool shown() const { return exercise_.started(); }
    bool running() const { return exercise_.running(); }
    const exercise::Exercise &exercise() const { return exercise_; }
    int cursor() const { return cursor_; }
    // Where an element stands on the canvas now (empty when not drawn), and
    // the element drawn at a point of it (0: none).
    QRectF elementRect(int element) const;
    int elementAt(const QPointF &point) const;
    // Plays the steps that the exercise has due and the player has not shown
    // yet (after a question held the player).
    void catchUp() { playDue(); }
    // The questions asked during the exercise, for its score and result line;
    // and what the score says when no exercise is shown.
    void setQuestions(int right, int asked, const QString &alone);

    // The student's answer: an element of the view, or exercise::NotThere.
    void pick(int element);
    void giveUp();
    // A code written into txtCodice and entered, as the student does it: the
    // exercise starts, or lblAvviso says what is wrong with the code.
    void enterCode(const QString &text);
    // Copies the result line (or the score so far) to the clipboard.
    void copyResult() const;

    // Paints the marks of the answers over the view's own painting.
    void paint(QPainter &painter, const QRect &area) const;

    // A code 10000..99999 for "Esercizio"; tests can fix it.
    std::function<int()> drawCode;

signals:
    // "Esercizio" or a valid code: the view starts the exercise of that code.
    void startRequested(int code);
    // An answer was judged. Right or Wrong concern a whole step, `step`, and
    // `played` is the number of the run's steps that the answer played (the
    // step answered and those that then played by themselves); Pending means
    // the first element of a two-element move was right (`step` is null).
    void answered(exercise::Verdict verdict, const exercise::Expected *step, int played);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void codeEntered();
    void clearFlash();
    void moveCursor(int key);
    void playDue();
    void lockPlayer(bool locked);
    void showScore();

    StepView &view_;
    Hooks hooks_;
    Controls ui_{};
    exercise::Exercise exercise_;
    int shownSteps_ = 0;
    int cursor_ = 0;
    std::vector<int> rightMarks_;  // the last step answered right
    std::vector<int> shownMarks_;  // the right step after a wrong answer
    int flash_ = 0;                // the element just picked wrong, for a moment
    QString questionsAlone_;       // the questions' score with no exercise shown
    QTimer flashTimer_;
};

} // namespace quimbra
