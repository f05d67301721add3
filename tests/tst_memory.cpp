// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening, using and closing the windows many times must not make the
// process grow: every window and control of a closed window is destroyed, and
// nothing accumulates in the objects that stay (the window slots and fields).
#include "frmABR.h"
#include "frmPassoABR.h"
#include "frmPassoRicBin.h"
#include "frmRicBin.h"
#include "frmPassoSort.h"
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

#if defined(QUIMBRA_UNDER_SANITIZER)
// Under the sanitizers the growth is not judged (LeakSanitizer looks for the
// leaks), and every cycle costs several times as much: fewer cycles do.
constexpr int Cycles = 40;
#else
constexpr int Cycles = 200;
#endif
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

    // frmSort with one step view per sort: stepped, run, completed and
    // closed, the running one first.
    void cycleStepViews()
    {
        menu->cmdSort_Click();
        frmSort *w = menu->sortSlot();
        for (int k = 0; k < 4; ++k)
            w->PassoPasso(k);
        const QList<frmPassoSort *> views = w->findChildren<frmPassoSort *>();
        QCOMPARE(views.size(), 4);
        views[0]->button("cmdAvvia")->click();
        views[1]->button("cmdPasso")->click();
        views[2]->button("cmdTutto")->click();
        views[3]->cboDati_Click(cycle % 5);
        for (frmPassoSort *view : views)
            close(view);
        close(w);
    }

    // Two step views of the search and two of the tree, stepped, run,
    // restarted and closed, the running ones first; then their windows.
    void cycleSearchAndTreeViews()
    {
        menu->cmdRicBin_Click();
        frmRicBin *ricBin = menu->ricBinSlot();
        ricBin->textBox("txtX")->setText(QStringLiteral("-5"));
        menu->cmdABR_Click();
        frmABR *abr = menu->abrSlot();
        for (int i = 0; i < 2; ++i) {
            ricBin->PassoPasso();
            abr->PassoPasso();
        }
        const auto searches = ricBin->findChildren<frmPassoRicBin *>();
        const auto trees = abr->findChildren<frmPassoABR *>();
        QCOMPARE(searches.size() + trees.size(), 4);
        searches[0]->button("cmdAvvia")->click();
        searches[1]->textBox("txtX")->setText(QStringLiteral("4987"));
        searches[1]->button("cmdTutto")->click();
        for (int index = 0; index < 3; ++index)
            trees[0]->cmdV_Click(index);
        trees[0]->button("cmdAvvia")->click();
        trees[1]->textBox("txtChiave")->setText(QStringLiteral("500"));
        trees[1]->cmdRicerca_Click();
        trees[1]->button("cmdPasso")->click();
        for (Form *view : {static_cast<Form *>(searches[0]), static_cast<Form *>(trees[0]),
                           static_cast<Form *>(searches[1]), static_cast<Form *>(trees[1])})
            close(view);
        close(ricBin);
        close(abr);
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
        QTest::newRow("frmSort with four step views") << 4;
        QTest::newRow("search and tree windows with two step views each") << 5;
    }

    void openCloseCycles()
    {
        QFETCH(int, window);
        const std::function<void()> steps[] = {[this] { cycleRicBin(); }, [this] { cycleAbr(); },
                                               [this] { cycleSort(); }, [this] { cycleAll(); },
                                               [this] { cycleStepViews(); },
                                               [this] { cycleSearchAndTreeViews(); }};
        const auto &run = steps[window];

        // Warm-up cycles, so that both ways of closing have run once and the
        // step views have played each of the data chosen in turn (cycle % 5).
        constexpr int WarmUp = 5;
        for (cycle = 0; cycle < WarmUp; ++cycle) {
            run();
            settle();
        }
        const int windows = static_cast<int>(QApplication::topLevelWidgets().size());
        const int widgets = static_cast<int>(QApplication::allWidgets().size());
        const long first = residentKiB();

        long peak = first;
        for (cycle = WarmUp; cycle < Cycles; ++cycle) {
            run();
            settle();
            // Every window closed is gone, whatever the memory figures say.
            QCOMPARE(static_cast<int>(QApplication::topLevelWidgets().size()), windows);
            QCOMPARE(static_cast<int>(QApplication::allWidgets().size()), widgets);
            if (cycle % 50 == 0) peak = std::max(peak, residentKiB());
        }
        const long last = residentKiB();
        qInfo("%s: RSS %ld KiB after %d warm-up cycles, %ld KiB after %d (growth %ld KiB, peak %ld "
              "KiB)",
              QTest::currentDataTag(), first, WarmUp, last, Cycles, last - first, peak);

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
