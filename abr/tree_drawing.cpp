// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tree_drawing.h"

#include "layout.h"
#include "step_colours.h"
#include "tree_ops.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace quimbra {

namespace {

const QColor paleYellow(palette::paleYellow);
const QColor &magenta = stepColour::lit;
const QColor paleMagenta(255, 200, 255);
const QColor darkRed(palette::darkRed);

QFont keyFont()
{
    return fontFor({Face::Mono, 9.75, true});
}

} // namespace

void TreeDrawing::setTree(const abr::Albero &tree)
{
    tree_ = tree;
    places_ = abr::PlaceNodes(tree_);
    rows_ = columns_ = 0;
    for (int k = 1; k <= abr::MostNodes; ++k)
        if (places_[std::size_t(k)].row >= 0) {
            rows_ = std::max(rows_, places_[std::size_t(k)].row + 1);
            columns_ = std::max(columns_, places_[std::size_t(k)].column + 1);
        }
    lit_.reset();
    current_ = found_ = 0;
}

void TreeDrawing::setMarks(const std::vector<int> &lit, int current, int found)
{
    lit_.reset();
    int focus = 0;
    for (int k : lit)
        if (tree_.used(k)) {
            lit_.set(static_cast<std::size_t>(k));
            focus = std::max(focus, places_[std::size_t(k)].row);
        }
    current_ = current;
    found_ = found;
    if (tree_.used(current))
        focus = places_[std::size_t(current)].row;
    if (focus != focusRow_)
        offset_ = 0;
    focusRow_ = std::max(0, focus);
}

TreeDrawing::Frame TreeDrawing::frameFor(const QRect &area) const
{
    Frame frame;
    const int rows = std::max(1, rows_ + (slots_ ? 1 : 0));
    // A row needs room for a circle holding a key and its number.
    const qreal least = 2.3 * QFontMetricsF(keyFont()).height();
    frame.shown = std::clamp(int(area.height() / least), 1, rows);
    // The rows shown keep the focus with a row to spare under it.
    const int base = std::clamp(focusRow_ - frame.shown + 2, 0, rows - frame.shown);
    frame.first = std::clamp(base + offset_, 0, rows - frame.shown);
    // One cell per in-order rank across, one band per level down. Nodes of one
    // row stand at least two columns apart, and neighbouring ranks sit on
    // different rows, so a circle a little under two columns wide never meets
    // another one. Half a column more on either side keeps the outer circles inside.
    frame.cellWidth = qreal(area.width()) / (columns_ + 1);
    frame.rowHeight = qreal(area.height()) / frame.shown;
    frame.radius = std::max<qreal>(2, std::min(0.92 * frame.cellWidth, 0.4 * frame.rowHeight));
    return frame;
}

bool TreeDrawing::scroll(const QRect &area, int levels)
{
    const int before = frameFor(area).first;
    offset_ += levels;
    const Frame after = frameFor(area);
    // The offset stays within what can be shown.
    offset_ += after.first - (before + levels);
    return after.first != before;
}

QPointF TreeDrawing::centre(const QRect &area, const Frame &frame, int k) const
{
    const auto at = [&](qreal column, int row) {
        return QPointF(area.left() + (column + 1) * frame.cellWidth,
                       area.top() + (row - frame.first + 0.5) * frame.rowHeight);
    };
    if (k < abr::FirstSlot)
        return at(places_[std::size_t(k)].column, places_[std::size_t(k)].row);
    const int parent = (k - abr::FirstSlot) / 2;
    const bool left = (k - abr::FirstSlot) % 2 == 0;
    if (parent == 0)
        return {area.left() + area.width() / 2.0, at(0, 0).y()};
    // An empty link stands half a column beside its parent, a row below: the
    // neighbouring ranks are the parent's ancestors, so nothing else is there.
    const abr::NodePlace &p = places_[std::size_t(parent)];
    return at(p.column + (left ? -0.5 : 0.5), p.row + 1);
}

std::vector<int> TreeDrawing::emptyPlaces() const
{
    std::vector<int> out;
    if (tree_.count() >= abr::MostNodes)
        return out;
    if (tree_.root == 0)
        return {abr::SlotOf(0, true)};
    for (int k = 1; k <= abr::MostNodes; ++k)
        if (places_[std::size_t(k)].row >= 0) {
            if (tree_[k].Sx == 0)
                out.push_back(abr::SlotOf(k, true));
            if (tree_[k].Dx == 0)
                out.push_back(abr::SlotOf(k, false));
        }
    return out;
}

QRectF TreeDrawing::nodeRect(const QRect &area, int k) const
{
    return rectIn(area, frameFor(area), k, slots_ ? emptyPlaces() : std::vector<int>{});
}

