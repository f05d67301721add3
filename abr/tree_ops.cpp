// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tree_ops.h"

#include <algorithm>
#include <functional>

namespace quimbra::abr {

int Albero::count() const
{
    return static_cast<int>(std::count_if(rows.begin() + 1, rows.end(), [](const NodoABR &n) { return n.Inf != 0; }));
}

int Albero::height() const
{
    int levels = 0;
    for (int k = 1; k <= MostNodes; ++k)
        if (used(k))
            levels = std::max(levels, int(rows[std::size_t(k)].Liv) + 1);
    return levels;
}

std::vector<Integer> Albero::keys() const
{
    std::vector<Integer> in;
    const std::function<void(int)> walk = [&](int k) {
        if (!used(k))
            return;
        walk(rows[std::size_t(k)].Sx);
        in.push_back(rows[std::size_t(k)].Inf);
        walk(rows[std::size_t(k)].Dx);
    };
    walk(root);
    return in;
}

bool Albero::operator==(const Albero &other) const
{
    const auto same = [](const NodoABR &a, const NodoABR &b) {
        return a.Inf == b.Inf && a.Sx == b.Sx && a.Dx == b.Dx && a.Pd == b.Pd && a.Liv == b.Liv;
    };
    return root == other.root && std::equal(rows.begin(), rows.end(), other.rows.begin(), other.rows.end(), same);
}

int leastHeight(int n)
{
    int levels = 0;
    while ((1 << levels) - 1 < n)
        ++levels;
    return levels;
}

Albero fromTable(const Tabella &ABR)
{
    Albero tree;
    for (int k = 1; k <= N; ++k)
        tree.rows[std::size_t(k)] = ABR[std::size_t(k)];
    tree.root = ABR[1].Inf != 0 ? 1 : 0;
    return tree;
}

namespace detail {

int freeRow(const Albero &tree)
{
    for (int k = 1; k <= MostNodes; ++k)
        if (!tree.used(k))
            return k;
    return 0;
}

int unlink(Albero &tree, int k)
{
    NodoABR &node = tree.rows[std::size_t(k)];
    const int child = node.Sx != 0 ? node.Sx : node.Dx;
    const int parent = node.Pd;
    if (parent == 0)
        tree.root = child;
    else if (tree[parent].Sx == k)
        tree.rows[std::size_t(parent)].Sx = Integer(child);
    else
        tree.rows[std::size_t(parent)].Dx = Integer(child);
    if (child != 0) {
        tree.rows[std::size_t(child)].Pd = Integer(parent);
        // The child's subtree moves one level up.
        const std::function<void(int)> raise = [&](int c) {
            if (c == 0)
                return;
            --tree.rows[std::size_t(c)].Liv;
            raise(tree[c].Sx);
            raise(tree[c].Dx);
        };
        raise(child);
    }
    node = NodoABR{};
    return child;
}

} // namespace detail

TreeSteps RecordSearch(const Albero &tree, std::string_view typed)
{
    TreeSteps steps;
    steps.what = TreeSteps::What::Search;
    steps.x = textToInteger(typed);
    // 0 stands for "nothing typed", as in the window.
    if (steps.x == 0)
        return steps;
    auto record = [&steps](const SearchStep &s) { steps.path.push_back(s); };
    Integer pos = 0;
    CercaABR(tree, steps.x, tree.root, pos, steps.lines, record);
    detail::addVerdict(steps.lines, pos);
    return steps;
}

TreeSteps RecordVisit(const Albero &tree, int index)
{
    TreeSteps steps;
    const char *title = detail::visitTitle(index);
    if (!title)
        return steps;
    steps.what = TreeSteps::What::Visit;
    steps.visit = index;
    steps.lines = {title, std::string(4, '-')};
    auto record = [&steps](int k) { steps.nodes.push_back(k); };
    VisitaAlbero(tree, index, tree.root, steps.lines, record);
    return steps;
}

std::vector<std::string> NodeRows(const Albero &tree)
{
    // The window's widths, wider where a key needs it.
    int keyWidth = 3;
    for (const NodoABR &n : tree.rows)
        keyWidth = std::max(keyWidth, int(plain(n.Inf).size()));
    std::vector<std::string> lines;
    lines.emplace_back(" n   Inf   Sx   Dx   Pd   l");
    lines.emplace_back(28, '-');
    for (int k = 1; k <= MostNodes; ++k) {
        if (!tree.used(k))
            continue;
        const NodoABR &node = tree[k];
        lines.push_back(rightAligned(k, 2) + " - " + rightAligned(node.Inf, keyWidth) + " - " +
                        rightAligned(node.Sx, 2) + " - " + rightAligned(node.Dx, 2) + " - " +
                        rightAligned(node.Pd, 2) + " - " + plain(node.Liv));
    }
    return lines;
}

std::string OpSentence(const TreeOp &op, Integer key)
{
    const std::string x = plain(key), at = plain(op.at), from = plain(op.from), k = plain(op.k);
    switch (op.kind) {
    case TreeOp::Compare:
        if (op.order < 0)
            return x + " < " + at + ": a sinistra";
        if (op.order > 0)
            return x + " > " + at + ": a destra";
        return x + " = " + at + ": trovato nel nodo " + k;
    case TreeOp::Attach:
        if (op.other == 0)
            return "l'albero è vuoto: " + x + " diventa la radice (nodo " + k + ")";
        return "il posto è libero: " + x + " diventa il figlio " + (op.left ? "sinistro" : "destro") + " di " +
               from + " (nodo " + k + ")";
    case TreeOp::Exists:
        return x + " c'è già (nodo " + k + "): non si inserisce";
    case TreeOp::Full:
        return "l'albero ha già " + std::to_string(MostNodes) + " nodi: " + x + " non si inserisce";
    case TreeOp::NotThere:
        return x + " non c'è";
    case TreeOp::Leaf:
        return at + " è una foglia: si toglie";
    case TreeOp::OneChild:
        return at + " ha un solo figlio: " + from + " prende il suo posto";
    case TreeOp::TwoChildren:
        return at + " ha due figli: al suo posto va il successore, la chiave minima del sottoalbero destro";
    case TreeOp::Successor:
        return "verso il successore: " + at;
    case TreeOp::Copy:
        return "il successore " + from + " è copiato nel nodo " + k + " al posto di " + at;
    case TreeOp::Remove:
        if (op.other == 0)
            return "il nodo " + k + " (" + at + ") è tolto";
        return "il nodo " + k + " (" + at + ") è tolto: " + from + " prende il suo posto";
    case TreeOp::Place:
        return "CostruisciABR(" + plain(op.low) + ", " + plain(op.high) + "): la chiave di mezzo, la " +
               plain(op.middle) + "ª, è " + at + " e diventa il nodo " + k;
    }
    return {};
}

std::string HeightSentence(const Albero &tree)
{
    const int n = tree.count();
    if (n == 0)
        return "albero vuoto";
    if (n == 1)
        return "altezza 1, 1 nodo";
    const std::string said = "altezza " + std::to_string(tree.height()) + ", " + std::to_string(n) + " nodi";
    if (tree.height() == leastHeight(n))
        return said + ": la minima possibile";
    return said + ": ne basterebbero " + std::to_string(leastHeight(n));
}

} // namespace quimbra::abr
