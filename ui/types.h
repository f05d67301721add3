// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace quimbra {

// The program's whole numbers: positions, values, keys and links are 16-bit,
// the factorial and the move counters 32-bit.
using Integer = std::int16_t;
using Long = std::int32_t;

inline constexpr int IntegerMin = -32768;
inline constexpr int IntegerMax = 32767;

} // namespace quimbra
