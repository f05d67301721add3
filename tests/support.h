// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fixed_draws.h"
#include "random.h"

#include <QtTest>

#include <vector>

namespace quimbra::testing {

// The lines of the program's core as Qt strings, for comparing with a list.
inline QStringList toQt(const std::vector<std::string> &lines)
{
    QStringList out;
    for (const std::string &line : lines)
        out << QString::fromStdString(line);
    return out;
}

// A random source the test controls: it replays the given values in a loop,
// or, when given none, a fixed pseudo-random sequence. It counts seeds and draws.
class ScriptedRandom final : public RandomSource
{
public:
    ScriptedRandom() = default;
    template <class Range>
    explicit ScriptedRandom(const Range &values) : values_(values.begin(), values.end())
    {
    }

    void seed(float s) override
    {
        ++seeds;
        lastSeed = s;
    }
    double next() override
    {
        ++draws;
        if (!values_.empty())
            return values_[static_cast<std::size_t>(draws - 1) % values_.size()];
        return fallback_.next();
    }

    int seeds = 0;
    long draws = 0;
    float lastSeed = 0;

private:
    std::vector<double> values_;
    FixedDraws fallback_{42};
};

class FixedClock final : public Clock
{
public:
    float secondsSinceMidnight() const override { return seconds; }
    float seconds = 36000.25f;
};

} // namespace quimbra::testing
