// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "abr.h"
#include "calls.h"
#include "code_listing.h"
#include "ricbin.h"
#include "sort_steps.h"
#include "tree_ops.h"

#include <bit>
#include <cmath>
#include <random>

using namespace quimbra;

namespace {

// The calls shown after a step, one per call: "QuickSort(1, 2)", each
// returning one with its result (or its mark).
QStringList callLines(const CallTrace &trace, long step, const char *routine)
{
    QStringList lines;
    for (const CallLine &line : trace.linesAt(step, routine))
        lines << QString::fromStdString(line.text);
    return lines;
}

// The trace of one of the recursive routines on a small input, by name.
struct Traced
{
    CallTrace calls;
    long steps = 0;
    const char *routine = "";
};

Traced traced(const QString &what, const QList<int> &input, const QString &key)
{
    std::vector<Integer> V{0};
    for (int v : input)
        V.push_back(Integer(v));
    Traced t;
    if (what == "Quick" || what == "Merge") {
        SortSteps steps(what == "Quick" ? AlgoQuick : AlgoMerge, V);
        t = {steps.calls(), steps.count(), what == "Quick" ? "QuickSort" : "MergeSort"};
    } else if (what == "RicBin") {
        const ricbin::SearchSteps search = ricbin::RecordSearch(V, int(input.size()), key.toStdString());
        t = {search.calls, search.count(), "RicBin"};
    } else if (what == "Fattoriale") {
        const ricbin::FactorialSteps f = ricbin::RecordFactorial(key.toStdString());
        t = {f.calls, f.count(), "Fattoriale"};
    } else {
        std::vector<Integer> keys(V.begin() + 1, V.end());
        const abr::Albero tree = abr::InsertedInOrder(keys);
        if (what == "CostruisciABR") {
            const abr::TreeRun run = abr::RecordBuild(tree);
            t = {run.calls, run.count(), "CostruisciABR"};
        } else {
            const abr::TreeSteps visit = abr::RecordVisit(tree, 1);
            t = {visit.calls, visit.count(), "Simmetrica"};
        }
    }
    return t;
}

} // namespace

// The code of a routine cut from its source, checked against its anchors.
class tst_CodeListing final : public QObject
{
    Q_OBJECT

private slots:
    void listingChecksItself_data();
    void listingChecksItself();
    void callLists_data();
    void callLists();
    void callsOfRandomRuns_data();
    void callsOfRandomRuns();
};

// The calls under way at every step of each recursive routine on a tiny
// input, written out by hand: " / " between the lines of a step, " | "
// between steps, then the depth sentence of the last step.
void tst_CodeListing::callLists_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QList<int>>("input");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("lists");
    QTest::addColumn<QString>("depth");
    // The pivot ends last, and the left range keeps it: the same range again, one deeper.
    QTest::newRow("Quick on 2 1") << "Quick" << QList<int>{2, 1} << ""
                                  << "QuickSort(1, 2) | QuickSort(1, 2) | QuickSort(1, 2) | QuickSort(1, 2) / "
                                     "QuickSort(1, 2) | QuickSort(1, 2) / QuickSort(1, 2) | QuickSort(1, 2) / "
                                     "QuickSort(1, 2)"
                                  << "profondità 2, massima 2";
    // The two halves of one value each return at once, in the merge's step.
    QTest::newRow("Merge on 2 1") << "Merge" << QList<int>{2, 1} << ""
                                  << "MergeSort(1, 2) | MergeSort(1, 2) / MergeSort(1, 1) \u21a9 / MergeSort(2, 2) "
                                     "\u21a9 | MergeSort(1, 2) | MergeSort(1, 2) | MergeSort(1, 2) | MergeSort(1, 2)"
                                  << "profondità 1, massima 2";
    QTest::newRow("RicBin, found at the second probe")
        << "RicBin" << QList<int>{10, 20, 30, 40, 50, 60, 70} << "20"
        << "RicBin(1, 7) | RicBin(1, 7) / RicBin(1, 3) | RicBin(1, 7) = 2 / RicBin(1, 3) = 2"
        << "profondità 0, massima 2";
    QTest::newRow("RicBin, not there") << "RicBin" << QList<int>{10, 20, 30} << "35"
                                       << "RicBin(1, 3) | RicBin(1, 3) / RicBin(3, 3) | RicBin(1, 3) = 0 / RicBin(3, 3) = 0"
                                       << "profondità 0, massima 2";
    QTest::newRow("Fattoriale(3)")
        << "Fattoriale" << QList<int>{} << "3"
        << "Fattoriale(3) / Fattoriale(2) | Fattoriale(3) / Fattoriale(2) / Fattoriale(1) | Fattoriale(3) / "
           "Fattoriale(2) / Fattoriale(1) = 1 | Fattoriale(3) / Fattoriale(2) = 2 | Fattoriale(3) = 6"
        << "profondità 0, massima 3";
    QTest::newRow("Fattoriale(0): one step") << "Fattoriale" << QList<int>{} << "0" << "Fattoriale(0) = 1"
                                             << "profondità 0, massima 1";
    // In-order on 20 10 30: the empty subtrees are calls too.
    QTest::newRow("in-order visit") << "Simmetrica" << QList<int>{20, 10, 30} << ""
                                    << "Simmetrica(1) / Simmetrica(2) / Simmetrica(0) \u21a9 | Simmetrica(1) / "
                                       "Simmetrica(2) \u21a9 / Simmetrica(0) \u21a9 | Simmetrica(1) / Simmetrica(3) / "
                                       "Simmetrica(0) \u21a9"
                                    << "profondità 2, massima 3";
    QTest::newRow("the build of three keys") << "CostruisciABR" << QList<int>{20, 10, 30} << ""
                                             << "CostruisciABR(1, 3) | CostruisciABR(1, 3) / CostruisciABR(1, 1) | "
                                                "CostruisciABR(1, 3) / CostruisciABR(1, 1) \u21a9 / CostruisciABR(1, 0) "
                                                "\u21a9 / CostruisciABR(2, 1) \u21a9 / CostruisciABR(3, 3)"
                                             << "profondità 2, massima 3";
}

