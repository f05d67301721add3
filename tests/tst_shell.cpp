// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu and the window lifecycle through the real windows: slots, loading,
// unloading, the occasions that count as activation, and the keyboard.
#include "frmABR.h"
#include "frmRicBin.h"
#include "frmSort.h"
#include "frmPassoABR.h"
#include "frmPassoRicBin.h"
#include "frmPassoSort.h"
#include "frm_Quimbra.h"
#include "identity.h"
#include "open_link.h"
#include "sort_steps.h"
#include "support.h"
#include "window_support.h"
#include "widgets.h"
#include "touch.h"
#include "zoom.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace quimbra;
using namespace quimbra::testing;

class tst_Shell final : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedRandom> rnd;
    FixedClock clock;
    std::unique_ptr<frm_Quimbra> menu;

    // One activation of frmRicBin or frmSort draws exactly 1000 numbers.
    long activations() const { return rnd->draws / 1000; }

    void click(const char *name)
    {
        QTest::mouseClick(menu->button(name), Qt::LeftButton);
    }

private slots:
    void initTestCase() { applyIdentity(*qApp); }

    void init()
    {
        rnd = std::make_unique<ScriptedRandom>();
        menu = std::make_unique<frm_Quimbra>(*rnd, clock);
        QVERIFY(showMenu(*menu));
    }

    void cleanup()
    {
        setFitWhenOpening(false);
        setZoom(100);
        // A fresh wheel for every test: what a row turned short of a notch
        // does not carry over (the next window loaded installs it again).
        delete qApp->findChild<QObject *>(QStringLiteral("quimbraZoomKeys"), Qt::FindDirectChildrenOnly);
        closeAllWindows();
        menu.reset();
    }

    void startsWithFocusOnFine()
    {
        QCOMPARE(menu->window()->windowTitle(), QString("Quimbra - prof. Orvalde"));
        QCOMPARE(QApplication::focusWidget(), menu->button("cmdFine"));
        QVERIFY(!menu->sortSlot() && !menu->ricBinSlot() && !menu->abrSlot());
    }

    void firstPressLoadsShowsAndActivatesOnce()
    {
        click("cmdRicBin");
        frmRicBin *w = menu->ricBinSlot();
        QVERIFY(w && w->isLoaded());
        QVERIFY(QTest::qWaitForWindowActive(w->window()));
        QCoreApplication::processEvents();
        QCOMPARE(rnd->seeds, 1);
        QCOMPARE(rnd->lastSeed, clock.seconds);
        QCOMPARE(activations(), 1L); // the focus arriving is the same occasion
        QCOMPARE(w->list("lstV")->count(), 1000);
        QCOMPARE(QApplication::focusWidget(), w->textBox("txtX"));
    }

    void secondPressKeepsOneWindowWithNewVector()
    {
        click("cmdRicBin");
        frmRicBin *w = menu->ricBinSlot();
        QWidget *window = w->window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QStringList first = w->list("lstV")->lines();
        focus(menu->window());
        QCOMPARE(activations(), 1L); // the menu has no activation step
        click("cmdRicBin");
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCoreApplication::processEvents();
        QCOMPARE(menu->ricBinSlot(), w);
        QCOMPARE(w->window(), window);
        QCOMPARE(activations(), 2L);
        QCOMPARE(rnd->seeds, 1);
        QCOMPARE(w->list("lstV")->count(), 1000);
        QVERIFY(w->list("lstV")->lines() != first);
        int shown = 0;
        for (QWidget *top : QApplication::topLevelWidgets())
            shown += top->isVisible() && top->objectName() == "frmRicBin";
        QCOMPARE(shown, 1);
    }

    // The menu's own press must not depend on the window manager handing over
    // the focus: the activation step runs even if the window never gets it.
    void menuPressActivatesWithoutFocus()
    {
        click("cmdSort");
        QCOMPARE(activations(), 1L);
        QCOMPARE(menu->sortSlot()->list("lstSort", 3)->count(), 1000);
    }

    void closeAndReopenLoadsAgain()
    {
        click("cmdSort");
        frmSort *w = menu->sortSlot();
        QVERIFY(QTest::qWaitForWindowActive(w->window()));
        QPointer<QWidget> old = w->window();
        QTest::mouseClick(w->button("cmdFine"), Qt::LeftButton);
        QVERIFY(!w->isLoaded());
        QTRY_VERIFY(old.isNull()); // the controls are destroyed with the window
        QCOMPARE(menu->sortSlot(), w);
        click("cmdSort");
        QVERIFY(w->isLoaded());
        QCOMPARE(rnd->seeds, 2);
        QCOMPARE(w->label("lblTitSort", 0)->text(), QString("Insertion"));
        QCOMPARE(w->list("lstSort", 0)->count(), 1000);
    }

    void closeBoxUnloadsLikeFine()
    {
        click("cmdABR");
        frmABR *w = menu->abrSlot();
        QVERIFY(w->window()->close());
        QVERIFY(!w->isLoaded());
        click("cmdABR");
        QVERIFY(w->isLoaded());
        QCOMPARE(rnd->seeds, 2);
    }

    void movingBetweenProgramWindowsActivates()
    {
        click("cmdRicBin");
        click("cmdSort");
        QWidget *ricbin = menu->ricBinSlot()->window();
        QWidget *sort = menu->sortSlot()->window();
        QVERIFY(QTest::qWaitForWindowActive(sort));
        QCoreApplication::processEvents();
        QCOMPARE(activations(), 2L);
        focus(ricbin);
        QCOMPARE(activations(), 3L);
        focus(sort);
        QCOMPARE(activations(), 4L);
        focus(menu->window());
        focus(sort);
        QCOMPARE(activations(), 5L);
    }

    void treeWindowHasNoActivationStep()
    {
        click("cmdABR");
        frmABR *w = menu->abrSlot();
        QVERIFY(QTest::qWaitForWindowActive(w->window()));
        const QStringList before = w->list("lstABR")->lines();
        const long drawsAfterLoad = rnd->draws;
        focus(menu->window());
        click("cmdABR");
        focus(menu->window());
        focus(w->window());
        QCOMPARE(rnd->draws, drawsAfterLoad);
        QCOMPARE(w->list("lstABR")->lines(), before);
        QCOMPARE(rnd->seeds, 1);
    }

    // A window that is not one of the program's (another application, or a
    // message box) is not a window to come back from.
    void comingBackFromAnotherWindowDoesNotActivate()
    {
        click("cmdRicBin");
        QWidget *ricbin = menu->ricBinSlot()->window();
        QVERIFY(QTest::qWaitForWindowActive(ricbin));
        QCoreApplication::processEvents();
        const QStringList before = menu->ricBinSlot()->list("lstV")->lines();
        QWidget other;
        other.setWindowTitle("another application");
        other.show();
        focus(&other);
        focus(ricbin);
        QCOMPARE(activations(), 1L);
        QCOMPARE(menu->ricBinSlot()->list("lstV")->lines(), before);
    }

    // That the program then ends with its last window is checked where the
    // event loop really runs, in tst_program_end.
    void menuCloseBoxLeavesDemonstrationsWorking()
    {
        click("cmdRicBin");
        frmRicBin *w = menu->ricBinSlot();
        QVERIFY(menu->window()->close());
        QCoreApplication::processEvents();
        QVERIFY(!menu->isLoaded());
        QVERIFY(w->window()->isVisible());
        w->textBox("txtX")->setText("-5");
        QTest::mouseClick(w->button("cmdRicBin"), Qt::LeftButton);
        QCOMPARE(w->list("lstRB")->count(), 12);
        QTest::mouseClick(w->button("cmdFine"), Qt::LeftButton);
        QVERIFY(!w->isLoaded());
    }

    void allThreeOpenSideBySide()
    {
        click("cmdSort");
        click("cmdRicBin");
        click("cmdABR");
        QVERIFY(menu->sortSlot()->window()->isVisible());
        QVERIFY(menu->ricBinSlot()->window()->isVisible());
        QVERIFY(menu->abrSlot()->window()->isVisible());
        QVERIFY(menu->window()->isVisible());
        QVERIFY(menu->window()->isEnabled());
    }

    void windowsAreCentred()
    {
        click("cmdRicBin");
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect r = menu->ricBinSlot()->window()->geometry();
        // Within the width of a window frame, which is not known before showing.
        QVERIFY(qAbs(r.center().x() - screen.center().x()) <= 8);
        QVERIFY(qAbs(r.center().y() - screen.center().y()) <= 8);
    }

    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    // Enter and Space press the focused button: the first opens nothing but
    // closes the tree window, whose focus starts on "Fine".
    void keys()
    {
        QFETCH(int, key);
        click("cmdABR");
        frmABR *w = menu->abrSlot();
        QVERIFY(QTest::qWaitForWindowActive(w->window()));
        QCOMPARE(w->window()->focusWidget(), w->button("cmdFine"));
        QTest::keyClick(w->button("cmdFine"), Qt::Key(key));
        QVERIFY(!w->isLoaded());
    }

    void tabThenSpaceRunsHiddenSort()
    {
        click("cmdSort");
        frmSort *w = menu->sortSlot();
        QVERIFY(QTest::qWaitForWindowActive(w->window()));
        QCoreApplication::processEvents();
        QCOMPARE(activations(), 1L);
        QTest::keyClick(w->window()->focusWidget(), Qt::Key_Tab);
        QCOMPARE(w->window()->focusWidget(), w->button("cmdSort"));
        QTest::keyClick(w->button("cmdSort"), Qt::Key_Space);
        QCOMPARE(activations(), 2L);
        QTest::keyClick(w->button("cmdSort"), Qt::Key_Return);
        QCOMPARE(activations(), 3L);
        QCOMPARE(w->list("lstSort", 2)->count(), 1000);
    }

    void enterInTextBoxDoesNothing()
    {
        click("cmdRicBin");
        frmRicBin *w = menu->ricBinSlot();
        QVERIFY(QTest::qWaitForWindowActive(w->window()));
        QLineEdit *txt = w->textBox("txtX");
        QCOMPARE(w->window()->focusWidget(), txt);
        QTest::keyClicks(txt, "42");
        QTest::keyClick(txt, Qt::Key_Return);
        QTest::keyClick(txt, Qt::Key_Enter);
        QCoreApplication::processEvents();
        QVERIFY(w->isLoaded());
        QCOMPARE(w->list("lstRB")->count(), 0);
        QCOMPARE(txt->text(), QString("42"));
        QCOMPARE(activations(), 1L);
    }

    void zoomKeys_data()
    {
        QTest::addColumn<QString>("window"); // where the key or the wheel goes
        QTest::addColumn<int>("key"); // 0: the wheel
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QList<int>>("wheel"); // the wheel's deltas, one event each
        QTest::addColumn<int>("zoom"); // after, from 150
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl +, menu") << "menu" << int(Qt::Key_Plus) << ctrl << QList<int>{} << 175;
        QTest::newRow("Ctrl Shift +, text box") << "ricbin" << int(Qt::Key_Plus) << int(ctrl | Qt::ShiftModifier) << QList<int>{} << 175;
        QTest::newRow("Ctrl =, tree") << "abr" << int(Qt::Key_Equal) << ctrl << QList<int>{} << 175;
        QTest::newRow("Ctrl -, sorts") << "sort" << int(Qt::Key_Minus) << ctrl << QList<int>{} << 125;
        QTest::newRow("Ctrl 0, tree") << "abr" << int(Qt::Key_0) << ctrl << QList<int>{} << 100;
        QTest::newRow("Ctrl wheel up, list") << "sort" << 0 << ctrl << QList<int>{120} << 175;
        QTest::newRow("Ctrl wheel down, menu") << "menu" << 0 << ctrl << QList<int>{-120} << 125;
        QTest::newRow("touchpad, 12 small deltas up") << "sort" << 0 << ctrl << QList<int>(12, 10) << 175;
        QTest::newRow("touchpad, 11 small deltas: not yet a notch") << "menu" << 0 << ctrl << QList<int>(11, 10) << 150;
        QTest::newRow("touchpad, 30 small deltas down") << "abr" << 0 << ctrl << QList<int>(30, -8) << 100;
        QTest::newRow("touchpad, two notches and a half") << "ricbin" << 0 << ctrl << QList<int>(25, 10) << 200;
        QTest::newRow("one large delta of three notches") << "sort" << 0 << ctrl << QList<int>{360} << 250;
        QTest::newRow("one large delta past the last step") << "menu" << 0 << ctrl << QList<int>{1200} << 300;
        QTest::newRow("below 100 %, past the smallest step") << "sort" << 0 << ctrl << QList<int>{-1200} << 50;
        QTest::newRow("four steps down: 90 % and 75 %") << "abr" << 0 << ctrl << QList<int>{-480} << 75;
        QTest::newRow("half a notch and back, twice") << "abr" << 0 << ctrl << QList<int>{60, -60, 60, -60} << 150;
        QTest::newRow("turning back starts afresh") << "sort" << 0 << ctrl << QList<int>{100, -30, -90} << 125;
        QTest::newRow("the rest of a large delta counts") << "menu" << 0 << ctrl << QList<int>{300, 30, 30} << 250;
        QTest::newRow("+ alone") << "abr" << int(Qt::Key_Plus) << 0 << QList<int>{} << 150;
        QTest::newRow("Ctrl Alt +") << "menu" << int(Qt::Key_Plus) << int(ctrl | Qt::AltModifier) << QList<int>{} << 150;
    }

    // A zoom key in any window zooms all of them, and is no activation: no
    // new data is drawn and the lists keep their lines.
    void zoomKeys()
    {
        QFETCH(QString, window);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QList<int>, wheel);
        QFETCH(int, zoom);
        click("cmdABR");
        click("cmdSort");
        click("cmdRicBin");
        const std::pair<Form *, const FormLayout *> forms[] = {
            {menu.get(), &menuLayout()}, {menu->ricBinSlot(), &ricBinLayout()},
            {menu->abrSlot(), &abrLayout()}, {menu->sortSlot(), &sortLayout()}};
        setZoom(150);
        QCoreApplication::processEvents();
        const long draws = rnd->draws;
        const QStringList vector = menu->ricBinSlot()->list("lstV")->lines();
        QWidget *target = window == "menu"     ? menu->button("cmdSort")
                          : window == "ricbin" ? menu->ricBinSlot()->textBox("txtX")
                          : window == "abr"    ? menu->abrSlot()->button("cmdFine")
                                               : menu->sortSlot()->list("lstSort", 2)->viewport();
        if (key) {
            QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        } else {
            const QPointF at(5, 5);
            for (const int delta : wheel) {
                QWheelEvent event(at, target->mapToGlobal(at), {}, {0, delta}, Qt::NoButton,
                                  Qt::KeyboardModifiers(modifiers), Qt::NoScrollPhase, false);
                QApplication::sendEvent(target, &event);
            }
        }
        QCoreApplication::processEvents();
        QCOMPARE(zoomPercent(), zoom);
        for (const auto &[form, layout] : forms)
            QCOMPARE(form->window()->size(), QSize(qRound(layout->width * zoom / 1500.0), qRound(layout->height * zoom / 1500.0)));
        QCOMPARE(rnd->draws, draws);
        QCOMPARE(menu->ricBinSlot()->list("lstV")->lines(), vector);
    }

    void zoomKeepsWindowsOnScreen_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("openedZoomed");
        QTest::newRow("150 %, from the corner") << 150 << false;
        QTest::newRow("300 %, larger than the screen") << 300 << false;
        QTest::newRow("opened at 300 %") << 300 << true;
    }

    // A window that would stick out comes back inside the screen; one larger
    // than the screen keeps its title bar on it. No step is refused.
    void zoomKeepsWindowsOnScreen()
    {
        QFETCH(int, zoom);
        QFETCH(bool, openedZoomed);
        if (openedZoomed)
            setZoom(zoom);
        click("cmdABR");
        QWidget *w = menu->abrSlot()->window();
        const QRect area = w->screen()->availableGeometry();
        if (!openedZoomed) {
            w->move(area.bottomRight() - QPoint(w->width() / 2, w->height() / 2));
            setZoom(zoom);
        }
        // Along each axis: inside the screen if it fits, else from its start.
        const QRect frame = w->frameGeometry();
        const auto placed = [](int start, int size, int areaStart, int areaSize) {
            return size > areaSize ? start == areaStart : start >= areaStart && start + size <= areaStart + areaSize;
        };
        QVERIFY(placed(frame.x(), frame.width(), area.x(), area.width()));
        QVERIFY(placed(frame.y(), frame.height(), area.y(), area.height()));
    }

    // Ctrl+0 puts every window back where it stood at 100 %, however far a
    // large zoom pushed it; Ctrl+- goes down to 50 % and no further.
    void zoomBackHome()
    {
        click("cmdABR");
        click("cmdSort");
        QWidget *tree = menu->abrSlot()->window(), *sorts = menu->sortSlot()->window();
        const QRect area = tree->screen()->availableGeometry();
        // Both inside the screen at 100 %, neither at its corner.
        tree->move(area.topLeft() + QPoint((area.width() - tree->frameGeometry().width()) / 2, 30));
        sorts->move(area.topLeft() + QPoint(area.width() / 3, (area.height() - sorts->frameGeometry().height()) / 2));
        const QPoint treeAt = tree->pos(), sortsAt = sorts->pos();
        for (int i = 0; i < 8; ++i)
            QTest::keyClick(tree, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(zoomPercent(), 300);
        QVERIFY(tree->pos() != treeAt);
        QTest::keyClick(sorts, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(zoomPercent(), 100);
        QCOMPARE(tree->pos(), treeAt);
        QCOMPARE(sorts->pos(), sortsAt);
        for (const int expected : {90, 75, 67, 50, 50}) {
            QTest::keyClick(tree, Qt::Key_Minus, Qt::ControlModifier);
            QCOMPARE(zoomPercent(), expected);
        }
        QTest::keyClick(tree, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(tree->pos(), treeAt);
    }

    // At every zoom step the step views and the chart open no larger than
    // the screen's free area, inside it, and every control of theirs lies on
    // their scrolled page, so that scrolling reaches it. CTest runs this on
    // screens of 1920 × 1080 and 1280 × 800 as well (tests/screens/).
    void stepViewsFitTheScreen()
    {
        click("cmdRicBin");
        click("cmdABR");
        click("cmdSort");
        menu->sortSlot()->PassoPasso(0);
        menu->ricBinSlot()->PassoPasso();
        menu->abrSlot()->PassoPasso();
        menu->ricBinSlot()->PassoFattoriale();
        menu->sortSlot()->Grafico();
        QList<QWidget *> views;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->isVisible() && (top->objectName().startsWith("frmPasso") || top->objectName() == "frmGrafico"))
                views.append(top);
        QCOMPARE(views.size(), 5);
        const QRect area = views.first()->screen()->availableGeometry();
        for (const int zoom : ZoomSteps) {
            setZoom(zoom);
            for (QWidget *view : views) {
                const QByteArray where = QStringLiteral("%1 at %2 % on %3 × %4").arg(view->objectName()).arg(zoom)
                                             .arg(area.width()).arg(area.height()).toUtf8();
                QVERIFY2(area.contains(view->frameGeometry()), where.constData());
                auto *page = view->findChild<QWidget *>(QStringLiteral("quimbraPage"));
                QVERIFY2(page, where.constData());
                for (QWidget *control : page->findChildren<QWidget *>())
                    if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_") &&
                        control->isVisibleTo(page))
                        QVERIFY2(page->rect().contains(QRect(control->mapTo(page, QPoint()), control->size())),
                                 (where + " " + control->objectName().toUtf8()).constData());
            }
        }
    }

    void fittingZoom_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("expected");
        // For a client area of 15000 × 9000 twips (1000 × 600 px at 100 %)
        // with a frame of 2 × 24 px.
        QTest::newRow("fits at the zoom") << QSize(1920, 1080) << 150 << 150;
        QTest::newRow("exactly the area at 100 %") << QSize(1002, 624) << 100 << 100;
        QTest::newRow("a pixel too narrow") << QSize(1001, 1080) << 100 << 90;
        QTest::newRow("too low: the height decides") << QSize(1920, 500) << 200 << 75;
        QTest::newRow("nothing fits: the smallest step") << QSize(300, 200) << 100 << 50;
        QTest::newRow("never above the zoom it had") << QSize(3000, 3000) << 67 << 67;
    }
    void fittingZoom()
    {
        QFETCH(QSize, area);
        QFETCH(int, current);
        QFETCH(int, expected);
        QCOMPARE(quimbra::fittingZoom(QSize(15000, 9000), QSize(2, 24), area, current), expected);
    }

    // In the page a window that would not fit opens at the largest step at
    // which it does, says so in its tooltip until the zoom changes, and one
    // that fits changes nothing.
    void openingFitsTheScreen()
    {
        setFitWhenOpening(true);
        click("cmdRicBin");
        QCOMPARE(zoomPercent(), 100);
        QVERIFY(menu->ricBinSlot()->window()->toolTip().isEmpty());
        setZoom(300);
        click("cmdSort");
        QWidget *w = menu->sortSlot()->window();
        const QSize area = w->screen()->availableGeometry().size();
        const int zoom = zoomPercent();
        QVERIFY(zoom < 300);
        QVERIFY(w->width() + 2 <= area.width() && w->height() + 24 <= area.height());
        // One step larger would not have fitted.
        const auto up = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom);
        QVERIFY(w->width() * *up / zoom + 2 > area.width() || w->height() * *up / zoom + 24 > area.height());
        QVERIFY2(w->toolTip().startsWith(QStringLiteral("Aperta al %1 %: al 300 %").arg(zoom)), qPrintable(w->toolTip()));
        QTest::keyClick(w, Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY(w->toolTip().isEmpty());
    }

    // On a touch screen a finger held still opens a list's right-button
    // menu, with the step view and the chart in it; a tap, a finger that
    // moves, and a mouse held as long, open nothing.
    void longPressOpensTheMenu_data()
    {
        QTest::addColumn<bool>("touch");
        QTest::addColumn<int>("heldMs");
        QTest::addColumn<int>("moved"); // pixels, while held
        QTest::addColumn<bool>("opens");
        QTest::newRow("held") << true << LongPressMs + 250 << 0 << true;
        QTest::newRow("held, trembling a little") << true << LongPressMs + 250 << 5 << true;
        QTest::newRow("a tap") << true << 80 << 0 << false;
        QTest::newRow("dragged") << true << LongPressMs + 250 << 40 << false;
        QTest::newRow("a mouse held") << false << LongPressMs + 250 << 0 << false;
    }

    void longPressOpensTheMenu()
    {
        QFETCH(bool, touch);
        QFETCH(int, heldMs);
        QFETCH(int, moved);
        QFETCH(bool, opens);
        click("cmdSort");
        QWidget *list = menu->sortSlot()->list("lstSort", 1)->viewport();
        const QPoint at(list->width() / 2, list->height() / 3);
        // A device of its own for each row, which deleting takes away again.
        const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
        QPointingDevice *finger = device.get();
        if (touch) {
            QTest::touchEvent(list->window(), finger).press(0, list->mapTo(list->window(), at), list->window());
            QTest::qWait(heldMs / 2);
            QTest::touchEvent(list->window(), finger).move(0, list->mapTo(list->window(), at + QPoint(moved, 0)),
                                                           list->window());
            QTest::qWait(heldMs - heldMs / 2);
        } else {
            QTest::mousePress(list, Qt::LeftButton, {}, at);
            QTest::qWait(heldMs);
        }
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QCOMPARE(popup != nullptr, opens);
        if (popup) {
            QStringList entries;
            for (QAction *a : popup->actions())
                entries << a->text();
            QVERIFY2(entries.contains(QString::fromUtf8("Passo passo\u2026")), qPrintable(entries.join('|')));
            popup->close();
        }
        if (touch)
            QTest::touchEvent(list->window(), finger).release(0, list->mapTo(list->window(), at + QPoint(moved, 0)),
                                                              list->window());
        else
            QTest::mouseRelease(list, Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed menu gone
    }

    // Two fingers over a window: spreading them zooms in a step each time
    // their distance grows by about a third, pinching zooms out; small
    // changes do nothing, and lifting a finger ends it.
    void pinchZooms()
    {
        click("cmdSort");
        QWidget *w = menu->sortSlot()->window();
        const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
        QPointingDevice *fingers = device.get();
        const QPoint middle(w->width() / 2, w->height() / 2);
        const auto at = [&](int spread, int side) { return middle + QPoint(side * spread / 2, 0); };
        QTest::touchEvent(w, fingers).press(0, at(80, -1), w).press(1, at(80, 1), w);
        for (const auto &[spread, zoom] : {std::pair{90, 100}, {110, 125}, {120, 125}, {150, 150}, {160, 150},
                                           {110, 125}, {60, 100}, {40, 90}}) {
            QTest::touchEvent(w, fingers).move(0, at(spread, -1), w).move(1, at(spread, 1), w);
            QCOMPARE(zoomPercent(), zoom);
        }
        QTest::touchEvent(w, fingers).release(0, at(40, -1), w).release(1, at(40, 1), w);
        QTest::touchEvent(w, fingers).press(0, at(40, -1), w);
        QTest::touchEvent(w, fingers).move(0, at(400, -1), w); // one finger: no pinch
        QTest::touchEvent(w, fingers).release(0, at(400, -1), w);
        QCOMPARE(zoomPercent(), 90);
    }

    void pageLinks_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("opened");   // the step view opened, or none
        QTest::addColumn<int>("algorithm");    // of the sorts' view
        QTest::addColumn<QList<int>>("values"); // played (the search's, sorted); empty: the window's
        QTest::addColumn<QString>("said");     // beside the values' box, or in the message
        QTest::addColumn<QString>("back");     // the view's own link
        const QList<int> window;
        QTest::newRow("a sort") << "?passo=sort&algoritmo=Merge&dati=7,3,9,1,4" << "frmPassoSort" << int(AlgoMerge)
                                << QList<int>{7, 3, 9, 1, 4} << "" << "?passo=sort&algoritmo=Merge&dati=7,3,9,1,4";
        QTest::newRow("any case, blanks as forms write them")
            << "passo=SORT&algoritmo=heap&dati=7%203+9" << "frmPassoSort" << int(AlgoHeap) << QList<int>{7, 3, 9}
            << "" << "?passo=sort&algoritmo=Heap&dati=7,3,9";
        QTest::newRow("no algorithm: the first") << "?passo=sort&dati=5;%2B2" << "frmPassoSort" << int(AlgoInsertion)
                                                 << QList<int>{5, 2} << "" << "";
        QTest::newRow("a search") << "?passo=ricbin&dati=42,4,16,8,23,15&chiave=25" << "frmPassoRicBin" << -1
                                  << QList<int>{4, 8, 15, 16, 23, 42} << ""
                                  << "?passo=ricbin&dati=4,8,15,16,23,42&chiave=25";
        QTest::newRow("a value wrong") << "?passo=ricbin&dati=42,4,x&chiave=25" << "frmPassoRicBin" << -1 << window
                                       << "«x» (il 3º valore) non è un numero intero" << "";
        QTest::newRow("no values") << "?passo=sort&algoritmo=Quick&dati=" << "frmPassoSort" << int(AlgoQuick) << window
                                   << "scrivi almeno un valore" << "";
        QTest::newRow("a link too long") << "?passo=sort&dati=" + QString("7,").repeated(600000) << "frmPassoSort"
                                         << int(AlgoInsertion) << window << "al massimo 1000 valori" << "";
        QTest::newRow("another view") << "?passo=grafo" << "" << -1 << window
                                      << "Il collegamento chiede il passo passo «grafo», che non c'è: passo=sort per "
                                         "gli ordinamenti, passo=ricbin per la ricerca binaria, passo=abr per "
                                         "l'albero" << "";
        QTest::newRow("an unknown tree exercise")
            << "?passo=abr&tipo=Potatura&esercizio=30000" << "" << -1 << window
            << "Il collegamento chiede l'esercizio «Potatura», che non c'è: gli esercizi sull'albero sono Ricerca, "
               "Visita anticipata, Visita simmetrica, Visita posticipata, Inserimento, Eliminazione" << "";
        QTest::newRow("an unknown sort")
            << "?passo=sort&algoritmo=Bogo%0Asort&dati=1" << "" << -1 << window
            << "Il collegamento chiede l'algoritmo «Bogo sort», che non c'è: gli algoritmi sono Insertion, Bubble, "
               "Shell, Quick, Selection, Inserimento, Merge, Heap" << "";
        QTest::newRow("nothing asked") << "?lang=it&dati=1" << "" << -1 << window << "" << "";
    }

    // A page's link opens the step view it names over the sorting or search
    // window, on its values; the view refuses wrong values as typed ones, and
    // a link that names no view or sort opens nothing and says why. The view
    // writes the link that opens it again.
    void pageLinks()
    {
        QFETCH(QString, query);
        QFETCH(QString, opened);
        QFETCH(int, algorithm);
        QFETCH(QList<int>, values);
        QFETCH(QString, said);
        QFETCH(QString, back);
        const LinkRequest request = readLinkRequest(query);
        if (opened.isEmpty()) {
            QCOMPARE(request.view, LinkRequest::None);
            QCOMPARE(request.error, said);
            return;
        }
        QCOMPARE(request.error, QString());
        openFromLink(*menu, query);
        StepView *view = opened == "frmPassoSort"
                             ? static_cast<StepView *>(menu->sortSlot()->findChild<frmPassoSort *>())
                             : menu->ricBinSlot()->findChild<frmPassoRicBin *>();
        QVERIFY(view && view->isLoaded());
        QCOMPARE(view->find<QLabel>("lblAvvisoDati")->text(), said);
        QTest::mouseClick(view->button("cmdCopiaDati"), Qt::LeftButton);
        const QStringList copied = QGuiApplication::clipboard()->text().split(", ");
        QCOMPARE(copied.size(), values.isEmpty() ? 1000 : values.size());
        for (qsizetype i = 0; i < values.size(); ++i)
            QCOMPARE(copied[i], QString::number(values[i]));
        if (auto *sort = qobject_cast<frmPassoSort *>(view)) {
            QCOMPARE(sort->steps()->algorithm(), algorithm);
            if (!back.isEmpty())
                QCOMPARE(sort->pageLink(), back);
        } else {
            auto *search = qobject_cast<frmPassoRicBin *>(view);
            QCOMPARE(search->search().x, Integer(25));
            if (!back.isEmpty())
                QCOMPARE(search->pageLink(), back);
        }
        if (!back.isEmpty()) { // the view's link asks for what it shows
            const LinkRequest again = readLinkRequest(back);
            QCOMPARE(again.view, request.view);
            QCOMPARE(again.algorithm, request.algorithm);
        }
    }

    void exerciseLinks_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("started"); // lblEsercizio, empty when none started
        QTest::addColumn<QString>("said");    // lblAvviso, beside the code's box
        QTest::addColumn<QString>("back");    // the view's own link, when it writes one
        QTest::newRow("a sort") << "?esercizio=48213&passo=sort&algoritmo=Shell" << "Esercizio n. 48213 · Shell" << ""
                                << "?passo=sort&algoritmo=Shell&esercizio=48213";
        QTest::newRow("its values give way") << "?passo=sort&algoritmo=Heap&dati=3,2,1&esercizio=+20000+"
                                             << "Esercizio n. 20000 · Heap" << ""
                                             << "?passo=sort&algoritmo=Heap&esercizio=20000";
        QTest::newRow("the search") << "?passo=ricbin&esercizio=12345" << "Esercizio n. 12345 · Ricerca binaria" << ""
                                    << "?passo=ricbin&esercizio=12345";
        QTest::newRow("a tree's insertion") << "?passo=abr&esercizio=30000&tipo=inserimento"
                                            << "Esercizio n. 30000 · Inserimento nell'ABR" << "" << "";
        QTest::newRow("a tree's visit") << "?passo=abr&esercizio=30001&tipo=Visita%20simmetrica"
                                        << "Esercizio n. 30001 · Visita simmetrica" << "" << "";
        QTest::newRow("a tree, no kind: the search") << "?passo=abr&esercizio=30002"
                                                     << "Esercizio n. 30002 · Ricerca nell'ABR" << "" << "";
        QTest::newRow("a code too short") << "?passo=sort&esercizio=123" << ""
                                          << "Codice non valido: servono cinque cifre, da 10000 a 99999" << "";
        QTest::newRow("a tree, no code") << "?passo=abr&tipo=Eliminazione" << "" << "" << "";
    }

    // A link names an exercise by its code (and on the tree by what it
    // practises): the view opens with that exercise started, as if the code
    // had been typed into its box, and its own link starts it again.
    void exerciseLinks()
    {
        QFETCH(QString, query);
        QFETCH(QString, started);
        QFETCH(QString, said);
        QFETCH(QString, back);
        QCOMPARE(readLinkRequest(query).error, QString());
        openFromLink(*menu, query);
        StepView *view = nullptr;
        for (QObject *window : std::initializer_list<QObject *>{menu->sortSlot(), menu->ricBinSlot(), menu->abrSlot()})
            if (window && !view)
                view = window->findChild<StepView *>();
        QVERIFY(view && view->isLoaded());
        QCOMPARE(view->find<QLabel>("lblEsercizio")->text(), started);
        QCOMPARE(view->find<QLabel>("lblAvviso")->text(), said);
        QCOMPARE(view->exercisePanel().running(), !started.isEmpty());
        if (!back.isEmpty()) {
            const QString written = qobject_cast<frmPassoSort *>(view) ? qobject_cast<frmPassoSort *>(view)->pageLink()
                                                                       : qobject_cast<frmPassoRicBin *>(view)->pageLink();
            QCOMPARE(written, back);
        }
    }

    void textBoxAcceptsLongText()
    {
        click("cmdRicBin");
        QLineEdit *txt = menu->ricBinSlot()->textBox("txtX");
        const QString text(100000, '7');
        txt->setText(text);
        QCOMPARE(txt->text().size(), text.size());
    }
};

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
