// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Fattoriale" button for any typed text: a number above 12 is refused,
// any other gives its factorial (1 for 1, 0 and every negative number) with
// its digits grouped by threes, whatever the separator.
#include "reference.h"
#include "ricbin.h"
#include "text.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// The text without its separators must be the plain number, and the groups
// must be 1 to 3 digits first, then exactly 3 each.
void checkGrouped(long long n, const std::string &grouped, std::string_view sep,
                  std::string_view input)
{
    std::string rest = grouped;
    std::string sign;
    if (n < 0) {
        FUZZ_CHECK(!rest.empty() && rest[0] == '-', input);
        sign = "-";
        rest.erase(0, 1);
    }
    std::string digits;
    std::size_t group = 0;
    bool first = true;
    for (std::size_t i = 0; i <= rest.size();) {
        if (i == rest.size() || rest.compare(i, sep.size(), sep) == 0) {
            FUZZ_CHECK(first ? group >= 1 && group <= 3 : group == 3, input);
            first = false;
            group = 0;
            if (i == rest.size()) break;
            i += sep.size();
            continue;
        }
        FUZZ_CHECK(rest[i] >= '0' && rest[i] <= '9', input);
        digits.push_back(rest[i]);
        ++group;
        ++i;
    }
    FUZZ_CHECK(sign + digits == std::to_string(n), input);
}

const char *const Separators[] = {".", ",", "'", "\u00a0", "\u202f"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view typed(reinterpret_cast<const char *>(data), size);
    const int n = quimbra::textToInteger(typed);
    FUZZ_CHECK(n == reference::readNumber(typed), typed);
    FUZZ_CHECK(n == quimbra::textToInteger(typed), typed);

    if (n <= quimbra::ricbin::LargestFactorial) {
        long long expected = 1;
        for (int k = 2; k <= n; ++k)
            expected *= k;
        const quimbra::Long f = quimbra::ricbin::Fattoriale(static_cast<quimbra::Integer>(n));
        FUZZ_CHECK(f == expected, typed);
        FUZZ_CHECK(f == quimbra::ricbin::Fattoriale(static_cast<quimbra::Integer>(n)), typed);
        for (const char *sep : Separators)
            checkGrouped(f, quimbra::ricbin::GroupThousands(f, sep), sep, typed);
    }
    // Otherwise the window shows its warning and computes nothing.

    // Grouping any 32-bit number, the most negative one included.
    if (size >= 4) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, data, 4);
        const auto any = static_cast<quimbra::Long>(bits);
        for (const char *sep : Separators)
            checkGrouped(any, quimbra::ricbin::GroupThousands(any, sep), sep, typed);
    }
    return 0;
}
