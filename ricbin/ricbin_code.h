// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "code_listing.h"
#include "variables.h"
#include "ricbin.h"

#include <string>
#include <vector>

namespace quimbra::ricbin {

// The code of RicBin: its pseudocode and its C++ lines as compiled from ricbin.h.
const CodeListing &searchListing();

// What the code panel and the variables panel show after steps 0..step of a
// search (-1: before the first): the source line lit (0: none) and the
// variables, "name = value".
struct StepCode
{
    int line = 0;
    std::vector<std::string> variables;
};
StepCode StepCodeAt(const SearchSteps &search, int N, int step);
// The same for the factorial: the listing of Fattoriale, the line of each step.
const CodeListing &factorialListing();
StepCode FactorialCodeAt(const FactorialSteps &steps, int step);
Variables FactorialVariablesAt(const FactorialSteps &steps, int step);
// The variables after that step, each marked where the step changed it.
Variables VariablesAt(const SearchSteps &search, int N, int step);

} // namespace quimbra::ricbin
