// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sort_steps.h"

#include "sorts.h"

#include <algorithm>
#include <utility>

namespace quimbra {

const char *sortInputName(int input)
{
    static const char *const names[] = {"Vettore della finestra", "Crescente (1…1000)",
                                        "Decrescente (1000…1)", "Tutti uguali",
                                        "20 valori casuali", "Quasi ordinato",
                                        "Pochi valori diversi", "Valori scritti"};
    return names[std::clamp(input, 0, SortInputs - 1)];
}

bool inputDraws(int input)
{
    return input == InputRandom20 || input == InputNearlySorted || input == InputFewDistinct;
}

std::vector<Integer> makeSortInput(int input, std::span<const Integer> window, RandomSource &rnd,
                                   std::span<const Integer> typed)
{
    switch (input) {
    case InputTyped: {
        std::vector<Integer> V{0};
        V.insert(V.end(), typed.begin(), typed.end());
        return V;
    }
    case InputWindowVector: {
        std::vector<Integer> V{0};
        for (std::size_t p = 1; p < window.size(); ++p)
            V.push_back(window[p]);
        return V;
    }
    case InputAscending: return sortInput(ShapeAscending, 1000, rnd);
    case InputDescending: return sortInput(ShapeDescending, 1000, rnd);
    case InputAllEqual: return sortInput(ShapeAllEqual, 1000, rnd);
    case InputRandom20: return sortInput(ShapeRandom, 20, rnd);
    case InputNearlySorted: return sortInput(ShapeNearlySorted, 1000, rnd);
    default: return sortInput(ShapeFewDistinct, 30, rnd);
    }
}

namespace {

// An event packed in 64 bits: two positions of 13 bits (the vectors hold at
// most 1001 positions), the kind, a comparison's outcome, and above them the
// line of the routine that reported it.
enum Op : std::uint32_t { OpCompare, OpCompareHeld, OpExchange, OpShift, OpHold, OpPlace,
                          OpPivotPlaced, OpPass, OpRange, OpSwap, OpMerge, OpToAux, OpRestToAux,
                          OpFromAux, OpSift };

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
// An exchange, a shift or a write into W belongs to the step of the
// comparison before it.
constexpr bool beginsStep(std::uint64_t e)
{
    return opOf(e) != OpExchange && opOf(e) != OpShift && opOf(e) != OpToAux;
}

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
    void swap(int a, int b, int line = __builtin_LINE()) { sink_.add(pack(OpSwap, a, b, false, line)); }
    // The middle of a merge is always (first + last) div 2: not kept.
    void merge(int a, int, int b, int line = __builtin_LINE()) { sink_.add(pack(OpMerge, a, b, false, line)); }
    void toAux(int k, int from, int line = __builtin_LINE()) { sink_.add(pack(OpToAux, k, from, false, line)); }
    void restToAux(int k, int from, int line = __builtin_LINE()) { sink_.add(pack(OpRestToAux, k, from, false, line)); }
    void fromAux(int p, int line = __builtin_LINE()) { sink_.add(pack(OpFromAux, p, 0, false, line)); }
    void sift(int i, int n, int line = __builtin_LINE()) { sink_.add(pack(OpSift, i, n, false, line)); }
    // The calls go to the sink apart from the events: they are no steps.
    void enter(int first, int last) { sink_.call(CallEnter{first, last}); }
    void leave() { sink_.call(CallReturn{}); }

private:
    Sink &sink_;
};

std::string at(int p)
{
    return "V(" + std::to_string(p) + ")";
}

// Where the elements of the input are: an event moves them as it moves values.
struct Identities
{
    std::vector<std::uint16_t> &v;
    std::vector<std::uint16_t> &w;
    std::uint16_t &held;
};

void follow(Identities d, std::uint64_t e)
{
    const auto a = std::size_t(first(e));
    const auto b = std::size_t(second(e));
    switch (opOf(e)) {
    case OpExchange:
    case OpPivotPlaced:
    case OpSwap: std::swap(d.v[a], d.v[b]); break;
    case OpShift: d.v[a] = d.v[b]; break;
    case OpHold: d.held = d.v[a]; break;
    case OpPlace: d.v[a] = d.held; break;
    case OpToAux:
    case OpRestToAux: d.w[a] = d.v[b]; break;
    case OpFromAux: d.v[a] = d.w[a]; break;
    default: break;
    }
}

// The calls still under way are those whose range holds this one.
// A merge goes on in the call that split its range; QuickSort can call
// itself again on its own range, one level deeper.
void enter(SortState &s, int a, int b, bool sameCall)
{
    const std::uint32_t range = std::uint32_t(a) << 16 | std::uint32_t(b);
    while (!s.ranges.empty() && !(int(s.ranges.back() >> 16) <= a && b <= int(s.ranges.back() & 0xffff)) &&
           !(sameCall && s.ranges.back() == range))
        s.ranges.pop_back();
    if (!(sameCall && !s.ranges.empty() && s.ranges.back() == range))
        s.ranges.push_back(range);
}

// W(k) = V(from): Merge's i or j moves on, and so does k.
void intoAux(SortState &s, int k, int from)
{
    s.aux[std::size_t(k)] = s.values[std::size_t(from)];
    ++s.moves;
    s.last.aux = k;
    s.auxEnd = k + 1;
    SortVariables &v = s.vars;
    if (from == v.i)
        ++v.i;
    else
        ++v.j;
    v.k = k + 1;
}

// One event applied to the state that the view shows.
void apply(SortState &s, std::uint64_t e, int algorithm)
{
    const int a = first(e);
    const int b = second(e);
    SortVariables &v = s.vars;
    if (beginsStep(e))
        s.before = v;
    s.line = lineOf(e);
    if (!s.ids.empty())
        follow({s.ids, s.auxIds, s.heldId}, e);
    switch (opOf(e)) {
    case OpCompare:
        ++s.comparisons;
        s.last = {SortStep::Compare, a, b, outcomeOf(e)};
        switch (algorithm) {
        case AlgoInsertion:
        case AlgoMerge:
            v.j = a;
            v.i = b;
            break;
        case AlgoSelection:
            v.j = a;
            if (outcomeOf(e))
                v.m = a;
            break;
        case AlgoHeap:
            // V(c) against its parent V(i), or the two children V(c + 1) and V(c).
            if (b == a / 2) {
                v.c = a;
                v.i = b;
            } else {
                v.c = outcomeOf(e) ? a : b;
            }
            break;
        default:
            v.i = a;
            break;
        }
        break;
    case OpCompareHeld:
        ++s.comparisons;
        s.last = {SortStep::CompareHeld, a, -1, outcomeOf(e)};
        if (algorithm == AlgoQuick)
            v.i = a;
        else if (algorithm == AlgoShell)
            v.j = a + v.pass;
        else
            v.j = a + 1;
        break;
    case OpExchange:
        std::swap(s.values[std::size_t(a)], s.values[std::size_t(b)]);
        ++s.moves;
        s.last.movedA = a;
        s.last.movedB = b;
        if (algorithm == AlgoBubble)
            v.exchanged = 1;
        if (algorithm == AlgoQuick)
            v.j = b;
        if (algorithm == AlgoHeap)
            v.i = b;
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
        if (algorithm == AlgoSelection) {
            v.i = a;
            v.m = a;
            v.j = -1;
            break;
        }
        v.pass = a;
        if (algorithm == AlgoBubble) {
            v.exchanged = 0;
            v.i = -1;
        }
        break;
    case OpRange:
        s.last = {SortStep::Range, a, b};
        enter(s, a, b, false);
        v = {};
        v.first = a;
        v.last = b;
        v.depth = int(s.ranges.size());
        if (algorithm == AlgoMerge) {
            v.m = (a + b) / 2;
            s.mergeFirst = s.mergeLast = s.auxEnd = -1;
            break;
        }
        s.held = s.values[std::size_t(a)];
        s.holding = true;
        v.i = a + 1;
        v.j = b + 1;
        break;
    case OpSwap:
        std::swap(s.values[std::size_t(a)], s.values[std::size_t(b)]);
        ++s.moves;
        s.last = {SortStep::Swap, -1, -1, false, a, b};
        if (algorithm == AlgoHeap) {
            v.k = b;
            s.heapEnd = b - 1;
        }
        break;
    case OpMerge:
        s.last = {SortStep::MergeBegin, a, b};
        enter(s, a, b, true);
        s.mergeFirst = a;
        s.mergeLast = b;
        s.auxEnd = a;
        v = {};
        v.first = a;
        v.last = b;
        v.m = (a + b) / 2;
        v.i = a;
        v.j = v.m + 1;
        v.k = a;
        v.depth = int(s.ranges.size());
        break;
    case OpToAux:
        intoAux(s, a, b);
        break;
    case OpRestToAux:
        s.last = {SortStep::RestToAux, b};
        intoAux(s, a, b);
        break;
    case OpFromAux:
        s.values[std::size_t(a)] = s.aux[std::size_t(a)];
        ++s.moves;
        s.last = {SortStep::FromAux, -1, -1, false, a};
        s.last.aux = a;
        v.p = a;
        break;
    case OpSift:
        s.last = {SortStep::Sift, a, b};
        v.i = a;
        v.n = b;
        v.c = -1;
        s.heapEnd = b;
        break;
    }
}

} // namespace

