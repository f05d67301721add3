#include "widgets.h"

#include <QFontInfo>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QStringListModel>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace quimbra {

namespace {

// Rows one em high, as list boxes have always drawn them: the tree window's
// lists are sized to show their 33 lines exactly, and the search path its 8.
class CompactRows final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(QFontInfo(option.font).pixelSize());
        return size;
    }
};

} // namespace

ListBox::ListBox(QWidget *parent) : QListView(parent), model_(new QStringListModel(this))
{
    setModel(model_);
    setItemDelegate(new CompactRows(this));
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
