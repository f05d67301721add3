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

// An event packed in 64 bits: two positions of 13 bits (the vectors hold at
// most 1001 positions), the kind, a comparison's outcome, and above them the
// line of the routine that reported it.
enum Op : std::uint32_t { OpCompare, OpCompareHeld, OpExchange, OpShift, OpHold, OpPlace,
                          OpPivotPlaced, OpPass, OpRange };

constexpr std::uint64_t pack(Op op, int a, int b, bool outcome, std::uint_least32_t line)
{
    return std::uint64_t(a & 0x1fff) | std::uint64_t(b & 0x1fff) << 13 |
           std::uint64_t(op) << 26 | std::uint64_t(outcome) << 30 | std::uint64_t(line) << 32;
}
constexpr int first(std::uint64_t e) { return int(e & 0x1fff); }
constexpr int second(std::uint64_t e) { return int(e >> 13 & 0x1fff); }
constexpr Op opOf(std::uint64_t e) { return Op(e >> 26 & 0xf); }
constexpr bool outcomeOf(std::uint64_t e) { return e >> 30 & 1; }
constexpr int lineOf(std::uint64_t e) { return int(e >> 32); }
// An exchange or a shift belongs to the step of the comparison before it.
constexpr bool beginsStep(std::uint64_t e) { return opOf(e) != OpExchange && opOf(e) != OpShift; }

// Turns each report of a routine into an event carrying the line of the
// routine that made it: __builtin_LINE() as a default argument is taken where
// the call stands. It stands in for std::source_location, which clang 14 with
// libstdc++ 12 (the fuzzing build) does not provide; GCC, MinGW and
// emscripten's clang all have the builtin.
template <class Sink>
class Reporter
{
public:
    explicit Reporter(Sink &sink) : sink_(sink) {}

    bool compare(int a, int b, bool outcome, int line = __builtin_LINE())
    {
        return sink_.add(pack(OpCompare, a, b, outcome, line)), outcome;
    }
    bool compareHeld(int a, bool outcome, int line = __builtin_LINE())
    {
        return sink_.add(pack(OpCompareHeld, a, 0, outcome, line)), outcome;
    }
    void exchange(int a, int b, int line = __builtin_LINE()) { sink_.add(pack(OpExchange, a, b, false, line)); }
    void shift(int to, int from, int line = __builtin_LINE()) { sink_.add(pack(OpShift, to, from, false, line)); }
    void hold(int a, int line = __builtin_LINE()) { sink_.add(pack(OpHold, a, 0, false, line)); }
    void place(int a, int line = __builtin_LINE()) { sink_.add(pack(OpPlace, a, 0, false, line)); }
    void pivotPlaced(int a, int b, int line = __builtin_LINE()) { sink_.add(pack(OpPivotPlaced, a, b, false, line)); }
    void pass(int n, int line = __builtin_LINE()) { sink_.add(pack(OpPass, n, 0, false, line)); }
    void range(int a, int b, int line = __builtin_LINE()) { sink_.add(pack(OpRange, a, b, false, line)); }

private:
    Sink &sink_;
};

// Keeps the events of a run from number `skip` on, until `out` holds `cap`;
// the routine then runs on to its end unrecorded. It is not stopped by an
// exception: the browser's build has none, and running on costs no more than
// the replay up to `skip` did.
class ChunkSink
{
public:
    ChunkSink(std::uint64_t skip, std::size_t cap, std::vector<std::uint64_t> &out)
        : skip_(skip), cap_(cap), out_(out)
    {
    }
    void add(std::uint64_t e)
    {
        if (seen_++ < skip_ || out_.size() >= cap_)
            return;
        out_.push_back(e);
    }

private:
    std::uint64_t seen_ = 0;
    std::uint64_t skip_;
    std::size_t cap_;
    std::vector<std::uint64_t> &out_;
};

std::string at(int p)
{
    return "V(" + std::to_string(p) + ")";
}

