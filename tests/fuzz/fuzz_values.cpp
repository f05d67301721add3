// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a typed list of values: always the same answer; a list read is
// within its rules and reads back the same once written; a refused one keeps
// no values and says why in valid UTF-8; and a good list stays good, with the
// same values, whatever separators stand between them.
#include "reference.h"
#include "value_list.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

namespace {

void checkList(std::string_view in, const quimbra::ValueRules &rules)
{
    const quimbra::ValueList list = quimbra::readValueList(in, rules);
    const quimbra::ValueList again = quimbra::readValueList(in, rules);
    FUZZ_CHECK(list.values == again.values && list.error == again.error, in);
    if (!list.ok()) {
        FUZZ_CHECK(list.values.empty(), in);
        FUZZ_CHECK(reference::codePoints(list.error) > 0, in);
        return;
    }
    const auto n = static_cast<int>(list.values.size());
    FUZZ_CHECK(n >= rules.fewest && n <= rules.most, in);
    for (int v : list.values)
        FUZZ_CHECK(v >= rules.lowest && v <= rules.highest, in);
    if (rules.distinct)
        FUZZ_CHECK(std::set<int>(list.values.begin(), list.values.end()).size() == list.values.size(), in);
    const std::string line = quimbra::writeValueList(list.values);
    FUZZ_CHECK(quimbra::readValueList(line, rules).values == list.values, in);
    // The same values one to a line, as a spreadsheet's column pastes them.
    std::string column;
    for (int v : list.values)
        column += std::to_string(v) + "\r\n";
    FUZZ_CHECK(quimbra::readValueList(column, rules).values == list.values, in);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view in(reinterpret_cast<const char *>(data), size);
    quimbra::ValueRules rules; // the sorts' list
    checkList(in, rules);
    rules = {2, 1000, 1, 32767, false}; // the binary search's
    checkList(in, rules);
    rules = {1, 63, 1, 32767, true}; // a tree's keys
    checkList(in, rules);
    return 0;
}
