// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "abr.h"
#include "abr_code.h"
#include "tree_ops.h"
#include "tree_questions.h"
#include "support.h"

#include <QtTest>

#include <cmath>
#include <random>
#include <set>

using namespace quimbra;
using namespace quimbra::abr;
using quimbra::testing::toQt;

namespace {

using quimbra::testing::ScriptedRandom;

// Sorted keys with a repeated 7 (positions 2 and 3: node 8 and its right child,
// leaf 17), the root key 503 and the extremes 4 and 998.
const QList<int> kKeysA = {4,   7,   7,   12,  35,  61,  88,  100, 120, 150, 222,
                           250, 300, 333, 400, 503, 510, 600, 640, 700, 711, 750,
                           800, 820, 850, 880, 900, 930, 960, 990, 998};

Vettore vetFrom(const QList<int> &keys)
{
    Vettore Vet{};
    for (int i = 1; i <= N; ++i)
        Vet[i] = static_cast<Integer>(keys.at(i - 1));
    return Vet;
}

// Distinct keys 35, 65, ..., 935: Vet(i) = 30 i + 5.
Vettore distinctVet()
{
    Vettore Vet{};
    for (int i = 1; i <= N; ++i)
        Vet[i] = static_cast<Integer>(30 * i + 5);
    return Vet;
}

// Keys 0, 33, ..., 957 and a last key of 999.
Vettore extremeVet()
{
    Vettore Vet{};
    for (int i = 1; i <= 30; ++i)
        Vet[i] = static_cast<Integer>(33 * (i - 1));
    Vet[31] = 999;
    return Vet;
}

Tabella build(const Vettore &Vet)
{
    Tabella ABR{};
    CostruisciABR(Vet, ABR, 1, N, 1, 0, 0);
    return ABR;
}

// The level of node k: the number of halvings down to the root.
int levelOf(int k)
{
    int d = 0;
    while (k > 1) {
        k /= 2;
        ++d;
    }
    return d;
}

// The level of the node holding Vet(j): positions divisible by 16 sit at the
// root, by 8 (not 16) at level 1, ..., odd positions at the leaves.
int levelOfPosition(int j)
{
    int d = 4;
    while (j % 2 == 0) {
        j /= 2;
        --d;
    }
    return d;
}

QString keyIn(int key, int width)
{
    return QString::number(key).rightJustified(width, u' ');
}

QString notFound()
{
    return QStringLiteral("NON c'") + QChar(0x00E8);
}

// The recorded steps of a search or a visit give the very lines of the plain
// routine, each step's line holding the key of the node reported with it.
void checkSteps(const Tabella &ABR, const TreeSteps &steps, const std::vector<std::string> &plainLines)
{
    QCOMPARE(steps.lines, plainLines);
    const bool visit = steps.what == TreeSteps::What::Visit;
    const std::size_t header = visit ? 2 : 0;
    QCOMPARE(steps.linesAfter(-1), header);
    for (int i = 0; i < steps.count() - (visit ? 0 : 1); ++i) {
        const int k = steps.nodeAt(i);
        QVERIFY(k >= 1 && k <= N);
        QCOMPARE(steps.linesAfter(i), header + std::size_t(i) + 1);
        QCOMPARE(QString::fromStdString(steps.lines[header + std::size_t(i)]).trimmed(),
                 QString::number(ABR[k].Inf));
    }
    if (steps.count() > 0)
        QCOMPARE(steps.linesAfter(steps.count() - 1), steps.lines.size());
}

QStringList verdict(bool found)
{
    return {QStringLiteral("*******"), found ? QStringLiteral("TROVATO") : notFound(),
            QStringLiteral("*******")};
}


// Records the kinds of the steps an operation reports, one letter each.
struct OpLetters : IgnoreCalls
{
    std::string letters;
    using IgnoreCalls::operator();
    void operator()(const TreeOp &op)
    {
        letters += "CAEFNLOTSXRP"[op.kind];
    }
};

// The keys of a tree in pre-order, as text.
QString preOrder(const Albero &tree)
{
    QStringList keys;
    const std::function<void(int)> walk = [&](int k) {
        if (!tree.used(k))
            return;
        keys << QString::number(tree[k].Inf);
        walk(tree[k].Sx);
        walk(tree[k].Dx);
    };
    walk(tree.root);
    return keys.join(' ');
}

// Everything the table must hold: the keys in order, each link answered by
// the other side, the levels one more than the parent's, every used row
// reached from the root, and the height.
void checkTree(const Albero &tree, const std::set<int> &keys)
{
    const std::vector<Integer> in = tree.keys();
    QCOMPARE(std::vector<int>(in.begin(), in.end()), std::vector<int>(keys.begin(), keys.end()));
    QCOMPARE(tree.count(), int(keys.size()));
    int deepest = 0;
    for (int k = 1; k <= MostNodes; ++k) {
        if (!tree.used(k))
            continue;
        const NodoABR &n = tree[k];
        for (int c : {int(n.Sx), int(n.Dx)})
            if (c != 0) {
                QVERIFY(tree.used(c));
                QCOMPARE(int(tree[c].Pd), k);
                QCOMPARE(int(tree[c].Liv), int(n.Liv) + 1);
            }
        if (k == tree.root) {
            QCOMPARE(int(n.Pd), 0);
            QCOMPARE(int(n.Liv), 0);
        } else {
            QVERIFY(tree.used(n.Pd));
            QVERIFY(tree[n.Pd].Sx == k || tree[n.Pd].Dx == k);
        }
        deepest = std::max(deepest, int(n.Liv) + 1);
    }
    QCOMPARE(tree.height(), deepest);
}

} // namespace

class tst_AbrCore final : public QObject
{
    Q_OBJECT

