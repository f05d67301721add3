// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sort_bars.h"

#include "layout.h"
#include "sort_steps.h"
#include "step_colours.h"

#include <QPainter>

#include <algorithm>

namespace quimbra {

namespace {

// Dark bars on the program's pale yellow.
const QColor barColour(0, 0, 160);
// Heap's sorted tail: the bars that have left the heap, on a pale ground.
const QColor tailColour(0, 110, 0);
const QColor tailGround(214, 238, 206);
// The two runs that a merge is joining.
const QColor leftRunGround(208, 224, 250);
const QColor rightRunGround(250, 222, 200);
// The calls under way in the tree of calls (the innermost in the lit colour).
const QColor callUnderWay(226, 150, 226);

// Merge draws W under V: V takes the upper part of the area.
QRect vectorArea(const QRect &area, bool withAux)
{
    return withAux ? QRect(area.left(), area.top(), area.width(), area.height() * 60 / 100) : area;
}

QRect auxArea(const QRect &area)
{
    const QRect v = vectorArea(area, true);
    return QRect(area.left(), v.bottom() + 1, area.width(), area.bottom() - v.bottom());
}

} // namespace

bool SortBars::withCalls() const
{
    return steps_ && !steps_->calls().empty();
}

QRect SortBars::barsArea(const QRect &area) const
{
    if (!withCalls())
        return area;
    return QRect(area.left(), area.top(), area.width(), area.height() - callsArea(area).height());
}

QRect SortBars::callsArea(const QRect &area) const
{
    if (!withCalls())
        return {};
    // The tree of the calls takes the lowest fifth, at least a few pixels a level.
    const int height = std::clamp(area.height() / 5, 24, std::max(24, area.height() / 3));
    return QRect(area.left(), area.bottom() - height + 1, area.width(), height);
}

void SortBars::paintCalls(QPainter &painter, const QRect &area) const
{
    const CallTrace &trace = steps_->calls();
    const long step = steps_->position() - 1;
    const Geometry g = geometry(barsArea(area));
    painter.fillRect(area.left(), area.top(), area.width(), 1, Qt::darkGray);
    const int deepest = std::max(1, trace.deepest());
    const double level = double(area.height() - 3) / deepest;
    const int thick = std::clamp(int(level * 0.6), 1, 6);
    // The calls made so far, each over its range at its depth: those under
    // way lit, the innermost strongest, the others finished.
    const CallRecord *innermost = nullptr;
    for (const CallRecord &c : trace.calls()) {
        if (c.entered > step)
            break;
        if (c.b < c.a || c.a < 1)
            continue;
        const bool underWay = c.returned < 0 || c.returned > step;
        const int y = area.top() + 2 + int((c.depth - 1) * level);
        const int x = g.left(c.a), right = g.left(std::min(c.b, g.n) + 1);
        painter.fillRect(x, y, std::max(1, right - x - 1), thick, underWay ? callUnderWay : QColor(Qt::lightGray));
        if (underWay && (!innermost || c.depth >= innermost->depth))
            innermost = &c;
    }
    if (innermost) {
        const int y = area.top() + 2 + int((innermost->depth - 1) * level);
        const int x = g.left(innermost->a), right = g.left(std::min(innermost->b, g.n) + 1);
        painter.fillRect(x, y, std::max(1, right - x - 1), std::max(thick, 2), stepColour::lit);
    }
}

bool SortBars::withAux() const
{
    return steps_ && steps_->algorithm() == AlgoMerge;
}

void SortBars::setSteps(const SortSteps *steps, Integer highest)
{
    steps_ = steps;
    highest_ = std::max<Integer>(1, highest);
}

QRectF SortBars::column(const QRect &area, int p) const
{
    const Geometry g = geometry(vectorArea(barsArea(area), withAux()));
    if (p < 1 || p > g.n)
        return {};
    return QRectF(g.left(p), g.area.top(), g.width(p), g.area.height());
}

QRegion SortBars::changedByOneStep(const QRect &area) const
{
    // Merge's W and Heap's tail change beside the positions marked.
    if (withAux() || (steps_ && steps_->algorithm() == AlgoHeap))
        return area;
    const Geometry g = geometry(barsArea(area));
    const Marks now = marks();
    // The tree of the calls changes with the calls under way.
    QRegion dirty = callsArea(area);
    for (const Marks *m : {static_cast<const Marks *>(&painted_), &now}) {
        for (int p : m->positions)
            if (p >= 1 && p <= g.n)
                dirty += QRect(g.left(p) - markerSize() - 1, g.area.top(),
                               g.width(p) + 2 * markerSize() + 2, g.area.height());
        if (m->holding) {
            const int y = g.base - g.heightOf(m->held, highest_);
            dirty += QRect(g.area.left(), y - 2, g.area.width(), 5);
            dirty += QRect(g.area.left(), g.area.top(), g.area.width(), g.textHeight + 4);
        }
    }
    return dirty;
}

SortBars::Geometry SortBars::geometry(const QRect &area) const
{
    Geometry g;
    g.area = area;
    g.n = steps_ ? steps_->size() : 0;
    const QFontMetrics metrics(font());
    g.slot = double(area.width()) / std::max(1, g.n);
    // Room for the number of the highest value (and of the last position)
    // under every bar.
    const QString widest = QString::number(std::max<int>({int(highest_), g.n, 10}));
    g.few = g.slot >= metrics.horizontalAdvance(widest) + 4;
    g.textHeight = metrics.height();
    g.letters = g.few && g.n <= SortSteps::MostLettered;
    // A strip under the bars for the position numbers (few bars) or for the
    // markers that make a one-pixel bar findable on a projector; with few
    // values a second row for the letters of equal values.
    const int strip = g.few ? (g.textHeight + 4) * (g.letters ? 2 : 1) : markerSize() + 5;
    // A row at the top for the held value's name, so that it covers no bar
    // and no bar's number; then room for the tallest bar's number.
    const int top = area.top() + g.textHeight + 4 + (g.few ? g.textHeight + 4 : 4);
    g.base = area.bottom() - strip;
    g.tallest = g.base - top;
    g.gap = g.slot >= 4 ? 1 : 0;
    return g;
}

int SortBars::Geometry::left(int p) const
{
    return area.left() + int((p - 1) * slot);
}

int SortBars::Geometry::width(int p) const
{
    return std::max(1, left(p + 1) - left(p) - gap);
}

int SortBars::Geometry::heightOf(int value, int highest) const
{
    return value <= 0 ? 0 : std::max(1, int(double(value) * tallest / highest + 0.5));
}

// Half the width of a marker under a bar, larger when the windows are zoomed.
int SortBars::markerSize()
{
    return std::max(5, px(75));
}

QFont SortBars::font()
{
    return fontFor({Face::Sans, 8.25, true});
}

SortBars::Marks SortBars::marks() const
{
    Marks m;
    if (!steps_)
        return m;
    const SortStep &last = steps_->last();
    m.positions = {last.a, last.b, last.movedA, last.movedB};
    m.holding = steps_->holding();
    m.held = steps_->held();
    return m;
}

void SortBars::paint(QPainter &painter, const QRect &area) const
{
    painted_ = marks();
    if (!steps_ || steps_->size() < 1)
        return;
    const QRect bars = barsArea(area);
    paintVector(painter, vectorArea(bars, withAux()));
    if (withAux())
        paintAux(painter, auxArea(bars));
    if (withCalls())
        paintCalls(painter, callsArea(area));
}

void SortBars::paintAux(QPainter &painter, const QRect &area) const
{
    const SortState &s = steps_->state();
    const Geometry g = geometry(area);
    const QFontMetrics metrics(font());
    painter.setFont(font());
    painter.fillRect(area.left(), area.top(), area.width(), 1, Qt::darkGray);
    painter.setPen(Qt::black);
    painter.drawText(QRect(area.left() + 4, area.top() + 2, area.width() - 8, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     s.mergeFirst < 0 ? QStringLiteral("W") : QStringLiteral("W: la fusione"));
    if (s.mergeFirst < 0)
        return;
    const QColor &moved = exercise_ ? stepColour::right : stepColour::written;
    for (int p = s.mergeFirst; p < s.auxEnd && p <= g.n; ++p) {
        const int x = g.left(p);
        const int w = g.width(p);
        const Integer value = s.aux[std::size_t(p)];
        const int h = g.heightOf(value, highest_);
        const bool lit = p == s.last.aux;
        const int wide = lit ? std::max(w, 3) : w;
        painter.fillRect(x + w / 2 - wide / 2, g.base - h, wide, h, lit ? moved : barColour);
        if (g.few) {
            painter.setPen(Qt::black);
            painter.drawText(QRect(x, g.base - h - metrics.height() - 2, w, metrics.height()),
                             Qt::AlignHCenter | Qt::AlignBottom,
                             QString::number(value) + QString::fromStdString(steps_->letter(p, true)));
        }
    }
}

void SortBars::paintVector(QPainter &painter, const QRect &area) const
{
    const std::vector<Integer> &V = steps_->values();
    const SortStep &last = steps_->last();
    const SortState &state = steps_->state();
    const Geometry g = geometry(area);
    const int n = g.n;
    const bool few = g.few;
    const int base = g.base;
    const QFont font = SortBars::font();
    const QFontMetrics metrics(font);
    painter.setFont(font);

    auto left = [&](int p) { return g.left(p); };
    auto heightOf = [&](int value) { return g.heightOf(value, highest_); };
    // The grounds that tell the parts of the vector apart: Heap's sorted
    // tail, the two runs of a merge.
    auto ground = [&](int from, int to, const QColor &colour) {
        if (from > to || from < 1 || to > n)
            return;
        painter.fillRect(QRect(QPoint(left(from), area.top() + g.textHeight + 4),
                               QPoint(left(to + 1) - 1, base)), colour);
    };
    const bool heap = steps_->algorithm() == AlgoHeap && state.heapEnd >= 0;
    if (heap)
        ground(state.heapEnd + 1, n, tailGround);
    if (state.mergeFirst >= 0) {
        const int mid = (state.mergeFirst + state.mergeLast) / 2;
        ground(state.mergeFirst, mid, leftRunGround);
        ground(mid + 1, state.mergeLast, rightRunGround);
    }
    for (int p = 1; p <= n; ++p) {
        const int x = left(p);
        const int w = g.width(p);
        const int h = heightOf(V[std::size_t(p)]);
        painter.fillRect(x, base - h, w, h, heap && p > state.heapEnd ? tailColour : barColour);
        if (few) {
            painter.setPen(Qt::black);
            painter.drawText(QRect(x, base - h - metrics.height() - 2, w, metrics.height()),
                             Qt::AlignHCenter | Qt::AlignBottom, QString::number(V[std::size_t(p)]));
            painter.drawText(QRect(x, base + 2, w, metrics.height()), Qt::AlignCenter,
                             QString::number(p));
            if (g.letters)
                painter.drawText(QRect(x, base + 2 + g.textHeight + 4, w, metrics.height()),
                                 Qt::AlignCenter, QString::fromStdString(steps_->letter(p)));
        }
    }
    if (heap && !steps_->holding()) {
        painter.setPen(Qt::black);
        const QString parts = state.heapEnd < n
                                  ? QStringLiteral("heap V(1…%1) · ordinati V(%2…%3)")
                                        .arg(state.heapEnd).arg(state.heapEnd + 1).arg(n)
                                  : QStringLiteral("heap V(1…%1)").arg(state.heapEnd);
        painter.drawText(QRect(area.left() + 4, area.top() + 2, area.width() - 8, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, parts);
    }
    // The positions just written are painted red, the positions compared
    // magenta; below the bars a marker (or the position's number on a
    // coloured ground) shows both, also where one bar is a single pixel.
    auto mark = [&](int p, const QColor &colour, bool paintBar) {
        if (p < 1 || p > n)
            return;
        const int x = left(p);
        const int w = g.width(p);
        if (paintBar) {
            const int wide = std::max(w, 3);
            const int h = heightOf(V[std::size_t(p)]);
            painter.fillRect(x + w / 2 - wide / 2, base - h, wide, h, colour);
        }
        if (few) {
            const QRect number(x, base + 2, w, metrics.height());
            painter.fillRect(number, colour);
            painter.setPen(Qt::white);
            painter.drawText(number, Qt::AlignCenter, QString::number(p));
        } else {
            const QPoint tip(x + w / 2, base + 1);
            const int s = markerSize();
            const QPoint points[] = {tip, tip + QPoint(-s, s + 3), tip + QPoint(s, s + 3)};
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawPolygon(points, 3);
        }
    };
    const bool pair = last.kind == SortStep::Compare || last.kind == SortStep::Range;
    mark(last.a, stepColour::compared, true);
    if (pair)
        mark(last.b, stepColour::compared, true);
    // In an exercise red means a wrong answer: the moves are marked green.
    const QColor &moved = exercise_ ? stepColour::right : stepColour::written;
    mark(last.movedA, moved, true);
    mark(last.movedB, moved, true);
    // A compared position that was also written keeps its magenta marker.
    for (int p : {last.a, pair ? last.b : -1})
        if (p >= 1 && (p == last.movedA || p == last.movedB))
            mark(p, stepColour::compared, false);

    // The held value (Shell's v, Quick's pivot) as a dashed line at its
    // height, named in the row above the bars, on the canvas's own ground.
    if (steps_->holding()) {
        const int y = base - heightOf(steps_->held());
        painter.setPen(QPen(stepColour::compared, 2, Qt::DashLine));
        painter.drawLine(area.left(), y, area.right(), y);
        painter.setPen(stepColour::compared);
        const char *held = sortEntry(steps_->algorithm()).held;
        const QString name = QString::fromUtf8(held ? held : "v");
        painter.drawText(QRect(area.left() + 4, area.top() + 2, area.width() - 8, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("- - -  ") + name + QStringLiteral(" = ") + QString::number(steps_->held()));
    }
}

} // namespace quimbra
