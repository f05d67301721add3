// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window built from its layout table: names, places, captions, fonts,
// colours, tab order and the focus a window starts with.
#include "form.h"
#include "frmABR.h"
#include "frmPassoABR.h"
#include "frmPassoRicBin.h"
#include "frmPassoSort.h"
#include "frmRicBin.h"
#include "frmSort.h"
#include "frm_Quimbra.h"
#include "frmGrafico.h"
#include "identity.h"
#include "layout.h"
#include "support.h"
#include "widgets.h"
#include "zoom.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

using namespace quimbra;

Q_DECLARE_METATYPE(const FormLayout *)

namespace {

const FormLayout *const allLayouts[] = {&menuLayout(), &ricBinLayout(), &abrLayout(),
                                        &sortLayout(), &passoSortLayout(),
                                        &passoRicBinLayout(), &passoAbrLayout(),
                                        &graficoLayout()};

QString captionOf(QWidget *w)
{
    if (auto *b = qobject_cast<QAbstractButton *>(w))
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

// The frame alone (not the controls in it) over the colour beneath it, as
// a plain QGroupBox with its caption, colours, font and size draws: the same
// pixels, give or take one level of 255 where a blend rounds the other way.
bool looksLikeGroupBox(GroupFrame *frame)
{
    frame->repaint(); // its picture drawn for what it shows now
    QGroupBox plain(frame->title(), frame->parentWidget());
    plain.setPalette(frame->palette());
    plain.setFont(frame->font());
    plain.setGeometry(frame->geometry());
    plain.setAutoFillBackground(frame->autoFillBackground());
    const QColor beneath = frame->window()->palette().color(QPalette::Window);
    const auto picture = [&](QWidget *w) {
        QImage image(w->size(), QImage::Format_ARGB32);
        image.fill(beneath);
        w->render(&image, {}, {}, QWidget::DrawWindowBackground);
        return image;
    };
    const QImage mine = picture(frame), theirs = picture(&plain);
    for (int y = 0; y < mine.height(); ++y)
        for (int x = 0; x < mine.width(); ++x) {
            const QRgb a = mine.pixel(x, y), b = theirs.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) > 1 || std::abs(qGreen(a) - qGreen(b)) > 1 ||
                std::abs(qBlue(a) - qBlue(b)) > 1 || qAlpha(a) != qAlpha(b))
                return false;
        }
    return true;
}

// The menu's table, resolved with a control that it lacks or holds under
// another type.
class BrokenForm final : public Form
{
public:
    BrokenForm(QString name, bool asLabel) : Form(menuLayout()), name_(std::move(name)), asLabel_(asLabel) {}

private:
    void connectControls() override
    {
        const QByteArray name = name_.toUtf8();
        if (asLabel_)
            need<QLabel>(name.constData());
        else
            need<QPushButton>(name.constData());
    }
    QString name_;
    bool asLabel_;
};

