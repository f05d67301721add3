// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "questions.h"
#include "ricbin.h"

#include <span>
#include <vector>

namespace quimbra::ricbin {

// The questions that a recorded search can ask: which position it looks at
// next, where it goes after a probe, how many probes it can take at most on
// these values (the longest of the searches of each of them), and its calls.
// V(1..N) are the values searched.
std::vector<questions::Question> SearchQuestions(const SearchSteps &search, std::span<const Integer> V, int N);

// The calls of the factorial: how deep they go, how many, what each returns.
std::vector<questions::Question> FactorialQuestions(const FactorialSteps &steps);

} // namespace quimbra::ricbin
