// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tree_drawing.h"

#include "layout.h"
#include "step_colours.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace quimbra {

namespace {

const QColor paleYellow(palette::paleYellow);
const QColor &magenta = stepColour::lit;
const QColor paleMagenta(255, 200, 255);
const QColor darkRed(palette::darkRed);

} // namespace

void TreeDrawing::setTree(const abr::Tabella &ABR)
{
    ABR_ = ABR;
    places_ = abr::PlaceNodes(ABR_);
    rows_ = columns_ = 0;
    for (int k = 1; k <= abr::N; ++k)
        if (places_[k].row >= 0) {
            rows_ = std::max(rows_, places_[k].row + 1);
            columns_ = std::max(columns_, places_[k].column + 1);
        }
    lit_.reset();
    current_ = found_ = 0;
}

void TreeDrawing::setMarks(const std::vector<int> &lit, int current, int found)
{
    lit_.reset();
    for (int k : lit)
        if (abr::isNode(k))
            lit_.set(static_cast<std::size_t>(k));
    current_ = current;
    found_ = found;
}

QRectF TreeDrawing::nodeRect(const QRect &area, int k) const
{
    if (!abr::isNode(k) || places_[k].row < 0 || rows_ == 0)
        return {};
    // One cell per in-order rank across, one band per level down. Nodes of one
    // row stand at least two columns apart, and neighbouring ranks sit on
    // different rows, so a circle a little under two columns wide never meets
    // another one.
    // Half a column more on either side keeps the outer circles inside.
    const qreal cellWidth = qreal(area.width()) / (columns_ + 1);
    const qreal rowHeight = qreal(area.height()) / rows_;
    const qreal radius = std::max<qreal>(2, std::min(0.92 * cellWidth, 0.4 * rowHeight));
    const QPointF centre(area.left() + (places_[k].column + 1) * cellWidth,
                         area.top() + (places_[k].row + 0.5) * rowHeight);
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

void TreeDrawing::paint(QPainter &painter, const QRect &area) const
{
    painter.save();
    painter.fillRect(area, paleYellow);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal line = std::max<qreal>(1, nodeRect(area, 1).width() / 28);
    // Edges first, so that the circles cover their ends. An edge walked by the
    // search or the visit (both of its nodes lit) is drawn in magenta.
    for (int k = 1; k <= abr::N; ++k) {
        const QRectF from = nodeRect(area, k);
        if (from.isEmpty())
            continue;
        for (int child : {int(ABR_[k].Sx), int(ABR_[k].Dx)}) {
            const QRectF to = nodeRect(area, child);
            if (to.isEmpty() || places_[child].row != places_[k].row + 1)
                continue;
            const bool walked = lit_.test(std::size_t(k)) && lit_.test(std::size_t(child));
            painter.setPen(QPen(walked ? magenta : darkRed, walked ? 3 * line : line));
            painter.drawLine(from.center(), to.center());
        }
    }

    const QFont keyFont = fontFor({Face::Mono, 9.75, true});
    const QFont numberFont = fontFor({Face::Sans, 6.75, false});
    const qreal keyHeight = QFontMetricsF(keyFont).height();
    const qreal numberHeight = QFontMetricsF(numberFont).height();
    for (int k = 1; k <= abr::N; ++k) {
        const QRectF circle = nodeRect(area, k);
        if (circle.isEmpty())
            continue;
        const bool current = k == current_;
        const bool lit = lit_.test(std::size_t(k));
        painter.setPen(QPen(current || lit ? magenta : darkRed, current ? 2.5 * line : line));
        painter.setBrush(current ? magenta : lit ? paleMagenta : Qt::white);
        painter.drawEllipse(circle);
        if (k == found_) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(magenta, 1.5 * line));
            const qreal ring = 2.5 * line;
            painter.drawEllipse(circle.adjusted(-ring, -ring, ring, ring));
        }
    }

    // The key a little above the centre, the node number under it; all keys
    // first, then all numbers, so that the font changes twice per paint.
    for (const bool keys : {true, false}) {
        painter.setFont(keys ? keyFont : numberFont);
        for (int k = 1; k <= abr::N; ++k) {
            const QRectF circle = nodeRect(area, k);
            if (circle.isEmpty())
                continue;
            const qreal top = circle.center().y() - (keyHeight + numberHeight) / 2;
            painter.setPen(k == current_ ? Qt::white : darkRed);
            const QRectF line = keys ? QRectF(circle.left(), top, circle.width(), keyHeight)
                                     : QRectF(circle.left(), top + keyHeight, circle.width(),
                                              numberHeight);
            painter.drawText(line, Qt::AlignCenter, QString::number(keys ? ABR_[k].Inf : k));
        }
    }
    painter.restore();
}

} // namespace quimbra
