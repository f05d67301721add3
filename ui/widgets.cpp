// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets.h"

#include "layout.h"

#include <QAction>
#include <QBackingStore>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QSaveFile>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QWindow>
#include <QStyledItemDelegate>
#include <QStringListModel>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <list>
#include <memory>
#include <optional>
#include <unordered_map>

namespace quimbra {

namespace {

// Lines laid out as QPainter::drawText lays out a single line of plain text,
// by font (with its resolution and the painter's direction) and text. Every
// line is dropped when too many are kept: lists show a few hundred at a time.
class ShapedLines
{
public:
    struct Line
    {
        QTextLayout layout;
        qreal width = 0;
        qreal height = 0;
    };

    const Line *find(const QFont &font, int dpi, Qt::LayoutDirection direction, const QString &text)
    {
        auto table = std::find_if(tables_.begin(), tables_.end(), [&](const Table &t) {
            return t.dpi == dpi && t.direction == direction && t.font == font;
        });
        if (table != tables_.end()) {
            if (auto it = table->lines.find(text); it != table->lines.end())
                return it->second.get();
        }
        if (kept_ >= Capacity || (table == tables_.end() && tables_.size() >= Fonts)) {
            clear();
            table = tables_.end();
        }
        if (table == tables_.end())
            table = tables_.insert(tables_.end(), Table{font, dpi, direction, {}});
        auto line = std::make_unique<Line>();
        QTextLayout &layout = line->layout;
        layout.setText(text);
        layout.setFont(font);
        QTextOption option;
        option.setTextDirection(direction);
        option.setAlignment(Qt::AlignLeft);
        layout.setTextOption(option);
        layout.setCacheEnabled(true);
        layout.beginLayout();
        const qreal leading = QFontMetricsF(font).leading();
        qreal height = -leading;
        for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
            row.setLineWidth(0x01000000);
            height += leading;
            height = std::ceil(height);
            row.setPosition(QPointF(0., height));
            height += row.ascent() + row.descent();
            line->width = std::max(line->width, row.naturalTextWidth());
        }
        layout.endLayout();
        line->height = height;
        if (layout.lineCount() != 1)
            return nullptr; // a line break inside: drawText's own way
        ++kept_;
        return table->lines.emplace(text, std::move(line)).first->second.get();
    }

    void clear()
    {
        tables_.clear();
        kept_ = 0;
    }

private:
    static constexpr std::size_t Capacity = 2048;
    static constexpr std::size_t Fonts = 8;
    struct Table
    {
        QFont font;
        int dpi;
        Qt::LayoutDirection direction;
        std::unordered_map<QString, std::unique_ptr<Line>> lines;
    };
    std::list<Table> tables_;
    std::size_t kept_ = 0;
};

// The lines are dropped as the application ends, while the font engines
// they hold can still be released.
ShapedLines &shapedLines()
{
    static ShapedLines lines;
    static const bool droppedAtTheEnd = [] {
        qAddPostRoutine([] { shapedLines().clear(); });
        return true;
    }();
    Q_UNUSED(droppedAtTheEnd);
    return lines;
}

} // namespace

