// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vector_column.h"

#include "layout.h"
#include "step_colours.h"
#include "ricbin.h"

#include <QFontInfo>
#include <QPainter>

#include <algorithm>

namespace quimbra {

namespace {

const QColor paleYellow(palette::paleYellow);
const QColor outside(224, 224, 224);
const QColor outsideText(90, 90, 90); // 5 : 1 on the grey of the rows left out
const QColor &magenta = stepColour::compared;

QFont rowFont()
{
    return fontFor({Face::Mono, 9.75, true});
}

// The overview strip at the right edge, in pixels.
int stripWidth(const QRect &area)
{
    return std::clamp(area.width() / 12, 6, 16);
}

} // namespace

void VectorColumn::setVector(std::span<const Integer> V, int N)
{
    rows_.clear();
    for (const std::string &line : ricbin::VectorLines(V, N))
        rows_.push_back(QString::fromStdString(line));
    low_ = 1;
    middle_ = 0;
    high_ = static_cast<int>(rows_.size());
    first_ = 1;
}

int VectorColumn::rowHeight() const
{
    // As high as a list row, with a pixel above and below for the marks.
    return QFontInfo(rowFont()).pixelSize() + 2;
}

int VectorColumn::visibleRows(const QRect &area) const
{
    return std::max(1, area.height() / rowHeight());
}

QRect VectorColumn::rowsArea(const QRect &area) const
{
    return area.adjusted(0, 0, -stripWidth(area) - 2, 0);
}

void VectorColumn::scrollTo(int first, const QRect &area)
{
    const int last = std::max(1, static_cast<int>(rows_.size()) - visibleRows(area) + 1);
    first_ = std::clamp(first, 1, last);
}

void VectorColumn::scrollBy(int rows, const QRect &area)
{
    scrollTo(first_ + rows, area);
}

void VectorColumn::setRange(int low, int middle, int high, const QRect &area)
{
    low_ = low;
    middle_ = middle;
    high_ = high;
    // A middle near an edge or out of sight is brought to the centre, so that
    // the rows around it, where the search goes next, show as well.
    const int shown = visibleRows(area);
    if (middle > 0 && (middle < first_ + 2 || middle > first_ + shown - 3))
        scrollTo(middle - shown / 2, area);
}

QRect VectorColumn::rowRect(const QRect &area, int position) const
{
    const QRect rows = rowsArea(area);
    const int i = position - first_;
    if (position < 1 || position > static_cast<int>(rows_.size()) || i < 0 ||
        i >= visibleRows(area))
        return {};
    return {rows.left(), rows.top() + i * rowHeight(), rows.width(), rowHeight()};
}

void VectorColumn::paint(QPainter &painter, const QRect &area) const
{
    painter.save();
    painter.fillRect(area, outside);
    const QFont font = rowFont();
    const QFont small = fontFor({Face::Sans, 7.5, true});
    const int last = std::min(static_cast<int>(rows_.size()), first_ + visibleRows(area) - 1);
    for (int i = first_; i <= last; ++i) {
        const QRect row = rowRect(area, i);
        const bool inRange = i >= low_ && i <= high_;
        const bool middle = i == middle_;
        painter.fillRect(row, middle ? magenta : inRange ? paleYellow : outside);
        painter.setPen(middle ? Qt::white : inRange ? Qt::black : outsideText);
        painter.setFont(font);
        painter.drawText(row.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         rows_[static_cast<std::size_t>(i - 1)]);

        // The ends of the range and the middle say what they are.
        QString tag;
        if (middle)
            tag = QStringLiteral("\u25c0 medio");
        else if (inRange && i == low_)
            tag = QStringLiteral("inizio");
        else if (inRange && i == high_)
            tag = QStringLiteral("fine");
        if (!tag.isEmpty()) {
            painter.setFont(small);
            painter.setPen(middle ? Qt::white : magenta);
            painter.drawText(row.adjusted(0, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, tag);
        }
    }

    // The whole vector in the strip: the range in pale yellow, the middle as
    // a magenta bar, the rows in sight framed.
    const int n = static_cast<int>(rows_.size());
    if (n > 0) {
        const QRect strip(area.right() - stripWidth(area) + 1, area.top(), stripWidth(area),
                          area.height());
        auto y = [&](int position) { return strip.top() + (position - 1) * strip.height() / n; };
        painter.fillRect(strip, outside.darker(115));
        if (low_ <= high_)
            painter.fillRect(QRect(strip.left(), y(low_), strip.width(),
                                   std::max(1, y(high_ + 1) - y(low_))),
                             paleYellow);
        if (middle_ > 0)
            painter.fillRect(QRect(strip.left(), y(middle_) - 1, strip.width(), 3), magenta);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(strip.left(), y(first_), strip.width() - 1,
                               std::max(2, y(last + 1) - y(first_)) - 1));
    }
    painter.restore();
}

} // namespace quimbra
