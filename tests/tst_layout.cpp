// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window built from its layout table: names, places, captions, fonts,
// colours, tab order and the focus a window starts with.
#include "form.h"
#include "frmABR.h"
#include "identity.h"
#include "layout.h"
#include "support.h"
#include "widgets.h"

#include <QGroupBox>
#include <QScrollBar>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace quimbra;

Q_DECLARE_METATYPE(const FormLayout *)

namespace {

const FormLayout *const allLayouts[] = {&menuLayout(), &ricBinLayout(), &abrLayout(),
                                        &sortLayout()};

QString captionOf(QWidget *w)
{
    if (auto *b = qobject_cast<QPushButton *>(w))
        return b->text();
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *g = qobject_cast<QGroupBox *>(w))
        return g->title();
    if (auto *t = qobject_cast<QLineEdit *>(w))
        return t->text();
    return {};
}

QWidget *find(QWidget *window, const ControlSpec &c)
{
    for (QWidget *w : window->findChildren<QWidget *>(QString::fromUtf8(c.name))) {
        const QVariant i = w->property("Index");
        if (c.index < 0 ? !i.isValid() : (i.isValid() && i.toInt() == c.index))
            return w;
    }
    return nullptr;
}

} // namespace

class tst_Layout final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        applyIdentity(*qApp);
    }

    void controls_data()
    {
        QTest::addColumn<const FormLayout *>("layout");
        QTest::addColumn<int>("row");
        for (const FormLayout *l : allLayouts)
            for (int r = 0; r < static_cast<int>(l->controls.size()); ++r) {
                const ControlSpec &c = l->controls[r];
                const QByteArray name = QByteArray(l->name) + "/" + c.name +
                                        (c.index >= 0 ? "(" + QByteArray::number(c.index) + ")" : "");
                QTest::newRow(name.constData()) << l << r;
            }
    }

    void controls()
    {
        QFETCH(const FormLayout *, layout);
        QFETCH(int, row);
        const ControlSpec &c = layout->controls[row];
        Form form(*layout);
        form.Show();
        QWidget *w = find(form.window(), c);
        QVERIFY2(w, c.name);
        QCOMPARE(w->parentWidget()->objectName(),
                 QString::fromUtf8(c.container ? c.container : layout->name));
        QCOMPARE(w->geometry(), QRect(px(c.left), px(c.top), px(c.width), px(c.height)));
        QCOMPARE(captionOf(w), c.caption ? QString::fromUtf8(c.caption) : QString());
        QCOMPARE(w->font().pointSizeF(), c.font.points);
        QCOMPARE(w->font().bold(), c.font.bold);
        QCOMPARE(QFontInfo(w->font()).fixedPitch(), c.font.face == Face::Mono);
        const bool focusable = c.kind == Kind::Button || c.kind == Kind::ListBox ||
                               c.kind == Kind::TextBox;
        QCOMPARE(w->focusPolicy() != Qt::NoFocus, focusable);
        if (focusable)
            QVERIFY2(!w->accessibleName().isEmpty(), "a screen reader needs its purpose");
        const bool field = c.kind == Kind::ListBox || c.kind == Kind::TextBox;
        if (c.background.role == Colour::Rgb)
            QCOMPARE(w->palette().color(field ? QPalette::Base : QPalette::Window),
                     QColor(c.background.rgb));
        if (c.text.role == Colour::Rgb)
            QCOMPARE(w->palette().color(field ? QPalette::Text : QPalette::WindowText),
                     QColor(c.text.rgb));
        if (auto *b = qobject_cast<QPushButton *>(w))
            QVERIFY(!b->isDefault());
        form.Unload();
    }

    void windows_data()
    {
        QTest::addColumn<const FormLayout *>("layout");
        QTest::addColumn<QString>("firstFocus");
        QTest::newRow("menu") << &menuLayout() << "cmdFine";
        QTest::newRow("ricbin") << &ricBinLayout() << "txtX";
        QTest::newRow("abr") << &abrLayout() << "cmdFine";
        QTest::newRow("sort") << &sortLayout() << "cmdFine";
    }

    // Caption, fixed size, title-bar buttons, icon, and where the focus starts.
    void windows()
    {
        QFETCH(const FormLayout *, layout);
        QFETCH(QString, firstFocus);
        Form form(*layout);
        form.Show();
        QWidget *w = form.window();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(w->objectName(), QString::fromUtf8(layout->name));
        QCOMPARE(w->windowTitle(), QString::fromUtf8(layout->caption));
        QVERIFY(w->windowTitle().endsWith(" - prof. Orvalde"));
        QCOMPARE(w->size(), QSize(px(layout->width), px(layout->height)));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!w->windowIcon().isNull());
        QVERIFY(w->windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(w->windowIcon().availableSizes().contains(QSize(32, 32)));
        QVERIFY(w->focusWidget());
        QCOMPARE(w->focusWidget()->objectName(), firstFocus);
        form.Unload();
    }

    // Tab visits buttons, text boxes and lists in table order and comes back round.
    void tabOrder_data()
    {
        windows_data();
    }

    void tabOrder()
    {
        QFETCH(const FormLayout *, layout);
        Form form(*layout);
        form.Show();
        QWidget *w = form.window();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QStringList expected;
        for (const ControlSpec &c : layout->controls)
            if (c.kind == Kind::Button || c.kind == Kind::ListBox || c.kind == Kind::TextBox)
                expected << QString::fromUtf8(c.name) +
                                (c.index >= 0 ? QString::number(c.index) : QString());
        QStringList visited;
        for (int i = 0; i < expected.size() + 1; ++i) {
            QWidget *f = w->focusWidget();
            const QVariant index = f->property("Index");
            visited << f->objectName() + (index.isValid() ? index.toString() : QString());
            QTest::keyClick(f, Qt::Key_Tab);
        }
        QCOMPARE(visited.mid(0, expected.size()), expected);
        QCOMPARE(visited.last(), expected.first());
        form.Unload();
    }

    // The menu's buttons stand in one column, "Fine" after a wider gap.
    void menuColumn()
    {
        Form form(menuLayout());
        form.Show();
        const auto *fine = form.button("cmdFine");
        const auto *sort = form.button("cmdSort");
        const auto *ricbin = form.button("cmdRicBin");
        const auto *abr = form.button("cmdABR");
        QCOMPARE(sort->x(), fine->x());
        QVERIFY(sort->y() < ricbin->y() && ricbin->y() < abr->y() && abr->y() < fine->y());
        QVERIFY(fine->y() - abr->y() > abr->y() - ricbin->y());
        QCOMPARE(form.window()->palette().color(QPalette::Window), QColor(192, 255, 255));
        form.Unload();
    }

    // The unseen SORT button lies below the client area; FINE ends at its edge.
    void sortHiddenButton()
    {
        Form form(sortLayout());
        form.Show();
        QWidget *w = form.window();
        QVERIFY(form.button("cmdSort")->y() >= w->height());
        QCOMPARE(form.button("cmdFine")->geometry().bottom() + 1, w->height());
        form.Unload();
    }

    void treeListsShowEveryLineWhole_data()
    {
        QTest::addColumn<QString>("list");
        for (const char *name : {"lstVet", "lstX", "lstABR", "lstV", "lstRic"})
            QTest::newRow(name) << name;
    }

    // The tree window's lists are sized for their lines: all of them in view,
    // none cut, no scroll bar.
    void treeListsShowEveryLineWhole()
    {
        QFETCH(QString, list);
        testing::ScriptedRandom rnd(std::vector<double>{0.9995, 0.0005, 0.5});
        testing::FixedClock clock;
        frmABR form(rnd, clock);
        form.Show();
        form.textBox("txtX")->setText("-1000");
        form.cmdRicerca_Click();
        form.cmdV_Click(2);
        ListBox *box = form.list(list.toUtf8().constData());
        QVERIFY(box->count() > 0);
        QCOMPARE(box->verticalScrollBar()->maximum(), 0);
        const int margin = box->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, box) + 1;
        const QFontMetrics metrics(box->font());
        // The dash rules under the titles are longer than the rows they
        // underline and run into the edge; every other line must fit.
        static const QRegularExpression rule("^-+$");
        for (const QString &line : box->lines())
            if (!rule.match(line).hasMatch())
                QVERIFY2(metrics.horizontalAdvance(line) + 2 * margin <= box->viewport()->width(),
                         qPrintable(line));
        form.Unload();
    }

    void listsKeepOrderAndCutLongLines()
    {
        Form form(ricBinLayout());
        form.Show();
        ListBox *l = form.list("lstRB");
        l->setLines({"b", "a", std::string(200, 'x')});
        QCOMPARE(l->lines(), QStringList({"b", "a", QString(200, 'x')}));
        QCOMPARE(l->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(l->selectionMode(), QAbstractItemView::SingleSelection);
        form.Unload();
    }
};

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
