// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ricbin_questions.h"

#include <string>

namespace quimbra::ricbin {

using questions::Click;
using questions::Question;

namespace {

std::string at(int p) { return "V(" + std::to_string(p) + ")"; }

void nextProbe(const SearchSteps &s, std::span<const Integer>, int, std::vector<Question> &out)
{
    for (std::size_t k = 0; k < s.probes.size(); ++k) {
        const Probe &p = s.probes[k];
        out.push_back({"posizione", long(k),
                       "Si cerca " + std::to_string(s.x) + " tra le posizioni " + std::to_string(p.low) + " e " +
                           std::to_string(p.high) + ": quale posizione guarderà ora? Clicca la posizione o scrivi il numero",
                       {}, p.middle, 0, Click::Position,
                       "Guarda la posizione di mezzo: (" + std::to_string(p.low) + " + " + std::to_string(p.high) +
                           ") / 2 = " + std::to_string(p.middle)});
    }
}

void halfKept(const SearchSteps &s, std::span<const Integer>, int, std::vector<Question> &out)
{
    for (std::size_t k = 0; k < s.probes.size(); ++k) {
        const Probe &p = s.probes[k];
        const long answer = p.order < 0 ? 0 : p.order > 0 ? 1 : 2;
        const std::string seen = at(p.middle) + " = " + std::to_string(p.value);
        out.push_back({"metà", long(k),
                       "La ricerca guarda ora " + seen + ", e si cerca " + std::to_string(s.x) + ": dove cercherà dopo?",
                       {"Nella metà sinistra", "Nella metà destra", "Da nessuna parte: l'ha trovato"}, answer, 0,
                       Click::None,
                       answer == 2 ? seen + ": è il numero cercato"
                                   : seen + (answer == 0 ? " è maggiore di " : " è minore di ") + std::to_string(s.x) +
                                         ": il numero può stare solo " + (answer == 0 ? "prima" : "dopo")});
    }
}

void mostProbes(const SearchSteps &s, std::span<const Integer> V, int N, std::vector<Question> &out)
{
    if (N < 2 || s.probes.empty())
        return;
    std::size_t most = 0;
    for (int i = 1; i <= N && i < int(V.size()); ++i)
        most = std::max(most, RecordSearch(V, N, std::to_string(V[std::size_t(i)])).probes.size());
    out.push_back({"al più", 0,
                   "Con questi " + std::to_string(N) +
                       " valori, quante posizioni al più guarda la ricerca binaria, qualunque numero si cerchi? "
                       "Scrivi il numero",
                   {}, long(most), 0, Click::None,
                   "Al più " + std::to_string(most) + ": ogni volta le posizioni che restano si dimezzano"});
}

struct KindEntry
{
    void (*make)(const SearchSteps &, std::span<const Integer>, int, std::vector<Question> &);
};
constexpr KindEntry searchKinds[] = {{nextProbe}, {halfKept}, {mostProbes}};

} // namespace

std::vector<Question> SearchQuestions(const SearchSteps &search, std::span<const Integer> V, int N)
{
    std::vector<Question> out;
    if (search.count() == 0)
        return out;
    for (const KindEntry &kind : searchKinds)
        kind.make(search, V, N, out);
    std::vector<Question> calls = questions::CallQuestions(search.calls, "RicBin", search.count());
    out.insert(out.end(), calls.begin(), calls.end());
    return out;
}

std::vector<Question> FactorialQuestions(const FactorialSteps &steps)
{
    return questions::CallQuestions(steps.calls, "Fattoriale", steps.count());
}

} // namespace quimbra::ricbin
