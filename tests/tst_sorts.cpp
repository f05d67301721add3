// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "sort_steps.h"
#include "sort_inputs.h"
#include "sorts.h"

#include <bit>

#include <algorithm>
#include <random>
#include <vector>

using namespace quimbra;
using namespace quimbra::testing;

// The four counting sorts: sorted results, exact move counts on known inputs,
// and properties checked over many random vectors.
class tst_Sorts final : public QObject
{
    Q_OBJECT

private slots:
    void workedExample_data();
    void workedExample();
    void thousandElementTable_data();
    void thousandElementTable();
    void countsAddToTheCounter_data();
    void countsAddToTheCounter();
    void smallInputsWithEqualValues_data();
    void smallInputsWithEqualValues();
    void shellSortPlacementsOnAscendingInput_data();
    void shellSortPlacementsOnAscendingInput();

    void quickSortTwoPositions_data();
    void quickSortTwoPositions();
    void quickSortEmptyRange_data();
    void quickSortEmptyRange();
    void quickSortWithoutCounter();
    void quickSortSubRange();
    void exchangeAndBubbleStayWithinN_data();
    void exchangeAndBubbleStayWithinN();

    void randomThousand_data();
    void randomThousand();
    void randomOtherSizes_data();
    void randomOtherSizes();
    void everySortEveryShape_data();
    void everySortEveryShape();
    void stabilityFound_data();
    void stabilityFound();
};

namespace {



// Runs one routine over positions 1..size-1 the way the window does, and
// returns the moves it added to the counter.
Long runRoutine(int routine, std::vector<Integer> &v)
{
    Long moves = 0;
    runSort(routine, v, moves);
    return moves;
}

std::vector<int> ascending(int n)
{
    std::vector<int> e;
    for (int i = 1; i <= n; ++i)
        e.push_back(i);
    return e;
}



long long inversions(const std::vector<int> &e)
{
    long long count = 0;
    for (size_t p = 0; p < e.size(); ++p)
        for (size_t q = p + 1; q < e.size(); ++q)
            if (e[p] > e[q])
                ++count;
    return count;
}

// The sorted elements as the routines must leave them, position 0 included.
std::vector<Integer> expectedSorted(std::vector<int> e)
{
    std::sort(e.begin(), e.end());
    return withZero(e);
}

QList<int> asList(const std::vector<Integer> &v)
{
    return QList<int>(v.begin(), v.end());
}

// Plays the routine step by step as the step view does and checks that it
// ends exactly where the plain routine ended: the same vector and the same
// moves, each step making at most one comparison and one move; that "to the
// end" lands on the same result with the same counts; and that starting over
// brings the input back. Returns the comparisons counted.
long checkReplay(int routine, const std::vector<Integer> &input, const std::vector<Integer> &sorted,
                 Long moves)
{
    SortSteps steps(routine, input);
    long taken = 0;
    long comparisons = 0, moved = 0;
    while (steps.step()) {
        ++taken;
        if (steps.comparisons() - comparisons > 1 || steps.moves() - moved > 1) {
            qWarning("%s: step %ld made %ld comparisons and %ld moves", sortTitle(routine), taken,
                     steps.comparisons() - comparisons, steps.moves() - moved);
            return -1;
        }
        comparisons = steps.comparisons();
        moved = steps.moves();
    }
    if (!steps.finished() || asList(steps.values()) != asList(sorted) || steps.moves() != moves)
        return -1;
    SortSteps jump(routine, input);
    for (int i = 0; i < 7; ++i)
        jump.step();
    jump.runToEnd();
    if (!jump.finished() || jump.step() || asList(jump.values()) != asList(sorted) ||
        jump.moves() != moves || jump.comparisons() != comparisons)
        return -1;
    jump.restart();
    if (jump.moves() != 0 || jump.comparisons() != 0 || asList(jump.values()) != asList(input) ||
        jump.finished() != (taken == 0))
        return -1;
    return comparisons;
}

} // namespace

