// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tree_questions.h"

#include <string>

namespace quimbra::abr {

using questions::Click;
using questions::Question;

namespace {

std::string key(Integer k) { return std::to_string(k); }

const std::vector<std::string> &ways()
{
    static const std::vector<std::string> choices{"A sinistra", "A destra", "L'ha trovata qui"};
    return choices;
}

long wayOf(std::strong_ordering order) { return order < 0 ? 0 : order > 0 ? 1 : 2; }

std::string wayWhy(const std::string &x, const std::string &at, std::strong_ordering order)
{
    if (order == 0)
        return x + " è proprio la chiave " + at;
    return x + (order < 0 ? " < " : " > ") + at + ": si va a " + (order < 0 ? "sinistra" : "destra");
}

void searchWay(const Albero &tree, const TreeSteps &s, std::vector<Question> &out)
{
    if (s.what != TreeSteps::What::Search)
        return;
    const std::string x = key(s.x);
    for (std::size_t k = 0; k < s.path.size(); ++k) {
        const std::string at = key(tree[s.path[k].k].Inf);
        out.push_back({"direzione", long(k), "La ricerca di " + x + " arriva alla chiave " + at + ": che cosa farà?",
                       ways(), wayOf(s.path[k].order), 0, Click::None, wayWhy(x, at, s.path[k].order)});
    }
}

void searchLength(const Albero &, const TreeSteps &s, std::vector<Question> &out)
{
    if (s.what != TreeSteps::What::Search || s.path.empty())
        return;
    out.push_back({"nodi guardati", 0,
                   "Quante chiavi guarderà la ricerca di " + key(s.x) + " prima di fermarsi? Scrivi il numero", {},
                   long(s.path.size()), 0, Click::None,
                   "Ne guarda " + std::to_string(s.path.size()) + ", una per livello lungo il cammino dalla radice"});
}

void visitNext(const Albero &tree, const TreeSteps &s, std::vector<Question> &out)
{
    if (s.what != TreeSteps::What::Visit)
        return;
    static const char *const names[] = {"visita anticipata", "visita simmetrica", "visita posticipata"};
    const std::string name = names[std::clamp(s.visit, 0, 2)];
    for (std::size_t k = 0; k < s.nodes.size(); ++k) {
        const Integer next = tree[s.nodes[k]].Inf;
        out.push_back({"prossima chiave", long(k),
                       "Quale chiave incontrerà ora la " + name + "? Clicca il nodo o scrivi la chiave", {}, next, 0,
                       Click::Value, "La " + name + " incontra ora " + key(next)});
    }
}

struct StepsKind
{
    void (*make)(const Albero &, const TreeSteps &, std::vector<Question> &);
};
constexpr StepsKind stepsKinds[] = {{searchWay}, {searchLength}, {visitNext}};

void operationWay(const TreeRun &run, std::vector<Question> &out)
{
    const std::string x = key(run.key);
    for (int i = 0; i < run.count(); ++i) {
        const TreeOp &op = run.ops[std::size_t(i)];
        if (op.kind != TreeOp::Compare)
            continue;
        out.push_back({"direzione", i, x + " arriva alla chiave " + key(op.at) + ": che cosa farà?", ways(),
                       wayOf(op.order), 0, Click::None, wayWhy(x, key(op.at), op.order)});
    }
}

void hangsUnder(const TreeRun &run, std::vector<Question> &out)
{
    if (run.what != TreeRun::What::Insert)
        return;
    for (const TreeOp &op : run.ops)
        if (op.kind == TreeOp::Attach && op.other != 0)
            out.push_back({"sotto chi", 0,
                           "Sotto quale chiave verrà appeso " + key(run.key) + "? Clicca il nodo o scrivi la chiave",
                           {}, op.from, 0, Click::Value,
                           key(run.key) + " diventa il figlio " + (op.left ? "sinistro" : "destro") + " di " +
                               key(op.from)});
}

void comparisons(const TreeRun &run, std::vector<Question> &out)
{
    if (run.what == TreeRun::What::Build)
        return;
    long compared = 0;
    for (const TreeOp &op : run.ops)
        compared += op.kind == TreeOp::Compare;
    if (compared == 0)
        return;
    out.push_back({"confronti", 0,
                   "Con quante chiavi verrà confrontato " + key(run.key) + "? Scrivi il numero", {}, compared, 0,
                   Click::None, "Con " + std::to_string(compared) + ": una per livello, dalla radice in giù"});
}

void successor(const TreeRun &run, std::vector<Question> &out)
{
    for (int i = 0; i < run.count(); ++i) {
        if (run.ops[std::size_t(i)].kind != TreeOp::TwoChildren)
            continue;
        for (int j = i + 1; j < run.count(); ++j)
            if (run.ops[std::size_t(j)].kind == TreeOp::Copy) {
                const TreeOp &copy = run.ops[std::size_t(j)];
                out.push_back({"successore", i + 1,
                               "La chiave " + key(run.key) + " ha due figli: quale chiave prenderà il suo posto? "
                               "Clicca il nodo o scrivi la chiave",
                               {}, copy.from, 0, Click::Value,
                               "La prende " + key(copy.from) +
                                   ", il successore: la chiave più piccola a destra di " + key(run.key)});
                break;
            }
    }
}

struct RunKind
{
    void (*make)(const TreeRun &, std::vector<Question> &);
};
constexpr RunKind runKinds[] = {{operationWay}, {hangsUnder}, {comparisons}, {successor}};

} // namespace

std::vector<Question> TreeQuestions(const Albero &tree, const TreeSteps &steps, std::string_view routine)
{
    std::vector<Question> out;
    for (const StepsKind &kind : stepsKinds)
        kind.make(tree, steps, out);
    std::vector<Question> calls = questions::CallQuestions(steps.calls, routine, steps.count());
    out.insert(out.end(), calls.begin(), calls.end());
    return out;
}

std::vector<Question> OperationQuestions(const TreeRun &run)
{
    std::vector<Question> out;
    for (const RunKind &kind : runKinds)
        kind.make(run, out);
    std::vector<Question> calls = questions::CallQuestions(run.calls, "CostruisciABR", run.count());
    out.insert(out.end(), calls.begin(), calls.end());
    return out;
}

} // namespace quimbra::abr
