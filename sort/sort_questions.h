// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "questions.h"
#include "types.h"

#include <vector>

namespace quimbra {

// The questions that a sort's run can ask, each read off the run recorded
// from the routine: where the pivot ends (Quick), how many exchanges a pass
// makes (Bubble), where v is placed (Inserimento, Shell), which value is the
// next minimum (Selection), which value goes first into W (Merge), whether a
// sift exchanges anything (Heap), whether the comparison coming next moves
// anything, the moves and the comparisons in all, and the calls of the
// recursive ones. values is V(0..N). Questions come from the run's first
// QuestionSteps steps, and the moves in all from the whole run.
inline constexpr long QuestionSteps = 20000;
std::vector<questions::Question> SortQuestions(int algorithm, const std::vector<Integer> &values);

} // namespace quimbra
