// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The binary search window driven through its real controls: the sorted
// vector it lists, the traced search, the factorial calculator and its warning
// box, and what activation, re-activation and reopening do to each of them.
#include "frmPassoFattoriale.h"
#include "frmPassoRicBin.h"
#include "frmRicBin.h"
#include "frm_Quimbra.h"
#include "identity.h"
#include "support.h"
#include "window_support.h"
#include "widgets.h"
#include "zoom.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

using namespace quimbra;
using namespace quimbra::testing;

namespace {

// A draw that the window turns into exactly v: floor(r x 10000) = v.
double drawFor(int v)
{
    return (v + 0.5) / 10000.0;
}

// The first vector the window lists: 4, 7, then 10i - 3 (27, 37, ..., 9997).
int valueA(int i)
{
    return i == 1 ? 4 : i == 2 ? 7 : 10 * i - 3;
}

// The second: two zeros, then steps of ten up to 9970, and 9999 last.
int valueB(int i)
{
    return i == 1000 ? 9999 : std::max(0, (i - 2) * 10);
}

std::vector<int> sortedValues(int (*value)(int))
{
    std::vector<int> v;
    for (int i = 1; i <= 1000; ++i)
        v.push_back(value(i));
    return v;
}

// The values handed out in a scrambled order, so that the window must sort.
std::vector<double> scrambledDraws(const std::vector<int> &values, int step)
{
    std::vector<double> draws;
    const int n = static_cast<int>(values.size());
    for (int k = 0; k < n; ++k)
        draws.push_back(drawFor(values[static_cast<std::size_t>((k * step + 3) % n)]));
    return draws;
}

QStringList vectorLines(std::vector<int> values)
{
    std::sort(values.begin(), values.end());
    QStringList lines;
    for (std::size_t i = 0; i < values.size(); ++i)
        lines << QString::asprintf("%4d - %5d", int(i + 1), values[i]);
    return lines;
}

// Probe lines over vector A for the flattened (low, middle, high) triples.
QStringList probesOverA(const QList<int> &triples)
{
    QStringList lines;
    for (qsizetype k = 0; k + 2 < triples.size(); k += 3)
        lines << QStringLiteral("%1 - %2 - %3 : %4")
                     .arg(triples[k])
                     .arg(triples[k + 1])
                     .arg(triples[k + 2])
                     .arg(valueA(triples[k + 1]));
    return lines;
}

const QString Frame(22, QLatin1Char('*'));

// What the label shows for a factorial, given its digits.
QString factorialCaption(const QString &digits)
{
    return QStringLiteral("il Fattoriale \u00e8 \n") + digits;
}

bool isAscii(const QString &s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 128; });
}

// Everything seen of the one modal box that a press opened.
struct SeenBox
{
    bool seen = false;
    bool isMessageBox = false;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttonCount = 0;
    bool hasOk = false;
    Qt::WindowModality modality = Qt::NonModal;
    bool closedByOk = false;
    QSize iconSize; // the warning icon as drawn, in pixels before the screen's scaling
    qreal textPoints = 0;
};

} // namespace

