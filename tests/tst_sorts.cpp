// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "sort_code.h"
#include "sort_steps.h"
#include "sorts.h"

#include <algorithm>
#include <random>
#include <vector>

using namespace quimbra;

// The four counting sorts: sorted results, exact move counts on known inputs,
// and properties checked over many random vectors.
class SortsTest final : public QObject
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
    void litLines_data();
    void litLines();
    void backAndForth();
    void longestRunJumps();
    void listingChecksItself_data();
    void listingChecksItself();
};

namespace {

enum Routine { Exchange, Bubble, Shell, Quick };

const char *routineName(int r)
{
    static const char *const names[] = {"ExchangeSort", "BubbleSort", "ShellSort", "QuickSort"};
    return names[r];
}

// A vector as the window holds it: position 0 holds 0, the elements follow.
std::vector<Integer> withZero(const std::vector<int> &elements)
{
    std::vector<Integer> v{0};
    for (int e : elements)
        v.push_back(Integer(e));
    return v;
}

// Runs one routine over positions 1..size-1 the way the window does, and
// returns the moves it added to the counter.
Long runRoutine(int routine, std::vector<Integer> &v)
{
    const int n = int(v.size()) - 1;
    Long moves = 0;
    switch (routine) {
    case Exchange: ExchangeSort(v, n, moves); break;
    case Bubble: BubbleSort(v, n, moves); break;
    case Shell: ShellSort(v, n, moves); break;
    case Quick: QuickSort(v, 1, n, moves); break;
    }
    return moves;
}

std::vector<int> ascending(int n)
{
    std::vector<int> e;
    for (int i = 1; i <= n; ++i)
        e.push_back(i);
    return e;
}

std::vector<int> descending(int n)
{
    std::vector<int> e;
    for (int i = n; i >= 1; --i)
        e.push_back(i);
    return e;
}

// n values drawn from 1..maxValue, as the window draws them.
std::vector<int> randomElements(unsigned seed, int n, int maxValue)
{
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> dist(1, maxValue);
    std::vector<int> e(n);
    for (int &x : e)
        x = dist(gen);
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
            qWarning("%s: step %ld made %ld comparisons and %ld moves", routineName(routine), taken,
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

void SortsTest::workedExample_data()
{
    QTest::addColumn<int>("routine");
    QTest::addColumn<int>("expectedMoves");
    QTest::addColumn<QStringList>("firstSteps"); // as the step view says them

    QTest::newRow("ExchangeSort: four exchanges")
        << int(Exchange) << 4
        << QStringList{"V(2) < V(1): scambio", "V(3) ≥ V(1): nessuno scambio",
                       "V(4) < V(1): scambio"};
    QTest::newRow("BubbleSort: four exchanges")
        << int(Bubble) << 4
        << QStringList{"passata 1", "V(1) > V(2): scambio", "V(2) ≤ V(3): nessuno scambio",
                       "V(3) > V(4): scambio"};
    QTest::newRow("ShellSort: 13 placements and 4 shifts")
        << int(Shell) << 17
        << QStringList{"gap 4", "v = V(4)", "V(0) ≤ v: fine degli spostamenti", "V(4) = v",
                       "v = V(5)", "V(1) ≤ v: fine degli spostamenti", "V(5) = v", "gap 1"};
    QTest::newRow("QuickSort(1, 5): six partitioning calls")
        << int(Quick) << 12
        << QStringList{"QuickSort(1, 5): pivot = V(1)", "V(2) < pivot: avanti",
                       "V(3) ≥ pivot: scambio V(3) e V(5)", "V(3) ≥ pivot: scambio V(3) e V(4)",
                       "V(3) < pivot: avanti", "pivot al suo posto: scambio V(1) e V(3)",
                       "QuickSort(1, 3): pivot = V(1)"};
}

// V(0..5) = 0, 5, 3, 8, 1, 9 sorted by each routine on its own copy.
void SortsTest::workedExample()
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

void SortsTest::thousandElementTable_data()
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

    QTest::newRow("ascending, ExchangeSort") << int(Exchange) << upList << 0 << 499500;
    QTest::newRow("ascending, BubbleSort") << int(Bubble) << upList << 0 << 999;
    QTest::newRow("ascending, ShellSort") << int(Shell) << upList << 6464 << 6464;
    QTest::newRow("ascending, QuickSort") << int(Quick) << upList << 30991 << -1;
    QTest::newRow("descending, ExchangeSort") << int(Exchange) << downList << 499500 << 499500;
    QTest::newRow("descending, BubbleSort") << int(Bubble) << downList << 499500 << 999000;
    QTest::newRow("descending, ShellSort") << int(Shell) << downList << 10384 << -1;
    QTest::newRow("descending, QuickSort") << int(Quick) << downList << 168832 << -1;
    QTest::newRow("all equal, ExchangeSort") << int(Exchange) << sameList << 0 << 499500;
    QTest::newRow("all equal, BubbleSort") << int(Bubble) << sameList << 0 << 999;
    QTest::newRow("all equal, ShellSort") << int(Shell) << sameList << 6464 << 6464;
    QTest::newRow("all equal, QuickSort 1000 levels deep") << int(Quick) << sameList << 500499 << -1;
}

void SortsTest::thousandElementTable()
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

void SortsTest::countsAddToTheCounter_data()
{
    workedExample_data();
}

// The window sets the counter; the routines only add to it.
void SortsTest::countsAddToTheCounter()
{
    QFETCH(int, routine);
    QFETCH(int, expectedMoves);
    std::vector<Integer> v = withZero({5, 3, 8, 1, 9});
    Long moves = 1000000;
    switch (routine) {
    case Exchange: ExchangeSort(v, 5, moves); break;
    case Bubble: BubbleSort(v, 5, moves); break;
    case Shell: ShellSort(v, 5, moves); break;
    case Quick: QuickSort(v, 1, 5, moves); break;
    }
    QCOMPARE(int(moves), 1000000 + expectedMoves);
}

void SortsTest::smallInputsWithEqualValues_data()
{
    QTest::addColumn<int>("routine");
    QTest::addColumn<QList<int>>("elements");
    QTest::addColumn<int>("expectedMoves");

    // Exchange sort: an equal later value never replaces the one at i.
    QTest::newRow("ExchangeSort 2 2 1") << int(Exchange) << QList<int>{2, 2, 1} << 1;
    QTest::newRow("ExchangeSort 2 1 1") << int(Exchange) << QList<int>{2, 1, 1} << 2;
    QTest::newRow("ExchangeSort 3 1 3 1") << int(Exchange) << QList<int>{3, 1, 3, 1} << 2;
    QTest::newRow("ExchangeSort 1 1 1 1") << int(Exchange) << QList<int>{1, 1, 1, 1} << 0;
    QTest::newRow("ExchangeSort 4 4 4 1 1 1") << int(Exchange) << QList<int>{4, 4, 4, 1, 1, 1} << 3;
    // Bubble sort: equal neighbours stay; the count is the inversions.
    QTest::newRow("BubbleSort 2 2 1") << int(Bubble) << QList<int>{2, 2, 1} << 2;
    QTest::newRow("BubbleSort 2 1 1") << int(Bubble) << QList<int>{2, 1, 1} << 2;
    QTest::newRow("BubbleSort 3 1 3 1") << int(Bubble) << QList<int>{3, 1, 3, 1} << 3;
    QTest::newRow("BubbleSort 1 1 1 1") << int(Bubble) << QList<int>{1, 1, 1, 1} << 0;
    QTest::newRow("BubbleSort 4 4 4 1 1 1") << int(Bubble) << QList<int>{4, 4, 4, 1, 1, 1} << 9;
    // Quick sort: every value equal to the pivot costs an exchange.
    QTest::newRow("QuickSort 1 1") << int(Quick) << QList<int>{1, 1} << 2;
    QTest::newRow("QuickSort 1 1 1") << int(Quick) << QList<int>{1, 1, 1} << 5;
    // Shell sort on tiny vectors: gaps 1 then 0 over positions 0..N.
    QTest::newRow("ShellSort single element") << int(Shell) << QList<int>{7} << 3;
    QTest::newRow("ShellSort 2 1") << int(Shell) << QList<int>{2, 1} << 6;
}

void SortsTest::smallInputsWithEqualValues()
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

void SortsTest::shellSortPlacementsOnAscendingInput_data()
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

void SortsTest::shellSortPlacementsOnAscendingInput()
{
    QFETCH(int, size);
    QFETCH(int, expectedMoves);
    std::vector<Integer> v = withZero(ascending(size));
    Long moves = 0;
    ShellSort(v, size, moves);
    QCOMPARE(asList(v), asList(withZero(ascending(size))));
    QCOMPARE(int(moves), expectedMoves);
}

void SortsTest::quickSortTwoPositions_data()
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
void SortsTest::quickSortTwoPositions()
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

void SortsTest::quickSortEmptyRange_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");

    QTest::newRow("one position") << 3 << 3;
    QTest::newRow("last position alone") << 5 << 5;
    QTest::newRow("last before first") << 4 << 2;
    QTest::newRow("empty range at the start") << 1 << 0;
    QTest::newRow("whole vector reversed bounds") << 5 << 1;
}

void SortsTest::quickSortEmptyRange()
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

void SortsTest::quickSortWithoutCounter()
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
void SortsTest::quickSortSubRange()
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

void SortsTest::exchangeAndBubbleStayWithinN_data()
{
    QTest::addColumn<int>("routine");

    QTest::newRow("ExchangeSort") << int(Exchange);
    QTest::newRow("BubbleSort") << int(Bubble);
}

// With N below the vector's extent, positions past N are not part of the sort.
void SortsTest::exchangeAndBubbleStayWithinN()
{
    QFETCH(int, routine);
    const std::vector<int> e = randomElements(99, 300, 10000);
    std::vector<Integer> v = withZero(e);
    const int n = 200;
    Long moves = 0;
    if (routine == Exchange)
        ExchangeSort(v, n, moves);
    else
        BubbleSort(v, n, moves);

    std::vector<int> expected = e;
    std::sort(expected.begin(), expected.begin() + n);
    QCOMPARE(asList(v), asList(withZero(expected)));
}

void SortsTest::randomThousand_data()
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
void SortsTest::randomThousand()
{
    QFETCH(unsigned, seed);
    QFETCH(int, maxValue);
    const std::vector<int> e = randomElements(seed, 1000, maxValue);
    const std::vector<Integer> sorted = expectedSorted(e);

    for (int routine : {Exchange, Bubble, Shell, Quick}) {
        std::vector<Integer> v = withZero(e);
        const Long moves = runRoutine(routine, v);
        QVERIFY2(asList(v) == asList(sorted), routineName(routine));
        QVERIFY2(moves >= 0, routineName(routine));
        const long comparisons = checkReplay(routine, withZero(e), v, moves);
        QVERIFY2(comparisons >= 0, routineName(routine));
        if (routine == Exchange)
            QCOMPARE(comparisons, 499500L);
        if (routine == Bubble)
            QCOMPARE(qint64(moves), qint64(inversions(e)));
        if (routine == Exchange)
            QVERIFY2(moves <= 499500, routineName(routine));
        if (routine == Shell)
            QVERIFY2(moves >= 6464, qPrintable(QString::number(moves)));
        if (routine == Quick)
            QVERIFY2(moves >= 1, routineName(routine));
    }
}

void SortsTest::randomOtherSizes_data()
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

void SortsTest::randomOtherSizes()
{
    QFETCH(int, size);
    QFETCH(unsigned, seed);
    QFETCH(int, maxValue);
    const std::vector<int> e = randomElements(seed, size, maxValue);
    const std::vector<Integer> sorted = expectedSorted(e);

    for (int routine : {Exchange, Bubble, Shell, Quick}) {
        std::vector<Integer> v = withZero(e);
        const Long moves = runRoutine(routine, v);
        QVERIFY2(asList(v) == asList(sorted), routineName(routine));
        QVERIFY2(checkReplay(routine, withZero(e), v, moves) >= 0, routineName(routine));
        if (routine == Bubble)
            QCOMPARE(qint64(moves), qint64(inversions(e)));
        if (routine == Exchange || (routine == Quick && size < 2))
            QVERIFY2(moves <= qint64(size) * (size - 1) / 2, routineName(routine));
    }
}

QTEST_APPLESS_MAIN(SortsTest)
#include "tst_sorts.moc"

void SortsTest::litLines_data()
{
    QTest::addColumn<int>("routine");
    QTest::addColumn<QList<int>>("elements");
    QTest::addColumn<QList<int>>("pseudocodeRows"); // lit after each step, in order

    // Rows of the pseudocode: Insertion 3 "se V(j) < V(i)", 4 "scambia";
    // Bubble 5 "passata ← passata + 1", 7 "se V(i) > V(i + 1)", 8 "scambia";
    // Shell 4 "h ← h \ 3", 6 "v ← V(i)", 8 "mentre V(j - h) > v",
    // 9 "V(j) ← V(j - h)", 14 "V(j) ← v"; Quick 2 "pivot ← V(Primo)",
    // 6 "se V(i) < pivot", 10 "scambia V(i) e V(j)", 15 "scambia V(Primo) e V(k)".
    QTest::newRow("Insertion on 2 1 3") << int(Exchange) << QList<int>{2, 1, 3} << QList<int>{4, 3, 3};
    QTest::newRow("Bubble on 2 1") << int(Bubble) << QList<int>{2, 1} << QList<int>{5, 8, 5, 7};
    QTest::newRow("Shell on 2 1") << int(Shell) << QList<int>{2, 1}
                                  << QList<int>{4, 6, 8, 14, 6, 9, 8, 14, 4, 6, 8, 14, 6, 8, 14, 6, 8, 14};
    QTest::newRow("Quick on 2 1 3") << int(Quick) << QList<int>{2, 1, 3}
                                    << QList<int>{2, 6, 10, 15, 2, 10, 15};
}

// The rows lit step by step on a tiny input; the C++ row lit is the line of
// the routine that reported the step, and nothing is lit before the first.
void SortsTest::litLines()
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
void SortsTest::backAndForth()
{
    std::mt19937 gen(20261209);
    for (int routine : {Exchange, Bubble, Shell, Quick}) {
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
                QVERIFY2(rows.pseudo >= 0 && rows.cpp >= 0, routineName(routine));
            }
            const long count = long(forward.size()) - 1;
            QCOMPARE(steps.count(), count);
            QVERIFY(steps.finished());
            for (int probe = 0; probe < 30; ++probe) {
                const long k = std::uniform_int_distribution<long>(0, count)(gen);
                steps.seek(k); // a drag of the slider
                QCOMPARE(steps.position(), k);
                QVERIFY2(seen(steps) == forward[std::size_t(k)], routineName(routine));
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
void SortsTest::longestRunJumps()
{
    for (int routine : {Exchange, Bubble}) {
        SortSteps jumper(routine, withZero(descending(1000)));
        QVERIFY(jumper.count() > 400000);
        QVERIFY(jumper.memoryBytes() < 4 * 1024 * 1024);
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

void SortsTest::listingChecksItself_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<int>("problems");
    QTest::addColumn<QStringList>("cpp");

    const QString routine = "// before\ntemplate <class Observer>\nvoid Go(int n, Observer &o)\n{\n"
                            "    // a comment\n\n    o.step(n); // reported\n    o.end(n);\n}\nint after;\n";
    const QStringList lines{"template <class Observer>", "void Go(int n, Observer &o)", "{",
                            "    o.step(n);", "    o.end(n);", "}"};
    QTest::newRow("anchor on one line") << routine << "o.step(" << 0 << lines;
    QTest::newRow("anchor on no line: the routine changed") << routine << "o.move(" << 1 << lines;
    QTest::newRow("anchor on two lines") << routine << "(n);" << 1 << lines;
    QTest::newRow("routine gone") << QString("int other;\n") << "o.step(" << 2 << QStringList{};
}

// A listing cuts its routine from the source without comments and blank
// lines, and lists what does not hold: an anchor on no line or on several,
// a routine not found.
void SortsTest::listingChecksItself()
{
    QFETCH(QString, source);
    QFETCH(QString, anchor);
    QFETCH(int, problems);
    QFETCH(QStringList, cpp);
    const std::string text = source.toStdString();
    const std::string piece = anchor.toStdString();
    const CodeListing listing(text, "void Go(", {{"Go(n)", nullptr}, {"passo", piece.c_str()}});
    QCOMPARE(int(listing.problems().size()), problems);
    QStringList got;
    for (const std::string &line : listing.cpp())
        got << QString::fromStdString(line);
    QCOMPARE(got, cpp);
    if (problems == 0) {
        QCOMPARE(listing.lineOf(piece), 7); // the file's own line number
        QCOMPARE(listing.rowsOf(7).pseudo, 1);
        QCOMPARE(listing.rowsOf(7).cpp, 3);
        QCOMPARE(listing.rowsOf(8).pseudo, -1);
    }
}
