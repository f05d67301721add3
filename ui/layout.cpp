// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout.h"

#include "widgets.h"
#include "zoom.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <climits>
#include <map>
#include <string>

namespace quimbra {

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
    return font;
}

namespace {

// What a window and its controls remember of their layout, for the zoom steps.
constexpr char TwipsProperty[] = "quimbraTwips";
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
    const bool field = kind == Kind::ListBox || kind == Kind::TextBox;
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
        l->setAlignment(((c.flags & Centred) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        if (c.flags & Bordered)
            l->setFrameStyle(QFrame::Box | QFrame::Plain);
        makeCopyable(l);
        return l;
    }
    case Kind::Frame:
        return new QGroupBox(caption, parent);
    }
    return nullptr;
}

bool takesFocus(Kind kind)
{
    return kind == Kind::Button || kind == Kind::ListBox || kind == Kind::TextBox;
}

} // namespace

void buildControls(QWidget *window, const FormLayout &layout)
{
    window->setObjectName(QString::fromUtf8(layout.name));
    window->setWindowTitle(QString::fromUtf8(layout.caption));
    window->setProperty(TwipsProperty, QSize(layout.width, layout.height));
    window->setFixedSize(px(layout.width), px(layout.height));
    window->setFont(fontFor({}));
    installZoomKeys();
    applyColours(window, Kind::Frame, layout.background, defaultColour);

    auto place = [&](const ControlSpec &c, const std::map<std::string, QWidget *> &frames) {
        QWidget *parent = c.container ? frames.at(c.container) : window;
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

void placeAgain(QWidget *window)
{
    if (!isLayoutWindow(window))
        return;
    const QSize size = window->property(TwipsProperty).toSize();
    window->setFixedSize(px(size.width()), px(size.height()));
    window->setFont(fontFor({}));
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QVariant twips = control->property(TwipsProperty);
        const QVariant font = control->property(FontProperty);
        if (control->window() == window && twips.userType() == QMetaType::QRect &&
            font.canConvert<FontSpec>())
            placeControl(control, twips.toRect(), font.value<FontSpec>());
    }
}

namespace {

constexpr FontSpec sans825{Face::Sans, 8.25, false};
constexpr FontSpec sans825b{Face::Sans, 8.25, true};
constexpr FontSpec sans975b{Face::Sans, 9.75, true};
constexpr FontSpec mono12b{Face::Mono, 12, true};
constexpr FontSpec mono975{Face::Mono, 9.75, false};
constexpr FontSpec mono975b{Face::Mono, 9.75, true};

constexpr Colour white = rgb(255, 255, 255);
constexpr Colour blue = rgb(0, 0, 255);
constexpr Colour paleYellow = rgb(255, 255, 192);
constexpr Colour paleCyan = rgb(192, 255, 255);
constexpr Colour darkRed = rgb(64, 0, 0);
constexpr Colour magenta = rgb(192, 0, 192);
constexpr Colour none = defaultColour;

} // namespace

const FormLayout &menuLayout()
{
    static const FormLayout layout{
        "frm_Quimbra", "Quimbra - prof. Orvalde", 4800, 4890, rgb(192, 255, 255),
        {
            {"cmdFine", -1, Kind::Button, nullptr, 1680, 4080, 1455, 615, "Fine", sans825, none,
             none, NoFlags, "Fine: esci dal programma"},
            {"cmdSort", -1, Kind::Button, nullptr, 1680, 360, 1455, 615, "Ordinamenti", sans975b,
             none, none, NoFlags, "Ordinamenti: confronto tra algoritmi di ordinamento"},
            {"cmdRicBin", -1, Kind::Button, nullptr, 1680, 1320, 1455, 615, "Ricerca Binaria",
             sans975b, none, none, NoFlags, "Ricerca Binaria: ricerca in un vettore ordinato"},
            {"cmdABR", -1, Kind::Button, nullptr, 1680, 2280, 1455, 615, "ABR", sans975b, none,
             none, NoFlags, "ABR: albero binario di ricerca"},
        }};
    return layout;
}

const FormLayout &ricBinLayout()
{
    static const FormLayout layout{
        "frmRicBin", "Ricerca Binaria - prof. Orvalde", 8010, 7080, none,
        {
            {"txtX", -1, Kind::TextBox, nullptr, 2760, 240, 975, 375, nullptr, mono12b, white, blue,
             Centred, "Numero da cercare"},
            {"cmdRicBin", -1, Kind::Button, nullptr, 3960, 240, 1575, 375, "Ricerca Binaria",
             sans825b, none, none, NoFlags, "Ricerca Binaria del numero nel vettore"},
            {"txtFatt", -1, Kind::TextBox, "frameFattoriale", 240, 360, 855, 375, nullptr, mono12b,
             white, blue, Centred, "Numero di cui calcolare il fattoriale"},
            {"cmdFattoriale", -1, Kind::Button, "frameFattoriale", 1200, 360, 855, 375,
             "Fattoriale", sans825, none, none, NoFlags, "Calcola il fattoriale"},
            {"cmdFine", -1, Kind::Button, nullptr, 6960, 6600, 975, 375, "FINE", sans825, none,
             none, NoFlags, "Chiudi la finestra"},
            {"lstV", -1, Kind::ListBox, nullptr, 240, 240, 2175, 6690, nullptr, mono975b,
             paleYellow, none, NoFlags, "Vettore ordinato: posizione e valore"},
            {"lstRB", -1, Kind::ListBox, nullptr, 2760, 840, 2775, 6105, nullptr, mono975,
             paleCyan, blue, NoFlags, "Passi della ricerca binaria"},
            {"frameFattoriale", -1, Kind::Frame, nullptr, 5760, 120, 2175, 1815, "Fattoriale: ",
             sans825, none, none, NoFlags, "Fattoriale"},
            {"lblFatt", -1, Kind::Label, "frameFattoriale", 240, 840, 1815, 735, nullptr, sans825b,
             fieldBackground, fieldText, Bordered, "Risultato del fattoriale"},
        }};
    return layout;
}

const FormLayout &abrLayout()
{
    static const FormLayout layout{
        "frmABR", "ABR (Albero Binario di Ricerca) - prof. Orvalde", 10890, 6690, none,
        {
            {"cmdFine", -1, Kind::Button, "frameRic", 720, 6120, 975, 495, "Fine", sans825, none,
             none, NoFlags, "Chiudi la finestra"},
            {"cmdV", 0, Kind::Button, "frameRic", 720, 120, 975, 495, "Visita Anticipata",
             sans825, none, none, NoFlags, "Visita anticipata dell'albero"},
            {"cmdV", 1, Kind::Button, "frameRic", 720, 720, 975, 495, "Visita Simmetrica",
             sans825, none, none, NoFlags, "Visita simmetrica dell'albero"},
            {"cmdV", 2, Kind::Button, "frameRic", 720, 1320, 975, 495, "Visita Posticipata",
             sans825, none, none, NoFlags, "Visita posticipata dell'albero"},
            {"txtX", -1, Kind::TextBox, "frameRic", 720, 2280, 975, 375, nullptr, mono12b, white,
             blue, Centred, "Chiave da cercare nell'albero"},
            {"cmdRicerca", -1, Kind::Button, "frameRic", 720, 2760, 975, 495, "Ricerca", sans825b,
             none, none, NoFlags, "Ricerca la chiave nell'albero"},
            {"lstX", -1, Kind::ListBox, nullptr, 1320, 120, 3375, 6495, nullptr, mono975, none,
             none, NoFlags, "Tabella dei nodi dell'albero"},
            {"lstABR", -1, Kind::ListBox, nullptr, 4800, 120, 4095, 6495, nullptr, mono975,
             paleYellow, darkRed, NoFlags, "Disegno dell'albero"},
            {"lstVet", -1, Kind::ListBox, nullptr, 120, 120, 1095, 6495, nullptr, mono975, none,
             none, NoFlags, "Vettore delle chiavi ordinate"},
            {"frameRic", -1, Kind::Frame, nullptr, 9000, 0, 1815, 6660, nullptr, sans825, none,
             none, NoFlags, nullptr},
            {"lstRic", -1, Kind::ListBox, "frameRic", 720, 3360, 975, 1815, nullptr, mono975,
             paleCyan, blue, NoFlags, "Percorso della ricerca"},
            {"lstV", -1, Kind::ListBox, "frameRic", 0, 120, 615, 6495, nullptr, mono975, paleCyan,
             darkRed, NoFlags, "Chiavi nell'ordine della visita"},
        }};
    return layout;
}

const FormLayout &sortLayout()
{
    static const FormLayout layout = [] {
        FormLayout l{"frmSort", "Sort - prof. Orvalde", 5430, 7755, none,
                     {
                         {"cmdFine", -1, Kind::Button, nullptr, 2160, 7500, 975, 255, "FINE",
                          sans825, none, none, NoFlags, "Chiudi la finestra"},
                         {"cmdSort", -1, Kind::Button, nullptr, 120, 9000, 1095, 495, "SORT",
                          sans975b, none, none, NoFlags, "Nuovo confronto su un nuovo vettore"},
                         {"frameSort", -1, Kind::Frame, nullptr, 50, 0, 5295, 7455,
                          "SORT  ( confronto tra vari algoritmi di Ordinamento ) ", sans825, none,
                          none, NoFlags, nullptr},
                     }};
        static const char *const sortedNames[] = {
            "Vettore ordinato con Insertion", "Vettore ordinato con Bubble",
            "Vettore ordinato con Shell", "Vettore ordinato con Quick"};
        static const char *const countNames[] = {"Spostamenti di Insertion",
                                                 "Spostamenti di Bubble", "Spostamenti di Shell",
                                                 "Spostamenti di Quick"};
        for (int k = 0; k < 4; ++k) {
            const int left = 120 + 1320 * k;
            l.controls.push_back({"lstSort", k, Kind::ListBox, "frameSort", left, 480, 975, 6500,
                                  nullptr, mono975b, paleYellow, none, NoFlags, sortedNames[k]});
            l.controls.push_back({"lblTitSort", k, Kind::Label, "frameSort", left, 240, 975, 200,
                                  "Label2", sans825b, none, magenta, NoFlags, nullptr});
            l.controls.push_back({"lblSort", k, Kind::Label, "frameSort", left, 7080, 975, 255,
                                  nullptr, sans975b, fieldBackground, fieldText,
                                  Bordered | Centred, countNames[k]});
        }
        return l;
    }();
    return layout;
}

} // namespace quimbra
