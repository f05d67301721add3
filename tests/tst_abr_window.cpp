// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tree window through its real controls: what loading shows, the search
// typed into txtX, the three visit buttons, and that the tree stays the same
// until the window is loaded again.
#include "frmABR.h"
#include "frmPassoABR.h"
#include "frmSort.h"
#include "frm_Quimbra.h"
#include "identity.h"
#include "support.h"
#include "window_support.h"
#include "widgets.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QAbstractSlider>
#include <QLabel>
#include <QtTest>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <memory>
#include <vector>

using namespace quimbra;
using namespace quimbra::testing;

namespace {

// The keys of the first load, in ascending order. Repeated keys: 1 twice
// (positions 2 and 3: node 8 and its right leaf 17) and 500 twice (position
// 16, the root, and position 15, a leaf of its left subtree); the smallest
// and largest possible keys, 0 and 999.
constexpr std::array<int, 31> firstKeys = {
    0,   1,   1,   17,  42,  88,  100, 150, 200, 233, 300, 345, 400, 432, 500, 500,
    512, 555, 600, 640, 700, 713, 750, 800, 820, 850, 877, 900, 930, 960, 999};

// The keys of the second load: no key in common with the first.
constexpr std::array<int, 31> secondKeys = {
    3,   9,   21,  34,  55,  89,  144, 160, 171, 190, 215, 250, 277, 310, 333, 377,
    390, 410, 444, 470, 521, 610, 650, 690, 730, 777, 810, 888, 910, 987, 998};

// The draw order of a load: the keys shuffled, so that the window has to sort
// them, and made into draws r = (k + 0.5) / 1000 that give floor(r x 1000) = k.
std::vector<double> drawsFor(std::array<int, 31> keys)
{
    std::vector<double> r;
    for (int i = 0; i < 31; ++i) {
        const int k = keys[static_cast<std::size_t>((i * 11 + 5) % 31)];
        r.push_back((k + 0.5) / 1000.0);
    }
    return r;
}

std::vector<double> twoLoads()
{
    std::vector<double> r = drawsFor(firstKeys);
    const std::vector<double> second = drawsFor(secondKeys);
    r.insert(r.end(), second.begin(), second.end());
    return r;
}

// Vet(p), p = 1..31.
int vet(int p)
{
    return firstKeys[static_cast<std::size_t>(p - 1)];
}

// The vector position whose key sits in node k of the perfect tree, and its level.
int levelOf(int k)
{
    int d = 0;
    while ((2 << d) <= k)
        ++d;
    return d;
}

int positionOf(int k)
{
    const int d = levelOf(k);
    return (2 * k - (2 << d) + 1) << (4 - d);
}

QStringList keyLines(const QList<int> &positions, int width)
{
    QStringList out;
    for (int p : positions)
        out << QString::number(vet(p)).rightJustified(width, ' ');
    return out;
}

QStringList vectorLines(const std::array<int, 31> &keys)
{
    QStringList out{" Vettore", QString(10, '-')};
    for (int i = 1; i <= 31; ++i)
        out << QString::asprintf("%2d - %3d", i, keys[static_cast<std::size_t>(i - 1)]);
    return out;
}

} // namespace

