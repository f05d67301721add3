// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The player that every step view shares, on a stepper that only counts: its
// buttons and position, its keys, its lock, and its pacing to the frames.
#include "step_player.h"
#include "stepper.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace quimbra;

namespace {

// A run of `count` steps that does nothing but count them.
class CountingStepper final : public Stepper
{
public:
    explicit CountingStepper(long count) : count_(count) {}
    bool step() override { return at_ < count_ ? (++at_, true) : false; }
    bool finished() const override { return at_ >= count_; }
    void runToEnd() override { at_ = count_; }
    void restart() override { at_ = 0; }
    long position() const override { return at_; }
    long count() const override { return count_; }
    void seek(long step) override { at_ = std::clamp(step, 0L, count_); }

private:
    long count_;
    long at_ = 0;
};

// A window with the player's controls, the player attached to them.
struct Rig
{
    QWidget window;
    QPushButton *step = new QPushButton(&window);
    QPushButton *run = new QPushButton(QStringLiteral("Avvia"), &window);
    QPushButton *toEnd = new QPushButton(&window);
    QPushButton *back = new QPushButton(&window);
    QSlider *speed = new QSlider(&window);
    QSlider *position = new QSlider(&window);
    QLabel *positionText = new QLabel(&window);
    QWidget *view = new QWidget(&window);
    StepPlayer player;
    CountingStepper stepper;

    explicit Rig(long count) : stepper(count)
    {
        view->setFocusPolicy(Qt::StrongFocus);
        player.attach({step, run, toEnd, speed, nullptr, view, back, position, positionText});
        player.handleKeysOf(&window);
        player.setStepper(&stepper);
    }
    // Which of Passo, Avvia, Fino alla fine, Indietro and the position are on.
    QString enabled() const
    {
        QString on;
        for (QWidget *w : std::initializer_list<QWidget *>{step, run, toEnd, back, position})
            on += w->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return on;
    }
};

} // namespace

class tst_StepPlayer final : public QObject
{
    Q_OBJECT

private slots:
    void controlsFollowTheRun_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("at");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("enabled"); // Passo, Avvia, Fino alla fine, Indietro, position
        QTest::addColumn<QString>("text");

