// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "abr.h"

#include "sorts.h"
#include "text.h"

#include <algorithm>
#include <span>

namespace quimbra::abr {

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
    NoSteps none;
    RicercaABR(ABR, x, k, pos, lstRic, none);
}

std::vector<std::string> SearchLines(const Tabella &ABR, std::string_view typed)
{
    NoSteps none;
    return SearchLines(ABR, typed, none);
}

void VisitaAnticipata(const Tabella &ABR, int k, std::vector<std::string> &lstV)
{
    NoSteps none;
    VisitaAnticipata(ABR, k, lstV, none);
}

void VisitaSimmetrica(const Tabella &ABR, int k, std::vector<std::string> &lstV)
{
    NoSteps none;
    VisitaSimmetrica(ABR, k, lstV, none);
}

void VisitaPosticipata(const Tabella &ABR, int k, std::vector<std::string> &lstV)
{
    NoSteps none;
    VisitaPosticipata(ABR, k, lstV, none);
}

std::vector<std::string> VisitLines(const Tabella &ABR, int index)
{
    NoSteps none;
    return VisitLines(ABR, index, none);
}

namespace detail {

void addVerdict(std::vector<std::string> &lstRic, Integer pos)
{
    lstRic.emplace_back("*******");
    lstRic.emplace_back(pos == 0 ? "NON c'\u00e8" : "TROVATO");
    lstRic.emplace_back("*******");
}

const char *visitTitle(int index)
{
    switch (index) {
    case 0:
        return " ANT";
    case 1:
        return "SIMM";
    case 2:
        return "POST";
    default:
        return nullptr;
    }
}

} // namespace detail

int TreeSteps::count() const
{
    switch (what) {
    case What::Search:
        return lines.empty() ? 0 : static_cast<int>(path.size()) + 1;
    case What::Visit:
        return static_cast<int>(nodes.size());
    case What::Nothing:
        break;
    }
    return 0;
}

std::size_t TreeSteps::linesAfter(int step) const
{
    if (what == What::Visit)
        return std::min(lines.size(), static_cast<std::size_t>(std::max(step + 3, 2)));
    if (step < 0 || what == What::Nothing)
        return 0;
    if (step < static_cast<int>(path.size()))
        return static_cast<std::size_t>(step) + 1;
    return lines.size();
}

int TreeSteps::nodeAt(int step) const
{
    if (step < 0)
        return 0;
    const auto s = static_cast<std::size_t>(step);
    if (what == What::Search && s < path.size())
        return path[s].k;
    if (what == What::Visit && s < nodes.size())
        return nodes[s];
    return 0;
}

int TreeSteps::found() const
{
    if (what != What::Search || path.empty() || path.back().order != 0)
        return 0;
    return path.back().k;
}

TreeSteps RecordSearch(const Tabella &ABR, std::string_view typed)
{
    TreeSteps steps;
    steps.what = TreeSteps::What::Search;
    steps.x = textToInteger(typed);
    Observers record{[&steps](const SearchStep &s) { steps.path.push_back(s); },
                     [&steps](const CallEnter &c) { steps.calls.enter(c, long(steps.path.size())); },
                     [&steps](const CallReturn &c) { steps.calls.leave(c, long(steps.path.size())); }};
    steps.lines = SearchLines(ABR, typed, record);
    return steps;
}

TreeSteps RecordVisit(const Tabella &ABR, int index)
{
    TreeSteps steps;
    if (!detail::visitTitle(index))
        return steps;
    steps.what = TreeSteps::What::Visit;
    steps.visit = index;
    Observers record{[&steps](int k) { steps.nodes.push_back(k); },
                     [&steps](const CallEnter &c) { steps.calls.enter(c, long(steps.nodes.size())); },
                     [&steps](const CallReturn &c) { steps.calls.leave(c, long(steps.nodes.size())); }};
    steps.lines = VisitLines(ABR, index, record);
    steps.calls.finish(steps.count());
    return steps;
}

namespace {

const char *const visitNames[] = {"Visita anticipata", "Visita simmetrica", "Visita posticipata"};
const char *const visitRules[] = {
    "prima il nodo, poi il sottoalbero sinistro, poi il destro",
    "prima il sottoalbero sinistro, poi il nodo, poi il destro",
    "prima il sottoalbero sinistro, poi il destro, poi il nodo"};

std::string nodeName(const Albero &ABR, int k)
{
    return "nodo " + plain(k) + " (chiave " + plain(ABR[k].Inf) + ")";
}

} // namespace

