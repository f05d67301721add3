// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "types.h"

#include <string>
#include <string_view>
#include <vector>

// Lists of whole numbers typed or pasted by a teacher ("7 3 9 1 4", "7, 3, 9",
// a spreadsheet's column) and the same lists written back as one line.
namespace quimbra {

struct ValueRules
{
    int fewest = 1;       // values at least
    int most = 1000;      // values at most
    int lowest = 1;       // each value at least
    int highest = 32767;  // each value at most
    bool distinct = false; // a repeated value is refused
};

struct ValueList
{
    std::vector<Integer> values;
    std::string error; // one Italian sentence, empty when the text is good
    bool ok() const { return error.empty(); }
};

// Reads the values of a text. They are separated by blanks, tabs, line ends,
// semicolons or commas; a value is ASCII digits with an optional plus sign in
// front, and nothing else is taken (no minus, no decimals, no exponent, no
// hexadecimal), so that what is read is exactly what was written. A comma
// between two digits is a decimal comma, as Italian texts and spreadsheets
// write "3,5", wherever the text also separates in another way; a text
// separated by commas alone ("7,3,9", a link's list) has its commas as
// separators. The first fault found is the error, saying what and where:
// "«3,5» (il 4º valore) non è un numero intero". Reading stops as soon as
// there are too many values, so a huge paste costs little.
ValueList readValueList(std::string_view text, const ValueRules &rules);

// A text as a sentence quotes it: "«3,5»", control characters and bytes that
// are not UTF-8 shown as "?", and a long one cut after 24 characters.
std::string quoted(std::string_view text);

// The values as one line that reads back the same: "7, 3, 9, 1, 4".
std::string writeValueList(const std::vector<Integer> &values);

} // namespace quimbra