class tst_Layout final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        applyIdentity(*qApp);
    }

    void cleanup()
    {
        setZoom(100);
    }

    void controls_data()
    {
        QTest::addColumn<const FormLayout *>("layout");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("zoom"); // applied once the window is shown
        for (int zoom : {100, 150, 250})
            for (const FormLayout *l : allLayouts)
                for (int r = 0; r < static_cast<int>(l->controls.size()); ++r) {
                    const ControlSpec &c = l->controls[r];
                    const QByteArray name =
                        QByteArray::number(zoom) + "%/" + l->name + "/" + c.name +
                        (c.index >= 0 ? "(" + QByteArray::number(c.index) + ")" : "");
                    QTest::newRow(name.constData()) << l << r << zoom;
                }
    }

    void controls()
    {
        QFETCH(const FormLayout *, layout);
        QFETCH(int, row);
        QFETCH(int, zoom);
        const ControlSpec &c = layout->controls[row];
        Form form(*layout);
        form.Show();
        setZoom(zoom);
        QWidget *w = find(form.window(), c);
        QVERIFY2(w, c.name);
        // A window that scrolls holds its controls on its page.
        QCOMPARE(w->parentWidget()->objectName(),
                 QString::fromUtf8(c.container ? c.container : layout->scrolls ? "quimbraPage" : layout->name));
        // Twips times the zoom, to the nearest pixel.
        const auto scaled = [zoom](int twips) { return qRound(twips * zoom / 1500.0); };
        QCOMPARE(w->geometry(), QRect(scaled(c.left), scaled(c.top), scaled(c.width), scaled(c.height)));
        QCOMPARE(captionOf(w), c.caption ? QString::fromUtf8(c.caption) : QString());
        QCOMPARE(w->font().pointSizeF(), c.font.points * zoom / 100);
        QCOMPARE(w->font().bold(), c.font.bold);
        QCOMPARE(QFontInfo(w->font()).fixedPitch(), c.font.face == Face::Mono);
        const bool focusable = takesFocus(c.kind);
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
        QTest::addColumn<int>("zoom"); // set before the window is built
        for (int zoom : {100, 175}) {
            const QByteArray at = " at " + QByteArray::number(zoom) + "%";
            QTest::newRow("menu" + at) << &menuLayout() << "cmdFine" << zoom;
            QTest::newRow("ricbin" + at) << &ricBinLayout() << "txtX" << zoom;
            QTest::newRow("abr" + at) << &abrLayout() << "cmdFine" << zoom;
            QTest::newRow("sort" + at) << &sortLayout() << "cmdFine" << zoom;
            QTest::newRow("step view of the sorts" + at) << &passoSortLayout() << "picBarre" << zoom;
            QTest::newRow("step view of the search" + at) << &passoRicBinLayout() << "picVettore" << zoom;
            QTest::newRow("step view of the tree" + at) << &passoAbrLayout() << "picAlbero" << zoom;
            QTest::newRow("growth chart" + at) << &graficoLayout() << "picGrafico" << zoom;
        }
    }

    // Caption, fixed size, title-bar buttons, icon, and where the focus starts.
    void windows()
    {
        QFETCH(const FormLayout *, layout);
        QFETCH(QString, firstFocus);
        QFETCH(int, zoom);
        setZoom(zoom);
        Form form(*layout);
        form.Show();
        QWidget *w = form.window();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(w->objectName(), QString::fromUtf8(layout->name));
        QCOMPARE(w->windowTitle(), QString::fromUtf8(layout->caption));
        QVERIFY(w->windowTitle().endsWith(" - prof. Orvalde"));
        const QSize full(qRound(layout->width * zoom / 1500.0), qRound(layout->height * zoom / 1500.0));
        if (layout->scrolls) {
            // No larger than the screen, resizable up to its page, and the
            // whole page within reach of the scroll bars.
            QCOMPARE(w->size(), full.boundedTo(w->screen()->availableGeometry().size()));
            QCOMPARE(w->maximumSize(), full);
            QVERIFY(w->minimumSize().width() <= 320 && w->minimumSize().height() <= 240);
            auto *area = w->findChild<QScrollArea *>("quimbraScroll");
            QVERIFY(area);
            QCOMPARE(area->widget()->size(), full);
            QCOMPARE(area->horizontalScrollBar()->maximum() + area->viewport()->width(), full.width());
            QCOMPARE(area->verticalScrollBar()->maximum() + area->viewport()->height(), full.height());
        } else {
            QCOMPARE(w->size(), full);
            QCOMPARE(w->minimumSize(), w->maximumSize());
        }
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!w->windowIcon().isNull());
        QVERIFY(w->windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(w->windowIcon().availableSizes().contains(QSize(32, 32)));
        QVERIFY(w->focusWidget());
        QCOMPARE(w->focusWidget()->objectName(), firstFocus);
        // Every frame draws exactly what the toolkit's group box draws, also
        // once its caption or colours change after it was first drawn.
        for (GroupFrame *frame : w->findChildren<GroupFrame *>()) {
            QVERIFY2(looksLikeGroupBox(frame), qPrintable(frame->objectName()));
            frame->setTitle(frame->title() + QStringLiteral(" bis"));
            QVERIFY2(looksLikeGroupBox(frame), qPrintable(frame->objectName()));
            QPalette palette = frame->palette();
            palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
            frame->setPalette(palette);
            QVERIFY2(looksLikeGroupBox(frame), qPrintable(frame->objectName()));
        }
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
        QFETCH(int, zoom);
        setZoom(zoom);
        Form form(*layout);
        form.Show();
        QWidget *w = form.window();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QStringList expected;
        for (const ControlSpec &c : layout->controls)
            if (takesFocus(c.kind))
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
        QTest::addColumn<int>("zoom");
        for (int zoom : ZoomSteps)
            for (const char *name : {"lstVet", "lstX", "lstABR", "lstV", "lstRic"})
                QTest::newRow(qPrintable(QString("%1 at %2%").arg(name).arg(zoom))) << name << zoom;
    }

    // The tree window's lists are sized for their lines: all of them in view,
    // none cut, no scroll bar, at every zoom.
    void treeListsShowEveryLineWhole()
    {
        QFETCH(QString, list);
        QFETCH(int, zoom);
        setZoom(zoom);
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

    void listRowsDrawAsDrawText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("mono");
        QTest::addColumn<int>("height"); // of the row
        QTest::newRow("a number") << "   1 -   4797" << true << 13;
        QTest::newRow("the verdict") << "  ***  TROVATO  ***" << true << 13;
        QTest::newRow("accents and symbols") << "Passo 3: è più piccolo — a sinistra ≤ ∞" << false << 11;
        QTest::newRow("cut at the right edge") << QString(120, 'x') << true << 13;
        QTest::newRow("a row lower than the text") << "Quick 1.234" << false << 7;
        QTest::newRow("a taller row") << "k = 12" << true << 24;
        QTest::newRow("trailing spaces") << "x    " << true << 13;
        QTest::newRow("a tab, drawn by drawText") << "a\tb" << false << 11;
        QTest::newRow("nothing") << "" << true << 13;
    }

    // The lists' rows keep their shaping from one paint to the next, and
    // still draw exactly what drawText draws, the first time and from the cache.
    void listRowsDrawAsDrawText()
    {
        QFETCH(QString, text);
        QFETCH(bool, mono);
        QFETCH(int, height);
        for (int zoom : {100, 150}) {
            setZoom(zoom);
            const QFont font = fontFor(mono ? fonts::mono975b : fonts::sans825);
            const QRect row(3, height + 1, 200, height);
            const auto drawn = [&](const std::function<void(QPainter &)> &draw) {
                QImage image(210, 3 * height, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::white);
                QPainter painter(&image);
                painter.setFont(font);
                painter.setPen(Qt::darkBlue);
                draw(painter);
                return image;
            };
            const QImage expected = drawn([&](QPainter &p) {
                p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
            });
            for (int time = 0; time < 2; ++time)
                QVERIFY2(drawn([&](QPainter &p) { drawListRow(&p, row, text); }) == expected,
                         qPrintable(QString("zoom %1, paint %2").arg(zoom).arg(time + 1)));
        }
    }

    void updateLines_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("changedRows"); // rows rewritten in place; -1: a model reset
        QTest::newRow("the same lines") << QStringList{"a", "b", "c"} << QStringList{"a", "b", "c"} << 0;
        QTest::newRow("one row differs") << QStringList{"a", "b", "c"} << QStringList{"a", "x", "c"} << 1;
        QTest::newRow("a row more") << QStringList{"a", "b"} << QStringList{"a", "b", "c"} << 1;
        QTest::newRow("two rows fewer") << QStringList{"a", "b", "c", "d"} << QStringList{"a", "y"} << 1;
        QTest::newRow("from an empty list") << QStringList{} << QStringList{"a"} << -1;
        QTest::newRow("to an empty list") << QStringList{"a", "b"} << QStringList{} << -1;
    }

    // A list that changes at every step of a run keeps its current row and
    // rewrites only the rows that differ.
    void updateLines()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(int, changedRows);
        const auto lines = [](const QStringList &from) {
            std::vector<std::string> out;
            for (const QString &line : from)
                out.push_back(line.toStdString());
            return out;
        };
        ListBox box;
        box.setLines(lines(before));
        if (!before.isEmpty())
            box.setCurrentIndex(box.model()->index(0, 0));
        int rewritten = 0;
        connect(box.model(), &QAbstractItemModel::dataChanged, &box,
                [&](const QModelIndex &top, const QModelIndex &bottom) { rewritten += bottom.row() - top.row() + 1; });
        QSignalSpy resets(box.model(), &QAbstractItemModel::modelReset);
        box.updateLines(lines(after));
        QCOMPARE(box.lines(), after);
        QCOMPARE(resets.isEmpty() ? rewritten : -1, changedRows);
        if (changedRows >= 0)
            QCOMPARE(box.currentIndex().row(), 0);
    }

    // A window built later from a table of its own (a step view, say) follows
    // the zoom once its table is gone, and so does a control it placed itself;
    // the zoom keys work from it too.
    void anyBuiltWindowFollowsTheZoom()
    {
        QWidget window;
        auto *canvas = new QWidget(&window);
        {
            const FormLayout table{"frmProva", "Prova - prof. Orvalde", 3000, 1500, defaultColour,
                                   {{"cmdFine", -1, Kind::Button, nullptr, 150, 300, 975, 375, "Fine",
                                     {}, defaultColour, defaultColour, NoFlags, "Chiudi"}}};
            buildControls(&window, table);
            placeControl(canvas, QRect(1500, 0, 1500, 1500), {Face::Mono, 12, false});
        }
        installZoomKeys(); // as loading any window of the program does
        window.show();
        setZoom(200);
        QCOMPARE(window.size(), QSize(400, 200));
        QCOMPARE(window.findChild<QPushButton *>("cmdFine")->geometry(), QRect(20, 40, 130, 50));
        QCOMPARE(canvas->geometry(), QRect(200, 0, 200, 200));
        QCOMPARE(canvas->font().pointSizeF(), 24.0);
        QTest::keyClick(canvas, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(zoomPercent(), 175);
    }

    void copyLines_data()
    {
        QTest::addColumn<int>("selected"); // -1: none
        QTest::addColumn<QString>("how"); // keys, or the menu entry chosen
        QTest::addColumn<QString>("copied");
        const QString all = "   1 -   4797\n  ***  TROVATO  ***\n x  ";
        QTest::newRow("Ctrl+C, a line selected") << 1 << "Ctrl+C" << "  ***  TROVATO  ***";
        QTest::newRow("Ctrl+C, none selected") << -1 << "Ctrl+C" << all;
        QTest::newRow("Ctrl+A, Ctrl+C") << 1 << "Ctrl+A" << all;
        QTest::newRow("Copia, a line selected") << 2 << "Copia" << " x  ";
        QTest::newRow("Copia, none selected") << -1 << "Copia" << all;
        QTest::newRow("Copia tutto, a line selected") << 0 << "Copia tutto" << all;
    }

    // The clipboard gets the lines exactly as shown, one per line of text. The
    // right-button menu starts with the list's own actions.
    void copyLines()
    {
        QFETCH(int, selected);
        QFETCH(QString, how);
        QFETCH(QString, copied);
        Form form(ricBinLayout());
        form.Show();
        ListBox *l = form.list("lstRB");
        l->setLines({"   1 -   4797", "  ***  TROVATO  ***", " x  "});
        auto *own = new QAction("Passo passo…", l);
        l->addAction(own);
        if (selected >= 0)
            l->setCurrentIndex(l->model()->index(selected, 0));
        QGuiApplication::clipboard()->clear();
        if (how.startsWith("Ctrl")) {
            if (how == "Ctrl+A")
                QTest::keyClick(l, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(l, Qt::Key_C, Qt::ControlModifier);
        } else {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), l->viewport()->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(l->viewport(), &event);
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QStringList entries;
            QAction *chosen = nullptr;
            for (QAction *a : menu->actions()) {
                entries << (a->isSeparator() ? "|" : a->text());
                if (a->text() == how)
                    chosen = a;
            }
            QCOMPARE(entries, QStringList({"Passo passo…", "|", "Copia", "Copia tutto"}));
            chosen->trigger();
            menu->close();
        }
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        form.Unload();
    }

    // A result can be selected with the mouse and copied, whole or in part,
    // while the label still takes no focus.
    void resultLabelCopies()
    {
        Form form(ricBinLayout());
        form.Show();
        QLabel *label = form.label("lblFatt");
        label->setText("Fattoriale di 12\n479.001.600");
        QVERIFY(label->textInteractionFlags() & Qt::TextSelectableByMouse);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3), label->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(label, &event);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 1);
        QAction *copy = menu->actions().first();
        QCOMPARE(copy->text(), QString("Copia"));
        menu->close();
        const std::pair<int, QString> cases[] = {
            {-1, label->text()}, {17, "479.001.600"}, {0, label->text()}};
        for (const auto &[from, expected] : cases) {
            if (from >= 0)
                label->setSelection(from, label->text().size() - from);
            copy->trigger();
            QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        }
        form.Unload();
    }

    void missingControlStopsTheProgram_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("asLabel");
        QTest::addColumn<QString>("message");
        QTest::newRow("not in the table") << "cmdNonCe" << false
                                          << "the window frm_Quimbra has no control cmdNonCe of type QPushButton";
        QTest::newRow("of another type") << "cmdFine" << true
                                         << "the window frm_Quimbra has no control cmdFine of type QLabel";
    }
    // A window that resolves a control its table lacks stops at its load,
    // naming the control, instead of going on with a null pointer. The load
    // runs in a child process, this same program run for this one row.
    void missingControlStopsTheProgram()
    {
        QFETCH(QString, name);
        QFETCH(bool, asLabel);
        QFETCH(QString, message);
        const QString row = QString::fromUtf8(QTest::currentDataTag());
        if (qEnvironmentVariable("QUIMBRA_BROKEN_LOAD") == row) {
            BrokenForm form(name, asLabel);
            form.Show();
            QFAIL("the window loaded without the control");
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUIMBRA_BROKEN_LOAD"), row);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("missingControlStopsTheProgram:") + row});
        QVERIFY(child.waitForFinished(30000));
        QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
        const QString said = QString::fromLocal8Bit(child.readAllStandardError() + child.readAllStandardOutput());
        QVERIFY2(said.contains(message), qPrintable(said));
        QVERIFY2(!said.contains(QLatin1String("loaded without")), qPrintable(said));
    }
};

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
