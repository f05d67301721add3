// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The four windows at 200 % (QT_SCALE_FACTOR=2): the same logical layout as
// at 100 %, drawn at twice the pixels, and no caption, label or list line cut
// that is not cut at 100 % too.
//
// The test runs at scale 2. It starts itself once more at scale 1 in a
// measuring mode, which prints the same measurements of the same windows
// (same data: the random source is scripted), and compares the two.
#include "frmABR.h"
#include "frmRicBin.h"
#include "frmSort.h"
#include "frm_Quimbra.h"
#include "identity.h"
#include "support.h"
#include "window_support.h"
#include "widgets.h"
#include "zoom.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QWindow>
#include <QtTest>

#include <cstdio>
#include <memory>

using namespace quimbra;
using namespace quimbra::testing;

namespace {

constexpr const char *MeasureVariable = "QUIMBRA_HIGHDPI_MEASURE";

// The program with all four windows open and every list filled.
struct Program
{
    ScriptedRandom rnd;
    FixedClock clock;
    frm_Quimbra menu{rnd, clock};

    Program()
    {
        menu.Show();
        menu.cmdRicBin_Click();
        frmRicBin *ricBin = menu.ricBinSlot();
        ricBin->textBox("txtX")->setText("500");
        ricBin->cmdRicBin_Click();
        ricBin->textBox("txtFatt")->setText("12");
        ricBin->cmdFattoriale_Click();

        menu.cmdABR_Click();
        frmABR *abr = menu.abrSlot();
        abr->cmdV_Click(1);
        // A key of the tree (lstVet's lines are "position - key"), so the search finds it.
        abr->textBox("txtX")->setText(abr->list("lstVet")->lines().value(5).section(" - ", 1).trimmed());
        abr->cmdRicerca_Click();

        menu.cmdSort_Click();
        QCoreApplication::processEvents();
    }

    QList<QWidget *> windows() const
    {
        return {menu.window(), menu.ricBinSlot()->window(), menu.abrSlot()->window(),
                menu.sortSlot()->window()};
    }
};

QString idOf(const QWidget *w)
{
    const QVariant i = w->property("Index");
    return i.isValid() ? QString("%1(%2)").arg(w->objectName()).arg(i.toInt()) : w->objectName();
}

QString rect(const QRect &r)
{
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString yesNo(bool b)
{
    return b ? "fits" : "cut";
}

// Whether each piece of text that the window shows fits in the room it has,
// computed the way the widgets lay it out.
void measureText(QWidget *control, const QString &key, QMap<QString, QString> &out)
{
    const QFontMetricsF fm(control->font(), control);
    if (auto *list = qobject_cast<ListBox *>(control)) {
        const QRect viewport = list->viewport()->rect();
        const qreal margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        int shown = 0;
        for (int row = 0; row < list->count(); ++row) {
            const QModelIndex index = list->model()->index(row, 0);
            const QRect item = list->visualRect(index) & viewport;
            if (item.isEmpty())
                continue;
            ++shown;
            const QString line = index.data().toString();
            const bool fits = fm.horizontalAdvance(line) <= item.width() - 2 * margin &&
                              fm.height() <= item.height();
            out[QString("%1/line %2").arg(key).arg(row, 4, 10, QChar('0'))] = yesNo(fits);
            // Rows are one em high, so the check above fails on the height
            // alone; the width on its own still tells a cut line.
            out[QString("%1/line %2 width").arg(key).arg(row, 4, 10, QChar('0'))] =
                yesNo(fm.horizontalAdvance(line) <= item.width() - 2 * margin);
        }
        out[key + "/lines shown"] = QString::number(shown);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                          -label->margin(), -label->margin());
        const QStringList lines = label->text().split('\n');
        bool fits = lines.size() * fm.lineSpacing() <= room.height() + 1;
        for (const QString &line : lines)
            fits = fits && fm.horizontalAdvance(line) <= room.width();
        out[key + "/text"] = yesNo(fits);
    } else if (auto *button = qobject_cast<QPushButton *>(control)) {
        // Button captions wrap onto a second line rather than being cut.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRectF needed = fm.boundingRect(QRectF(area), Qt::AlignCenter | Qt::TextWordWrap, button->text());
        out[key + "/caption"] = yesNo(needed.width() <= area.width() && needed.height() <= area.height());
    } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        if (!frame->title().isEmpty())
            out[key + "/caption"] = yesNo(fm.horizontalAdvance(frame->title()) <= frame->width());
    }
}

