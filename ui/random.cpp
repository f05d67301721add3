// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <ctime>

namespace quimbra {

int scaledDraw(double r, int m)
{
    return std::clamp(static_cast<int>(r * m), 0, m - 1);
}

void MersenneRandom::seed(float secondsSinceMidnight)
{
    // The float's bits as the seed (memcpy rather than std::bit_cast, which
    // emscripten's C++ library lacks).
    static_assert(sizeof(float) == sizeof(std::uint32_t));
    std::uint32_t bits;
    std::memcpy(&bits, &secondsSinceMidnight, sizeof bits);
    engine_.seed(bits);
}

double MersenneRandom::next()
{
    // 53 random bits scaled by 2^-53: the largest value is 1 - 2^-53.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

float SystemClock::secondsSinceMidnight() const
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t); // Windows has no localtime_r; same call, arguments swapped
#else
    localtime_r(&t, &local);
#endif
    const auto fraction = duration<double>(now - system_clock::from_time_t(t)).count();
    return static_cast<float>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec +
                              std::clamp(fraction, 0.0, 0.999));
}

RandomSource &programRandom()
{
    static MersenneRandom source;
    return source;
}

const Clock &systemClock()
{
    static SystemClock clock;
    return clock;
}

} // namespace quimbra