void tst_Sorts::workedExample_data()
{
    QTest::addColumn<int>("routine");
    QTest::addColumn<int>("expectedMoves");
    QTest::addColumn<QStringList>("firstSteps"); // as the step view says them

    QTest::newRow("ExchangeSort: four exchanges")
        << int(AlgoInsertion) << 4
        << QStringList{"V(2) < V(1): scambio", "V(3) ≥ V(1): nessuno scambio",
                       "V(4) < V(1): scambio"};
    QTest::newRow("BubbleSort: four exchanges")
        << int(AlgoBubble) << 4
        << QStringList{"passata 1", "V(1) > V(2): scambio", "V(2) ≤ V(3): nessuno scambio",
                       "V(3) > V(4): scambio"};
    QTest::newRow("ShellSort: 13 placements and 4 shifts")
        << int(AlgoShell) << 17
        << QStringList{"distanza h = 4", "v = V(4)", "V(0) ≤ v: fine degli spostamenti", "V(4) = v",
                       "v = V(5)", "V(1) ≤ v: fine degli spostamenti", "V(5) = v", "distanza h = 1"};
    QTest::newRow("QuickSort(1, 5): six partitioning calls")
        << int(AlgoQuick) << 12
        << QStringList{"QuickSort(1, 5): pivot = V(1)", "V(2) < pivot: avanti",
                       "V(3) ≥ pivot: scambio V(3) e V(5)", "V(3) ≥ pivot: scambio V(3) e V(4)",
                       "V(3) < pivot: avanti", "pivot al suo posto: scambio V(1) e V(3)",
                       "QuickSort(1, 3): pivot = V(1)"};
}

// V(0..5) = 0, 5, 3, 8, 1, 9 sorted by each routine on its own copy.
void tst_Sorts::workedExample()
{
    QFETCH(int, routine);
    QFETCH(int, expectedMoves);
    std::vector<Integer> v = withZero({5, 3, 8, 1, 9});
    const Long moves = runRoutine(routine, v);
    QCOMPARE(asList(v), asList(withZero({1, 3, 5, 8, 9})));
    QCOMPARE(int(moves), expectedMoves);

    QFETCH(QStringList, firstSteps);
    SortSteps steps(routine, withZero({5, 3, 8, 1, 9}));
    QStringList said;
    while (said.size() < firstSteps.size() && steps.step())
        said << QString::fromStdString(steps.sentence());
    QCOMPARE(said, firstSteps);
    while (steps.step()) {
    }
    QVERIFY(QString::fromStdString(steps.sentence()).endsWith("fine: vettore ordinato"));
}

void tst_Sorts::thousandElementTable_data()
{
    QTest::addColumn<int>("routine");
    QTest::addColumn<QList<int>>("elements");
    QTest::addColumn<int>("expectedMoves");
    QTest::addColumn<int>("expectedComparisons"); // -1: not stated

    const std::vector<int> up = ascending(1000);
    const std::vector<int> down = descending(1000);
    const std::vector<int> same(1000, 5000);
    const QList<int> upList(up.begin(), up.end());
    const QList<int> downList(down.begin(), down.end());
    const QList<int> sameList(same.begin(), same.end());

    QTest::newRow("ascending, ExchangeSort") << int(AlgoInsertion) << upList << 0 << 499500;
    QTest::newRow("ascending, BubbleSort") << int(AlgoBubble) << upList << 0 << 999;
    QTest::newRow("ascending, ShellSort") << int(AlgoShell) << upList << 6464 << 6464;
    QTest::newRow("ascending, QuickSort") << int(AlgoQuick) << upList << 30991 << -1;
    QTest::newRow("descending, ExchangeSort") << int(AlgoInsertion) << downList << 499500 << 499500;
    QTest::newRow("descending, BubbleSort") << int(AlgoBubble) << downList << 499500 << 999000;
    QTest::newRow("descending, ShellSort") << int(AlgoShell) << downList << 10384 << -1;
    QTest::newRow("descending, QuickSort") << int(AlgoQuick) << downList << 168832 << -1;
    QTest::newRow("all equal, ExchangeSort") << int(AlgoInsertion) << sameList << 0 << 499500;
    QTest::newRow("all equal, BubbleSort") << int(AlgoBubble) << sameList << 0 << 999;
    QTest::newRow("all equal, ShellSort") << int(AlgoShell) << sameList << 6464 << 6464;
    QTest::newRow("all equal, QuickSort 1000 levels deep") << int(AlgoQuick) << sameList << 500499 << -1;
    QTest::newRow("descending, Selection") << int(AlgoSelection) << downList << 500 << 499500;
    QTest::newRow("descending, Inserimento") << int(AlgoInserimento) << downList << 500499 << 499500;
    const std::vector<int> up1024 = ascending(1024);
    QTest::newRow("1 … 1024 ascending, Merge") << int(AlgoMerge) << QList<int>(up1024.begin(), up1024.end())
                                                 << 20480 << 5120;
    QTest::newRow("ascending, Inserimento") << int(AlgoInserimento) << upList << 999 << 999;
    QTest::newRow("all equal, Heap: nothing sinks") << int(AlgoHeap) << sameList << 999 << -1;
}