// Plays a whole run once, keeping a copy of the state every few steps.
class CheckpointRecorder
{
public:
    static constexpr std::size_t MostCheckpoints = 512;

    // The state starts as the steps' own first state; the elements are
    // followed whatever the size, for the verdict on stability.
    CheckpointRecorder(SortSteps &steps, const SortState &start) : steps_(steps), state_(start)
    {
        ids_.resize(start.values.size());
        for (std::size_t p = 0; p < ids_.size(); ++p)
            ids_[p] = std::uint16_t(p);
        auxIds_.resize(start.aux.size());
    }

    void add(std::uint64_t e)
    {
        keep(e);
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
        apply(state_, e, steps_.algorithm_);
        follow({ids_, auxIds_, heldId_}, e);
        ++events_;
    }
    // A call belongs to the step that begins next.
    void call(const CallEnter &c) { steps_.calls_.enter(c, begun_); }
    void call(const CallReturn &c) { steps_.calls_.leave(c, begun_); }
    void finish()
    {
        steps_.events_.shrink_to_fit();
        steps_.calls_.finish(begun_);
        if (steps_.checkpoints_.empty())
            steps_.checkpoints_.push_back({state_, 0});
        steps_.count_ = begun_;
        steps_.end_ = {state_, events_};
        // Equal values next to each other at the end must stand in their
        // first order.
        const std::vector<Integer> &V = state_.values;
        for (std::size_t p = 1; p + 1 < V.size(); ++p)
            if (V[p] == V[p + 1] && ids_[p] > ids_[p + 1]) {
                steps_.stability_ = {false, ids_[p + 1], ids_[p], V[p]};
                break;
            }
    }

private:
    // An event in 32 bits: the two positions in 11 bits each (N is at most
    // 2047), the kind, the outcome, and the line as its number among the
    // lines this routine reports from (a dozen at most, 32 would fit).
    void keep(std::uint64_t e)
    {
        const int line = lineOf(e);
        if (std::size_t(line) >= lineNumbers_.size())
            lineNumbers_.resize(std::size_t(line) + 1, -1);
        int &n = lineNumbers_[std::size_t(line)];
        if (n < 0) {
            n = int(steps_.lines_.size());
            steps_.lines_.push_back(line);
        }
        steps_.events_.push_back(std::uint32_t(first(e)) | std::uint32_t(second(e)) << 11 |
                                 std::uint32_t(e >> 26 & 0x1f) << 22 | std::uint32_t(n) << 27);
    }