QRectF TreeDrawing::rectIn(const QRect &area, const Frame &frame, int k, const std::vector<int> &empty) const
{
    int row = 0;
    qreal radius = frame.radius;
    if (k >= abr::FirstSlot) {
        if (!slots_ || std::find(empty.begin(), empty.end(), k) == empty.end())
            return {};
        const int parent = (k - abr::FirstSlot) / 2;
        row = parent == 0 ? 0 : places_[std::size_t(parent)].row + 1;
        radius *= 0.7;
    } else {
        if (!tree_.used(k) || places_[std::size_t(k)].row < 0)
            return {};
        row = places_[std::size_t(k)].row;
    }
    if (row < frame.first || row >= frame.first + frame.shown)
        return {};
    const QPointF c = centre(area, frame, k);
    return {c.x() - radius, c.y() - radius, 2 * radius, 2 * radius};
}

void TreeDrawing::paint(QPainter &painter, const QRect &area) const
{
    painter.save();
    painter.fillRect(area, paleYellow);
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    const Frame frame = frameFor(area);
    const std::vector<int> empty = slots_ ? emptyPlaces() : std::vector<int>{};
    // Every circle of this paint, in this one frame.
    const auto circleOf = [&](int k) { return rectIn(area, frame, k, empty); };
    const auto shownRow = [&](int row) { return row >= frame.first && row < frame.first + frame.shown; };
    const QFont small = fontFor({Face::Sans, 8.25, false});

    if (rows_ == 0 && !slots_) {
        painter.setPen(darkRed);
        painter.setFont(small);
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("Albero vuoto"));
        painter.restore();
        return;
    }

    const qreal line = std::max<qreal>(1, frame.radius / 14);
    // Edges first, so that the circles cover their ends; an edge to a row not
    // shown runs off the edge of the area. An edge walked by the run (both of
    // its nodes lit) is drawn in magenta.
    for (int k = 1; k <= abr::MostNodes; ++k) {
        const int row = places_[std::size_t(k)].row;
        if (row < 0 || !(shownRow(row) || shownRow(row + 1)))
            continue;
        for (int child : {int(tree_[k].Sx), int(tree_[k].Dx)}) {
            if (!tree_.used(child) || places_[std::size_t(child)].row != row + 1)
                continue;
            const bool walked = lit_.test(std::size_t(k)) && lit_.test(std::size_t(child));
            painter.setPen(QPen(walked ? magenta : darkRed, walked ? 3 * line : line));
            painter.drawLine(centre(area, frame, k), centre(area, frame, child));
        }
    }

    if (slots_) {
        painter.setPen(QPen(darkRed, line, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        for (int slot : empty) {
            const QRectF circle = circleOf(slot);
            if (circle.isEmpty())
                continue;
            const int parent = (slot - abr::FirstSlot) / 2;
            if (parent != 0)
                painter.drawLine(centre(area, frame, parent), circle.center());
            painter.drawEllipse(circle);
        }
    }

    for (int k = 1; k <= abr::MostNodes; ++k) {
        const QRectF circle = circleOf(k);
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

    // The key a little above the centre, the node number under it, both made
    // smaller when the widest key would not fit its circle; all keys first,
    // then all numbers, so that the font changes twice per paint.
    QFont keys = keyFont();
    QFont numbers = fontFor({Face::Sans, 6.75, false});
    qreal widest = 1;
    const QFontMetricsF keyMetrics(keys);
    for (int k = 1; k <= abr::MostNodes; ++k)
        if (tree_.used(k))
            widest = std::max(widest, keyMetrics.horizontalAdvance(QString::number(tree_[k].Inf)));
    const qreal room = 1.8 * frame.radius;
    const qreal scale = std::min({1.0, room / widest,
                                  room / (keyMetrics.height() + QFontMetricsF(numbers).height())});
    if (scale < 1) {
        keys.setPointSizeF(std::max(4.5, keys.pointSizeF() * scale));
        numbers.setPointSizeF(std::max(4.5, numbers.pointSizeF() * scale));
    }
    const qreal keyHeight = QFontMetricsF(keys).height();
    const qreal numberHeight = QFontMetricsF(numbers).height();
    for (const bool key : {true, false}) {
        painter.setFont(key ? keys : numbers);
        for (int k = 1; k <= abr::MostNodes; ++k) {
            const QRectF circle = circleOf(k);
            if (circle.isEmpty())
                continue;
            const qreal top = circle.center().y() - (keyHeight + numberHeight) / 2;
            painter.setPen(k == current_ ? Qt::white : darkRed);
            const QRectF text = key ? QRectF(circle.left() - circle.width(), top, 3 * circle.width(), keyHeight)
                                    : QRectF(circle.left(), top + keyHeight, circle.width(), numberHeight);
            painter.drawText(text, Qt::AlignCenter, QString::number(key ? tree_[k].Inf : k));
        }
    }

    // How many levels the rows shown leave out, above and below.
    const int rows = std::max(1, rows_ + (slots_ ? 1 : 0));
    const int above = frame.first, below = rows - frame.first - frame.shown;
    painter.setFont(small);
    painter.setPen(darkRed);
    const QRectF corner = area.adjusted(4, 2, -4, -2);
    if (above > 0)
        painter.drawText(corner, Qt::AlignRight | Qt::AlignTop,
                         QStringLiteral("\u25b2 altri %1 livelli sopra").arg(above));
    if (below > 0)
        painter.drawText(corner, Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("\u25bc altri %1 livelli sotto").arg(below));
    painter.restore();
}

} // namespace quimbra
