// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "random.h"
#include "types.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The balanced binary search tree, free of any toolkit: the window frmABR owns
// Vet and ABR and turns these lines into list rows.
namespace quimbra::abr {

inline constexpr int N = 31;

struct NodoABR
{
    Integer Inf = 0; // key
    Integer Sx = 0;  // left child, 0 = none
    Integer Dx = 0;  // right child, 0 = none
    Integer Pd = 0;  // parent, 0 for the root
    Integer Liv = 0; // level, 0 for the root
};

using Vettore = std::array<Integer, N + 1>;    // entry 0 never written
using Tabella = std::array<NodoABR, N + 1>;    // entry 0 never written

// Vet(1..31) = floor(r x 1000), then sorted ascending by exchange.
void DrawKeys(Vettore &Vet, RandomSource &rnd);

// lstVet: " Vettore", 10 dashes, 31 lines "pp - kkk".
std::vector<std::string> VectorLines(const Vettore &Vet);

// Fills ABR(k) from Vet(low..high) and recurses into the two halves.
void CostruisciABR(const Vettore &Vet, Tabella &ABR, int low, int high, int k, int parent,
                   int level);

// lstX: the header, 28 dashes, one row per node.
std::vector<std::string> NodeTableLines(const Tabella &ABR);

// Appends the sideways drawing of the subtree rooted at k.
void DisegnaABR(const Tabella &ABR, int k, std::vector<std::string> &lstABR);

// lstABR: a line holding one blank, then the drawing of the whole tree.
std::vector<std::string> DrawingLines(const Tabella &ABR);

// Appends the key of every node examined from k downwards; sets pos to the
// node whose key is x, or 0.
void RicercaABR(const Tabella &ABR, Integer x, int k, Integer &pos,
                std::vector<std::string> &lstRic);

// Everything one press of "Ricerca" writes into the emptied lstRic for the
// typed text: nothing when it reads as 0, otherwise the path and the verdict.
std::vector<std::string> SearchLines(const Tabella &ABR, std::string_view typed);

void VisitaAnticipata(const Tabella &ABR, int k, std::vector<std::string> &lstV);
void VisitaSimmetrica(const Tabella &ABR, int k, std::vector<std::string> &lstV);
void VisitaPosticipata(const Tabella &ABR, int k, std::vector<std::string> &lstV);

// Everything a visit button with this index writes into the emptied lstV: the
// title line, four dashes and the 31 keys; nothing for an unknown index.
std::vector<std::string> VisitLines(const Tabella &ABR, int index);

} // namespace quimbra::abr
