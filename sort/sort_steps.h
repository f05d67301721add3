// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calls.h"
#include "exercise.h"
#include "random.h"
#include "sort_catalog.h"
#include "stepper.h"
#include "types.h"
#include "value_list.h"
#include "variables.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quimbra {

// The inputs a step view offers, in the order of its list.
enum SortInput { InputWindowVector, InputAscending, InputDescending, InputAllEqual, InputRandom20,
                 InputNearlySorted, InputFewDistinct, InputTyped };
inline constexpr int SortInputs = 8;
const char *sortInputName(int input);
// Whether the input is drawn anew by "Nuovi valori".
bool inputDraws(int input);

// V(0..N) for an input: V(0) = 0 and the elements at 1..N. InputWindowVector takes
// window(1..1000); InputRandom20 draws 20 values as the window draws its own;
// "Pochi valori diversi" is 30 values, so that its equal values carry their
// letters; InputTyped takes the values typed; the others are 1000 values of
// their shape.
std::vector<Integer> makeSortInput(int input, std::span<const Integer> window, RandomSource &rnd,
                                   std::span<const Integer> typed = {});
// The rules of a typed list of values to sort.
inline constexpr ValueRules TypedSortValues{1, 1000, 1, 32767, false};

// One step as the view shows it: what was compared, what was written.
struct SortStep
{
    enum Kind { None, Compare, CompareHeld, Hold, Place, PivotPlaced, Pass, Range, Swap,
                MergeBegin, RestToAux, FromAux, Sift };
    Kind kind = None;
    // Positions compared; a pass's number or gap in a; a range a..b (a merge's,
    // a sift's i and n); the position of V copied into W.
    int a = -1, b = -1;
    bool outcome = false;  // the comparison's result as the routine tested it
    int movedA = -1, movedB = -1; // positions of V written by the step, -1 for none
    int aux = -1;                 // the position of W written, or read back into V
    bool operator==(const SortStep &) const = default;
};

// The routine's variables as the step view lists them; -1 for one not set yet.
struct SortVariables
{
    int pass = -1;      // Bubble's pass number, Shell's gap h
    int i = -1, j = -1;
    int k = -1;         // where Quick's pivot went; Merge's next place in W; Heap's last place
    int m = -1;         // Selection's minimum so far; Merge's middle
    int c = -1;         // Heap's child
    int n = -1;         // the heap's size in a sift
    int p = -1;         // Merge's copy back
    int first = -1, last = -1; // Quick's and Merge's range
    int depth = 0;      // the depth of recursion, 1 for the outermost call
    int exchanged = -1; // Bubble: 1 once the pass exchanged, 0 before
    bool operator==(const SortVariables &) const = default;
};

// Everything the view shows of one moment of a run.
struct SortState
{
    std::vector<Integer> values; // V(0..N)
    long comparisons = 0;
    long moves = 0;
    SortStep last;
    bool holding = false;
    Integer held = 0;
    int line = 0;            // the source line of the routine that made the last step, 0 none
    SortVariables vars;      // after the last step
    SortVariables before;    // before it
    std::vector<std::uint32_t> ranges; // the calls under way, first << 16 | last
    std::vector<Integer> aux;          // Merge's W(0..N), empty for the others
    int mergeFirst = -1, mergeLast = -1; // the merge under way, -1 for none
    int auxEnd = -1;                     // W(mergeFirst..auxEnd - 1) written by it
    int heapEnd = -1;                    // Heap: V(1..heapEnd) is the heap, the rest sorted
    // With few values, where each element of the input is now (its position
    // in the input), in V and in W, and the held one's; empty otherwise.
    std::vector<std::uint16_t> ids, auxIds;
    std::uint16_t heldId = 0;
    bool operator==(const SortState &) const = default;
};

// Whether equal values kept the order they had in the input, at the end of a
// run: the first pair found that did not, by their positions in the input.
struct SortStability
{
    bool stable = true;
    int firstFrom = 0, secondFrom = 0; // the pair, first as it stood in the input
    Integer value = 0;
};

