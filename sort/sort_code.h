// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "code_listing.h"

namespace quimbra {

// The code of the routine behind a column of the sorting window (0 Insertion
// .. 3 Quick): its pseudocode and its C++ lines as compiled from sorts.h.
const CodeListing &sortListing(int column);

} // namespace quimbra
