// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sort_steps.h"

#include "sorts.h"

#include <algorithm>
#include <utility>

namespace quimbra {

const char *sortTitle(int column)
{
    static const char *const titles[] = {"Insertion", "Bubble", "Shell", "Quick"};
    return titles[std::clamp(column, 0, SortColumns - 1)];
}

const char *sortInputName(int input)
{
    static const char *const names[] = {"Vettore della finestra", "Crescente (1…1000)",
                                        "Decrescente (1000…1)", "Tutti uguali",
                                        "20 valori casuali"};
    return names[std::clamp(input, 0, SortInputs - 1)];
}

std::vector<Integer> makeSortInput(int input, std::span<const Integer> window, RandomSource &rnd)
{
    std::vector<Integer> V{0};
    switch (input) {
    case InputWindowVector:
        for (std::size_t p = 1; p < window.size(); ++p)
            V.push_back(window[p]);
        break;
    case InputAscending:
        for (int p = 1; p <= 1000; ++p)
            V.push_back(static_cast<Integer>(p));
        break;
    case InputDescending:
        for (int p = 1000; p >= 1; --p)
            V.push_back(static_cast<Integer>(p));
        break;
    case InputAllEqual:
        V.resize(1001, 5000);
        break;
    case InputRandom20:
        for (int p = 1; p <= 20; ++p)
            V.push_back(static_cast<Integer>(scaledDraw(rnd.next(), 10000) + 1));
        break;
    }
    return V;
}

namespace {

// An event packed in 32 bits: two positions of 13 bits (the vectors hold at
// most 1001 positions), the kind, and a comparison's outcome.
enum Op : std::uint32_t { OpCompare, OpCompareHeld, OpExchange, OpShift, OpHold, OpPlace,
                          OpPivotPlaced, OpPass, OpRange };

constexpr std::uint32_t pack(Op op, int a, int b = 0, bool outcome = false)
{
    return std::uint32_t(a & 0x1fff) | std::uint32_t(b & 0x1fff) << 13 | std::uint32_t(op) << 26 |
           std::uint32_t(outcome) << 30;
}
constexpr int first(std::uint32_t e) { return int(e & 0x1fff); }
constexpr int second(std::uint32_t e) { return int(e >> 13 & 0x1fff); }
constexpr Op opOf(std::uint32_t e) { return Op(e >> 26 & 0xf); }
constexpr bool outcomeOf(std::uint32_t e) { return e >> 30 & 1; }

struct ChunkFull
{
};

// Records the events of a run from number `skip` on, until `out` holds `cap`.
class Recorder
{
public:
    Recorder(std::uint64_t skip, std::size_t cap, std::vector<std::uint32_t> &out)
        : skip_(skip), cap_(cap), out_(out)
    {
    }

    bool compare(int a, int b, bool outcome) { return add(pack(OpCompare, a, b, outcome)), outcome; }
    bool compareHeld(int a, bool outcome) { return add(pack(OpCompareHeld, a, 0, outcome)), outcome; }
    void exchange(int a, int b) { add(pack(OpExchange, a, b)); }
    void shift(int to, int from) { add(pack(OpShift, to, from)); }
    void hold(int a) { add(pack(OpHold, a)); }
    void place(int a) { add(pack(OpPlace, a)); }
    void pivotPlaced(int a, int b) { add(pack(OpPivotPlaced, a, b)); }
    void pass(int n) { add(pack(OpPass, n)); }
    void range(int a, int b) { add(pack(OpRange, a, b)); }

private:
    void add(std::uint32_t e)
    {
        if (seen_++ < skip_)
            return;
        out_.push_back(e);
        if (out_.size() >= cap_)
            throw ChunkFull{};
    }

