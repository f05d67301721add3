// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "random.h"
#include "types.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// Binary search and factorial, free of any toolkit: the window frmRicBin owns
// the vector and turns these lines into list rows.
namespace quimbra::ricbin {

// V(1..N) = floor(r x 10000) for N draws, then sorted ascending by QuickSort.
// V must hold positions 0..N; position 0 is not touched.
void DrawSortedVector(std::span<Integer> V, int N, RandomSource &rnd);

// The lines of lstV: position right-aligned in 4, " - ", value right-aligned
// in 5; 12 characters each.
std::vector<std::string> VectorLines(std::span<const Integer> V, int N);

// Recursive binary search of x in V(low..high), appending one probe line
// "low - middle - high : value" to lstRB per probe. Returns the position met,
// or 0 when x is not there.
Integer RicBin(std::span<const Integer> V, Integer x, int low, int high,
               std::vector<std::string> &lstRB);

// Everything one press of "Ricerca Binaria" writes into the emptied lstRB for
// the typed text: nothing when it reads as 0, otherwise the probes and the
// three framed verdict lines.
std::vector<std::string> SearchLines(std::span<const Integer> V, int N, std::string_view typed);

// n! for n >= 2, 1 for every n <= 1, in 32-bit arithmetic; callers never pass
// more than 12.
Long Fattoriale(Integer n);

inline constexpr Integer LargestFactorial = 12;

// The digits of n grouped by threes from the right with the given separator
// (UTF-8), like the mask "###,###,###,###": 479001600 -> "479.001.600".
std::string GroupThousands(Long n, std::string_view separator);

} // namespace quimbra::ricbin
