// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout.h"

#include <QPoint>
#include <QRect>

#include <vector>

namespace quimbra {

// The rows that the three step views' layout tables have in common, each made
// in one place: the views differ only in where the controls stand (in twips)
// and in what the run is called in the accessible names.

// The player's nine controls, in tab order: cmdIndietro, cmdPasso, cmdAvvia,
// cmdTutto, the speed (lblTitVelocita, sldVelocita, lblVelocita) and the
// position (sldPosizione, lblPosizione).
struct PlayerPlaces
{
    QRect back, step, run, toEnd;
    QPoint speedTitle;
    QRect speed, speedText;
    QRect position, positionText;
    const char *inRun; // "nell'esecuzione": where the slider moves
    const char *runName; // "l'esecuzione": what stands at that step
};
std::vector<ControlSpec> playerRows(const PlayerPlaces &at);

// The code panel and the variables: lblTitCodice and cboCodice above
// lstCodice, lblTitVariabili above lstVariabili, and the calls under way.
struct CodePlaces
{
    QPoint language; // cboCodice's corner; its title stands to its left
    QRect code;
    QPoint variablesTitle;
    QRect variables;
    const char *codeOf;      // "della ricerca"
    const char *variablesOf; // "della ricerca e i loro valori"
    // The calls under way of a recursive routine: lblProfondita at the top
    // of this place, lstChiamate under it (empty: none).
    QRect calls{};
};
std::vector<ControlSpec> codeRows(const CodePlaces &at);

// A row for values typed by the user, put into a layout at `top`: everything
// from there down moves under it. lblTitValori and txtDati (`width` twips
// wide, named `what`), cmdUsaDati "Usa" (`use`), cmdCopiaDati "Copia dati"
// (`copy`), on the page cmdCopiaLink "Copia collegamento", and, to the right
// edge, lblAvvisoDati for what is wrong with the text. In the tab order the
// row follows the control named `after`.
struct TypedPlaces
{
    int top;
    int width;
    const char *after;
    const char *what;
    const char *use;
    const char *copy;
    int right = 0;      // where the row ends, in twips (0: the window's edge)
    bool link = true;   // on the page, cmdCopiaLink too
};
FormLayout withTypedRow(FormLayout layout, const TypedPlaces &at);

// The strip of the questions, added under a step view's own controls:
// chkDomande "Domande", lblDomanda for the question and the verdict, a row of
// up to four answers cmdRisposta(0…3), txtRisposta for a typed number and
// cmdSalta "Salta". Its controls come before cmdFine in the tab order.
FormLayout withQuestionStrip(FormLayout layout);

// The strip of a graded exercise, added under a step view's own controls: the
// button that starts one, the box for a code given by the teacher, the
// choice of what is practised (cboEsercizio, for the views that practise
// more than one thing) with room for a warning, "Non c'è" for the views
// whose answer can be that the key is missing, "Soluzione", and a row with
// the exercise shown and its score. Its controls come before cmdFine in the
// tab order.
FormLayout withExerciseStrip(FormLayout layout, bool notThere, bool kinds = false);

} // namespace quimbra