void tst_CodeListing::callLists()
{
    QFETCH(QString, what);
    QFETCH(QList<int>, input);
    QFETCH(QString, key);
    QFETCH(QString, lists);
    QFETCH(QString, depth);
    const Traced t = traced(what, input, key);
    QStringList steps;
    for (long step = 0; step < t.steps; ++step)
        steps << callLines(t.calls, step, t.routine).join(" / ");
    QCOMPARE(steps.join(" | "), lists);
    QCOMPARE(QString::fromStdString(t.calls.depthSentence(t.steps - 1)), depth);
    // Nothing is under way before the first step.
    QCOMPARE(t.calls.depthAt(-1), what == "Fattoriale" ? 1 : 0);
}

void tst_CodeListing::callsOfRandomRuns_data()
{
    QTest::addColumn<QString>("what");
    for (const char *what : {"Quick", "Merge", "RicBin", "Simmetrica", "CostruisciABR"})
        QTest::newRow(what) << QString(what);
}

// On random inputs every call returns, no later than the run ends and not
// before it began, the depth keeps to what the routine allows, and the depth
// shown never exceeds the deepest so far.
void tst_CodeListing::callsOfRandomRuns()
{
    QFETCH(QString, what);
    std::mt19937 random{20261211};
    for (int round = 0; round < 30; ++round) {
        const int n = 1 + int(random() % (what == "Quick" || what == "Merge" ? 300u : 63u));
        QList<int> input;
        for (int i = 0; i < n; ++i)
            input << 1 + int(random() % 5000u);
        if (round % 3 == 0)
            std::sort(input.begin(), input.end()); // QuickSort's deepest case
        if (what == "RicBin")
            std::sort(input.begin(), input.end());
        if (what == "Simmetrica" || what == "CostruisciABR") {
            std::sort(input.begin(), input.end());
            input.erase(std::unique(input.begin(), input.end()), input.end());
            if (round % 2)
                std::shuffle(input.begin(), input.end(), random);
        }
        const Traced t = traced(what, input, QString::number(input[int(random() % unsigned(input.size()))] + round % 2));
        QVERIFY(!t.calls.empty());
        for (const CallRecord &c : t.calls.calls()) {
            QVERIFY(c.returned >= c.entered);
            QVERIFY(c.returned <= t.steps);
        }
        const int size = int(input.size());
        int bound = 0;
        if (what == "RicBin")
            bound = std::bit_width(unsigned(size)); // floor(log2 N) + 1
        else if (what == "Merge")
            bound = int(std::ceil(std::log2(size))) + 1;
        else if (what == "Quick")
            bound = 2 * size + 1; // a range can come back once, one deeper, with its pivot last
        else if (what == "CostruisciABR")
            bound = abr::leastHeight(size) + 1;
        else
            bound = abr::InsertedInOrder(std::vector<Integer>(input.begin(), input.end())).height() + 1;
        QVERIFY2(t.calls.deepest() <= bound, qPrintable(QString("%1 > %2 on %3").arg(t.calls.deepest()).arg(bound).arg(size)));
        if (what == "Merge" || what == "Simmetrica")
            QCOMPARE(t.calls.deepest(), bound); // reached, too
        for (long step = 0; step < t.steps; ++step)
            QVERIFY(t.calls.depthAt(step) <= t.calls.deepestUpTo(step));
    }
}

void tst_CodeListing::listingChecksItself_data()
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
void tst_CodeListing::listingChecksItself()
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

QTEST_APPLESS_MAIN(tst_CodeListing)
#include "tst_code_listing.moc"
