// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sort_questions.h"

#include "sort_catalog.h"
#include "sort_steps.h"

#include <string>

namespace quimbra {

using questions::Click;
using questions::Question;

namespace {

// One step of the run as the questions read it.
struct Seen
{
    SortStep last;
    long moves = 0;   // after the step
    int k = -1;       // Quick's k after the step: where the pivot went
    Integer atA = 0;  // V(last.a) after the step
    Integer atB = 0;  // V(last.b) after the step
    Integer atMovedA = 0;
    Integer intoW = 0; // the value written into W, when the step writes one
};

struct Track
{
    int algorithm = 0;
    int n = 0;
    std::vector<Seen> steps;
    bool whole = false; // the steps are the whole run
    long count = 0;
    long moves = 0;     // of the whole run
    long comparisons = 0;
};

std::string at(int p) { return "V(" + std::to_string(p) + ")"; }
std::string value(Integer v) { return std::to_string(v); }

// The first step after `from` of one of these kinds, or -1 (also when the
// run was cut before it).
template <class Test>
long nextWhere(const Track &t, long from, Test test)
{
    for (long s = from + 1; s < long(t.steps.size()); ++s)
        if (test(t.steps[std::size_t(s)]))
            return s;
    return -1;
}

void pivotEnd(const Track &t, std::vector<Question> &out)
{
    for (long s = 0; s < long(t.steps.size()); ++s) {
        const SortStep &l = t.steps[std::size_t(s)].last;
        if (l.kind != SortStep::Range || l.a >= l.b)
            continue;
        const long placed = nextWhere(t, s, [](const Seen &e) {
            return e.last.kind == SortStep::PivotPlaced || e.last.kind == SortStep::Range;
        });
        if (placed < 0 || t.steps[std::size_t(placed)].last.kind != SortStep::PivotPlaced)
            continue;
        const Integer pivot = t.steps[std::size_t(s)].atA;
        const int k = t.steps[std::size_t(placed)].k;
        out.push_back({"perno", s + 1,
                       "QuickSort(" + std::to_string(l.a) + ", " + std::to_string(l.b) + "): il pivot è " + value(pivot) +
                           ". In che posizione finirà? Clicca la sua barra o scrivi la posizione",
                       {}, k, 0, Click::Position,
                       "Il pivot " + value(pivot) + " finisce in " + at(k) + ": prima di lui i valori minori, dopo gli altri"});
    }
}

void passExchanges(const Track &t, std::vector<Question> &out)
{
    for (long s = 0; s < long(t.steps.size()); ++s) {
        const Seen &pass = t.steps[std::size_t(s)];
        if (pass.last.kind != SortStep::Pass)
            continue;
        long end = nextWhere(t, s, [](const Seen &e) { return e.last.kind == SortStep::Pass; });
        if (end < 0 && !t.whole)
            continue;
        const long movesAfter = end < 0 ? t.steps.back().moves : t.steps[std::size_t(end - 1)].moves;
        const long exchanges = movesAfter - pass.moves;
        out.push_back({"scambi", s + 1,
                       "Passata " + std::to_string(pass.last.a) + ": quanti scambi farà? Scrivi il numero", {},
                       exchanges, 0, Click::None,
                       "La passata " + std::to_string(pass.last.a) + " fa " + std::to_string(exchanges) +
                           (exchanges == 1 ? " scambio" : " scambi")});
    }
}

void placeOfV(const Track &t, std::vector<Question> &out)
{
    for (long s = 0; s < long(t.steps.size()); ++s) {
        const Seen &hold = t.steps[std::size_t(s)];
        if (hold.last.kind != SortStep::Hold)
            continue;
        const long place = nextWhere(t, s, [](const Seen &e) { return e.last.kind == SortStep::Place; });
        if (place < 0)
            continue;
        const int p = t.steps[std::size_t(place)].last.movedA;
        out.push_back({"posto di v", s + 1,
                       "v = " + value(hold.atA) + ", preso da " + at(hold.last.a) +
                           ": in che posizione verrà messo? Clicca la barra o scrivi la posizione",
                       {}, p, 0, Click::Position,
                       "v = " + value(hold.atA) + " va in " + at(p) + ", dopo i valori che non sono più grandi"});
    }
}

void nextMinimum(const Track &t, std::vector<Question> &out)
{
    for (long s = 0; s < long(t.steps.size()); ++s) {
        const Seen &pass = t.steps[std::size_t(s)];
        if (pass.last.kind != SortStep::Pass)
            continue;
        const int i = pass.last.a;
        const long end = nextWhere(t, s, [](const Seen &e) { return e.last.kind == SortStep::Pass; });
        if (end < 0 && !t.whole)
            continue;
        // The pass ends with the minimum in V(i): exchanged there, or there already.
        Integer minimum = pass.atA;
        const long stop = end < 0 ? long(t.steps.size()) : end;
        for (long u = s + 1; u < stop; ++u)
            if (t.steps[std::size_t(u)].last.kind == SortStep::Swap && t.steps[std::size_t(u)].last.movedA == i)
                minimum = t.steps[std::size_t(u)].atMovedA;
        out.push_back({"minimo", s + 1,
                       "i = " + std::to_string(i) + ": qual è il minimo da " + at(i) + " a " + at(t.n) +
                           "? Clicca la sua barra o scrivi il valore",
                       {}, minimum, 0, Click::Value,
                       "Il minimo da " + at(i) + " a " + at(t.n) + " è " + value(minimum) + ", e va in " + at(i)});
    }
}

void firstIntoW(const Track &t, std::vector<Question> &out)
{
    for (long s = 0; s < long(t.steps.size()); ++s) {
        const SortStep &l = t.steps[std::size_t(s)].last;
        if (l.kind != SortStep::MergeBegin)
            continue;
        const long first = nextWhere(t, s, [](const Seen &e) {
            return e.last.aux >= 0 && e.last.kind != SortStep::FromAux;
        });
        if (first < 0)
            continue;
        const Integer v = t.steps[std::size_t(first)].intoW;
        const int m = (l.a + l.b) / 2;
        out.push_back({"in W", s + 1,
                       "Fusione di V(" + std::to_string(l.a) + "…" + std::to_string(m) + ") e V(" + std::to_string(m + 1) +
                           "…" + std::to_string(l.b) + "): quale valore entrerà per primo in W? Clicca la sua barra "
                           "o scrivi il valore",
                       {}, v, 0, Click::Value,
                       "Entra per primo " + value(v) + ", il minore dei due primi valori delle due parti"});
    }
}

void siftExchanges(const Track &t, std::vector<Question> &out)
{
    for (long s = 0; s < long(t.steps.size()); ++s) {
        const SortStep &l = t.steps[std::size_t(s)].last;
        if (l.kind != SortStep::Sift)
            continue;
        const long end = nextWhere(t, s, [](const Seen &e) {
            return e.last.kind == SortStep::Sift || e.last.kind == SortStep::Swap;
        });
        if (end < 0 && !t.whole)
            continue;
        bool exchanges = false;
        for (long u = s + 1; u < (end < 0 ? long(t.steps.size()) : end); ++u)
            exchanges = exchanges || t.steps[std::size_t(u)].last.movedA >= 0;
        out.push_back({"setaccio", s + 1,
                       "Setaccia(" + std::to_string(l.a) + ", " + std::to_string(l.b) + "): scambierà qualcosa?",
                       {"Sì", "No"}, exchanges ? 0 : 1, 0, Click::None,
                       exchanges ? "Sì: " + at(l.a) + " è minore di un suo figlio e scende"
                                 : "No: " + at(l.a) + " non è minore dei suoi figli, il mucchio è già in ordine lì"});
    }
}

void movesInAll(const Track &t, std::vector<Question> &out)
{
    const std::string name = sortTitle(t.algorithm);
    out.push_back({"mosse", 0,
                   "Quante mosse farà " + name + " in tutto su questi " + std::to_string(t.n) +
                       " valori? Scrivi un numero: va bene entro il 10 %",
                   {}, t.moves, 10, Click::None,
                   name + " fa " + std::to_string(t.moves) + " mosse su questi valori"});
}

void comparisonsInAll(const Track &t, std::vector<Question> &out)
{
    const std::string name = sortTitle(t.algorithm);
    out.push_back({"confronti", 0,
                   "Quanti confronti farà " + name + " in tutto su questi " + std::to_string(t.n) +
                       " valori? Scrivi un numero: va bene entro il 10 %",
                   {}, t.comparisons, 10, Click::None,
                   name + " fa " + std::to_string(t.comparisons) + " confronti su questi valori"});
}

// Before a comparison of two positions of V: will its step move anything?
void compareMoves(const Track &t, std::vector<Question> &out)
{
    for (long s = 0; s < long(t.steps.size()); ++s) {
        const Seen &e = t.steps[std::size_t(s)];
        const SortStep &l = e.last;
        if (l.kind != SortStep::Compare || l.a < 1 || l.b < 1)
            continue;
        // The values compared, as they stood before the step: as after it,
        // or exchanged back when the step exchanged the two.
        const bool inV = l.movedA >= 0;
        const bool exchanged = (l.movedA == l.a && l.movedB == l.b) || (l.movedA == l.b && l.movedB == l.a);
        const bool elsewhere = inV && l.movedA != l.a && l.movedA != l.b && l.movedB != l.a && l.movedB != l.b;
        if (inV && !exchanged && !elsewhere)
            continue;
        // A move as the routine counts it: in V, or into Merge's W.
        const bool moves = e.moves > (s > 0 ? t.steps[std::size_t(s - 1)].moves : 0);
        const Integer va = exchanged ? e.atB : e.atA, vb = exchanged ? e.atA : e.atB;
        out.push_back({"sposta", s,
                       "Il prossimo passo confronta " + at(l.a) + " = " + value(va) + " e " + at(l.b) + " = " +
                           value(vb) + ": sposterà qualche valore?",
                       {"Sì", "No"}, moves ? 0 : 1, 0, Click::None,
                       moves ? (l.aux >= 0 ? "Sì: il minore dei due va in W" : "Sì: il confronto porta a uno scambio")
                             : "No: i due valori restano dove sono"});
    }
}

// Each kind of question, and the sorts that ask it: adding a kind is one entry.
struct KindEntry
{
    void (*make)(const Track &, std::vector<Question> &);
    std::vector<int> algorithms; // empty: every sort
};

const std::vector<KindEntry> &kinds()
{
    static const std::vector<KindEntry> table{
        {pivotEnd, {AlgoQuick}},          {passExchanges, {AlgoBubble}},
        {placeOfV, {AlgoInserimento, AlgoShell}}, {nextMinimum, {AlgoSelection}},
        {firstIntoW, {AlgoMerge}},        {siftExchanges, {AlgoHeap}},
        {movesInAll, {}},                 {comparisonsInAll, {}},
        {compareMoves, {}},
    };
    return table;
}

} // namespace

std::vector<Question> SortQuestions(int algorithm, const std::vector<Integer> &values)
{
    std::vector<Question> out;
    if (values.size() < 3)
        return out;
    SortSteps run(algorithm, values);
    Track t;
    t.algorithm = algorithm;
    t.n = run.size();
    t.count = run.count();
    const long seen = std::min(run.count(), QuestionSteps);
    t.steps.reserve(std::size_t(seen));
    for (long s = 0; s < seen && run.step(); ++s) {
        const SortState &st = run.state();
        const SortStep &l = st.last;
        const auto v = [&](int p) -> Integer { return p >= 0 && p < int(st.values.size()) ? st.values[std::size_t(p)] : Integer(0); };
        Seen e{l, st.moves, st.vars.k, v(l.a), v(l.b), v(l.movedA), 0};
        if (l.aux >= 0 && l.aux < int(st.aux.size()))
            e.intoW = st.aux[std::size_t(l.aux)];
        t.steps.push_back(e);
    }
    t.whole = run.finished();
    run.runToEnd();
    t.moves = run.moves();
    t.comparisons = run.comparisons();
    for (const KindEntry &kind : kinds())
        if (kind.algorithms.empty() ||
            std::find(kind.algorithms.begin(), kind.algorithms.end(), algorithm) != kind.algorithms.end())
            kind.make(t, out);
    std::vector<Question> calls = questions::CallQuestions(run.calls(), sortRoutine(algorithm), run.count());
    out.insert(out.end(), std::make_move_iterator(calls.begin()), std::make_move_iterator(calls.end()));
    return out;
}

} // namespace quimbra
