// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "growth_chart.h"

#include "layout.h"
#include "growth_questions.h"
#include "numbers.h"
#include "sort_steps.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

namespace quimbra {

namespace {

const QColor axisColour(0, 0, 0);
const QColor gridColour(224, 224, 208);
const QColor referenceColour(90, 90, 90);
const QColor hiddenColour(112, 112, 112); // a hidden entry, still readable: 4.8 : 1 on the pale yellow

// The program's zoom as a factor, for line widths and gaps.
double zoom()
{
    return zoomPercent() / 100.0;
}

// 1, 2 or 5 times a power of ten: the step that cuts `range` into about
// `parts` parts.
double niceStep(double range, int parts)
{
    const double raw = std::max(range / parts, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= raw)
            return m * power;
    return 10 * power;
}

QString measureName(int measure)
{
    return measure == MeasureComparisons ? QStringLiteral("confronti") : QStringLiteral("mosse");
}

QString inputWords(int input, int trials)
{
    switch (input) {
    case GrowthAscending:
        return QStringLiteral("dati in ordine crescente");
    case GrowthDescending:
        return QStringLiteral("dati in ordine decrescente");
    case GrowthAllEqual:
        return QStringLiteral("dati tutti uguali");
    default:
        break;
    }
    const QString drawn = input == GrowthNearlySorted  ? QStringLiteral("dati quasi ordinati")
                          : input == GrowthFewDistinct ? QStringLiteral("dati con pochi valori diversi")
                                                       : QStringLiteral("dati casuali");
    return trials == 1 ? drawn + QStringLiteral(", una prova")
                       : drawn + QStringLiteral(", media di %1 prove").arg(trials);
}

// A sort's marker, centred on `at`, `size` across.
void drawMarker(QPainter &painter, GrowthChart::Marker marker, const QPointF &at, double size,
                const QColor &colour)
{
    using Marker = GrowthChart::Marker;
    const double r = size / 2;
    const bool lines = marker == Marker::Cross || marker == Marker::Plus;
    painter.setPen(QPen(colour, (lines ? 0.25 : 0.15) * size, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(marker == Marker::Ring ? QBrush(Qt::white) : QBrush(colour));
    switch (marker) {
    case Marker::Circle:
    case Marker::Ring:
        painter.drawEllipse(at, r, r);
        break;
    case Marker::Square:
        painter.drawRect(QRectF(at.x() - 0.85 * r, at.y() - 0.85 * r, 1.7 * r, 1.7 * r));
        break;
    case Marker::Triangle:
    case Marker::TriangleDown: {
        const double up = marker == Marker::Triangle ? -1 : 1;
        painter.drawPolygon(QPolygonF{at + QPointF(0, up * 1.1 * r), at + QPointF(-r, -up * 0.75 * r),
                                      at + QPointF(r, -up * 0.75 * r)});
        break;
    }
    case Marker::Diamond:
        painter.drawPolygon(QPolygonF{at + QPointF(0, -1.15 * r), at + QPointF(1.15 * r, 0),
                                      at + QPointF(0, 1.15 * r), at + QPointF(-1.15 * r, 0)});
        break;
    case Marker::Cross:
        painter.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
        painter.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
        break;
    case Marker::Plus:
        painter.drawLine(at + QPointF(-1.15 * r, 0), at + QPointF(1.15 * r, 0));
        painter.drawLine(at + QPointF(0, -1.15 * r), at + QPointF(0, 1.15 * r));
        break;
    }
    painter.setBrush(Qt::NoBrush);
}

// The pen of a sort's curve: patterned lines end flat, so that their dots and
// dashes keep the lengths of their pattern.
QPen curvePen(int algorithm, const QColor &colour, double width)
{
    const Qt::PenStyle style = GrowthChart::lineStyle(algorithm);
    return QPen(colour, width, style, style == Qt::SolidLine ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin);
}

// The reference curves: n, n log2 n and n(n - 1)/2.
constexpr int References = GrowthReferences;
double reference(int r, double n) { return GrowthReference(r, n); }
QString referenceName(int r) { return QString::fromUtf8(GrowthReferenceName(r)); }

// Continues `path` through the points (x steadily rising or falling) with a
// smooth curve that passes through every one of them and, like the counts,
// never turns back between two points: each point's tangent is the harmonic
// mean of the slopes on its two sides, or level where they differ in sign.
void addSmooth(QPainterPath &path, const QPolygonF &points)
{
    const qsizetype n = points.size();
    if (n == 0)
        return;
    if (path.elementCount() == 0)
        path.moveTo(points[0]);
    else
        path.lineTo(points[0]);
    const auto slope = [&](qsizetype i) {
        const QPointF d = points[i + 1] - points[i];
        return d.x() == 0 ? 0.0 : d.y() / d.x();
    };
    std::vector<double> tangent(std::size_t(n), 0.0);
    if (n > 1) {
        tangent.front() = slope(0);
        tangent.back() = slope(n - 2);
    }
    for (qsizetype i = 1; i + 1 < n; ++i) {
        const double a = slope(i - 1), b = slope(i);
        tangent[std::size_t(i)] = a * b > 0 ? 2 * a * b / (a + b) : 0.0;
    }
    for (qsizetype i = 0; i + 1 < n; ++i) {
        const QPointF &p = points[i], &q = points[i + 1];
        const double third = (q.x() - p.x()) / 3;
        path.cubicTo(p + QPointF(third, tangent[std::size_t(i)] * third),
                     q - QPointF(third, tangent[std::size_t(i + 1)] * third), q);
    }
}

QString wholeOrTenths(const QLocale &locale, double v)
{
    if (v == std::floor(v))
        return locale.toString(qlonglong(v));
    return locale.toString(v, 'f', 1);
}

} // namespace

GrowthData GrowthData::from(const GrowthRun &run)
{
    GrowthData d;
    d.input = run.input();
    d.algorithms = run.algorithms();
    d.trials = run.trials();
    d.maximum = run.maximum();
    const int ready = run.readyPoints();
    d.sizes.assign(run.sizes().begin(), run.sizes().begin() + ready);
    for (int m = 0; m < 2; ++m)
        for (int k = 0; k < d.algorithms; ++k)
            for (int p = 0; p < ready; ++p)
                d.values[std::size_t(m)][std::size_t(k)].push_back(run.value(k, p, m));
    return d;
}

QColor GrowthChart::colour(int algorithm)
{
    // The bars, the positions moved and compared of the step views, and green;
    // then orange, teal, brown and violet. Each reads as text on the chart's
    // pale yellow (4.5 : 1 or more), as the curves' names are written in it.
    static const QColor colours[] = {QColor(0, 0, 160),   QColor(220, 0, 0),   QColor(palette::magenta),
                                     QColor(0, 128, 0),   QColor(180, 85, 0),  QColor(0, 120, 130),
                                     QColor(140, 70, 20), QColor(110, 40, 170)};
    static_assert(std::size(colours) == SortAlgorithms);
    return colours[std::clamp(algorithm, 0, SortAlgorithms - 1)];
}

Qt::PenStyle GrowthChart::lineStyle(int algorithm)
{
    static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::SolidLine,   Qt::SolidLine,
                                          Qt::SolidLine, Qt::DashLine,    Qt::DotLine,
                                          Qt::DashDotLine, Qt::DashDotDotLine};
    static_assert(std::size(styles) == SortAlgorithms);
    return styles[std::clamp(algorithm, 0, SortAlgorithms - 1)];
}

GrowthChart::Marker GrowthChart::marker(int algorithm)
{
    static const Marker markers[] = {Marker::Circle,       Marker::Square, Marker::Triangle,
                                     Marker::Diamond,      Marker::TriangleDown, Marker::Cross,
                                     Marker::Plus,         Marker::Ring};
    static_assert(std::size(markers) == SortAlgorithms);
    return markers[std::clamp(algorithm, 0, SortAlgorithms - 1)];
}

bool GrowthChart::shown(int algorithm) const
{
    return algorithm >= 0 && algorithm < data.algorithms && !hidden[std::size_t(algorithm)];
}

QLocale GrowthChart::locale()
{
    return numberLocale();
}

double GrowthChart::yOf(double value) const
{
    double f;
    if (logarithmic)
        f = (std::log10(std::max(value, 1e-9)) - std::log10(yLow_)) /
            (std::log10(yHigh_) - std::log10(yLow_));
    else
        f = (value - yLow_) / (yHigh_ - yLow_);
    return plot_.bottom() - f * plot_.height();
}

QPointF GrowthChart::position(int n, double value) const
{
    const double x = plot_.left() + plot_.width() * n / std::max(1, data.maximum);
    return {x, yOf(value)};
}

void GrowthChart::paint(QPainter &painter, const QRectF &area) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (veiled) {
        // Nothing of the counts shows before the prediction, not even the scale.
        painter.fillRect(area, QColor(255, 255, 224));
        painter.setFont(fontFor({Face::Sans, 12, true}));
        painter.setPen(QColor(128, 0, 128));
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("Prima la previsione: rispondi alla domanda sotto il grafico"));
        plot_ = {};
        legend_ = {};
        painter.restore();
        return;
    }
    const QLocale loc = locale();
    const auto &values = data.values[std::size_t(measure)];
    const bool band = data.spread();
    const double gap = 6 * zoom();

