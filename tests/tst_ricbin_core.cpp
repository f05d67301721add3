// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ricbin.h"
#include "ricbin_questions.h"
#include "ricbin_code.h"
#include "support.h"
#include "text.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

using namespace quimbra;
using namespace quimbra::ricbin;

namespace {

constexpr int N = 1000;
using Vector = std::array<Integer, N + 1>;

using quimbra::testing::ScriptedRandom;

// Passes on the draws of another source and keeps them.
class RecordingRandom final : public RandomSource
{
public:
    explicit RecordingRandom(RandomSource &inner) : inner_(inner) {}
    void seed(float s) override { inner_.seed(s); }
    double next() override { return draws.emplace_back(inner_.next()); }
    std::vector<double> draws;

private:
    RandomSource &inner_;
};

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

std::string str(const QByteArray &b)
{
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

qsizetype codePoints(const std::string &s)
{
    return QString::fromStdString(s).toUcs4().size();
}

// 7, 17, 27, ..., 9997: ascending, distinct, inside 0..9999; V(499) = 4987.
Vector stepVector()
{
    Vector V{};
    for (int i = 1; i <= N; ++i)
        V[static_cast<std::size_t>(i)] = static_cast<Integer>(10 * i - 3);
    return V;
}

// The step values with one more value put in order and the largest dropped.
Vector stepVectorWith(int extra)
{
    std::vector<int> values{extra};
    for (int i = 1; i < N; ++i)
        values.push_back(10 * i - 3);
    std::sort(values.begin(), values.end());
    Vector V{};
    for (int i = 1; i <= N; ++i)
        V[static_cast<std::size_t>(i)] = static_cast<Integer>(values[static_cast<std::size_t>(i - 1)]);
    return V;
}

std::string probeLine(const Vector &V, int low, int middle, int high)
{
    return std::to_string(low) + " - " + std::to_string(middle) + " - " + std::to_string(high) +
           " : " + std::to_string(V[static_cast<std::size_t>(middle)]);
}

const std::string Frame = "**********************";

// The recorded steps of a search give the very lines of the plain search: one
// probe line per step, each naming the probe reported with it, then the
// verdict as the last step.
void checkSteps(const Vector &V, const std::string &typed)
{
    const SearchSteps steps = RecordSearch(V, N, typed);
    QCOMPARE(steps.lines, SearchLines(V, N, typed));
    QCOMPARE(steps.x, textToInteger(typed));
    if (steps.lines.empty()) {
        QCOMPARE(steps.count(), 0);
        return;
    }
    QCOMPARE(steps.count(), int(steps.probes.size()) + 1);
    for (std::size_t i = 0; i < steps.probes.size(); ++i) {
        const Probe &p = steps.probes[i];
        QCOMPARE(steps.lines[i], probeLine(V, p.low, p.middle, p.high));
        QCOMPARE(steps.linesAfter(int(i)), i + 1);
    }
    QCOMPARE(steps.linesAfter(-1), std::size_t{0});
    QCOMPARE(steps.linesAfter(steps.count() - 1), steps.lines.size());
    const int at = steps.found();
    QCOMPARE(at != 0, steps.lines[steps.lines.size() - 2].find("TROVATO") != std::string::npos);
    if (at)
        QCOMPARE(V[static_cast<std::size_t>(at)], steps.x);
}

} // namespace

class tst_RicBinCore final : public QObject
{
    Q_OBJECT

private slots:
    void vectorLines_data();
    void vectorLines();
    void vectorLines_followN();

    void drawSortedVector_data();
    void drawSortedVector();
    void drawSortedVector_keepsEveryDraw();

    void workedTraces_data();
    void workedTraces();

    void verdict_data();
    void verdict();

    void nothingToSearch_data();
    void nothingToSearch();

    void duplicates_data();
    void duplicates();

    void everyValueOfARandomVector();

    void stepSentence_data();
    void stepSentence();
    void variablesAfterTheLastStep_data();
    void variablesAfterTheLastStep();

    void fattoriale_data();
    void fattoriale();

    void groupThousands_data();
    void groupThousands();

    void questionsAgreeWithTheRun();
};

void tst_RicBinCore::vectorLines_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("line");

