// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_player.h"

#include "numbers.h"
#include "stepper.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>

#include <utility>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>

namespace quimbra {

namespace {

// From one step a second, slow enough to follow every comparison aloud, to
// ten thousand steps in each frame of a 60 Hz screen, which sorts 1000
// descending values with Bubble in under two seconds.
constexpr std::array<double, 21> levels{1,     2,     3,      4,      5,      10,    20,
                                        30,    60,    120,    300,    600,    1200,  3000,
                                        6000,  12000, 30000,  60000,  120000, 300000, 600000};

StepPlayer::FrameWait frameWait = nullptr;

// The speed a view starts at: four steps a second, slow enough for a class
// to follow a sort of 20 values, until the user picks another one, which
// then holds for every view opened after it while the program runs.
int sessionLevel = 3;

} // namespace

void StepPlayer::setFrameWait(FrameWait wait)
{
    frameWait = wait;
}

void StepPlayer::frameShown(void *context)
{
    auto *player = static_cast<QPointer<StepPlayer> *>(context);
    if (*player)
        (*player)->awaitingFrame_ = false;
    delete player;
}

StepPlayer::StepPlayer(QObject *parent) : QObject(parent)
{
    timer_.setTimerType(Qt::PreciseTimer);
    level_ = sessionLevel;
    connect(&timer_, &QTimer::timeout, this, &StepPlayer::tick);
}

int StepPlayer::levelCount()
{
    return static_cast<int>(levels.size());
}

double StepPlayer::stepsPerSecond(int level)
{
    return levels[static_cast<std::size_t>(std::clamp(level, 0, levelCount() - 1))];
}

QString StepPlayer::speedText(int level)
{
    const double sps = stepsPerSecond(level);
    if (sps == 1)
        return QStringLiteral("1 passo al secondo");
    return QStringLiteral("%1 passi al secondo").arg(grouped(qint64(sps)));
}

void StepPlayer::attach(const Controls &controls)
{
    controls_ = controls;
    if (controls_.step)
        connect(controls_.step, &QAbstractButton::clicked, this, &StepPlayer::stepOnce);
    if (controls_.run)
        connect(controls_.run, &QAbstractButton::clicked, this, &StepPlayer::toggleRunning);
    if (controls_.toEnd)
        connect(controls_.toEnd, &QAbstractButton::clicked, this, &StepPlayer::toEnd);
    if (controls_.back)
        connect(controls_.back, &QAbstractButton::clicked, this, &StepPlayer::stepBack);
    if (controls_.position) {
        controls_.position->setSingleStep(1);
        connect(controls_.position, &QAbstractSlider::valueChanged, this,
                [this](int value) { seek(value); });
    }
    if (controls_.speed) {
        controls_.speed->setRange(0, levelCount() - 1);
        controls_.speed->setSingleStep(1);
        controls_.speed->setPageStep(3);
        controls_.speed->setValue(level_);
        connect(controls_.speed, &QAbstractSlider::valueChanged, this, &StepPlayer::setSpeedLevel);
        // Only the user's own moves of the slider are remembered.
        connect(controls_.speed, &QAbstractSlider::actionTriggered, this, [this] {
            QTimer::singleShot(0, this, [this] { sessionLevel = level_; });
        });
    }
    setSpeedLevel(level_);
    updateButtons();
}

void StepPlayer::handleKeysOf(QWidget *window)
{
    if (keyWindow_)
        keyWindow_->removeEventFilter(this);
    keyWindow_ = window;
    if (window)
        window->installEventFilter(this);
}

void StepPlayer::takeSpaceFrom(QWidget *control)
{
    spaceTakers_.append(control);
    control->installEventFilter(this);
}

bool StepPlayer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched != keyWindow_) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool taker = std::any_of(spaceTakers_.begin(), spaceTakers_.end(),
                                       [&](const QPointer<QWidget> &w) { return w == watched; });
        if (taker && key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            if (!locked_)
                stepOnce();
            return true;
        }
    }
    // Only keys that reach the window itself: the focused control either
    // ignored them or the window had the focus.
    if (watched == keyWindow_ && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            const bool own = key->key() == Qt::Key_Space || key->key() == Qt::Key_Left ||
                             key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Return ||
                             key->key() == Qt::Key_Enter;
            if (own && locked_)
                return true;
            if (key->key() == Qt::Key_Space) {
                stepOnce();
                return true;
            }
            if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Backspace) {
                stepBack();
                return true;
            }
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                if (!key->isAutoRepeat())
                    toggleRunning();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void StepPlayer::setStepper(Stepper *stepper)
{
    pause();
    stepper_ = stepper;
    hold_ = -1;
    resume_ = Resume::Nothing;
    emit newRun();
    updateButtons();
    if (controls_.view)
        controls_.view->update();
    emit changed();
}

