// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "growth.h"

#include <QColor>
#include <QLocale>
#include <QRectF>
#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class QPainter;

namespace quimbra {

// What the chart shows: the points computed so far, for every sort run and
// both measures. Taken from a GrowthRun, which may still be running.
struct GrowthData
{
    int input = GrowthRandom;
    int algorithms = WindowSorts; // the catalogue's first ones, each with its curve
    int trials = 1;
    int maximum = 0;
    std::vector<int> sizes; // the ready sizes, smallest first
    // [measure][algorithm][point], filled for the first `algorithms`.
    std::array<std::array<std::vector<GrowthValue>, SortAlgorithms>, 2> values;

    // Whether each point is a mean over several drawn vectors, with extremes.
    bool spread() const { return shapeDraws(input) && trials > 1; }
    static GrowthData from(const GrowthRun &run);
};

// The growth chart drawn with QPainter: title, legend, axes with ticks in the
// regional format, a curve per shown sort (with a band from the least to the
// most count when the input is drawn), and optional reference curves. It
// remembers where it drew, so that a click can find a legend entry and a
// pointer a point. Sizes follow the program's zoom.
class GrowthChart
{
public:
    GrowthData data;
    int measure = MeasureMoves;
    bool logarithmic = false;
    bool references = false;
    std::array<bool, SortAlgorithms> hidden{};
    // While a prediction waits, nothing of the counts is drawn; after it, a
    // predicted count stands on the chart at its n.
    bool veiled = false;
    std::optional<std::pair<int, double>> guess;

    // How a sort's curve and legend entry look. The window's four are solid
    // lines; the others dashed or dotted. When the chart shows more than the
    // window's four, every curve also carries its marker, so that the curves
    // are told apart without their colours (a grey print, a colour-blind eye).
    enum class Marker { Circle, Square, Triangle, Diamond, TriangleDown, Cross, Plus, Ring };
    static QColor colour(int algorithm);
    static Qt::PenStyle lineStyle(int algorithm);
    static Marker marker(int algorithm);
    bool marked() const { return data.algorithms > WindowSorts; }
    // Whether the algorithm has a curve in the data and it is not hidden.
    bool shown(int algorithm) const;
    // The locale for the numbers: the desktop's, or Italian where none is set.
    static QLocale locale();

    void paint(QPainter &painter, const QRectF &area) const;
    // The legend entry (a sort) at a point of the last painting, or -1.
    int legendAt(const QPointF &at) const;
    // Where the last painting drew the sample of a sort's line in its legend entry.
    QRectF swatch(int algorithm) const;
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
    mutable std::array<QRectF, SortAlgorithms> legend_{};
    mutable std::array<QRectF, SortAlgorithms> swatches_{};
};

} // namespace quimbra
