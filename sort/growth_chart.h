// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "growth.h"

#include <QColor>
#include <QLocale>
#include <QRectF>
#include <QString>

#include <array>
#include <vector>

class QPainter;

namespace quimbra {

// What the chart shows: the points computed so far, for every sort and both
// measures. Taken from a GrowthRun, which may still be running.
struct GrowthData
{
    int input = GrowthRandom;
    int trials = 1;
    int maximum = 0;
    std::vector<int> sizes; // the ready sizes, smallest first
    std::array<std::array<std::vector<GrowthValue>, 4>, 2> values; // [measure][column][point]

    static GrowthData from(const GrowthRun &run);
};

// The growth chart drawn with QPainter: title, legend, axes with ticks in the
// regional format, a curve per shown sort (with a band from the least to the
// most count when the input is random), and optional reference curves. It
// remembers where it drew, so that a click can find a legend entry and a
// pointer a point. Sizes follow the program's zoom.
class GrowthChart
{
public:
    GrowthData data;
    int measure = MeasureMoves;
    bool logarithmic = false;
    bool references = false;
    std::array<bool, 4> hidden{};

    static QColor colour(int column);
    // The locale for the numbers: the desktop's, or Italian where none is set.
    static QLocale locale();

    void paint(QPainter &painter, const QRectF &area) const;
    // The legend entry (a sort) at a point of the last painting, or -1.
    int legendAt(const QPointF &at) const;
    // What a tooltip says of the curve point nearest to `at` (within a few
    // pixels) in the last painting; empty when there is none.
    QString pointAt(const QPointF &at) const;
    // The table behind the chart: a header (n, then the shown sorts), then a
    // row per ready size; tab-separated, plain numbers in the regional format
    // without thousands separators.
    QString table() const;

    // Where the last painting put a value (for tests and the tooltip).
    QPointF position(int n, double value) const;

private:
    double yOf(double value) const;
    bool drawable(double value) const { return !logarithmic || value > 0; }

    mutable QRectF plot_;
    mutable double yLow_ = 0, yHigh_ = 1;
    mutable std::array<QRectF, 4> legend_{};
};

} // namespace quimbra
