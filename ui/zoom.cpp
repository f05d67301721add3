// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoom.h"

#include "layout.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

namespace quimbra {

namespace {

// The zoom that many steps up (down when negative) from percent, held at the
// first and last step.
int stepsFrom(int percent, qint64 steps)
{
    for (; steps > 0; --steps) {
        const auto next = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), percent);
        if (next == ZoomSteps.end())
            break;
        percent = *next;
    }
    for (; steps < 0; ++steps) {
        const auto next = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), percent);
        if (next == ZoomSteps.begin())
            break;
        percent = *(next - 1);
    }
    return percent;
}

// Watches the keys and the wheel of the whole program; in a window built by
// buildControls() it takes the zoom keys before any control sees them.
class ZoomKeys final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::Wheel)
            return false;
        if (!watched->isWidgetType() || !isLayoutWindow(static_cast<QWidget *>(watched)->window()))
            return false;
        const auto *input = static_cast<QInputEvent *>(event);
        // Shift is allowed: "+" needs it on many keyboards.
        const Qt::KeyboardModifiers others =
            input->modifiers() & ~(Qt::ControlModifier | Qt::ShiftModifier | Qt::KeypadModifier);
        if (!(input->modifiers() & Qt::ControlModifier) || others)
            return false;
        if (event->type() == QEvent::Wheel) {
            // A mouse wheel sends a notch of 120 at a time, a touchpad many
            // small deltas: the angle adds up and each full notch, either way,
            // is one step, so that both feel the same. Turning back starts
            // afresh, as Qt's own scrolling does.
            const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
            if ((wheelAngle_ > 0 && delta < 0) || (wheelAngle_ < 0 && delta > 0))
                wheelAngle_ = 0;
            const qint64 angle = wheelAngle_ + qint64(delta);
            const qint64 notches = angle / Notch; // towards zero: the rest keeps its sign
            wheelAngle_ = int(angle - notches * Notch);
            setZoom(stepsFrom(zoomPercent(), notches));
            event->accept();
            return true;
        }
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomIn();
            break;
        case Qt::Key_Minus:
            zoomOut();
            break;
        case Qt::Key_0:
            setZoom(100);
            break;
        default:
            return false;
        }
        event->accept();
        return true;
    }

private:
    static constexpr int Notch = 120; // QWheelEvent's eighths of a degree in one notch
    int wheelAngle_ = 0; // turned but not yet a whole notch
};

} // namespace

namespace {

bool fitWhenOpening = false;
constexpr char FittedProperty[] = "quimbraFitted"; // the window's tooltip was set by the fit

} // namespace

int fittingZoom(const QSize &twips, const QSize &frame, const QSize &area, int current)
{
    for (auto step = ZoomSteps.rbegin(); step != ZoomSteps.rend(); ++step)
        if (*step <= current && pxAt(twips.width(), *step) + frame.width() <= area.width() &&
            pxAt(twips.height(), *step) + frame.height() <= area.height())
            return *step;
    return ZoomSteps.front();
}

void setFitWhenOpening(bool on)
{
    fitWhenOpening = on;
}

void fitBeforeOpening(QWidget *window)
{
    if (!fitWhenOpening || window->isVisible() || !isLayoutWindow(window) || !window->screen())
        return;
    // A frame as the page draws it (a title bar and a border), taken from a
    // window already shown when there is one.
    QSize frame(2, 24);
    for (QWidget *shown : QApplication::topLevelWidgets())
        if (shown->isVisible() && isLayoutWindow(shown)) {
            frame = frame.expandedTo(shown->frameGeometry().size() - shown->geometry().size());
            break;
        }
    const int fits = fittingZoom(layoutTwips(window), frame, window->screen()->availableGeometry().size(), zoomPercent());
    if (fits >= zoomPercent())
        return;
    const int wanted = zoomPercent();
    setZoom(fits);
    window->setToolTip(QStringLiteral("Aperta al %1 %: al %2 % la finestra non entra nello schermo. "
                                      "Ctrl e + o due dita che si allargano la ingrandiscono.")
                           .arg(fits)
                           .arg(wanted));
    window->setProperty(FittedProperty, true);
}

void setZoom(int percent)
{
    percent = std::clamp(percent, ZoomSteps.front(), ZoomSteps.back());
    if (percent == zoomPercent())
        return;
    // A window's word that it was opened smaller holds no longer.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->property(FittedProperty).toBool()) {
            window->setToolTip(QString());
            window->setProperty(FittedProperty, QVariant());
        }
    // Where each window stands at 100 %, for the way back: a zoom that
    // pushed windows against the screen's edges must not leave them piled.
    static const char *const home = "quimbraAt100";
    if (zoomPercent() == 100)
        for (QWidget *window : QApplication::topLevelWidgets())
            if (isLayoutWindow(window))
                window->setProperty(home, window->isVisible() ? QVariant(window->pos()) : QVariant());
    for (QWidget *window : setLayoutZoom(percent)) {
        if (!window->isVisible())
            continue;
        if (percent == 100 && window->property(home).isValid())
            window->move(window->property(home).toPoint());
        keepOnScreen(window);
    }
}

void zoomIn()
{
    setZoom(stepsFrom(zoomPercent(), 1));
}

void zoomOut()
{
    setZoom(stepsFrom(zoomPercent(), -1));
}

void keepOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QPoint inside(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())),
                        std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    if (inside != frame.topLeft())
        window->move(inside);
}

void installZoomKeys()
{
    static const QString name = QStringLiteral("quimbraZoomKeys");
    if (!qApp || qApp->findChild<QObject *>(name, Qt::FindDirectChildrenOnly))
        return;
    auto *keys = new ZoomKeys(qApp);
    keys->setObjectName(name);
    qApp->installEventFilter(keys);
}

} // namespace quimbra
