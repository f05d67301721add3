// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_rows.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

namespace quimbra {

using namespace fonts;
using namespace colours;

namespace {

// The accessible names are built once and kept for the program's life: the
// table holds plain pointers.
const char *kept(std::string text)
{
    static std::vector<std::unique_ptr<std::string>> texts;
    for (const auto &t : texts)
        if (*t == text)
            return t->c_str();
    texts.push_back(std::make_unique<std::string>(std::move(text)));
    return texts.back()->c_str();
}

ControlSpec row(const char *name, Kind kind, const QRect &r, const char *caption,
                const FontSpec &font, const char *accessibleName, Colour text = none,
                Colour background = none)
{
    return {name, -1, kind, nullptr, r.x(), r.y(), r.width(), r.height(), caption, font,
            background, text, NoFlags, accessibleName};
}

} // namespace

std::vector<ControlSpec> playerRows(const PlayerPlaces &at)
{
    const std::string inRun(at.inRun), run(at.runName);
    return {
        row("cmdIndietro", Kind::Button, at.back, "Indietro", sans975b,
            "Torna indietro di un passo (Freccia sinistra)"),
        row("cmdPasso", Kind::Button, at.step, "Passo", sans975b, "Esegui un passo (Spazio)"),
        row("cmdAvvia", Kind::Button, at.run, "Avvia", sans975b,
            "Avvia o metti in pausa l'animazione (Invio)"),
        row("cmdTutto", Kind::Button, at.toEnd, "Fino alla fine", sans825b,
            "Esegui tutti i passi fino alla fine"),
        row("lblTitVelocita", Kind::Label, QRect(at.speedTitle, QSize(1050, 300)),
            "Velocit\u00e0:", sans825b, nullptr),
        row("sldVelocita", Kind::Slider, at.speed, nullptr, sans825, "Velocit\u00e0 dell'animazione"),
        row("lblVelocita", Kind::Label, at.speedText, nullptr, sans825,
            "Velocit\u00e0 in passi al secondo"),
        row("sldPosizione", Kind::Slider, at.position, nullptr, sans825,
            kept("Posizione " + inRun + ": trascina per andare a un passo")),
        row("lblPosizione", Kind::Label, at.positionText, nullptr, sans825b,
            kept("Passo a cui si trova " + run)),
    };
}

std::vector<ControlSpec> codeRows(const CodePlaces &at)
{
    const std::string codeOf(at.codeOf), variablesOf(at.variablesOf);
    const QPoint title = at.language + QPoint(-960, 75);
    std::vector<ControlSpec> rows{
        row("lblTitCodice", Kind::Label, QRect(title, QSize(900, 300)), "Codice:", sans825b,
            nullptr, magenta),
        row("cboCodice", Kind::ComboBox, QRect(at.language, QSize(2100, 375)), nullptr, sans825,
            "Linguaggio del codice mostrato"),
        row("lstCodice", Kind::ListBox, at.code, nullptr, mono975,
            kept("Codice " + codeOf + ": la riga evidenziata ha fatto l'ultimo passo"), none, white),
        row("lblTitVariabili", Kind::Label, QRect(at.variablesTitle, QSize(1500, 300)),
            "Variabili:", sans825b, nullptr, magenta),
        row("lstVariabili", Kind::ListBox, at.variables, nullptr, mono975,
            kept("Variabili " + variablesOf), blue, paleCyan),
    };
    if (!at.calls.isEmpty()) {
        const QRect &c = at.calls;
        rows.push_back(row("lblProfondita", Kind::Label, QRect(c.left(), c.top(), c.width(), 300), nullptr,
                           sans825b, "Profondit\u00e0 delle chiamate, ora e la massima", magenta));
        rows.push_back(row("lstChiamate", Kind::ListBox, c.adjusted(0, 330, 0, 0), nullptr, mono975,
                           "Le chiamate ricorsive in corso, la pi\u00f9 esterna per prima", darkRed, paleYellow));
    }
    return rows;
}

FormLayout withTypedRow(FormLayout l, const TypedPlaces &at)
{
    constexpr int height = 480;
    for (ControlSpec &c : l.controls)
        if (c.top >= at.top)
            c.top += height;
    l.height += height;
    const int use = 1200 + at.width + 120, copy = use + 1020;
#ifdef Q_OS_WASM
    // On the page, the link that opens this view on these values.
    const int pageLink = copy + 1470, warning = at.link ? pageLink + 2160 : copy + 1470;
#else
    const int warning = copy + 1470;
#endif
    const int right = at.right > 0 ? at.right : l.width - 120;
    std::vector<ControlSpec> typed{
        row("lblTitValori", Kind::Label, QRect(120, at.top + 75, 1050, 300), "Valori:", sans825b, nullptr,
            magenta),
        row("txtDati", Kind::TextBox, QRect(1200, at.top, at.width, 375), nullptr, sans975b, at.what, blue,
            white),
        row("cmdUsaDati", Kind::Button, QRect(use, at.top, 900, 375), "Usa", sans825, at.use),
        row("cmdCopiaDati", Kind::Button, QRect(copy, at.top, 1350, 375), "Copia dati", sans825, at.copy),
        row("lblAvvisoDati", Kind::Label, QRect(warning, at.top - 30, right - warning, 450), nullptr,
            sans825, "Avviso sui valori scritti", rgb(192, 0, 0)),
    };
#ifdef Q_OS_WASM
    if (at.link)
        typed.insert(typed.begin() + 4, row("cmdCopiaLink", Kind::Button, QRect(pageLink, at.top, 2040, 375),
                                        "Copia collegamento", sans825,
                                        "Copia il collegamento che apre questa vista su questi valori"));
#endif
    const auto after = std::find_if(l.controls.begin(), l.controls.end(), [&](const ControlSpec &c) {
        return std::string_view(c.name) == at.after;
    });
    l.controls.insert(after == l.controls.end() ? after : after + 1, typed.begin(), typed.end());
    return l;
}

FormLayout withQuestionStrip(FormLayout l)
{
    const int top = l.height;
    const int left = 1440;
    const int right = l.width - 120;
    const int skip = 1095, box = 1200, gap = 60;
    const int answer = std::max(900, (right - left - box - skip - 6 * gap) / 4);
    std::vector<ControlSpec> strip{
        {"chkDomande", -1, Kind::CheckBox, nullptr, 120, top + 90, 1260, 315, "Domande", sans825b, none, none,
         NoFlags, "Domande durante l'esecuzione"},
        {"lblDomanda", -1, Kind::Label, nullptr, left, top, right - left, 495, nullptr, sans825b, none, none,
         NoFlags, "Domanda"},
    };
    const int row = top + 555;
    for (int i = 0; i < 4; ++i)
        strip.push_back({"cmdRisposta", i, Kind::Button, nullptr, left + i * (answer + gap), row, answer, 435, nullptr,
                         sans825, none, none, NoFlags, kept("Risposta " + std::to_string(i + 1))});
    const int typed = left + 4 * (answer + gap) + gap;
    strip.push_back({"txtRisposta", -1, Kind::TextBox, nullptr, typed, row + 30, box, 375, nullptr, sans975b, white,
                     blue, Centred, "Risposta scritta (Invio per rispondere)"});
    strip.push_back({"cmdSalta", -1, Kind::Button, nullptr, typed + box + gap, row, skip, 435, "Salta", sans825,
                     none, none, NoFlags, "Salta la domanda (conta come non data)"});
    l.height = row + 435 + 120;
    auto fine = std::find_if(l.controls.begin(), l.controls.end(),
                             [](const ControlSpec &c) { return std::string_view(c.name) == "cmdFine"; });
    l.controls.insert(fine, strip.begin(), strip.end());
    return l;
}

FormLayout withExerciseStrip(FormLayout l, bool notThere, bool kinds)
{
    const int top = l.height;
    const int right = l.width - 120;
    const int solution = right - 1350;
    const int missing = notThere ? solution - 120 - 1215 : solution;
    // The class register, left of the answers.
    const int book = missing - 120 - 1215;
    // The warning goes beside the code box (and the choice) when there is
    // room, under it otherwise.
    const int warningLeft = kinds ? 6615 : 4215;
    const bool beside = book - 120 - warningLeft >= 3000;
    std::vector<ControlSpec> strip{
        {"cmdEsercizio", -1, Kind::Button, nullptr, 120, top, 1350, 495, "Esercizio", sans975b,
         none, none, NoFlags, "Inizia un esercizio su dati nuovi"},
        {"lblTitCodiceEsercizio", -1, Kind::Label, nullptr, 1590, top + 120, 1500, 300,
         "Codice esercizio:", sans825b, none, magenta, NoFlags, nullptr},
        {"txtCodice", -1, Kind::TextBox, nullptr, 3120, top + 60, 975, 375, nullptr, sans975b,
         white, blue, Centred, "Codice dell'esercizio dato dall'insegnante (Invio per iniziare)"},
    };
    if (kinds)
        strip.push_back({"cboEsercizio", -1, Kind::ComboBox, nullptr, 4215, top + 60, 2280, 375,
                         nullptr, sans825, none, none, NoFlags, "Che cosa si esercita"});
    strip.push_back({"lblAvviso", -1, Kind::Label, nullptr, beside ? warningLeft : 1590,
                     beside ? top : top + 540, beside ? book - 120 - warningLeft : right - 1590,
                     beside ? 495 : 300, nullptr, sans825, none, rgb(192, 0, 0), NoFlags,
                     "Avviso sul codice"});
    strip.push_back({"cmdRegistro", -1, Kind::Button, nullptr, book, top, 1215, 495, "Registro\u2026", sans825,
                     none, none, NoFlags, "Apri il registro della classe, per leggere i risultati consegnati"});
    if (notThere)
        strip.push_back({"cmdNonCe", -1, Kind::Button, nullptr, missing, top, 1215, 495,
                         "Non c'\u00e8", sans975b, none, none, NoFlags,
                         "Risposta: la chiave non c'\u00e8"});
    strip.push_back({"cmdSoluzione", -1, Kind::Button, nullptr, solution, top, 1350, 495,
                     "Soluzione", sans975b, none, none, NoFlags,
                     "Mostra la soluzione e termina l'esercizio"});
    const int scoreTop = top + (beside ? 600 : 900);
    strip.push_back({"lblEsercizio", -1, Kind::Label, nullptr, 120, scoreTop + 45, 3900, 300,
                     nullptr, sans825b, none, magenta, NoFlags, "Esercizio in corso"});
    strip.push_back({"lblPunteggio", -1, Kind::Label, nullptr, 4080, scoreTop, right - 4080, 375,
                     nullptr, sans975b, fieldBackground, fieldText, Bordered | Centred,
                     "Punteggio dell'esercizio (Ctrl+C copia il risultato)"});
    l.height = scoreTop + 375 + 120;
    auto fine = std::find_if(l.controls.begin(), l.controls.end(),
                             [](const ControlSpec &c) { return std::string_view(c.name) == "cmdFine"; });
    l.controls.insert(fine, strip.begin(), strip.end());
    return l;
}

} // namespace quimbra
