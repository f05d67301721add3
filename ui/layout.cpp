// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout.h"

#include "widgets.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QFontMetricsF>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QSpinBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextBrowser>

#include <climits>
#include <map>
#include <string>
#include <tuple>

namespace quimbra {

namespace {
int zoom = 100;

// The name of a scrolled window's page, which holds its controls.
constexpr char PageName[] = "quimbraPage";

// Below 100 % a font's glyphs do not shrink in step with the point size (they
// snap to whole pixels), so a line that fills its list at 100 % would no
// longer fit: the size is lowered until a sample of the program's lines is no
// wider, nor a line higher, than at 100 % times the zoom. Once per face, size
// and zoom.
double fittedPoints(const QFont &zoomed, const FontSpec &wanted)
{
    static std::map<std::tuple<int, double, bool, int>, double> fitted;
    const auto key = std::make_tuple(int(wanted.face), wanted.points, wanted.bold, zoomPercent());
    if (const auto found = fitted.find(key); found != fitted.end())
        return found->second;
    static const QString sample = QStringLiteral("  n   Inf   Sx   Dx   Pd  Liv Vettore 0123456789 - 9999 "
                                                 "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz");
    QFont full = zoomed;
    full.setPointSizeF(wanted.points);
    const QFontMetricsF at100(full);
    // A little narrower still the smaller the zoom: the controls' margins and
    // frames stay a pixel or two wide whatever the zoom.
    const double width = at100.horizontalAdvance(sample) * zoomPercent() / 100 * (1 - (100 - zoomPercent()) / 500.0);
    const double height = at100.height() * zoomPercent() / 100;
    QFont font = zoomed;
    double points = zoomed.pointSizeF();
    for (; points > 2; points -= 0.25) {
        font.setPointSizeF(points);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(sample) <= width && metrics.height() <= height + 0.5)
            break;
    }
    fitted[key] = points;
    return points;
}

} // namespace

int zoomPercent()
{
    return zoom;
}

QFont fontFor(const FontSpec &wanted)
{
    QFont font;
    if (wanted.face == Face::Mono) {
        font.setFamilies({"Courier", "Courier New", "Liberation Mono", "DejaVu Sans Mono",
                          "Nimbus Mono PS", "Noto Sans Mono", "monospace"});
        font.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
        font.setFixedPitch(true);
    } else {
        font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Tahoma", "Liberation Sans",
                          "Arial", "DejaVu Sans", "sans-serif"});
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSizeF(zoomPercent() == 100 ? wanted.points : wanted.points * zoomPercent() / 100);
    font.setBold(wanted.bold);
    if (zoomPercent() < 100)
        font.setPointSizeF(fittedPoints(font, wanted));
    return font;
}