class tst_RicBinWindow final : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedRandom> rnd;
    FixedClock clock;
    std::unique_ptr<frm_Quimbra> menu;
    QLocale originalLocale;

    const QStringList linesA = vectorLines(sortedValues(valueA));
    const QStringList linesB = vectorLines(sortedValues(valueB));

    // The first activation draws vector A, the next B, then A again, ...
    static std::vector<double> drawsAB()
    {
        std::vector<double> draws = scrambledDraws(sortedValues(valueA), 7);
        const std::vector<double> b = scrambledDraws(sortedValues(valueB), 13);
        draws.insert(draws.end(), b.begin(), b.end());
        return draws;
    }

    void startMenu(std::vector<double> draws)
    {
        rnd = std::make_unique<ScriptedRandom>(std::move(draws));
        menu = std::make_unique<frm_Quimbra>(*rnd, clock);
        QVERIFY(showMenu(*menu));
    }

    frmRicBin *open() { return openFromMenu(*menu, "cmdRicBin", &frm_Quimbra::ricBinSlot); }

    // Types the text into an emptied text box, key by key where the keyboard
    // can produce it.
    static void type(QLineEdit *box, const QString &text)
    {
        box->clear();
        if (isAscii(text) && text.size() <= 1000) {
            QTest::keyClicks(box, text);
            QCOMPARE(box->text(), text);
        } else {
            box->setText(text);
        }
    }

    static void search(frmRicBin *w, const QString &text)
    {
        type(w->textBox("txtX"), text);
        QTest::mouseClick(w->button("cmdRicBin"), Qt::LeftButton);
    }

    // Presses F2 in the window and returns the step view it opened, once active.
    static frmPassoRicBin *openStepView(frmRicBin *w)
    {
        const auto before = w->findChildren<frmPassoRicBin *>().size();
        QWidget *focused = w->window()->focusWidget();
        QTest::keyClick(focused ? focused : w->window(), Qt::Key_F2);
        const auto views = w->findChildren<frmPassoRicBin *>();
        if (views.size() != before + 1 || !QTest::qWaitForWindowActive(views.last()->window()))
            return nullptr;
        return views.last();
    }

    // Steps the view to its end one press of cmdPasso at a time: each step
    // adds the next line of the window's trace (the verdict's three at the
    // end) and keeps the middle in sight.
    static void stepThrough(frmPassoRicBin *view, const QStringList &expected)
    {
        const auto &search = view->search();
        QCOMPARE(view->list("lstPassi")->count(), 0);
        for (int step = 0; step < search.count(); ++step) {
            QTest::mouseClick(view->button("cmdPasso"), Qt::LeftButton);
            const auto shown = static_cast<qsizetype>(search.linesAfter(step));
            QCOMPARE(view->list("lstPassi")->lines(), expected.mid(0, shown));
            if (step < search.count() - 1) {
                const int middle = search.probes[std::size_t(step)].middle;
                QVERIFY(!view->column().rowRect(view->canvas()->area(), middle).isEmpty());
            }
        }
        QCOMPARE(view->list("lstPassi")->lines(), expected);
        QVERIFY(!view->button("cmdPasso")->isEnabled());
    }

    static void factorial(frmRicBin *w, const QString &text)
    {
        type(w->textBox("txtFatt"), text);
        QTest::mouseClick(w->button("cmdFattoriale"), Qt::LeftButton);
    }

    // F2 in the factorial's box opens its step view, on the number typed.
    static frmPassoFattoriale *openFactorialView(frmRicBin *w)
    {
        QLineEdit *box = w->textBox("txtFatt");
        w->window()->activateWindow();
        if (!QTest::qWaitForWindowActive(w->window()))
            return nullptr;
        box->setFocus();
        QTest::keyClick(box, Qt::Key_F2);
        const auto views = w->findChildren<frmPassoFattoriale *>();
        if (views.size() != 1 || !QTest::qWaitForWindowActive(views.last()->window()))
            return nullptr;
        return views.last();
    }

    // Presses the button and answers the modal box it opens, if any, by
    // clicking its OK button; a box that OK does not close is closed anyway
    // so that the test cannot hang.
    static SeenBox pressAndAnswer(QAbstractButton *button)
    {
        SeenBox seen;
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [&seen] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (seen.seen) {
                seen.closedByOk = false;
                modal->close();
                return;
            }
            seen.seen = true;
            seen.title = modal->windowTitle();
            seen.modality = modal->windowModality();
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box) {
                modal->close();
                return;
            }
            seen.isMessageBox = true;
            seen.text = box->text();
            seen.icon = box->icon();
            for (const QLabel *label : box->findChildren<QLabel *>())
                if (!label->pixmap().isNull())
                    seen.iconSize = label->pixmap().deviceIndependentSize().toSize();
            seen.textPoints = box->font().pointSizeF();
            seen.buttonCount = box->buttons().size();
            QAbstractButton *ok = box->button(QMessageBox::Ok);
            seen.hasOk = ok != nullptr;
            if (!ok) {
                box->close();
                return;
            }
            seen.closedByOk = true;
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        timer.start();
        QTest::mouseClick(button, Qt::LeftButton);
        timer.stop();
        return seen;
    }

