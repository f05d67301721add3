// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class QAbstractButton;
class QAbstractSlider;
class QLabel;
class QWidget;

namespace quimbra {

class Stepper;

// Plays a Stepper, whatever it steps: one step at a time, running at a chosen
// speed, or straight to the end. It works through the step view's controls:
//
//   cmdPasso     "Passo"                 one step
//   cmdAvvia     "Avvia" / "Pausa"       runs or pauses
//   cmdTutto     "Fino alla fine"        completes the run at once
//   sldVelocita  speed level             from one step a second to many steps per frame
//   cmdIndietro  "Indietro"              undoes the last step
//   sldPosizione position                from before the first step to after the last; dragged, goes there
//   lblPosizione "passo k di n"
//
// and the keys of its window: Space steps, Enter runs or pauses, Left and
// Backspace step back, wherever
// the focused control does not use the key itself (a focused button is
// pressed by Space and Enter as everywhere in the program).
//
// The player alone enables and disables those controls and handles those
// keys. Locked (while an exercise asks the student for the next step), its
// step buttons and the position are off and its keys do nothing, whatever the
// run; the calls below still play it, for whoever locked it.
//
// While running, a timer ticks with the screen's refresh (or slower, for
// speeds under one step per frame); each tick takes the steps due since the
// run started and repaints the view once, never once per step. When the run
// finishes the player stops and disables its three step buttons; restart()
// or a new stepper enables them again.
//
// The player does not own the stepper. After every change it emits
// changed(), so that the window updates its counters and texts.
class StepPlayer final : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QPointer<QAbstractButton> step;   // cmdPasso
        QPointer<QAbstractButton> run;    // cmdAvvia
        QPointer<QAbstractButton> toEnd;  // cmdTutto
        QPointer<QAbstractSlider> speed;  // sldVelocita
        QPointer<QLabel> speedText;       // optional: the speed in words
        QPointer<QWidget> view;           // repainted once per tick
        QPointer<QAbstractButton> back;   // cmdIndietro
        QPointer<QAbstractSlider> position; // sldPosizione
        QPointer<QLabel> positionText;    // lblPosizione
    };

    explicit StepPlayer(QObject *parent = nullptr);

    // Connects the controls and sets up the speed slider's range; any may be null.
    void attach(const Controls &controls);
    // Space and Enter reaching this window (not used by the focused control)
    // step and run or pause.
    void handleKeysOf(QWidget *window);
    // Space steps on this control too, although the control would use it
    // (a list, which would select with it).
    void takeSpaceFrom(QWidget *control);

    // How the view is repainted after `steps` steps (by default all of it);
    // a view that knows what one step changes can repaint only that.
    void setRepaint(std::function<void(int steps)> repaint) { repaint_ = std::move(repaint); }

    // The stepper to play (not owned; null for none). Pauses first.
    void setStepper(Stepper *stepper);
    Stepper *stepper() const { return stepper_; }

    void stepOnce();
    // Pauses and undoes the last step.
    void stepBack();
    // Pauses and puts the run at this step, as if played from the start to it.
    void seek(long step);
    void run();
    void pause();
    void toggleRunning();
    void toEnd();
    // Pauses and takes the stepper back to its start.
    void restart();
    bool isRunning() const { return timer_.isActive(); }
    // A question waits at this position: stepping forward, running and going
    // to the end stop there (the position and Indietro still move freely),
    // and held() tells when the run reaches it. -1: none.
    void setHold(long position);
    long hold() const { return hold_; }
    bool isHeld() const;
    // The hold stopped a run that was playing by itself (Avvia).
    bool heldWhileRunning() const { return resume_ == Resume::Run; }
    // After the question at the hold: the hold goes (or moves to `next`), and
    // a run that the hold stopped while it played by itself plays on; one
    // sent to the end stays, so that the answer's verdict can be read.
    void resumeFromHold(long next);

    // Locks or unlocks the controls and keys.
    void setLocked(bool locked);
    bool isLocked() const { return locked_; }

    // Speed levels 0 (slowest, one step a second) to levelCount() - 1.
    static int levelCount();
    static double stepsPerSecond(int level);
    static QString speedText(int level); // Italian, for the speed label
    void setSpeedLevel(int level);
    int speedLevel() const { return level_; }

    // The screen's frames per second, as the timer follows them.
    double framesPerSecond() const;
    // Where frames may be drawn slower than the timer ticks (a browser that
    // draws in software), a running player waits for the frame that shows
    // one update before it makes the next, instead of piling up updates that
    // no one sees: `wait(context)` has frameShown(context) called once that
    // frame is drawn.
    using FrameWait = void (*)(void *context);
    static void setFrameWait(FrameWait wait);
    static void frameShown(void *context);
    // Takes up to n steps and repaints the view once; returns the steps taken.
    // A timer tick calls it with the steps due; a benchmark can call it with
    // the steps of one frame.
    int advance(qint64 n);

signals:
    void changed();
    void runningChanged(bool running);
    // A new stepper is being played.
    void newRun();
    // The run reached the hold.
    void held();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tick();
    void restartClock();
    void updateButtons();
    void showPosition();
    int intervalMs() const;

    Stepper *stepper_ = nullptr;
    Controls controls_;
    std::function<void(int)> repaint_;
    QPointer<QWidget> keyWindow_;
    QList<QPointer<QWidget>> spaceTakers_;
    QTimer timer_;
    QElapsedTimer clock_; // since the run (or the last change of speed) started
    qint64 done_ = 0;     // steps counted against the clock since then
    bool awaitingFrame_ = false;
    bool locked_ = false;
    long hold_ = -1;
    enum class Resume { Nothing, Run } resume_ = Resume::Nothing;
    int level_ = 0; // set at construction to the speed of the session
};

} // namespace quimbra