  private slots:
    void drawKeys_data();
    void drawKeys();
    void vectorLines_data();
    void vectorLines();
    void nodeTable_data();
    void nodeTable();
    void nodeTableLines_data();
    void nodeTableLines();
    void buildIgnoresArgumentsOutsideTheTable_data();
    void buildIgnoresArgumentsOutsideTheTable();
    void drawingLines_data();
    void drawingLines();
    void drawingOrderAndIndentation();
    void placesFromTheTable_data();
    void placesFromTheTable();
    void searchLines_data();
    void searchLines();
    void stepSentence_data();
    void stepSentence();
    void searchPosition_data();
    void searchPosition();
    void visitLines_data();
    void visitLines();
    void visitUnknownIndex_data();
    void visitUnknownIndex();
    void visitKeyFormatting_data();
    void visitKeyFormatting();
    void treeOperations_data();
    void treeOperations();
    void searchInAnEmptyTree();
    void randomOperationsKeepTheTree();
    void buildOfTheWindow_data();
    void buildOfTheWindow();
    void searchAndVisitsOfAnyTree_data();
    void searchAndVisitsOfAnyTree();
    void recordedRuns_data();
    void recordedRuns();
    void operationExercises_data();
    void operationExercises();
};

void tst_AbrCore::drawKeys_data()
{
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QList<int>>("expected");

    QList<double> descending;
    QList<int> ascending;
    for (int i = 0; i < N; ++i) {
        descending << (30 - i) * 0.03 + 0.0004;
        ascending << 30 * i;
    }
    QTest::newRow("descending draws come out ascending") << descending << ascending;

    QList<double> nearEnds(N, 0.25);
    nearEnds[3] = std::nextafter(1.0, 0.0);
    nearEnds[7] = 0.0;
    nearEnds[20] = 0.9999;
    QList<int> nearEndsKeys(N, 250);
    nearEndsKeys.first() = 0;
    nearEndsKeys[N - 2] = 999;
    nearEndsKeys[N - 1] = 999;
    QTest::newRow("r near 1 gives 999, r 0 gives 0, repeats kept") << nearEnds << nearEndsKeys;

    QList<double> mixed = {0.5005, 0.0019, 0.9981, 0.0071, 0.5005, 0.3333, 0.1234, 0.8765,
                           0.0019, 0.4444, 0.5555, 0.6666, 0.7777, 0.8888, 0.9999, 0.1111,
                           0.2222, 0.0101, 0.0202, 0.0303, 0.0404, 0.0505, 0.0606, 0.0707,
                           0.0808, 0.0909, 0.1015, 0.2025, 0.3035, 0.4045, 0.6065};
    QList<int> mixedKeys = {1,   1,   7,   10,  20,  30,  40,  50,  60,  70,  80,
                            90,  101, 111, 123, 202, 222, 303, 333, 404, 444, 500,
                            500, 555, 606, 666, 777, 876, 888, 998, 999};
    QTest::newRow("unordered draws with repeats") << mixed << mixedKeys;
}

void tst_AbrCore::drawKeys()
{
    QFETCH(QList<double>, draws);
    QFETCH(QList<int>, expected);

    ScriptedRandom rnd(draws);
    Vettore Vet{};
    DrawKeys(Vet, rnd);

    QCOMPARE(rnd.draws, N);
    QCOMPARE(Vet[0], Integer(0));
    QList<int> got;
    for (int i = 1; i <= N; ++i)
        got << Vet[i];
    QCOMPARE(got, expected);
}

void tst_AbrCore::vectorLines_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("position 1, key 7") << 1 << 7 << " 1 -   7";
    QTest::newRow("position 31, key 998") << 31 << 998 << "31 - 998";
    QTest::newRow("key 0") << 5 << 0 << " 5 -   0";
    QTest::newRow("key 999") << 12 << 999 << "12 - 999";
    QTest::newRow("two-digit key") << 10 << 42 << "10 -  42";
}

void tst_AbrCore::vectorLines()
{
    QFETCH(int, position);
    QFETCH(int, key);
    QFETCH(QString, expected);

    Vettore Vet{};
    Vet.fill(500);
    Vet[0] = 0;
    Vet[position] = static_cast<Integer>(key);
    const QStringList lines = toQt(VectorLines(Vet));

    QCOMPARE(lines.size(), 33);
    QCOMPARE(lines.at(0), QStringLiteral(" Vettore"));
    QCOMPARE(lines.at(1), QString(10, u'-'));
    QCOMPARE(lines.at(position + 1), expected);
    for (int i = 2; i < lines.size(); ++i)
        QCOMPARE(lines.at(i).size(), 8);
}

void tst_AbrCore::nodeTable_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("sx");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("pd");
    QTest::addColumn<int>("liv");

    for (int k = 1; k <= N; ++k) {
        const bool leaf = k >= 16;
        QTest::addRow("node %d", k)
            << k << (leaf ? 0 : 2 * k) << (leaf ? 0 : 2 * k + 1) << k / 2 << levelOf(k);
    }
}

void tst_AbrCore::nodeTable()
{
    QFETCH(int, k);
    QFETCH(int, sx);
    QFETCH(int, dx);
    QFETCH(int, pd);
    QFETCH(int, liv);

    const Vettore Vet = distinctVet();
    const Tabella ABR = build(Vet);
    const NodoABR &node = ABR[k];

    QCOMPARE(int(node.Sx), sx);
    QCOMPARE(int(node.Dx), dx);
    QCOMPARE(int(node.Pd), pd);
    QCOMPARE(int(node.Liv), liv);
    // Node k at level d holds Vet((2k - 2^(d+1) + 1) x 2^(4-d)).
    const int position = (2 * k - (1 << (liv + 1)) + 1) * (1 << (4 - liv));
    QCOMPARE(int(node.Inf), int(Vet[position]));

    // Entry 0 is never written.
    QCOMPARE(ABR[0].Inf, Integer(0));
    QCOMPARE(ABR[0].Sx, Integer(0));
    QCOMPARE(ABR[0].Dx, Integer(0));
    QCOMPARE(ABR[0].Pd, Integer(0));
    QCOMPARE(ABR[0].Liv, Integer(0));
}

