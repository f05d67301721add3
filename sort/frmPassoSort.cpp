// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmPassoSort.h"

#include "layout.h"
#include "sort_code.h"
#include "text.h"
#include "widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QRegion>

#include <algorithm>

namespace quimbra {

namespace {

// Dark bars on the program's pale yellow; the compared positions in the
// program's magenta, the positions just written in red.
const QColor barColour(0, 0, 160);
const QColor comparedColour(palette::magenta);
const QColor movedColour(220, 0, 0);
const QColor heldColour(palette::magenta);

} // namespace

frmPassoSort::frmPassoSort(int column, std::span<const Integer> windowVector, RandomSource &rnd,
                           QObject *owner)
    : StepView(passoSortLayout(), owner), windowVector_(windowVector.begin(), windowVector.end()),
      rnd_(rnd), column_(std::clamp(column, 0, SortColumns - 1))
{
    ExercisePanel::Hooks hooks;
    // A bar is picked anywhere in its column, its number included.
    hooks.rect = [this](const QRect &area, int p) {
        const Geometry g = geometry(area);
        if (p < 1 || p > g.n)
            return QRectF();
        return QRectF(g.left(p), g.area.top(), g.width(p), g.area.height());
    };
    hooks.elements = [this] {
        std::vector<int> positions;
        if (exercise_->shown() && steps_)
            for (int p = 1; p <= steps_->size(); ++p)
                positions.push_back(p);
        return positions;
    };
    exercise_ = new ExercisePanel(*this, std::move(hooks));
    connect(exercise_, &ExercisePanel::startRequested, this, &frmPassoSort::startExercise);
}

frmPassoSort::~frmPassoSort() = default;

void frmPassoSort::connectControls()
{
    StepView::connectControls();
    auto *algorithms = find<QComboBox>("cboAlgoritmo");
    auto *inputs = find<QComboBox>("cboDati");
    for (int k = 0; k < SortColumns; ++k)
        algorithms->addItem(QString::fromUtf8(sortTitle(k)));
    for (int d = 0; d < SortInputs; ++d)
        inputs->addItem(QString::fromUtf8(sortInputName(d)));
    // activated, not currentIndexChanged: choosing the same entry again also
    // starts over (and draws 20 new values).
    connect(algorithms, &QComboBox::activated, this, &frmPassoSort::cboAlgoritmo_Click);
    connect(inputs, &QComboBox::activated, this, &frmPassoSort::cboDati_Click);
    // Each list is announced with the label in front of it.
    label("lblTitAlgoritmo")->setBuddy(algorithms);
    label("lblTitDati")->setBuddy(inputs);
    label("lblTitCodice")->setBuddy(find<QComboBox>("cboCodice"));
    label("lblTitVariabili")->setBuddy(list("lstVariabili"));
    connect(&player(), &StepPlayer::changed, this, &frmPassoSort::showState);
    canvas()->setPaint([this](QPainter &painter, const QRect &area) {
        paintBars(painter, area);
        exercise_->paint(painter, area);
    });
    player().setRepaint([this](int steps) { repaintAfter(steps); });
    exercise_->connectControls();
}

void frmPassoSort::Form_Load()
{
    StepView::Form_Load();
    find<QComboBox>("cboAlgoritmo")->setCurrentIndex(column_);
    find<QComboBox>("cboDati")->setCurrentIndex(input_);
    startOver();
}

void frmPassoSort::cboAlgoritmo_Click(int index)
{
    column_ = std::clamp(index, 0, SortColumns - 1);
    // During an exercise the list chooses the sort practised on its values.
    if (exercise_->running()) {
        startExercise(exercise_->exercise().code());
        return;
    }
    exercise_->leave();
    startOver();
}

void frmPassoSort::cboDati_Click(int index)
{
    input_ = std::clamp(index, 0, SortInputs - 1);
    exercise_->leave();
    startOver();
}

void frmPassoSort::startExercise(int code)
{
    const exercise::Data data = exercise::MakeData(exercise::Kind::Sort, code);
    std::vector<Integer> values{0};
    values.insert(values.end(), data.values.begin(), data.values.end());
    highest_ = *std::max_element(values.begin(), values.end());
    player().setStepper(nullptr);
    steps_ = std::make_unique<SortSteps>(column_, values);
    player().setStepper(steps_.get());
    exercise_->begin({code, sortTitle(column_), ExerciseSteps(column_, std::move(values))});
    find<QComboBox>("cboDati")->setEnabled(!exercise_->running());
    if (exercise_->running())
        label("lblPasso")->setText(
            QStringLiteral("Fai tu le mosse di %1: clicca le due barre di uno scambio, l'origine e poi la "
                           "destinazione di uno spostamento, la destinazione di v")
                .arg(QString::fromUtf8(sortTitle(column_))));
}

void frmPassoSort::startOver()
{
    std::vector<Integer> values = makeSortInput(input_, windowVector_, rnd_);
    highest_ = std::max<Integer>(1, *std::max_element(values.begin(), values.end()));
    player().setStepper(nullptr); // pauses first
    steps_ = std::make_unique<SortSteps>(column_, std::move(values));
    player().setStepper(steps_.get());
}

void frmPassoSort::showState()
{
    if (!isLoaded() || !steps_)
        return;
    window()->setWindowTitle(QStringLiteral("Passo passo: %1 - prof. Orvalde")
                                 .arg(QString::fromUtf8(sortTitle(column_))));
    label("lblConfronti")->setText(QString::fromStdString(plain(steps_->comparisons())));
    label("lblMosse")->setText(QString::fromStdString(plain(steps_->moves())));
    label("lblPasso")->setText(QString::fromStdString(steps_->sentence()));
    showCode(&sortListing(column_), steps_->state().line);
    showVariables(steps_->variableLines(), steps_->variablesChanged());
    find<QComboBox>("cboDati")->setEnabled(!exercise_->running());
}

frmPassoSort::Geometry frmPassoSort::geometry(const QRect &area) const
{
    Geometry g;
    g.area = area;
    g.n = steps_ ? steps_->size() : 0;
    const QFontMetrics metrics(barFont());
    g.slot = double(area.width()) / std::max(1, g.n);
    g.few = g.slot >= metrics.horizontalAdvance(QStringLiteral("10000")) + 4;
    g.textHeight = metrics.height();
    // A strip under the bars for the position numbers (few bars) or for the
    // markers that make a one-pixel bar findable on a projector.
    const int strip = g.few ? g.textHeight + 4 : markerSize() + 5;
    const int top = area.top() + (g.few ? g.textHeight + 4 : 4);
    g.base = area.bottom() - strip;
    g.tallest = g.base - top;
    g.gap = g.slot >= 4 ? 1 : 0;
    return g;
}

int frmPassoSort::Geometry::left(int p) const
{
    return area.left() + int((p - 1) * slot);
}

int frmPassoSort::Geometry::width(int p) const
{
    return std::max(1, left(p + 1) - left(p) - gap);
}

int frmPassoSort::Geometry::heightOf(int value, int highest) const
{
    return value <= 0 ? 0 : std::max(1, int(double(value) * tallest / highest + 0.5));
}

// Half the width of a marker under a bar, larger when the windows are zoomed.
int frmPassoSort::markerSize()
{
    return std::max(5, px(75));
}

QFont frmPassoSort::barFont()
{
    return fontFor({Face::Sans, 8.25, true});
}

void frmPassoSort::repaintAfter(int steps)
{
    Canvas *view = canvas();
    if (!view)
        return;
    // After a single step only the marked columns (before and after it; the
    // values it wrote are among them) and the held value's line can differ.
    if (steps != 1 || !steps_) {
        view->update();
        return;
    }
    const Geometry g = geometry(view->area());
    const Marks now = marks();
    QRegion dirty;
    for (const Marks *m : {static_cast<const Marks *>(&painted_), &now}) {
        for (int p : m->positions)
            if (p >= 1 && p <= g.n)
                dirty += QRect(g.left(p) - markerSize() - 1, g.area.top(),
                               g.width(p) + 2 * markerSize() + 2, g.area.height());
        if (m->holding) {
            const int y = g.base - g.heightOf(m->held, highest_);
            dirty += QRect(g.area.left(), y - g.textHeight - 4, g.area.width(), g.textHeight + 8);
        }
    }
    view->update(dirty);
}

frmPassoSort::Marks frmPassoSort::marks() const
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

void frmPassoSort::paintBars(QPainter &painter, const QRect &area) const
{
    painted_ = marks();
    if (!steps_ || steps_->size() < 1)
        return;
    const std::vector<Integer> &V = steps_->values();
    const SortStep &last = steps_->last();
    const Geometry g = geometry(area);
    const int n = g.n;
    const bool few = g.few;
    const int base = g.base;
    const QFont font = barFont();
    const QFontMetrics metrics(font);
    painter.setFont(font);

    auto left = [&](int p) { return g.left(p); };
    auto heightOf = [&](int value) { return g.heightOf(value, highest_); };
    for (int p = 1; p <= n; ++p) {
        const int x = left(p);
        const int w = g.width(p);
        const int h = heightOf(V[std::size_t(p)]);
        painter.fillRect(x, base - h, w, h, barColour);
        if (few) {
            painter.setPen(Qt::black);
            painter.drawText(QRect(x, base - h - metrics.height() - 2, w, metrics.height()),
                             Qt::AlignHCenter | Qt::AlignBottom, QString::number(V[std::size_t(p)]));
            painter.drawText(QRect(x, base + 2, w, metrics.height()), Qt::AlignCenter,
                             QString::number(p));
        }
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
    mark(last.a, comparedColour, true);
    if (pair)
        mark(last.b, comparedColour, true);
    // In an exercise red means a wrong answer: the moves are marked green.
    const QColor moved = exercise_->shown() ? QColor(0, 150, 0) : movedColour;
    mark(last.movedA, moved, true);
    mark(last.movedB, moved, true);
    // A compared position that was also written keeps its magenta marker.
    for (int p : {last.a, pair ? last.b : -1})
        if (p >= 1 && (p == last.movedA || p == last.movedB))
            mark(p, comparedColour, false);

    // The held value (Shell's v, Quick's pivot) as a dashed line at its height.
    if (steps_->holding()) {
        const int y = base - heightOf(steps_->held());
        painter.setPen(QPen(heldColour, 2, Qt::DashLine));
        painter.drawLine(area.left(), y, area.right(), y);
        painter.setPen(heldColour);
        const QString name = steps_->column() == QuickColumn ? QStringLiteral("pivot") : QStringLiteral("v");
        painter.drawText(QRect(area.left() + 4, y - metrics.height() - 2, 200, metrics.height()),
                         Qt::AlignLeft | Qt::AlignBottom,
                         name + QStringLiteral(" = ") + QString::number(steps_->held()));
    }
}

} // namespace quimbra