void tst_Sorts::thousandElementTable()
{
    QFETCH(int, routine);
    QFETCH(QList<int>, elements);
    QFETCH(int, expectedMoves);
    QFETCH(int, expectedComparisons);
    const std::vector<int> e(elements.begin(), elements.end());
    std::vector<Integer> v = withZero(e);
    const Long moves = runRoutine(routine, v);
    QCOMPARE(asList(v), asList(expectedSorted(e)));
    QCOMPARE(int(moves), expectedMoves);
    const long comparisons = checkReplay(routine, withZero(e), v, moves);
    QVERIFY(comparisons >= 0);
    if (expectedComparisons >= 0)
        QCOMPARE(comparisons, long(expectedComparisons));
}

void tst_Sorts::countsAddToTheCounter_data()
{
    workedExample_data();
}

// The window sets the counter; the routines only add to it.
void tst_Sorts::countsAddToTheCounter()
{
    QFETCH(int, routine);
    QFETCH(int, expectedMoves);
    std::vector<Integer> v = withZero({5, 3, 8, 1, 9});
    Long moves = 1000000;
    runSort(routine, v, moves);
    QCOMPARE(int(moves), 1000000 + expectedMoves);
}

void tst_Sorts::smallInputsWithEqualValues_data()
{
    QTest::addColumn<int>("routine");
    QTest::addColumn<QList<int>>("elements");
    QTest::addColumn<int>("expectedMoves");

    // Exchange sort: an equal later value never replaces the one at i.
    QTest::newRow("ExchangeSort 2 2 1") << int(AlgoInsertion) << QList<int>{2, 2, 1} << 1;
    QTest::newRow("ExchangeSort 2 1 1") << int(AlgoInsertion) << QList<int>{2, 1, 1} << 2;
    QTest::newRow("ExchangeSort 3 1 3 1") << int(AlgoInsertion) << QList<int>{3, 1, 3, 1} << 2;
    QTest::newRow("ExchangeSort 1 1 1 1") << int(AlgoInsertion) << QList<int>{1, 1, 1, 1} << 0;
    QTest::newRow("ExchangeSort 4 4 4 1 1 1") << int(AlgoInsertion) << QList<int>{4, 4, 4, 1, 1, 1} << 3;
    // Bubble sort: equal neighbours stay; the count is the inversions.
    QTest::newRow("BubbleSort 2 2 1") << int(AlgoBubble) << QList<int>{2, 2, 1} << 2;
    QTest::newRow("BubbleSort 2 1 1") << int(AlgoBubble) << QList<int>{2, 1, 1} << 2;
    QTest::newRow("BubbleSort 3 1 3 1") << int(AlgoBubble) << QList<int>{3, 1, 3, 1} << 3;
    QTest::newRow("BubbleSort 1 1 1 1") << int(AlgoBubble) << QList<int>{1, 1, 1, 1} << 0;
    QTest::newRow("BubbleSort 4 4 4 1 1 1") << int(AlgoBubble) << QList<int>{4, 4, 4, 1, 1, 1} << 9;
    // Quick sort: every value equal to the pivot costs an exchange.
    QTest::newRow("QuickSort 1 1") << int(AlgoQuick) << QList<int>{1, 1} << 2;
    QTest::newRow("QuickSort 1 1 1") << int(AlgoQuick) << QList<int>{1, 1, 1} << 5;
    // Shell sort on tiny vectors: gaps 1 then 0 over positions 0..N.
    QTest::newRow("ShellSort single element") << int(AlgoShell) << QList<int>{7} << 3;
    QTest::newRow("ShellSort 2 1") << int(AlgoShell) << QList<int>{2, 1} << 6;
}