void tst_AbrCore::nodeTableLines_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");

    QList<int> extreme;
    const Vettore e = extremeVet();
    for (int i = 1; i <= N; ++i)
        extreme << e[i];

    QTest::newRow("root, key 503") << kKeysA << 1 << " 1 - 503 -  2 -  3 -  0 - 0";
    QTest::newRow("leaf 16, key 4, parent 8") << kKeysA << 16 << "16 -   4 -  0 -  0 -  8 - 4";
    QTest::newRow("node 8 at level 3") << kKeysA << 8 << " 8 -   7 - 16 - 17 -  4 - 3";
    QTest::newRow("node 15, rightmost at level 3") << kKeysA << 15 << "15 - 990 - 30 - 31 -  7 - 3";
    QTest::newRow("last leaf, key 998") << kKeysA << 31 << "31 - 998 -  0 -  0 - 15 - 4";
    QTest::newRow("key 0 in the Inf column") << extreme << 16 << "16 -   0 -  0 -  0 -  8 - 4";
    QTest::newRow("key 999 in the Inf column") << extreme << 31 << "31 - 999 -  0 -  0 - 15 - 4";
}

void tst_AbrCore::nodeTableLines()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, row);
    QFETCH(QString, expected);

    const QStringList lines = toQt(NodeTableLines(build(vetFrom(keys))));

    QCOMPARE(lines.size(), 33);
    QCOMPARE(lines.at(0), QStringLiteral(" n   Inf   Sx   Dx   Pd   l"));
    QCOMPARE(lines.at(1), QString(28, u'-'));
    QCOMPARE(lines.at(row + 1), expected);
    for (int i = 2; i < lines.size(); ++i)
        QCOMPARE(lines.at(i).size(), 27);
}

void tst_AbrCore::buildIgnoresArgumentsOutsideTheTable_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("k");

    QTest::newRow("node past the table") << 1 << 1 << 32;
    QTest::newRow("node 0") << 1 << 31 << 0;
    QTest::newRow("range starting at entry 0") << 0 << 2 << 1;
    QTest::newRow("range past the vector") << 30 << 32 << 1;
    QTest::newRow("empty range") << 5 << 4 << 1;
}

void tst_AbrCore::buildIgnoresArgumentsOutsideTheTable()
{
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, k);

    Tabella ABR{};
    CostruisciABR(distinctVet(), ABR, low, high, k, 0, 0);
    for (const NodoABR &node : ABR) {
        QCOMPARE(node.Inf, Integer(0));
        QCOMPARE(node.Sx, Integer(0));
        QCOMPARE(node.Dx, Integer(0));
    }
}

void tst_AbrCore::drawingLines_data()
{
    QTest::addColumn<int>("line"); // counted from 1, as the list shows them
    QTest::addColumn<QString>("expected");

    QTest::newRow("line 1 holds one blank") << 1 << " ";
    QTest::newRow("line 2 is the largest key, a leaf") << 2 << QString(24, u' ') + "   998";
    QTest::newRow("line 5 is Vet(28), level 2") << 5 << QString(12, u' ') + "   930";
    QTest::newRow("line 9 is Vet(24), level 1") << 9 << QString(6, u' ') + "   820";
    QTest::newRow("line 17 is the root, unindented") << 17 << "   503";
    QTest::newRow("line 25 is Vet(8), level 1") << 25 << QString(6, u' ') + "   100";
    QTest::newRow("line 30 is Vet(3), the repeated 7 as a leaf")
        << 30 << QString(24, u' ') + "     7";
    QTest::newRow("line 31 is Vet(2), the repeated 7 at level 3")
        << 31 << QString(18, u' ') + "     7";
    QTest::newRow("last line is the smallest key, a leaf") << 32 << QString(24, u' ') + "     4";
}

void tst_AbrCore::drawingLines()
{
    QFETCH(int, line);
    QFETCH(QString, expected);

    const QStringList lines = toQt(DrawingLines(build(vetFrom(kKeysA))));
    QCOMPARE(lines.size(), 32);
    QCOMPARE(lines.at(line - 1), expected);
}

void tst_AbrCore::drawingOrderAndIndentation()
{
    // Line j + 1 (from the second on) shows Vet(32 - j): largest key first,
    // each indented by six columns per level.
    const Vettore Vet = distinctVet();
    const QStringList lines = toQt(DrawingLines(build(Vet)));
    QCOMPARE(lines.size(), 32);
    for (int j = 1; j <= N; ++j) {
        const int position = 32 - j;
        const int level = levelOfPosition(position);
        const QString expected = QString(6 * level, u' ') + keyIn(Vet[position], 6);
        QCOMPARE(lines.at(j), expected);
        QCOMPARE(lines.at(j).size(), 6 * (level + 1));
    }
}

void tst_AbrCore::placesFromTheTable_data()
{
    // Links by node: {k, Sx, Dx}; nodes not named have none.
    QTest::addColumn<QList<int>>("links");
    QTest::addColumn<int>("placed");
    QTest::addColumn<int>("rows");

    QList<int> perfect;
    for (int k = 1; k <= 15; ++k)
        perfect << k << 2 * k << 2 * k + 1;
    QTest::newRow("the perfect tree of 31 keys") << perfect << 31 << 5;
    QTest::newRow("a root with a left child only") << QList<int>{1, 2, 0} << 2 << 2;
    QTest::newRow("a chain to the right") << QList<int>{1, 0, 3, 3, 0, 7, 7, 0, 15} << 4 << 4;
    QTest::newRow("a link back to the root") << QList<int>{1, 2, 3, 2, 1, 0} << 3 << 2;
    QTest::newRow("a link past the table") << QList<int>{1, 32, 3} << 2 << 2;
}

