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

int zoom = 100;

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
            const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
            if (delta > 0)
                zoomIn();
            else if (delta < 0)
                zoomOut();
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
};

} // namespace

int zoomPercent()
{
    return zoom;
}

void setZoom(int percent)
{
    percent = std::clamp(percent, ZoomSteps.front(), ZoomSteps.back());
    if (percent == zoom)
        return;
    zoom = percent;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!isLayoutWindow(window))
            continue;
        placeAgain(window);
        if (window->isVisible())
            keepOnScreen(window);
    }
}

void zoomIn()
{
    const auto next = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom);
    if (next != ZoomSteps.end())
        setZoom(*next);
}

void zoomOut()
{
    const auto next = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom);
    if (next != ZoomSteps.begin())
        setZoom(*(next - 1));
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