void tst_Sorts::smallInputsWithEqualValues()
{
    QFETCH(int, routine);
    QFETCH(QList<int>, elements);
    QFETCH(int, expectedMoves);
    const std::vector<int> e(elements.begin(), elements.end());
    std::vector<Integer> v = withZero(e);
    const Long moves = runRoutine(routine, v);
    QCOMPARE(asList(v), asList(expectedSorted(e)));
    QCOMPARE(int(moves), expectedMoves);
}

void tst_Sorts::shellSortPlacementsOnAscendingInput_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("expectedMoves");

    // Ascending input shifts nothing: a pass with gap h places N + 1 - h values.
    QTest::newRow("N = 3: gaps 1, 0") << 3 << 3 + 4;
    QTest::newRow("N = 4: gaps 4, 1, 0") << 4 << 1 + 4 + 5;
    QTest::newRow("N = 5: gaps 4, 1, 0") << 5 << 2 + 5 + 6;
    QTest::newRow("N = 12: gaps 4, 1, 0") << 12 << 9 + 12 + 13;
    QTest::newRow("N = 13: gaps 13, 4, 1, 0") << 13 << 1 + 10 + 13 + 14;
    QTest::newRow("N = 40: gaps 40, 13, 4, 1, 0") << 40 << 1 + 28 + 37 + 40 + 41;
    QTest::newRow("N = 1000: gaps 364 down to 0") << 1000 << 6464;
}

void tst_Sorts::shellSortPlacementsOnAscendingInput()
{
    QFETCH(int, size);
    QFETCH(int, expectedMoves);
    std::vector<Integer> v = withZero(ascending(size));
    Long moves = 0;
    ShellSort(v, size, moves);
    QCOMPARE(asList(v), asList(withZero(ascending(size))));
    QCOMPARE(int(moves), expectedMoves);
}

void tst_Sorts::quickSortTwoPositions_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("expectedMoves");

    QTest::newRow("in order") << 1 << 2 << 2;
    QTest::newRow("equal") << 7 << 7 << 2;
    QTest::newRow("reversed") << 2 << 1 << 3;
    QTest::newRow("reversed, far apart") << 10000 << 1 << 3;
}

// The two positions are 3 and 4 of a longer vector; the rest must stay put.
void tst_Sorts::quickSortTwoPositions()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, expectedMoves);
    std::vector<Integer> v = withZero({9000, 1, first, second, 2, 8000});
    Long moves = 0;
    QuickSort(v, 3, 4, moves);
    QCOMPARE(asList(v), asList(withZero({9000, 1, std::min(first, second), std::max(first, second),
                                         2, 8000})));
    QCOMPARE(int(moves), expectedMoves);
}

void tst_Sorts::quickSortEmptyRange_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");

    QTest::newRow("one position") << 3 << 3;
    QTest::newRow("last position alone") << 5 << 5;
    QTest::newRow("last before first") << 4 << 2;
    QTest::newRow("empty range at the start") << 1 << 0;
    QTest::newRow("whole vector reversed bounds") << 5 << 1;
}

void tst_Sorts::quickSortEmptyRange()
{
    QFETCH(int, first);
    QFETCH(int, last);
    const std::vector<Integer> before = withZero({5, 3, 8, 1, 9});
    std::vector<Integer> v = before;
    Long moves = 42;
    QuickSort(v, first, last, moves);
    QCOMPARE(asList(v), asList(before));
    QCOMPARE(int(moves), 42);
}

void tst_Sorts::quickSortWithoutCounter()
{
    const std::vector<int> e = randomElements(2024, 1000, 10000);
    std::vector<Integer> v = withZero(e);
    QuickSort(v, 1, 1000);
    QCOMPARE(asList(v), asList(expectedSorted(e)));

    std::vector<Integer> same = withZero(std::vector<int>(1000, 3));
    QuickSort(same, 1, 1000);
    QCOMPARE(asList(same), asList(withZero(std::vector<int>(1000, 3))));
}

// Sorting positions 200..700 leaves every other position as it was.
void tst_Sorts::quickSortSubRange()
{
    const std::vector<int> e = randomElements(7, 1000, 10000);
    std::vector<Integer> v = withZero(e);
    Long moves = 0;
    QuickSort(v, 200, 700, moves);

    std::vector<int> expected = e;
    std::sort(expected.begin() + 199, expected.begin() + 700);
    QCOMPARE(asList(v), asList(withZero(expected)));
    QVERIFY(moves > 0);
}