void tst_AbrCore::placesFromTheTable()
{
    QFETCH(QList<int>, links);
    QFETCH(int, placed);
    QFETCH(int, rows);

    Tabella ABR{};
    for (qsizetype i = 0; i + 2 < links.size(); i += 3) {
        ABR[links[i]].Sx = Integer(links[i + 1]);
        ABR[links[i]].Dx = Integer(links[i + 2]);
    }
    const Places places = PlaceNodes(ABR);
    QCOMPARE(places[1].row, 0);
    QList<int> columns;
    int deepest = 0;
    for (int k = 1; k <= N; ++k) {
        if (places[k].row < 0)
            continue;
        columns << places[k].column;
        deepest = std::max(deepest, places[k].row);
        // Every child one row below its parent, the left one left of it and
        // the right one right of it.
        const int sx = ABR[k].Sx, dx = ABR[k].Dx;
        for (int child : {sx, dx})
            if (isNode(child) && places[child].row == places[k].row + 1)
                QVERIFY(child == sx ? places[child].column < places[k].column
                                    : places[child].column > places[k].column);
    }
    QCOMPARE(int(columns.size()), placed);
    QCOMPARE(deepest + 1, rows);
    std::sort(columns.begin(), columns.end());
    for (int i = 0; i < placed; ++i)
        QCOMPARE(columns[i], i); // one column per node, none shared
}

void tst_AbrCore::searchLines_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");

    const QStringList leftmost = {"503", "100", "12", "7", "4"};
    const QStringList rightmost = {"503", "820", "930", "990", "998"};

    QTest::newRow("below every key") << "-1" << leftmost + verdict(false);
    QTest::newRow("above every key") << "1000" << rightmost + verdict(false);
    QTest::newRow("the root") << "503" << QStringList{"503"} + verdict(true);
    QTest::newRow("a leaf held once")
        << "640" << QStringList{"503", "820", "700", "600", "640"} + verdict(true);
    QTest::newRow("the smallest key, a leaf") << "4" << leftmost + verdict(true);
    QTest::newRow("the largest key, a leaf") << "998" << rightmost + verdict(true);
    QTest::newRow("key held twice stops nearer the root")
        << "7" << QStringList{"503", "100", "12", "7"} + verdict(true);
    QTest::newRow("missing key between others")
        << "500" << QStringList{"503", "100", "250", "333", "400"} + verdict(false);
    QTest::newRow("zero") << "0" << QStringList{};
    QTest::newRow("letters") << "abc" << QStringList{};
    QTest::newRow("rounds to zero") << "0.4" << QStringList{};
    QTest::newRow("nothing typed") << "" << QStringList{};
    QTest::newRow("0.6 searches for 1") << "0.6" << leftmost + verdict(false);
    QTest::newRow("4.4 rounds onto a key") << "4.4" << leftmost + verdict(true);
    QTest::newRow("12abc searches for 12")
        << "12abc" << QStringList{"503", "100", "12"} + verdict(true);
    QTest::newRow("beyond the Integer range is clamped, not found")
        << "99999" << rightmost + verdict(false);
    QTest::newRow("far below the Integer range is clamped, not found")
        << "-99999" << leftmost + verdict(false);
}

void tst_AbrCore::searchLines()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);

    const Tabella ABR = build(vetFrom(kKeysA));
    QCOMPARE(toQt(SearchLines(ABR, typed.toStdString())), expected);
    const TreeSteps steps = RecordSearch(ABR, typed.toStdString());
    checkSteps(ABR, steps, SearchLines(ABR, typed.toStdString()));
    QCOMPARE(steps.count(), expected.isEmpty() ? 0 : int(expected.size()) - 2);
    QCOMPARE(steps.found() != 0, expected.contains("TROVATO"));
    if (steps.found())
        QCOMPARE(int(ABR[steps.found()].Inf), int(steps.x));
}

void tst_AbrCore::stepSentence_data()
{
    QTest::addColumn<int>("visit"); // -1: a search for the typed text
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<int>("litRow"); // of the pseudocode: search 6 "se ABR(k).Inf = chiave", 7 "Pos ← k",
                                     // 10 "se ABR(k).Sx = 0", 15 and 17 the calls left and right;
                                     // visits: the row "scrivi ABR(k).Inf"

    const QString e = QChar(0x00E8);
    QTest::newRow("greater: down to the right") << -1 << "640" << 0
        << "640 " + e + " maggiore della chiave del nodo 1 (chiave 503): si scende a destra, al nodo 3" << 17;
    QTest::newRow("less: down to the left") << -1 << "640" << 1
        << "640 " + e + " minore della chiave del nodo 3 (chiave 820): si scende a sinistra, al nodo 6" << 15;
    QTest::newRow("a leaf ends the search") << -1 << "-1" << 4
        << "-1 " + e + " minore della chiave del nodo 16 (chiave 4), che " + e +
               " una foglia: la ricerca finisce qui" << 10;
    QTest::newRow("verdict, not found") << -1 << "-1" << 5
                                        << "-1 non " + e + " nell'albero: NON c'" + e << 10;
    QTest::newRow("equal at the root") << -1 << "503" << 0
        << "503 " + e + " uguale alla chiave del nodo 1 (chiave 503): trovato" << 6;
    QTest::newRow("verdict, found") << -1 << "503" << 1
                                    << "503 " + e + " nell'albero, nel nodo 1: TROVATO" << 7;
    QTest::newRow("pre-order, first node") << 0 << "" << 0
                                           << "Visita anticipata: nodo 1 (chiave 503), 1 di 31" << 4;
    QTest::newRow("post-order, its rule") << 2 << "" << -1
        << "Visita posticipata: prima il sottoalbero sinistro, poi il destro, poi il nodo" << -1;
}