    QTest::newRow("first position, zero") << 1 << 0 << "   1 -     0";
    QTest::newRow("zero at position 2") << 2 << 0 << "   2 -     0";
    QTest::newRow("two-digit position, four-digit value") << 25 << 1234 << "  25 -  1234";
    QTest::newRow("three-digit position") << 999 << 10 << " 999 -    10";
    QTest::newRow("last position, largest value") << 1000 << 9999 << "1000 -  9999";
    QTest::newRow("five-digit value fills its field") << 7 << 32767 << "   7 - 32767";
}

void tst_RicBinCore::vectorLines()
{
    QFETCH(int, position);
    QFETCH(int, value);
    QFETCH(QString, line);

    Vector V = stepVector();
    V[static_cast<std::size_t>(position)] = static_cast<Integer>(value);
    const auto lines = VectorLines(V, N);

    QCOMPARE(lines.size(), std::size_t{N});
    QCOMPARE(qs(lines[static_cast<std::size_t>(position - 1)]), line);
    for (const auto &l : lines)
        QCOMPARE(l.size(), std::size_t{12});
    QVERIFY(lines.front().starts_with("   1 - "));
    QVERIFY(lines.back().starts_with("1000 - "));
}

void tst_RicBinCore::vectorLines_followN()
{
    const Vector V = stepVector();
    const auto three = VectorLines(V, 3);
    QCOMPARE(three.size(), std::size_t{3});
    QCOMPARE(qs(three[2]), QString("   3 -    27"));
    QVERIFY(VectorLines(V, 0).empty());

    // Never past the end of the storage, whatever N says.
    const std::array<Integer, 4> shortV{0, 5, 6, 7};
    QCOMPARE(VectorLines(shortV, N).size(), std::size_t{3});
}

void tst_RicBinCore::drawSortedVector_data()
{
    // Each row gives the draws (repeated in turn) and the sorted result as
    // runs of count copies of value.
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QList<int>>("runCounts");
    QTest::addColumn<QList<int>>("runValues");

    QTest::newRow("zero") << QList<double>{0.0} << QList<int>{1000} << QList<int>{0};
    QTest::newRow("largest double below one")
        << QList<double>{1.0 - 0x1.0p-53} << QList<int>{1000} << QList<int>{9999};
    QTest::newRow("just below a whole value")
        << QList<double>{0.99999999, 0.12349999} << QList<int>{500, 500} << QList<int>{1234, 9999};
    QTest::newRow("mixed, unsorted")
        << QList<double>{0.5, 0.00005, 0.99995, 0.12345678}
        << QList<int>{250, 250, 250, 250} << QList<int>{0, 1234, 5000, 9999};
    QTest::newRow("all equal values") << QList<double>{0.4321} << QList<int>{1000} << QList<int>{4321};

    QList<double> descending;
    QList<int> counts, values;
    for (int i = 0; i < N; ++i) {
        descending << (N - 1 - i) / 1000.0 + 0.00001;
        counts << 1;
        values << i * 10;
    }
    QTest::newRow("descending draws") << descending << counts << values;
}

void tst_RicBinCore::drawSortedVector()
{
    QFETCH(QList<double>, draws);
    QFETCH(QList<int>, runCounts);
    QFETCH(QList<int>, runValues);

    Vector V{};
    V[0] = -1234;
    ScriptedRandom rnd(draws);
    DrawSortedVector(V, N, rnd);

    QCOMPARE(rnd.draws, qsizetype{N});
    QCOMPARE(V[0], Integer{-1234});
    std::size_t i = 1;
    for (qsizetype run = 0; run < runCounts.size(); ++run)
        for (int c = 0; c < runCounts[run]; ++c, ++i)
            QCOMPARE(int(V[i]), runValues[run]);
    QCOMPARE(i, std::size_t{N + 1});
}

