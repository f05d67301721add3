// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The growth chart: its counts against the plain routines and against closed
// forms, computed on threads and in slices; the window opened from the
// sorting window, cancelled mid-way, its table copied and its picture saved.
#include "frmGrafico.h"
#include "frmSort.h"
#include "frm_Quimbra.h"
#include "growth.h"
#include "growth_questions.h"
#include "identity.h"
#include "sort_steps.h"
#include "sorts.h"
#include "support.h"
#include "widgets.h"
#include "window_support.h"
#include "zoom.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QMenu>
#include <QPointer>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <numeric>
#include <vector>

using namespace quimbra;
using namespace quimbra::testing;

namespace {

using Counts = std::array<std::int64_t, 8>; // moves, then comparisons, of the four sorts

// Independent of the routines: the counts on n ascending, descending or equal
// values, from closed forms, and for Shell and Quick from a reference that
// follows the rules with an explicit stack of ranges instead of recursion.
Counts expectedCounts(int input, int n)
{
    std::vector<int> v(std::size_t(n) + 1, 0);
    for (int p = 1; p <= n; ++p)
        v[std::size_t(p)] = input == GrowthAscending ? p : input == GrowthDescending ? n + 1 - p : 7;
    const std::int64_t pairs = std::int64_t(n) * (n - 1) / 2;
    const bool down = input == GrowthDescending;
    Counts c{down ? pairs : 0, down ? pairs : 0, 0, 0, pairs, down ? 2 * pairs : n - 1, 0, 0};
    std::vector<int> s = v;
    int h = 1;
    while (h <= n)
        h = 3 * h + 1;
    do {
        h /= 3;
        for (int i = h; i <= n; ++i) {
            const int held = s[std::size_t(i)];
            int j = i;
            while (++c[6], s[std::size_t(j - h)] > held) {
                s[std::size_t(j)] = s[std::size_t(j - h)];
                ++c[2];
                if ((j -= h) < h)
                    break;
            }
            s[std::size_t(j)] = held;
            ++c[2];
        }
    } while (h != 0);
    std::vector<std::pair<int, int>> ranges{{1, n}};
    while (!ranges.empty()) {
        const auto [first, last] = ranges.back();
        ranges.pop_back();
        if (last <= first)
            continue;
        int i = first + 1, j = last + 1;
        while (i < j) {
            ++c[7];
            if (v[std::size_t(i)] < v[std::size_t(first)])
                ++i;
            else
                std::swap(v[std::size_t(i)], v[std::size_t(--j)]), ++c[3];
        }
        std::swap(v[std::size_t(first)], v[std::size_t(i - 1)]), ++c[3];
        ranges.push_back({i, last}); // done after the left range, as the routine does
        ranges.push_back({first, i - 1});
    }
    return c;
}

void runAll(GrowthRun &run)
{
    while (run.runNext()) {
    }
}

std::unique_ptr<GrowthRunner> runOn(std::shared_ptr<GrowthRun> run, GrowthRunner::Mode mode)
{
    auto runner = std::make_unique<GrowthRunner>(std::move(run), mode);
    QSignalSpy finished(runner.get(), &GrowthRunner::finished);
    runner->start();
    if (!finished.wait(120000))
        return nullptr;
    return runner;
}

} // namespace

class tst_Growth final : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedRandom> rnd;
    FixedClock clock;
    std::unique_ptr<frm_Quimbra> menu;

    frmSort *openSort()
    {
        rnd = std::make_unique<ScriptedRandom>();
        menu = std::make_unique<frm_Quimbra>(*rnd, clock);
        if (!showMenu(*menu))
            return nullptr;
        return openFromMenu(*menu, "cmdSort", &frm_Quimbra::sortSlot);
    }

    static QList<frmGrafico *> charts(frmSort *w)
    {
        QList<frmGrafico *> open;
        for (frmGrafico *g : w->findChildren<frmGrafico *>(Qt::FindDirectChildrenOnly))
            if (g->isLoaded())
                open << g;
        return open;
    }

    static bool waitComputed(frmGrafico *g)
    {
        return g->runner()->isFinished() || QSignalSpy(g, &frmGrafico::computed).wait(120000);
    }

    // A chart opened from the sorting window, computed up to the smallest maximum.
    frmGrafico *openSmallChart()
    {
        frmSort *w = openSort();
        if (!w)
            return nullptr;
        auto *g = new frmGrafico(*rnd, w);
        g->Show();
        g->find<QComboBox>("cboMassimo")->setCurrentIndex(0);
        return waitComputed(g) ? g : nullptr;
    }