void tst_AbrCore::stepSentence()
{
    QFETCH(int, visit);
    QFETCH(QString, typed);
    QFETCH(int, step);
    QFETCH(QString, sentence);

    const Tabella ABR = build(vetFrom(kKeysA));
    const TreeSteps steps = visit < 0 ? RecordSearch(ABR, typed.toStdString()) : RecordVisit(ABR, visit);
    QCOMPARE(QString::fromStdString(StepSentence(ABR, steps, step)), sentence);
    QFETCH(int, litRow);
    const CodeListing *listing = listingOf(steps);
    QVERIFY(listing);
    QCOMPARE(listing->problems(), std::vector<std::string>{});
    const StepCode code = StepCodeAt(ABR, steps, step);
    QCOMPARE(listing->rowsOf(code.line, code.branch).pseudo, litRow);
    QCOMPARE(listing->rowsOf(code.line).cpp >= 0, litRow >= 0);
}

void tst_AbrCore::searchPosition_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("pos");
    QTest::addColumn<int>("keysListed");

    QTest::newRow("root") << 503 << 1 << 1;
    QTest::newRow("repeated key, upper node") << 7 << 8 << 4;
    QTest::newRow("leaf") << 640 << 25 << 5;
    QTest::newRow("last leaf") << 998 << 31 << 5;
    QTest::newRow("absent, below") << -1 << 0 << 5;
    QTest::newRow("absent, between") << 501 << 0 << 5;
}

void tst_AbrCore::searchPosition()
{
    QFETCH(int, x);
    QFETCH(int, pos);
    QFETCH(int, keysListed);

    const Tabella ABR = build(vetFrom(kKeysA));
    Integer found = 77; // any leftover value must be overwritten
    std::vector<std::string> lines;
    RicercaABR(ABR, static_cast<Integer>(x), 1, found, lines);
    QCOMPARE(int(found), pos);
    QCOMPARE(int(lines.size()), keysListed);
}

void tst_AbrCore::visitLines_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<int>>("positions");

    QList<int> inOrder;
    for (int i = 1; i <= N; ++i)
        inOrder << i;

    QTest::newRow("pre-order") << 0 << " ANT"
                               << QList<int>{16, 8,  4,  2,  1,  3,  6,  5,  7,  12, 10,
                                             9,  11, 14, 13, 15, 24, 20, 18, 17, 19, 22,
                                             21, 23, 28, 26, 25, 27, 30, 29, 31};
    QTest::newRow("in-order") << 1 << "SIMM" << inOrder;
    QTest::newRow("post-order") << 2 << "POST"
                                << QList<int>{1,  3,  2,  5,  7,  6,  4,  9,  11, 10, 13,
                                              15, 14, 12, 8,  17, 19, 18, 21, 23, 22, 20,
                                              25, 27, 26, 29, 31, 30, 28, 24, 16};
}

void tst_AbrCore::visitLines()
{
    QFETCH(int, index);
    QFETCH(QString, title);
    QFETCH(QList<int>, positions);

    const Vettore Vet = distinctVet();
    const QStringList lines = toQt(VisitLines(build(Vet), index));

    QCOMPARE(lines.size(), 33);
    QCOMPARE(lines.at(0), title);
    QCOMPARE(lines.at(1), QStringLiteral("----"));
    for (int j = 0; j < N; ++j)
        QCOMPARE(lines.at(j + 2), keyIn(Vet[positions.at(j)], 4));
    const TreeSteps steps = RecordVisit(build(Vet), index);
    checkSteps(build(Vet), steps, VisitLines(build(Vet), index));
    QCOMPARE(steps.count(), N);
}

void tst_AbrCore::visitUnknownIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("negative") << -1;
    QTest::newRow("one past the last button") << 3;
    QTest::newRow("far away") << 32767;
}

void tst_AbrCore::visitUnknownIndex()
{
    QFETCH(int, index);
    QVERIFY(VisitLines(build(distinctVet()), index).empty());
    QCOMPARE(RecordVisit(build(distinctVet()), index).count(), 0);
}

void tst_AbrCore::visitKeyFormatting_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("line"); // 0-based within the visit output
    QTest::addColumn<QString>("expected");

    // extremeVet: Vet(1) = 0, Vet(16) = 495, Vet(31) = 999.
    QTest::newRow("pre-order starts with the root") << 0 << 2 << " 495";
    QTest::newRow("post-order ends with the root") << 2 << 32 << " 495";
    QTest::newRow("key 0 first in order") << 1 << 2 << "   0";
    QTest::newRow("key 999 last in order") << 1 << 32 << " 999";
    QTest::newRow("two-digit key") << 1 << 3 << "  33";
}

void tst_AbrCore::visitKeyFormatting()
{
    QFETCH(int, index);
    QFETCH(int, line);
    QFETCH(QString, expected);

    const QStringList lines = toQt(VisitLines(build(extremeVet()), index));
    QCOMPARE(lines.at(line), expected);
}

