// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout.h"

#include "widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>
#include <climits>
#include <map>
#include <string>
#include <string_view>

namespace quimbra {

namespace {
int zoom = 100;
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
    }
    return nullptr;
}

} // namespace

bool takesFocus(Kind kind)
{
    return kind == Kind::Button || kind == Kind::ListBox || kind == Kind::TextBox ||
           kind == Kind::Slider || kind == Kind::ComboBox || kind == Kind::Canvas ||
           kind == Kind::CheckBox || kind == Kind::SpinBox;
}

void buildControls(QWidget *window, const FormLayout &layout)
{
    window->setObjectName(QString::fromUtf8(layout.name));
    window->setWindowTitle(QString::fromUtf8(layout.caption));
    window->setProperty(TwipsProperty, QSize(layout.width, layout.height));
    window->setFixedSize(px(layout.width), px(layout.height));
    window->setFont(fontFor({}));
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
constexpr FontSpec sans12b{Face::Sans, 12, true};

constexpr Colour white{Colour::Rgb, palette::white};
constexpr Colour blue{Colour::Rgb, palette::blue};
constexpr Colour paleYellow{Colour::Rgb, palette::paleYellow};
constexpr Colour paleCyan{Colour::Rgb, palette::paleCyan};
constexpr Colour darkRed{Colour::Rgb, palette::darkRed};
constexpr Colour magenta{Colour::Rgb, palette::magenta};
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

namespace {

// The strip of a graded exercise, added under a step view's own controls: the
// button that starts one, its code, the box for a code given by the teacher
// with room for a warning, "Non c'\u00e8" for the views whose answer can be
// that the key is missing, "Soluzione", and a row for the score. Its controls
// come before cmdFine in the tab order.
FormLayout withExerciseStrip(FormLayout l, bool notThere)
{
    const int top = l.height;
    const int right = l.width - 120;
    const int solution = right - 1350;
    const int missing = notThere ? solution - 120 - 1215 : solution;
    // The warning goes beside the code box when there is room, under it otherwise.
    const int warningLeft = 5955;
    const bool beside = missing - 120 - warningLeft >= 3000;
    std::vector<ControlSpec> strip{
        {"cmdEsercizio", -1, Kind::Button, nullptr, 120, top, 1350, 495, "Esercizio", sans975b,
         none, none, NoFlags, "Inizia un esercizio su dati nuovi"},
        {"lblEsercizio", -1, Kind::Label, nullptr, 1590, top + 120, 1700, 300, nullptr, sans825b,
         none, magenta, NoFlags, "Esercizio in corso"},
        {"lblTitCodiceEsercizio", -1, Kind::Label, nullptr, 3330, top + 120, 1500, 300,
         "Codice esercizio:", sans825b, none, magenta, NoFlags, nullptr},
        {"txtCodice", -1, Kind::TextBox, nullptr, 4860, top + 60, 975, 375, nullptr, sans975b,
         white, blue, Centred, "Codice dell'esercizio dato dall'insegnante (Invio per iniziare)"},
        {"lblAvviso", -1, Kind::Label, nullptr, beside ? warningLeft : 3330,
         beside ? top : top + 540, beside ? missing - 120 - warningLeft : right - 3330,
         beside ? 495 : 300, nullptr, sans825, none, rgb(192, 0, 0), NoFlags,
         "Avviso sul codice"},
    };
    if (notThere)
        strip.push_back({"cmdNonCe", -1, Kind::Button, nullptr, missing, top, 1215, 495,
                         "Non c'\u00e8", sans975b, none, none, NoFlags,
                         "Risposta: la chiave non c'\u00e8"});
    strip.push_back({"cmdSoluzione", -1, Kind::Button, nullptr, solution, top, 1350, 495,
                     "Soluzione", sans975b, none, none, NoFlags,
                     "Mostra la soluzione e termina l'esercizio"});
    const int scoreTop = top + (beside ? 600 : 900);
    strip.push_back({"lblPunteggio", -1, Kind::Label, nullptr, 120, scoreTop, right - 120, 375,
                     nullptr, sans975b, fieldBackground, fieldText, Bordered | Centred,
                     "Punteggio dell'esercizio (Ctrl+C copia il risultato)"});
    l.height = scoreTop + 375 + 120;
    auto fine = std::find_if(l.controls.begin(), l.controls.end(),
                             [](const ControlSpec &c) { return std::string_view(c.name) == "cmdFine"; });
    l.controls.insert(fine, strip.begin(), strip.end());
    return l;
}

} // namespace

// A wide canvas, so that each of 1000 bars gets a pixel of its own, with the
// sentence and the position of the run under it, then the code of the sort
// with its line lit beside its variables, and the player's controls in one
// row at the bottom. The canvas comes first in the tab order: Space and
// Enter work at once.
const FormLayout &passoSortLayout()
{
    static const FormLayout layout = withExerciseStrip(FormLayout{
        "frmPassoSort", "Passo passo - prof. Orvalde", 15300, 10305, none,
        {
            {"picBarre", -1, Kind::Canvas, nullptr, 120, 600, 15060, 4200, nullptr, sans825b,
             paleYellow, magenta, NoFlags, "Il vettore come barre: altezza uguale al valore"},
            {"cmdIndietro", -1, Kind::Button, nullptr, 120, 9690, 1350, 495, "Indietro", sans975b,
             none, none, NoFlags, "Torna indietro di un passo (Freccia sinistra)"},
            {"cmdPasso", -1, Kind::Button, nullptr, 1590, 9690, 1350, 495, "Passo", sans975b, none,
             none, NoFlags, "Esegui un passo (Spazio)"},
            {"cmdAvvia", -1, Kind::Button, nullptr, 3060, 9690, 1350, 495, "Avvia", sans975b, none,
             none, NoFlags, "Avvia o metti in pausa l'animazione (Invio)"},
            {"cmdTutto", -1, Kind::Button, nullptr, 4530, 9690, 1650, 495, "Fino alla fine",
             sans825b, none, none, NoFlags, "Esegui tutti i passi fino alla fine"},
            {"lblTitVelocita", -1, Kind::Label, nullptr, 6360, 9810, 1050, 300, "Velocità:",
             sans825b, none, none, NoFlags, nullptr},
            {"sldVelocita", -1, Kind::Slider, nullptr, 7410, 9690, 3000, 495, nullptr, sans825,
             none, none, NoFlags, "Velocità dell'animazione"},
            {"lblVelocita", -1, Kind::Label, nullptr, 10530, 9810, 3180, 300, nullptr, sans825,
             none, none, NoFlags, "Velocità in passi al secondo"},
            {"sldPosizione", -1, Kind::Slider, nullptr, 120, 5340, 12600, 375, nullptr, sans825,
             none, none, NoFlags, "Posizione nell'esecuzione: trascina per andare a un passo"},
            {"lblPosizione", -1, Kind::Label, nullptr, 12840, 5400, 2340, 300, nullptr, sans825b,
             none, none, NoFlags, "Passo a cui si trova l'esecuzione"},
            {"lblTitAlgoritmo", -1, Kind::Label, nullptr, 120, 195, 1050, 300, "Algoritmo:",
             sans825b, none, magenta, NoFlags, nullptr},
            {"cboAlgoritmo", -1, Kind::ComboBox, nullptr, 1200, 120, 1800, 375, nullptr, sans975b,
             none, none, NoFlags, "Algoritmo di ordinamento"},
            {"lblTitDati", -1, Kind::Label, nullptr, 3240, 195, 600, 300, "Dati:", sans825b, none,
             magenta, NoFlags, nullptr},
            {"cboDati", -1, Kind::ComboBox, nullptr, 3900, 120, 3000, 375, nullptr, sans825, none,
             none, NoFlags, "Dati da ordinare"},
            {"lblTitConfronti", -1, Kind::Label, nullptr, 7500, 195, 1200, 300, "Confronti:",
             sans825b, none, magenta, NoFlags, nullptr},
            {"lblConfronti", -1, Kind::Label, nullptr, 8700, 120, 1500, 375, nullptr, sans975b,
             fieldBackground, fieldText, Bordered | Centred, "Numero di confronti"},
            {"lblTitMosse", -1, Kind::Label, nullptr, 10500, 195, 900, 300, "Mosse:", sans825b,
             none, magenta, NoFlags, nullptr},
            {"lblMosse", -1, Kind::Label, nullptr, 11400, 120, 1500, 375, nullptr, sans975b,
             fieldBackground, fieldText, Bordered | Centred, "Numero di mosse"},
            {"lblPasso", -1, Kind::Label, nullptr, 120, 4860, 15060, 420, nullptr, sans12b, none,
             magenta, NoFlags, "Che cosa ha fatto l'ultimo passo"},
            {"lblTitCodice", -1, Kind::Label, nullptr, 120, 5880, 900, 300, "Codice:", sans825b,
             none, magenta, NoFlags, nullptr},
            {"cboCodice", -1, Kind::ComboBox, nullptr, 1080, 5805, 2100, 375, nullptr, sans825,
             none, none, NoFlags, "Linguaggio del codice mostrato"},
            {"lstCodice", -1, Kind::ListBox, nullptr, 120, 6270, 10860, 3300, nullptr, mono975,
             white, none, NoFlags, "Codice dell'algoritmo: la riga evidenziata ha fatto l'ultimo passo"},
            {"lblTitVariabili", -1, Kind::Label, nullptr, 11100, 5880, 1500, 300, "Variabili:",
             sans825b, none, magenta, NoFlags, nullptr},
            {"lstVariabili", -1, Kind::ListBox, nullptr, 11100, 6270, 4080, 3300, nullptr, mono975,
             paleCyan, blue, NoFlags, "Variabili dell'algoritmo e i loro valori"},
            {"cmdFine", -1, Kind::Button, nullptr, 13830, 9690, 1350, 495, "Fine", sans825, none,
             none, NoFlags, "Chiudi la finestra"},
        }}, false);
    return layout;
}

// The binary search step by step: the vector as a column at the left, the
// number searched, the sentence, the probe lines and the player at the right.
// The column comes first in the tab order, so that Space and Enter work at once.
const FormLayout &passoRicBinLayout()
{
    static const FormLayout layout = withExerciseStrip(FormLayout{
        "frmPassoRicBin", "Passo passo: Ricerca Binaria - prof. Orvalde", 15720, 7200, none,
        {
            {"picVettore", -1, Kind::Canvas, nullptr, 120, 120, 2895, 6960, nullptr, mono975b,
             paleYellow, none, NoFlags,
             "Il vettore ordinato: posizioni e valori, con l'intervallo in cui si cerca"},
            {"lblTitX", -1, Kind::Label, nullptr, 3240, 195, 1680, 300, "Numero da cercare:",
             sans825b, none, magenta, NoFlags, nullptr},
            {"txtX", -1, Kind::TextBox, nullptr, 4920, 120, 1095, 375, nullptr, mono12b, white,
             blue, Centred, "Numero da cercare"},
            {"lblPasso", -1, Kind::Label, nullptr, 3240, 600, 6360, 780, nullptr, sans12b, none,
             magenta, NoFlags, "Che cosa ha deciso l'ultimo passo"},
            {"cmdIndietro", -1, Kind::Button, nullptr, 3240, 6585, 1350, 495, "Indietro", sans975b,
             none, none, NoFlags, "Torna indietro di un passo (Freccia sinistra)"},
            {"cmdPasso", -1, Kind::Button, nullptr, 6600, 1500, 1350, 495, "Passo", sans975b, none,
             none, NoFlags, "Esegui un passo (Spazio)"},
            {"cmdAvvia", -1, Kind::Button, nullptr, 6600, 2100, 1350, 495, "Avvia", sans975b, none,
             none, NoFlags, "Avvia o metti in pausa l'animazione (Invio)"},
            {"cmdTutto", -1, Kind::Button, nullptr, 6600, 2700, 1650, 495, "Fino alla fine",
             sans825b, none, none, NoFlags, "Esegui tutti i passi fino alla fine"},
            {"lblTitVelocita", -1, Kind::Label, nullptr, 6600, 3420, 1050, 300, "Velocit\u00e0:",
             sans825b, none, none, NoFlags, nullptr},
            {"sldVelocita", -1, Kind::Slider, nullptr, 6600, 3720, 3000, 495, nullptr, sans825,
             none, none, NoFlags, "Velocit\u00e0 dell'animazione"},
            {"lblVelocita", -1, Kind::Label, nullptr, 6600, 4260, 3000, 300, nullptr, sans825,
             none, none, NoFlags, "Velocit\u00e0 in passi al secondo"},
            {"sldPosizione", -1, Kind::Slider, nullptr, 3240, 5940, 6360, 375, nullptr, sans825,
             none, none, NoFlags, "Posizione nella ricerca: trascina per andare a un passo"},
            {"lblPosizione", -1, Kind::Label, nullptr, 4710, 6690, 2400, 300, nullptr, sans825b,
             none, none, NoFlags, "Passo a cui si trova la ricerca"},
            {"lstPassi", -1, Kind::ListBox, nullptr, 3240, 1500, 3195, 3135, nullptr, mono975,
             paleCyan, blue, NoFlags, "Passi della ricerca binaria"},
            {"lblLegenda", -1, Kind::Label, nullptr, 3240, 4920, 6360, 900,
             "In giallo le posizioni in cui si cerca ancora, in grigio quelle scartate, in "
             "magenta la posizione di mezzo. La striscia a destra della colonna mostra tutto il "
             "vettore.",
             sans825, none, none, NoFlags, nullptr},
            {"lblTitCodice", -1, Kind::Label, nullptr, 9840, 195, 900, 300, "Codice:", sans825b,
             none, magenta, NoFlags, nullptr},
            {"cboCodice", -1, Kind::ComboBox, nullptr, 10800, 120, 2100, 375, nullptr, sans825,
             none, none, NoFlags, "Linguaggio del codice mostrato"},
            {"lstCodice", -1, Kind::ListBox, nullptr, 9840, 600, 5760, 4200, nullptr, mono975,
             white, none, NoFlags, "Codice della ricerca: la riga evidenziata ha fatto l'ultimo passo"},
            {"lblTitVariabili", -1, Kind::Label, nullptr, 9840, 4920, 1500, 300, "Variabili:",
             sans825b, none, magenta, NoFlags, nullptr},
            {"lstVariabili", -1, Kind::ListBox, nullptr, 9840, 5220, 5760, 1860, nullptr, mono975,
             paleCyan, blue, NoFlags, "Variabili della ricerca e i loro valori"},
            {"cmdFine", -1, Kind::Button, nullptr, 8625, 6705, 975, 375, "Fine", sans825, none,
             none, NoFlags, "Chiudi la finestra"},
        }}, true);
    return layout;
}

// The tree step by step: the tree drawn across most of the window with the
// sentence under it and the player in one row at the bottom; at the right the
// list of the steps, the visits, the key to search and cmdFine. The drawing
// comes first in the tab order, so that Space and Enter work at once.
const FormLayout &passoAbrLayout()
{
    static const FormLayout layout = withExerciseStrip(FormLayout{
        "frmPassoABR", "Passo passo: ABR - prof. Orvalde", 14070, 10330, none,
        {
            {"picAlbero", -1, Kind::Canvas, nullptr, 120, 120, 11400, 5400, nullptr, mono975b,
             paleYellow, darkRed, NoFlags,
             "L'albero disegnato: ogni nodo con la sua chiave e il suo numero"},
            {"cmdV", 0, Kind::Button, nullptr, 12735, 120, 1215, 495, "Anticipata", sans825, none,
             none, NoFlags, "Visita anticipata dell'albero"},
            {"cmdV", 1, Kind::Button, nullptr, 12735, 720, 1215, 495, "Simmetrica", sans825, none,
             none, NoFlags, "Visita simmetrica dell'albero"},
            {"cmdV", 2, Kind::Button, nullptr, 12735, 1320, 1215, 495, "Posticipata", sans825,
             none, none, NoFlags, "Visita posticipata dell'albero"},
            {"lblTitChiave", -1, Kind::Label, nullptr, 12735, 2040, 1215, 300, "Chiave:",
             sans825b, none, magenta, NoFlags, nullptr},
            {"txtChiave", -1, Kind::TextBox, nullptr, 12735, 2340, 1215, 375, nullptr, mono12b,
             white, blue, Centred, "Chiave da cercare nell'albero"},
            {"cmdRicerca", -1, Kind::Button, nullptr, 12735, 2820, 1215, 495, "Ricerca", sans825b,
             none, none, NoFlags, "Ricerca la chiave nell'albero, un passo alla volta"},
            {"lblPasso", -1, Kind::Label, nullptr, 120, 5580, 11400, 780, nullptr, sans12b, none,
             magenta, NoFlags, "Che cosa ha fatto l'ultimo passo"},
            {"cmdIndietro", -1, Kind::Button, nullptr, 12735, 5880, 1215, 495, "Indietro", sans975b,
             none, none, NoFlags, "Torna indietro di un passo (Freccia sinistra)"},
            {"cmdPasso", -1, Kind::Button, nullptr, 120, 6480, 1350, 495, "Passo", sans975b, none,
             none, NoFlags, "Esegui un passo (Spazio)"},
            {"cmdAvvia", -1, Kind::Button, nullptr, 1590, 6480, 1350, 495, "Avvia", sans975b, none,
             none, NoFlags, "Avvia o metti in pausa l'animazione (Invio)"},
            {"cmdTutto", -1, Kind::Button, nullptr, 3060, 6480, 1650, 495, "Fino alla fine",
             sans825b, none, none, NoFlags, "Esegui tutti i passi fino alla fine"},
            {"lblTitVelocita", -1, Kind::Label, nullptr, 4950, 6600, 1050, 300, "Velocit\u00e0:",
             sans825b, none, none, NoFlags, nullptr},
            {"sldVelocita", -1, Kind::Slider, nullptr, 6000, 6480, 3000, 495, nullptr, sans825,
             none, none, NoFlags, "Velocit\u00e0 dell'animazione"},
            {"lblVelocita", -1, Kind::Label, nullptr, 9150, 6600, 2370, 300, nullptr, sans825,
             none, none, NoFlags, "Velocit\u00e0 in passi al secondo"},
            {"sldPosizione", -1, Kind::Slider, nullptr, 120, 7110, 9000, 375, nullptr, sans825,
             none, none, NoFlags, "Posizione nella ricerca o nella visita: trascina per andare a un passo"},
            {"lblPosizione", -1, Kind::Label, nullptr, 9240, 7170, 2280, 300, nullptr, sans825b,
             none, none, NoFlags, "Passo a cui si trova la ricerca o la visita"},
            {"lstPassi", -1, Kind::ListBox, nullptr, 11640, 120, 975, 6855, nullptr, mono975,
             paleCyan, darkRed, NoFlags, "Passi della ricerca o della visita"},
            {"lblTitCodice", -1, Kind::Label, nullptr, 120, 7620, 900, 300, "Codice:", sans825b,
             none, magenta, NoFlags, nullptr},
            {"cboCodice", -1, Kind::ComboBox, nullptr, 1080, 7545, 2100, 375, nullptr, sans825,
             none, none, NoFlags, "Linguaggio del codice mostrato"},
            {"lstCodice", -1, Kind::ListBox, nullptr, 120, 8010, 8520, 2200, nullptr, mono975,
             white, none, NoFlags, "Codice della ricerca o della visita: la riga evidenziata ha fatto l'ultimo passo"},
            {"lblTitVariabili", -1, Kind::Label, nullptr, 8760, 7620, 1500, 300, "Variabili:",
             sans825b, none, magenta, NoFlags, nullptr},
            {"lstVariabili", -1, Kind::ListBox, nullptr, 8760, 8010, 5190, 2200, nullptr, mono975,
             paleCyan, blue, NoFlags, "Variabili e i loro valori"},
            {"cmdFine", -1, Kind::Button, nullptr, 12735, 6480, 1215, 495, "Fine", sans825, none,
             none, NoFlags, "Chiudi la finestra"},
        }}, true);
    return layout;
}

} // namespace quimbra
