// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Ricerca Binaria" button for any typed text, on one fixed sorted vector:
// at most 10 probes, each probe the next step of a binary search, a framed
// verdict of 22 characters, "TROVATO" exactly when the number is in the vector.
#include "../fixed_draws.h"
#include "reference.h"
#include "ricbin.h"
#include "text.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int N = 1000;

std::array<quimbra::Integer, N + 1> V{};

const std::string Frame(22, '*');
const std::string Found = " TROVATO ! ***";
const std::string Absent = " NON c'\u00e8 ! ***";

bool endsWith(const std::string &s, const std::string &tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FixedDraws draws(20240601);
    quimbra::ricbin::DrawSortedVector(V, N, draws);
    if (V[0] != 0 || !std::is_sorted(V.begin() + 1, V.end()) || V[1] < 0 || V[N] > 9999)
        reference::fail("the prepared vector is sorted and within 0..9999", "");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string typed(reinterpret_cast<const char *>(data), size);
    const std::vector<std::string> lines = quimbra::ricbin::SearchLines(V, N, typed);
    FUZZ_CHECK(lines == quimbra::ricbin::SearchLines(V, N, typed), typed);

    const int x = reference::readNumber(typed);
    FUZZ_CHECK(x == quimbra::textToInteger(typed), typed);
    if (x == 0) {
        FUZZ_CHECK(lines.empty(), typed);
        return 0;
    }
    FUZZ_CHECK(lines.size() >= 4 && lines.size() <= 13, typed);

    // Every probe line is the next step of the search, written plain.
    const std::size_t probes = lines.size() - 3;
    int low = 1;
    int high = N;
    bool found = false;
    for (std::size_t p = 0; p < probes; ++p) {
        FUZZ_CHECK(!found && low <= high, typed);
        const int middle = (low + high) / 2;
        const std::string expected = std::to_string(low) + " - " + std::to_string(middle) + " - " +
                                     std::to_string(high) + " : " + std::to_string(V[middle]);
        FUZZ_CHECK(lines[p] == expected, typed);
        if (V[middle] == x)
            found = true;
        else if (x < V[middle])
            high = middle - 1;
        else
            low = middle + 1;
    }
    FUZZ_CHECK(found || low > high, typed); // the search ran to its end
    FUZZ_CHECK(found == std::binary_search(V.begin() + 1, V.end(), x), typed);

    // The framed verdict quotes the last four characters of the text as typed.
    const std::string &verdict = lines[probes + 1];
    FUZZ_CHECK(lines[probes] == Frame && lines[probes + 2] == Frame, typed);
    const std::string &suffix = found ? Found : Absent;
    FUZZ_CHECK(verdict.rfind("*** ", 0) == 0 && endsWith(verdict, suffix), typed);
    const std::string t = verdict.substr(4, verdict.size() - 4 - suffix.size());
    FUZZ_CHECK(endsWith("    " + typed, t), typed);
    if (reference::codePoints(typed) >= 0) {
        FUZZ_CHECK(reference::codePoints(t) == 4, typed);
        FUZZ_CHECK(reference::codePoints(verdict) == 22, typed);
    }
    return 0;
}
