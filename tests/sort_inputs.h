// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Inputs for the tests of the sorts and of their step-by-step replay.
#include "types.h"

#include <random>
#include <vector>

namespace quimbra::testing {

// A vector as the window holds it: position 0 holds 0, the elements follow.
inline std::vector<Integer> withZero(const std::vector<int> &elements)
{
    std::vector<Integer> v{0};
    for (int e : elements)
        v.push_back(Integer(e));
    return v;
}

inline std::vector<int> descending(int n)
{
    std::vector<int> e;
    for (int i = n; i >= 1; --i)
        e.push_back(i);
    return e;
}

// n values drawn from 1..maxValue, as the window draws them.
inline std::vector<int> randomElements(unsigned seed, int n, int maxValue)
{
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> dist(1, maxValue);
    std::vector<int> e(n);
    for (int &x : e)
        x = dist(gen);
    return e;
}

} // namespace quimbra::testing