void drawListRow(QPainter *painter, const QRect &rect, const QString &text)
{
    // The characters drawText changes or treats apart (line ends, tabs,
    // length variants), a right-to-left painter (which turns the alignment
    // round) and decorated fonts take drawText itself.
    constexpr int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    const QFont &font = painter->font();
    const Qt::LayoutDirection direction = painter->layoutDirection();
    const bool plain = direction != Qt::RightToLeft && !font.underline() &&
                       !font.overline() && !font.strikeOut() && painter->device() &&
                       std::none_of(text.begin(), text.end(), [](QChar c) {
                           return c == u'\r' || c == u'\n' || c == u'\t' || c == u'\x9c';
                       });
    const ShapedLines::Line *line =
        plain && !text.isEmpty() ? shapedLines().find(font, painter->device()->logicalDpiY(), direction, text) : nullptr;
    if (!line) {
        painter->drawText(rect, flags, text);
        return;
    }
    if (painter->pen().style() == Qt::NoPen)
        return;
    const QRectF r(rect);
    const qreal top = r.y() + (r.height() - line->height) / 2;
    const bool clip = !r.contains(QRectF(r.x(), top, line->width, line->height));
    if (clip) {
        painter->save();
        painter->setClipRect(r, Qt::IntersectClip);
    }
    line->layout.lineAt(0).draw(painter, QPointF(r.x(), top));
    if (clip)
        painter->restore();
}

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
                rowHeight(option.font)};
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
        drawListRow(painter, option.rect.adjusted(margin(option), 0, -margin(option), 0),
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
    // One em of the font at 100 %, times the zoom and rounded down: rows grow
    // in proportion with the list, so that a list sized for its lines still
    // shows them all, whatever the zoom.
    static int rowHeight(const QFont &font)
    {
        const int zoom = zoomPercent();
        if (zoom == 100)
            return QFontInfo(font).pixelSize();
        QFont unzoomed = font;
        unzoomed.setPointSizeF(font.pointSizeF() * 100 / zoom);
        return QFontInfo(unzoomed).pixelSize() * zoom / 100;
    }

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

void ListBox::updateLines(const std::vector<std::string> &lines)
{
    const int before = model_->rowCount();
    const int after = static_cast<int>(lines.size());
    if (before == 0 || after == 0) {
        setLines(lines);
        return;
    }
    if (after < before)
        model_->removeRows(after, before - after);
    else if (after > before)
        model_->insertRows(before, after - before);
    for (int row = 0; row < after; ++row) {
        const std::string &line = lines[std::size_t(row)];
        const QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        const QModelIndex index = model_->index(row);
        if (row >= before || index.data().toString() != text)
            model_->setData(index, text);
    }
}

void ListBox::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles)
{
    // QListView lays every row out again after any change of text, through a
    // timer; with rows of one size (kept until rows come or go) a row's new
    // text changes no place, so repainting the rows is enough.
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
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

QStringList ListBox::linesToCopy() const
{
    QModelIndexList rows = selectionModel()->selectedIndexes();
    if (rows.isEmpty())
        return lines();
    std::sort(rows.begin(), rows.end());
    QStringList selected;
    selected.reserve(rows.size());
    for (const QModelIndex &row : std::as_const(rows))
        selected.append(row.data(Qt::DisplayRole).toString());
    return selected;
}

void ListBox::copyLines(const QStringList &lines)
{
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        // An empty list leaves the clipboard as it was.
        if (count() > 0)
            copyLines(linesToCopy());
        event->accept();
        return;
    }
    // The list lets the user pick one line; the program itself may select
    // them all, so that the next Ctrl+C copies the whole list.
    if (event->matches(QKeySequence::SelectAll)) {
        if (count() > 0)
            selectionModel()->select(QItemSelection(model_->index(0), model_->index(count() - 1)),
                                     QItemSelectionModel::ClearAndSelect);
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

QMenu *ListBox::createContextMenu()
{
    auto *menu = new QMenu(this);
    menu->setFont(zoomedFont(QApplication::font(menu)));
    QList<QAction *> own = actions();
    for (QAction *entry : std::as_const(menuEntries_))
        if (entry)
            own.append(entry);
    if (!own.isEmpty()) {
        menu->addActions(own);
        menu->addSeparator();
    }
    QAction *copy = menu->addAction(QStringLiteral("Copia"));
    copy->setObjectName(QStringLiteral("actCopia"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutVisibleInContextMenu(true);
    QAction *copyAll = menu->addAction(QStringLiteral("Copia tutto"));
    copyAll->setObjectName(QStringLiteral("actCopiaTutto"));
    copy->setEnabled(count() > 0);
    copyAll->setEnabled(count() > 0);
    // The lines are taken when the entry is chosen, not when the menu opens.
    connect(copy, &QAction::triggered, this, [this] { copyLines(linesToCopy()); });
    connect(copyAll, &QAction::triggered, this, [this] { copyLines(lines()); });
    return menu;
}

void ListBox::addMenuEntry(QAction *action)
{
    menuEntries_.append(action);
}

void ListBox::contextMenuEvent(QContextMenuEvent *event)
{
    // popup() does not block: the menu belongs to the list and goes with it.
    QMenu *menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

namespace {

class EnterTaker final : public QObject
{
public:
    EnterTaker(QObject *parent, std::function<void()> action) : QObject(parent), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                if (!key->isAutoRepeat())
                    action_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

} // namespace

// See keepListsShort().
class ListLength final : public QValidator
{
public:
    ListLength(QObject *parent, const ValueRules &rules, std::function<void(const QString &)> refused)
        : QValidator(parent), rules_(rules), refused_(std::move(refused))
    {
    }

    State validate(QString &input, int &pos) const override
    {
        // A list of the most values, each of six characters with a separator,
        // and room to spare for blanks: anything longer is read now.
        const qsizetype longest = qsizetype(rules_.most) * 8 + 4096;
        if (input.size() <= longest)
            return Acceptable;
        const ValueList list = readValueList(input.toStdString(), rules_);
        if (!list.ok()) {
            refused_(QString::fromStdString(list.error));
            return Invalid;
        }
        input = QString::fromStdString(writeValueList(list.values));
        pos = int(input.size());
        return Acceptable;
    }

private:
    ValueRules rules_;
    std::function<void(const QString &)> refused_;
};

void keepListsShort(QLineEdit *box, const ValueRules &rules, std::function<void(const QString &)> refused)
{
    box->setValidator(new ListLength(box, rules, std::move(refused)));
}

void onEnter(QLineEdit *box, std::function<void()> action)
{
    box->installEventFilter(new EnterTaker(box, std::move(action)));
}

bool saveWhole(const QString &path, const std::function<bool(QIODevice &)> &write, const QString &unwritten,
               QString *error)
{
    // The reasons are the program's own: the system's words for them are English.
    QSaveFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly))
        reason = QStringLiteral("la cartella non esiste o non vi si può scrivere");
    else if (!write(file))
        reason = unwritten;
    else if (!file.commit())
        reason = QStringLiteral("il file non si è potuto completare, forse il disco è pieno");
    if (reason.isEmpty())
        return true;
    file.cancelWriting();
    if (error)
        *error = reason;
    return false;
}

bool pasteInto(QLineEdit *box, const QString &text)
{
    box->clear();
    box->insert(text);
    return !box->text().isEmpty() || text.isEmpty();
}

void makeCopyable(QLabel *label)
{
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::NoFocus);
    auto *copy = new QAction(QStringLiteral("Copia"), label);
    copy->setObjectName(QStringLiteral("actCopia"));
    QObject::connect(copy, &QAction::triggered, label, [label] {
        QString text = label->hasSelectedText() ? label->selectedText() : label->text();
        // A selection across lines holds paragraph separators, not line feeds.
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        text.replace(QChar::LineSeparator, QLatin1Char('\n'));
        QGuiApplication::clipboard()->setText(text);
    });
    label->addAction(copy);
    // The label's actions in a menu enlarged like the windows.
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(label, &QWidget::customContextMenuRequested, label, [label](const QPoint &at) {
        auto *menu = new QMenu(label);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->setFont(zoomedFont(QApplication::font(menu)));
        menu->addActions(label->actions());
        menu->popup(label->mapToGlobal(at));
    });
}

QFont zoomedFont(QFont font)
{
    if (zoomPercent() != 100) {
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * zoomPercent() / 100);
        else
            font.setPixelSize(font.pixelSize() * zoomPercent() / 100);
    }
    return font;
}

namespace {

// The application's style with the icon of a message box enlarged by the
// zoom. A style's icon may be smaller than its metric asks (Fusion draws 32
// pixels where the metric says 48): what grows is the icon as drawn at 100 %.
class ZoomedIconStyle final : public QProxyStyle
{
public:
    ZoomedIconStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_MessageBoxIconSize ? size * zoomPercent() / 100 : size;
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const override
    {
        const QIcon icon = QProxyStyle::standardIcon(which, option, widget);
        if (icon.isNull() || (which != SP_MessageBoxInformation && which != SP_MessageBoxWarning &&
                              which != SP_MessageBoxCritical && which != SP_MessageBoxQuestion))
            return icon;
        const int metric = QProxyStyle::pixelMetric(PM_MessageBoxIconSize, option, widget);
        const QSize wanted = icon.actualSize(QSize(metric, metric)) * zoomPercent() / 100;
        const qreal ratio = widget ? widget->devicePixelRatioF() : qApp->devicePixelRatio();
        QPixmap pixmap = icon.pixmap(wanted, ratio);
        if (pixmap.deviceIndependentSize().toSize() != wanted) {
            // No image that large: the nearest one, smoothly enlarged.
            pixmap = pixmap.scaled(wanted * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            pixmap.setDevicePixelRatio(ratio);
        }
        QIcon grown;
        grown.addPixmap(pixmap);
        return grown;
    }
};

} // namespace

// Zoomed, the box takes the zoomed font and the style that enlarges its icon.
static void dressForTheZoom(QMessageBox &box, ZoomedIconStyle &style, QMessageBox::Icon icon)
{
    box.setFont(zoomedFont(QApplication::font(&box)));
    box.setStyle(&style);
    box.setIcon(icon); // the icon again, at the size that style gives it
}

void showMessage(QMessageBox::Icon icon, const QString &text, QWidget *parent)
{
#ifdef Q_OS_WASM
    // A page cannot wait for the box in a loop of its own (that needs
    // asyncify, which doubles the program): the box is shown modal to the
    // whole program and goes when it is closed; no caller waits for its
    // answer. Not open(): it makes the box modal to its window only, which
    // the browser's window stack of this Qt raises in an endless loop.
    auto *box = new QMessageBox(icon, QStringLiteral("Quimbra"), text, QMessageBox::Ok,
                                parent ? parent->window() : nullptr);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    if (zoomPercent() != 100) {
        auto *style = new ZoomedIconStyle;
        style->setParent(box); // deleted with the box, after it
        dressForTheZoom(*box, *style, icon);
    }
    box->show();
    // No window manager hands the keyboard to the box, nor back to its window
    // when it closes: the box asks for it now and again once the event that
    // opened it is done with, and gives it back to the control that had it.
    // (Asked of the platform window itself: Qt counts the box as active
    // already while the window it belongs to is.)
    box->windowHandle()->requestActivate();
    QTimer::singleShot(0, box, [box] { box->windowHandle()->requestActivate(); });
    if (QWidget *owner = parent ? parent->window() : nullptr)
        QObject::connect(box, &QDialog::finished, owner,
                         [owner] { owner->windowHandle()->requestActivate(); });
#else
    std::optional<ZoomedIconStyle> style; // declared first: it outlives the box
    QMessageBox box(icon, QStringLiteral("Quimbra"), text, QMessageBox::Ok, parent ? parent->window() : nullptr);
    if (zoomPercent() != 100)
        dressForTheZoom(box, style.emplace(), icon);
    box.exec();
#endif
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

namespace {

// The brush that fills a widget's area before it draws: its own where it
// fills its background, else that of the nearest widget beneath that does (a
// window always does).
QBrush brushBeneath(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget())
        if (widget->autoFillBackground() || widget->isWindow())
            return widget->palette().brush(widget->backgroundRole());
    return {};
}

} // namespace

void GroupFrame::paintEvent(QPaintEvent *)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const qreal ratio = devicePixelRatioF();
    // On a plain colour the picture holds that colour too and covers the
    // frame: nothing beneath it needs painting, and copying it is a plain
    // copy of pixels. It is drawn in the pixel format of the window's own
    // buffer, so that every blend rounds as it would there.
    const QBrush beneath = brushBeneath(this);
    const bool opaque = beneath.style() == Qt::SolidPattern && beneath.color().alpha() == 255;
    QImage::Format format = QImage::Format_ARGB32_Premultiplied;
    QBackingStore *store = window()->backingStore();
    if (opaque && store && store->paintDevice() && store->paintDevice()->devType() == QInternal::Image)
        format = static_cast<const QImage *>(store->paintDevice())->format();
    // Everything the picture depends on.
    const QString key = QStringLiteral("%1x%2@%3|%4|%5|%6|%7|%8|%9|%10|%11")
                            .arg(option.rect.width())
                            .arg(option.rect.height())
                            .arg(ratio)
                            .arg(int(option.state))
                            .arg(option.text)
                            .arg(option.palette.cacheKey())
                            .arg(font().key())
                            .arg(quintptr(style()))
                            .arg(int(option.subControls) << 8 | int(option.activeSubControls))
                            .arg(opaque ? beneath.color().rgb() : 0, 0, 16)
                            .arg(int(format));
    if (pictures_[0].key != key) {
        std::swap(pictures_[0], pictures_[1]);
        if (pictures_[0].key != key) {
            QImage picture((QSizeF(size()) * ratio).toSize(), format);
            picture.setDevicePixelRatio(ratio);
            picture.fill(opaque ? beneath.color() : QColor(Qt::transparent));
            QPainter painter(&picture);
            // What a painter on the frame itself would start with.
            painter.setFont(font());
            painter.setPen(palette().color(foregroundRole()));
            painter.setBackground(palette().brush(backgroundRole()));
            style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
            painter.end();
            pictures_[0] = {key, picture};
        }
    }
    QPainter painter(this);
    painter.drawImage(0, 0, pictures_[0].image);
    if (opaque != testAttribute(Qt::WA_OpaquePaintEvent)) {
        setAttribute(Qt::WA_OpaquePaintEvent, opaque);
        if (!opaque)
            update(); // once more, with what lies beneath painted first
    }
}

Canvas::Canvas(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::setPaint(Paint paint)
{
    paint_ = std::move(paint);
    update();
}

QRect Canvas::area() const
{
    return rect().adjusted(2, 2, -2, -2);
}

void Canvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    if (paint_) {
        painter.save();
        painter.setClipRect(area() & event->rect());
        paint_(painter, area());
        painter.restore();
    }
    // A border like a list box's; with the focus, a second line in the
    // highlight colour inside it (the style's own focus frame would tint the
    // whole painting in some styles).
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        painter.setPen(palette().color(QPalette::Highlight));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
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