    // The range of the values shown, and the vertical scale.
    double top = 0, lowest = 0;
    bool any = false;
    for (int k = 0; k < data.algorithms; ++k) {
        if (!shown(k))
            continue;
        for (const GrowthValue &v : values[std::size_t(k)]) {
            const double high = band ? double(v.most) : v.mean;
            const double low = band ? double(v.least) : v.mean;
            top = std::max(top, high);
            if (low > 0 && (!any || low < lowest)) {
                lowest = low;
                any = true;
            }
        }
    }
    if (guess && guess->second > 0)
        top = std::max(top, guess->second);
    if (top <= 0 && references && data.maximum > 0) {
        top = reference(2, data.maximum);
        lowest = GrowthSmallest;
        any = true;
    }
    if (logarithmic) {
        yLow_ = std::pow(10.0, std::floor(std::log10(any ? lowest : 1.0)));
        yHigh_ = std::pow(10.0, std::ceil(std::log10(std::max(top, 1.0))));
        if (yHigh_ <= yLow_)
            yHigh_ = yLow_ * 10;
    } else {
        yLow_ = 0;
        const double step = niceStep(std::max(top, 1.0), 5);
        yHigh_ = std::max(step, std::ceil(std::max(top, 1.0) / step) * step);
    }

    // The fonts and the room that the texts take.
    const QFont tickFont = fontFor({Face::Sans, 8.25, false});
    const QFont nameFont = fontFor({Face::Sans, 8.25, true});
    const QFont titleFont = fontFor({Face::Sans, 9.75, true});
    const QFontMetricsF tickMetrics(tickFont), nameMetrics(nameFont), titleMetrics(titleFont);

