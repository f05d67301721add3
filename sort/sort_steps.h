// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise.h"
#include "random.h"
#include "stepper.h"
#include "types.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quimbra {

// The sorting window's four columns, in its order, and their titles.
enum SortColumn { InsertionColumn, BubbleColumn, ShellColumn, QuickColumn };
inline constexpr int SortColumns = 4;
const char *sortTitle(int column);

// The inputs a step view offers, in the order of its list.
enum SortInput { InputWindowVector, InputAscending, InputDescending, InputAllEqual, InputRandom20 };
inline constexpr int SortInputs = 5;
const char *sortInputName(int input);

// V(0..N) for an input: V(0) = 0 and the elements at 1..N. InputWindowVector takes
// window(1..1000); InputRandom20 draws 20 values 1..10000 from rnd as the window
// draws its own; the others are 1000 values (all equal ones are 5000).
std::vector<Integer> makeSortInput(int input, std::span<const Integer> window, RandomSource &rnd);

// One step as the view shows it: what was compared, what was written.
struct SortStep
{
    enum Kind { None, Compare, CompareHeld, Hold, Place, PivotPlaced, Pass, Range };
    Kind kind = None;
    int a = -1, b = -1;    // positions compared; a pass's number or gap in a; a range a..b
    bool outcome = false;  // the comparison's result as the routine tested it
    int movedA = -1, movedB = -1; // positions written by the step, -1 for none
};

// Plays one of the four sorting routines step by step on its own copy of a
// vector. A step is one comparison together with the exchange or shift it
// leads to, or one move, hold or new pass of its own. Comparisons count every
// test between two values of the vector (the held value is one of them), and
// moves follow the routine's own counter, so that at the end they equal the
// sorting window's count.
//
// The routine itself is replayed, not imitated: it runs with an observer that
// records its events, and the steps apply them to the displayed copy. Only a
// window of events is kept (a few hundred kB, whatever the length of the
// run): when it is used up, the routine runs again from the start, skips the
// events already played and records the next ones.
class SortSteps final : public Stepper
{
public:
    SortSteps(int column, std::vector<Integer> values);

    bool step() override;
    bool finished() const override { return finished_; }
    void runToEnd() override;
    void restart() override;

    int column() const { return column_; }
    int size() const { return static_cast<int>(original_.size()) - 1; } // N
    const std::vector<Integer> &values() const { return values_; }       // V(0..N) now
    long comparisons() const { return comparisons_; }
    long moves() const { return moves_; }
    const SortStep &last() const { return last_; }
    bool holding() const { return holding_; }
    Integer held() const { return held_; }
    // What the last step did, in Italian ("V(17) > V(18): scambio", "gap 13").
    std::string sentence() const;
    // The memory that the recorded events take.
    std::size_t eventBytes() const { return chunk_.capacity() * sizeof(std::uint32_t); }

    static constexpr std::size_t ChunkEvents = 1 << 16;

private:
    const std::uint32_t *peek();
    void fetch();
    void apply(std::uint32_t event);
    template <class Observer>
    void runRoutine(std::vector<Integer> &V, Long &moves, Observer &observer) const;

    int column_;
    std::vector<Integer> original_;
    std::vector<Integer> values_;
    std::vector<Integer> scratch_;
    std::vector<std::uint32_t> chunk_; // events base_ .. base_ + size - 1
    std::size_t next_ = 0;             // the next event to play, within chunk_
    std::uint64_t base_ = 0;
    bool routineEnded_ = false;        // chunk_ reaches the end of the run
    bool finished_ = false;
    long comparisons_ = 0;
    long moves_ = 0;
    SortStep last_;
    bool holding_ = false;
    Integer held_ = 0;
};

// A sort as an exercise, recorded by playing SortSteps over the values: the
// student performs every move that the routine counts, picking the two
// positions of an exchange (in any order), the source and then the
// destination of a shift, the destination of the held value. Steps that move
// nothing play by themselves, and so does the placement at position 0, which
// the view does not show.
std::vector<exercise::Expected> ExerciseSteps(int column, std::vector<Integer> values);

} // namespace quimbra
