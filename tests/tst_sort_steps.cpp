// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "sort_catalog.h"
#include "sort_inputs.h"
#include "sort_questions.h"
#include "sort_steps.h"

#include <algorithm>

#include <random>
#include <vector>

using namespace quimbra;
using namespace quimbra::testing;

// The sorts' step-by-step replay: the code lines it lights, going back and
// forth to any step, and jumps across a long run.
class tst_SortSteps final : public QObject
{
    Q_OBJECT

private slots:
    void litLines_data();
    void litLines();
    void backAndForth();
    void longestRunJumps();
    void heldValueThroughItsPlacement_data();
    void heldValueThroughItsPlacement();
    void questionsAgreeWithTheRun_data();
    void questionsAgreeWithTheRun();
};

void tst_SortSteps::litLines_data()
{
    QTest::addColumn<int>("routine");
    QTest::addColumn<QList<int>>("elements");
    QTest::addColumn<QList<int>>("pseudocodeRows"); // lit after each step, in order

    // Rows of the pseudocode: Insertion 3 "se V(j) < V(i)", 4 "scambia";
    // Bubble 7 "passata ← passata + 1", 9 "se V(i) > V(i + 1)", 10 "scambia";
    // Shell 6 "h ← h div 3", 8 "v ← V(i)", 10 "mentre V(j - h) > v",
    // 11 "V(j) ← V(j - h)", 18 "V(j) ← v"; Quick 4 "pivot ← V(Primo)",
    // 8 "se V(i) < pivot", 12 "scambia V(i) e V(j)", 17 "scambia V(Primo) e V(k)".
    QTest::newRow("Insertion on 2 1 3") << int(AlgoInsertion) << QList<int>{2, 1, 3} << QList<int>{4, 3, 3};
    QTest::newRow("Bubble on 2 1") << int(AlgoBubble) << QList<int>{2, 1} << QList<int>{7, 10, 7, 9};
    QTest::newRow("Shell on 2 1") << int(AlgoShell) << QList<int>{2, 1}
                                  << QList<int>{6, 8, 10, 18, 8, 11, 10, 18, 6, 8, 10, 18, 8, 10, 18, 8, 10, 18};
    QTest::newRow("Quick on 2 1 3") << int(AlgoQuick) << QList<int>{2, 1, 3}
                                    << QList<int>{4, 8, 12, 17, 4, 12, 17};
    // Selection 2 "m ← i", 4 "se V(j) < V(m)", 9 "scambia V(i) e V(m)";
    // Inserimento 2 "v ← V(i)", 4 "mentre j > 1 e V(j - 1) > v",
    // 5 "V(j) ← V(j - 1)", 9 "V(j) ← v"; Merge 4 "m ← (Primo + Ultimo) div 2",
    // 7 "i ← Primo", 12 "W(k) ← V(j)", 23 "W(k) ← V(i)" (the rest), 35
    // "V(p) ← W(p)"; Heap 0 "procedura Setaccia", 3 "se c < n e V(c + 1) > V(c)",
    // 9 "scambia V(i) e V(c)", 19 "scambia V(1) e V(k)".
    QTest::newRow("Selection on 2 1 3") << int(AlgoSelection) << QList<int>{2, 1, 3} << QList<int>{2, 4, 4, 9, 2, 4};
    QTest::newRow("Inserimento on 2 1 3") << int(AlgoInserimento) << QList<int>{2, 1, 3}
                                          << QList<int>{2, 5, 9, 2, 4, 9};
    QTest::newRow("Merge on 2 1") << int(AlgoMerge) << QList<int>{2, 1} << QList<int>{4, 7, 12, 23, 35, 35};
    QTest::newRow("Heap on 1 2 3") << int(AlgoHeap) << QList<int>{1, 2, 3} << QList<int>{0, 3, 9, 19, 0, 9, 19, 0};
}

// The rows lit step by step on a tiny input; the C++ row lit is the line of
// the routine that reported the step, and nothing is lit before the first.
void tst_SortSteps::litLines()
{
    QFETCH(int, routine);
    QFETCH(QList<int>, elements);
    QFETCH(QList<int>, pseudocodeRows);
    const CodeListing &listing = sortListing(routine);
    QCOMPARE(listing.problems(), std::vector<std::string>{});
    SortSteps steps(routine, withZero(std::vector<int>(elements.begin(), elements.end())));
    QCOMPARE(listing.rowsOf(steps.state().line).pseudo, -1);
    QList<int> lit;
    while (steps.step()) {
        const CodeRows rows = listing.rowsOf(steps.state().line);
        lit << rows.pseudo;
        QVERIFY(rows.cpp >= 0);
        QVERIFY2(listing.cpp()[std::size_t(rows.cpp)].find("observe.") != std::string::npos,
                 listing.cpp()[std::size_t(rows.cpp)].c_str());
    }
    QCOMPARE(lit, pseudocodeRows);
    QCOMPARE(steps.count(), long(pseudocodeRows.size()));
}

