// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "code_listing.h"
#include "random.h"
#include "sorts.h"
#include "types.h"

#include <span>
#include <string>
#include <vector>

// Every sort the program shows, in one place: the sorting window's four in
// its column order, then the four that only the step views and the growth
// chart show. Whatever lists, runs, counts or explains a sort reads this
// catalogue; a new sort is one entry here, its routine in sorts.h and its
// case in runSort().
namespace quimbra {

enum SortAlgorithm {
    AlgoInsertion, // the window's "Insertion": ExchangeSort
    AlgoBubble,
    AlgoShell,
    AlgoQuick,
    AlgoSelection,
    AlgoInserimento, // insertion by shifting
    AlgoMerge,
    AlgoHeap,
};
inline constexpr int SortAlgorithms = 8;
// The sorting window shows the first four, one column each.
inline constexpr int WindowSorts = 4;

// What an exercise on a sort asks the student to click.
enum class SortMoves {
    Exchanges, // the two bars of each exchange
    Shifts,    // each shift's source and destination, then the held value's destination
    ToAux,     // the value that goes next into W
};

struct SortEntry
{
    const char *title;     // as the lists name it: "Insertion", "Merge"
    const char *what;      // the code panel's title: what kind of sort it is
    const char *signature; // the start of the routine's first C++ line, for its code
    std::vector<PseudoLine> pseudocode;
    const char *held;      // the value the routine holds aside ("v", "pivot"), or nullptr
    bool recursive;
    SortMoves moves;
};

const SortEntry &sortEntry(int algorithm);
inline const char *sortTitle(int algorithm) { return sortEntry(algorithm).title; }
// The routine's own name, as its calls are written: "QuickSort", "MergeSort".
std::string sortRoutine(int algorithm);
// The code of the algorithm's routine: its pseudocode and its C++ lines as
// compiled from sorts.h.
const CodeListing &sortListing(int algorithm);

// Runs the algorithm's routine on V(0..N), N = V.size() - 1, exactly as the
// sorting window calls its own, telling the observer all it does.
template <class Observer>
void runSort(int algorithm, std::span<Integer> V, Long &NMosse, Observer &observer)
{
    const int N = static_cast<int>(V.size()) - 1;
    switch (algorithm) {
    case AlgoInsertion: ExchangeSort(V, N, NMosse, observer); break;
    case AlgoBubble: BubbleSort(V, N, NMosse, observer); break;
    case AlgoShell: ShellSort(V, N, NMosse, observer); break;
    case AlgoQuick: QuickSort(V, 1, N, NMosse, observer); break;
    case AlgoSelection: SelectionSort(V, N, NMosse, observer); break;
    case AlgoInserimento: InsertionSort(V, N, NMosse, observer); break;
    case AlgoMerge: {
        std::vector<Integer> W(V.size(), 0);
        MergeSort(V, std::span<Integer>(W), 1, N, NMosse, observer);
        break;
    }
    case AlgoHeap: HeapSort(V, N, NMosse, observer); break;
    }
}

// The same with nobody watching.
void runSort(int algorithm, std::span<Integer> V, Long &NMosse);

// The shapes of data that the sorts are tried on.
enum SortShape {
    ShapeRandom,       // values 1..10000 drawn as the sorting window draws its own
    ShapeAscending,    // 1 .. n
    ShapeDescending,   // n .. 1
    ShapeAllEqual,     // n times 5000
    ShapeNearlySorted, // 1 .. n with n / 50 random pairs of positions exchanged, at least one
    ShapeFewDistinct,  // n values drawn from 1..5
};
inline constexpr int SortShapes = 6;
// Whether the shape draws from the random source (and so differs each time).
bool shapeDraws(int shape);
// V(0..n): V(0) = 0, then the n values of the shape.
std::vector<Integer> sortInput(int shape, int n, RandomSource &rnd);

} // namespace quimbra