void StepPlayer::setHold(long position)
{
    hold_ = position;
}

bool StepPlayer::isHeld() const
{
    return stepper_ && hold_ >= 0 && stepper_->position() == hold_;
}

void StepPlayer::resumeFromHold(long next)
{
    hold_ = next;
    const Resume resume = std::exchange(resume_, Resume::Nothing);
    if (isHeld()) {
        emit held();
        return;
    }
    if (resume == Resume::Run)
        run();
}

void StepPlayer::stepOnce()
{
    pause();
    resume_ = Resume::Nothing; // a step by hand: nothing plays on after a question
    if (isHeld()) {
        emit held(); // the question is still there
        return;
    }
    advance(1);
}

void StepPlayer::stepBack()
{
    if (stepper_)
        seek(stepper_->position() - 1);
}

void StepPlayer::seek(long step)
{
    pause();
    resume_ = Resume::Nothing;
    if (!stepper_ || std::clamp(step, 0L, stepper_->count()) == stepper_->position())
        return;
    stepper_->seek(step);
    updateButtons();
    if (controls_.view)
        controls_.view->update();
    emit changed();
}

void StepPlayer::run()
{
    if (!stepper_ || stepper_->finished() || isRunning())
        return;
    if (isHeld()) {
        resume_ = Resume::Run;
        emit held();
        return;
    }
    restartClock();
    awaitingFrame_ = false;
    timer_.start(intervalMs());
    if (controls_.run)
        controls_.run->setText(QStringLiteral("Pausa"));
    emit runningChanged(true);
    tick(); // the first step at once, not one interval later
}

void StepPlayer::pause()
{
    if (!isRunning())
        return;
    timer_.stop();
    if (controls_.run)
        controls_.run->setText(QStringLiteral("Avvia"));
    emit runningChanged(false);
}

void StepPlayer::toggleRunning()
{
    if (isRunning())
        pause();
    else
        run();
}

void StepPlayer::toEnd()
{
    pause();
    if (!stepper_ || stepper_->finished())
        return;
    if (hold_ >= stepper_->position()) {
        // To the question first; the rest of the way after it.
        if (hold_ > stepper_->position())
            stepper_->seek(hold_);
        resume_ = Resume::Nothing;
        updateButtons();
        if (controls_.view)
            controls_.view->update();
        emit changed();
        emit held();
        return;
    }
    stepper_->runToEnd();
    updateButtons();
    if (controls_.view)
        controls_.view->update();
    emit changed();
}

void StepPlayer::restart()
{
    pause();
    resume_ = Resume::Nothing;
    if (stepper_)
        stepper_->restart();
    updateButtons();
    if (controls_.view)
        controls_.view->update();
    emit changed();
}

void StepPlayer::setLocked(bool locked)
{
    if (locked_ == locked)
        return;
    locked_ = locked;
    updateButtons();
}

