// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "touch.h"

#include "zoom.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QInputDevice>
#include <QLineF>
#include <QTouchEvent>
#include <QWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace quimbra {

namespace {

// How far a finger may wander and still be holding still, in pixels.
constexpr int StillPx = 12;
// A tap shows no ring: it appears only once the press has lasted this long.
constexpr int CueAfterMs = 120;
// How much two fingers' spread must grow (or shrink) for one zoom step.
constexpr double PinchStep = 1.3;

// The ring under the finger, filling as the press goes on.
class PressCue final : public QWidget
{
public:
    explicit PressCue(QWidget *window) : QWidget(window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        resize(48, 48);
    }
    void setShare(double share)
    {
        share_ = share;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(128, 0, 128, 200), 3));
        const QRectF ring = QRectF(rect()).adjusted(4, 4, -4, -4);
        painter.drawArc(ring, 90 * 16, -int(360 * 16 * share_));
    }

private:
    double share_ = 0;
};

class LongPress final : public QObject
{
public:
    explicit LongPress(QObject *parent) : QObject(parent)
    {
        tick_.setInterval(30);
        connect(&tick_, &QTimer::timeout, this, &LongPress::step);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        // Two fingers spreading or pinching over a window zoom the program:
        // one step each time their spread grows or shrinks by a clear share.
        // The touches go on to the window untouched.
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
            if (auto *window = qobject_cast<QWindow *>(watched)) {
                if (dragTitleBar(window, static_cast<QTouchEvent *>(event)))
                    return true;
                pinch(static_cast<QTouchEvent *>(event));
            }
            return false;
        // A press soon after a tap in the same place comes as a double click.
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonPress: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (!watched->isWidgetType() || mouse->button() != Qt::LeftButton || !fromTouch(mouse))
                return false;
            cancel();
            target_ = static_cast<QWidget *>(watched);
            global_ = mouse->globalPosition().toPoint();
            fired_ = false;
            held_.start();
            tick_.start();
            return false;
        }
        case QEvent::MouseMove: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (watched == target_ && tick_.isActive() &&
                (mouse->globalPosition().toPoint() - global_).manhattanLength() > StillPx)
                cancel();
            return false;
        }
        case QEvent::MouseButtonRelease:
            if (watched != target_)
                return false;
            {
                const bool swallow = fired_;
                cancel();
                fired_ = false;
                target_ = nullptr;
                return swallow; // the lifting after a menu is no click
            }
        default:
            return false;
        }
    }

private:
    static bool fromTouch(const QMouseEvent *mouse)
    {
        const QInputDevice *device = mouse->device();
        return device && device->type() == QInputDevice::DeviceType::TouchScreen;
    }

    void step()
    {
        if (!target_) {
            cancel();
            return;
        }
        const qint64 ms = held_.elapsed();
        if (ms >= LongPressMs) {
            cancel();
            fire();
            return;
        }
        if (ms >= CueAfterMs) {
            QWidget *window = target_->window();
            if (!cue_)
                cue_ = new PressCue(window);
            cue_->move(window->mapFromGlobal(global_) - QPoint(cue_->width() / 2, cue_->height() / 2));
            cue_->raise();
            cue_->show();
            cue_->setShare(double(ms - CueAfterMs) / (LongPressMs - CueAfterMs));
        }
    }

    void fire()
    {
        if (!target_)
            return;
        fired_ = true;
        QContextMenuEvent menu(QContextMenuEvent::Mouse, target_->mapFromGlobal(global_), global_);
        QApplication::sendEvent(target_, &menu);
    }

    // A finger on a title bar that Qt draws itself (in the web page, where
    // only the mouse moves a window) drags the window. Where the system
    // draws the frame, such a touch never reaches the program.
    bool dragTitleBar(QWindow *window, const QTouchEvent *touch)
    {
        if (touch->points().size() != 1) {
            moving_ = nullptr;
            return false;
        }
        const QPoint at = touch->points().first().globalPosition().toPoint();
        if (touch->type() == QEvent::TouchBegin) {
            moving_ = nullptr;
            if (window->frameGeometry().contains(at) && at.y() < window->geometry().top()) {
                moving_ = window;
                grip_ = at - window->position();
            }
        }
        if (moving_ != window)
            return false;
        if (touch->type() == QEvent::TouchUpdate)
            window->setPosition(at - grip_);
        if (touch->type() == QEvent::TouchEnd || touch->type() == QEvent::TouchCancel)
            moving_ = nullptr;
        return true;
    }

    void pinch(const QTouchEvent *touch)
    {
        QList<QPointF> down;
        for (const QEventPoint &point : touch->points())
            if (point.state() != QEventPoint::Released)
                down << point.globalPosition();
        if (down.size() != 2 || touch->type() == QEvent::TouchEnd || touch->type() == QEvent::TouchCancel) {
            spread_ = 0;
            return;
        }
        cancel(); // two fingers are no long press
        target_ = nullptr;
        const double spread = QLineF(down[0], down[1]).length();
        if (spread_ <= 0) {
            spread_ = spread;
            return;
        }
        if (spread >= spread_ * PinchStep) {
            zoomIn();
            spread_ = spread;
        } else if (spread * PinchStep <= spread_) {
            zoomOut();
            spread_ = spread;
        }
    }

    void cancel()
    {
        tick_.stop();
        if (cue_)
            cue_->deleteLater();
        cue_ = nullptr;
    }

    QTimer tick_;
    QElapsedTimer held_;
    QPointer<QWidget> target_;
    QPointer<PressCue> cue_;
    QPoint global_;
    bool fired_ = false;
    double spread_ = 0; // the two fingers' distance at the last zoom step, 0 with no pinch
    QPointer<QWindow> moving_; // dragged by a finger on its title bar
    QPoint grip_;              // where the finger holds it, from its top left corner
};

} // namespace

void installLongPress()
{
    static const QString name = QStringLiteral("quimbraLongPress");
    if (!qApp || qApp->findChild<QObject *>(name, Qt::FindDirectChildrenOnly))
        return;
    auto *press = new LongPress(qApp);
    press->setObjectName(name);
    qApp->installEventFilter(press);
}

} // namespace quimbra