class tst_AbrWindow final : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedRandom> rnd;
    FixedClock clock;
    std::unique_ptr<frm_Quimbra> menu;

    frmABR *open() { return openFromMenu(*menu, "cmdABR", &frm_Quimbra::abrSlot); }

    static QStringList lines(Form *w, const char *list) { return w->list(list)->lines(); }

    static void search(frmABR *w, const QString &typed)
    {
        QLineEdit *txt = w->textBox("txtX");
        txt->clear();
        QTest::keyClicks(txt, typed);
        QTest::mouseClick(w->button("cmdRicerca"), Qt::LeftButton);
    }

    // Presses F2 in the window and returns the step view it opened, once active.
    static frmPassoABR *openStepView(frmABR *w)
    {
        const auto before = w->findChildren<frmPassoABR *>().size();
        QWidget *focused = w->window()->focusWidget();
        QTest::keyClick(focused ? focused : w->window(), Qt::Key_F2);
        const auto views = w->findChildren<frmPassoABR *>();
        if (views.size() != before + 1 || !QTest::qWaitForWindowActive(views.last()->window()))
            return nullptr;
        return views.last();
    }

    // Steps the view's run with cmdPasso to its end: each step adds the next
    // of the window's lines (a visit shows its two title lines first, a
    // search its verdict's three at the end).
    // Then steps back to the start with the Left key, and drags the position
    // slider to the middle: each shows what the run showed there (the lines,
    // the sentence, the lit line of code, the variables).
    static void stepThrough(frmPassoABR *view, const QStringList &expected)
    {
        const abr::TreeSteps &steps = view->steps();
        ListBox *code = view->list("lstCodice");
        auto shown = [&] {
            return lines(view, "lstPassi") + lines(view, "lstVariabili") + lines(view, "lstChiamate") +
                   QStringList{view->label("lblPasso")->text(), view->label("lblPosizione")->text(),
                               view->label("lblProfondita")->text(),
                               code->currentIndex().isValid() ? code->currentIndex().data().toString()
                                                              : QString("(nessuna)")};
        };
        QList<QStringList> forward{shown()};
        QCOMPARE(forward[0].last(), QString("(nessuna)"));
        QCOMPARE(lines(view, "lstPassi"), expected.mid(0, qsizetype(steps.linesAfter(-1))));
        for (int step = 0; step < steps.count(); ++step) {
            QTest::mouseClick(view->button("cmdPasso"), Qt::LeftButton);
            QCOMPARE(lines(view, "lstPassi"), expected.mid(0, qsizetype(steps.linesAfter(step))));
            QVERIFY(code->currentIndex().isValid());
            forward << shown();
        }
        QCOMPARE(lines(view, "lstPassi"), expected);
        for (int step = steps.count(); step > 0; --step) {
            QTest::keyClick(view->window(), Qt::Key_Left);
            QCOMPARE(shown(), forward[step - 1]);
        }
        view->find<QAbstractSlider>("sldPosizione")->setValue(steps.count() / 2);
        QCOMPARE(shown(), forward[steps.count() / 2]);
        view->find<QAbstractSlider>("sldPosizione")->setValue(steps.count());
        QCOMPARE(shown(), forward.last());
    }

    struct Snapshot
    {
        QStringList vet, x, abr, v, ric;
        bool operator==(const Snapshot &) const = default;
    };

    static Snapshot snapshot(frmABR *w)
    {
        return {lines(w, "lstVet"), lines(w, "lstX"), lines(w, "lstABR"), lines(w, "lstV"),
                lines(w, "lstRic")};
    }

