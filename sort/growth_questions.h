// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "growth.h"
#include "questions.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace quimbra {

// The reference curves of the chart: n, n·log₂ n and n(n − 1)/2.
inline constexpr int GrowthReferences = 3;
double GrowthReference(int r, double n);
const char *GrowthReferenceName(int r);

// A prediction that the growth chart asks before it shows its curves: a
// count at a given n for one sort, which sort needs the fewest, or which
// reference curve a sort follows. Asked before the run is computed; its
// answer comes from the run once it is.
struct GrowthQuestion
{
    enum Kind { Count, Fewest, Curve };
    Kind kind = Count;
    int algorithm = 0;           // Count, Curve
    int n = 0;                   // Count, Fewest: the size asked about (the run's largest)
    int measure = MeasureMoves;
    std::vector<int> candidates; // Fewest: the sorts on the buttons
    questions::Question ask;     // the text, the buttons, the tolerance; answer and why once known
};

// A prediction about a run of these sorts (the catalogue's first
// `algorithms`) on this input up to `maximum`, counting `measure`, drawn by
// the seed among the kinds.
GrowthQuestion AskGrowth(int input, int algorithms, int maximum, int measure, std::uint64_t seed);
// Fills in the answer and its why (counts grouped by thousands with the
// separator) from the run; false while the run lacks the points it needs.
bool AnswerGrowth(GrowthQuestion &q, const GrowthRun &run, std::string_view separator = {});

} // namespace quimbra