// Plays one of the sorting routines step by step on its own copy of a
// vector, forwards, backwards or to any step. A step is one comparison
// together with the exchange or shift it leads to, or one move, hold or new
// pass of its own. Comparisons count every test between two values of the
// vector (the held value is one of them), and moves follow the routine's own
// counter, so that at the end they equal the sorting window's count.
//
// The routine itself is replayed, not imitated: when the run is made it runs
// once whole with an observer that records its events, each with the line of
// the routine that reported it, in 32 bits (a million events, the longest run
// on 1000 values, take 4 MB), and the steps apply them to the displayed state.
// Nothing runs the routine again while the run plays, so no step costs more
// than applying its events.
//
// Going back or to any step: while the run is recorded a copy of the state is
// kept every few steps (at most about 512 copies, so a few kB each whatever
// the length of the run). A jump restores the copy at or before the step
// wanted and applies the recorded events from there.
class SortSteps final : public Stepper
{
public:
    SortSteps(int algorithm, std::vector<Integer> values);

    // Runs of this many values or fewer follow each element, so that equal
    // values show their letters.
    static constexpr int MostLettered = 30;

    bool step() override;
    bool finished() const override { return done_ >= count_; }
    void runToEnd() override;
    void restart() override;
    long position() const override { return done_; }
    long count() const override { return count_; }
    void seek(long step) override;

    int algorithm() const { return algorithm_; }
    int size() const { return static_cast<int>(original_.size()) - 1; } // N
    const std::vector<Integer> &input() const { return original_; }   // V(0..N) as the run began
    const std::vector<Integer> &values() const { return state_.values; } // V(0..N) now
    long comparisons() const { return state_.comparisons; }
    long moves() const { return state_.moves; }
    const SortStep &last() const { return state_.last; }
    bool holding() const { return state_.holding; }
    Integer held() const { return state_.held; }
    const SortState &state() const { return state_; }
    // The letter of the element now at position p of V (of W when inAux):
    // equal values are a, b, c … in the order they had in the input; empty
    // for a value that is not repeated, and beyond MostLettered values.
    std::string letter(int p, bool inAux = false) const;
    // Whether the whole run kept equal values in their order.
    const SortStability &stability() const { return stability_; }
    // The same as a sentence for the view ("Stabile su questi dati").
    std::string stabilitySentence() const;
    // What the last step did, in Italian ("V(17) > V(18): scambio", "gap 13").
    std::string sentence() const;
    // The routine's variables now, "name = value", and whether each changed
    // in the last step.
    std::vector<std::string> variableLines() const;
    std::vector<bool> variablesChanged() const;
    Variables variables() const { return {variableLines(), variablesChanged()}; }
    // The memory that the recorded events and the kept states take.
    std::size_t eventBytes() const { return events_.capacity() * sizeof(std::uint32_t); }
    std::size_t memoryBytes() const;
    long checkpointEvery() const { return every_; }
    // The calls of QuickSort or MergeSort, as the routine reported them;
    // empty for the others.
    const CallTrace &calls() const { return calls_; }

private:
    struct Checkpoint
    {
        SortState state;
        std::uint64_t event; // the first event of the next step
    };
    friend class CheckpointRecorder;

    bool peek(std::uint64_t &event) const;
    void restore(const Checkpoint &checkpoint, long step);
    template <class Observer>
    void runRoutine(std::vector<Integer> &V, Long &moves, Observer &observer) const;

    int algorithm_;
    std::vector<Integer> original_;
    std::vector<std::string> letters_; // by position in the input
    SortStability stability_;
    std::vector<Integer> scratch_;
    SortState state_;
    long done_ = 0;
    long count_ = 0;
    std::vector<std::uint32_t> events_; // the whole run's, packed small
    std::vector<int> lines_;            // the routine's lines, by their number in an event
    std::uint64_t next_ = 0;            // the next event to play
    std::vector<Checkpoint> checkpoints_; // steps 0, every_, 2 every_, ...
    long every_ = 1;
    Checkpoint end_;
    CallTrace calls_;
};

// A sort as an exercise, recorded by playing SortSteps over the values: the
// student performs every move that the routine counts, picking the two
// positions of an exchange (in any order), the source and then the
// destination of a shift, the destination of the held value. Steps that move
// nothing play by themselves, and so does the placement at position 0, which
// the view does not show.
std::vector<exercise::Expected> ExerciseSteps(int algorithm, std::vector<Integer> values);

} // namespace quimbra
