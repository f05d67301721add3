// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"
#include "sort_catalog.h"
#include "types.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// How the moves and comparisons of the sorts grow with the size of the input:
// the catalogue's routines (the sorting window's four, or all of them) run on
// inputs of n = 10 up to a chosen maximum, and their counts are gathered
// point by point. Qt-free; the runs can be shared among threads, each task
// once.
namespace quimbra {

// The inputs the growth chart offers, in the order of its list: the
// catalogue's shapes, one for one.
enum GrowthInput {
    GrowthRandom = ShapeRandom,
    GrowthAscending = ShapeAscending,
    GrowthDescending = ShapeDescending,
    GrowthAllEqual = ShapeAllEqual,
    GrowthNearlySorted = ShapeNearlySorted,
    GrowthFewDistinct = ShapeFewDistinct,
};
inline constexpr int GrowthInputs = SortShapes;
const char *growthInputName(int input);

// What is counted: the routine's own move counter, or its comparisons.
enum GrowthMeasure { MeasureMoves, MeasureComparisons };

inline constexpr std::array<int, 5> GrowthMaxima{100, 500, 1000, 2000, 5000};
inline constexpr int GrowthSmallest = 10;
inline constexpr int GrowthPoints = 50;
inline constexpr int GrowthMostTrials = 20;

// The sizes measured up to maximum: GrowthPoints sizes from 10 to maximum,
// each about the same factor larger than the one before, so that a sort of
// the largest size runs once per vector instead of dozens of times.
std::vector<int> growthSizes(int maximum);

struct SortCount
{
    Long moves = 0;               // the routine's NMosse
    std::int64_t comparisons = 0; // every test the routine reports to its observer
};

// Thrown out of a sort when its run was cancelled. Only worker threads meet
// it: where the tasks run in slices on the window's thread (the browser,
// whose build has no exceptions) a cancel can only come between two tasks.
struct GrowthCancelled
{
};

// Sorts V(0..n), n = V.size() - 1, with the algorithm's routine (a
// SortAlgorithm) exactly as runSort() calls it, and counts. When cancel is
// given and becomes true the sort is abandoned (GrowthCancelled) within a few
// thousand comparisons.
SortCount countSort(int algorithm, std::span<Integer> V, const std::atomic<bool> *cancel = nullptr);

// One point of a curve: over the trials, the mean and the extremes.
struct GrowthValue
{
    double mean = 0;
    std::int64_t least = 0;
    std::int64_t most = 0;
};

// All the runs behind one chart: for each size, each trial and each sort, one
// task. The vectors of the inputs that draw are drawn at construction (on
// the caller's thread, from the program's source); tasks can then run on any
// threads, each once, smallest sizes first. A point is ready when every task
// of its size ended.
class GrowthRun
{
public:
    // The first `algorithms` sorts of the catalogue: WindowSorts (the sorting
    // window's four) or SortAlgorithms (all of them). Inputs that draw nothing
    // are the same every time: one trial.
    GrowthRun(int input, int maximum, int trials, RandomSource &rnd, int algorithms = WindowSorts);

    int input() const { return input_; }
    int algorithms() const { return algorithms_; }
    int maximum() const { return sizes_.back(); }
    int trials() const { return trials_; }
    const std::vector<int> &sizes() const { return sizes_; }
    int taskCount() const { return static_cast<int>(results_.size()); }

    // Takes the next task nobody has taken and runs it; false when none is
    // left or the run was cancelled. Safe from several threads at once.
    bool runNext();
    void cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    bool cancelled() const { return cancelled_.load(std::memory_order_relaxed); }

    int tasksDone() const { return done_.load(std::memory_order_acquire); }
    bool finished() const { return tasksDone() == taskCount(); }
    // How many sizes, from the smallest, have every task done.
    int readyPoints() const;
    // A ready point of an algorithm's curve (algorithm < algorithms()).
    GrowthValue value(int algorithm, int point, int measure) const;

private:
    void runTask(int task);

    int input_;
    int algorithms_;
    int trials_;
    std::vector<int> sizes_;
    std::vector<Integer> drawn_;            // the drawn vectors' values, one after another
    std::vector<std::size_t> drawnAt_;      // where the vector of (point, trial) starts
    std::vector<SortCount> results_;        // by task: ((point x trials) + trial) x algorithms + algorithm
    std::unique_ptr<std::atomic<int>[]> remaining_; // tasks left, by point
    std::atomic<int> next_{0};
    std::atomic<int> done_{0};
    std::atomic<bool> cancelled_{false};
};

} // namespace quimbra