    SortSteps &steps_;
    std::vector<int> lineNumbers_; // by the routine's line, -1 for none yet
    SortState state_;
    long begun_ = 0;
    std::uint64_t events_ = 0;
    std::vector<std::uint16_t> ids_, auxIds_;
    std::uint16_t heldId_ = 0;
};

SortSteps::SortSteps(int algorithm, std::vector<Integer> values)
    : algorithm_(std::clamp(algorithm, 0, SortAlgorithms - 1)), original_(std::move(values))
{
    if (original_.empty())
        original_.push_back(0);
    SortState start;
    start.values = original_;
    if (algorithm_ == AlgoMerge)
        start.aux.assign(original_.size(), 0);
    // Equal values get a, b, c … in the order of the input.
    if (size() <= MostLettered) {
        letters_.resize(original_.size());
        for (std::size_t p = 1; p < original_.size(); ++p) {
            const auto equal = std::count(original_.begin() + 1, original_.end(), original_[p]);
            const auto before = std::count(original_.begin() + 1, original_.begin() + std::ptrdiff_t(p), original_[p]);
            if (equal > 1)
                letters_[p] = before < 26 ? std::string(1, char('a' + before))
                                          : "z" + std::to_string(before - 25);
        }
        start.ids.resize(original_.size());
        for (std::size_t p = 0; p < start.ids.size(); ++p)
            start.ids[p] = std::uint16_t(p);
        start.auxIds.resize(start.aux.size());
    }
    CheckpointRecorder recorder(*this, start);
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
    runSort(algorithm_, V, moves, observer);
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

bool SortSteps::peek(std::uint64_t &event) const
{
    if (next_ >= end_.event)
        return false;
    const std::uint32_t e = events_[std::size_t(next_)];
    event = std::uint64_t(e & 0x7ff) | std::uint64_t(e >> 11 & 0x7ff) << 13 |
            std::uint64_t(e >> 22 & 0x1f) << 26 | std::uint64_t(lines_[e >> 27]) << 32;
    return true;
}

bool SortSteps::step()
{
    std::uint64_t e;
    if (!peek(e))
        return false;
    apply(state_, e, algorithm_);
    ++next_;
    // The exchange or shift that a comparison leads to belongs to its step.
    if (peek(e) && !beginsStep(e)) {
        apply(state_, e, algorithm_);
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
        bytes += (c.state.values.capacity() + c.state.aux.capacity()) * sizeof(Integer) +
                 c.state.ranges.capacity() * sizeof(std::uint32_t) +
                 (c.state.ids.capacity() + c.state.auxIds.capacity()) * sizeof(std::uint16_t);
    return bytes + 4 * original_.capacity() * sizeof(Integer);
}

std::vector<std::string> SortSteps::variableLines() const
{
    const SortVariables &v = state_.vars;
    auto value = [](int n) { return n < 0 ? std::string("—") : std::to_string(n); };
    // Shell's and Inserimento's v and Quick's pivot keep their value through
    // the step that places it, until the routine takes a new one.
    const SortStep::Kind k = state_.last.kind;
    const bool heldInScope = state_.holding || (done_ > 0 && (k == SortStep::Place || k == SortStep::PivotPlaced));
    const std::string held = heldInScope ? std::to_string(state_.held) : std::string("—");
    std::vector<std::string> lines;
    switch (algorithm_) {
    case AlgoInsertion:
        lines = {"i = " + value(v.i), "j = " + value(v.j)};
        break;
    case AlgoBubble:
        lines = {"passata = " + value(v.pass), "i = " + value(v.i),
                 std::string("scambiato = ") + (v.exchanged < 0 ? "—" : v.exchanged ? "vero" : "falso")};
        break;
    case AlgoShell:
        lines = {"h = " + value(v.pass), "i = " + value(v.i), "j = " + value(v.j), "v = " + held};
        break;
    case AlgoQuick:
        lines = {"livello = " + value(v.depth > 0 ? v.depth : -1), "Primo = " + value(v.first),
                 "Ultimo = " + value(v.last), "pivot = " + held,
                 "i = " + value(v.i), "j = " + value(v.j), "k = " + value(v.k)};
        break;
    case AlgoSelection:
        lines = {"i = " + value(v.i), "j = " + value(v.j), "m = " + value(v.m)};
        break;
    case AlgoInserimento:
        lines = {"i = " + value(v.i), "j = " + value(v.j), "v = " + held};
        break;
    case AlgoMerge:
        lines = {"livello = " + value(v.depth > 0 ? v.depth : -1), "Primo = " + value(v.first),
                 "Ultimo = " + value(v.last), "m = " + value(v.m), "i = " + value(v.i),
                 "j = " + value(v.j), "k = " + value(v.k), "p = " + value(v.p)};
        break;
    case AlgoHeap:
        lines = {"k = " + value(v.k), "i = " + value(v.i), "c = " + value(v.c), "n = " + value(v.n)};
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
                                    (k == SortStep::Pass && algorithm_ == AlgoShell && done_ > 1));
    switch (algorithm_) {
    case AlgoInsertion: return {n.i != o.i, n.j != o.j, false};
    case AlgoBubble: return {n.pass != o.pass, n.i != o.i, n.exchanged != o.exchanged, false};
    case AlgoShell: return {n.pass != o.pass, n.i != o.i, n.j != o.j, held, false};
    case AlgoQuick:
        return {n.depth != o.depth, n.first != o.first, n.last != o.last, held,
                n.i != o.i, n.j != o.j, n.k != o.k, false};
    case AlgoSelection: return {n.i != o.i, n.j != o.j, n.m != o.m, false};
    case AlgoInserimento: return {n.i != o.i, n.j != o.j, done_ > 0 && k == SortStep::Hold, false};
    case AlgoMerge:
        return {n.depth != o.depth, n.first != o.first, n.last != o.last, n.m != o.m,
                n.i != o.i, n.j != o.j, n.k != o.k, n.p != o.p, false};
    default: return {n.k != o.k, n.i != o.i, n.c != o.c, n.n != o.n, false};
    }
}

std::string SortSteps::letter(int p, bool inAux) const
{
    const std::vector<std::uint16_t> &ids = inAux ? state_.auxIds : state_.ids;
    if (p < 0 || std::size_t(p) >= ids.size())
        return {};
    return letters_[ids[std::size_t(p)]];
}

std::string SortSteps::stabilitySentence() const
{
    if (stability_.stable)
        return "Stabile su questi dati";
    const std::string value = std::to_string(stability_.value);
    const std::string a = letters_.empty() ? std::string() : letters_[std::size_t(stability_.firstFrom)];
    const std::string b = letters_.empty() ? std::string() : letters_[std::size_t(stability_.secondFrom)];
    if (!a.empty() && !b.empty())
        return "Non stabile: " + value + b + " è finito prima di " + value + a;
    return "Non stabile: i due " + value + " partiti da " + at(stability_.firstFrom) + " e " +
           at(stability_.secondFrom) + " hanno cambiato ordine";
}

std::string SortSteps::sentence() const
{
    std::string s;
    const SortStep &l = state_.last;
    auto w = [](int p) { return "W(" + std::to_string(p) + ")"; };
    switch (l.kind) {
    case SortStep::None:
        break;
    case SortStep::Compare:
        switch (algorithm_) {
        case AlgoInsertion:
            s = at(l.a) + (l.outcome ? " < " : " ≥ ") + at(l.b) + (l.outcome ? ": scambio" : ": nessuno scambio");
            break;
        case AlgoSelection:
            s = l.outcome ? at(l.a) + " < " + at(l.b) + ": nuovo minimo, m = " + std::to_string(l.a)
                          : at(l.a) + " ≥ " + at(l.b) + ": il minimo resta " + at(l.b);
            break;
        case AlgoMerge:
            s = l.outcome ? at(l.a) + " < " + at(l.b) + ": " + w(l.aux) + " = " + at(l.a)
                          : at(l.a) + " ≥ " + at(l.b) + ": " + w(l.aux) + " = " + at(l.b);
            break;
        case AlgoHeap:
            if (l.b == l.a / 2)
                s = l.outcome ? at(l.a) + " > " + at(l.b) + ": scambio"
                              : at(l.a) + " ≤ " + at(l.b) + ": " + at(l.b) + " è al suo posto nello heap";
            else
                s = l.outcome ? at(l.a) + " > " + at(l.b) + ": il figlio maggiore è " + at(l.a)
                              : at(l.a) + " ≤ " + at(l.b) + ": il figlio maggiore è " + at(l.b);
            break;
        default:
            s = at(l.a) + (l.outcome ? " > " : " ≤ ") + at(l.b) + (l.outcome ? ": scambio" : ": nessuno scambio");
            break;
        }
        break;
    case SortStep::CompareHeld:
        if (algorithm_ == AlgoQuick)
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
        if (algorithm_ == AlgoSelection)
            s = "i = " + std::to_string(l.a) + ": si cerca il minimo da " + at(l.a) + " a " + at(size());
        else
            s = algorithm_ == AlgoShell ? "distanza h = " + std::to_string(l.a) : "passata " + std::to_string(l.a);
        break;
    case SortStep::Range:
        if (algorithm_ == AlgoMerge)
            s = "MergeSort(" + std::to_string(l.a) + ", " + std::to_string(l.b) + "): m = " +
                std::to_string((l.a + l.b) / 2);
        else
            s = "QuickSort(" + std::to_string(l.a) + ", " + std::to_string(l.b) + "): pivot = " + at(l.a);
        break;
    case SortStep::Swap:
        s = algorithm_ == AlgoHeap
                ? "scambio " + at(l.movedA) + " e " + at(l.movedB) + ": il massimo va in " + at(l.movedB)
                : "scambio " + at(l.movedA) + " e " + at(l.movedB) + ": il minimo va in " + at(l.movedA);
        break;
    case SortStep::MergeBegin: {
        const int m = (l.a + l.b) / 2;
        s = "fusione di V(" + std::to_string(l.a) + "…" + std::to_string(m) + ") e V(" +
            std::to_string(m + 1) + "…" + std::to_string(l.b) + ") in W";
        break;
    }
    case SortStep::RestToAux:
        s = w(l.aux) + " = " + at(l.a) + (l.a <= (state_.mergeFirst + state_.mergeLast) / 2
                                              ? ": il resto della parte sinistra"
                                              : ": il resto della parte destra");
        break;
    case SortStep::FromAux:
        s = at(l.movedA) + " = " + w(l.aux);
        if (l.movedA == state_.mergeLast)
            s += ": V(" + std::to_string(state_.mergeFirst) + "…" + std::to_string(state_.mergeLast) +
                 ") è ordinato";
        break;
    case SortStep::Sift:
        s = "Setaccia(" + std::to_string(l.a) + ", " + std::to_string(l.b) + ")";
        break;
    }
    if (!finished())
        return s.empty() ? "Pronto: Spazio fa un passo, Invio avvia e ferma" : s;
    return s.empty() ? "Fine: vettore ordinato" : s + " — fine: vettore ordinato";
}

std::vector<exercise::Expected> ExerciseSteps(int algorithm, std::vector<Integer> values)
{
    std::vector<exercise::Expected> out;
    SortSteps run(algorithm, std::move(values));
    const int algo = run.algorithm();
    const std::string held = sortEntry(algo).held ? sortEntry(algo).held : "v";
    int gap = algo == AlgoInserimento ? 1 : 0;
    SortStep before;
    auto swapOf = [](const SortStep &l) {
        return "si scambiano " + at(std::min(l.movedA, l.movedB)) + " e " + at(std::max(l.movedA, l.movedB));
    };
    while (run.step()) {
        const SortStep &l = run.last();
        exercise::Expected e;
        switch (l.kind) {
        case SortStep::Compare:
            if (l.aux >= 0) {
                const int from = l.outcome ? l.a : l.b;
                e = {{from}, false,
                     at(l.a) + (l.outcome ? " < " : " \u2265 ") + at(l.b) + ": in W va " + at(from)};
            } else if (l.movedA >= 0) {
                e = {{l.movedA, l.movedB}, true,
                     at(l.a) + (algo == AlgoInsertion ? " < " : " > ") + at(l.b) + ": " + swapOf(l)};
            }
            break;
        case SortStep::CompareHeld:
            if (l.movedA >= 0 && l.movedB >= 0)
                e = {{l.movedA, l.movedB}, true, at(l.a) + " \u2265 pivot: " + swapOf(l)};
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
                                                 " va al suo posto, " + swapOf(l)};
            break;
        case SortStep::Swap:
            e = {{l.movedA, l.movedB}, true,
                 (algo == AlgoHeap ? "il massimo dello heap va in fondo: " : "il minimo va al suo posto: ") +
                     swapOf(l)};
            break;
        case SortStep::RestToAux:
            e = {{l.a}, false, "l'altra parte \u00e8 finita: in W va " + at(l.a)};
            break;
        case SortStep::Pass:
            if (algo == AlgoShell)
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