private slots:
    void initTestCase() { applyIdentity(*qApp); }

    void cleanup()
    {
        closeAllWindows();
        menu.reset();
        setZoom(100);
    }

    void sizes_data()
    {
        QTest::addColumn<int>("maximum");
        for (int m : GrowthMaxima)
            QTest::addRow("up to %d", m) << m;
    }

    // Fifty sizes from 10 to the maximum, rising; the largest comes once.
    void sizes()
    {
        QFETCH(int, maximum);
        const std::vector<int> s = growthSizes(maximum);
        QCOMPARE(int(s.size()), GrowthPoints);
        QCOMPARE(s.front(), GrowthSmallest);
        QCOMPARE(s.back(), maximum);
        QVERIFY(std::is_sorted(s.begin(), s.end()) && std::adjacent_find(s.begin(), s.end()) == s.end());
    }

    void randomMatchesRoutines_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("algorithms");
        QTest::newRow("Casuali, the window's four") << int(GrowthRandom) << WindowSorts;
        for (int input : {GrowthRandom, GrowthNearlySorted, GrowthFewDistinct})
            QTest::addRow("%s, all eight", growthInputName(input)) << input << SortAlgorithms;
    }

    // Drawn inputs with a fixed seed: every point's moves are the plain
    // routine's NMosse and its comparisons the step view's count, on the same
    // vectors drawn in the same order; mean and extremes over the trials.
    void randomMatchesRoutines()
    {
        QFETCH(int, input);
        QFETCH(int, algorithms);
        FixedDraws draws(2024), again(2024);
        GrowthRun run(input, 100, 3, draws, algorithms);
        QCOMPARE(run.trials(), 3);
        QCOMPARE(run.taskCount(), GrowthPoints * 3 * algorithms);
        runAll(run);
        QVERIFY(run.finished());
        QCOMPARE(run.readyPoints(), GrowthPoints);
        for (int p = 0; p < GrowthPoints; ++p) {
            std::array<std::array<std::int64_t, 3>, 2 * SortAlgorithms> seen{};
            for (int t = 0; t < 3; ++t) {
                const std::vector<Integer> values = sortInput(input, run.sizes()[std::size_t(p)], again);
                for (int k = 0; k < algorithms; ++k) {
                    std::vector<Integer> V = values;
                    Long moves = 0;
                    runSort(k, V, moves);
                    QVERIFY(std::is_sorted(V.begin() + 1, V.end()));
                    SortSteps steps(k, values);
                    steps.runToEnd();
                    QCOMPARE(steps.moves(), long(moves));
                    seen[std::size_t(k)][std::size_t(t)] = moves;
                    seen[std::size_t(k + algorithms)][std::size_t(t)] = steps.comparisons();
                }
            }
            for (int i = 0; i < 2 * algorithms; ++i) {
                const auto &s = seen[std::size_t(i)];
                const GrowthValue v = run.value(i % algorithms, p, i / algorithms);
                QCOMPARE(v.least, *std::min_element(s.begin(), s.end()));
                QCOMPARE(v.most, *std::max_element(s.begin(), s.end()));
                QCOMPARE(v.mean, double(s[0] + s[1] + s[2]) / 3);
            }
        }
    }

    void closedForms_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("mode"); // -1: this thread, else a GrowthRunner::Mode
        QTest::addColumn<int>("algorithms");
        for (int input : {GrowthAscending, GrowthDescending, GrowthAllEqual}) {
            QTest::addRow("%s up to 500, this thread", growthInputName(input)) << input << 500 << -1 << WindowSorts;
            QTest::addRow("%s up to 1000, slices, all eight", growthInputName(input))
                << input << 1000 << int(GrowthRunner::Slices) << SortAlgorithms;
        }
        // QuickSort recurses 5000 levels deep on these, on worker threads.
        QTest::newRow("Tutti uguali up to 5000, threads") << int(GrowthAllEqual) << 5000 << int(GrowthRunner::Threads) << WindowSorts;
        QTest::newRow("Crescente up to 5000, threads, all eight")
            << int(GrowthAscending) << 5000 << int(GrowthRunner::Threads) << SortAlgorithms;
    }

    // Ascending, descending and equal inputs match the closed forms and the
    // reference at every size; at 5000 the largest counts (12 497 500 moves,
    // 24 995 000 comparisons) fit their types.
    void closedForms()
    {
        QFETCH(int, input);
        QFETCH(int, maximum);
        QFETCH(int, mode);
        QFETCH(int, algorithms);
        ScriptedRandom unused;
        auto run = std::make_shared<GrowthRun>(input, maximum, 9, unused, algorithms);
        QCOMPARE(run->trials(), 1);
        std::unique_ptr<GrowthRunner> runner;
        if (mode < 0)
            runAll(*run);
        else
            QVERIFY(runner = runOn(run, GrowthRunner::Mode(mode)));
        QCOMPARE(unused.draws, 0L);
        QCOMPARE(run->readyPoints(), GrowthPoints);
        for (int p = 0; p < GrowthPoints; ++p) {
            const int n = run->sizes()[std::size_t(p)];
            const Counts expected = expectedCounts(input, n);
            for (int i = 0; i < 8; ++i)
                QCOMPARE(run->value(i % 4, p, i / 4).mean, double(expected[std::size_t(i)]));
            if (algorithms == WindowSorts)
                continue;
            // Selection compares every pair and exchanges the descending
            // input's outer pairs; Inserimento shifts every inversion and
            // places each value from the second.
            const std::int64_t pairs = std::int64_t(n) * (n - 1) / 2, down = input == GrowthDescending;
            QCOMPARE(run->value(AlgoSelection, p, MeasureMoves).mean, double(down * (n / 2)));
            QCOMPARE(run->value(AlgoSelection, p, MeasureComparisons).mean, double(pairs));
            QCOMPARE(run->value(AlgoInserimento, p, MeasureMoves).mean, double(down * pairs + n - 1));
            QCOMPARE(run->value(AlgoInserimento, p, MeasureComparisons).mean, double(down ? pairs : n - 1));
        }
        const Counts thousand = expectedCounts(input, 1000);
        if (input == GrowthAscending)
            QCOMPARE(thousand[3], std::int64_t(30991));
        if (input == GrowthDescending)
            QVERIFY(thousand[2] == 10384 && thousand[3] == 168832);
        if (input == GrowthAllEqual)
            QCOMPARE(thousand[3], std::int64_t(500499));
    }

    // A run cancelled mid-way stops its threads at once and shows no more.
    void cancelStopsRunner()
    {
        FixedDraws draws(5);
        auto run = std::make_shared<GrowthRun>(GrowthRandom, 5000, 20, draws);
        auto runner = std::make_unique<GrowthRunner>(run, GrowthRunner::Threads);
        runner->start();
        QTRY_VERIFY(run->tasksDone() > 4 * 20 * 10);
        runner.reset(); // cancels and waits
        const int done = run->tasksDone();
        QVERIFY(!run->finished());
        QVERIFY(!run->runNext());
        QTest::qWait(50);
        QCOMPARE(run->tasksDone(), done);
    }

    void open_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("F3 on the window") << 0;
        QTest::newRow("F3 on a list") << 1;
        QTest::newRow("a list's menu entry") << 2;
    }

    // F3 or the menu entry opens a chart, which computes the default chart
    // (random, up to 5000, five trials); going back to the sorting window
    // runs its comparison; several charts may be open; "Fine" closes one.
    void open()
    {
        QFETCH(int, how);
        frmSort *w = openSort();
        QVERIFY(w);
        ListBox *shell = w->list("lstSort", 2);
        if (how == 0) {
            QTest::keyClick(w->button("cmdFine"), Qt::Key_F3);
        } else if (how == 1) {
            shell->setFocus();
            QTest::keyClick(shell, Qt::Key_F3);
        } else {
            const std::unique_ptr<QMenu> entries(shell->createContextMenu());
            QStringList texts;
            for (QAction *a : entries->actions())
                texts << (a->isSeparator() ? "|" : a->text());
            QCOMPARE(texts, QStringList({"Passo passo…", "Grafico della crescita…", "|", "Copia", "Copia tutto"}));
            QCOMPARE(entries->actions().at(1)->shortcut(), QKeySequence(Qt::Key_F3));
            entries->actions().at(1)->trigger();
        }
        QCOMPARE(charts(w).size(), 1);
        QPointer<frmGrafico> g = charts(w).first();
        QVERIFY(QTest::qWaitForWindowActive(g->window()));
        QCOMPARE(g->window()->windowTitle(), QString("Grafico della crescita - prof. Orvalde"));
        QVERIFY(!g->window()->windowIcon().isNull());
        QCOMPARE(g->window()->focusWidget()->objectName(), QString("picGrafico"));
        QVERIFY(waitComputed(g));
        const GrowthRun &run = g->runner()->run();
        QVERIFY(!g->find<QCheckBox>("chkTutti")->isChecked());
        QCOMPARE(run.algorithms(), WindowSorts);
        QCOMPARE(run.input(), int(GrowthRandom));
        QCOMPARE(run.maximum(), 5000);
        QCOMPARE(run.trials(), 5);
        QCOMPARE(g->chart().data.sizes, growthSizes(5000));
        QVERIFY(g->label("lblStato")->text().contains("calcolati in"));
        const long draws = rnd->draws;
        focus(w->window());
        QCOMPARE(rnd->draws, draws + 1000);
        w->Grafico();
        QCOMPARE(charts(w).size(), 2);
        QTest::mouseClick(g->button("cmdFine"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!g);
        QCOMPARE(charts(w).size(), 1);
    }

    // A new choice while the chart computes cancels the run: the chart then
    // holds only the new run's points, every one of them right.
    void newChoiceCancels_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("threads") << int(GrowthRunner::Threads);
        QTest::newRow("slices") << int(GrowthRunner::Slices);
    }

    void newChoiceCancels()
    {
        QFETCH(int, mode);
        frmSort *w = openSort();
        QVERIFY(w);
        auto *g = new frmGrafico(*rnd, w);
        g->setRunnerMode(GrowthRunner::Mode(mode));
        g->Show();
        g->find<QSpinBox>("spnProve")->setValue(20);
        QTRY_VERIFY(!g->chart().data.sizes.empty());
        QVERIFY(!g->runner()->isFinished());
        g->find<QComboBox>("cboDati")->setCurrentIndex(GrowthDescending);
        QVERIFY(!g->find<QSpinBox>("spnProve")->isEnabled());
        g->find<QComboBox>("cboMassimo")->setCurrentIndex(2);
        QVERIFY(g->chart().data.sizes.size() < 50);
        QVERIFY(waitComputed(g));
        const GrowthData &d = g->chart().data;
        QCOMPARE(d.input, int(GrowthDescending));
        QCOMPARE(d.sizes, growthSizes(1000));
        for (std::size_t p = 0; p < d.sizes.size(); ++p) {
            const Counts expected = expectedCounts(GrowthDescending, d.sizes[p]);
            for (int i = 0; i < 8; ++i)
                QCOMPARE(d.values[std::size_t(i / 4)][std::size_t(i % 4)][p].mean, double(expected[std::size_t(i)]));
        }
    }

    // Ctrl+C copies the shown sorts' table; it parses back, in the regional
    // format, to the plotted numbers. A legend click or a key hides a sort.
    void copyTable()
    {
        frmSort *w = openSort();
        QVERIFY(w);
        auto *g = new frmGrafico(*rnd, w);
        g->Show();
        g->find<QComboBox>("cboMassimo")->setCurrentIndex(0);
        g->find<QSpinBox>("spnProve")->setValue(3);
        QVERIFY(waitComputed(g));
        g->find<QComboBox>("cboMisura")->setCurrentIndex(1);
        QWidget *picture = g->find<QWidget>("picGrafico");
        picture->repaint();
        QTest::keyClick(picture, Qt::Key_2); // Bubble hidden
        QVERIFY(g->chart().hidden[1]);
        picture->repaint();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(picture, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.first(), QString("n\tInsertion\tShell\tQuick"));
        const GrowthData &d = g->chart().data;
        QCOMPARE(lines.size(), 1 + int(d.sizes.size()));
        const QLocale locale = GrowthChart::locale();
        for (std::size_t p = 0; p < d.sizes.size(); ++p) {
            const QStringList cells = lines[int(p) + 1].split('\t');
            QCOMPARE(cells.size(), 4);
            QCOMPARE(cells[0], QString::number(d.sizes[p]));
            for (int c = 1; c < 4; ++c) {
                bool ok = false;
                const double value = locale.toDouble(cells[c], &ok);
                QVERIFY2(ok && !cells[c].contains(locale.groupSeparator()), qPrintable(cells[c]));
                QVERIFY(std::abs(value - d.values[1][std::size_t(c == 1 ? 0 : c)][p].mean) <= 0.05);
            }
        }
        // The tooltip of a point names the sort, n and the count.
        const GrowthValue &last = d.values[1][3].back();
        const QString tip = g->chart().pointAt(g->chart().position(d.sizes.back(), last.mean));
        QVERIFY2(tip.startsWith("Quick, n = 100\nconfronti: "), qPrintable(tip));
        QVERIFY(tip.contains(locale.toString(qlonglong(last.least))));
        // Between two points, on the line, the nearer point is named.
        const std::size_t p = d.sizes.size() - 2;
        const QPointF nearer = g->chart().position(d.sizes[p], d.values[1][3][p].mean) * 0.8 +
                               g->chart().position(d.sizes[p + 1], d.values[1][3][p + 1].mean) * 0.2;
        QVERIFY(g->chart().pointAt(nearer).startsWith(QString("Quick, n = %1\n").arg(d.sizes[p])));
        QVERIFY(g->chart().pointAt(nearer + QPointF(0, 40)).isEmpty());
        // A click on a legend entry shows the sort again.
        const QRect picked = picture->rect();
        for (int y = 0; y < picked.height() / 4 && g->chart().hidden[1]; ++y)
            for (int x = 0; x < picked.width() && g->chart().hidden[1]; x += 4)
                if (g->chart().legendAt(QPointF(x, y)) == 1)
                    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(x, y));
        QVERIFY(!g->chart().hidden[1]);
    }

    // A prediction's answer comes from the computed run and agrees with the
    // closed forms: Bubble's moves on descending data are n(n - 1)/2 and
    // follow that curve, Quick's and Merge's on random ones n·log₂ n, a count
    // that stays 0 or grows as n/2 goes with n; the fewest is the least.
    void predictions_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("algorithm");
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("measure");
        QTest::addColumn<int>("curve"); // the reference followed, for a Curve
        QTest::newRow("Bubble descending: n(n-1)/2") << int(GrowthQuestion::Curve) << int(AlgoBubble)
                                                     << int(GrowthDescending) << int(MeasureMoves) << 2;
        QTest::newRow("Quick random: n log n") << int(GrowthQuestion::Curve) << int(AlgoQuick) << int(GrowthRandom)
                                               << int(MeasureMoves) << 1;
        QTest::newRow("Merge random comparisons: n log n")
            << int(GrowthQuestion::Curve) << int(AlgoMerge) << int(GrowthRandom) << int(MeasureComparisons) << 1;
        QTest::newRow("Selection descending: n") << int(GrowthQuestion::Curve) << int(AlgoSelection)
                                                 << int(GrowthDescending) << int(MeasureMoves) << 0;
        QTest::newRow("Bubble ascending, no moves: n") << int(GrowthQuestion::Curve) << int(AlgoBubble)
                                                       << int(GrowthAscending) << int(MeasureMoves) << 0;
        QTest::newRow("a count") << int(GrowthQuestion::Count) << int(AlgoBubble) << int(GrowthDescending)
                                 << int(MeasureMoves) << -1;
        QTest::newRow("the fewest") << int(GrowthQuestion::Fewest) << 0 << int(GrowthDescending)
                                    << int(MeasureComparisons) << -1;
    }

    void predictions()
    {
        QFETCH(int, kind);
        QFETCH(int, algorithm);
        QFETCH(int, input);
        QFETCH(int, measure);
        QFETCH(int, curve);
        MersenneRandom random;
        random.seed(3.5f);
        GrowthRun run(input, 1000, 3, random, SortAlgorithms);
        GrowthQuestion q;
        for (unsigned seed = 0; seed < 100; ++seed)
            if ((q = AskGrowth(input, SortAlgorithms, 1000, measure, seed)).kind == GrowthQuestion::Kind(kind))
                break;
        QCOMPARE(int(q.kind), kind);
        QVERIFY(!q.ask.text.empty());
        QVERIFY(!AnswerGrowth(q, run)); // nothing computed yet
        runAll(run);
        if (kind != GrowthQuestion::Fewest)
            q.algorithm = algorithm;
        QVERIFY(AnswerGrowth(q, run, "."));
        QVERIFY(!q.ask.why.empty());
        const int n = run.sizes().back();
        QCOMPARE(q.n, n);
        if (kind == GrowthQuestion::Curve) {
            QCOMPARE(q.ask.choices.size(), std::size_t(3));
            QCOMPARE(q.ask.answer, long(curve));
        } else if (kind == GrowthQuestion::Count) {
            QCOMPARE(q.ask.answer, long(n) * (n - 1) / 2);
            QCOMPARE(q.ask.tolerance, 10);
            QVERIFY2(q.ask.why.find("499.500") != std::string::npos, q.ask.why.c_str());
        } else {
            QCOMPARE(q.ask.choices.size(), q.candidates.size());
            const double least = run.value(q.candidates[std::size_t(q.ask.answer)], GrowthPoints - 1, measure).mean;
            for (int k : q.candidates)
                QVERIFY(run.value(k, GrowthPoints - 1, measure).mean >= least);
        }
    }

    // "Prevedi": the chart shows nothing of the counts, nor copies them,
    // until the prediction is answered or skipped; then the curves, the
    // verdict and the score.
    void predictInTheChart()
    {
        frmGrafico *g = openSmallChart();
        QVERIFY(g);
        QTest::mouseClick(g->find<QCheckBox>("chkPrevisione"), Qt::LeftButton);
        for (int round = 0; round < 3; ++round) {
            QVERIFY(g->chart().veiled);
            QVERIFY(!g->button("cmdCopia")->isEnabled());
            QLabel *said = g->label("lblDomanda");
            QVERIFY(said->text().endsWith("?") || said->text().endsWith("10 %"));
            if (round == 2) {
                QTest::mouseClick(g->button("cmdSalta"), Qt::LeftButton);
                QVERIFY2(said->text().startsWith("Saltata \u00b7 ") && said->text().endsWith(" su 3"),
                         qPrintable(said->text()));
            } else if (g->textBox("txtRisposta")->isEnabled()) {
                QTest::keyClicks(g->textBox("txtRisposta"), "12345");
                QTest::keyClick(g->textBox("txtRisposta"), Qt::Key_Return);
            } else {
                QTest::mouseClick(g->button("cmdRisposta", 0), Qt::LeftButton);
            }
            QVERIFY(!g->chart().veiled);
            QVERIFY(g->button("cmdCopia")->isEnabled());
            if (round < 2) {
                QVERIFY2(said->text().startsWith("Giusto! ") || said->text().startsWith("No. "), qPrintable(said->text()));
                QVERIFY(said->text().endsWith(QString(" su %1").arg(round + 1)));
                // A new choice, a new computation: a new prediction.
                g->find<QComboBox>("cboDati")->setCurrentIndex(round + 1);
                QVERIFY(waitComputed(g));
            }
        }
        QTest::mouseClick(g->find<QCheckBox>("chkPrevisione"), Qt::LeftButton);
        QVERIFY(!g->chart().veiled && g->button("cmdCopia")->isEnabled());
    }

    void allSorts_data()
    {
        QTest::addColumn<int>("key"); // the key that hides one of the four added sorts
        for (int k = AlgoSelection; k < SortAlgorithms; ++k)
            QTest::addRow("%d hides %s", k + 1, sortTitle(k)) << int(Qt::Key_1) + k;
    }

    // "Tutti gli algoritmi" computes the chart again with the eight sorts:
    // eight legend entries whose samples differ in grey too, eight columns in
    // the table headed by their names, tooltips for the added curves; the
    // keys 5 to 8 hide and show the added sorts, and do nothing without them.
    void allSorts()
    {
        QFETCH(int, key);
        frmGrafico *g = openSmallChart();
        QVERIFY(g);
        QWidget *picture = g->find<QWidget>("picGrafico");
        QTest::keyClick(picture, Qt::Key(key));
        QCOMPARE(g->chart().hidden, (std::array<bool, SortAlgorithms>{}));
        g->find<QCheckBox>("chkTutti")->setChecked(true);
        QVERIFY(waitComputed(g));
        QCOMPARE(g->runner()->run().algorithms(), SortAlgorithms);
        QStringList names{"n"};
        for (int k = 0; k < SortAlgorithms; ++k)
            names << sortTitle(k);
        const auto header = [&] {
            g->cmdCopia_Click();
            return QGuiApplication::clipboard()->text().section('\n', 0, 0);
        };
        QCOMPARE(header(), names.join('\t'));
        // Each sample, as a grey print shows it, differs from every other.
        const QImage grey = g->image().convertToFormat(QImage::Format_Grayscale8);
        std::vector<QImage> inks;
        for (int k = 0; k < SortAlgorithms; ++k) {
            const QRectF at = g->chart().swatch(k);
            QCOMPARE(g->chart().legendAt(at.center()), k);
            inks.push_back(grey.copy(at.toRect()).createHeuristicMask(false).convertToFormat(QImage::Format_Mono));
        }
        for (int a = 0; a < SortAlgorithms; ++a)
            for (int b = a + 1; b < SortAlgorithms; ++b)
                QVERIFY2(inks[std::size_t(a)] != inks[std::size_t(b)], qPrintable(names[a + 1] + " " + names[b + 1]));
        const int k = key - Qt::Key_1;
        const GrowthData &d = g->chart().data;
        const GrowthValue &last = d.values[MeasureMoves][std::size_t(k)].back();
        QVERIFY(g->chart().pointAt(g->chart().position(d.sizes.back(), last.mean))
                    .startsWith(QString("%1, n = 100\n").arg(sortTitle(k))));
        QTest::keyClick(picture, Qt::Key(key));
        QVERIFY(g->chart().hidden[std::size_t(k)]);
        QStringList without = names;
        without.removeAt(k + 1);
        QCOMPARE(header(), without.join('\t'));
        QTest::keyClick(picture, Qt::Key(key));
        QCOMPARE(header(), names.join('\t'));
        // The colours of the curves' names read on the chart's pale yellow.
        const auto luminance = [](const QColor &c) {
            const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
        };
        QVERIFY((luminance(QColor(palette::paleYellow)) + 0.05) / (luminance(GrowthChart::colour(k)) + 0.05) >= 4.5);
        g->find<QCheckBox>("chkTutti")->setChecked(false);
        QVERIFY(waitComputed(g));
        QCOMPARE(header(), names.mid(0, 1 + WindowSorts).join('\t'));
    }

    // The picture is written whole or not at all, and follows the zoom.
    void saveImage()
    {
        frmGrafico *g = openSmallChart();
        QVERIFY(g);
        QTemporaryDir dir;
        const QString path = dir.filePath("grafico.png");
        QVERIFY(g->SalvaImmagine(path));
        QImage saved(path);
        QCOMPARE(saved.size(), g->find<QWidget>("picGrafico")->size());
        QCOMPARE(saved, g->image().convertToFormat(saved.format()));
        setZoom(200);
        QCOMPARE(g->image().size(), g->find<QWidget>("picGrafico")->size());
        QCOMPARE(g->image().width(), qRound(13560 * 2 / 15.0));
        QString error;
        QVERIFY(!g->SalvaImmagine(dir.filePath("missing/grafico.png"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath("missing/grafico.png")));
        // Through the file dialog: a failed write says so in a message box.
        QString boxText;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTimer::singleShot(0, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(box);
                boxText = box->windowTitle() + '|' + box->text();
                box->button(QMessageBox::Ok)->click();
            });
            dialog->selectFile(dir.filePath("missing/grafico.png"));
            static_cast<QDialog *>(dialog)->accept();
        });
        g->cmdSalva_Click();
        QVERIFY2(boxText.startsWith("Quimbra|Non è stato possibile salvare l'immagine in"), qPrintable(boxText));
        QVERIFY(!QFile::exists(dir.filePath("missing/grafico.png")));
        // A picture that cannot be made leaves the old file as it was.
        const QByteArray before = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        g->Unload();
        QVERIFY(!g->SalvaImmagine(path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"grafico.png"});
    }
};

QTEST_MAIN(tst_Growth)
#include "tst_growth.moc"
