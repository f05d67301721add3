// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Ricerca" button of the tree window for any typed text, on fixed trees:
// the path runs from the root down the tree, 1 to 5 keys, the verdict is
// "TROVATO" exactly when the key is in the tree, and then the key found ends
// the path; the visit buttons list 33 lines for indices 0..2, nothing else.
#include "abr.h"
#include "../fixed_draws.h"
#include "reference.h"
#include "text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using quimbra::abr::N;

struct Tree
{
    quimbra::abr::Vettore Vet{};
    quimbra::abr::Tabella ABR{};
};

std::vector<Tree> trees;

Tree build(const quimbra::abr::Vettore &Vet)
{
    Tree t;
    t.Vet = Vet;
    quimbra::abr::CostruisciABR(t.Vet, t.ABR, 1, N, 1, 0, 0);
    return t;
}

void checkSearch(const Tree &t, const std::string &typed)
{
    const std::vector<std::string> lines = quimbra::abr::SearchLines(t.ABR, typed);
    FUZZ_CHECK(lines == quimbra::abr::SearchLines(t.ABR, typed), typed);

    const int x = reference::readNumber(typed);
    if (x == 0) {
        FUZZ_CHECK(lines.empty(), typed);
        return;
    }
    FUZZ_CHECK(lines.size() >= 4 && lines.size() <= 8, typed);
    const std::size_t pathLength = lines.size() - 3;
    const bool inTree = std::find(t.Vet.begin() + 1, t.Vet.end(), x) != t.Vet.end();
    FUZZ_CHECK(lines[pathLength] == "*******" && lines[pathLength + 2] == "*******", typed);
    FUZZ_CHECK(lines[pathLength + 1] == (inTree ? "TROVATO" : "NON c'\u00e8"), typed);

    // Down from the root: left for a smaller key, right otherwise, stopping
    // at the first node that holds the key.
    int k = 1;
    for (std::size_t i = 0; i < pathLength; ++i) {
        FUZZ_CHECK(k >= 1 && k <= N, typed);
        FUZZ_CHECK(lines[i] == std::to_string(t.ABR[k].Inf), typed);
        const bool last = i + 1 == pathLength;
        FUZZ_CHECK((t.ABR[k].Inf == x) == (last && inTree), typed);
        k = x < t.ABR[k].Inf ? t.ABR[k].Sx : t.ABR[k].Dx;
    }
    if (!inTree) FUZZ_CHECK(pathLength == 5 && k == 0, typed);
}

void checkVisit(const Tree &t, int index, const std::string &input)
{
    const std::vector<std::string> lines = quimbra::abr::VisitLines(t.ABR, index);
    if (index < 0 || index > 2) {
        FUZZ_CHECK(lines.empty(), input);
        return;
    }
    FUZZ_CHECK(lines.size() == 33 && lines[1] == "----", input);
    std::vector<int> keys;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        FUZZ_CHECK(lines[i].size() == 4, input);
        keys.push_back(std::stoi(lines[i]));
    }
    std::vector<int> sorted(t.Vet.begin() + 1, t.Vet.end());
    std::vector<int> listed = keys;
    std::sort(listed.begin(), listed.end());
    FUZZ_CHECK(listed == sorted, input); // every key once, duplicates included
    if (index == 1) FUZZ_CHECK(keys == sorted, input);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FixedDraws draws(31);
    quimbra::abr::Vettore drawn{};
    quimbra::abr::DrawKeys(drawn, draws);
    trees.push_back(build(drawn));

    // Many repeated keys, the smallest and largest keys among them.
    quimbra::abr::Vettore repeated{};
    const int keys[N] = {0,   0,   0,   1,   5,   5,   7,   7,   7,   7,   12,
                         12,  100, 100, 100, 100, 100, 250, 250, 500, 500, 501,
                         777, 777, 900, 998, 999, 999, 999, 999, 999};
    std::copy(std::begin(keys), std::end(keys), repeated.begin() + 1);
    trees.push_back(build(repeated));

    for (const Tree &t : trees)
        if (!std::is_sorted(t.Vet.begin() + 1, t.Vet.end()))
            reference::fail("the tree's keys are sorted", "");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string typed(reinterpret_cast<const char *>(data), size);
    FUZZ_CHECK(reference::readNumber(typed) == quimbra::textToInteger(typed), typed);
    int index = 0;
    if (size >= 4) std::memcpy(&index, data, 4);
    for (const Tree &t : trees) {
        checkSearch(t, typed);
        checkVisit(t, index % 5 - 1, typed);
        checkVisit(t, index, typed);
    }
    return 0;
}