// Insertions and deletions written out by hand: the steps each reports
// (C compare, A attach, E exists, F full, N not there, L leaf, O one child,
// T two children, S successor, X copy, R remove), the tree after it in
// pre-order, and the row that a new node takes.
void tst_AbrCore::treeOperations_data()
{
    QTest::addColumn<QList<int>>("start"); // inserted in this order into an empty tree
    QTest::addColumn<int>("key");          // > 0 inserted, < 0 deleted
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("row"); // of the node inserted; 0 when none
    const QList<int> seven{50, 30, 70, 20, 40, 60, 80};
    QTest::newRow("into the empty tree") << QList<int>{} << 35 << "A" << "35" << 1;
    QTest::newRow("a new leaf on the left") << seven << 35 << "CCCA" << "50 30 20 40 35 70 60 80" << 8;
    QTest::newRow("a new leaf on the right") << seven << 85 << "CCCA" << "50 30 20 40 70 60 80 85" << 8;
    QTest::newRow("a key already there") << seven << 40 << "CCCE" << "50 30 20 40 70 60 80" << 5;
    QTest::newRow("a leaf deleted") << seven << -20 << "CCCLR" << "50 30 40 70 60 80" << 0;
    QTest::newRow("one child takes the place") << QList<int>{50, 30, 70, 20} << -30 << "CCOR" << "50 20 70" << 0;
    QTest::newRow("two children: the successor") << seven << -30 << "CCTSXR" << "50 40 20 70 60 80" << 0;
    QTest::newRow("the root, two children, successor deeper")
        << QList<int>{50, 30, 70, 60, 80, 55} << -50 << "CTSSSXR" << "55 30 70 60 80" << 0;
    QTest::newRow("the successor's right child moves up")
        << QList<int>{50, 30, 70, 60, 80, 65} << -50 << "CTSSXR" << "60 30 70 65 80" << 0;
    QTest::newRow("the lone root") << QList<int>{50} << -50 << "CLR" << "" << 0;
    QTest::newRow("not there") << seven << -45 << "CCCN" << "50 30 20 40 70 60 80" << 0;
    QTest::newRow("not there, empty tree") << QList<int>{} << -45 << "N" << "" << 0;
    QTest::newRow("a chain: the root with one child") << QList<int>{10, 20, 30, 40} << -10 << "COR" << "20 30 40" << 0;
    QTest::newRow("a chain grows at its end") << QList<int>{10, 20, 30, 40} << 50 << "CCCCA" << "10 20 30 40 50" << 5;
    QList<int> full;
    for (int k = 1; k <= MostNodes; ++k)
        full << k;
    QString all;
    for (int k = 1; k <= MostNodes; ++k)
        all += (k > 1 ? " " : "") + QString::number(k);
    QTest::newRow("the 64th is refused") << full << 64 << QString(63, 'C') + "F" << all << 0;
}

void tst_AbrCore::treeOperations()
{
    QFETCH(QList<int>, start);
    QFETCH(int, key);
    QFETCH(QString, letters);
    QFETCH(QString, after);
    QFETCH(int, row);
    Albero tree;
    NoSteps quiet;
    for (int k : start)
        Inserisci(tree, Integer(k), quiet);
    std::set<int> keys(start.begin(), start.end());
    OpLetters seen;
    if (key > 0) {
        const int at = Inserisci(tree, Integer(key), seen);
        if (int(keys.size()) < MostNodes)
            keys.insert(key);
        if (row != 0 && !start.contains(key))
            QCOMPARE(at, row);
    } else {
        QCOMPARE(Elimina(tree, Integer(-key), seen), keys.erase(-key) == 1);
    }
    QCOMPARE(QString::fromStdString(seen.letters), letters);
    QCOMPARE(preOrder(tree), after);
    checkTree(tree, keys);
    // A deleted node's row is the next one taken.
    if (key < 0 && letters.endsWith('R') && int(keys.size()) < MostNodes) {
        const int freed = detail::freeRow(tree);
        QCOMPARE(Inserisci(tree, Integer(999), quiet), freed);
    }
}

// A search in a tree whose every key was deleted: one step, the verdict,
// with k = 0 from the start and nothing read outside the recorded path.
void tst_AbrCore::searchInAnEmptyTree()
{
    Albero tree;
    NoSteps quiet;
    Inserisci(tree, Integer(5), quiet);
    QVERIFY(Elimina(tree, Integer(5), quiet));
    const TreeSteps steps = RecordSearch(tree, "5");
    QVERIFY(steps.path.empty());
    for (int step = -1; step < steps.count(); ++step) {
        const StepCode code = StepCodeAt(tree, steps, step);
        QVERIFY(!code.variables.empty());
        QCOMPARE(QString::fromStdString(code.variables[1]), QString("k = 0"));
    }
}

// Many random insertions and deletions, on few keys so that both often find
// the key there, keep every property of the table.
void tst_AbrCore::randomOperationsKeepTheTree()
{
    std::mt19937 random(20261210);
    for (int round = 0; round < 20; ++round) {
        Albero tree;
        std::set<int> keys;
        NoSteps quiet;
        const int range = round % 2 ? 40 : 120;
        for (int i = 0; i < 300; ++i) {
            const int key = 1 + int(random() % unsigned(range));
            if (random() % 3 != 0) {
                if (Inserisci(tree, Integer(key), quiet) != 0)
                    keys.insert(key);
            } else {
                QCOMPARE(Elimina(tree, Integer(key), quiet), keys.erase(key) == 1);
            }
            checkTree(tree, keys);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QString("round %1, operation %2 on %3").arg(round).arg(i).arg(key)));
        }
    }
}

void tst_AbrCore::buildOfTheWindow_data()
{
    QTest::addColumn<int>("keys");
    for (int n : {0, 1, 2, 3, 7, 10, 31, 32, 50, 63})
        QTest::addRow("%d keys", n) << n;
}

// The bisection build: on the window's 31 keys, the window's own table; on
// any count, every key once, the least height, one step per node.
void tst_AbrCore::buildOfTheWindow()
{
    QFETCH(int, keys);
    std::vector<Integer> sorted;
    for (int i = 1; i <= keys; ++i)
        sorted.push_back(Integer(30 * i + 5));
    OpLetters seen;
    const Albero tree = Costruisci(sorted, seen);
    QCOMPARE(seen.letters, std::string(std::size_t(keys), 'P'));
    QCOMPARE(tree.keys(), sorted);
    QCOMPARE(tree.height(), leastHeight(keys));
    checkTree(tree, std::set<int>(sorted.begin(), sorted.end()));
    if (keys == N) {
        const Tabella window = build(distinctVet());
        QCOMPARE(tree, fromTable(window));
        QCOMPARE(NodeRows(tree), NodeTableLines(window));
        QCOMPARE(HeightSentence(tree), std::string("altezza 5, 31 nodi: la minima possibile"));
    }
}

