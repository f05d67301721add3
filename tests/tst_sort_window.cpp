// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sorting window through its real controls: the four columns after a run,
// their counts on pinned data, and every occasion that runs a new comparison.
#include "frmPassoSort.h"
#include "frmSort.h"
#include "frm_Quimbra.h"
#include "identity.h"
#include "sorts.h"
#include "numbers.h"
#include "support.h"
#include "window_support.h"
#include "widgets.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSlider>
#include <QtTest>

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <utility>
#include <vector>

using namespace quimbra;
using namespace quimbra::testing;

namespace {

using Values = std::vector<int>; // V(1..1000) as drawn

// A draw r = (v - 1 + 0.5) / 10000 gives floor(r x 10000) + 1 = v.
std::vector<double> drawsFor(const Values &values)
{
    std::vector<double> r;
    for (int v : values)
        r.push_back((v - 1 + 0.5) / 10000.0);
    return r;
}

// A random-looking vector over the whole range 1..10000 with some values
// drawn twice, among them 1 and 10000.
Values mixed(unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> pick(1, 10000);
    Values v(1000);
    for (int &x : v)
        x = pick(gen);
    v[17] = 1;
    v[600] = 1;
    v[3] = 10000;
    v[999] = 10000;
    v[250] = v[700];
    return v;
}

Values ascending()
{
    Values v(1000);
    for (int i = 0; i < 1000; ++i)
        v[static_cast<std::size_t>(i)] = i + 1;
    return v;
}

Values descending()
{
    Values v = ascending();
    std::reverse(v.begin(), v.end());
    return v;
}

QStringList sortedLines(Values v)
{
    std::sort(v.begin(), v.end());
    QStringList out;
    for (int x : v)
        out << QString::number(x);
    return out;
}

// The four counts as the sorting routines give them on V(0) = 0, V(1..1000).
std::array<long, 4> routineCounts(const Values &values)
{
    std::array<long, 4> counts{};
    for (int k = 0; k < 4; ++k) {
        std::array<Integer, 1001> V{};
        for (int p = 1; p <= 1000; ++p)
            V[static_cast<std::size_t>(p)] = static_cast<Integer>(values[static_cast<std::size_t>(p - 1)]);
        Long moves = 0;
        switch (k) {
        case 0: ExchangeSort(V, 1000, moves); break;
        case 1: BubbleSort(V, 1000, moves); break;
        case 2: ShellSort(V, 1000, moves); break;
        case 3: QuickSort(V, 1, 1000, moves); break;
        }
        counts[static_cast<std::size_t>(k)] = moves;
    }
    return counts;
}

long inversions(const Values &v)
{
    long n = 0;
    for (std::size_t p = 0; p < v.size(); ++p)
        for (std::size_t q = p + 1; q < v.size(); ++q)
            n += v[p] > v[q];
    return n;
}

const QStringList titles{"Insertion", "Bubble", "Shell", "Quick"};

// The region of a widget painted since the last reset.
class PaintedRegion final : public QObject
{
public:
    explicit PaintedRegion(QWidget *target) { target->installEventFilter(this); }
    QRegion region;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

// The step views that the sorting window opened and that are still loaded.
QList<frmPassoSort *> openViews(frmSort *w)
{
    QList<frmPassoSort *> views;
    for (frmPassoSort *v : w->findChildren<frmPassoSort *>(Qt::FindDirectChildrenOnly))
        if (v->isLoaded())
            views << v;
    return views;
}

// Opens column k's step view from the window, "Fino alla fine", and checks
// that its counters end at the window's count for that column, on the
// window's own vector, sorted.
void checkStepViewsEnd(frmSort *w)
{
    for (int k = 0; k < 4; ++k) {
        w->PassoPasso(k);
        const QList<frmPassoSort *> views = openViews(w);
        QVERIFY(!views.isEmpty());
        frmPassoSort *view = views.last();
        QVERIFY(QTest::qWaitForWindowActive(view->window()));
        QCOMPARE(view->window()->windowTitle(), "Passo passo: " + titles.at(k) + " - prof. Orvalde");
        QCOMPARE(view->find<QComboBox>("cboDati")->currentText(), QString("Vettore della finestra"));
        QTest::mouseClick(view->button("cmdTutto"), Qt::LeftButton);
        // The same count, its thousands grouped as the factorial groups them.
        QCOMPARE(view->label("lblMosse")->text(), grouped(w->label("lblSort", k)->text().toLongLong()));
        QVERIFY(view->label("lblConfronti")->text().remove(thousandsSeparator()).toLong() > 0);
        QStringList values;
        for (int p = 1; p <= 1000; ++p)
            values << QString::number(view->steps()->values()[std::size_t(p)]);
        QCOMPARE(values, w->list("lstSort", k)->lines());
        QVERIFY(!view->button("cmdPasso")->isEnabled());
        QVERIFY(view->label("lblPasso")->text().startsWith("Fine"));
        view->button("cmdFine")->click();
        QVERIFY(!view->isLoaded());
    }
}

} // namespace

class tst_SortWindow final : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedRandom> rnd;
    FixedClock clock;
    std::unique_ptr<frm_Quimbra> menu;