    std::vector<std::pair<double, QString>> yTicks;
    if (logarithmic) {
        const int decades = int(std::lround(std::log10(yHigh_ / yLow_)));
        const int every = decades > 8 ? 2 : 1;
        for (int d = 0; d <= decades; d += every) {
            const double v = yLow_ * std::pow(10.0, d);
            yTicks.emplace_back(v, loc.toString(qlonglong(std::llround(v))));
        }
    } else {
        const double step = niceStep(yHigh_, 5);
        for (double v = 0; v <= yHigh_ + step / 2; v += step)
            yTicks.emplace_back(v, loc.toString(qlonglong(std::llround(v))));
    }
    double tickWidth = 0;
    for (const auto &t : yTicks)
        tickWidth = std::max(tickWidth, tickMetrics.horizontalAdvance(t.second));
    double nameWidth = 0;
    for (int k = 0; k < data.algorithms; ++k)
        nameWidth = std::max(nameWidth, nameMetrics.horizontalAdvance(QString::fromUtf8(sortTitle(k))));

    const double titleHeight = titleMetrics.height();
    const double left = area.left() + gap + nameMetrics.height() + gap + tickWidth + gap;
    const double right = area.right() - gap - nameWidth - gap;

    // The legend's entries, a sort each and then the references, from the
    // plot's left edge; a row full, the next entries go on a row below.
    const double swatch = 24 * zoom();
    const double legendY = area.top() + gap + titleHeight + gap;
    const QString referencesName = QStringLiteral("riferimenti");
    std::vector<QPointF> places; // where each entry starts
    int legendRows = 1;
    {
        double x = left;
        const auto place = [&](double width) {
            if (x > left && x + width > area.right() - gap) {
                ++legendRows;
                x = left;
            }
            places.emplace_back(x, legendY + (legendRows - 1) * nameMetrics.height());
            x += width + 3 * gap;
        };
        for (int k = 0; k < data.algorithms; ++k)
            place(swatch + gap + nameMetrics.horizontalAdvance(QString::fromUtf8(sortTitle(k))));
        if (references)
            place(swatch + gap + tickMetrics.horizontalAdvance(referencesName));
    }
    const double legendHeight = legendRows * nameMetrics.height() + gap;
    const double topEdge = area.top() + gap + titleHeight + gap + legendHeight + gap;
    const double bottom = area.bottom() - gap - nameMetrics.height() - tickMetrics.height() - gap;
    plot_ = QRectF(QPointF(left, topEdge), QPointF(right, bottom));