void tst_AbrCore::searchAndVisitsOfAnyTree_data()
{
    QTest::addColumn<QList<int>>("inserted"); // empty: the window's tree of kKeysA
    QTest::addColumn<int>("x");
    QTest::addColumn<QStringList>("lines"); // of the search; empty: as the window's
    QTest::addColumn<QString>("inOrder");   // the in-order visit's keys; empty: as the window's
    for (int x : {503, 4, 998, 7, 5, 999, 1000, 0, 1})
        QTest::addRow("the window's tree, %d", x) << QList<int>{} << x << QStringList{} << "";
    QTest::newRow("a right child only") << QList<int>{50, 70} << 70
                                        << (QStringList{"50", "70"} << verdict(true)) << "50 70";
    QTest::newRow("off the chain's end") << QList<int>{10, 20, 30, 40} << 45
                                         << (QStringList{"10", "20", "30", "40"} << verdict(false)) << "10 20 30 40";
    QTest::newRow("off on the left") << QList<int>{10, 20, 30, 40} << 5 << (QStringList{"10"} << verdict(false))
                                     << "10 20 30 40";
    QTest::newRow("the empty tree") << QList<int>{-1} << 5 << verdict(false) << "";
}

// The search and the visits of any tree: on the window's tree the window's
// own lines and nodes; elsewhere they stop only at an empty link.
void tst_AbrCore::searchAndVisitsOfAnyTree()
{
    QFETCH(QList<int>, inserted);
    QFETCH(int, x);
    QFETCH(QStringList, lines);
    QFETCH(QString, inOrder);
    const std::string typed = std::to_string(x);
    if (inserted.isEmpty()) {
        const Tabella window = build(vetFrom(kKeysA));
        const Albero tree = fromTable(window);
        const TreeSteps mine = RecordSearch(tree, typed), theirs = RecordSearch(window, typed);
        QCOMPARE(mine.lines, theirs.lines);
        QCOMPARE(mine.path.size(), theirs.path.size());
        for (std::size_t i = 0; i < mine.path.size(); ++i) {
            QCOMPARE(mine.path[i].k, theirs.path[i].k);
            QVERIFY(mine.path[i].order == theirs.path[i].order);
            QCOMPARE(mine.path[i].leaf, theirs.path[i].leaf);
        }
        for (int visit = 0; visit < 3; ++visit) {
            QCOMPARE(RecordVisit(tree, visit).lines, RecordVisit(window, visit).lines);
            QCOMPARE(RecordVisit(tree, visit).nodes, RecordVisit(window, visit).nodes);
        }
        return;
    }
    Albero tree;
    NoSteps quiet;
    for (int k : inserted)
        if (k > 0)
            Inserisci(tree, Integer(k), quiet);
    QCOMPARE(toQt(RecordSearch(tree, typed).lines), lines);
    QStringList keys;
    for (const std::string &line : RecordVisit(tree, 1).lines)
        keys << QString::fromStdString(line).trimmed();
    QCOMPARE(keys.mid(2).join(' '), inOrder);
    QCOMPARE(keys.first(), QString("SIMM"));
}

void tst_AbrCore::recordedRuns_data()
{
    QTest::addColumn<int>("seed");
    for (int seed = 1; seed <= 12; ++seed)
        QTest::addRow("seed %d", seed) << seed;
}