        QTest::newRow("start") << 5 << 0 << false << "11101" << "passo 0 di 5";
        QTest::newRow("middle") << 5 << 2 << false << "11111" << "passo 2 di 5";
        QTest::newRow("end") << 5 << 5 << false << "00011" << "passo 5 di 5";
        QTest::newRow("no steps") << 0 << 0 << false << "00000" << "passo 0 di 0";
        QTest::newRow("locked at the start") << 5 << 0 << true << "00000" << "passo 0 di 5";
        QTest::newRow("locked in the middle") << 5 << 2 << true << "00000" << "passo 2 di 5";
        QTest::newRow("locked at the end") << 5 << 5 << true << "00000" << "passo 5 di 5";
    }
    // The player alone switches its controls: on where they can do
    // something, all off while locked whatever the run.
    void controlsFollowTheRun()
    {
        QFETCH(int, count);
        QFETCH(int, at);
        QFETCH(bool, locked);
        QFETCH(QString, enabled);
        QFETCH(QString, text);
        Rig rig(count);
        rig.player.seek(at);
        rig.player.setLocked(locked);
        QCOMPARE(rig.enabled(), enabled);
        QCOMPARE(rig.positionText->text(), text);
        QCOMPARE(rig.position->value(), at);
        QCOMPARE(rig.position->maximum(), count);
        // Unlocked again, the controls are as the run has them.
        rig.player.setLocked(false);
        Rig plain(count);
        plain.player.seek(at);
        QCOMPARE(rig.enabled(), plain.enabled());
    }

    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<int>("position"); // after the key, from step 3 of 10
        QTest::addColumn<bool>("running");

        QTest::newRow("Space steps") << int(Qt::Key_Space) << false << 4 << false;
        QTest::newRow("Left steps back") << int(Qt::Key_Left) << false << 2 << false;
        QTest::newRow("Backspace steps back") << int(Qt::Key_Backspace) << false << 2 << false;
        QTest::newRow("Enter runs") << int(Qt::Key_Return) << false << 4 << true;
        QTest::newRow("keypad Enter runs") << int(Qt::Key_Enter) << false << 4 << true;
        QTest::newRow("another key does nothing") << int(Qt::Key_A) << false << 3 << false;
        QTest::newRow("locked: Space") << int(Qt::Key_Space) << true << 3 << false;
        QTest::newRow("locked: Left") << int(Qt::Key_Left) << true << 3 << false;
        QTest::newRow("locked: Enter") << int(Qt::Key_Return) << true << 3 << false;
    }
    // Keys reaching the window drive the player (a run's first step comes
    // at once); locked, they do nothing.
    void keys()
    {
        QFETCH(int, key);
        QFETCH(bool, locked);
        QFETCH(int, position);
        QFETCH(bool, running);
        Rig rig(10);
        rig.player.setSpeedLevel(0);
        rig.player.seek(3);
        rig.player.setLocked(locked);
        QTest::keyClick(&rig.window, Qt::Key(key));
        QCOMPARE(rig.stepper.position(), long(position));
        QCOMPARE(rig.player.isRunning(), running);
    }

    // A run that ends with the keyboard on Passo hands the focus to the view,
    // so that the keys keep working.
    void endOfRunKeepsTheKeys()
    {
        Rig rig(2);
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        rig.window.activateWindow();
        rig.step->setFocus();
        QTest::keyClick(rig.step, Qt::Key_Space);
        QTest::keyClick(rig.step, Qt::Key_Space);
        QVERIFY(rig.stepper.finished());
        QVERIFY(!rig.step->isEnabled());
        QCOMPARE(QApplication::focusWidget(), rig.view);
        QTest::keyClick(&rig.window, Qt::Key_Left);
        QCOMPARE(rig.stepper.position(), 1L);
    }

    // A view starts at four steps a second; a speed the user picks holds for
    // the players made after it, a speed the program sets does not.
    void speedOfTheSession()
    {
        {
            Rig first(5);
            QCOMPARE(StepPlayer::stepsPerSecond(first.player.speedLevel()), 4.0);
            first.speed->setValue(0); // the program's own change
        }
        {
            Rig second(5);
            QCOMPARE(StepPlayer::stepsPerSecond(second.player.speedLevel()), 4.0);
            second.speed->setFocus();
            QTest::keyClick(second.speed, Qt::Key_Right); // the user's
            QTRY_COMPARE(StepPlayer::stepsPerSecond(second.player.speedLevel()), 5.0);
            QTest::qWait(10);
        }
        Rig third(5);
        QCOMPARE(StepPlayer::stepsPerSecond(third.player.speedLevel()), 5.0);
        QCOMPARE(third.speed->value(), third.player.speedLevel());
    }

    // Where the platform says so, a running player makes its next update only
    // once the frame that shows the last one is drawn.
    void waitsForTheFrame()
    {
        static void *pending = nullptr;
        StepPlayer::setFrameWait([](void *context) { pending = context; });
        Rig rig(1000);
        rig.player.setSpeedLevel(StepPlayer::levelCount() - 1);
        QSignalSpy updates(&rig.player, &StepPlayer::changed);
        rig.player.run();
        QCOMPARE(updates.count(), 1);
        QVERIFY(pending);
        QTest::qWait(50);
        QCOMPARE(updates.count(), 1);
        StepPlayer::frameShown(std::exchange(pending, nullptr));
        QTRY_VERIFY(updates.count() > 1);
        rig.player.pause();
        StepPlayer::setFrameWait(nullptr);
        if (pending)
            StepPlayer::frameShown(std::exchange(pending, nullptr));
    }
};

QTEST_MAIN(tst_StepPlayer)
#include "tst_step_player.moc"