void tst_RicBinCore::drawSortedVector_keepsEveryDraw()
{
    MersenneRandom source;
    source.seed(45296.5f);
    RecordingRandom rnd(source);

    Vector first{};
    DrawSortedVector(first, N, rnd);
    std::vector<int> expected;
    for (double r : rnd.draws)
        expected.push_back(static_cast<int>(r * 10000));
    std::sort(expected.begin(), expected.end());
    QCOMPARE(std::vector<int>(first.begin() + 1, first.end()), expected);
    QVERIFY(std::all_of(first.begin() + 1, first.end(), [](Integer v) { return v >= 0 && v <= 9999; }));

    // A second activation continues the sequence: a different vector.
    Vector second{};
    DrawSortedVector(second, N, rnd);
    QCOMPARE(rnd.draws.size(), std::size_t{2 * N});
    QVERIFY(std::is_sorted(second.begin() + 1, second.end()));
    QVERIFY(first != second);
}

void tst_RicBinCore::workedTraces_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QList<int>>("triples");
    QTest::addColumn<QString>("verdict");

    const QList<int> leftmost{1, 500, 1000, 1, 250, 499, 1, 125, 249, 1, 62, 124, 1, 31, 61,
                              1, 15, 30, 1, 7, 14, 1, 3, 6, 1, 1, 2};
    const QList<int> rightmost{1, 500, 1000, 501, 750, 1000, 751, 875, 1000, 876, 938, 1000,
                               939, 969, 1000, 970, 985, 1000, 986, 993, 1000, 994, 997, 1000,
                               998, 999, 1000, 1000, 1000, 1000};

    QTest::newRow("-5 below every value") << QByteArray("-5") << leftmost
                                          << QString::fromUtf8("***   -5 NON c'\u00e8 ! ***");
    QTest::newRow("clamped -99999 below every value")
        << QByteArray("-99999") << leftmost << QString::fromUtf8("*** 9999 NON c'\u00e8 ! ***");
    QTest::newRow("10000 above every value") << QByteArray("10000") << rightmost
                                             << QString::fromUtf8("*** 0000 NON c'\u00e8 ! ***");
    QTest::newRow("V(500) met by the first probe")
        << QByteArray("4997") << QList<int>{1, 500, 1000} << QString("*** 4997 TROVATO ! ***");
    QTest::newRow("V(1) met by the last left probe")
        << QByteArray("7") << leftmost << QString("***    7 TROVATO ! ***");
    QTest::newRow("V(1000) met by the last right probe")
        << QByteArray("9997") << rightmost << QString("*** 9997 TROVATO ! ***");
}

void tst_RicBinCore::workedTraces()
{
    QFETCH(QByteArray, typed);
    QFETCH(QList<int>, triples);
    QFETCH(QString, verdict);

    const Vector V = stepVector();
    const auto lines = SearchLines(V, N, str(typed));
    const std::size_t probes = static_cast<std::size_t>(triples.size() / 3);

    QCOMPARE(lines.size(), probes + 3);
    for (std::size_t p = 0; p < probes; ++p) {
        const auto at = static_cast<qsizetype>(3 * p);
        QCOMPARE(qs(lines[p]), qs(probeLine(V, triples[at], triples[at + 1], triples[at + 2])));
    }
    QCOMPARE(qs(lines[probes]), qs(Frame));
    QCOMPARE(qs(lines[probes + 1]), verdict);
    QCOMPARE(qs(lines[probes + 2]), qs(Frame));
    checkSteps(V, str(typed));
}

