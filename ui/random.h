// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

namespace quimbra {

// The program's one pseudo-random source. Each demonstration window seeds it
// when it loads; every draw is uniform in [0, 1) and never 1.0.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seed(float secondsSinceMidnight) = 0;
    virtual double next() = 0;
};

// floor(r x m) for a draw r in [0, 1): a whole number in 0..m-1.
int scaledDraw(double r, int m);

class MersenneRandom final : public RandomSource
{
public:
    void seed(float secondsSinceMidnight) override;
    double next() override;

private:
    std::mt19937_64 engine_;
};

// The seconds elapsed since local midnight, with their fraction.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual float secondsSinceMidnight() const = 0;
};

class SystemClock final : public Clock
{
public:
    float secondsSinceMidnight() const override;
};

// The instances the real program uses; tests hand the windows their own.
RandomSource &programRandom();
const Clock &systemClock();

} // namespace quimbra
