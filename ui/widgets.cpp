// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets.h"

#include <QApplication>
#include <QFontInfo>
#include <QPainter>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QStringListModel>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace quimbra {

namespace {

// Draws each line as plain text in rows one em high, as list boxes have
// always drawn them: the tree window's lists are sized to show their 33 lines
// exactly, and the search path its 8. Plain text drawing also keeps a repaint
// of a full list well under a millisecond.
class PlainRows final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QString text = index.data(Qt::DisplayRole).toString();
        return {QFontMetrics(option.font).horizontalAdvance(text) + 2 * margin(option),
                QFontInfo(option.font).pixelSize()};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette::ColorGroup group =
            option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        if (selected)
            painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(margin(option), 0, -margin(option), 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor = option.palette.color(group, QPalette::Base);
            const QWidget *view = option.widget;
            (view ? view->style() : QApplication::style())
                ->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, view);
        }
    }

private:
    static int margin(const QStyleOptionViewItem &option)
    {
        const QWidget *view = option.widget;
        const QStyle *style = view ? view->style() : QApplication::style();
        return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    }
};

} // namespace

ListBox::ListBox(QWidget *parent) : QListView(parent), model_(new QStringListModel(this))
{
    setModel(model_);
    setItemDelegate(new PlainRows(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
}

void ListBox::Clear()
{
    model_->setStringList({});
}

void ListBox::AddItem(const QString &line)
{
    const int row = model_->rowCount();
    model_->insertRows(row, 1);
    model_->setData(model_->index(row), line);
}

void ListBox::setLines(const std::vector<std::string> &lines)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string &line : lines)
        list.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
    model_->setStringList(list);
}

void ListBox::repaintNow()
{
    // A new model content is laid out lazily; lay it out first so that the
    // repaint shows the new lines and not an empty box.
    doItemsLayout();
    viewport()->repaint();
}

QStringList ListBox::lines() const
{
    return model_->stringList();
}

int ListBox::count() const
{
    return model_->rowCount();
}

void Button::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void Button::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), caption,
                         QPalette::ButtonText);
}

} // namespace quimbra