void tst_RicBinCore::verdict_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<int>("extra");      // one more value put into the vector, or 0
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("middle");

    const QString notFound = QString::fromUtf8(" NON c'\u00e8 ! ***");
    QTest::newRow("4987 from the list") << QByteArray("4987") << 0 << true << "*** 4987 TROVATO ! ***";
    QTest::newRow("12 absent") << QByteArray("12") << 0 << false << "***   12" + notFound;
    QTest::newRow("4988 between neighbours") << QByteArray("4988") << 0 << false << "*** 4988" + notFound;
    QTest::newRow("4.5 searches 4") << QByteArray("4.5") << 4 << true << "***  4.5 TROVATO ! ***";
    QTest::newRow("4.5 does not search 5") << QByteArray("4.5") << 5 << false << "***  4.5" + notFound;
    QTest::newRow("3.5 searches 4") << QByteArray("3.5") << 4 << true << "***  3.5 TROVATO ! ***";
    QTest::newRow("7abc searches 7") << QByteArray("7abc") << 0 << true << "*** 7abc TROVATO ! ***";
    QTest::newRow("leading blanks kept") << QByteArray("  17") << 0 << true << "***   17 TROVATO ! ***";
    QTest::newRow("long text keeps its tail")
        << QByteArray("000004987") << 0 << true << "*** 4987 TROVATO ! ***";
    QTest::newRow("hexadecimal") << QByteArray("&H137B") << 0 << true << "*** 137B TROVATO ! ***";
    QTest::newRow("exponent") << QByteArray("4.987E3") << 0 << true << "*** 87E3 TROVATO ! ***";
    QTest::newRow("negative value present") << QByteArray("-1") << -1 << true << "***   -1 TROVATO ! ***";
    QTest::newRow("accented text counted by characters")
        << QByteArray("12\u00e8") << 12 << true << "***  12\u00e8 TROVATO ! ***";
    QTest::newRow("emoji in the tail")
        << QByteArray("12\U0001F600") << 0 << false << QString::fromUtf8("***  12\U0001F600") + notFound;
    QTest::newRow("99999 clamped, not found") << QByteArray("99999") << 0 << false << "*** 9999" + notFound;
    QTest::newRow("1E99999 clamped, not found") << QByteArray("1E99999") << 0 << false << "*** 9999" + notFound;
    QTest::newRow("-1E99999 clamped, not found") << QByteArray("-1E99999") << 0 << false << "*** 9999" + notFound;
    QTest::newRow("1000 digits clamped, not found")
        << QByteArray(1000, '9') << 0 << false << "*** 9999" + notFound;
    QTest::newRow("32767 searched after clamping")
        << QByteArray("1E99999") << 32767 << true << "*** 9999 TROVATO ! ***";
}

void tst_RicBinCore::verdict()
{
    QFETCH(QByteArray, typed);
    QFETCH(int, extra);
    QFETCH(bool, found);
    QFETCH(QString, middle);

    const Vector V = extra == 0 ? stepVector() : stepVectorWith(extra);
    const auto lines = SearchLines(V, N, str(typed));

    QVERIFY(lines.size() >= 4);
    QVERIFY(lines.size() <= 13);
    const std::size_t probes = lines.size() - 3;
    QCOMPARE(qs(lines[probes]), qs(Frame));
    QCOMPARE(qs(lines[probes + 1]), middle);
    QCOMPARE(qs(lines[probes + 2]), qs(Frame));
    QCOMPARE(codePoints(lines[probes + 1]), qsizetype{22});
    checkSteps(V, str(typed));

    // The trace ends on the value met, and RicBin reports its position.
    const std::string &lastProbe = lines[probes - 1];
    std::vector<std::string> trace;
    const Integer position = RicBin(V, textToInteger(str(typed)), 1, N, trace);
    QCOMPARE(trace.size(), probes);
    if (found) {
        QVERIFY(position >= 1 && position <= N);
        QCOMPARE(int(V[static_cast<std::size_t>(position)]), textToInteger(str(typed)));
        QVERIFY2(lastProbe.ends_with(" : " + std::to_string(V[static_cast<std::size_t>(position)])),
                 lastProbe.c_str());
    } else {
        QCOMPARE(position, Integer{0});
    }
}

void tst_RicBinCore::nothingToSearch_data()
{
    QTest::addColumn<QByteArray>("typed");

    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("zero") << QByteArray("0");
    QTest::newRow("letters") << QByteArray("abc");
    QTest::newRow("blanks only") << QByteArray("  \t ");
    QTest::newRow("half rounds to even zero") << QByteArray("0.5");
    QTest::newRow("negative fraction rounds to zero") << QByteArray("-0.4");
    QTest::newRow("sign alone") << QByteArray("-");
    QTest::newRow("comma is no decimal separator") << QByteArray(",5");
    QTest::newRow("tiny exponent") << QByteArray("7E-99999");
}

void tst_RicBinCore::nothingToSearch()
{
    QFETCH(QByteArray, typed);
    const Vector V = stepVectorWith(0);
    QVERIFY(SearchLines(V, N, str(typed)).empty());
    checkSteps(V, str(typed));
    QCOMPARE(qs(StepSentence(RecordSearch(V, N, str(typed)), N, -1)),
             QString("Scrivi un numero diverso da 0 da cercare nel vettore"));
}

