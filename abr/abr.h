// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calls.h"
#include "exercise.h"
#include "random.h"
#include "text.h"
#include "types.h"

#include <array>
#include <bitset>
#include <compare>
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

inline constexpr int MostNodes = 63;

// A binary search tree of up to 63 nodes as the program stores it: node k in
// row k of a table of NodoABR (row 0 never used), linked by row numbers, 0
// for none, each with its level; `present` says which rows hold a node (a
// key may be 0 in the window's tree). A deleted node's row is emptied, and
// the next insertion takes the lowest empty row: the table never holds more
// than 63 rows. The window's table converts to it row for row.
struct Albero
{
    std::vector<NodoABR> rows = std::vector<NodoABR>(MostNodes + 1);
    std::bitset<MostNodes + 1> present;
    int root = 0;

    Albero() = default;
    Albero(const Tabella &ABR);

    bool used(int k) const { return k >= 1 && k <= MostNodes && present.test(std::size_t(k)); }
    const NodoABR &operator[](int k) const { return rows[std::size_t(k)]; }
    int count() const { return static_cast<int>(present.count()); }
    // The levels of the tree: 0 when empty, 1 for a lone root.
    int height() const;
    // The keys in order (the in-order visit).
    std::vector<Integer> keys() const;

    bool operator==(const Albero &other) const;
};

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

// A node index that names a real entry of the table; 0 (no node) and anything
// past the last node are empty subtrees.
inline bool isNode(int k)
{
    return k >= 1 && k <= N;
}

// One node examined by the search, as it is reported to an observer: its
// index, and how x compares with its key (less: down to the left child,
// greater: to the right one, equal: found). leaf: the search ends there.
struct SearchStep
{
    int k;
    std::strong_ordering order;
    bool leaf;
};

// The observer of a search or a visit that nobody watches.
struct NoSteps
{
    template <class Step>
    void operator()(const Step &) const
    {
    }
};

// Appends the key of every node examined from k downwards, reporting each
// node to the observer after its line, and each call as it begins and
// returns with its Pos; sets pos to the node whose key is x, or 0.
template <class Observer>
void RicercaABR(const Tabella &ABR, Integer x, int k, Integer &pos,
                std::vector<std::string> &lstRic, Observer &observe)
{
    observe(CallEnter{k});
    if (!isNode(k)) {
        pos = 0;
        observe(CallReturn{true, pos});
        return;
    }
    const NodoABR &node = ABR[k];
    // The key is listed before it is compared, so a found key ends the path.
    lstRic.push_back(plain(node.Inf));
    observe(SearchStep{k, x <=> node.Inf, node.Sx == 0});
    if (node.Inf == x) {
        pos = static_cast<Integer>(k);
        observe(CallReturn{true, pos});
        return;
    }
    if (node.Sx == 0) {
        pos = 0;
        observe(CallReturn{true, pos});
        return;
    }
    RicercaABR(ABR, x, x < node.Inf ? node.Sx : node.Dx, pos, lstRic, observe);
    observe(CallReturn{true, pos});
}

void RicercaABR(const Tabella &ABR, Integer x, int k, Integer &pos,
                std::vector<std::string> &lstRic);

namespace detail {
void addVerdict(std::vector<std::string> &lstRic, Integer pos);
const char *visitTitle(int index);
} // namespace detail

// Everything one press of "Ricerca" writes into the emptied lstRic for the
// typed text: nothing when it reads as 0, otherwise the path and the verdict.
// The observer sees every node examined.
template <class Observer>
std::vector<std::string> SearchLines(const Tabella &ABR, std::string_view typed,
                                     Observer &observe)
{
    std::vector<std::string> lines;
    const Integer x = textToInteger(typed);
    // 0 stands for "nothing typed", so a key 0 cannot be searched for.
    if (x == 0)
        return lines;
    Integer pos = 0;
    RicercaABR(ABR, x, 1, pos, lines, observe);
    detail::addVerdict(lines, pos);
    return lines;
}

std::vector<std::string> SearchLines(const Tabella &ABR, std::string_view typed);

// The three visits, each reporting the index of every node it lists to the
// observer, right after that node's line, and each call as it begins and
// returns (those on an empty subtree too).
template <class Observer>
void VisitaAnticipata(const Tabella &ABR, int k, std::vector<std::string> &lstV,
                      Observer &observe)
{
    observe(CallEnter{k});
    if (!isNode(k)) {
        observe(CallReturn{});
        return;
    }
    lstV.push_back(rightAligned(ABR[k].Inf, 4));
    observe(k);
    VisitaAnticipata(ABR, ABR[k].Sx, lstV, observe);
    VisitaAnticipata(ABR, ABR[k].Dx, lstV, observe);
    observe(CallReturn{});
}

