// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "abr.h"

#include <algorithm>
#include <compare>
#include <span>
#include <string>
#include <vector>

// Trees that grow and shrink: insertion, deletion and the balanced build on a
// tree of up to 63 nodes, each operation reporting its steps to an observer
// as the sorts do. Qt-free.
namespace quimbra::abr {

// The fewest levels that n nodes need: ceil(log2(n + 1)).
int leastHeight(int n);

// The window's tree of 31 nodes as an Albero, row for row.
inline Albero fromTable(const Tabella &ABR)
{
    return Albero(ABR);
}

// One step of an operation, as an observer is told it.
struct TreeOp
{
    enum Kind {
        Compare,     // key compared with node k's key (order), going down
        Attach,      // the new node k hangs from `other` (0: it is the root); left: on its left
        Exists,      // the key is node k's: nothing inserted
        Full,        // 63 nodes already: nothing inserted
        NotThere,    // the key is not in the tree: nothing deleted (k: the last node looked at)
        Leaf,        // node k, to delete, is a leaf
        OneChild,    // node k, to delete, has the one child `other`
        TwoChildren, // node k, to delete, has two children
        Successor,   // node k is on the way to the successor (the least key on the right)
        Copy,        // the successor `other`'s key copied into node k
        Remove,      // node k taken out; `other` takes its place (0: nobody)
        Place,       // the build: keys low..high, the middle one becomes node k under `other`
    };
    Kind kind;
    int k = 0;
    int other = 0;
    std::strong_ordering order = std::strong_ordering::equal;
    bool left = false;
    int low = 0, middle = 0, high = 0;
    Integer at = 0;   // node k's key when the step was made
    Integer from = 0; // other's key then
};

namespace detail {
int freeRow(const Albero &tree);
// Takes node k, which has at most one child, out of the tree: the child (or
// nobody) takes its place, its subtree one level up. Returns the child.
int unlink(Albero &tree, int k);
} // namespace detail

// Inserts key (1 or more) as a new leaf, reporting each node compared on the
// way down and then where it hangs; a key already there, or a full tree,
// inserts nothing. Returns the node that holds key, or 0 when full. The
// observer is told each step once it is made.
template <class Observer>
int Inserisci(Albero &tree, Integer key, Observer &observe)
{
    int parent = 0, k = tree.root;
    bool left = false;
    while (k != 0) {
        const NodoABR &node = tree[k];
        const std::strong_ordering order = key <=> node.Inf;
        observe(TreeOp{TreeOp::Compare, k, 0, order, false, 0, 0, 0, node.Inf});
        if (order == 0) {
            observe(TreeOp{TreeOp::Exists, k, 0, order, false, 0, 0, 0, node.Inf});
            return k;
        }
        parent = k;
        left = order < 0;
        k = left ? node.Sx : node.Dx;
    }
    if (tree.count() >= MostNodes) {
        observe(TreeOp{TreeOp::Full, parent, 0, std::strong_ordering::equal, false, 0, 0, 0, key});
        return 0;
    }
    const int row = detail::freeRow(tree);
    tree.present.set(std::size_t(row));
    NodoABR &node = tree.rows[std::size_t(row)];
    node = NodoABR{key, 0, 0, Integer(parent), parent == 0 ? Integer(0) : Integer(tree[parent].Liv + 1)};
    if (parent == 0)
        tree.root = row;
    else if (left)
        tree.rows[std::size_t(parent)].Sx = Integer(row);
    else
        tree.rows[std::size_t(parent)].Dx = Integer(row);
    observe(TreeOp{TreeOp::Attach, row, parent, std::strong_ordering::equal, left, 0, 0, 0, key,
                   parent == 0 ? Integer(0) : tree[parent].Inf});
    return row;
}

// Deletes key: found step by step; a leaf is removed, a node with one child
// gives its place to that child, a node with two children takes the key of
// its in-order successor (the least key of its right subtree, found step by
// step), whose node is then removed. Returns whether key was there.
template <class Observer>
bool Elimina(Albero &tree, Integer key, Observer &observe)
{
    int k = tree.root, last = 0;
    while (k != 0) {
        const std::strong_ordering order = key <=> tree[k].Inf;
        observe(TreeOp{TreeOp::Compare, k, 0, order, false, 0, 0, 0, tree[k].Inf});
        if (order == 0)
            break;
        last = k;
        k = order < 0 ? tree[k].Sx : tree[k].Dx;
    }
    if (k == 0) {
        observe(TreeOp{TreeOp::NotThere, last, 0, std::strong_ordering::equal, false, 0, 0, 0, key});
        return false;
    }
    const auto step = [&](TreeOp::Kind kind, int at, int other) {
        observe(TreeOp{kind, at, other, std::strong_ordering::equal, false, 0, 0, 0, tree[at].Inf,
                       other == 0 ? Integer(0) : tree[other].Inf});
    };
    const NodoABR &node = tree[k];
    if (node.Sx != 0 && node.Dx != 0) {
        step(TreeOp::TwoChildren, k, 0);
        int s = node.Dx;
        step(TreeOp::Successor, s, 0);
        while (tree[s].Sx != 0) {
            s = tree[s].Sx;
            step(TreeOp::Successor, s, 0);
        }
        const Integer was = tree[k].Inf;
        tree.rows[std::size_t(k)].Inf = tree[s].Inf;
        observe(TreeOp{TreeOp::Copy, k, s, std::strong_ordering::equal, false, 0, 0, 0, was, tree[s].Inf});
        const TreeOp removed{TreeOp::Remove, s, tree[s].Dx, std::strong_ordering::equal, false, 0, 0, 0,
                             tree[s].Inf, tree[s].Dx == 0 ? Integer(0) : tree[tree[s].Dx].Inf};
        detail::unlink(tree, s);
        observe(removed);
        return true;
    }
    if (node.Sx == 0 && node.Dx == 0)
        step(TreeOp::Leaf, k, 0);
    else
        step(TreeOp::OneChild, k, node.Sx != 0 ? node.Sx : node.Dx);
    const int child = node.Sx != 0 ? node.Sx : node.Dx;
    const TreeOp removed{TreeOp::Remove, k, child, std::strong_ordering::equal, false, 0, 0, 0, tree[k].Inf,
                         child == 0 ? Integer(0) : tree[child].Inf};
    detail::unlink(tree, k);
    observe(removed);
    return true;
}

namespace detail {
// The bisection of CostruisciABR on keys(low..high) (1-based), node k under
// parent at level: the middle key becomes node k, the halves its children
// 2k and 2k + 1; an empty half gives no child.
// Each node is linked from its parent as it is placed, so that the tree is
// whole at every step.
template <class Observer>
void place(Albero &tree, std::span<const Integer> keys, int low, int high, int k, int parent, int level,
           Observer &observe)
{
    observe(CallEnter{low, high});
    if (low > high || k > MostNodes) {
        observe(CallReturn{});
        return;
    }
    const int m = (low + high) / 2;
    tree.rows[std::size_t(k)] = NodoABR{keys[std::size_t(m - 1)], 0, 0, Integer(parent), Integer(level)};
    tree.present.set(std::size_t(k));
    if (parent == 0)
        tree.root = k;
    else if (k == 2 * parent)
        tree.rows[std::size_t(parent)].Sx = Integer(k);
    else
        tree.rows[std::size_t(parent)].Dx = Integer(k);
    observe(TreeOp{TreeOp::Place, k, parent, std::strong_ordering::equal, k == 2 * parent, low, m, high,
                   keys[std::size_t(m - 1)], parent == 0 ? Integer(0) : tree[parent].Inf});
    place(tree, keys, low, m - 1, 2 * k, k, level + 1, observe);
    place(tree, keys, m + 1, high, 2 * k + 1, k, level + 1, observe);
    observe(CallReturn{});
}
} // namespace detail

// The balanced tree of the keys (ascending, distinct, at most 63), built as
// the window's CostruisciABR builds its own: one step per node placed, with
// the range of keys that the call works on. On the window's 31 keys the
// table is the window's.
template <class Observer>
Albero Costruisci(std::span<const Integer> keys, Observer &observe)
{
    Albero tree;
    const int n = static_cast<int>(std::min<std::size_t>(keys.size(), MostNodes));
    detail::place(tree, keys, 1, n, 1, 0, 0, observe);
    return tree;
}

// RicercaABR on any tree: the key of every node examined from k down, as the
// window lists them, each node reported after its line. It stops at the key
// or at an empty link on the side it goes to: the window's routine stops at
// any node without a left child, which only its perfect tree allows. leaf
// says that the search ends at that node (on the window's tree, as there).
template <class Observer>
void CercaABR(const Albero &tree, Integer x, int k, Integer &pos, std::vector<std::string> &lines,
              Observer &observe)
{
    observe(CallEnter{k});
    if (!tree.used(k)) {
        pos = 0;
        observe(CallReturn{true, pos});
        return;
    }
    const NodoABR &node = tree[k];
    lines.push_back(plain(node.Inf));
    const std::strong_ordering order = x <=> node.Inf;
    const int next = order < 0 ? node.Sx : node.Dx;
    observe(SearchStep{k, order, order == 0 ? node.Sx == 0 && node.Dx == 0 : next == 0});
    if (order == 0) {
        pos = static_cast<Integer>(k);
        observe(CallReturn{true, pos});
        return;
    }
    CercaABR(tree, x, next, pos, lines, observe);
    observe(CallReturn{true, pos});
}

// The three visits on any tree (0, 1, 2: pre-, in-, post-order), each node
// reported after its line.
template <class Observer>
void VisitaAlbero(const Albero &tree, int order, int k, std::vector<std::string> &lines, Observer &observe)
{
    observe(CallEnter{k});
    if (!tree.used(k)) {
        observe(CallReturn{});
        return;
    }
    const auto list = [&] {
        lines.push_back(rightAligned(tree[k].Inf, 4));
        observe(k);
    };
    if (order == 0)
        list();
    VisitaAlbero(tree, order, tree[k].Sx, lines, observe);
    if (order == 1)
        list();
    VisitaAlbero(tree, order, tree[k].Dx, lines, observe);
    if (order == 2)
        list();
    observe(CallReturn{});
}

// A search or a visit of any tree recorded as the step view plays it, with
// the lines that the window's lists would show for it.
TreeSteps RecordSearch(const Albero &tree, std::string_view typed);
TreeSteps RecordVisit(const Albero &tree, int index);

// The node table as the tree window writes it, a row per node in row order:
// " k - Inf - Sx - Dx - Pd - l".
std::vector<std::string> NodeRows(const Albero &tree);
// The line of node k among those rows, -1 if it has none.
int NodeRowOf(const Albero &tree, int k);

// An insertion, a deletion or the balanced build recorded as the step view
// plays it: every step and the tree as it stands after it, so that going back
// shows each moment exactly.
struct TreeRun
{
    enum class What { Insert, Delete, Build } what = What::Insert;
    Integer key = 0; // the key inserted or deleted
    Albero before;
    std::vector<TreeOp> ops;
    std::vector<Albero> after; // after[i]: the tree once ops[i] is done
    CallTrace calls;           // the build's calls; insertion and deletion are loops