void tst_Sorts::exchangeAndBubbleStayWithinN_data()
{
    QTest::addColumn<int>("routine");

    QTest::newRow("ExchangeSort") << int(AlgoInsertion);
    QTest::newRow("BubbleSort") << int(AlgoBubble);
}

// With N below the vector's extent, positions past N are not part of the sort.
void tst_Sorts::exchangeAndBubbleStayWithinN()
{
    QFETCH(int, routine);
    const std::vector<int> e = randomElements(99, 300, 10000);
    std::vector<Integer> v = withZero(e);
    const int n = 200;
    Long moves = 0;
    if (routine == AlgoInsertion)
        ExchangeSort(v, n, moves);
    else
        BubbleSort(v, n, moves);

    std::vector<int> expected = e;
    std::sort(expected.begin(), expected.begin() + n);
    QCOMPARE(asList(v), asList(withZero(expected)));
}

void tst_Sorts::randomThousand_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("maxValue");

    for (unsigned seed = 1; seed <= 20; ++seed)
        QTest::addRow("values 1..10000, seed %u", seed) << seed << 10000;
    // Many repeated values stress the handling of equal elements.
    for (unsigned seed = 101; seed <= 105; ++seed)
        QTest::addRow("values 1..5, seed %u", seed) << seed << 5;
    QTest::addRow("values 1..2, seed 200") << 200u << 2;
}

// All four routines on copies of one random vector of 1000, as the window runs them.
void tst_Sorts::randomThousand()
{
    QFETCH(unsigned, seed);
    QFETCH(int, maxValue);
    const std::vector<int> e = randomElements(seed, 1000, maxValue);
    const std::vector<Integer> sorted = expectedSorted(e);

    for (int routine : {AlgoInsertion, AlgoBubble, AlgoShell, AlgoQuick}) {
        std::vector<Integer> v = withZero(e);
        const Long moves = runRoutine(routine, v);
        QVERIFY2(asList(v) == asList(sorted), sortTitle(routine));
        QVERIFY2(moves >= 0, sortTitle(routine));
        const long comparisons = checkReplay(routine, withZero(e), v, moves);
        QVERIFY2(comparisons >= 0, sortTitle(routine));
        if (routine == AlgoInsertion)
            QCOMPARE(comparisons, 499500L);
        if (routine == AlgoBubble)
            QCOMPARE(qint64(moves), qint64(inversions(e)));
        if (routine == AlgoInsertion)
            QVERIFY2(moves <= 499500, sortTitle(routine));
        if (routine == AlgoShell)
            QVERIFY2(moves >= 6464, qPrintable(QString::number(moves)));
        if (routine == AlgoQuick)
            QVERIFY2(moves >= 1, sortTitle(routine));
    }
}

void tst_Sorts::randomOtherSizes_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("maxValue");

    for (int size : {0, 1, 2, 3, 5, 17, 100, 500, 999}) {
        for (unsigned seed = 1; seed <= 3; ++seed) {
            QTest::addRow("size %d, values 1..10000, seed %u", size, seed) << size << seed << 10000;
            QTest::addRow("size %d, values 1..3, seed %u", size, seed) << size << seed << 3;
        }
    }
}

void tst_Sorts::randomOtherSizes()
{
    QFETCH(int, size);
    QFETCH(unsigned, seed);
    QFETCH(int, maxValue);
    const std::vector<int> e = randomElements(seed, size, maxValue);
    const std::vector<Integer> sorted = expectedSorted(e);

    for (int routine : {AlgoInsertion, AlgoBubble, AlgoShell, AlgoQuick}) {
        std::vector<Integer> v = withZero(e);
        const Long moves = runRoutine(routine, v);
        QVERIFY2(asList(v) == asList(sorted), sortTitle(routine));
        QVERIFY2(checkReplay(routine, withZero(e), v, moves) >= 0, sortTitle(routine));
        if (routine == AlgoBubble)
            QCOMPARE(qint64(moves), qint64(inversions(e)));
        if (routine == AlgoInsertion || (routine == AlgoQuick && size < 2))
            QVERIFY2(moves <= qint64(size) * (size - 1) / 2, sortTitle(routine));
    }
}