std::string StepSentence(const Albero &ABR, const TreeSteps &steps, int step)
{
    const std::string x = plain(steps.x);
    switch (steps.what) {
    case TreeSteps::What::Nothing:
        return "Scrivi una chiave e premi Ricerca, oppure scegli una visita";
    case TreeSteps::What::Visit: {
        const auto v = static_cast<std::size_t>(steps.visit);
        const std::string name = visitNames[v];
        if (step < 0)
            return name + ": " + visitRules[v];
        if (step >= steps.count())
            return name + " finita: " + plain(steps.count()) + " chiavi";
        return name + ": " + nodeName(ABR, steps.nodeAt(step)) + ", " + plain(step + 1) +
               " di " + plain(steps.count());
    }
    case TreeSteps::What::Search:
        break;
    }
    if (steps.count() == 0)
        return "Scrivi una chiave diversa da 0 da cercare nell'albero";
    if (step < 0)
        return "Si cerca " + x + " partendo dalla radice";
    if (step >= static_cast<int>(steps.path.size())) {
        const int at = steps.found();
        return at ? x + " \u00e8 nell'albero, nel nodo " + plain(at) + ": TROVATO"
                  : x + " non \u00e8 nell'albero: NON c'\u00e8";
    }
    const SearchStep &s = steps.path[static_cast<std::size_t>(step)];
    const NodoABR &node = ABR[s.k];
    if (s.order == 0)
        return x + " \u00e8 uguale alla chiave del " + nodeName(ABR, s.k) + ": trovato";
    const bool left = s.order < 0;
    const std::string why = x + (left ? " \u00e8 minore della chiave del " : " \u00e8 maggiore della chiave del ") +
                            nodeName(ABR, s.k);
    if (s.leaf)
        return why + (node.Sx == 0 && node.Dx == 0 ? ", che \u00e8 una foglia"
                      : left                       ? ", che non ha un figlio sinistro"
                                                   : ", che non ha un figlio destro") +
               ": la ricerca finisce qui";
    return why + ": si scende a " + (left ? "sinistra, al nodo " + plain(node.Sx)
                                          : "destra, al nodo " + plain(node.Dx));
}

Tabella TreeOfKeys(const std::vector<Integer> &keys)
{
    Vettore Vet{};
    const int n = static_cast<int>(std::min<std::size_t>(keys.size(), N));
    std::copy_n(keys.begin(), n, Vet.begin() + 1);
    Tabella ABR{};
    CostruisciABR(Vet, ABR, 1, n, 1, 0, 0);
    return ABR;
}

std::string ExerciseName(const TreeSteps &steps)
{
    if (steps.what == TreeSteps::What::Visit)
        return visitNames[std::clamp(steps.visit, 0, 2)];
    return "Ricerca nell'ABR";
}

std::vector<exercise::Expected> ExerciseSteps(const Albero &ABR, const TreeSteps &steps)
{
    std::vector<exercise::Expected> out;
    if (steps.what == TreeSteps::What::Visit) {
        const auto v = static_cast<std::size_t>(std::clamp(steps.visit, 0, 2));
        std::string name = visitNames[v];
        name[0] = static_cast<char>(name[0] - 'A' + 'a');
        for (std::size_t i = 0; i < steps.nodes.size(); ++i) {
            const int k = steps.nodes[i];
            std::string why = i == 0 ? "la " + name + " comincia dal " + nodeName(ABR, k)
                                     : "nella " + name + " dopo il " + nodeName(ABR, steps.nodes[i - 1]) +
                                           " viene il " + nodeName(ABR, k);
            out.push_back({{k}, false, why + ": " + visitRules[v]});
        }
        return out;
    }
    if (steps.what != TreeSteps::What::Search || steps.count() == 0)
        return out;
    const std::string x = plain(steps.x);
    auto after = [&](const SearchStep &s) {
        return x + (s.order < 0 ? " \u00e8 minore di " : " \u00e8 maggiore di ") + plain(ABR[s.k].Inf);
    };
    for (std::size_t i = 0; i < steps.path.size(); ++i) {
        const SearchStep &s = steps.path[i];
        std::string why;
        if (i == 0)
            why = "la ricerca parte dalla radice, il " + nodeName(ABR, s.k);
        else
            why = after(steps.path[i - 1]) + ": si scende a " +
                  (steps.path[i - 1].order < 0 ? "sinistra" : "destra") + ", al " + nodeName(ABR, s.k);
        out.push_back({{s.k}, false, std::move(why)});
    }
    if (steps.found() || steps.path.empty())
        out.push_back({}); // the verdict plays by itself
    else {
        const SearchStep &last = steps.path.back();
        const NodoABR &node = ABR[last.k];
        const std::string end = node.Sx == 0 && node.Dx == 0 ? " \u00e8 una foglia"
                                : last.order < 0              ? " non ha un figlio sinistro"
                                                              : " non ha un figlio destro";
        out.push_back({{exercise::NotThere}, false,
                       after(last) + " e il nodo " + plain(last.k) + end + ": " + x + " non c'\u00e8"});
    }
    return out;
}

namespace {

// In-order walk from k at the given row: the left subtree takes the columns
// before the node, the right subtree those after it. The depth guard keeps a
// table whose links loop from walking forever.
void place(const Albero &ABR, int k, int row, int &nextColumn, Places &places)
{
    if (!ABR.used(k) || places[std::size_t(k)].row >= 0 || row > MostNodes)
        return;
    places[std::size_t(k)].row = row; // marks k as reached before its subtrees are walked
    place(ABR, ABR[k].Sx, row + 1, nextColumn, places);
    places[std::size_t(k)].column = nextColumn++;
    place(ABR, ABR[k].Dx, row + 1, nextColumn, places);
}

} // namespace

Places PlaceNodes(const Albero &ABR)
{
    Places places{};
    int nextColumn = 0;
    place(ABR, ABR.root, 0, nextColumn, places);
    return places;
}

} // namespace quimbra::abr