namespace {

struct Seen
{
    SortState state;
    std::string sentence;
    std::vector<std::string> variables;
    std::vector<bool> changed;
    bool operator==(const Seen &) const = default;
};

Seen seen(const SortSteps &s)
{
    return {s.state(), s.sentence(), s.variableLines(), s.variablesChanged()};
}

} // namespace

// Many random runs of every routine, played forward and kept step by step;
// then steps back, jumps and steps forward at random positions must give back
// exactly what the forward run showed, and every line reported has its rows
// in both panels.
void tst_SortSteps::backAndForth()
{
    std::mt19937 gen(20261209);
    for (int routine = 0; routine < SortAlgorithms; ++routine) {
        const CodeListing &listing = sortListing(routine);
        QCOMPARE(listing.problems(), std::vector<std::string>{});
        for (int run = 0; run < 40; ++run) {
            const int n = std::uniform_int_distribution<int>(0, run < 20 ? 12 : 90)(gen);
            const std::vector<int> e = randomElements(unsigned(gen()), n, run % 3 ? 10000 : 4);
            SortSteps steps(routine, withZero(e));
            std::vector<Seen> forward{seen(steps)};
            while (steps.step()) {
                forward.push_back(seen(steps));
                const CodeRows rows = listing.rowsOf(steps.state().line);
                QVERIFY2(rows.pseudo >= 0 && rows.cpp >= 0, sortTitle(routine));
            }
            const long count = long(forward.size()) - 1;
            QCOMPARE(steps.count(), count);
            QVERIFY(steps.finished());
            for (int probe = 0; probe < 30; ++probe) {
                const long k = std::uniform_int_distribution<long>(0, count)(gen);
                steps.seek(k); // a drag of the slider
                QCOMPARE(steps.position(), k);
                QVERIFY2(seen(steps) == forward[std::size_t(k)], sortTitle(routine));
                if (k > 0) {
                    steps.seek(k - 1); // a step back
                    QVERIFY(seen(steps) == forward[std::size_t(k - 1)]);
                    QVERIFY(steps.step()); // and forward again
                    QVERIFY(seen(steps) == forward[std::size_t(k)]);
                }
            }
            steps.restart();
            QVERIFY(seen(steps) == forward.front());
        }
    }
}

// The longest runs: jumps anywhere on a run of a million steps, whose kept
// copies were thinned out while it was recorded, land where stepping does,
// and the view keeps a few MB at most.
void tst_SortSteps::longestRunJumps()
{
    for (int routine : {AlgoInsertion, AlgoBubble}) {
        SortSteps jumper(routine, withZero(descending(1000)));
        QVERIFY(jumper.count() > 400000);
        QVERIFY(jumper.memoryBytes() < 8 * 1024 * 1024);
        QVERIFY(jumper.checkpointEvery() > 1);
        SortSteps walker(routine, withZero(descending(1000)));
        for (long k : {jumper.count() - 1, 1L, 0L, jumper.checkpointEvery() * 3 + 7, 123457L,
                       jumper.count() / 2, jumper.count()}) {
            jumper.seek(k);
            walker.restart();
            for (long i = 0; i < k; ++i)
                walker.step();
            QCOMPARE(jumper.position(), k);
            QVERIFY(seen(jumper) == seen(walker));
        }
    }
}

void tst_SortSteps::heldValueThroughItsPlacement_data()
{
    QTest::addColumn<int>("routine");
    QTest::addColumn<int>("line"); // of the held value in the variables panel
    QTest::addColumn<QString>("name");
    QTest::newRow("Shell's v") << int(AlgoShell) << 3 << "v = ";
    QTest::newRow("Quick's pivot") << int(AlgoQuick) << 3 << "pivot = ";
}

// The step that places Shell's v or Quick's pivot still shows its value (the
// one just written), unchanged by that step; a new hold changes it.
void tst_SortSteps::heldValueThroughItsPlacement()
{
    QFETCH(int, routine);
    QFETCH(int, line);
    QFETCH(QString, name);
    std::mt19937 gen(7);
    for (int run = 0; run < 20; ++run) {
        SortSteps steps(routine, withZero(randomElements(unsigned(gen()), 2 + run % 9, run % 2 ? 5 : 100)));
        int placed = 0;
        while (steps.step()) {
            const SortStep &last = steps.last();
            const Variables v = steps.variables();
            const QString shown = QString::fromStdString(v.lines[std::size_t(line)]);
            if (last.kind == SortStep::Place || last.kind == SortStep::PivotPlaced) {
                const int at = last.kind == SortStep::Place ? last.movedA : last.movedB;
                QCOMPARE(shown, name + QString::number(steps.values()[std::size_t(at)]));
                QVERIFY(!v.changed[std::size_t(line)]);
                ++placed;
            }
            if (last.kind == SortStep::Hold || last.kind == SortStep::Range) {
                QCOMPARE(shown, name + QString::number(steps.held()));
                QVERIFY(v.changed[std::size_t(line)]);
            }
        }
        QVERIFY(placed > 0);
    }
}