    int count() const { return static_cast<int>(ops.size()); }
    // The tree after steps 0..step (-1: before the first).
    const Albero &treeAt(int step) const;
    const Albero &result() const { return treeAt(count() - 1); }
    // The node that the step works on, 0 for none (or a node gone).
    int nodeAt(int step) const;
    // The nodes met so far that still stand after that step.
    std::vector<int> litAt(int step) const;
};

TreeRun RecordInsert(const Albero &tree, Integer key);
TreeRun RecordDelete(const Albero &tree, Integer key);
// The build of the balanced tree of the tree's own keys.
TreeRun RecordBuild(const Albero &tree);
// The keys inserted one by one, in this order, into an empty tree: the
// repeated ones and those past the 63rd are left out.
Albero InsertedInOrder(std::span<const Integer> keys);

// What the run says before its first step (-1) and after each step.
std::string RunSentence(const TreeRun &run, int step);

// A place where no node stands, that a node can take: the empty left or
// right link of `parent` (0 with left for the root of an empty tree). These
// are the elements an insertion exercise picks beside the nodes.
inline constexpr int FirstSlot = 100;
inline int SlotOf(int parent, bool left)
{
    return FirstSlot + 2 * parent + (left ? 0 : 1);
}

// The tree and the key of an insertion or deletion exercise of this code:
// the code's 15 keys inserted in an order that the code draws, and a key not
// among them to insert, or one of them to delete.
struct OpExercise
{
    Albero tree;
    Integer key = 0;
};
OpExercise MakeOpExercise(int code, bool insert);
// The steps to answer: the nodes of the search, then the empty place where
// the key goes (insertion) or, for a node with two children, its successor.
std::vector<exercise::Expected> ExerciseSteps(const TreeRun &run);
// "Inserimento nell'ABR", "Eliminazione dall'ABR".
std::string ExerciseName(const TreeRun &run);

// What a step did, in Italian ("35 < 50: a sinistra"), for the key operated on.
std::string OpSentence(const TreeOp &op, Integer key);

// "altezza 31, 31 nodi: ne basterebbero 5", or "…: la minima possibile".
std::string HeightSentence(const Albero &tree);

} // namespace quimbra::abr
