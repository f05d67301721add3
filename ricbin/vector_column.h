// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "types.h"

#include <QAbstractScrollArea>

#include <span>
#include <vector>

namespace quimbra {

// The sorted vector as a column of positions and values, one row each, as
// lstV lists them. The search's current range low..high is shaded, the
// positions already left out are greyed, and the middle position is marked in
// magenta; the column scrolls so that the middle stays in sight.
class VectorColumn final : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit VectorColumn(QWidget *parent = nullptr);

    // Copies V(1..N).
    void setVector(std::span<const Integer> V, int N);
    // The range still searched and its middle (0: no middle yet). An empty
    // range (low > high) greys every row.
    void setRange(int low, int middle, int high);

    int rowHeight() const;
    // The first position shown at the top of the column.
    int firstVisible() const;
    // How many rows fit the column.
    int visibleRows() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateScrollBar();
    void keepInSight(int position);

    std::vector<QString> rows_;
    int low_ = 1, middle_ = 0, high_ = 0;
};

} // namespace quimbra