// One event applied to the state that the view shows.
void apply(SortState &s, std::uint64_t e, int column)
{
    const int a = first(e);
    const int b = second(e);
    SortVariables &v = s.vars;
    if (beginsStep(e))
        s.before = v;
    s.line = lineOf(e);
    switch (opOf(e)) {
    case OpCompare:
        ++s.comparisons;
        s.last = {SortStep::Compare, a, b, outcomeOf(e)};
        if (column == InsertionColumn) {
            v.j = a;
            v.i = b;
        } else {
            v.i = a;
        }
        break;
    case OpCompareHeld:
        ++s.comparisons;
        s.last = {SortStep::CompareHeld, a, -1, outcomeOf(e)};
        if (column == QuickColumn)
            v.i = a;
        else
            v.j = a + v.pass;
        break;
    case OpExchange:
        std::swap(s.values[std::size_t(a)], s.values[std::size_t(b)]);
        ++s.moves;
        s.last.movedA = a;
        s.last.movedB = b;
        if (column == BubbleColumn)
            v.exchanged = 1;
        if (column == QuickColumn)
            v.j = b;
        break;
    case OpShift:
        s.values[std::size_t(a)] = s.values[std::size_t(b)];
        ++s.moves;
        s.last.movedA = a;
        v.j = b;
        break;
    case OpHold:
        s.held = s.values[std::size_t(a)];
        s.holding = true;
        s.last = {SortStep::Hold, a};
        v.i = a;
        v.j = a;
        break;
    case OpPlace:
        s.values[std::size_t(a)] = s.held;
        s.holding = false;
        ++s.moves;
        s.last = {SortStep::Place, -1, -1, false, a};
        v.j = a;
        break;
    case OpPivotPlaced:
        std::swap(s.values[std::size_t(a)], s.values[std::size_t(b)]);
        s.holding = false;
        ++s.moves;
        s.last = {SortStep::PivotPlaced, -1, -1, false, a, b};
        v.k = b;
        break;
    case OpPass:
        s.last = {SortStep::Pass, a};
        v.pass = a;
        if (column == BubbleColumn) {
            v.exchanged = 0;
            v.i = -1;
        }
        break;
    case OpRange:
        s.held = s.values[std::size_t(a)];
        s.holding = true;
        s.last = {SortStep::Range, a, b};
        // The calls still under way are those whose range holds this one.
        while (!s.ranges.empty() && !(int(s.ranges.back() >> 16) <= a && b <= int(s.ranges.back() & 0xffff)))
            s.ranges.pop_back();
        s.ranges.push_back(std::uint32_t(a) << 16 | std::uint32_t(b));
        v = {};
        v.first = a;
        v.last = b;
        v.i = a + 1;
        v.j = b + 1;
        v.depth = int(s.ranges.size());
        break;
    }
}

} // namespace

// Plays a whole run once, keeping a copy of the state every few steps.
class CheckpointRecorder
{
public:
    static constexpr std::size_t MostCheckpoints = 512;

    explicit CheckpointRecorder(SortSteps &steps) : steps_(steps) { state_.values = steps.original_; }

    void add(std::uint64_t e)
    {
        if (beginsStep(e)) {
            if (begun_ % steps_.every_ == 0) {
                steps_.checkpoints_.push_back({state_, events_});
                if (steps_.checkpoints_.size() > MostCheckpoints) {
                    // Keep every other copy, twice as far apart.
                    std::vector<SortSteps::Checkpoint> &c = steps_.checkpoints_;
                    std::size_t kept = 0;
                    for (std::size_t n = 0; n < c.size(); n += 2, ++kept)
                        if (n != kept)
                            c[kept] = std::move(c[n]);
                    c.resize(kept);
                    steps_.every_ *= 2;
                }
            }
            ++begun_;
        }
        apply(state_, e, steps_.column_);
        ++events_;
    }
    void finish()
    {
        if (steps_.checkpoints_.empty())
            steps_.checkpoints_.push_back({state_, 0});
        steps_.count_ = begun_;
        steps_.end_ = {state_, events_};
    }

private:
    SortSteps &steps_;
    SortState state_;
    long begun_ = 0;
    std::uint64_t events_ = 0;
};

SortSteps::SortSteps(int column, std::vector<Integer> values)
    : column_(std::clamp(column, 0, SortColumns - 1)), original_(std::move(values))
{
    if (original_.empty())
        original_.push_back(0);
    chunk_.reserve(ChunkEvents);
    CheckpointRecorder recorder(*this);
    Reporter<CheckpointRecorder> reporter(recorder);
    scratch_ = original_;
    Long moves = 0;
    runRoutine(scratch_, moves, reporter);
    recorder.finish();
    checkpoints_.shrink_to_fit();
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
    restore(checkpoints_.front(), 0);
}

void SortSteps::restore(const Checkpoint &checkpoint, long step)
{
    state_ = checkpoint.state;
    next_ = checkpoint.event;
    done_ = step;
}

void SortSteps::fetch(std::uint64_t from)
{
    base_ = from;
    chunk_.clear();
    scratch_ = original_;
    Long moves = 0;
    ChunkSink sink(from, ChunkEvents, chunk_);
    Reporter<ChunkSink> reporter(sink);
    runRoutine(scratch_, moves, reporter);
}

