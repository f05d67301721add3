// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tree_ops.h"

#include <algorithm>
#include <cctype>
#include <functional>

namespace quimbra::abr {

Albero::Albero(const Tabella &ABR)
{
    for (int k = 1; k <= N; ++k)
        rows[std::size_t(k)] = ABR[std::size_t(k)];
    // The nodes are those that the links reach from node 1, which a table
    // never written has none of; a link that loops is not followed twice.
    const auto blank = [](const NodoABR &n) { return n.Inf == 0 && n.Sx == 0 && n.Dx == 0 && n.Liv == 0; };
    if (std::all_of(ABR.begin() + 1, ABR.end(), blank))
        return;
    const std::function<void(int)> reach = [&](int k) {
        if (!isNode(k) || present.test(std::size_t(k)))
            return;
        present.set(std::size_t(k));
        reach(ABR[std::size_t(k)].Sx);
        reach(ABR[std::size_t(k)].Dx);
    };
    reach(1);
    root = 1;
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
    return root == other.root && present == other.present && std::equal(rows.begin(), rows.end(), other.rows.begin(), other.rows.end(), same);
}

int leastHeight(int n)
{
    int levels = 0;
    while ((1 << levels) - 1 < n)
        ++levels;
    return levels;
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
    tree.present.reset(std::size_t(k));
    return child;
}

} // namespace detail