private slots:
    void initTestCase()
    {
        applyIdentity(*qApp);
        originalLocale = QLocale();
    }

    void init()
    {
        clock.seconds = 36000.25f;
        startMenu(drawsAB());
    }

    void cleanup()
    {
        closeAllWindows();
        menu.reset();
        QLocale::setDefault(originalLocale);
    }

    void vectorAfterOpening_data()
    {
        QTest::addColumn<QList<int>>("values");
        auto row = [](const char *name, const std::vector<int> &v) {
            QTest::newRow(name) << QList<int>(v.begin(), v.end());
        };
        std::vector<int> ascending, descending, zeros(1000, 0), nines(1000, 9999), repeats, wide;
        for (int i = 0; i < 1000; ++i) {
            ascending.push_back(i * 10);
            descending.push_back(9999 - i * 10);
        }
        QRandomGenerator gen(20240611);
        for (int i = 0; i < 1000; ++i) {
            repeats.push_back(int(gen.bounded(40)) * 250); // few values, many repeats
            wide.push_back(int(gen.bounded(10000)));
        }
        row("scrambled distinct", [] {
            std::vector<int> v;
            for (double r : scrambledDraws(sortedValues(valueA), 7))
                v.push_back(int(r * 10000));
            return v;
        }());
        row("already ascending", ascending);
        row("descending", descending);
        row("all equal 0", zeros);
        row("all equal 9999", nines);
        row("many repeats", repeats);
        row("random over 0..9999", wide);
    }

    // The whole list, line by line, against the sorted values; and the shape
    // every listing must have.
    void vectorAfterOpening()
    {
        QFETCH(QList<int>, values);
        std::vector<double> draws;
        for (int v : values)
            draws.push_back(drawFor(v));
        cleanup();
        startMenu(draws);

        frmRicBin *w = open();
        QVERIFY(w && w->isLoaded());
        QCOMPARE(rnd->draws, 1000L);
        const QStringList lines = w->list("lstV")->lines();
        QCOMPARE(lines.size(), 1000);
        QCOMPARE(w->list("lstV")->count(), 1000);
        QVERIFY(lines.first().startsWith("   1 - "));
        QVERIFY(lines.last().startsWith("1000 - "));
        int previous = -1;
        for (int i = 0; i < lines.size(); ++i) {
            const QString &line = lines[i];
            QCOMPARE(line.size(), 12);
            QCOMPARE(line.left(4).trimmed().toInt(), i + 1);
            QCOMPARE(line.mid(4, 3), QString(" - "));
            bool ok = false;
            const int value = line.mid(7).trimmed().toInt(&ok);
            QVERIFY(ok);
            QCOMPARE(line.at(7), QLatin1Char(' '));
            QVERIFY2(value >= previous, qPrintable(line));
            QVERIFY(value >= 0 && value <= 9999);
            previous = value;
        }
        QCOMPARE(lines, vectorLines(std::vector<int>(values.begin(), values.end())));
    }

    void zeroAtPositionTwo()
    {
        open();
        focus(menu->window());
        focus(menu->ricBinSlot()->window()); // vector B: 0, 0, 10, ...
        const QStringList lines = menu->ricBinSlot()->list("lstV")->lines();
        QCOMPARE(lines.mid(0, 3), QStringList({"   1 -     0", "   2 -     0", "   3 -    10"}));
        QCOMPARE(lines.last(), QString("1000 -  9999"));
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("triples");
        QTest::addColumn<QString>("verdict");

        const QList<int> leftmost = {1, 500, 1000, 1, 250, 499, 1, 125, 249, 1, 62, 124, 1, 31, 61,
                                     1,  15, 30,   1, 7,   14,  1, 3,   6,   1, 1,  2};
        const QList<int> rightmost = {1,   500, 1000, 501, 750, 1000, 751,  875,  1000, 876,
                                      938, 1000, 939, 969, 1000, 970, 985,  1000, 986,  993,
                                      1000, 994, 997, 1000, 998, 999, 1000, 1000, 1000, 1000};
        const QList<int> toSecond = leftmost + QList<int>{2, 2, 2};
        const QList<int> to499 = {1,   500, 1000, 1,   250, 499, 251, 375, 499, 376,
                                  437, 499, 438, 468, 499, 469, 484, 499, 485, 492,
                                  499, 493, 496, 499, 497, 498, 499, 499, 499, 499};
        const QString notThere = QStringLiteral(" NON c'\u00e8 ! ***");
        const QString found = QStringLiteral(" TROVATO ! ***");
        auto row = [](const char *name, const QString &text, const QList<int> &t, const QString &v) {
            QTest::newRow(name) << text << t << v;
        };

        row("below every value", "-5", leftmost, "***   -5" + notThere);
        row("above every value", "10000", rightmost, "*** 0000" + notThere);
        row("found in the middle", "4987", to499, "*** 4987" + found);
        row("first value", "4", leftmost, "***    4" + found);
        row("last value", "9997", rightmost, "*** 9997" + found);
        row("absent", "12", toSecond, "***   12" + notThere);
        row("4.5 rounds to even 4", "4.5", leftmost, "***  4.5" + found);
        row("3.5 rounds to even 4", "3.5", leftmost, "***  3.5" + found);
        row("6.5 rounds to even 6", "6.5", toSecond, "***  6.5" + notThere);
        row("6.51 rounds up to 7", "6.51", toSecond, "*** 6.51" + found);
        row("trailing letters", "7abc", toSecond, "*** 7abc" + found);
        row("blanks inside the number", " 4 9 8 7", to499, "***  8 7" + found);
        row("exponent", "4.987E3", to499, "*** 87E3" + found);
        row("hexadecimal", "&H7", toSecond, "***  &H7" + found);
        row("above the range", "99999", rightmost, "*** 9999" + notThere);
        row("below the range", "-99999", leftmost, "*** 9999" + notThere);
        row("largest Integer", "32767", rightmost, "*** 2767" + notThere);
        row("huge exponent", "1E99999", rightmost, "*** 9999" + notThere);
        row("huge negative exponent", "-1E99999", leftmost, "*** 9999" + notThere);
        row("thousand digits", QString(1000, '7'), rightmost, "*** 7777" + notThere);
        row("accent at the end", QStringLiteral("4987\u00e8"), to499,
            QStringLiteral("*** 987\u00e8") + found);
        row("short text with accent", QStringLiteral("5\u00e8"), toSecond,
            QStringLiteral("***   5\u00e8") + notThere);
        row("emoji", QStringLiteral("7\U0001F600"), toSecond,
            QStringLiteral("***   7\U0001F600") + found);
        row("emoji in the last four", QStringLiteral("12345\U0001F600"), rightmost,
            QStringLiteral("*** 345\U0001F600") + notThere);
    }

    void search()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, triples);
        QFETCH(QString, verdict);

        frmRicBin *w = open();
        QCOMPARE(w->list("lstV")->lines(), linesA);
        search(w, text);
        const QStringList expected = probesOverA(triples) << Frame << verdict << Frame;
        QCOMPARE(w->list("lstRB")->lines(), expected);
        QCOMPARE(w->textBox("txtX")->text(), text); // the text box keeps what was typed
        QCOMPARE(rnd->draws, 1000L);                 // a search draws nothing
        QCOMPARE(w->list("lstV")->lines(), linesA);

        // The step view of the same text ends with the very same lines.
        frmPassoRicBin *view = openStepView(w);
        QVERIFY(view);
        QCOMPARE(view->textBox("txtX")->text(), text);
        stepThrough(view, expected);
    }

    void searchTwiceGivesSameList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("found") << "4987";
        QTest::newRow("not found") << "-5";
        QTest::newRow("nothing") << "abc";
    }

    void searchTwiceGivesSameList()
    {
        QFETCH(QString, text);
        frmRicBin *w = open();
        search(w, text);
        const QStringList first = w->list("lstRB")->lines();
        QTest::mouseClick(w->button("cmdRicBin"), Qt::LeftButton);
        QCOMPARE(w->list("lstRB")->lines(), first);
        QVERIFY(first.size() <= 13);
    }

    void textThatReadsAsZeroEmptiesTheTrace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("zero") << "0";
        QTest::newRow("letters") << "abc";
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("accent first") << QStringLiteral("\u00e85");
        QTest::newRow("emoji first") << QStringLiteral("\U0001F6005");
        QTest::newRow("0.4 rounds to 0") << "0.4";
        QTest::newRow("0.5 rounds to even 0") << "0.5";
        QTest::newRow("-0.5 rounds to even 0") << "-0.5";
        QTest::newRow("comma is no decimal point") << "0,7";
        QTest::newRow("comma first") << ",7";
        QTest::newRow("sign alone") << "-";
    }

    void textThatReadsAsZeroEmptiesTheTrace()
    {
        QFETCH(QString, text);
        frmRicBin *w = open();
        QCOMPARE(w->list("lstRB")->count(), 0);
        search(w, "12");
        QCOMPARE(w->list("lstRB")->count(), 13);
        search(w, text);
        QCOMPARE(w->list("lstRB")->count(), 0);
        QCOMPARE(w->textBox("txtX")->text(), text);

        // Nothing to step either; the view asks for a number.
        frmPassoRicBin *view = openStepView(w);
        QVERIFY(view);
        QCOMPARE(view->search().count(), 0);
        QCOMPARE(view->list("lstPassi")->count(), 0);
        QVERIFY(!view->button("cmdPasso")->isEnabled());
        QCOMPARE(view->label("lblPasso")->text(),
                 QString("Scrivi un numero diverso da 0 da cercare nel vettore"));
    }

    // Each view keeps the vector it was opened on, while the window draws a
    // new one when it is active again; an edit of the view's txtX searches
    // that copy anew; the keys step and run; the lists' menus open views too.
    void stepViewsKeepTheirOwnVector()
    {
        frmRicBin *w = open(); // vector A
        type(w->textBox("txtX"), "4987");
        for (const char *name : {"lstV", "lstRB"}) {
            const QList<QAction *> actions = w->list(name)->actions();
            QCOMPARE(actions.size(), 1);
            QCOMPARE(actions[0]->text(), QStringLiteral("Passo passo\u2026"));
            QCOMPARE(actions[0]->shortcut(), QKeySequence(Qt::Key_F2));
        }
        w->list("lstRB")->actions()[0]->trigger();
        const auto views = w->findChildren<frmPassoRicBin *>();
        QCOMPARE(views.size(), 1);
        frmPassoRicBin *onA = views[0];
        QVERIFY(QTest::qWaitForWindowActive(onA->window()));

        focus(w->window()); // back to the window: vector B
        QCOMPARE(w->list("lstV")->lines(), linesB);
        frmPassoRicBin *onB = openStepView(w);
        QVERIFY(onB && onA->isLoaded());

        std::array<Integer, 1001> A{};
        const std::vector<int> a = sortedValues(valueA);
        std::copy(a.begin(), a.end(), A.begin() + 1);
        focus(onA->window());
        type(onA->textBox("txtX"), "4980");
        QCOMPARE(onA->list("lstPassi")->count(), 0);
        QTest::keyClick(onA->canvas(), Qt::Key_Space); // Space steps
        QCOMPARE(onA->list("lstPassi")->count(), 1);
        QTest::keyClick(onA->canvas(), Qt::Key_Return); // Enter runs to the end
        QTRY_COMPARE(onA->list("lstPassi")->lines(), toQt(ricbin::SearchLines(A, 1000, "4980")));
        QCOMPARE(onB->search().lines.front(), std::string("1 - 500 - 1000 : 4980"));
        QCOMPARE(rnd->draws, 2000L); // the views draw nothing
    }

    void factorial_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("digits");

        // The second line under Italian settings.
        const QList<std::pair<QString, QString>> table = {
            {"0", "1"},
            {"1", "1"},
            {"2", "2"},
            {"3", "6"},
            {"4", "24"},
            {"5", "120"},
            {"6", "720"},
            {"7", "5.040"},
            {"8", "40.320"},
            {"9", "362.880"},
            {"10", "3.628.800"},
            {"11", "39.916.800"},
            {"12", "479.001.600"},
            {"12.4", "479.001.600"},
            {"12.5", "479.001.600"},
            {"11.5", "479.001.600"},
            {"-4", "1"},
            {"-32768", "1"},
            {"-99999", "1"},
            {"-1E99999", "1"},
            {"", "1"},
            {"abc", "1"},
            {"7abc", "5.040"},
            {" 1 0", "3.628.800"},
            {"&HC", "479.001.600"},
        };
        const QLocale french(QLocale::French, QLocale::France);
        const QList<std::pair<const char *, QLocale>> locales = {
            {"it", QLocale(QLocale::Italian, QLocale::Italy)},
            {"en", QLocale(QLocale::English, QLocale::UnitedStates)},
            {"C", QLocale::c()},
            {"fr", french},
        };
        for (const auto &[localeName, locale] : locales) {
            QString separator = ".";
            if (locale.language() == QLocale::English)
                separator = ",";
            else if (locale.language() == QLocale::French)
                separator = french.groupSeparator();
            for (const auto &[text, digits] : table) {
                QString shown = digits;
                shown.replace('.', separator);
                QTest::addRow("%s: \"%s\"", localeName, qPrintable(text)) << locale << text << shown;
            }
        }
    }

    void factorial()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(QString, digits);
        QLocale::setDefault(locale);

        frmRicBin *w = open();
        QCOMPARE(w->label("lblFatt")->text(), QString());
        factorial(w, text);
        QCOMPARE(w->label("lblFatt")->text(), factorialCaption(digits));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(w->list("lstV")->lines(), linesA); // the calculator leaves the vector alone
        QCOMPARE(rnd->draws, 1000L);
        if (locale.language() == QLocale::French)
            return;
        // Step by step: in and out again, one step for each call going in
        // (but the first) and one for each return, to the window's result.
        frmPassoFattoriale *view = openFactorialView(w);
        QVERIFY(view);
        QCOMPARE(view->textBox("txtNumero")->text(), text);
        const int n = std::clamp(int(textToInteger(text.toStdString())), 1, 12);
        QCOMPARE(view->player().stepper()->count(), 2 * n - 1);
        QList<QStringList> forward;
        for (int step = 0; step < 2 * n - 1; ++step) {
            QTest::mouseClick(view->button("cmdPasso"), Qt::LeftButton);
            forward << view->list("lstChiamate")->lines();
            QCOMPARE(forward.last().size(), step < n ? step + 2 - (step == n - 1) : 2 * n - 1 - step);
        }
        QVERIFY(view->label("lblPasso")->text().endsWith(digits) ||
                view->label("lblPasso")->text().contains(" = " + digits + ":"));
        QVERIFY(view->list("lstChiamate")->lines().first().endsWith(" = " + digits));
        for (int step = 2 * n - 2; step > 0; --step) {
            QTest::keyClick(view->window(), Qt::Key_Left);
            QCOMPARE(view->list("lstChiamate")->lines(), forward[step - 1]);
        }
        QTest::mouseClick(view->button("cmdFine"), Qt::LeftButton);
    }

    void numberAboveTwelveIsRefused_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("text");
        QTest::newRow("13") << "5" << "13";
        QTest::newRow("13, nothing shown before") << "" << "13";
        QTest::newRow("12.6 rounds to 13") << "12" << "12.6";
        QTest::newRow("12.5000001 rounds to 13") << "7" << "12.5000001";
        QTest::newRow("largest Integer") << "5" << "32767";
        QTest::newRow("above the range") << "5" << "99999";
        QTest::newRow("huge exponent") << "5" << "1E99999";
        QTest::newRow("thousand digits") << "5" << QString(1000, '9');
        QTest::newRow("hexadecimal 13") << "5" << "&HD";
    }

    void numberAboveTwelveIsRefused()
    {
        QFETCH(QString, before);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        frmRicBin *w = open();
        if (!before.isEmpty())
            factorial(w, before);
        const QString shown = w->label("lblFatt")->text();

        type(w->textBox("txtFatt"), text);
        const SeenBox box = pressAndAnswer(w->button("cmdFattoriale"));
        QVERIFY(box.seen);
        QVERIFY(box.isMessageBox);
        QCOMPARE(box.text, QString("Numero troppo grande, al massimo calcolo il fattoriale di 12"));
        QVERIFY(box.closedByOk);
        QCOMPARE(w->label("lblFatt")->text(), shown);
        QCOMPARE(w->textBox("txtFatt")->text(), text);
        QVERIFY(w->isLoaded());
        // The step view says the same and shows nothing else.
        frmPassoFattoriale *view = openFactorialView(w);
        QVERIFY(view);
        QCOMPARE(view->label("lblPasso")->text(), box.text);
        QCOMPARE(view->player().stepper()->count(), 0);
        QVERIFY(!view->button("cmdPasso")->isEnabled());
        QCOMPARE(view->list("lstChiamate")->count(), 0);
        QCOMPARE(view->list("lstCodice")->count(), 0);
    }

    // The box itself, and that closing it is no return to the window while
    // moving to the menu and back is.
    void warningBox()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        frmRicBin *w = open();
        QWidget *window = w->window();
        QCOMPARE(rnd->draws, 1000L);
        factorial(w, "9");
        search(w, "12");
        const QString shown = w->label("lblFatt")->text();
        QCOMPARE(shown, factorialCaption("362.880"));
        const QStringList trace = w->list("lstRB")->lines();

        type(w->textBox("txtFatt"), "13");
        const SeenBox box = pressAndAnswer(w->button("cmdFattoriale"));
        QVERIFY(box.seen);
        QVERIFY(box.isMessageBox);
        QCOMPARE(box.text, QString("Numero troppo grande, al massimo calcolo il fattoriale di 12"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.title, QString("Quimbra"));
        QCOMPARE(box.buttonCount, qsizetype(1));
        QVERIFY(box.hasOk);
        QCOMPARE(box.modality, Qt::ApplicationModal);
        QVERIFY(box.closedByOk);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        QVERIFY(QTest::qWaitForWindowActive(window));
        QCoreApplication::processEvents();
        QCOMPARE(w->label("lblFatt")->text(), shown);
        QCOMPARE(rnd->draws, 1000L);
        QCOMPARE(w->list("lstV")->lines(), linesA);
        QCOMPARE(w->list("lstRB")->lines(), trace);

        focus(menu->window());
        focus(window);
        QCOMPARE(rnd->draws, 2000L);
        QCOMPARE(w->list("lstV")->lines(), linesB);
        QCOMPARE(w->label("lblFatt")->text(), shown);
        QCOMPARE(rnd->seeds, 1);
    }

    void warningBoxFollowsTheZoom_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::newRow("100 %") << 100;
        QTest::newRow("150 %") << 150;
        QTest::newRow("300 %") << 300;
    }

    // At the projector the box is as large as the windows: its text, and its
    // icon too, grow with the zoom; at 100 % it is the toolkit's own box.
    void warningBoxFollowsTheZoom()
    {
        QFETCH(int, zoom);
        frmRicBin *w = open();
        type(w->textBox("txtFatt"), "13");
        const SeenBox plain = pressAndAnswer(w->button("cmdFattoriale"));
        setZoom(zoom);
        const SeenBox box = pressAndAnswer(w->button("cmdFattoriale"));
        setZoom(100);
        QVERIFY(plain.closedByOk && box.closedByOk);
        QCOMPARE(box.icon, QMessageBox::Warning);
        QVERIFY(!plain.iconSize.isEmpty());
        QCOMPARE(box.iconSize, plain.iconSize * zoom / 100);
        QCOMPARE(plain.textPoints, QApplication::font("QMessageBox").pointSizeF());
        QCOMPARE(box.textPoints, plain.textPoints * zoom / 100);
    }

    void reactivationKeepsTraceAndResult_data()
    {
        QTest::addColumn<bool>("byMenuButton");
        QTest::newRow("moving to the menu and back") << false;
        QTest::newRow("pressing the menu button again") << true;
    }

    void reactivationKeepsTraceAndResult()
    {
        QFETCH(bool, byMenuButton);
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        frmRicBin *w = open();
        QWidget *window = w->window();
        search(w, "4987");
        factorial(w, "10");
        const QStringList trace = w->list("lstRB")->lines();
        QCOMPARE(trace.size(), 13);

        focus(menu->window());
        if (byMenuButton)
            open();
        else
            focus(window);
        QCOMPARE(menu->ricBinSlot(), w);
        QCOMPARE(w->window(), window);
        QCOMPARE(rnd->draws, 2000L);
        QCOMPARE(rnd->seeds, 1);
        QCOMPARE(w->list("lstV")->lines(), linesB);
        QCOMPARE(w->list("lstRB")->lines(), trace);
        QCOMPARE(w->label("lblFatt")->text(), factorialCaption("3.628.800"));
        QCOMPARE(w->textBox("txtX")->text(), QString("4987"));
        QCOMPARE(w->textBox("txtFatt")->text(), QString("10"));

        // The next search runs over the new vector: B(500) = 4980.
        search(w, "4980");
        QCOMPARE(w->list("lstRB")->lines(),
                 QStringList({"1 - 500 - 1000 : 4980", Frame, "*** 4980 TROVATO ! ***", Frame}));
    }

    void closingAndReopeningStartsAfresh()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        frmRicBin *w = open();
        QCOMPARE(rnd->seeds, 1);
        QCOMPARE(rnd->lastSeed, clock.seconds);
        search(w, "4987");
        factorial(w, "12");
        QCOMPARE(w->list("lstRB")->count(), 13);
        QCOMPARE(w->label("lblFatt")->text(), factorialCaption("479.001.600"));

        QPointer<QWidget> old = w->window();
        QTest::mouseClick(w->button("cmdFine"), Qt::LeftButton);
        QVERIFY(!w->isLoaded());
        QTRY_VERIFY(old.isNull());
        QCOMPARE(rnd->draws, 1000L); // closing runs nothing

        clock.seconds = 50000.5f;
        QCOMPARE(open(), w);
        QVERIFY(w->isLoaded());
        QCOMPARE(rnd->seeds, 2);
        QCOMPARE(rnd->lastSeed, 50000.5f);
        QCOMPARE(rnd->draws, 2000L);
        QCOMPARE(w->list("lstV")->lines(), linesB);
        QCOMPARE(w->list("lstRB")->count(), 0);
        QCOMPARE(w->textBox("txtX")->text(), QString());
        QCOMPARE(w->textBox("txtFatt")->text(), QString());
        QCOMPARE(w->label("lblFatt")->text(), QString());

        search(w, "4987");
        const QStringList after = w->list("lstRB")->lines();
        QCOMPARE(after.size(), 12); // B(501) = 4990 is the ninth and last probe
        QCOMPARE(after.at(8), QString("501 - 501 - 502 : 4990"));
        QCOMPARE(after.mid(9), QStringList({Frame, QStringLiteral("*** 4987 NON c'\u00e8 ! ***"), Frame}));
    }
};

QTEST_MAIN(tst_RicBinWindow)
#include "tst_ricbin_window.moc"