QMap<QString, QString> measure(const Program &program)
{
    QMap<QString, QString> out;
    for (QWidget *window : program.windows()) {
        const QString name = window->objectName();
        out["size/" + name] = rect(QRect(QPoint(), window->size()));
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
                continue;
            const QString key = name + '/' + idOf(control);
            out["geometry/" + key] = rect(QRect(control->mapTo(window, QPoint()), control->size()));
            measureText(control, key, out);
        }
    }
    return out;
}

} // namespace

class tst_HighDpi final : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> program;
    QMap<QString, QString> at100, at200;
    QMap<int, QMap<QString, QString>> zoomed; // at 200 %, zoomed by the program too

private slots:
    void initTestCase()
    {
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
        applyIdentity(*qApp);
        program = std::make_unique<Program>();
        for (QWidget *w : program->windows())
            QVERIFY(QTest::qWaitForWindowExposed(w));
        at200 = measure(*program);

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_SCALE_FACTOR", "1");
        env.insert(MeasureVariable, "1");
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY2(child.waitForFinished(120000), "the measuring run at 100 % did not end");
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        for (QByteArray line : child.readAllStandardOutput().split('\n')) {
            if (line.endsWith('\r')) // printf's line ends on Windows
                line.chop(1);
            const int tab = line.indexOf('\t');
            if (tab > 0)
                at100[QString::fromUtf8(line.left(tab))] = QString::fromUtf8(line.mid(tab + 1));
        }
        QVERIFY2(at100.size() > 100, "the measuring run at 100 % printed too little");

        for (int zoom : {150, 250}) {
            setZoom(zoom);
            QCoreApplication::processEvents();
            zoomed[zoom] = measure(*program);
            for (QWidget *w : program->windows())
                QCOMPARE(w->devicePixelRatioF(), 2.0); // the zoom adds to the screen's scaling
        }
        setZoom(100);
    }

    void cleanupTestCase()
    {
        closeAllWindows();
        program.reset();
    }

    void drawnAtTwiceThePixels_data()
    {
        QTest::addColumn<int>("window");
        for (int i = 0; i < 4; ++i)
            QTest::newRow(qPrintable(program->windows()[i]->objectName())) << i;
    }

    void drawnAtTwiceThePixels()
    {
        QFETCH(int, window);
        QWidget *w = program->windows()[window];
        QCOMPARE(w->devicePixelRatioF(), 2.0);
        QVERIFY(w->windowHandle());
        QCOMPARE(w->windowHandle()->devicePixelRatio(), 2.0);
        const QPixmap picture = w->grab();
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.size(), w->size() * 2);
        // The icon has a picture for the doubled title-bar size.
        const QIcon icon = w->windowIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32));
    }

    // Window sizes and every control's place relative to its window, in
    // logical pixels, are those of the 100 % run; and the windows are as big
    // as their layouts say.
    void sameLogicalGeometry_data()
    {
        QTest::addColumn<QString>("key");
        for (auto it = at100.cbegin(); it != at100.cend(); ++it)
            if (it.key().startsWith("geometry/") || it.key().startsWith("size/"))
                QTest::newRow(qPrintable(it.key())) << it.key();
    }

    void sameLogicalGeometry()
    {
        QFETCH(QString, key);
        QVERIFY2(at200.contains(key), "missing at 200 %");
        QCOMPARE(at200.value(key), at100.value(key));
    }

    void windowSizesFollowTheLayouts_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("size");
        const FormLayout *layouts[] = {&menuLayout(), &ricBinLayout(), &abrLayout(), &sortLayout()};
        for (const FormLayout *l : layouts)
            QTest::newRow(l->name) << QString(l->name)
                                   << rect(QRect(0, 0, px(l->width), px(l->height)));
    }

    void windowSizesFollowTheLayouts()
    {
        QFETCH(QString, window);
        QFETCH(QString, size);
        QCOMPARE(at200.value("size/" + window), size);
        QCOMPARE(at100.value("size/" + window), size);
    }

    // Every text that fits at 100 % fits at 200 % too; what is cut at 100 %
    // (long lines of the tree drawing, for instance) may stay cut.
    void nothingCutThatFitsAt100_data()
    {
        QTest::addColumn<QString>("key");
        for (auto it = at100.cbegin(); it != at100.cend(); ++it)
            if (it.value() == "fits" || it.key().endsWith("/lines shown"))
                QTest::newRow(qPrintable(it.key())) << it.key();
    }

    void nothingCutThatFitsAt100()
    {
        QFETCH(QString, key);
        QVERIFY2(at200.contains(key), "not shown at 200 %");
        if (key.endsWith("/lines shown"))
            QVERIFY2(at200.value(key).toInt() >= at100.value(key).toInt(),
                     qPrintable(QString("%1 lines shown at 200 %, %2 at 100 %")
                                    .arg(at200.value(key), at100.value(key))));
        else
            QCOMPARE(at200.value(key), QString("fits"));
    }

    // The program's zoom on top of the screen's scaling cuts nothing either.
    void nothingCutThatFitsWhenZoomed_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QString>("key");
        for (int zoom : zoomed.keys())
            for (auto it = at200.cbegin(); it != at200.cend(); ++it)
                if (it.value() == "fits" || it.key().endsWith("/lines shown"))
                    QTest::newRow(qPrintable(QString("%1% %2").arg(zoom).arg(it.key()))) << zoom << it.key();
    }

    void nothingCutThatFitsWhenZoomed()
    {
        QFETCH(int, zoom);
        QFETCH(QString, key);
        const QString value = zoomed[zoom].value(key);
        if (key.endsWith("/lines shown"))
            QVERIFY2(value.toInt() >= at200.value(key).toInt(), qPrintable(value));
        else
            QCOMPARE(value, QString("fits"));
    }

    // The measurements cover every kind of text that the windows show.
    void measurementsCoverTheWindows()
    {
        int lines = 0, labels = 0, captions = 0;
        for (auto it = at200.cbegin(); it != at200.cend(); ++it) {
            lines += it.key().contains("/line ");
            labels += it.key().endsWith("/text");
            captions += it.key().endsWith("/caption");
        }
        QVERIFY2(lines > 150, qPrintable(QString::number(lines)));
        QCOMPARE(labels, 9); // lblFatt, four lblTitSort, four lblSort
        QCOMPARE(captions, 16); // fourteen buttons and the two frames with a caption
        QCOMPARE(at200.value("frmSort/lblTitSort(0)/text"), QString("fits"));
        QVERIFY(at200.contains("frmABR/lstRic/line 0000"));
        QVERIFY(at200.contains("frmRicBin/lstRB/line 0000"));
    }
};

int main(int argc, char *argv[])
{
    const bool measuring = qEnvironmentVariableIsSet(MeasureVariable);
    if (!measuring)
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    if (measuring) {
        applyIdentity(app);
        Program program;
        for (QWidget *w : program.windows())
            if (!QTest::qWaitForWindowExposed(w))
                return 1;
        const QMap<QString, QString> result = measure(program);
        for (auto it = result.cbegin(); it != result.cend(); ++it)
            std::printf("%s\t%s\n", qPrintable(it.key()), qPrintable(it.value()));
        QApplication::closeAllWindows();
        return 0;
    }
    tst_HighDpi test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"