    // Title and legend.
    painter.setFont(titleFont);
    painter.setPen(axisColour);
    const QString title = (measure == MeasureComparisons ? QStringLiteral("Confronti")
                                                         : QStringLiteral("Mosse")) +
                          QStringLiteral(" al crescere di n: ") + inputWords(data.input, data.trials);
    painter.drawText(QRectF(area.left(), area.top() + gap, area.width(), titleHeight),
                     Qt::AlignHCenter | Qt::AlignVCenter, title);
    painter.setFont(nameFont);
    const double markerSize = 7 * zoom();
    legend_ = {};
    swatches_ = {};
    for (int k = 0; k < data.algorithms; ++k) {
        const QString name = QString::fromUtf8(sortTitle(k));
        const double x = places[std::size_t(k)].x(), y = places[std::size_t(k)].y();
        const double w = swatch + gap + nameMetrics.horizontalAdvance(name);
        legend_[std::size_t(k)] = QRectF(x - gap / 2, y, w + gap, nameMetrics.height());
        swatches_[std::size_t(k)] = QRectF(x, y, swatch, nameMetrics.height());
        const bool off = hidden[std::size_t(k)];
        const double mid = y + nameMetrics.height() / 2;
        const QColor ink = off ? hiddenColour : colour(k);
        // A hidden sort's line is dotted and grey; a patterned one is drawn
        // as thin as its curve, so that its whole pattern fits the sample.
        if (off)
            painter.setPen(QPen(ink, 3 * zoom(), Qt::DotLine));
        else if (lineStyle(k) == Qt::SolidLine)
            painter.setPen(QPen(ink, 3 * zoom(), Qt::SolidLine));
        else
            painter.setPen(curvePen(k, ink, 2 * zoom()));
        painter.drawLine(QPointF(x, mid), QPointF(x + swatch, mid));
        if (marked())
            drawMarker(painter, marker(k), QPointF(x + swatch / 2, mid), markerSize, ink);
        QFont f = nameFont;
        f.setStrikeOut(off);
        painter.setFont(f);
        painter.setPen(off ? hiddenColour : axisColour);
        painter.drawText(QRectF(x + swatch + gap, y, w, nameMetrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
    }
    if (references) {
        const double x = places.back().x(), y = places.back().y();
        painter.setFont(tickFont);
        const double mid = y + nameMetrics.height() / 2;
        painter.setPen(QPen(referenceColour, 1.5 * zoom(), Qt::DashLine));
        painter.drawLine(QPointF(x, mid), QPointF(x + swatch, mid));
        painter.setPen(referenceColour);
        painter.drawText(QRectF(x + swatch + gap, y, 400 * zoom(), nameMetrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, referencesName);
    }

    // The plotting area, its grid and its axes.
    painter.fillRect(plot_, Qt::white);
    painter.setFont(tickFont);
    const double xStep = niceStep(std::max(data.maximum, 1), 5);
    std::vector<double> xTicks;
    for (double n = 0; n <= data.maximum + xStep / 2 && data.maximum > 0; n += xStep)
        xTicks.push_back(n);
    const double tick = 4 * zoom();
    for (double n : xTicks) {
        const double px = plot_.left() + plot_.width() * n / data.maximum;
        painter.setPen(QPen(gridColour, 1));
        painter.drawLine(QPointF(px, plot_.top()), QPointF(px, plot_.bottom()));
        painter.setPen(QPen(axisColour, zoom()));
        painter.drawLine(QPointF(px, plot_.bottom()), QPointF(px, plot_.bottom() + tick));
        const QString text = loc.toString(qlonglong(std::llround(n)));
        const double w = tickMetrics.horizontalAdvance(text);
        painter.drawText(QRectF(px - w / 2 - gap, plot_.bottom() + tick, w + 2 * gap, tickMetrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, text);
    }
    for (const auto &[v, text] : yTicks) {
        const double py = yOf(v);
        painter.setPen(QPen(gridColour, 1));
        painter.drawLine(QPointF(plot_.left(), py), QPointF(plot_.right(), py));
        painter.setPen(QPen(axisColour, zoom()));
        painter.drawLine(QPointF(plot_.left() - tick, py), QPointF(plot_.left(), py));
        painter.drawText(QRectF(plot_.left() - tick - gap / 2 - tickWidth, py - tickMetrics.height() / 2,
                                tickWidth, tickMetrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter.setPen(QPen(axisColour, zoom()));
    painter.drawLine(plot_.bottomLeft(), plot_.bottomRight());
    painter.drawLine(plot_.bottomLeft(), plot_.topLeft());
    painter.setFont(nameFont);
    painter.drawText(QRectF(plot_.left(), area.bottom() - gap - nameMetrics.height(), plot_.width(),
                            nameMetrics.height()),
                     Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("n, numero di elementi"));
    painter.save();
    painter.translate(area.left() + gap, plot_.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot_.height() / 2, 0, plot_.height(), nameMetrics.height()),
                     Qt::AlignHCenter | Qt::AlignVCenter,
                     measureName(measure) + (logarithmic ? QStringLiteral(" (scala logaritmica)") : QString()));
    painter.restore();

    painter.save();
    painter.setClipRect(plot_.adjusted(-1, -2 * zoom(), 1, 1));
    // Reference curves, dashed and named where they leave the chart or end.
    if (references && !data.sizes.empty()) {
        painter.setFont(tickFont);
        const std::vector<int> &all = growthSizes(data.maximum);
        for (int r = 0; r < References; ++r) {
            QPolygonF line;
            for (int n : all)
                line << position(n, reference(r, n));
            painter.setPen(QPen(referenceColour, 1.5 * zoom(), Qt::DashLine));
            painter.drawPolyline(line);
            // The name above the curve's end, or, where the curve leaves
            // through the top, just right of that point, where it is gone.
            const auto inside = std::find_if(line.rbegin(), line.rend(),
                                             [&](const QPointF &p) { return p.y() >= plot_.top(); });
            if (inside == line.rend())
                continue;
            painter.setPen(referenceColour);
            const QString name = referenceName(r);
            const double w = tickMetrics.horizontalAdvance(name), h = tickMetrics.height();
            if (inside == line.rbegin())
                painter.drawText(QRectF(inside->x() - w - gap, inside->y() - h - 2, w + gap / 2, h),
                                 Qt::AlignRight | Qt::AlignBottom, name);
            else
                painter.drawText(QRectF(std::min(inside->x() + gap, plot_.right() - w), plot_.top() + 2, w, h),
                                 Qt::AlignLeft | Qt::AlignTop, name);
        }
    }
    const std::vector<int> &sizes = data.sizes;
    // Bands first, so that no curve goes under another sort's band.
    if (band)
        for (int k = 0; k < data.algorithms; ++k) {
            if (!shown(k) || sizes.empty())
                continue;
            const auto &curve = values[std::size_t(k)];
            QPolygonF upper, lower;
            for (std::size_t p = 0; p < sizes.size(); ++p)
                upper << position(sizes[p], drawable(double(curve[p].most)) ? double(curve[p].most) : yLow_);
            for (std::size_t p = sizes.size(); p-- > 0;)
                lower << position(sizes[p], drawable(double(curve[p].least)) ? double(curve[p].least) : yLow_);
            QPainterPath area;
            addSmooth(area, upper);
            addSmooth(area, lower);
            area.closeSubpath();
            QColor fill = colour(k);
            fill.setAlpha(48);
            painter.setPen(Qt::NoPen);
            painter.setBrush(fill);
            painter.drawPath(area);
        }
    painter.setBrush(Qt::NoBrush);
    std::vector<std::pair<double, int>> ends; // where each curve ends, for its name
    std::vector<std::pair<QPointF, int>> marks; // the markers, drawn over all the curves
    // Markers about `spacing` apart along each curve, each sort's starting at
    // its own distance, so that curves that coincide still show them all.
    const double spacing = 40 * zoom();
    for (int k = 0; k < data.algorithms; ++k) {
        if (!shown(k) || sizes.empty())
            continue;
        const auto &curve = values[std::size_t(k)];
        if (marked()) {
            double travelled = 0, next = spacing * (k + 1) / (SortAlgorithms + 1);
            std::optional<QPointF> previous;
            for (std::size_t p = 0; p < sizes.size(); ++p) {
                if (!drawable(curve[p].mean)) {
                    previous.reset();
                    continue;
                }
                const QPointF at = position(sizes[p], curve[p].mean);
                if (previous) {
                    const QPointF d = at - *previous;
                    travelled += std::hypot(d.x(), d.y());
                }
                previous = at;
                if (travelled >= next && plot_.contains(at)) {
                    marks.emplace_back(at, k);
                    next = travelled + spacing;
                }
            }
        }
        painter.setPen(curvePen(k, colour(k), 2 * zoom()));
        // A zero has no place on a logarithmic scale: the curve breaks there.
        QPolygonF line;
        for (std::size_t p = 0; p <= sizes.size(); ++p) {
            if (p < sizes.size() && drawable(curve[p].mean)) {
                line << position(sizes[p], curve[p].mean);
                continue;
            }
            if (line.size() == 1) {
                painter.drawPoint(line.first());
            } else {
                QPainterPath path;
                addSmooth(path, line);
                painter.drawPath(path);
            }
            line.clear();
        }
        if (drawable(curve.back().mean))
            ends.emplace_back(position(sizes.back(), curve.back().mean).y(), k);
    }
    for (const auto &[at, k] : marks)
        drawMarker(painter, marker(k), at, markerSize, colour(k));
    // The student's prediction, where it stands against the curves.
    if (guess && drawable(guess->second)) {
        const QPointF at = position(guess->first, guess->second);
        painter.setPen(QPen(QColor(128, 0, 128), 2 * zoom()));
        const double r = 6 * zoom();
        painter.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
        painter.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
        painter.setFont(tickFont);
        const QString text = QStringLiteral("la tua previsione: %1").arg(loc.toString(qlonglong(std::llround(guess->second))));
        const double w = tickMetrics.horizontalAdvance(text);
        painter.drawText(QRectF(at.x() - w - 2 * r, at.y() - tickMetrics.height() - r / 2, w + r, tickMetrics.height()),
                         Qt::AlignRight | Qt::AlignBottom, text);
    }
    painter.restore();

    // The sorts' names at the right of their curves' ends, kept apart.
    std::sort(ends.begin(), ends.end());
    const double lineHeight = nameMetrics.height();
    for (std::size_t i = 1; i < ends.size(); ++i)
        ends[i].first = std::max(ends[i].first, ends[i - 1].first + lineHeight);
    for (std::size_t i = ends.size(); i-- > 0;) {
        ends[i].first = std::min(ends[i].first, plot_.bottom() - lineHeight / 2 -
                                                    double(ends.size() - 1 - i) * lineHeight);
        ends[i].first = std::max(ends[i].first, plot_.top());
    }
    const double endX = position(sizes.empty() ? 0 : sizes.back(), 0).x() + gap;
    painter.setFont(nameFont);
    for (const auto &[y, k] : ends) {
        painter.setPen(colour(k));
        painter.drawText(QRectF(endX, y - lineHeight / 2, nameWidth + gap, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(sortTitle(k)));
    }

    if (data.sizes.empty()) {
        painter.setFont(nameFont);
        painter.setPen(referenceColour);
        painter.drawText(plot_, Qt::AlignCenter, QStringLiteral("Calcolo in corso\u2026"));
    } else if (logarithmic) {
        // Say so when a shown count of 0 left a curve out.
        bool zero = false;
        for (int k = 0; k < data.algorithms; ++k)
            if (shown(k))
                for (const GrowthValue &v : values[std::size_t(k)])
                    zero = zero || v.mean <= 0;
        if (zero) {
            painter.setFont(tickFont);
            painter.setPen(referenceColour);
            painter.drawText(plot_.adjusted(gap, 0, -gap, -gap), Qt::AlignRight | Qt::AlignBottom,
                             QStringLiteral("i conteggi uguali a 0 non compaiono in scala logaritmica"));
        }
    }
    painter.restore();
}

int GrowthChart::legendAt(const QPointF &at) const
{
    for (int k = 0; k < data.algorithms; ++k)
        if (legend_[std::size_t(k)].contains(at))
            return k;
    return -1;
}

QRectF GrowthChart::swatch(int algorithm) const
{
    return algorithm >= 0 && algorithm < SortAlgorithms ? swatches_[std::size_t(algorithm)] : QRectF();
}

QString GrowthChart::pointAt(const QPointF &at) const
{
    const auto &values = data.values[std::size_t(measure)];
    const double reach = 8 * zoom();
    double best = reach * reach;
    int column = -1;
    std::size_t point = 0;
    // The pointer on a curve's line, between two points, names the nearer one.
    for (int k = 0; k < data.algorithms; ++k) {
        if (!shown(k))
            continue;
        const auto &curve = values[std::size_t(k)];
        for (std::size_t p = 0; p < data.sizes.size(); ++p) {
            if (!drawable(curve[p].mean))
                continue;
            const QPointF a = position(data.sizes[p], curve[p].mean);
            const bool segment = p + 1 < data.sizes.size() && drawable(curve[p + 1].mean);
            const QPointF b = segment ? position(data.sizes[p + 1], curve[p + 1].mean) : a;
            const QPointF ab = b - a;
            const double length = QPointF::dotProduct(ab, ab);
            const double t = length > 0 ? std::clamp(QPointF::dotProduct(at - a, ab) / length, 0.0, 1.0) : 0;
            const QPointF d = a + t * ab - at;
            const double distance = QPointF::dotProduct(d, d);
            if (distance <= best) {
                best = distance;
                column = k;
                point = t > 0.5 ? p + 1 : p;
            }
        }
    }
    if (column < 0)
        return {};
    const QLocale loc = locale();
    const GrowthValue &v = values[std::size_t(column)][point];
    QString text = QStringLiteral("%1, n = %2\n%3: %4")
                       .arg(QString::fromUtf8(sortTitle(column)), loc.toString(data.sizes[point]),
                            measureName(measure), wholeOrTenths(loc, v.mean));
    if (data.spread())
        text += QStringLiteral(" (media di %1 prove, da %2 a %3)")
                    .arg(data.trials)
                    .arg(loc.toString(qlonglong(v.least)), loc.toString(qlonglong(v.most)));
    return text;
}

QString GrowthChart::table() const
{
    QLocale loc = locale();
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto &values = data.values[std::size_t(measure)];
    QStringList lines;
    QStringList header{QStringLiteral("n")};
    for (int k = 0; k < data.algorithms; ++k)
        if (shown(k))
            header << QString::fromUtf8(sortTitle(k));
    lines << header.join(QLatin1Char('\t'));
    for (std::size_t p = 0; p < data.sizes.size(); ++p) {
        QStringList row{loc.toString(data.sizes[p])};
        for (int k = 0; k < data.algorithms; ++k)
            if (shown(k))
                row << wholeOrTenths(loc, values[std::size_t(k)][p].mean);
        lines << row.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace quimbra