void tst_RicBinCore::duplicates_data()
{
    QTest::addColumn<int>("runFirst"); // positions runFirst..runLast hold 4000
    QTest::addColumn<int>("runLast");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("probes");
    QTest::addColumn<int>("position");

    QTest::newRow("all equal, met at once") << 1 << 1000 << 4000 << 1 << 500;
    QTest::newRow("all equal, below") << 1 << 1000 << 3999 << 9 << 0;
    QTest::newRow("all equal, above") << 1 << 1000 << 4001 << 10 << 0;
    QTest::newRow("run left of the middle") << 200 << 260 << 4000 << 2 << 250;
    QTest::newRow("run right of the middle") << 600 << 610 << 4000 << 6 << 609;
}

void tst_RicBinCore::duplicates()
{
    QFETCH(int, runFirst);
    QFETCH(int, runLast);
    QFETCH(int, x);
    QFETCH(int, probes);
    QFETCH(int, position);

    Vector V{};
    for (int i = 1; i <= N; ++i)
        V[static_cast<std::size_t>(i)] = static_cast<Integer>(i < runFirst ? i : i > runLast ? 5000 + i : 4000);

    std::vector<std::string> trace;
    QCOMPARE(int(RicBin(V, static_cast<Integer>(x), 1, N, trace)), position);
    QCOMPARE(trace.size(), static_cast<std::size_t>(probes));
}

void tst_RicBinCore::everyValueOfARandomVector()
{
    // Every number from just below to just above the value range, over a
    // drawn vector with its usual repeats: found exactly when present, on a
    // position holding it, within 10 probes that stay inside 1..N.
    MersenneRandom rnd;
    rnd.seed(1234.25f);
    Vector V{};
    DrawSortedVector(V, N, rnd);
    QVERIFY(std::is_sorted(V.begin() + 1, V.end()));

    for (int x = -1; x <= 10000; ++x) {
        std::vector<std::string> trace;
        const Integer position = RicBin(V, static_cast<Integer>(x), 1, N, trace);
        const bool present = std::binary_search(V.begin() + 1, V.end(), x);
        QVERIFY2(present == (position != 0), qPrintable(QString::number(x)));
        if (present)
            QCOMPARE(int(V[static_cast<std::size_t>(position)]), x);
        QVERIFY(!trace.empty() && trace.size() <= 10);
        if (x % 7 == 0)
            checkSteps(V, std::to_string(x));
        for (const auto &line : trace) {
            const int low = std::stoi(line);
            const int high = std::stoi(line.substr(line.find(" - ", line.find(" - ") + 3) + 3));
            QVERIFY(low >= 1 && high <= N && low <= high);
        }
    }
}

void tst_RicBinCore::stepSentence_data()
{
    QTest::addColumn<int>("extra"); // V(500) = 4997 unless a value is put in
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<int>("litRow"); // of the pseudocode: 2 "restituisci 0", 5 "se V(Medio) = chiave",
                                     // 6 "restituisci Medio", 9 and 11 the calls left and right

    QTest::newRow("before the first probe") << 0 << QByteArray("500") << -1
                                            << "Si cerca 500 tra le posizioni 1 e 1000" << -1;
    QTest::newRow("middle greater, go left") << 0 << QByteArray("500") << 0
        << QString::fromUtf8("4997 \u00e8 maggiore di 500: si cerca tra 1 e 499") << 9;
    QTest::newRow("middle smaller, go right") << 0 << QByteArray("9000") << 0
        << QString::fromUtf8("4997 \u00e8 minore di 9000: si cerca tra 501 e 1000") << 11;
    QTest::newRow("found at the middle") << 0 << QByteArray("4997") << 0
        << QString::fromUtf8("4997 \u00e8 uguale a 4997: trovato in posizione 500") << 5;
    QTest::newRow("nothing left to search") << 0 << QByteArray("-5") << 8
        << QString::fromUtf8("7 \u00e8 maggiore di -5: non resta nessuna posizione in cui cercare") << 9;
    QTest::newRow("verdict, not found") << 0 << QByteArray("-5") << 9
        << QString::fromUtf8("-5 non \u00e8 nel vettore") << 2;
    QTest::newRow("verdict, found") << 0 << QByteArray("7") << 9
        << QString::fromUtf8("7 \u00e8 nel vettore, in posizione 1") << 6;
    QTest::newRow("the rounded number, not the text") << 4 << QByteArray("4.5abc") << 9
        << QString::fromUtf8("4 \u00e8 nel vettore, in posizione 1") << 6;
}

