// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "abr.h"

#include <QRect>

#include <bitset>

class QPainter;

namespace quimbra {

// The tree drawn as a tree: the root on top, one row per level, each node a
// circle with its key and, under it, its node number, and edges from every
// node to its children. Places come from the node table (abr::PlaceNodes),
// sizes from the area it is painted into, so the drawing fills whatever room
// the window gives it. Nodes can be lit (already visited), one can be the current
// one, and one can be marked as found.
class TreeDrawing final
{
public:
    void setTree(const abr::Tabella &ABR);
    // Lights the given nodes; current (0: none) is drawn strongest; found
    // (0: none) gets a double ring.
    void setMarks(const std::vector<int> &lit, int current, int found);

    // The circle of node k when the tree fills the area; empty for a node
    // the drawing does not place.
    QRectF nodeRect(const QRect &area, int k) const;
    void paint(QPainter &painter, const QRect &area) const;

private:
    abr::Tabella ABR_{};
    abr::Places places_{};
    int rows_ = 0, columns_ = 0;
    std::bitset<abr::N + 1> lit_;
    int current_ = 0, found_ = 0;
};

} // namespace quimbra