void tst_Sorts::everySortEveryShape_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("size");
    for (int shape = 0; shape < SortShapes; ++shape) {
        for (int size = 0; size <= 64; ++size)
            QTest::addRow("shape %d, %d values", shape, size) << shape << size;
        for (int size : {128, 257, 1000})
            QTest::addRow("shape %d, %d values", shape, size) << shape << size;
    }
}

// Every sort of the catalogue on every shape: sorted as std::sort sorts, the
// step-by-step replay ending where the routine does, the counts meeting their
// closed forms, and the sorts that keep equal values in order doing so.
void tst_Sorts::everySortEveryShape()
{
    QFETCH(int, shape);
    QFETCH(int, size);
    MersenneRandom rnd;
    rnd.seed(float(shape * 1000 + size));
    const std::vector<Integer> input = sortInput(shape, size, rnd);
    const std::vector<int> e(input.begin() + 1, input.end());
    const std::vector<Integer> sorted = expectedSorted(e);
    for (int a = 0; a < SortAlgorithms; ++a) {
        std::vector<Integer> v = input;
        const Long moves = runRoutine(a, v);
        QVERIFY2(asList(v) == asList(sorted), sortTitle(a));
        const long comparisons = size <= 257 || a == AlgoMerge || a == AlgoHeap
                                     ? checkReplay(a, input, v, moves)
                                     : 0;
        QVERIFY2(comparisons >= 0, sortTitle(a));
        if (a == AlgoSelection && size <= 257)
            QCOMPARE(comparisons, long(size) * (size - 1) / 2);
        if (a == AlgoInserimento)
            QCOMPARE(qint64(moves), inversions(e) + std::max(0, size - 1));
        if (a == AlgoMerge && size >= 1 && (size & (size - 1)) == 0)
            QCOMPARE(qint64(moves), 2LL * size * std::countr_zero(unsigned(size)));
        if (a == AlgoBubble || a == AlgoInserimento || a == AlgoMerge)
            QVERIFY2(SortSteps(a, input).stability().stable, sortTitle(a));
    }
}

void tst_Sorts::stabilityFound_data()
{
    QTest::addColumn<int>("algorithm");
    QTest::addColumn<QList<int>>("elements");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("Insertion 2 2 1") << int(AlgoInsertion) << QList<int>{2, 2, 1} << "Non stabile: 2b è finito prima di 2a";
    QTest::newRow("Bubble 2 2 1") << int(AlgoBubble) << QList<int>{2, 2, 1} << "Stabile su questi dati";
    QTest::newRow("Selection 2 2 1") << int(AlgoSelection) << QList<int>{2, 2, 1} << "Non stabile: 2b è finito prima di 2a";
    QTest::newRow("Heap 1 1") << int(AlgoHeap) << QList<int>{1, 1} << "Non stabile: 1b è finito prima di 1a";
    QTest::newRow("Quick 1 1 1") << int(AlgoQuick) << QList<int>{1, 1, 1} << "Non stabile: 1c è finito prima di 1b";
    QTest::newRow("Merge 3 1 3 1") << int(AlgoMerge) << QList<int>{3, 1, 3, 1} << "Stabile su questi dati";
    QTest::newRow("Shell 2 2 1") << int(AlgoShell) << QList<int>{2, 2, 1} << "Stabile su questi dati";
    QList<int> many(40, 7);
    many.back() = 1;
    QTest::newRow("Selection, 40 values: no letters")
        << int(AlgoSelection) << many << "Non stabile: i due 7 partiti da V(1) e V(39) hanno cambiato ordine";
}

// The verdict on stability names the first pair of equal values that ended
// in the wrong order, by their letters or, with many values, their places.
void tst_Sorts::stabilityFound()
{
    QFETCH(int, algorithm);
    QFETCH(QList<int>, elements);
    QFETCH(QString, sentence);
    const SortSteps steps(algorithm, withZero(std::vector<int>(elements.begin(), elements.end())));
    QCOMPARE(QString::fromStdString(steps.stabilitySentence()), sentence);
}

QTEST_APPLESS_MAIN(tst_Sorts)
#include "tst_sorts.moc"