void tst_RicBinCore::stepSentence()
{
    QFETCH(int, extra);
    QFETCH(QByteArray, typed);
    QFETCH(int, step);
    QFETCH(QString, sentence);
    QFETCH(int, litRow);

    const Vector V = extra == 0 ? stepVector() : stepVectorWith(extra);
    const SearchSteps search = RecordSearch(V, N, str(typed));
    QCOMPARE(qs(StepSentence(search, N, step)), sentence);
    QCOMPARE(searchListing().problems(), std::vector<std::string>{});
    const StepCode code = StepCodeAt(search, N, step);
    QCOMPARE(searchListing().rowsOf(code.line).pseudo, litRow);
    QCOMPARE(searchListing().rowsOf(code.line).cpp >= 0, litRow >= 0);
    QCOMPARE(code.variables.front(), "chiave = " + plain(search.x));
}

void tst_RicBinCore::fattoriale_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("italian");

    QTest::newRow("-32768") << -32768 << 1 << "1";
    QTest::newRow("-4") << -4 << 1 << "1";
    QTest::newRow("-1") << -1 << 1 << "1";
    QTest::newRow("0") << 0 << 1 << "1";
    QTest::newRow("1") << 1 << 1 << "1";
    QTest::newRow("2") << 2 << 2 << "2";
    QTest::newRow("3") << 3 << 6 << "6";
    QTest::newRow("4") << 4 << 24 << "24";
    QTest::newRow("5") << 5 << 120 << "120";
    QTest::newRow("6") << 6 << 720 << "720";
    QTest::newRow("7") << 7 << 5040 << "5.040";
    QTest::newRow("8") << 8 << 40320 << "40.320";
    QTest::newRow("9") << 9 << 362880 << "362.880";
    QTest::newRow("10") << 10 << 3628800 << "3.628.800";
    QTest::newRow("11") << 11 << 39916800 << "39.916.800";
    QTest::newRow("12, the largest") << 12 << 479001600 << "479.001.600";
}

void tst_RicBinCore::fattoriale()
{
    QFETCH(int, n);
    QFETCH(int, result);
    QFETCH(QString, italian);

    const Long f = Fattoriale(static_cast<Integer>(n));
    QCOMPARE(f, Long{result});
    QCOMPARE(qs(GroupThousands(f, ".")), italian);
}

void tst_RicBinCore::groupThousands_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<QString>("text");

    QTest::newRow("comma") << 479001600 << QByteArray(",") << "479,001,600";
    QTest::newRow("comma, short head") << 3628800 << QByteArray(",") << "3,628,800";
    QTest::newRow("three digits, no separator") << 999 << QByteArray(",") << "999";
    QTest::newRow("four digits") << 1000 << QByteArray(".") << "1.000";
    QTest::newRow("narrow no-break space")
        << 39916800 << QByteArray("\u202f") << QString::fromUtf8("39\u202f916\u202f800");
    QTest::newRow("no separator") << 5040 << QByteArray() << "5040";
    QTest::newRow("zero") << 0 << QByteArray(".") << "0";
    QTest::newRow("negative") << -1234567 << QByteArray(".") << "-1.234.567";
    QTest::newRow("negative, three digits") << -100 << QByteArray(".") << "-100";
    QTest::newRow("largest Long") << INT32_MAX << QByteArray(".") << "2.147.483.647";
    QTest::newRow("smallest Long") << INT32_MIN << QByteArray(".") << "-2.147.483.648";
}

void tst_RicBinCore::groupThousands()
{
    QFETCH(int, n);
    QFETCH(QByteArray, separator);
    QFETCH(QString, text);

    QCOMPARE(qs(GroupThousands(n, str(separator))), text);
}