const std::uint64_t *SortSteps::peek()
{
    if (next_ >= end_.event)
        return nullptr;
    if (next_ < base_ || next_ - base_ >= chunk_.size()) {
        fetch(next_);
        if (chunk_.empty())
            return nullptr;
    }
    return &chunk_[std::size_t(next_ - base_)];
}

bool SortSteps::step()
{
    const std::uint64_t *e = peek();
    if (!e)
        return false;
    apply(state_, *e, column_);
    ++next_;
    // The exchange or shift that a comparison leads to belongs to its step.
    e = peek();
    if (e && !beginsStep(*e)) {
        apply(state_, *e, column_);
        ++next_;
    }
    ++done_;
    return true;
}

void SortSteps::runToEnd()
{
    // The whole run done at once: no last step to point at, only the line
    // that ended the run.
    seek(count_);
    state_.last = {};
    state_.holding = false;
    state_.before = state_.vars;
}

void SortSteps::seek(long step)
{
    step = std::clamp(step, 0L, count_);
    if (step == done_)
        return;
    if (step == count_) {
        restore(end_, count_);
        return;
    }
    const long c = step / every_;
    // Forward within the stretch of the copy wanted: go on from here.
    if (!(done_ >= c * every_ && done_ < step))
        restore(checkpoints_[std::size_t(c)], c * every_);
    while (done_ < step && this->step()) {
    }
}

std::size_t SortSteps::memoryBytes() const
{
    std::size_t bytes = eventBytes() + checkpoints_.capacity() * sizeof(Checkpoint);
    for (const Checkpoint &c : checkpoints_)
        bytes += c.state.values.capacity() * sizeof(Integer) +
                 c.state.ranges.capacity() * sizeof(std::uint32_t);
    return bytes + 4 * original_.capacity() * sizeof(Integer);
}

std::vector<std::string> SortSteps::variableLines() const
{
    const SortVariables &v = state_.vars;
    auto value = [](int n) { return n < 0 ? std::string("—") : std::to_string(n); };
    // Shell's v and Quick's pivot keep their value through the step that
    // places it, until the routine takes a new one.
    const SortStep::Kind k = state_.last.kind;
    const bool heldInScope = state_.holding || (done_ > 0 && (k == SortStep::Place || k == SortStep::PivotPlaced));
    std::vector<std::string> lines;
    switch (column_) {
    case InsertionColumn:
        lines = {"i = " + value(v.i), "j = " + value(v.j)};
        break;
    case BubbleColumn:
        lines = {"passata = " + value(v.pass), "i = " + value(v.i),
                 std::string("scambiato = ") + (v.exchanged < 0 ? "—" : v.exchanged ? "vero" : "falso")};
        break;
    case ShellColumn:
        lines = {"h = " + value(v.pass), "i = " + value(v.i), "j = " + value(v.j),
                 "v = " + (heldInScope ? std::to_string(state_.held) : std::string("—"))};
        break;
    case QuickColumn:
        lines = {"livello = " + value(v.depth > 0 ? v.depth : -1), "Primo = " + value(v.first),
                 "Ultimo = " + value(v.last),
                 "pivot = " + (heldInScope ? std::to_string(state_.held) : std::string("—")),
                 "i = " + value(v.i), "j = " + value(v.j), "k = " + value(v.k)};
        break;
    }
    lines.push_back("N = " + std::to_string(size()));
    return lines;
}

std::vector<bool> SortSteps::variablesChanged() const
{
    const SortVariables &n = state_.vars;
    const SortVariables &o = state_.before;
    // The held value is taken by a hold or a new range; Shell's v goes out of
    // sight with a new pass (a pass other than the first follows a placement).
    const SortStep::Kind k = state_.last.kind;
    const bool held = done_ > 0 && (k == SortStep::Hold || k == SortStep::Range ||
                                    (k == SortStep::Pass && column_ == ShellColumn && done_ > 1));
    switch (column_) {
    case InsertionColumn: return {n.i != o.i, n.j != o.j, false};
    case BubbleColumn: return {n.pass != o.pass, n.i != o.i, n.exchanged != o.exchanged, false};
    case ShellColumn: return {n.pass != o.pass, n.i != o.i, n.j != o.j, held, false};
    default:
        return {n.depth != o.depth, n.first != o.first, n.last != o.last, held,
                n.i != o.i, n.j != o.j, n.k != o.k, false};
    }
}

std::string SortSteps::sentence() const
{
    std::string s;
    const SortStep &l = state_.last;
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
        s = column_ == ShellColumn ? "distanza h = " + std::to_string(l.a) : "passata " + std::to_string(l.a);
        break;
    case SortStep::Range:
        s = "QuickSort(" + std::to_string(l.a) + ", " + std::to_string(l.b) + "): pivot = " +
            at(l.a);
        break;
    }
    if (!finished())
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