    std::uint64_t seen_ = 0;
    std::uint64_t skip_;
    std::size_t cap_;
    std::vector<std::uint32_t> &out_;
};

// Counts the comparisons of a whole run and nothing else.
struct ComparisonCounter : NoObserver
{
    long comparisons = 0;
    bool compare(int, int, bool outcome) { return ++comparisons, outcome; }
    bool compareHeld(int, bool outcome) { return ++comparisons, outcome; }
};

std::string at(int p)
{
    return "V(" + std::to_string(p) + ")";
}

} // namespace

SortSteps::SortSteps(int column, std::vector<Integer> values)
    : column_(std::clamp(column, 0, SortColumns - 1)), original_(std::move(values))
{
    if (original_.empty())
        original_.push_back(0);
    chunk_.reserve(ChunkEvents);
    restart();
}

template <class Observer>
void SortSteps::runRoutine(std::vector<Integer> &V, Long &moves, Observer &observer) const
{
    const int n = static_cast<int>(V.size()) - 1;
    switch (column_) {
    case InsertionColumn: ExchangeSort(V, n, moves, observer); break;
    case BubbleColumn: BubbleSort(V, n, moves, observer); break;
    case ShellColumn: ShellSort(V, n, moves, observer); break;
    case QuickColumn: QuickSort(V, 1, n, moves, observer); break;
    }
}

void SortSteps::restart()
{
    values_ = original_;
    comparisons_ = 0;
    moves_ = 0;
    last_ = {};
    holding_ = false;
    held_ = 0;
    chunk_.clear();
    next_ = 0;
    base_ = 0;
    routineEnded_ = false;
    fetch();
    finished_ = peek() == nullptr;
}

void SortSteps::fetch()
{
    base_ += chunk_.size();
    chunk_.clear();
    next_ = 0;
    scratch_ = original_;
    Long moves = 0;
    Recorder recorder(base_, ChunkEvents, chunk_);
    try {
        runRoutine(scratch_, moves, recorder);
        routineEnded_ = true;
    } catch (const ChunkFull &) {
        routineEnded_ = false;
    }
}

const std::uint32_t *SortSteps::peek()
{
    if (next_ == chunk_.size()) {
        if (routineEnded_)
            return nullptr;
        fetch();
        if (chunk_.empty())
            return nullptr;
    }
    return &chunk_[next_];
}

void SortSteps::apply(std::uint32_t e)
{
    const int a = first(e);
    const int b = second(e);
    switch (opOf(e)) {
    case OpCompare:
    case OpCompareHeld:
        ++comparisons_;
        last_ = {opOf(e) == OpCompare ? SortStep::Compare : SortStep::CompareHeld,
                 a, opOf(e) == OpCompare ? b : -1, outcomeOf(e)};
        break;
    case OpExchange:
        std::swap(values_[a], values_[b]);
        ++moves_;
        last_.movedA = a;
        last_.movedB = b;
        break;
    case OpShift:
        values_[a] = values_[b];
        ++moves_;
        last_.movedA = a;
        break;
    case OpHold:
        held_ = values_[a];
        holding_ = true;
        last_ = {SortStep::Hold, a};
        break;
    case OpPlace:
        values_[a] = held_;
        holding_ = false;
        ++moves_;
        last_ = {SortStep::Place, -1, -1, false, a};
        break;
    case OpPivotPlaced:
        std::swap(values_[a], values_[b]);
        holding_ = false;
        ++moves_;
        last_ = {SortStep::PivotPlaced, -1, -1, false, a, b};
        break;
    case OpPass:
        last_ = {SortStep::Pass, a};
        break;
    case OpRange:
        held_ = values_[a];
        holding_ = true;
        last_ = {SortStep::Range, a, b};
        break;
    }
}

bool SortSteps::step()
{
    const std::uint32_t *e = peek();
    if (!e)
        return false;
    const Op op = opOf(*e);
    apply(*e);
    ++next_;
    // The exchange or shift that a comparison leads to belongs to its step.
    if (op == OpCompare || op == OpCompareHeld) {
        e = peek();
        if (e && (opOf(*e) == OpExchange || opOf(*e) == OpShift)) {
            apply(*e);
            ++next_;
        }
    }
    finished_ = peek() == nullptr;
    return true;
}

void SortSteps::runToEnd()
{
    if (finished_)
        return;
    values_ = original_;
    Long moves = 0;
    ComparisonCounter counter;
    runRoutine(values_, moves, counter);
    comparisons_ = counter.comparisons;
    moves_ = moves;
    last_ = {};
    holding_ = false;
    chunk_.clear();
    next_ = 0;
    routineEnded_ = true;
    finished_ = true;
}

std::string SortSteps::sentence() const
{
    std::string s;
    const SortStep &l = last_;
    switch (l.kind) {
    case SortStep::None:
        break;
    case SortStep::Compare:
        if (column_ == InsertionColumn)
            s = at(l.a) + (l.outcome ? " < " : " ≥ ") + at(l.b);
        else
            s = at(l.a) + (l.outcome ? " > " : " ≤ ") + at(l.b);
        s += l.outcome ? ": scambio" : ": nessuno scambio";
        break;
    case SortStep::CompareHeld:
        if (column_ == QuickColumn)
            s = l.outcome ? at(l.a) + " < pivot: avanti"
                          : at(l.a) + " ≥ pivot: scambio " + at(l.movedA) + " e " + at(l.movedB);
        else
            s = l.outcome ? at(l.a) + " > v: " + at(l.movedA) + " = " + at(l.a)
                          : at(l.a) + " ≤ v: fine degli spostamenti";
        break;
    case SortStep::Hold:
        s = "v = " + at(l.a);
        break;
    case SortStep::Place:
        s = at(l.movedA) + " = v";
        break;
    case SortStep::PivotPlaced:
        s = "pivot al suo posto: scambio " + at(l.movedA) + " e " + at(l.movedB);
        break;
    case SortStep::Pass:
        s = column_ == ShellColumn ? "gap " + std::to_string(l.a) : "passata " + std::to_string(l.a);
        break;
    case SortStep::Range:
        s = "QuickSort(" + std::to_string(l.a) + ", " + std::to_string(l.b) + "): pivot = " +
            at(l.a);
        break;
    }
    if (!finished_)
        return s.empty() ? "Pronto: Spazio fa un passo, Invio avvia e ferma" : s;
    return s.empty() ? "Fine: vettore ordinato" : s + " — fine: vettore ordinato";
}

std::vector<exercise::Expected> ExerciseSteps(int column, std::vector<Integer> values)
{
    std::vector<exercise::Expected> out;
    SortSteps run(column, std::move(values));
    const bool insertion = run.column() == InsertionColumn;
    const std::string held = run.column() == QuickColumn ? "pivot" : "v";
    int gap = 0;
    SortStep before;
    while (run.step()) {
        const SortStep &l = run.last();
        exercise::Expected e;
        const std::string swap =
            "si scambiano " + at(std::min(l.movedA, l.movedB)) + " e " + at(std::max(l.movedA, l.movedB));
        switch (l.kind) {
        case SortStep::Compare:
            if (l.movedA >= 0)
                e = {{l.movedA, l.movedB}, true,
                     at(l.a) + (insertion ? " < " : " > ") + at(l.b) + ": " + swap};
            break;
        case SortStep::CompareHeld:
            if (l.movedA >= 0 && l.movedB >= 0)
                e = {{l.movedA, l.movedB}, true, at(l.a) + " \u2265 pivot: " + swap};
            else if (l.movedA >= 0)
                e = {{l.a, l.movedA}, false,
                     at(l.a) + " > v: si sposta " + at(l.a) + " in " + at(l.movedA)};
            break;
        case SortStep::Place:
            if (l.movedA >= 1) {
                const std::string why = before.kind == SortStep::CompareHeld && !before.outcome
                                            ? at(before.a) + " \u2264 v"
                                            : "prima di " + at(l.movedA) +
                                                  " non c'\u00e8 un'altra posizione a distanza " +
                                                  std::to_string(gap);
                e = {{l.movedA}, false, why + ": v va in " + at(l.movedA)};
            }
            break;
        case SortStep::PivotPlaced:
            e = {{l.movedA, l.movedB}, true, "i e j si sono incontrati: il " + held +
                                                 " va al suo posto, " + swap};
            break;
        case SortStep::Pass:
            gap = l.a;
            break;
        default:
            break;
        }
        out.push_back(std::move(e));
        before = l;
    }
    return out;
}

} // namespace quimbra
