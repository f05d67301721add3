// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "types.h"

#include <span>

// The four classic teaching sorts, each adding 1 to NMosse for every data move
// it counts. V is the whole vector from position 0: the elements stand at
// positions 1..N and position 0 holds 0 (only ShellSort reaches it, and never
// moves it because every element is at least 1).
namespace quimbra {

// Every position compared with every later one, exchanged when the later is
// smaller (shown as "Insertion"). Counts each exchange.
void ExchangeSort(std::span<Integer> V, int N, Long &NMosse);

// Full passes over 1..N until a pass exchanges nothing. Counts each exchange.
void BubbleSort(std::span<Integer> V, int N, Long &NMosse);

// Gaps 3h+1 derived from N, over positions 0..V.size()-1, ending with a gap-0
// pass. Counts each shift and each placement of the held value.
void ShellSort(std::span<Integer> V, int N, Long &NMosse);

// Quicksort of V(first..last) with the first element as pivot; equal values go
// right and the left range keeps the pivot's own position. Counts every
// exchange, a position with itself included. Recurses up to one level per
// element, so callers need no more than the default stack for 1000 elements.
void QuickSort(std::span<Integer> V, int first, int last, Long &NMosse);

// The same quicksort when nobody reads the count.
void QuickSort(std::span<Integer> V, int first, int last);

} // namespace quimbra
