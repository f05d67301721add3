// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace quimbra {

// A routine's variables after a step, as the variables panel lists them: one
// "name = value" line each, and whether the step changed it.
struct Variables
{
    std::vector<std::string> lines;
    std::vector<bool> changed;
};

// The lines `now`, each marked changed where it differs from the same line
// one step before, or was not there (a routine replayed from its recorded
// lines knows its variables only as text).
inline Variables changedSince(std::vector<std::string> now, const std::vector<std::string> &before)
{
    std::vector<bool> changed(now.size(), true);
    for (std::size_t n = 0; n < now.size() && n < before.size(); ++n)
        changed[n] = now[n] != before[n];
    return {std::move(now), std::move(changed)};
}

} // namespace quimbra