void StepPlayer::setSpeedLevel(int level)
{
    level_ = std::clamp(level, 0, levelCount() - 1);
    if (controls_.speed && controls_.speed->value() != level_)
        controls_.speed->setValue(level_);
    if (controls_.speedText)
        controls_.speedText->setText(speedText(level_));
    if (isRunning()) {
        restartClock();
        timer_.setInterval(intervalMs());
    }
}

double StepPlayer::framesPerSecond() const
{
    const QScreen *screen = controls_.view ? controls_.view->screen() : QGuiApplication::primaryScreen();
    const double rate = screen ? screen->refreshRate() : 0;
    return rate >= 10 ? rate : 60;
}

int StepPlayer::intervalMs() const
{
    const double seconds = std::max(1 / framesPerSecond(), 1 / stepsPerSecond(level_));
    return std::max(1, static_cast<int>(std::lround(seconds * 1000)));
}

void StepPlayer::restartClock()
{
    clock_.start();
    done_ = -1; // so that the first tick takes one step at once
}

void StepPlayer::tick()
{
    if (awaitingFrame_)
        return; // the steps stay due, and go into the next update
    const double sps = stepsPerSecond(level_);
    qint64 due = static_cast<qint64>(sps * static_cast<double>(clock_.nsecsElapsed()) / 1e9) - done_;
    // After a stall (a busy machine, a window being dragged) the run goes on
    // at its speed instead of rushing through the steps it missed.
    const auto most = std::max<qint64>(1, static_cast<qint64>(std::ceil(2 * sps / framesPerSecond())));
    if (due > most) {
        done_ += due - most;
        due = most;
    }
    done_ += due;
    advance(due);
}

int StepPlayer::advance(qint64 n)
{
    int taken = 0;
    if (stepper_)
        while (taken < n && !isHeld() && stepper_->step())
            ++taken;
    // Steps asked for at the hold, or steps that reached it: the question.
    const bool heldNow = n > 0 && isHeld();
    if (heldNow && resume_ == Resume::Nothing && isRunning())
        resume_ = Resume::Run;
    if (!stepper_ || stepper_->finished() || heldNow)
        pause();
    if (taken > 0) {
        if (repaint_)
            repaint_(taken);
        else if (controls_.view)
            controls_.view->update();
        emit changed();
        if (frameWait && isRunning()) {
            awaitingFrame_ = true;
            frameWait(new QPointer<StepPlayer>(this));
        }
    }
    updateButtons();
    if (heldNow)
        emit held();
    return taken;
}

void StepPlayer::updateButtons()
{
    const bool more = !locked_ && stepper_ && !stepper_->finished();
    QWidget *focus = QApplication::focusWidget();
    bool focusLost = false;
    for (QAbstractButton *b : {controls_.step.data(), controls_.run.data(), controls_.toEnd.data()})
        if (b && b->isEnabled() != more) {
            focusLost = focusLost || (b == focus && !more);
            b->setEnabled(more);
        }
    const bool earlier = !locked_ && stepper_ && stepper_->position() > 0;
    if (controls_.back && controls_.back->isEnabled() != earlier) {
        focusLost = focusLost || (controls_.back == focus && !earlier);
        controls_.back->setEnabled(earlier);
    }
    // A button that the keyboard was on is disabled at the end of the run:
    // the view takes the focus, so that the keys keep working.
    if (focusLost && controls_.view)
        controls_.view->setFocus(Qt::OtherFocusReason);
    showPosition();
}

void StepPlayer::showPosition()
{
    const long count = stepper_ ? stepper_->count() : 0;
    const long at = stepper_ ? stepper_->position() : 0;
    if (QAbstractSlider *slider = controls_.position) {
        const QSignalBlocker quiet(slider);
        slider->setEnabled(!locked_ && count > 0);
        slider->setRange(0, int(count));
        slider->setPageStep(int(std::max(1L, count / 20)));
        slider->setValue(int(at));
    }
    if (controls_.positionText)
        controls_.positionText->setText(QStringLiteral("passo %1 di %2")
                                            .arg(grouped(at), grouped(count)));
}

} // namespace quimbra
