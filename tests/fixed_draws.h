// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "random.h"

#include <cstdint>

// A fixed pseudo-random sequence of draws from a given start, the same on every
// run. Qt-free, so that the fuzz targets can use it too.
class FixedDraws final : public quimbra::RandomSource
{
  public:
    explicit FixedDraws(std::uint64_t start) : state_(start) {}

    void seed(float) override {}
    double next() override
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) * 0x1.0p-53;
    }

  private:
    std::uint64_t state_;
};