// Insertions, deletions and builds recorded for the step view, on random
// trees (the window's among them, with a key 0): every step's tree is the
// operation's own as it stood then, the last one what the unwatched
// operation leaves, the lit nodes stand in that tree, and every step lights
// a line of its routine in both languages. Every question of the run is
// answered as the run then goes, seen from the keys and the trees.
void tst_AbrCore::recordedRuns()
{
    QFETCH(int, seed);
    for (const CodeListing *listing : {&listingOf(TreeRun{TreeRun::What::Insert}),
                                       &listingOf(TreeRun{TreeRun::What::Delete}),
                                       &listingOf(TreeRun{TreeRun::What::Build}), &anyTreeSearchListing(),
                                       &anyTreeVisitListing(0), &anyTreeVisitListing(2)})
        QCOMPARE(listing->problems(), std::vector<std::string>{});
    std::mt19937 random{unsigned(seed)};
    Albero tree = seed == 1 ? fromTable(build(extremeVet())) : Albero{};
    QCOMPARE(tree.count(), seed == 1 ? N : 0);
    NoSteps quiet;
    QSet<QString> asked;
    for (int i = 0; i < 80; ++i) {
        const int what = int(random() % 5);
        const Integer key = Integer(1 + random() % (seed % 2 ? 30u : 200u));
        const TreeRun run = what < 3 ? RecordInsert(tree, key) : what < 4 ? RecordDelete(tree, key) : RecordBuild(tree);
        Albero alone = tree;
        if (what < 3)
            Inserisci(alone, key, quiet);
        else if (what < 4)
            Elimina(alone, key, quiet);
        else
            alone = Costruisci(tree.keys(), quiet);
        QCOMPARE(run.treeAt(-1), tree);
        QCOMPARE(run.result(), alone);
        QCOMPARE(int(run.after.size()), run.count());
        for (int step = 0; step < run.count(); ++step) {
            const Albero &now = run.treeAt(step);
            for (int k : run.litAt(step))
                QVERIFY(now.used(k));
            if (const int k = run.nodeAt(step))
                QCOMPARE(NodeRows(now).at(std::size_t(NodeRowOf(now, k))).substr(0, 2), rightAligned(k, 2));
            const StepCode code = RunCodeAt(run, step);
            QVERIFY2(code.line != 0, RunSentence(run, step).c_str());
            QVERIFY(listingOf(run).rowsOf(code.line, code.branch).pseudo >= 0);
            QVERIFY(!RunSentence(run, step).empty());
            if (run.what == TreeRun::What::Build)
                QCOMPARE(now.count(), step + 1);
        }
        const std::vector<Integer> keys = tree.keys();
        const auto nodeOf = [](const Albero &t, Integer key) {
            for (int k = 1; k <= MostNodes; ++k)
                if (t.used(k) && t[k].Inf == key)
                    return k;
            return 0;
        };
        for (const questions::Question &q : OperationQuestions(run)) {
            const std::string kind = q.kind;
            asked.insert(QString::fromStdString(kind));
            if (kind == "direzione") {
                const Integer at = run.ops[std::size_t(q.moment)].at;
                QCOMPARE(q.answer, long(run.key < at ? 0 : run.key > at ? 1 : 2));
            } else if (kind == "sotto chi") {
                const Albero &after = run.result();
                QCOMPARE(long(after[after[nodeOf(after, run.key)].Pd].Inf), q.answer);
            } else if (kind == "confronti" && run.what == TreeRun::What::Insert && !nodeOf(tree, key)) {
                QCOMPARE(long(run.result()[nodeOf(run.result(), key)].Liv), q.answer);
            } else if (kind == "successore") {
                QCOMPARE(long(*std::upper_bound(keys.begin(), keys.end(), run.key)), q.answer);
            }
        }
        tree = run.result();
    }
    // Deleting a key that has two children needs the dense trees of 30 keys.
    for (const char *kind : {"direzione", "sotto chi", "confronti", seed % 2 ? "successore" : "confronti"})
        QVERIFY2(asked.contains(kind), kind);
    // A search and the visits of the last tree.
    for (Integer key : {Integer(1), Integer(17), Integer(300)}) {
        const TreeSteps search = RecordSearch(tree, std::to_string(key));
        for (const questions::Question &q : TreeQuestions(tree, search, "CercaABR")) {
            const std::string kind = q.kind;
            if (kind == "direzione") {
                const Integer at = tree[search.path[std::size_t(q.moment)].k].Inf;
                QCOMPARE(q.answer, long(key < at ? 0 : key > at ? 1 : 2));
            }
        }
    }
    if (tree.count() > 1) {
        std::vector<Integer> met;
        for (const questions::Question &q : TreeQuestions(tree, RecordVisit(tree, 1), "Simmetrica"))
            if (std::string(q.kind) == "prossima chiave")
                met.push_back(Integer(q.answer));
        QCOMPARE(met, tree.keys()); // the in-order visit meets the keys in order
    }
    // The build of the window's keys is the window's table.
    const Tabella window = build(vetFrom(kKeysA));
    const TreeRun rebuilt = RecordBuild(fromTable(window));
    QCOMPARE(rebuilt.result(), fromTable(window));
    QCOMPARE(NodeRows(rebuilt.result()), NodeTableLines(window));
    QCOMPARE(rebuilt.count(), N);
}

void tst_AbrCore::operationExercises_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("insert");
    for (int code : {10000, 48213, 77777, 99999})
        for (bool insert : {true, false})
            QTest::addRow("%d %s", code, insert ? "insert" : "delete") << code << insert;
}

// An exercise's tree holds its code's 15 keys; an insertion asks for the
// nodes compared and then the empty place, a deletion for the nodes of the
// search and, with two children, for the successor: the nodes where the
// recorded run went.
void tst_AbrCore::operationExercises()
{
    QFETCH(int, code);
    QFETCH(bool, insert);
    const OpExercise ex = MakeOpExercise(code, insert);
    const OpExercise again = MakeOpExercise(code, insert);
    QCOMPARE(ex.tree, again.tree);
    QCOMPARE(ex.key, again.key);
    std::vector<Integer> keys = exercise::MakeData(exercise::Kind::Tree, code).values;
    QCOMPARE(ex.tree.keys(), keys);
    QCOMPARE(std::binary_search(keys.begin(), keys.end(), ex.key), !insert);
    const TreeRun run = insert ? RecordInsert(ex.tree, ex.key) : RecordDelete(ex.tree, ex.key);
    const std::vector<exercise::Expected> steps = ExerciseSteps(run);
    QCOMPARE(int(steps.size()), run.count());
    int asked = 0;
    for (int i = 0; i < run.count(); ++i) {
        const TreeOp &op = run.ops[std::size_t(i)];
        if (op.kind == TreeOp::Compare)
            QCOMPARE(steps[std::size_t(i)].picks, std::vector<int>{op.k});
        if (op.kind == TreeOp::Attach)
            QCOMPARE(steps[std::size_t(i)].picks, std::vector<int>{SlotOf(op.other, op.left)});
        if (op.kind == TreeOp::Successor && !steps[std::size_t(i)].picks.empty()) {
            ++asked;
            const TreeOp &copy = *std::find_if(run.ops.begin(), run.ops.end(),
                                               [](const TreeOp &o) { return o.kind == TreeOp::Copy; });
            QCOMPARE(steps[std::size_t(i)].picks, std::vector<int>{copy.other});
        }
    }
    const bool two = std::any_of(run.ops.begin(), run.ops.end(), [](const TreeOp &o) { return o.kind == TreeOp::TwoChildren; });
    QCOMPARE(asked, two ? 1 : 0);
    QCOMPARE(ExerciseName(run), std::string(insert ? "Inserimento nell'ABR" : "Eliminazione dall'ABR"));
}

QTEST_APPLESS_MAIN(tst_AbrCore)
#include "tst_abr_core.moc"
