// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "types.h"

#include <QRect>
#include <QString>

#include <span>
#include <vector>

class QPainter;

namespace quimbra {

// The sorted vector as a column of positions and values, one row each as lstV
// lists them, painted into any area. The search's current range low..high is
// shaded, the positions already left out are greyed, and the middle position
// is marked in magenta. A narrow strip at the right shows the whole vector at
// once, with the range, the middle and the rows in sight, so that the range
// can be seen halving. The column scrolls so that the middle stays in sight.
class VectorColumn final
{
public:
    // Copies V(1..N) and shows it from the top, the whole of it in range.
    void setVector(std::span<const Integer> V, int N);
    // The range still searched and its middle (0: no middle). An empty range
    // (low > high) greys every row. The middle is brought into sight of the
    // area.
    void setRange(int low, int middle, int high, const QRect &area);
    // Scrolls by whole rows (negative: up), within the vector.
    void scrollBy(int rows, const QRect &area);

    int rowHeight() const;
    // How many rows fit the area.
    int visibleRows(const QRect &area) const;
    // The position shown in the top row.
    int firstVisible() const { return first_; }
    // The row of a position, in the area; empty when it is out of sight.
    QRect rowRect(const QRect &area, int position) const;

    void paint(QPainter &painter, const QRect &area) const;

private:
    QRect rowsArea(const QRect &area) const;
    void scrollTo(int first, const QRect &area);

    std::vector<QString> rows_;
    int low_ = 1, middle_ = 0, high_ = 0;
    int first_ = 1;
};

} // namespace quimbra