TreeSteps RecordSearch(const Albero &tree, std::string_view typed)
{
    TreeSteps steps;
    steps.what = TreeSteps::What::Search;
    steps.anyTree = true;
    steps.x = textToInteger(typed);
    // 0 stands for "nothing typed", as in the window.
    if (steps.x == 0)
        return steps;
    Observers record{[&steps](const SearchStep &s) { steps.path.push_back(s); },
                     [&steps](const CallEnter &c) { steps.calls.enter(c, long(steps.path.size())); },
                     [&steps](const CallReturn &c) { steps.calls.leave(c, long(steps.path.size())); }};
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
    steps.anyTree = true;
    steps.visit = index;
    steps.lines = {title, std::string(4, '-')};
    Observers record{[&steps](int k) { steps.nodes.push_back(k); },
                     [&steps](const CallEnter &c) { steps.calls.enter(c, long(steps.nodes.size())); },
                     [&steps](const CallReturn &c) { steps.calls.leave(c, long(steps.nodes.size())); }};
    VisitaAlbero(tree, index, tree.root, steps.lines, record);
    steps.calls.finish(steps.count());
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

int NodeRowOf(const Albero &tree, int k)
{
    if (!tree.used(k))
        return -1;
    int line = 2; // the header and the dashes
    for (int j = 1; j < k; ++j)
        line += tree.used(j) ? 1 : 0;
    return line;
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

const Albero &TreeRun::treeAt(int step) const
{
    if (step < 0 || after.empty())
        return before;
    return after[std::size_t(std::min(step, count() - 1))];
}

int TreeRun::nodeAt(int step) const
{
    if (step < 0 || step >= count())
        return 0;
    const TreeOp &op = ops[std::size_t(step)];
    // A node taken out leaves the one that took its place.
    const int k = op.kind == TreeOp::Remove ? op.other : op.kind == TreeOp::NotThere ? 0 : op.k;
    return treeAt(step).used(k) ? k : 0;
}

std::vector<int> TreeRun::litAt(int step) const
{
    std::vector<int> lit;
    const Albero &tree = treeAt(step);
    for (int i = 0; i <= std::min(step, count() - 1); ++i) {
        const int k = ops[std::size_t(i)].k;
        if (ops[std::size_t(i)].kind != TreeOp::Remove && tree.used(k) &&
            std::find(lit.begin(), lit.end(), k) == lit.end())
            lit.push_back(k);
    }
    if (const int k = nodeAt(step); k && std::find(lit.begin(), lit.end(), k) == lit.end())
        lit.push_back(k);
    return lit;
}

namespace {

TreeRun recorded(TreeRun::What what, const Albero &tree, Integer key)
{
    TreeRun run;
    run.what = what;
    run.key = key;
    run.before = tree;
    return run;
}

// Insertion or deletion, each step kept with the tree as it then stands.
template <class Operation>
TreeRun recordOperation(TreeRun::What what, const Albero &tree, Integer key, Operation operate)
{
    TreeRun run = recorded(what, tree, key);
    Albero working = tree;
    Observers record{[&](const TreeOp &op) {
                         run.ops.push_back(op);
                         run.after.push_back(working);
                     },
                     IgnoreCalls{}};
    operate(working, key, record);
    return run;
}

} // namespace

TreeRun RecordInsert(const Albero &tree, Integer key)
{
    return recordOperation(TreeRun::What::Insert, tree, key,
                           [](Albero &t, Integer k, auto &observe) { Inserisci(t, k, observe); });
}

TreeRun RecordDelete(const Albero &tree, Integer key)
{
    return recordOperation(TreeRun::What::Delete, tree, key,
                           [](Albero &t, Integer k, auto &observe) { Elimina(t, k, observe); });
}

TreeRun RecordBuild(const Albero &tree)
{
    TreeRun run = recorded(TreeRun::What::Build, tree, 0);
    const std::vector<Integer> keys = tree.keys();
    Observers record{[&](const TreeOp &op) { run.ops.push_back(op); },
                     [&](const CallEnter &c) { run.calls.enter(c, run.count()); },
                     [&](const CallReturn &c) { run.calls.leave(c, run.count()); }};
    const Albero built = Costruisci(keys, record);
    run.calls.finish(run.count());
    // The tree as built so far after each step: the nodes placed up to it,
    // each linked from its parent as it was placed.
    run.after.resize(run.ops.size());
    Albero partial;
    for (std::size_t i = 0; i < run.ops.size(); ++i) {
        const int k = run.ops[i].k, parent = run.ops[i].other;
        partial.rows[std::size_t(k)] = NodoABR{run.ops[i].at, 0, 0, Integer(parent), built[k].Liv};
        partial.present.set(std::size_t(k));
        if (parent == 0)
            partial.root = k;
        else if (run.ops[i].left)
            partial.rows[std::size_t(parent)].Sx = Integer(k);
        else
            partial.rows[std::size_t(parent)].Dx = Integer(k);
        run.after[i] = partial;
    }
    return run;
}

Albero InsertedInOrder(std::span<const Integer> keys)
{
    Albero tree;
    NoSteps quiet;
    for (const Integer key : keys)
        Inserisci(tree, key, quiet);
    return tree;
}

std::string RunSentence(const TreeRun &run, int step)
{
    const std::string x = plain(run.key);
    const int n = run.before.count();
    if (step < 0) {
        switch (run.what) {
        case TreeRun::What::Insert: return "Si inserisce " + x + ": si scende dalla radice fino a un posto libero";
        case TreeRun::What::Delete: return "Si elimina " + x + ": prima lo si cerca dalla radice";
        case TreeRun::What::Build:
            if (n == 0)
                return "L'albero \u00e8 vuoto: non c'\u00e8 niente da costruire";
            return "CostruisciABR sulle " + plain(n) + " chiavi ordinate: ogni chiamata prende la chiave di mezzo";
        }
    }
    if (run.count() == 0)
        return RunSentence(run, -1);
    std::string said = OpSentence(run.ops[std::size_t(std::min(step, run.count() - 1))], run.key);
    if (!said.empty())
        said[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(said[0])));
    if (run.what == TreeRun::What::Build && step >= run.count() - 1)
        said += ": albero costruito";
    return said;
}

OpExercise MakeOpExercise(int code, bool insert)
{
    const exercise::Data data = exercise::MakeData(exercise::Kind::Tree, code);
    // A stream of its own, so that the search exercises of a code stay as they were.
    exercise::CodeRandom rnd(code, insert ? 11 : 12);
    std::vector<Integer> order = data.values;
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        std::swap(order[i], order[i + std::size_t(rnd.below(int(order.size() - i)))]);
    OpExercise out{InsertedInOrder(order), 0};
    if (!insert) {
        out.key = data.values[std::size_t(rnd.below(int(data.values.size())))];
        return out;
    }
    std::vector<Integer> absent;
    for (int v = exercise::LowestValue; v <= exercise::HighestValue; ++v)
        if (std::find(data.values.begin(), data.values.end(), Integer(v)) == data.values.end())
            absent.push_back(Integer(v));
    out.key = absent[std::size_t(rnd.below(int(absent.size())))];
    return out;
}

std::vector<exercise::Expected> ExerciseSteps(const TreeRun &run)
{
    std::vector<exercise::Expected> out;
    const std::string x = plain(run.key);
    bool successorAsked = false;
    for (std::size_t i = 0; i < run.ops.size(); ++i) {
        const TreeOp &op = run.ops[i];
        const std::string why = OpSentence(op, run.key);
        switch (op.kind) {
        case TreeOp::Compare:
            out.push_back({{op.k}, false,
                           i == 0 ? "si parte dalla radice, il nodo " + plain(op.k) + " (" + plain(op.at) + ")"
                                  : OpSentence(run.ops[i - 1], run.key) + ": il nodo " + plain(op.k) + " (" +
                                        plain(op.at) + ")"});
            break;
        case TreeOp::Attach:
            out.push_back({{SlotOf(op.other, op.left)}, false, why});
            break;
        case TreeOp::Successor: {
            if (successorAsked) {
                out.push_back({});
                break;
            }
            successorAsked = true;
            // The successor is the last node of the walk.
            std::size_t last = i;
            while (last + 1 < run.ops.size() && run.ops[last + 1].kind == TreeOp::Successor)
                ++last;
            const TreeOp &s = run.ops[last];
            out.push_back({{s.k}, false,
                           "il successore \u00e8 la chiave minima del sottoalbero destro: " + plain(s.at) +
                               " (nodo " + plain(s.k) + ")"});
            break;
        }
        case TreeOp::NotThere:
            out.push_back({{exercise::NotThere}, false, why});
            break;
        default:
            out.push_back({});
        }
    }
    return out;
}

std::string ExerciseName(const TreeRun &run)
{
    return run.what == TreeRun::What::Delete ? "Eliminazione dall'ABR" : "Inserimento nell'ABR";
}

} // namespace quimbra::abr
