// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "abr.h"
#include "questions.h"
#include "tree_ops.h"

#include <string_view>
#include <vector>

namespace quimbra::abr {

// The questions of a search or a visit recorded on this tree: which way the
// search goes at a node, how many nodes it looks at, which key a visit meets
// next, and the calls of the routine (named so).
std::vector<questions::Question> TreeQuestions(const Albero &tree, const TreeSteps &steps, std::string_view routine);

// The questions of an insertion, a deletion or a build: which way the key
// goes at a node, under which key it hangs, how many keys it is compared
// with, which key takes the place of a deleted node with two children, and
// the build's calls.
std::vector<questions::Question> OperationQuestions(const TreeRun &run);

} // namespace quimbra::abr
