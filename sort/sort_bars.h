// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "types.h"

#include <QFont>
#include <QRect>
#include <QRectF>
#include <QRegion>

#include <array>

class QPainter;

namespace quimbra {

class SortSteps;

// A sort's vector as bars, painted into any area: one bar a position, its
// height its value, scaled to the tallest value of the run. The positions the
// last step compared are marked in the compared colour, those it wrote in the
// written colour (in an exercise, in the colour of a right answer, since red
// there means a wrong one), each with a marker under its bar; the held value
// (Shell's v, Quick's pivot) is a dashed line at its height. With room enough
// every bar shows its value and position, and with 30 values or fewer the
// letter that tells equal values apart. Merge's W is a second row of bars
// under V, the two runs being merged on grounds of their own; Heap's sorted
// tail stands on a ground of its own, in another colour. Under the bars of
// Quick and Merge, the tree of their calls so far: each call a segment over
// its range at its depth, those under way lit.
class SortBars final
{
public:
    // The run to draw (not owned; null for none) and the value the tallest
    // bar stands for.
    void setSteps(const SortSteps *steps, Integer highest);
    // Whether the marks follow an exercise's colours.
    void setExercise(bool shown) { exercise_ = shown; }

    void paint(QPainter &painter, const QRect &area) const;
    // What one step can have changed since the last paint: the columns
    // marked before it and after it (the values it wrote are among them),
    // and the held value's line.
    QRegion changedByOneStep(const QRect &area) const;
    // The column of position p, its number included (empty outside 1..N).
    QRectF column(const QRect &area, int p) const;

private:
    // Where the bars stand within the area.
    struct Geometry
    {
        QRect area;
        int n = 0;
        double slot = 1;  // pixels per position
        bool few = false; // room for the numbers of each bar
        int textHeight = 0;
        int base = 0;    // the bars' foot
        int tallest = 0; // the height of the highest value
        int gap = 0;
        bool letters = false; // a row for the letters of equal values
        int left(int p) const;
        int width(int p) const;
        int heightOf(int value, int highest) const;
    };
    Geometry geometry(const QRect &area) const;
    // Merge's run draws W under V.
    bool withAux() const;
    // Quick and Merge draw the tree of their calls under the bars.
    bool withCalls() const;
    QRect barsArea(const QRect &area) const;
    QRect callsArea(const QRect &area) const;
    void paintCalls(QPainter &painter, const QRect &area) const;
    void paintVector(QPainter &painter, const QRect &area) const;
    void paintAux(QPainter &painter, const QRect &area) const;
    static QFont font();
    static int markerSize();

    // What a paint marked, so that the next step repaints it away.
    struct Marks
    {
        std::array<int, 4> positions{-1, -1, -1, -1};
        bool holding = false;
        int held = 0;
    };
    Marks marks() const;

    const SortSteps *steps_ = nullptr;
    Integer highest_ = 1;
    bool exercise_ = false;
    mutable Marks painted_;
};

} // namespace quimbra
