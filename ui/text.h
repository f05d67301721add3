// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "types.h"

#include <string>
#include <string_view>

namespace quimbra {

// A number's decimal text alone: "-7", "0", "1234".
std::string plain(long long n);

// The same with the separator between each group of three digits, counted
// from the right: "-1.234.567".
std::string groupThousands(long long n, std::string_view separator);

// w blanks put in front of the text, of which only the last w characters
// remain: short texts are padded on the left, long ones keep their tail.
// Characters are Unicode code points of the UTF-8 text, so a typed "è" or an
// emoji is never split.
std::string rightAligned(std::string_view text, int w);
std::string rightAligned(long long n, int w);

// Reads the number at the start of a typed text and makes it a whole Integer.
// Blanks, tabs and line feeds are skipped anywhere; then an optional sign,
// digits, a fraction after a full stop and an exponent after E or D; or &H
// (hexadecimal) / &O (octal) digits. Reading stops at the first character that
// cannot continue the number; no number gives 0. The value is rounded to the
// nearest whole number, an exact half going to the even neighbour, computed
// exactly on the decimal digits (no binary floating point), and a value
// outside -32768..32767 is clamped to the nearest end of that range.
Integer textToInteger(std::string_view text);

} // namespace quimbra
