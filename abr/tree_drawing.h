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
// node to its children. Places come from the links (abr::PlaceNodes), sizes
// from the area it is painted into, so the drawing fills whatever room the
// window gives it; keys too wide for their circle are written smaller. A tree
// deeper than the area can show readably (a chain of 63 keys) shows the rows
// around the node the run is at, with an arrow saying how many levels stand
// above or below; the wheel moves through them. Nodes can be lit (already
// visited), one can be the current one, and one can be marked as found; an
// insertion exercise also shows the empty places where a key can go.
class TreeDrawing final
{
public:
    void setTree(const abr::Albero &tree);
    const abr::Albero &tree() const { return tree_; }
    // Lights the given nodes; current (0: none) is drawn strongest; found
    // (0: none) gets a double ring. The rows shown follow the current node.
    void setMarks(const std::vector<int> &lit, int current, int found);
    // Shows the empty places (abr::SlotOf) as dashed circles.
    void showEmptyPlaces(bool shown) { slots_ = shown; }
    // Moves the rows shown by whole levels (the wheel); false when they cannot move.
    bool scroll(const QRect &area, int levels);

    // The circle of node k, or of an empty place, when the tree fills the
    // area; empty for one the drawing does not show.
    QRectF nodeRect(const QRect &area, int k) const;
    // The empty places, for an insertion exercise to pick.
    std::vector<int> emptyPlaces() const;
    void paint(QPainter &painter, const QRect &area) const;

private:
    struct Frame
    {
        int first = 0, shown = 0; // the rows shown
        qreal cellWidth = 0, rowHeight = 0, radius = 0;
    };
    Frame frameFor(const QRect &area) const;
    QRectF rectIn(const QRect &area, const Frame &frame, int k, const std::vector<int> &empty) const;
    // The centre of node k (or of an empty place), shown or not.
    QPointF centre(const QRect &area, const Frame &frame, int k) const;

    abr::Albero tree_;
    abr::Places places_{};
    int rows_ = 0, columns_ = 0;
    std::bitset<abr::MostNodes + 1> lit_;
    int current_ = 0, found_ = 0;
    int focusRow_ = 0; // the row the shown ones follow
    int offset_ = 0;   // levels moved by the wheel from there
    bool slots_ = false;
};

} // namespace quimbra