private slots:
    void initTestCase() { applyIdentity(*qApp); }

    void init()
    {
        rnd = std::make_unique<ScriptedRandom>(twoLoads());
        menu = std::make_unique<frm_Quimbra>(*rnd, clock);
        QVERIFY(showMenu(*menu));
    }

    void cleanup()
    {
        closeAllWindows();
        menu.reset();
    }

    void loadFillsTheThreeListsOnly()
    {
        frmABR *w = open();
        QVERIFY(w);
        QCOMPARE(rnd->seeds, 1);
        QCOMPARE(rnd->lastSeed, clock.seconds);
        QCOMPARE(rnd->draws, 31L);
        QCOMPARE(w->list("lstVet")->count(), 33);
        QCOMPARE(w->list("lstX")->count(), 33);
        QCOMPARE(w->list("lstABR")->count(), 32);
        QCOMPARE(w->list("lstV")->count(), 0);
        QCOMPARE(w->list("lstRic")->count(), 0);
        QCOMPARE(w->textBox("txtX")->text(), QString());
    }

    void vectorList()
    {
        frmABR *w = open();
        QVERIFY(w);
        const QStringList vet = lines(w, "lstVet");
        QCOMPARE(vet, vectorLines(firstKeys));
        QCOMPARE(vet.at(2), QString(" 1 -   0"));
        QCOMPARE(vet.at(3), QString(" 2 -   1"));
        QCOMPARE(vet.at(4), QString(" 3 -   1"));
        QCOMPARE(vet.at(32), QString("31 - 999"));
    }

    void nodeTable()
    {
        frmABR *w = open();
        QVERIFY(w);
        const QStringList x = lines(w, "lstX");
        QCOMPARE(x.at(0), QString(" n   Inf   Sx   Dx   Pd   l"));
        QCOMPARE(x.at(1), QString(28, '-'));
        QCOMPARE(x.at(2), QString(" 1 - 500 -  2 -  3 -  0 - 0"));
        QCOMPARE(x.at(17), QString("16 -   0 -  0 -  0 -  8 - 4"));
        QCOMPARE(x.at(32), QString("31 - 999 -  0 -  0 - 15 - 4"));
        for (int k = 1; k <= 31; ++k) {
            const bool leaf = k >= 16;
            const QString expected = QString::asprintf(
                "%2d - %3d - %2d - %2d - %2d - %d", k, vet(positionOf(k)), leaf ? 0 : 2 * k,
                leaf ? 0 : 2 * k + 1, k / 2, levelOf(k));
            QCOMPARE(x.at(k + 1), expected);
        }
    }

    // Right subtree, node, left subtree: the keys from the largest down, each
    // level six columns further right, the root at the left margin.
    void drawing()
    {
        frmABR *w = open();
        QVERIFY(w);
        const QStringList abr = lines(w, "lstABR");
        QCOMPARE(abr.at(0), QString(" "));
        QCOMPARE(abr.at(16), QString("   500"));
        QCOMPARE(abr.at(1), QString(24, ' ') + "   999");
        QCOMPARE(abr.at(31), QString(24, ' ') + "     0");
        QCOMPARE(abr.at(8), QString(6, ' ') + "   800"); // Vet(24), level 1
        QCOMPARE(abr.at(17), QString(24, ' ') + "   500"); // Vet(15): the repeated root key
        for (int line = 1; line <= 31; ++line) {
            const int p = 32 - line;
            const int level = 4 - std::countr_zero(static_cast<unsigned>(p));
            QCOMPARE(abr.at(line),
                     QString(6 * level, ' ') + QString::number(vet(p)).rightJustified(6, ' '));
        }
    }

    void search_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        const QStringList found{"*******", "TROVATO", "*******"};
        const QStringList missing{"*******", QString::fromUtf8("NON c'\u00e8"), "*******"};
        const QStringList downLeft = keyLines({16, 8, 4, 2, 1}, 0);
        const QStringList downRight = keyLines({16, 24, 28, 30, 31}, 0);

        // The root's key is also held by the leaf Vet(15): the root is met first.
        QTest::newRow("root key") << "500" << QStringList{"500"} + found;
        QTest::newRow("below every key") << "-1" << downLeft + missing;
        QTest::newRow("above every key") << "1000" << downRight + missing;
        QTest::newRow("leaf, five keys") << "700" << QStringList{"500", "800", "640", "713", "700"} + found;
        QTest::newRow("largest key, a leaf") << "999" << downRight + found;
        QTest::newRow("repeated key stops nearer the root") << "1" << QStringList{"500", "150", "17", "1"} + found;
        QTest::newRow("level-1 node") << "150" << QStringList{"500", "150"} + found;
        QTest::newRow("absent between keys") << "601" << QStringList{"500", "800", "640", "555", "600"} + missing;
        QTest::newRow("0.6 rounds to 1") << "0.6" << QStringList{"500", "150", "17", "1"} + found;
        QTest::newRow("half goes to even") << "700.5" << QStringList{"500", "800", "640", "713", "700"} + found;
        QTest::newRow("digits then letters") << "12abc" << keyLines({16, 8, 4, 2, 3}, 0) + missing;
        QTest::newRow("blanks anywhere") << " 7 0 0" << QStringList{"500", "800", "640", "713", "700"} + found;
        QTest::newRow("hexadecimal") << "&H1F4" << QStringList{"500"} + found;
        QTest::newRow("beyond Integer") << "99999" << downRight + missing;
        QTest::newRow("beyond Integer, negative") << "-99999" << downLeft + missing;
        QTest::newRow("beyond any number") << "1E99999" << downRight + missing;
        QTest::newRow("zero") << "0" << QStringList();
        QTest::newRow("letters") << "abc" << QStringList();
        QTest::newRow("0.4 rounds to 0") << "0.4" << QStringList();
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("comma is no separator") << ",5" << QStringList();
    }

    // Each press replaces what an earlier press showed.
    void search()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        frmABR *w = open();
        QVERIFY(w);
        search(w, "-1");
        QCOMPARE(w->list("lstRic")->count(), 8);
        search(w, typed);
        QCOMPARE(lines(w, "lstRic"), expected);
        QCOMPARE(w->textBox("txtX")->text(), typed);
        // The same text again gives the same list.
        QTest::mouseClick(w->button("cmdRicerca"), Qt::LeftButton);
        QCOMPARE(lines(w, "lstRic"), expected);

        // The step view, opened with the key typed here, steps to the same lines.
        frmPassoABR *view = openStepView(w);
        QVERIFY(view);
        QCOMPARE(view->textBox("txtChiave")->text(), typed);
        QCOMPARE(view->list("lstPassi")->count(), 0);
        QTest::mouseClick(view->button("cmdRicerca"), Qt::LeftButton);
        stepThrough(view, expected);
    }

    void visits_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("pre-order") << 0 << "Visita Anticipata" << " ANT"
                                   << QList<int>{16, 8,  4,  2,  1,  3,  6,  5,  7,  12, 10,
                                                 9,  11, 14, 13, 15, 24, 20, 18, 17, 19, 22,
                                                 21, 23, 28, 26, 25, 27, 30, 29, 31};
        QList<int> inOrder;
        for (int p = 1; p <= 31; ++p)
            inOrder << p;
        QTest::newRow("in-order") << 1 << "Visita Simmetrica" << "SIMM" << inOrder;
        QTest::newRow("post-order") << 2 << "Visita Posticipata" << "POST"
                                    << QList<int>{1,  3,  2,  5,  7,  6,  4,  9,  11, 10, 13,
                                                  15, 14, 12, 8,  17, 19, 18, 21, 23, 22, 20,
                                                  25, 27, 26, 29, 31, 30, 28, 24, 16};
    }

    // A visit pressed after another shows only its own list.
    void visits()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, title);
        QFETCH(QList<int>, order);
        frmABR *w = open();
        QVERIFY(w);
        QPushButton *button = w->button("cmdV", index);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QTest::mouseClick(w->button("cmdV", (index + 1) % 3), Qt::LeftButton);
        QCOMPARE(w->list("lstV")->count(), 33);
        QTest::mouseClick(button, Qt::LeftButton);
        const QStringList expected = QStringList{title, "----"} + keyLines(order, 4);
        QCOMPARE(lines(w, "lstV"), expected);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(lines(w, "lstV"), expected);

        frmPassoABR *view = openStepView(w);
        QVERIFY(view);
        QCOMPARE(view->button("cmdV", index)->text(), caption.section(' ', 1));
        QTest::mouseClick(view->button("cmdV", index), Qt::LeftButton);
        stepThrough(view, expected);
    }

    // The tree drawn in the view at its size: every node one row below its
    // parent and right of its left sibling, no two circles touching, and each
    // circle wide and high enough for its key over its node number.
    void stepViewDrawsTheTree()
    {
        frmABR *w = open();
        QVERIFY(w);
        const QList<QAction *> actions = w->list("lstABR")->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions[0]->shortcut(), QKeySequence(Qt::Key_F2));
        actions[0]->trigger();
        const auto views = w->findChildren<frmPassoABR *>();
        QCOMPARE(views.size(), 1);
        frmPassoABR *view = views[0];
        QVERIFY(QTest::qWaitForWindowActive(view->window()));

        const QRect area = view->canvas()->area();
        const QFontMetricsF key(fontFor({Face::Mono, 9.75, true}));
        const QFontMetricsF number(fontFor({Face::Sans, 6.75, false}));
        for (int k = 1; k <= 31; ++k) {
            const QRectF circle = view->drawing().nodeRect(area, k);
            QVERIFY(QRectF(area).contains(circle));
            QVERIFY(circle.width() >= key.horizontalAdvance("999") + 4);
            QVERIFY(circle.height() >= key.height() + number.height());
            if (k >= 2) {
                const QRectF parent = view->drawing().nodeRect(area, k / 2);
                QVERIFY(circle.top() > parent.bottom());
            }
            if (k % 2 == 1 && k >= 3)
                QVERIFY(view->drawing().nodeRect(area, k - 1).right() < circle.left());
            for (int other = 1; other < k; ++other) {
                const QRectF o = view->drawing().nodeRect(area, other);
                const QPointF d = o.center() - circle.center();
                QVERIFY(std::hypot(d.x(), d.y()) > (o.width() + circle.width()) / 2);
            }
        }
        // Enter in the key box searches that key and runs the search to its end.
        QLineEdit *txtChiave = view->textBox("txtChiave");
        txtChiave->setFocus();
        QTest::keyClicks(txtChiave, "700");
        QTest::keyClick(txtChiave, Qt::Key_Return);
        QTRY_VERIFY(view->steps().count() == 6 && !view->button("cmdPasso")->isEnabled());
        QCOMPARE(lines(view, "lstPassi"), (QStringList{"500", "800", "640", "713", "700", "*******",
                                                       "TROVATO", "*******"}));
    }

    void operationsInTheStepView_data()
    {
        QTest::addColumn<QString>("keys"); // typed and used; empty: the window's tree
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("last"); // the last step's sentence
        QTest::addColumn<int>("nodes");    // after the operation
        const QString seven = "50 30 70 20 40 60 80";
        QTest::newRow("insert into the window's tree") << "" << 0 << "cmdInserisci" << "1000" << "" << 32;
        QTest::newRow("rebuild the window's tree") << "" << 0 << "cmdCostruisci" << "" << "" << 31;
        QTest::newRow("delete the root, two children")
            << seven << 1 << "cmdElimina" << "50" << "Il nodo 6 (60) è tolto" << 6;
        QTest::newRow("delete a leaf") << seven << 2 << "cmdElimina" << "80"
                                       << "Il nodo 7 (80) è tolto" << 6;
        QTest::newRow("delete what is not there") << seven << 2 << "cmdElimina" << "45" << "45 non c'è" << 7;
        QTest::newRow("insert a key already there") << seven << 1 << "cmdInserisci" << "40"
                                                    << "40 c'è già (nodo 5): non si inserisce" << 7;
        QTest::newRow("insert into the empty tree") << seven << 3 << "cmdInserisci" << "35"
                                                    << "L'albero è vuoto: 35 diventa la radice (nodo 1)" << 1;
        QTest::newRow("a chain grows") << "10 20 30 40 50" << 2 << "cmdInserisci" << "60"
                                       << "Il posto è libero: 60 diventa il figlio destro di 50 (nodo 6)" << 6;
        QTest::newRow("a chain rebuilt balanced") << "10 20 30 40 50" << 2 << "cmdCostruisci" << ""
                                                  << "" << 5;
        QTest::newRow("a key out of range") << seven << 1 << "cmdInserisci" << "40000" << "" << 7;
    }

    // An insertion, a deletion or the build played in the step view: at
    // every step the node table is the table of the tree drawn, with the lit
    // node's row selected; the last step says what happened; going back
    // with Left and the position shows every step again exactly. The window
    // stays as it was.
    void operationsInTheStepView()
    {
        QFETCH(QString, keys);
        QFETCH(int, choice);
        QFETCH(QString, button);
        QFETCH(QString, key);
        QFETCH(QString, last);
        QFETCH(int, nodes);
        frmABR *w = open();
        QVERIFY(w);
        const Snapshot window = snapshot(w);
        frmPassoABR *view = openStepView(w);
        QVERIFY(view);
        if (!keys.isEmpty()) {
            view->textBox("txtDati")->setText(keys);
            view->cmdUsaDati_Click();
        }
        view->cboAlbero_Click(choice);
        QCOMPARE(view->find<QComboBox>("cboAlbero")->currentIndex(), choice);
        const abr::Albero before = view->tree();
        view->textBox("txtChiave")->setText(key);
        QTest::mouseClick(view->button(qPrintable(button)), Qt::LeftButton);
        if (key == "40000") {
            QVERIFY(!view->playsOperation());
            QCOMPARE(view->label("lblPasso")->text(), QString("Chiave: «40000» (il 1º valore): i valori vanno da 1 a 32767"));
            QCOMPARE(view->tree(), before);
            return;
        }
        QVERIFY(view->playsOperation());
        ListBox *table = view->list("lstNodi");
        auto shown = [&] {
            // The picture and the table agree.
            [&] { QCOMPARE(lines(view, "lstNodi"), toQt(abr::NodeRows(view->drawing().tree()))); }();
            return lines(view, "lstNodi") + lines(view, "lstPassi") + lines(view, "lstVariabili") +
                   lines(view, "lstChiamate") +
                   QStringList{view->label("lblPasso")->text(), view->label("lblAltezza")->text(),
                               table->currentIndex().isValid() ? table->currentIndex().data().toString() : "-"};
        };
        QList<QStringList> forward{shown()};
        QCOMPARE(view->drawing().tree(), before);
        const int count = view->run().count();
        for (int step = 0; step < count; ++step) {
            QTest::mouseClick(view->button("cmdPasso"), Qt::LeftButton);
            forward << shown();
            if (const int at = view->run().nodeAt(step))
                QCOMPARE(table->currentIndex().row(), abr::NodeRowOf(view->drawing().tree(), at));
        }
        if (!last.isEmpty())
            QCOMPARE(view->label("lblPasso")->text(), last);
        QCOMPARE(view->drawing().tree(), view->tree());
        QCOMPARE(view->tree().count(), nodes);
        QCOMPARE(table->count(), nodes + 2);
        if (button == "cmdCostruisci") {
            QCOMPARE(count, nodes);
            QCOMPARE(view->tree().height(), abr::leastHeight(nodes));
            if (keys.isEmpty())
                QCOMPARE(lines(view, "lstNodi"), window.x);
        }
        for (int step = count; step > 0; --step) {
            QTest::keyClick(view->window(), Qt::Key_Left);
            QCOMPARE(shown(), forward[step - 1]);
        }
        for (int at : {count / 2, count, 1, 0}) {
            view->find<QAbstractSlider>("sldPosizione")->setValue(at);
            QCOMPARE(shown(), forward[at]);
        }
        // The next operation works on the tree the last one left.
        QTest::mouseClick(view->button("cmdCostruisci"), Qt::LeftButton);
        QCOMPARE(view->run().before.keys(), view->tree().keys());
        QCOMPARE(snapshot(w), window);
    }

    void inOrderVisitMatchesVector()
    {
        frmABR *w = open();
        QVERIFY(w);
        QTest::mouseClick(w->button("cmdV", 1), Qt::LeftButton);
        const QStringList visit = lines(w, "lstV").mid(2);
        const QStringList vet = lines(w, "lstVet").mid(2);
        QCOMPARE(visit.size(), vet.size());
        for (int i = 0; i < vet.size(); ++i)
            QCOMPARE(visit.at(i).trimmed(), vet.at(i).section(" - ", 1).trimmed());
    }

    void treeUnchangedWhileLoaded_data()
    {
        QTest::addColumn<int>("occasion");
        QTest::newRow("menu and back") << 0;
        QTest::newRow("menu button again") << 1;
        QTest::newRow("menu button while active") << 2;
        QTest::newRow("close box of another window") << 3;
    }

    // The tree window has no activation step: whatever brings it back shows
    // the same keys, tree, visit and search.
    void treeUnchangedWhileLoaded()
    {
        QFETCH(int, occasion);
        frmABR *w = open();
        QVERIFY(w);
        QWidget *window = w->window();
        QTest::mouseClick(w->button("cmdV", 2), Qt::LeftButton);
        search(w, "700");
        const Snapshot before = snapshot(w);
        switch (occasion) {
        case 0:
            focus(menu->window());
            focus(window);
            break;
        case 1:
            focus(menu->window());
            QTest::mouseClick(menu->button("cmdABR"), Qt::LeftButton);
            QVERIFY(QTest::qWaitForWindowActive(window));
            break;
        case 2:
            QTest::mouseClick(menu->button("cmdABR"), Qt::LeftButton);
            break;
        case 3: {
            QTest::mouseClick(menu->button("cmdSort"), Qt::LeftButton);
            QVERIFY(QTest::qWaitForWindowActive(menu->sortSlot()->window()));
            const long drawsOfSort = rnd->draws;
            focus(window);
            QCOMPARE(rnd->draws, drawsOfSort);
            QVERIFY(menu->sortSlot()->window()->close());
            QCoreApplication::processEvents();
            QCOMPARE(snapshot(w), before);
            QCOMPARE(rnd->seeds, 2);
            return;
        }
        }
        QCoreApplication::processEvents();
        QCOMPARE(menu->abrSlot(), w);
        QCOMPARE(w->window(), window);
        QCOMPARE(snapshot(w), before);
        QCOMPARE(rnd->draws, 31L);
        QCOMPARE(rnd->seeds, 1);
    }

    void searchesAndVisitsLeaveTheTree()
    {
        frmABR *w = open();
        QVERIFY(w);
        const Snapshot before = snapshot(w);
        for (const char *typed : {"500", "abc", "-1", "1E99999", "999", "0"})
            search(w, typed);
        for (int index : {0, 1, 2, 1})
            QTest::mouseClick(w->button("cmdV", index), Qt::LeftButton);
        const Snapshot after = snapshot(w);
        QCOMPARE(after.vet, before.vet);
        QCOMPARE(after.x, before.x);
        QCOMPARE(after.abr, before.abr);
        QCOMPARE(rnd->draws, 31L);
        // The last search still finds what the first found.
        search(w, "500");
        QCOMPARE(lines(w, "lstRic").first(), QString("500"));
        QCOMPARE(w->list("lstRic")->count(), 4);
    }

    // Closing and opening again loads a new tree, and nothing of the old
    // search, visit or typed text survives.
    void reopeningBuildsANewTree_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("Fine") << false;
        QTest::newRow("close box") << true;
    }

    void reopeningBuildsANewTree()
    {
        QFETCH(bool, byCloseBox);
        frmABR *w = open();
        QVERIFY(w);
        QTest::mouseClick(w->button("cmdV", 0), Qt::LeftButton);
        search(w, "500");
        if (byCloseBox)
            QVERIFY(w->window()->close());
        else
            QTest::mouseClick(w->button("cmdFine"), Qt::LeftButton);
        QVERIFY(!w->isLoaded());
        QCOMPARE(open(), w);
        QVERIFY(w->isLoaded());
        QCOMPARE(rnd->seeds, 2);
        QCOMPARE(rnd->draws, 62L);
        QCOMPARE(lines(w, "lstVet"), vectorLines(secondKeys));
        QCOMPARE(lines(w, "lstX").at(2), QString(" 1 - 377 -  2 -  3 -  0 - 0"));
        QCOMPARE(lines(w, "lstABR").at(16), QString("   377"));
        QCOMPARE(w->list("lstV")->count(), 0);
        QCOMPARE(w->list("lstRic")->count(), 0);
        QCOMPARE(w->textBox("txtX")->text(), QString());
        search(w, "500");
        QCOMPARE(lines(w, "lstRic").last(2).first(), QString::fromUtf8("NON c'\u00e8"));
        search(w, "377");
        QCOMPARE(lines(w, "lstRic"), (QStringList{"377", "*******", "TROVATO", "*******"}));
    }
};

QTEST_MAIN(tst_AbrWindow)
#include "tst_abr_window.moc"
