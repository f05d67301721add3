// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening, using and closing the windows many times must not make the
// process grow: every window and control of a closed window is destroyed, and
// nothing accumulates in the objects that stay (the window slots and fields).
#include "frmABR.h"
#include "frmRicBin.h"
#include "frmSort.h"
#include "frm_Quimbra.h"
#include "identity.h"
#include "support.h"
#include "window_support.h"
#include "widgets.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <fstream>
#include <functional>
#include <memory>

#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#define QUIMBRA_UNDER_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUIMBRA_UNDER_SANITIZER 1
#endif
#endif

using namespace quimbra;
using namespace quimbra::testing;

namespace {

constexpr int Cycles = 200;
// Room for the allocator's own bookkeeping; a leak of a window's list lines
// (thousands of strings per cycle) or of its controls exceeds it many times.
constexpr long AllowedGrowthKiB = 384;

// Resident set size of this process, in KiB, after the allocator has given
// back what it can.
long residentKiB()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Runs the deletions that closing a window left for later.
void settle()
{
    for (int i = 0; i < 2; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

} // namespace

class tst_Memory final : public QObject
{
    Q_OBJECT

    ScriptedRandom rnd;
    FixedClock clock;
    std::unique_ptr<frm_Quimbra> menu;
    int cycle = 0;

    // Closes alternately with the window's own button and with its close box.
    void close(Form *f)
    {
        if (cycle % 2 == 0)
            QTest::mouseClick(f->button("cmdFine"), Qt::LeftButton);
        else
            f->window()->close();
    }

    void cycleRicBin()
    {
        menu->cmdRicBin_Click();
        frmRicBin *w = menu->ricBinSlot();
        w->textBox("txtX")->setText(QStringLiteral("4987"));
        QTest::mouseClick(w->button("cmdRicBin"), Qt::LeftButton);
        w->textBox("txtFatt")->setText(QStringLiteral("12"));
        QTest::mouseClick(w->button("cmdFattoriale"), Qt::LeftButton);
        menu->cmdRicBin_Click(); // shown again while open: a new vector
        close(w);
    }

    void cycleAbr()
    {
        menu->cmdABR_Click();
        frmABR *w = menu->abrSlot();
        w->textBox("txtX")->setText(QStringLiteral("500"));
        QTest::mouseClick(w->button("cmdRicerca"), Qt::LeftButton);
        for (int index = 0; index < 3; ++index)
            QTest::mouseClick(w->button("cmdV", index), Qt::LeftButton);
        close(w);
    }

    void cycleSort()
    {
        menu->cmdSort_Click();
        frmSort *w = menu->sortSlot();
        w->button("cmdSort")->click();
        close(w);
    }

    void cycleAll()
    {
        cycleRicBin();
        cycleAbr();
        cycleSort();
    }

  private slots:
    void initTestCase()
    {
        applyIdentity(*qApp);
        menu = std::make_unique<frm_Quimbra>(rnd, clock);
        QVERIFY(showMenu(*menu));
    }

    void cleanupTestCase()
    {
        QApplication::closeAllWindows();
        settle();
        menu.reset();
    }

    void openCloseCycles_data()
    {
        QTest::addColumn<int>("window");
        QTest::newRow("frmRicBin") << 0;
        QTest::newRow("frmABR") << 1;
        QTest::newRow("frmSort") << 2;
        QTest::newRow("all three in turn") << 3;
    }

    void openCloseCycles()
    {
        QFETCH(int, window);
        const std::function<void()> steps[] = {[this] { cycleRicBin(); }, [this] { cycleAbr(); },
                                               [this] { cycleSort(); }, [this] { cycleAll(); }};
        const auto &run = steps[window];

        cycle = 0;
        run();
        settle();
        const int windows = static_cast<int>(QApplication::topLevelWidgets().size());
        const int widgets = static_cast<int>(QApplication::allWidgets().size());
        const long first = residentKiB();

        long peak = first;
        for (cycle = 1; cycle < Cycles; ++cycle) {
            run();
            settle();
            // Every window closed is gone, whatever the memory figures say.
            QCOMPARE(static_cast<int>(QApplication::topLevelWidgets().size()), windows);
            QCOMPARE(static_cast<int>(QApplication::allWidgets().size()), widgets);
            if (cycle % 50 == 0) peak = std::max(peak, residentKiB());
        }
        const long last = residentKiB();
        qInfo("%s: RSS %ld KiB after the first cycle, %ld KiB after %d (growth %ld KiB, peak %ld "
              "KiB)",
              QTest::currentDataTag(), first, last, Cycles, last - first, peak);

#if defined(QUIMBRA_UNDER_SANITIZER)
        QSKIP("The sanitizers keep freed memory in quarantine; LeakSanitizer checks for leaks "
              "instead.");
#else
        QVERIFY2(
            last - first <= AllowedGrowthKiB,
            qPrintable(
                QStringLiteral("grew by %1 KiB over %2 cycles").arg(last - first).arg(Cycles)));
#endif
    }
};

QTEST_MAIN(tst_Memory)
#include "tst_memory.moc"