namespace {

// What a window and its controls remember of their layout, for the zoom steps.
constexpr char TwipsProperty[] = "quimbraTwips";

// A window's size for its layout at the zoom: fixed; or, for a scrolled
// window, its page's, the window itself no larger than its screen's free
// area and resizable down to a small window.
void sizeWindow(QWidget *window)
{
    const QSize twips = window->property(TwipsProperty).toSize();
    const QSize full(px(twips.width()), px(twips.height()));
    auto *page = window->findChild<QWidget *>(QString::fromLatin1(PageName));
    if (!page) {
        window->setFixedSize(full);
        return;
    }
    page->setFixedSize(full);
    QSize fits = full;
    if (const QScreen *screen = window->screen()) {
        // The frame is known once the window is shown; before, it counts as none.
        const QSize frame = window->frameGeometry().size() - window->geometry().size();
        fits = fits.boundedTo(screen->availableGeometry().size() - frame);
    }
    window->setMaximumSize(full);
    window->setMinimumSize(QSize(320, 240).boundedTo(fits));
    window->resize(fits);
}
constexpr char FontProperty[] = "quimbraFont";

QColor resolve(const Colour &c)
{
    switch (c.role) {
    case Colour::Rgb:
        return QColor(c.rgb);
    case Colour::FieldBackground:
        return QApplication::palette().color(QPalette::Base);
    case Colour::FieldText:
        return QApplication::palette().color(QPalette::Text);
    case Colour::Default:
        break;
    }
    return {};
}

// Sets the background and text colours on the palette roles that this kind
// of widget paints with.
void applyColours(QWidget *w, Kind kind, const Colour &background, const Colour &text)
{
    const bool field = kind == Kind::ListBox || kind == Kind::TextBox || kind == Kind::Document ||
                       kind == Kind::TextArea || kind == Kind::Grid;
    QPalette palette = w->palette();
    if (background.role != Colour::Default) {
        palette.setColor(field ? QPalette::Base : QPalette::Window, resolve(background));
        if (!field)
            w->setAutoFillBackground(true);
    }
    if (text.role != Colour::Default)
        palette.setColor(field ? QPalette::Text : QPalette::WindowText, resolve(text));
    w->setPalette(palette);
}

QWidget *create(const ControlSpec &c, QWidget *parent)
{
    const QString caption = c.caption ? QString::fromUtf8(c.caption) : QString();
    switch (c.kind) {
    case Kind::Button: {
        auto *b = new Button(caption, parent);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoDefault(false);
        return b;
    }
    case Kind::ListBox: {
        auto *l = new ListBox(parent);
        l->setFocusPolicy(Qt::StrongFocus);
        return l;
    }
    case Kind::TextBox: {
        auto *t = new QLineEdit(parent);
        t->setMaxLength(INT_MAX); // any text of any length
        t->setAlignment((c.flags & Centred) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        t->setFocusPolicy(Qt::StrongFocus);
        return t;
    }
    case Kind::Label: {
        auto *l = new QLabel(caption, parent);
        l->setTextFormat(Qt::PlainText);
        // A boxed count stands in the middle of its box: at the top, a box
        // only as high as the font would cut the feet of its digits.
        const bool count = (c.flags & Centred) && (c.flags & Bordered);
        l->setAlignment(((c.flags & Centred) ? Qt::AlignHCenter : Qt::AlignLeft) |
                        (count ? Qt::AlignVCenter : Qt::AlignTop));
        if (c.flags & Bordered)
            l->setFrameStyle(QFrame::Box | QFrame::Plain);
        makeCopyable(l);
        return l;
    }
    case Kind::Frame:
        return new GroupFrame(caption, parent);
    case Kind::Slider: {
        auto *s = new QSlider(Qt::Horizontal, parent);
        s->setFocusPolicy(Qt::StrongFocus);
        s->setTickPosition(QSlider::TicksBelow);
        return s;
    }
    case Kind::ComboBox: {
        auto *b = new QComboBox(parent);
        b->setFocusPolicy(Qt::StrongFocus);
        return b;
    }
    case Kind::Canvas: {
        auto *v = new Canvas(parent);
        v->setFocusPolicy(Qt::StrongFocus);
        return v;
    }
    case Kind::CheckBox: {
        auto *b = new QCheckBox(caption, parent);
        b->setFocusPolicy(Qt::StrongFocus);
        return b;
    }
    case Kind::SpinBox: {
        auto *b = new QSpinBox(parent);
        b->setFocusPolicy(Qt::StrongFocus);
        return b;
    }
    case Kind::ProgressBar:
        return new QProgressBar(parent);
    case Kind::Document: {
        auto *d = new QTextBrowser(parent);
        d->setFocusPolicy(Qt::StrongFocus);
        d->setOpenLinks(false);
        d->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
        return d;
    }
    case Kind::TextArea: {
        // Many lines of plain text; Tab moves on, as in the other boxes.
        auto *t = new QPlainTextEdit(parent);
        t->setFocusPolicy(Qt::StrongFocus);
        t->setTabChangesFocus(true);
        t->setLineWrapMode(QPlainTextEdit::NoWrap);
        return t;
    }
    case Kind::Grid: {
        auto *g = new QTableWidget(parent);
        g->setFocusPolicy(Qt::StrongFocus);
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
        g->setSelectionBehavior(QAbstractItemView::SelectRows);
        g->setTabKeyNavigation(false);
        return g;
    }
    }
    return nullptr;
}

} // namespace

bool takesFocus(Kind kind)
{
    return kind == Kind::Button || kind == Kind::ListBox || kind == Kind::TextBox ||
           kind == Kind::Slider || kind == Kind::ComboBox || kind == Kind::Canvas ||
           kind == Kind::CheckBox || kind == Kind::SpinBox || kind == Kind::Document ||
           kind == Kind::TextArea || kind == Kind::Grid;
}

void buildControls(QWidget *window, const FormLayout &layout)
{
    window->setObjectName(QString::fromUtf8(layout.name));
    window->setWindowTitle(QString::fromUtf8(layout.caption));
    window->setProperty(TwipsProperty, QSize(layout.width, layout.height));
    window->setFont(fontFor({}));
    applyColours(window, Kind::Frame, layout.background, defaultColour);
    // Where the controls stand: the window itself, or its scrolled page.
    QWidget *page = window;
    if (layout.scrolls) {
        auto *area = new QScrollArea(window);
        area->setObjectName(QStringLiteral("quimbraScroll"));
        area->setFrameShape(QFrame::NoFrame);
        area->setFocusPolicy(Qt::NoFocus);
        page = new QWidget;
        page->setObjectName(QString::fromLatin1(PageName));
        area->setWidget(page);
        area->viewport()->setAutoFillBackground(false);
        page->setAutoFillBackground(false);
        auto *fill = new QVBoxLayout(window);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(area);
    }
    sizeWindow(window);

    auto place = [&](const ControlSpec &c, const std::map<std::string, QWidget *> &frames) {
        QWidget *parent = c.container ? frames.at(c.container) : page;
        QWidget *w = create(c, parent);
        w->setObjectName(QString::fromUtf8(c.name));
        if (c.index >= 0)
            w->setProperty("Index", c.index);
        placeControl(w, QRect(c.left, c.top, c.width, c.height), c.font);
        applyColours(w, c.kind, c.background, c.text);
        // A label's own text is what a screen reader must read out (a count, a
        // factorial), so its purpose goes into the description instead.
        if (c.accessibleName && c.kind == Kind::Label)
            w->setAccessibleDescription(QString::fromUtf8(c.accessibleName));
        else if (c.accessibleName)
            w->setAccessibleName(QString::fromUtf8(c.accessibleName));
        // On Linux a combo box is read out by its current entry, a spin box
        // by its number; their purpose goes into the description as well.
        if (c.accessibleName && (c.kind == Kind::ComboBox || c.kind == Kind::SpinBox))
            w->setAccessibleDescription(QString::fromUtf8(c.accessibleName));
        if (!takesFocus(c.kind))
            w->setFocusPolicy(Qt::NoFocus);
        return w;
    };

    // Frames first, so that the controls inside them have their parent and
    // stand above them.
    std::map<std::string, QWidget *> frames;
    for (const ControlSpec &c : layout.controls)
        if (c.kind == Kind::Frame)
            frames[c.name] = place(c, frames);

    QWidget *previous = nullptr;
    for (const ControlSpec &c : layout.controls) {
        if (c.kind == Kind::Frame)
            continue;
        QWidget *w = place(c, frames);
        if (!takesFocus(c.kind))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        else
            w->setFocus(Qt::OtherFocusReason);
        previous = w;
    }
}

void placeControl(QWidget *control, const QRect &twips, const FontSpec &font)
{
    control->setProperty(TwipsProperty, twips);
    control->setProperty(FontProperty, QVariant::fromValue(font));
    control->setGeometry(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
    control->setFont(fontFor(font));
}

bool isLayoutWindow(const QWidget *window)
{
    return window && window->isWindow() && window->property(TwipsProperty).userType() == QMetaType::QSize;
}

QSize layoutTwips(const QWidget *window)
{
    return isLayoutWindow(window) ? window->property(TwipsProperty).toSize() : QSize();
}

QList<QWidget *> setLayoutZoom(int percent)
{
    zoom = percent;
    QList<QWidget *> placed;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!isLayoutWindow(window))
            continue;
        placeAgain(window);
        placed.append(window);
    }
    return placed;
}

void placeAgain(QWidget *window)
{
    if (!isLayoutWindow(window))
        return;
    sizeWindow(window);
    window->setFont(fontFor({}));
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QVariant twips = control->property(TwipsProperty);
        const QVariant font = control->property(FontProperty);
        if (control->window() == window && twips.userType() == QMetaType::QRect &&
            font.canConvert<FontSpec>())
            placeControl(control, twips.toRect(), font.value<FontSpec>());
    }
}

} // namespace quimbra
