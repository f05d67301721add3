// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results.h"

#include <string>
#include <string_view>

namespace quimbra {

// How many steps the exercise of this code and name asks for, replayed as the
// step views record it: the sorts by their titles, "Ricerca binaria", the
// tree's "Ricerca nell'ABR", visits, insertion and deletion; -1 for a name or
// a code that no exercise has.
int ExerciseStepCount(int code, const std::string &name);

// The pasted text read into result lines, each judged against its exercise.
exercise::PastedResults ReadPastedResults(std::string_view text);

} // namespace quimbra
