// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "abr.h"
#include "tree_ops.h"
#include "code_listing.h"
#include "variables.h"

#include <string>
#include <vector>

namespace quimbra::abr {

// The code of RicercaABR and of the three visits (0, 1, 2: pre-, in-,
// post-order): pseudocode and C++ lines as compiled from abr.h.
const CodeListing &searchListing();
const CodeListing &visitListing(int visit);
// The search and the visits on any tree: CercaABR and VisitaAlbero.
const CodeListing &anyTreeSearchListing();
const CodeListing &anyTreeVisitListing(int visit);
// The listing of what these steps play; nullptr for nothing.
const CodeListing *listingOf(const TreeSteps &steps);
// Inserisci, Elimina and the bisection of Costruisci.
const CodeListing &listingOf(const TreeRun &run);

// What the code panel and the variables panel show after steps 0..step
// (-1: before the first): the source line lit (0: none), which of the
// pseudocode rows of that line, and the variables, "name = value".
struct StepCode
{
    int line = 0;
    int branch = 0;
    std::vector<std::string> variables;
};
StepCode StepCodeAt(const Albero &ABR, const TreeSteps &steps, int step);
// The variables after that step, each marked where the step changed it.
Variables VariablesAt(const Albero &ABR, const TreeSteps &steps, int step);

// The same for a step of an insertion, a deletion or the build.
StepCode RunCodeAt(const TreeRun &run, int step);
Variables RunVariablesAt(const TreeRun &run, int step);

} // namespace quimbra::abr
