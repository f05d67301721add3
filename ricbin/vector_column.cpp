// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vector_column.h"

#include "layout.h"
#include "ricbin.h"

#include <QFontInfo>
#include <QPainter>
#include <QScrollBar>

namespace quimbra {

namespace {

const QColor paleYellow(255, 255, 192);
const QColor outside(224, 224, 224);
const QColor outsideText(128, 128, 128);
const QColor magenta(192, 0, 192);

} // namespace

VectorColumn::VectorColumn(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFont(fontFor({Face::Mono, 9.75, true}));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void VectorColumn::setVector(std::span<const Integer> V, int N)
{
    rows_.clear();
    for (const std::string &line : ricbin::VectorLines(V, N))
        rows_.push_back(QString::fromStdString(line));
    setRange(1, 0, static_cast<int>(rows_.size()));
    updateScrollBar();
}

void VectorColumn::setRange(int low, int middle, int high)
{
    low_ = low;
    middle_ = middle;
    high_ = high;
    if (middle > 0)
        keepInSight(middle);
    viewport()->update();
}

int VectorColumn::rowHeight() const
{
    // Rows as high as the list rows, with a pixel above and below for the marks.
    return QFontInfo(font()).pixelSize() + 2;
}

int VectorColumn::firstVisible() const
{
    return verticalScrollBar()->value() + 1;
}

int VectorColumn::visibleRows() const
{
    return std::max(1, viewport()->height() / rowHeight());
}

void VectorColumn::updateScrollBar()
{
    QScrollBar *bar = verticalScrollBar();
    bar->setRange(0, std::max(0, static_cast<int>(rows_.size()) - visibleRows()));
    bar->setPageStep(visibleRows());
    bar->setSingleStep(1);
}

void VectorColumn::keepInSight(int position)
{
    // A middle near an edge or out of view is brought to the centre, so that
    // the rows around it, where the search goes next, show as well.
    const int first = firstVisible();
    const int last = first + visibleRows() - 1;
    if (position < first + 2 || position > last - 2)
        verticalScrollBar()->setValue(position - 1 - visibleRows() / 2);
}

void VectorColumn::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBar();
}

void VectorColumn::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const int h = rowHeight();
    const int width = viewport()->width();
    const QFont small = fontFor({Face::Sans, 7.5, true});
    const int first = firstVisible();
    const int last = std::min(static_cast<int>(rows_.size()), first + visibleRows());
    painter.fillRect(viewport()->rect(), outside);
    for (int i = first; i <= last; ++i) {
        const QRect row(0, (i - first) * h, width, h);
        const bool inRange = i >= low_ && i <= high_;
        const bool middle = i == middle_;
        painter.fillRect(row, middle ? magenta : inRange ? paleYellow : outside);
        painter.setPen(middle ? Qt::white : inRange ? Qt::black : outsideText);
        painter.setFont(font());
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
}

} // namespace quimbra
