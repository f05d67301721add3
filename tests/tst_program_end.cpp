// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the program ends, with the event loop really running: "Fine" of the
// menu, Enter right after start-up, and the last window closed.
#include "frmPassoSort.h"
#include "frmRicBin.h"
#include "frmSort.h"
#include "frm_Quimbra.h"
#include "support.h"

#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace quimbra;

class tst_ProgramEnd final : public QObject
{
    Q_OBJECT

    testing::ScriptedRandom rnd;
    testing::FixedClock clock;

    // Runs the main event loop until the program ends; a watchdog fails the
    // run if it does not end within five seconds.
    static int runUntilEnd()
    {
        bool timedOut = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            timedOut = true;
            QCoreApplication::exit(99);
        });
        watchdog.start(5000);
        const int code = QCoreApplication::exec();
        return timedOut ? -1 : code;
    }

    static bool anyWindowVisible()
    {
        const auto all = QApplication::topLevelWidgets();
        return std::any_of(all.begin(), all.end(), [](QWidget *w) { return w->isVisible(); });
    }

private slots:
    void fineEndsWithWindowsOpen()
    {
        frm_Quimbra menu(rnd, clock);
        menu.Show();
        QTimer::singleShot(0, [&] {
            menu.cmdSort_Click();
            menu.sortSlot()->PassoPasso(0);
            menu.sortSlot()->Grafico(); // still computing on its threads
            menu.cmdRicBin_Click();
            menu.cmdABR_Click();
            QTest::mouseClick(menu.button("cmdFine"), Qt::LeftButton);
        });
        QCOMPARE(runUntilEnd(), 0);
        QVERIFY(!anyWindowVisible());
        QVERIFY(!menu.ricBinSlot()->isLoaded());
    }

    void enterAtStartEnds_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void enterAtStartEnds()
    {
        QFETCH(int, key);
        frm_Quimbra menu(rnd, clock);
        menu.Show();
        QTimer::singleShot(0, [&] {
            QVERIFY(QTest::qWaitForWindowActive(menu.window()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        });
        QCOMPARE(runUntilEnd(), 0);
        QVERIFY(!anyWindowVisible());
    }

    void endsWithLastWindow_data()
    {
        QTest::addColumn<bool>("stepView");
        QTest::newRow("a demonstration window") << false;
        QTest::newRow("a step view, its sorting window closed") << true;
    }

    // Closing the menu with its close box leaves a window of the program
    // open; the program ends only when that one closes too.
    void endsWithLastWindow()
    {
        QFETCH(bool, stepView);
        frm_Quimbra menu(rnd, clock);
        menu.Show();
        bool stillRunning = false;
        QPointer<frmPassoSort> view;
        QTimer::singleShot(0, [&] {
            if (stepView) {
                menu.cmdSort_Click();
                menu.sortSlot()->PassoPasso(1);
                view = menu.sortSlot()->findChild<frmPassoSort *>();
                menu.sortSlot()->Unload();
            } else {
                menu.cmdRicBin_Click();
            }
            menu.window()->close();
            QTimer::singleShot(100, [&] {
                Form *last = stepView ? static_cast<Form *>(view.data()) : menu.ricBinSlot();
                stillRunning = last && last->isLoaded();
                if (last)
                    last->window()->close();
            });
        });
        QCOMPARE(runUntilEnd(), 0);
        QVERIFY(stillRunning);
    }
};

QTEST_MAIN(tst_ProgramEnd)
#include "tst_program_end.moc"