template <class Observer>
void VisitaSimmetrica(const Tabella &ABR, int k, std::vector<std::string> &lstV,
                      Observer &observe)
{
    observe(CallEnter{k});
    if (!isNode(k)) {
        observe(CallReturn{});
        return;
    }
    VisitaSimmetrica(ABR, ABR[k].Sx, lstV, observe);
    lstV.push_back(rightAligned(ABR[k].Inf, 4));
    observe(k);
    VisitaSimmetrica(ABR, ABR[k].Dx, lstV, observe);
    observe(CallReturn{});
}

template <class Observer>
void VisitaPosticipata(const Tabella &ABR, int k, std::vector<std::string> &lstV,
                       Observer &observe)
{
    observe(CallEnter{k});
    if (!isNode(k)) {
        observe(CallReturn{});
        return;
    }
    VisitaPosticipata(ABR, ABR[k].Sx, lstV, observe);
    VisitaPosticipata(ABR, ABR[k].Dx, lstV, observe);
    lstV.push_back(rightAligned(ABR[k].Inf, 4));
    observe(k);
    observe(CallReturn{});
}

void VisitaAnticipata(const Tabella &ABR, int k, std::vector<std::string> &lstV);
void VisitaSimmetrica(const Tabella &ABR, int k, std::vector<std::string> &lstV);
void VisitaPosticipata(const Tabella &ABR, int k, std::vector<std::string> &lstV);

// Everything a visit button with this index writes into the emptied lstV: the
// title line, four dashes and the 31 keys; nothing for an unknown index. The
// observer sees every node listed.
template <class Observer>
std::vector<std::string> VisitLines(const Tabella &ABR, int index, Observer &observe)
{
    std::vector<std::string> lines;
    const char *title = detail::visitTitle(index);
    if (!title)
        return lines;
    lines.reserve(N + 2);
    lines.emplace_back(title);
    lines.emplace_back(4, '-');
    if (index == 0)
        VisitaAnticipata(ABR, 1, lines, observe);
    else if (index == 1)
        VisitaSimmetrica(ABR, 1, lines, observe);
    else
        VisitaPosticipata(ABR, 1, lines, observe);
    return lines;
}

std::vector<std::string> VisitLines(const Tabella &ABR, int index);

// A search or a visit as the step view replays it: the lines that lstRic or
// lstV would show, and the nodes that the routine reported. A search's steps
// are its nodes, one line each, then the verdict (its last three lines); a
// visit shows its two title lines before the first step, then one step per
// node.
struct TreeSteps
{
    enum class What { Nothing, Search, Visit } what = What::Nothing;
    int visit = -1;  // 0, 1, 2: pre-, in-, post-order
    bool anyTree = false; // played by CercaABR and VisitaAlbero, not by the window's routines
    Integer x = 0;   // the key searched
    std::vector<std::string> lines;
    std::vector<SearchStep> path; // a search
    std::vector<int> nodes;       // a visit
    CallTrace calls;              // the routine's calls, by step

    int count() const;
    // How many lines stand in the list once steps 0..step are done (-1: none).
    std::size_t linesAfter(int step) const;
    // The node that the step lights, 0 for the verdict.
    int nodeAt(int step) const;
    // The node where x was found, or 0.
    int found() const;
};

TreeSteps RecordSearch(const Tabella &ABR, std::string_view typed);
TreeSteps RecordVisit(const Tabella &ABR, int index);

// What a step did, in Italian: before the first step (-1), after each one.
std::string StepSentence(const Albero &ABR, const TreeSteps &steps, int step);

// The balanced tree of the given keys (at most N, ascending), built by
// CostruisciABR like the window's own; the entries past the last node stay empty.
Tabella TreeOfKeys(const std::vector<Integer> &keys);

// A search or a visit as an exercise: the student picks every node that the
// search examines, then "Non c'\u00e8" where it would step off the tree when x
// is not there (a found x ends with its node); or every node of the visit in
// its order.
std::vector<exercise::Expected> ExerciseSteps(const Albero &ABR, const TreeSteps &steps);
// The exercise's name in its result line: "Ricerca nell'ABR", "Visita anticipata"...
std::string ExerciseName(const TreeSteps &steps);

// Where a drawing of the tree puts node k: its row (the root's is 0, each
// child one below its parent) and its column (its rank in the in-order walk,
// 0 for the leftmost node), so that every left subtree stands wholly left of
// its parent and every right subtree wholly right of it. Found by walking the
// links from the root; a node that the walk does not reach keeps row -1.
struct NodePlace
{
    int row = -1;
    int column = -1;
};
using Places = std::array<NodePlace, MostNodes + 1>;

Places PlaceNodes(const Albero &tree);

} // namespace quimbra::abr
