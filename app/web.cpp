// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QImage>
#include <QMenu>
#include <QWidget>

#include "exercise.h"
#include "frmGuida.h"
#include "frmSort.h"
#include "frm_Quimbra.h"
#include "layout.h"
#include "open_link.h"
#include "page_link.h"
#include "step_player.h"
#include "widgets.h"
#include "zoom.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <emscripten/bind.h>
#include <emscripten/html5.h>
#include <emscripten/val.h>

#include <string>

namespace quimbra {

namespace {

// The page shows that Quimbra has ended, once, however it ended.
void tellThePageItEnded()
{
    static bool told = false;
    if (told)
        return;
    told = true;
    const emscripten::val ended = emscripten::val::global("quimbraEnded");
    if (ended.typeOf().as<std::string>() == "function")
        ended();
}

// "Fine" of the menu quits the application, and so does closing its last
// window; both arrive as the application's Quit event.
class QuitWatcher final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::Quit)
            tellThePageItEnded();
        return false;
    }
};

// Where a shown control is on the page, as "x,y,width,height" in CSS pixels
// from the canvas's top-left corner; empty when it is not shown. The path is
// "window/control" or "window", the window named by its object name or its
// class (a message box, a menu), the control by its object name (in a menu,
// an entry's). The browser test finds what it clicks by this.
std::string controlRect(const std::string &path)
{
    const QString name = QString::fromStdString(path);
    const QString windowName = name.section(QLatin1Char('/'), 0, 0);
    const QString controlName = name.section(QLatin1Char('/'), 1);
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() ||
            (top->objectName() != windowName &&
             QLatin1String(top->metaObject()->className()) != windowName))
            continue;
        QRect rect(QPoint(0, 0), top->size());
        QWidget *control = top;
        if (!controlName.isEmpty()) {
            control = top->findChild<QWidget *>(controlName);
            if (control) {
                rect = QRect(QPoint(0, 0), control->size());
            } else if (auto *menu = qobject_cast<QMenu *>(top)) {
                QAction *entry = menu->findChild<QAction *>(controlName);
                if (!entry || !menu->actions().contains(entry))
                    continue;
                control = menu;
                rect = menu->actionGeometry(entry);
            }
        }
        if (!control || !control->isVisible())
            continue;
        const QPoint at = control->mapToGlobal(rect.topLeft());
        return QStringLiteral("%1,%2,%3,%4")
            .arg(at.x())
            .arg(at.y())
            .arg(rect.width())
            .arg(rect.height())
            .toStdString();
    }
    return {};
}

// The text of a shown label, text box or button ("window/control"), empty
// when there is none. The browser test reads what the program says by this.
std::string controlText(const std::string &path)
{
    const QString name = QString::fromStdString(path);
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || top->objectName() != name.section(QLatin1Char('/'), 0, 0))
            continue;
        QWidget *control = top->findChild<QWidget *>(name.section(QLatin1Char('/'), 1));
        if (auto *label = qobject_cast<QLabel *>(control))
            return label->text().toStdString();
        if (auto *box = qobject_cast<QLineEdit *>(control))
            return box->text().toStdString();
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            return button->text().toStdString();
    }
    return {};
}

// The page's "?": the help at the page of the window in front, as F1 opens
// it. Called from the page's script, it runs in the program's event loop.
void openHelp()
{
    QMetaObject::invokeMethod(qApp, [] {
        const QWidget *front = QApplication::activeWindow();
        frmGuida::open(front ? front->objectName() : QStringLiteral("frm_Quimbra"));
    }, Qt::QueuedConnection);
}

} // namespace

void prepareForTheBrowser(QApplication &app)
{
    // The same faces as on the desktop, so that every window lays out as
    // there; Qt's own fonts of the platform plugin cover the other symbols.
    for (const char *file : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                             "LiberationMono-Regular.ttf", "LiberationMono-Bold.ttf"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/webfonts/") + QLatin1String(file));
    app.installEventFilter(new QuitWatcher(&app));
    // The step views make one update for each frame that the browser draws.
    StepPlayer::setFrameWait([](void *context) {
        emscripten_request_animation_frame(
            [](double, void *shown) -> EM_BOOL {
                StepPlayer::frameShown(shown);
                return EM_FALSE;
            },
            context);
    });
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, tellThePageItEnded);
    // A window larger than the page opens at the largest zoom that fits.
    setFitWhenOpening(true);
    // Every exercise that ends reaches the school's learning platform, when
    // the page runs inside one (quimbra-scorm.js).
    exercise::setEndedListener([](const exercise::Ended &ended) {
        const emscripten::val scorm = emscripten::val::global("quimbraScorm");
        if (scorm.typeOf().as<std::string>() == "object")
            scorm.call<void>("report", ended.percent, ended.result);
    });
    // The address a copied link starts with: the page itself, without its query.
    const emscripten::val location = emscripten::val::global("location");
    pagelink::setPageAddress(QString::fromStdString(location["origin"].as<std::string>() +
                                                    location["pathname"].as<std::string>()));
}

namespace {

// The first opening of a window pays once for what Qt keeps afterwards: the
// font engines and glyphs of its faces, the style's cached pieces of its
// scroll bars and frames. The page pays it for the sorting window, the
// heaviest, while the menu waits for its first click: its controls built on
// a widget that is never shown (no window, no numbers drawn), its lists
// filled with lines like its own, and painted into an image.
void warmUp()
{
    QWidget scratch;
    buildControls(&scratch, sortLayout());
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i)
        lines.push_back(std::to_string(1234567890 + i * 98765));
    for (ListBox *list : scratch.findChildren<ListBox *>())
        list->setLines(lines);
    QImage image(scratch.size(), QImage::Format_ARGB32_Premultiplied);
    scratch.render(&image);
}

} // namespace

void openFromThePage(frm_Quimbra &menu)
{
    // Two frames on, the menu is on the screen: then the warm-up.
    emscripten_request_animation_frame(
        [](double, void *) -> EM_BOOL {
            emscripten_request_animation_frame(
                [](double, void *) -> EM_BOOL {
                    QTimer::singleShot(0, [] { warmUp(); });
                    return EM_FALSE;
                },
                nullptr);
            return EM_FALSE;
        },
        nullptr);
    const QString query =
        QString::fromStdString(emscripten::val::global("location")["search"].as<std::string>());
    if (query.isEmpty())
        return;
    QPointer<frm_Quimbra> shown(&menu);
    QTimer::singleShot(0, &menu, [shown, query] {
        if (shown)
            openFromLink(*shown, query);
    });
}

} // namespace quimbra

EMSCRIPTEN_BINDINGS(quimbra)
{
    emscripten::function("controlRect", &quimbra::controlRect);
    emscripten::function("controlText", &quimbra::controlText);
    emscripten::function("openHelp", &quimbra::openHelp);
}
