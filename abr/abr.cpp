// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "abr.h"

#include "sorts.h"
#include "text.h"

#include <span>

namespace quimbra::abr {

namespace {

// A node index that names a real entry of the table; 0 (no node) and anything
// past the last node are empty subtrees.
bool isNode(int k)
{
    return k >= 1 && k <= N;
}

} // namespace

void DrawKeys(Vettore &Vet, RandomSource &rnd)
{
    for (int i = 1; i <= N; ++i)
        Vet[i] = static_cast<Integer>(scaledDraw(rnd.next(), 1000));
    // The exchange sort never swaps equal keys; nobody reads its move count here.
    Long ignoredCounter = 0;
    ExchangeSort(std::span<Integer>(Vet), N, ignoredCounter);
}

std::vector<std::string> VectorLines(const Vettore &Vet)
{
    std::vector<std::string> lines;
    lines.reserve(N + 2);
    lines.emplace_back(" Vettore");
    lines.emplace_back(10, '-');
    for (int i = 1; i <= N; ++i)
        lines.push_back(rightAligned(i, 2) + " - " + rightAligned(Vet[i], 3));
    return lines;
}

void CostruisciABR(const Vettore &Vet, Tabella &ABR, int low, int high, int k, int parent,
                   int level)
{
    // Only ranges inside the vector and nodes inside the table are filled, so a
    // call with other bounds can never write past either array.
    if (!isNode(k) || low < 1 || high > N || low > high) return;
    const int m = (low + high) / 2;
    NodoABR &node = ABR[k];
    node.Inf = Vet[m];
    node.Pd = static_cast<Integer>(parent);
    if (low < high) {
        node.Sx = static_cast<Integer>(2 * k);
        node.Dx = static_cast<Integer>(2 * k + 1);
    } else {
        node.Sx = 0;
        node.Dx = 0;
    }
    node.Liv = static_cast<Integer>(level);
    if (low < high) {
        CostruisciABR(Vet, ABR, low, m - 1, 2 * k, k, level + 1);
        CostruisciABR(Vet, ABR, m + 1, high, 2 * k + 1, k, level + 1);
    }
}

std::vector<std::string> NodeTableLines(const Tabella &ABR)
{
    std::vector<std::string> lines;
    lines.reserve(N + 2);
    lines.emplace_back(" n   Inf   Sx   Dx   Pd   l");
    lines.emplace_back(28, '-');
    for (int k = 1; k <= N; ++k) {
        const NodoABR &node = ABR[k];
        lines.push_back(rightAligned(k, 2) + " - " + rightAligned(node.Inf, 3) + " - " +
                        rightAligned(node.Sx, 2) + " - " + rightAligned(node.Dx, 2) + " - " +
                        rightAligned(node.Pd, 2) + " - " + plain(node.Liv));
    }
    return lines;
}

void DisegnaABR(const Tabella &ABR, int k, std::vector<std::string> &lstABR)
{
    if (!isNode(k)) return;
    const NodoABR &node = ABR[k];
    // Right subtree above, left below: the tree turned a quarter turn.
    DisegnaABR(ABR, node.Dx, lstABR);
    lstABR.push_back(std::string(static_cast<std::size_t>(6 * node.Liv), ' ') +
                     rightAligned(node.Inf, 6));
    DisegnaABR(ABR, node.Sx, lstABR);
}

std::vector<std::string> DrawingLines(const Tabella &ABR)
{
    std::vector<std::string> lines;
    lines.reserve(N + 1);
    lines.emplace_back(" ");
    DisegnaABR(ABR, 1, lines);
    return lines;
}

void RicercaABR(const Tabella &ABR, Integer x, int k, Integer &pos,
                std::vector<std::string> &lstRic)
{
    if (!isNode(k)) {
        pos = 0;
        return;
    }
    const NodoABR &node = ABR[k];
    // The key is listed before it is compared, so a found key ends the path.
    lstRic.push_back(plain(node.Inf));
    if (node.Inf == x) {
        pos = static_cast<Integer>(k);
        return;
    }
    if (node.Sx == 0) {
        pos = 0;
        return;
    }
    RicercaABR(ABR, x, x < node.Inf ? node.Sx : node.Dx, pos, lstRic);
}

std::vector<std::string> SearchLines(const Tabella &ABR, std::string_view typed)
{
    std::vector<std::string> lines;
    const Integer x = textToInteger(typed);
    // 0 stands for "nothing typed", so a key 0 cannot be searched for.
    if (x == 0) return lines;
    Integer pos = 0;
    RicercaABR(ABR, x, 1, pos, lines);
    lines.emplace_back("*******");
    lines.emplace_back(pos == 0 ? "NON c'\u00e8" : "TROVATO");
    lines.emplace_back("*******");
    return lines;
}

void VisitaAnticipata(const Tabella &ABR, int k, std::vector<std::string> &lstV)
{
    if (!isNode(k)) return;
    lstV.push_back(rightAligned(ABR[k].Inf, 4));
    VisitaAnticipata(ABR, ABR[k].Sx, lstV);
    VisitaAnticipata(ABR, ABR[k].Dx, lstV);
}

void VisitaSimmetrica(const Tabella &ABR, int k, std::vector<std::string> &lstV)
{
    if (!isNode(k)) return;
    VisitaSimmetrica(ABR, ABR[k].Sx, lstV);
    lstV.push_back(rightAligned(ABR[k].Inf, 4));
    VisitaSimmetrica(ABR, ABR[k].Dx, lstV);
}

void VisitaPosticipata(const Tabella &ABR, int k, std::vector<std::string> &lstV)
{
    if (!isNode(k)) return;
    VisitaPosticipata(ABR, ABR[k].Sx, lstV);
    VisitaPosticipata(ABR, ABR[k].Dx, lstV);
    lstV.push_back(rightAligned(ABR[k].Inf, 4));
}

std::vector<std::string> VisitLines(const Tabella &ABR, int index)
{
    std::vector<std::string> lines;
    void (*visit)(const Tabella &, int, std::vector<std::string> &) = nullptr;
    const char *title = nullptr;
    switch (index) {
    case 0:
        title = " ANT";
        visit = VisitaAnticipata;
        break;
    case 1:
        title = "SIMM";
        visit = VisitaSimmetrica;
        break;
    case 2:
        title = "POST";
        visit = VisitaPosticipata;
        break;
    default:
        return lines;
    }
    lines.reserve(N + 2);
    lines.emplace_back(title);
    lines.emplace_back(4, '-');
    visit(ABR, 1, lines);
    return lines;
}

} // namespace quimbra::abr