void tst_RicBinCore::variablesAfterTheLastStep_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QStringList>("variables"); // after the verdict

    // V(i) = 10 i - 3: 7, 17, ..., 9997.
    QTest::newRow("found: the probe's own call") << QByteArray("4997")
        << QStringList{"chiave = 4997", "Sx = 1", "Dx = 1000", "Medio = 500", "V(Medio) = 4997",
                       "livello = 1", "risultato = 500"};
    QTest::newRow("not found, the last probe went left: the empty call after it") << QByteArray("-5")
        << QStringList{"chiave = -5", "Sx = 1", "Dx = 0", "Medio = \u2014", "V(Medio) = \u2014",
                       "livello = 10", "risultato = 0"};
    QTest::newRow("not found, the last probe went right") << QByteArray("20000")
        << QStringList{"chiave = 20000", "Sx = 1001", "Dx = 1000", "Medio = \u2014",
                       "V(Medio) = \u2014", "livello = 11", "risultato = 0"};
    QTest::newRow("not found between two values") << QByteArray("4990")
        << QStringList{"chiave = 4990", "Sx = 500", "Dx = 499", "Medio = \u2014",
                       "V(Medio) = \u2014", "livello = 11", "risultato = 0"};
}

// At the verdict the panel shows the variables of the call that gives it:
// a search that ends empty-handed has Sx past Dx and no middle yet.
void tst_RicBinCore::variablesAfterTheLastStep()
{
    QFETCH(QByteArray, typed);
    QFETCH(QStringList, variables);
    const SearchSteps search = RecordSearch(stepVector(), N, str(typed));
    const int last = search.count() - 1;
    QStringList got;
    for (const std::string &line : StepCodeAt(search, N, last).variables)
        got << QString::fromStdString(line);
    QCOMPARE(got, variables);
    // What the verdict changed is marked, against the step before it.
    const Variables marked = VariablesAt(search, N, last);
    QCOMPARE(marked.changed.size(), marked.lines.size());
    QCOMPARE(marked.changed.back(), true); // risultato: new
}

// Every question a search asks is answered as the search then goes, seen
// from the values: the position it looks at, the half it keeps (against the
// value there), the most probes (the worst case of halving, which no key
// exceeds), what RicBin returns; and the factorial's calls and results.
void tst_RicBinCore::questionsAgreeWithTheRun()
{
    MersenneRandom rnd;
    rnd.seed(77.5f);
    Vector V{};
    DrawSortedVector(V, N, rnd);
    QSet<QString> kinds;
    for (int x : {-3, 0, 1, int(V[1]), int(V[500]) + 1, int(V[777]), int(V[N]), 10001}) {
        const SearchSteps s = RecordSearch(V, N, std::to_string(x));
        for (const questions::Question &q : SearchQuestions(s, V, N)) {
            const std::string kind = q.kind;
            kinds.insert(QString::fromStdString(kind));
            if (kind == "posizione" || kind == "metà") {
                const Probe &p = s.probes[std::size_t(q.moment)];
                if (kind == "posizione")
                    QCOMPARE(q.answer, long(p.middle));
                else
                    QCOMPARE(q.answer, long(x < V[std::size_t(p.middle)] ? 0 : x > V[std::size_t(p.middle)] ? 1 : 2));
            } else if (kind == "al più") {
                QCOMPARE(q.answer, long(std::floor(std::log2(N))) + 1);
                for (int y = -1; y <= 10000; y += 37)
                    QVERIFY(long(RecordSearch(V, N, std::to_string(y)).probes.size()) <= q.answer);
            } else if (kind == "risultato") {
                QCOMPARE(q.answer, long(s.found()));
            }
        }
    }
    for (const char *kind : {"posizione", "metà", "al più", "risultato", "profondità"})
        QVERIFY2(kinds.contains(kind), kind);

    for (int n = 2; n <= 12; ++n) {
        const auto asked = FactorialQuestions(RecordFactorial(std::to_string(n)));
        QVERIFY(!asked.empty());
        for (const questions::Question &q : asked) {
            const std::string kind = q.kind;
            if (kind == "profondità" || kind == "chiamate")
                QCOMPARE(q.answer, long(n));
            if (kind == "risultato") {
                const int m = std::stoi(q.text.substr(q.text.find('(') + 1));
                long f = 1;
                for (int k = 2; k <= m; ++k)
                    f *= k;
                QCOMPARE(q.answer, f);
            }
        }
    }
}

QTEST_APPLESS_MAIN(tst_RicBinCore)
#include "tst_ricbin_core.moc"