QTEST_APPLESS_MAIN(tst_SortSteps)
#include "tst_sort_steps.moc"

void tst_SortSteps::questionsAgreeWithTheRun_data()
{
    QTest::addColumn<int>("routine");
    for (int k = 0; k < SortAlgorithms; ++k)
        QTest::newRow(sortTitle(k)) << k;
}

// Every question's answer is what the run then does, seen from the outside:
// the pivot ends there with the smaller values before it, the pass makes that
// many exchanges, v lands there, the minimum is the least of what is left,
// W gets the lesser of the two heads first, the sift moves something or not,
// the moves in all, the deepest nesting of the calls as the view shows it.
void tst_SortSteps::questionsAgreeWithTheRun()
{
    QFETCH(int, routine);
    std::mt19937 gen(unsigned(31 + routine));
    QSet<QString> kinds;
    for (int run = 0; run < 12; ++run) {
        const std::vector<Integer> input = withZero(randomElements(unsigned(gen()), 3 + run * 3, run % 3 ? 50 : 6));
        const std::vector<questions::Question> asked = SortQuestions(routine, input);
        QVERIFY(!asked.empty());
        for (const questions::Question &q : asked) {
            const std::string kind = q.kind;
            kinds.insert(QString::fromStdString(kind));
            SortSteps steps(routine, input);
            steps.seek(q.moment);
            const SortState at = steps.state();
            const auto untilNext = [&](auto stop) {
                while (steps.step() && !stop(steps.last())) {
                }
            };
            if (kind == "perno") {
                untilNext([](const SortStep &l) { return l.kind == SortStep::PivotPlaced; });
                const auto &v = steps.values();
                QCOMPARE(v[std::size_t(q.answer)], at.held);
                for (int p = at.vars.first; p < q.answer; ++p)
                    QVERIFY(v[std::size_t(p)] < at.held);
                for (int p = int(q.answer) + 1; p <= at.vars.last; ++p)
                    QVERIFY(v[std::size_t(p)] >= at.held);
            } else if (kind == "scambi") {
                long exchanges = 0;
                while (steps.step() && steps.last().kind != SortStep::Pass)
                    exchanges += steps.last().movedB >= 0;
                QCOMPARE(exchanges, q.answer);
            } else if (kind == "posto di v") {
                untilNext([](const SortStep &l) { return l.kind == SortStep::Place; });
                QCOMPARE(long(steps.last().movedA), q.answer);
                QCOMPARE(steps.values()[std::size_t(q.answer)], at.held);
            } else if (kind == "minimo") {
                const int i = at.last.a;
                QCOMPARE(long(*std::min_element(at.values.begin() + i, at.values.end())), q.answer);
            } else if (kind == "in W") {
                const int m = (at.last.a + at.last.b) / 2;
                QCOMPARE(long(std::min(at.values[std::size_t(at.last.a)], at.values[std::size_t(m + 1)])), q.answer);
            } else if (kind == "setaccio") {
                untilNext([](const SortStep &l) { return l.kind == SortStep::Sift || l.kind == SortStep::Swap; });
                std::vector<Integer> before = at.values, after = steps.values();
                if (steps.last().kind == SortStep::Swap) // the exchange that ends the sift is not part of it
                    std::swap(after[std::size_t(steps.last().movedA)], after[std::size_t(steps.last().movedB)]);
                QCOMPARE(q.answer == 0, before != after);
            } else if (kind == "mosse" || kind == "confronti") {
                QVERIFY(q.tolerance == 10 && q.moment == 0);
                steps.runToEnd();
                QCOMPARE(kind == "mosse" ? steps.moves() : steps.comparisons(), q.answer);
            } else if (kind == "sposta") {
                QVERIFY(steps.step());
                QCOMPARE(steps.last().kind, SortStep::Compare);
                QCOMPARE(q.answer == 0, steps.values() != at.values || steps.moves() != at.moves);
                // The text names the values as they stand before the step.
                QVERIFY(q.text.find("= " + std::to_string(at.values[std::size_t(steps.last().a)]) + " e") !=
                        std::string::npos);
            } else if (kind == "profondità") {
                // What the view says at the end ("massima N"), and no call
                // listed deeper on the way (a call that returns at once, with
                // no step of its own, counts in the depth but has no line).
                int deepest = 0;
                for (long s = -1; s < steps.count(); ++s)
                    for (const CallLine &line : steps.calls().linesAt(s, "R"))
                        deepest = std::max(deepest, line.depth);
                QVERIFY(deepest <= q.answer && deepest >= q.answer - 1);
                QCOMPARE(long(steps.calls().deepestUpTo(steps.count() - 1)), q.answer);
            }
        }
    }
    // Each sort asks its own kind of question, and the moves in all.
    QVERIFY(kinds.contains("mosse") && kinds.contains("confronti"));
    const char *own[] = {"sposta", "scambi", "posto di v", "perno", "minimo", "posto di v", "in W", "setaccio"};
    if (const char *mine = own[routine])
        QVERIFY2(kinds.contains(mine), mine);
}