    // The program's random source replays these vectors one run after another.
    void pin(const std::vector<Values> &runs)
    {
        std::vector<double> r;
        for (const Values &v : runs) {
            const std::vector<double> d = drawsFor(v);
            r.insert(r.end(), d.begin(), d.end());
        }
        rnd = std::make_unique<ScriptedRandom>(r);
        menu = std::make_unique<frm_Quimbra>(*rnd, clock);
        QVERIFY(showMenu(*menu));
    }

    frmSort *open() { return openFromMenu(*menu, "cmdSort", &frm_Quimbra::sortSlot); }

    // The four columns show the run on these values: titles in place, the
    // same sorted lines in every list, the routines' counts underneath.
    static void checkRun(frmSort *w, const Values &values)
    {
        const QStringList expected = sortedLines(values);
        const std::array<long, 4> counts = routineCounts(values);
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(w->label("lblTitSort", k)->text(), titles.at(k));
            QCOMPARE(w->list("lstSort", k)->lines(), expected);
            QCOMPARE(w->label("lblSort", k)->text(), QString::number(counts[static_cast<std::size_t>(k)]));
        }
    }

private slots:
    void initTestCase() { applyIdentity(*qApp); }

    void cleanup()
    {
        closeAllWindows();
        menu.reset();
        clock = FixedClock();
    }

    // Going back a step (the button, the Left key) or dragging the position
    // slider shows exactly what the view showed when the run got there: the
    // bars' values, the counters, the sentence, the lit line, the variables.
    void goingBackShowsTheSameView()
    {
        rnd = std::make_unique<ScriptedRandom>();
        menu = std::make_unique<frm_Quimbra>(*rnd, clock);
        QVERIFY(showMenu(*menu));
        frmSort *w = open();
        QVERIFY(w);
        for (int k = 0; k < 4; ++k) {
            w->PassoPasso(k);
            frmPassoSort *view = openViews(w).last();
            QVERIFY(QTest::qWaitForWindowActive(view->window()));
            view->cboDati_Click(InputRandom20);
            ListBox *code = view->list("lstCodice");
            auto shown = [&] {
                QStringList s{view->label("lblConfronti")->text(), view->label("lblMosse")->text(),
                              view->label("lblPasso")->text(), view->label("lblPosizione")->text(),
                              code->currentIndex().isValid() ? code->currentIndex().data().toString()
                                                             : QString("(nessuna)")};
                s += view->list("lstVariabili")->lines();
                for (Integer v : view->steps()->values())
                    s << QString::number(v);
                return s;
            };
            QList<QStringList> forward{shown()};
            QCOMPARE(forward[0][4], QString("(nessuna)"));
            QCOMPARE(forward[0][3], QString("passo 0 di %1").arg(view->steps()->count()));
            QVERIFY(!view->button("cmdIndietro")->isEnabled());
            for (int s = 0; s < 30; ++s) {
                view->button("cmdPasso")->click();
                forward << shown();
            }
            for (int s = 30; s > 25; --s) {
                QTest::keyClick(view->window(), Qt::Key_Left);
                QCOMPARE(shown(), forward[s - 1]);
            }
            view->button("cmdIndietro")->click();
            QCOMPARE(shown(), forward[24]);
            auto *position = view->find<QAbstractSlider>("sldPosizione");
            position->setValue(7);
            QCOMPARE(shown(), forward[7]);
            QCOMPARE(position->maximum(), int(view->steps()->count()));
            // The same line lit in C++: the routine's own line that reported the step.
            view->find<QComboBox>("cboCodice")->setCurrentIndex(1);
            QVERIFY(code->currentIndex().data().toString().contains("observe."));
            view->button("cmdTutto")->click();
            QCOMPARE(position->value(), position->maximum());
            QVERIFY(view->button("cmdIndietro")->isEnabled());
            position->setValue(0);
            view->find<QComboBox>("cboCodice")->setCurrentIndex(0);
            QCOMPARE(shown(), forward[0]);
            view->button("cmdFine")->click();
        }
    }

    // Whatever the numbers, a run leaves four equal ascending lists of bare
    // numbers and four bare counts. The random source here is unpinned.
    void firstRunShape()
    {
        rnd = std::make_unique<ScriptedRandom>();
        menu = std::make_unique<frm_Quimbra>(*rnd, clock);
        QVERIFY(showMenu(*menu));
        frmSort *w = open();
        QVERIFY(w);
        QCOMPARE(rnd->seeds, 1);
        QCOMPARE(rnd->lastSeed, clock.seconds);
        QCOMPARE(rnd->draws, 1000L);
        const QRegularExpression bare("^[1-9][0-9]*$");
        const QRegularExpression count("^(0|[1-9][0-9]*)$");
        const QStringList first = w->list("lstSort", 0)->lines();
        QCOMPARE(first.size(), 1000);
        int previous = 0;
        for (const QString &line : first) {
            QVERIFY2(bare.match(line).hasMatch(), qPrintable(line));
            const int v = line.toInt();
            QVERIFY(v >= 1 && v <= 10000);
            QVERIFY(v >= previous);
            previous = v;
        }
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(w->label("lblTitSort", k)->text(), titles.at(k));
            QCOMPARE(w->list("lstSort", k)->lines(), first);
            QVERIFY2(count.match(w->label("lblSort", k)->text()).hasMatch(),
                     qPrintable(w->label("lblSort", k)->text()));
        }
        QVERIFY(w->label("lblSort", 2)->text().toLong() >= 6464);
    }

    void pinnedRuns_data()
    {
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QList<long>>("counts");
        const auto list = [](const Values &v) { return QList<int>(v.begin(), v.end()); };
        QTest::newRow("all equal") << list(Values(1000, 4321)) << QList<long>{0, 0, 6464, 500499};
        QTest::newRow("ascending") << list(ascending()) << QList<long>{0, 0, 6464, 30991};
        QTest::newRow("descending") << list(descending())
                                    << QList<long>{499500, 499500, 10384, 168832};
        QTest::newRow("all 10000") << list(Values(1000, 10000)) << QList<long>{0, 0, 6464, 500499};
    }

    void pinnedRuns()
    {
        QFETCH(QList<int>, values);
        QFETCH(QList<long>, counts);
        pin({Values(values.begin(), values.end())});
        frmSort *w = open();
        QVERIFY(w);
        const QStringList expected = sortedLines(Values(values.begin(), values.end()));
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(w->label("lblTitSort", k)->text(), titles.at(k));
            QCOMPARE(w->list("lstSort", k)->lines(), expected);
            QCOMPARE(w->label("lblSort", k)->text(), QString::number(counts.at(k)));
        }
        checkStepViewsEnd(w);
    }

    // A random-looking vector: the counts are the routines' own, the Bubble
    // count is the number of inversions, and repeated values stand together.
    void mixedRun_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::newRow("seed 1") << 1u;
        QTest::newRow("seed 2024") << 2024u;
    }

    void mixedRun()
    {
        QFETCH(unsigned, seed);
        const Values values = mixed(seed);
        pin({values});
        frmSort *w = open();
        QVERIFY(w);
        checkRun(w, values);
        QCOMPARE(w->label("lblSort", 1)->text(), QString::number(inversions(values)));
        QVERIFY(w->label("lblSort", 2)->text().toLong() > 6464);
        const QStringList lines = w->list("lstSort", 3)->lines();
        QCOMPARE(lines.first(), QString("1"));
        QCOMPARE(lines.at(1), QString("1"));
        QCOMPARE(lines.at(998), QString("10000"));
        QCOMPARE(lines.last(), QString("10000"));
        const QString twice = QString::number(values[700]);
        QCOMPARE(lines.count(twice), int(std::count(values.begin(), values.end(), values[700])));
        const qsizetype at = lines.indexOf(twice);
        QCOMPARE(lines.at(at + 1), twice);
        checkStepViewsEnd(w);
    }

    void rerun_data()
    {
        QTest::addColumn<int>("occasion");
        QTest::newRow("Tab then Space on SORT") << 0;
        QTest::newRow("Tab then Enter on SORT") << 1;
        QTest::newRow("menu window and back") << 2;
        QTest::newRow("menu button again") << 3;
        QTest::newRow("step view opened with F2, then back") << 4;
        QTest::newRow("step view closed, focus back") << 5;
    }

    // Each occasion runs one new comparison on 1000 new draws, replacing the
    // first run entirely; the titles stay.
    void rerun()
    {
        QFETCH(int, occasion);
        const Values first = mixed(7);
        const Values second = descending();
        pin({first, second});
        frmSort *w = open();
        QVERIFY(w);
        checkRun(w, first);
        QWidget *window = w->window();
        switch (occasion) {
        case 0:
        case 1:
            QCOMPARE(window->focusWidget(), w->button("cmdFine"));
            QTest::keyClick(w->button("cmdFine"), Qt::Key_Tab);
            QCOMPARE(window->focusWidget(), w->button("cmdSort"));
            QVERIFY(w->button("cmdSort")->y() >= window->height()); // never seen
            QTest::keyClick(w->button("cmdSort"), occasion == 0 ? Qt::Key_Space : Qt::Key_Return);
            break;
        case 2:
            focus(menu->window());
            QCOMPARE(rnd->draws, 1000L); // the menu has no activation step
            focus(window);
            break;
        case 3:
            focus(menu->window());
            QTest::mouseClick(menu->button("cmdSort"), Qt::LeftButton);
            QVERIFY(QTest::qWaitForWindowActive(window));
            QCoreApplication::processEvents();
            break;
        case 4:
        case 5: {
            // The step view is a window of the program: coming back from it
            // is an activation; it keeps its own copy of the first vector.
            QTest::keyClick(w->button("cmdFine"), Qt::Key_F2);
            QCOMPARE(openViews(w).size(), 1);
            frmPassoSort *view = openViews(w).first();
            QVERIFY(QTest::qWaitForWindowActive(view->window()));
            QCoreApplication::processEvents();
            QCOMPARE(view->steps()->algorithm(), 0);
            QCOMPARE(rnd->draws, 1000L);
            if (occasion == 5)
                QTest::mouseClick(view->button("cmdFine"), Qt::LeftButton);
            focus(window);
            if (occasion == 4) {
                Values kept;
                for (int p = 1; p <= 1000; ++p)
                    kept.push_back(view->steps()->values()[std::size_t(p)]);
                QCOMPARE(kept, first);
            }
            break;
        }
        }
        QCOMPARE(menu->sortSlot(), w);
        QCOMPARE(w->window(), window);
        QCOMPARE(rnd->draws, 2000L);
        QCOMPARE(rnd->seeds, 1);
        checkRun(w, second);
        QCOMPARE(w->label("lblSort", 0)->text(), QString("499500"));
    }

    void sortTwiceInARow()
    {
        const Values a = mixed(11), b = mixed(12), c = ascending();
        pin({a, b, c});
        frmSort *w = open();
        QVERIFY(w);
        checkRun(w, a);
        // A click into the active window is no new activation.
        QTest::mouseClick(w->list("lstSort", 1)->viewport(), Qt::LeftButton);
        QCOMPARE(rnd->draws, 1000L);
        w->button("cmdSort")->click();
        QCOMPARE(rnd->draws, 2000L);
        checkRun(w, b);
        w->button("cmdSort")->setFocus();
        QTest::keyClick(w->button("cmdSort"), Qt::Key_Space);
        QCOMPARE(rnd->draws, 3000L);
        checkRun(w, c);
    }

    // Column k stands at 120 + 1320 k twips within the frame, title on top,
    // list in the middle, count underneath.
    void columnsLeftToRight_data()
    {
        QTest::addColumn<int>("k");
        for (int k = 0; k < 4; ++k)
            QTest::addRow("column %d", k) << k;
    }

    void columnsLeftToRight()
    {
        QFETCH(int, k);
        pin({ascending()});
        frmSort *w = open();
        QVERIFY(w);
        const int x = (120 + 1320 * k) / 15;
        QWidget *list = w->list("lstSort", k);
        QWidget *title = w->label("lblTitSort", k);
        QWidget *count = w->label("lblSort", k);
        for (QWidget *c : {list, title, count}) {
            QVERIFY(c);
            QCOMPARE(c->parentWidget()->objectName(), QString("frameSort"));
            QCOMPARE(c->x(), x);
            QVERIFY(c->isVisible());
        }
        QVERIFY(title->y() < list->y());
        QVERIFY(list->y() + list->height() <= count->y());
        QCOMPARE(qobject_cast<QLabel *>(title)->text(), titles.at(k));
    }

    void columnsPaintedInTurn_data() { columnsLeftToRight_data(); }

    // A run paints each column, its list and its count with their new
    // contents, before the next column's sort ends: the columns appear one
    // after another, not all at the end.
    void columnsPaintedInTurn()
    {
        QFETCH(int, k);
        Values second = descending();
        for (auto &v : second)
            ++v; // other lines, and other counts in every column
        pin({ascending(), second});
        frmSort *w = open();
        QVERIFY(w);
        ListBox *list = w->list("lstSort", k);
        QLabel *count = w->label("lblSort", k);
        ListBox *next = k < 3 ? w->list("lstSort", k + 1) : nullptr;
        // What each watched widget showed at each paint, in order.
        struct Log final : QObject {
            std::function<QVariant(QObject *)> shown;
            std::vector<std::pair<QObject *, QVariant>> paints;
            bool eventFilter(QObject *o, QEvent *e) override
            {
                if (e->type() == QEvent::Paint)
                    paints.emplace_back(o, shown(o));
                return false;
            }
        } log;
        log.shown = [&](QObject *o) -> QVariant {
            if (o == count)
                return count->text();
            return o == list->viewport() ? list->lines() : next->lines();
        };
        for (QWidget *watched : {list->viewport(), static_cast<QWidget *>(count)})
            watched->installEventFilter(&log);
        if (next)
            next->viewport()->installEventFilter(&log);
        QTest::mouseClick(w->button("cmdSort"), Qt::LeftButton);
        QCoreApplication::processEvents();
        const auto firstShowing = [&](QObject *o, const QVariant &final) {
            for (std::size_t i = 0; i < log.paints.size(); ++i)
                if (log.paints[i].first == o && log.paints[i].second == final)
                    return int(i);
            return -1;
        };
        const int listAt = firstShowing(list->viewport(), list->lines());
        const int countAt = firstShowing(count, count->text());
        QVERIFY(listAt >= 0);
        QVERIFY(countAt >= 0);
        if (next)
            QVERIFY(firstShowing(next->viewport(), next->lines()) > std::max(listAt, countAt));
    }

    // The step view driven through its controls and keys.
    void stepView_data()
    {
        QTest::addColumn<int>("scenario");
        QTest::newRow("Space and Passo step once each") << 0;
        QTest::newRow("Enter runs and pauses") << 1;
        QTest::newRow("a new choice starts over") << 2;
        QTest::newRow("closing while running") << 3;
        QTest::newRow("F2 on a list, and its menu entry") << 4;
        QTest::newRow("one step repaints only its columns") << 5;
    }

    void stepView()
    {
        QFETCH(int, scenario);
        pin({mixed(5)});
        frmSort *w = open();
        QVERIFY(w);
        w->PassoPasso(1);
        QPointer<frmPassoSort> view = openViews(w).value(0);
        QVERIFY(view);
        QWidget *window = view->window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(window->focusWidget()->objectName(), QString("picBarre"));
        QLabel *comparisons = view->label("lblConfronti");
        QLabel *moves = view->label("lblMosse");
        QCOMPARE(comparisons->text(), QString("0"));
        QCOMPARE(moves->text(), QString("0"));
        const bool firstPairSwaps = mixed(5)[0] > mixed(5)[1];
        switch (scenario) {
        case 0:
            QTest::keyClick(window->focusWidget(), Qt::Key_Space); // "passata 1"
            QTest::keyClick(window->focusWidget(), Qt::Key_Space);
            QCOMPARE(comparisons->text(), QString("1"));
            QCOMPARE(moves->text(), QString(firstPairSwaps ? "1" : "0"));
            QCOMPARE(view->label("lblPasso")->text(),
                     firstPairSwaps ? QString("V(1) > V(2): scambio")
                                    : QString("V(1) ≤ V(2): nessuno scambio"));
            QTest::mouseClick(view->button("cmdPasso"), Qt::LeftButton);
            QCOMPARE(comparisons->text(), QString("2"));
            QVERIFY(view->label("lblPasso")->text().startsWith("V(2) "));
            break;
        case 1: {
            view->find<QSlider>("sldVelocita")->setValue(StepPlayer::levelCount() - 1);
            QTest::keyClick(window->focusWidget(), Qt::Key_Return);
            QCOMPARE(view->button("cmdAvvia")->text(), QString("Pausa"));
            QTRY_VERIFY(comparisons->text().remove(thousandsSeparator()).toLong() > 1000);
            QTest::keyClick(window->focusWidget(), Qt::Key_Enter);
            QCOMPARE(view->button("cmdAvvia")->text(), QString("Avvia"));
            const QString paused = comparisons->text();
            QTest::qWait(100);
            QCOMPARE(comparisons->text(), paused);
            QVERIFY(!view->player().isRunning());

            // Where the frames come late, no update is made before the frame
            // that shows the last one has been drawn.
            static std::vector<void *> frames;
            StepPlayer::setFrameWait([](void *context) { frames.push_back(context); });
            const auto drawAll = qScopeGuard([] {
                StepPlayer::setFrameWait(nullptr);
                for (void *context : std::exchange(frames, {}))
                    StepPlayer::frameShown(context);
            });
            QTest::keyClick(window->focusWidget(), Qt::Key_Return);
            const QString first = comparisons->text();
            QVERIFY(first != paused);
            QTest::qWait(100);
            QCOMPARE(comparisons->text(), first);
            QCOMPARE(frames.size(), std::size_t(1));
            StepPlayer::frameShown(std::exchange(frames, {}).front());
            QTRY_VERIFY(comparisons->text() != first);
            QTest::keyClick(window->focusWidget(), Qt::Key_Enter);
            break;
        }
        case 2: {
            auto *data = view->find<QComboBox>("cboDati");
            auto *sorts = view->find<QComboBox>("cboAlgoritmo");
            for (int i = 0; i < 5; ++i)
                view->button("cmdPasso")->click();
            view->button("cmdAvvia")->click();
            QVERIFY(view->player().isRunning());
            const long draws = rnd->draws;
            data->setCurrentIndex(4);
            emit data->activated(4);
            QVERIFY(!view->player().isRunning());
            QCOMPARE(rnd->draws, draws + 20);
            QCOMPARE(view->steps()->size(), 20);
            QCOMPARE(comparisons->text(), QString("0"));
            QCOMPARE(view->button("cmdAvvia")->text(), QString("Avvia"));
            view->button("cmdPasso")->click();
            sorts->setCurrentIndex(3);
            emit sorts->activated(3);
            QCOMPARE(window->windowTitle(), QString("Passo passo: Quick - prof. Orvalde"));
            QCOMPARE(view->steps()->algorithm(), 3);
            QCOMPARE(comparisons->text(), QString("0"));
            QVERIFY(view->button("cmdPasso")->isEnabled());
            view->button("cmdTutto")->click();
            std::vector<Integer> expected = view->steps()->values();
            QVERIFY(std::is_sorted(expected.begin(), expected.end()));
            QVERIFY(!view->button("cmdTutto")->isEnabled());
            data->setCurrentIndex(2);
            emit data->activated(2);
            QCOMPARE(view->steps()->size(), 1000);
            QCOMPARE(view->steps()->values()[1], Integer(1000));
            QVERIFY(view->button("cmdTutto")->isEnabled());
            view->button("cmdTutto")->click();
            QCOMPARE(moves->text(), grouped(168832));
            break;
        }
        case 3:
            view->button("cmdAvvia")->click();
            QTRY_VERIFY(comparisons->text().toLong() > 0);
            QTest::mouseClick(view->button("cmdFine"), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!view);
            QTest::qWait(50);
            QVERIFY(w->isLoaded());
            break;
        case 4: {
            focus(w->window());
            ListBox *shell = w->list("lstSort", 2);
            const QList<QAction *> actions = shell->actions();
            QCOMPARE(actions.size(), 1);
            QCOMPARE(actions.first()->text(), QString("Passo passo…"));
            QCOMPARE(actions.first()->shortcut(), QKeySequence(Qt::Key_F2));
            const std::unique_ptr<QMenu> menu(shell->createContextMenu());
            QCOMPARE(menu->actions().first(), actions.first()); // above "Copia"
            QVERIFY(actions.first()->isShortcutVisibleInContextMenu());
            shell->setFocus();
            QTest::keyClick(shell, Qt::Key_F2);
            QCOMPARE(openViews(w).size(), 2);
            QCOMPARE(openViews(w).last()->steps()->algorithm(), 2);
            focus(w->window());
            actions.first()->trigger();
            QCOMPARE(openViews(w).size(), 3);
            QCOMPARE(openViews(w).last()->steps()->algorithm(), 2);
            break;
        }
        case 5: {
            // Bubble's first comparison, V(1) with V(2), at the left edge.
            QWidget *bars = view->find<QWidget>("picBarre");
            view->button("cmdPasso")->click(); // "passata 1"
            QCoreApplication::processEvents();
            PaintedRegion painted(bars);
            view->button("cmdPasso")->click();
            QTRY_VERIFY(!painted.region.isEmpty());
            const QRect r = painted.region.boundingRect();
            QVERIFY2(r.width() < bars->width() / 20, qPrintable(QString::number(r.width())));
            QVERIFY(r.left() <= 3 + 6);
            painted.region = {};
            view->button("cmdTutto")->click();
            QTRY_VERIFY(!painted.region.isEmpty());
            // All of the bars that show: a window smaller than its page
            // (the test's screen is small) shows part of them.
            QCOMPARE(painted.region.boundingRect(), bars->visibleRegion().boundingRect());
            break;
        }
        }
    }

    void reopenRunsAfresh_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("FINE") << false;
        QTest::newRow("close box") << true;
    }

    // Closing and opening again loads the window anew: seeded again, titles
    // set again over the layout's placeholder, and a fresh comparison.
    void reopenRunsAfresh()
    {
        QFETCH(bool, byCloseBox);
        const Values first = mixed(3), second = mixed(4);
        pin({first, second});
        frmSort *w = open();
        QVERIFY(w);
        if (byCloseBox)
            QVERIFY(w->window()->close());
        else
            QTest::mouseClick(w->button("cmdFine"), Qt::LeftButton);
        QVERIFY(!w->isLoaded());
        QCOMPARE(rnd->draws, 1000L);
        clock.seconds = 50000.5f;
        QCOMPARE(open(), w);
        QCOMPARE(rnd->seeds, 2);
        QCOMPARE(rnd->lastSeed, 50000.5f);
        QCOMPARE(rnd->draws, 2000L);
        checkRun(w, second);
    }
};

QTEST_MAIN(tst_SortWindow)
#include "tst_sort_window.moc"
