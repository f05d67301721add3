// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ricbin.h"

#include "sorts.h"
#include "text.h"

#include <algorithm>
#include <cassert>

namespace quimbra::ricbin {

namespace {

using detail::lastPosition;

const std::string FrameLine(22, '*');

} // namespace

void DrawSortedVector(std::span<Integer> V, int N, RandomSource &rnd)
{
    const int last = lastPosition(V.size(), N);
    for (int i = 1; i <= last; ++i)
        V[static_cast<std::size_t>(i)] = static_cast<Integer>(scaledDraw(rnd.next(), 10000));
    QuickSort(V, 1, last);
}

std::vector<std::string> VectorLines(std::span<const Integer> V, int N)
{
    const int last = lastPosition(V.size(), N);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(last));
    for (int i = 1; i <= last; ++i)
        lines.push_back(rightAligned(i, 4) + " - " + rightAligned(V[static_cast<std::size_t>(i)], 5));
    return lines;
}

Integer RicBin(std::span<const Integer> V, Integer x, int low, int high,
               std::vector<std::string> &lstRB)
{
    NoProbes none;
    return RicBin(V, x, low, high, lstRB, none);
}

std::vector<std::string> SearchLines(std::span<const Integer> V, int N, std::string_view typed)
{
    NoProbes none;
    return SearchLines(V, N, typed, none);
}

namespace detail {

void addVerdict(std::vector<std::string> &lstRB, std::string_view typed, Integer position)
{
    // The verdict quotes the text as typed, not the number it became.
    const std::string t = rightAligned(typed, 4);
    lstRB.push_back(FrameLine);
    lstRB.push_back("*** " + t + (position == 0 ? " NON c'\u00e8 ! ***" : " TROVATO ! ***"));
    lstRB.push_back(FrameLine);
}

} // namespace detail

std::size_t SearchSteps::linesAfter(int step) const
{
    if (step < 0)
        return 0;
    if (step < static_cast<int>(probes.size()))
        return static_cast<std::size_t>(step) + 1;
    return lines.size();
}

int SearchSteps::found() const
{
    if (probes.empty() || probes.back().order != 0)
        return 0;
    return probes.back().middle;
}

SearchSteps RecordSearch(std::span<const Integer> V, int N, std::string_view typed)
{
    SearchSteps search;
    search.x = textToInteger(typed);
    // A call belongs to the step that comes next: the probe it makes, or
    // for the returns, the verdict.
    Observers record{[&search](const Probe &p) { search.probes.push_back(p); },
                     [&search](const CallEnter &c) { search.calls.enter(c, long(search.probes.size())); },
                     [&search](const CallReturn &c) { search.calls.leave(c, long(search.probes.size())); }};
    search.lines = SearchLines(V, N, typed, record);
    return search;
}

std::string StepSentence(const SearchSteps &search, int N, int step)
{
    const std::string x = plain(search.x);
    if (search.count() == 0)
        return "Scrivi un numero diverso da 0 da cercare nel vettore";
    if (step < 0)
        return "Si cerca " + x + " tra le posizioni 1 e " + plain(N);
    if (step >= static_cast<int>(search.probes.size())) {
        const int at = search.found();
        return at ? x + " \u00e8 nel vettore, in posizione " + plain(at) : x + " non \u00e8 nel vettore";
    }
    const Probe &p = search.probes[static_cast<std::size_t>(step)];
    const std::string value = plain(p.value);
    if (p.order == 0)
        return value + " \u00e8 uguale a " + x + ": trovato in posizione " + plain(p.middle);
    const bool left = p.order < 0;
    const int low = left ? p.low : p.middle + 1;
    const int high = left ? p.middle - 1 : p.high;
    const std::string why = value + (left ? " \u00e8 maggiore di " : " \u00e8 minore di ") + x;
    if (low > high)
        return why + ": non resta nessuna posizione in cui cercare";
    if (low == high)
        return why + ": resta solo la posizione " + plain(low);
    return why + ": si cerca tra " + plain(low) + " e " + plain(high);
}

std::vector<exercise::Expected> ExerciseSteps(const SearchSteps &search)
{
    std::vector<exercise::Expected> steps;
    if (search.count() == 0 || search.probes.empty())
        return steps;
    const std::string x = plain(search.x);
    // Why the search goes on where it does: the probe before decided it.
    auto after = [&](const Probe &p) {
        const bool left = p.order < 0;
        return x + (left ? " \u00e8 minore di " : " \u00e8 maggiore di ") + plain(p.value);
    };
    for (std::size_t i = 0; i < search.probes.size(); ++i) {
        const Probe &p = search.probes[i];
        const std::string middle = p.low == p.high
                                       ? "resta solo la posizione " + plain(p.low)
                                       : "la posizione di mezzo tra " + plain(p.low) + " e " +
                                             plain(p.high) + " \u00e8 " + plain(p.middle);
        std::string why = i == 0 ? middle : after(search.probes[i - 1]) + ": " + middle;
        steps.push_back({{p.middle}, false, std::move(why)});
    }
    if (search.found())
        steps.push_back({}); // the verdict plays by itself
    else
        steps.push_back({{exercise::NotThere}, false,
                         after(search.probes.back()) + ": non resta nessuna posizione in cui cercare"});
    return steps;
}

Long Fattoriale(Integer n)
{
    // 13! no longer fits 32 bits; the window refuses such n before calling.
    assert(n <= LargestFactorial);
    IgnoreCalls nobody;
    return Fattoriale(n, nobody);
}

FactorialSteps RecordFactorial(std::string_view typed)
{
    FactorialSteps steps;
    steps.n = textToInteger(typed);
    if (steps.n > LargestFactorial) {
        steps.tooLarge = true;
        return steps;
    }
    // Each event is a step, but the first call's beginning, before the first.
    Observers record{[&](const CallEnter &c) {
                         steps.calls.enter(c, long(steps.events.size()) - 1);
                         steps.events.push_back({true, Integer(c.a), 0});
                     },
                     [&](const CallReturn &c) {
                         steps.calls.leave(c, long(steps.events.size()) - 1);
                         steps.events.push_back({false, 0, Long(c.result)});
                     }};
    Fattoriale(steps.n, record);
    // A return belongs to the call that began last and has not returned.
    std::vector<Integer> open;
    for (FactorialSteps::Event &e : steps.events) {
        if (e.enter) {
            open.push_back(e.n);
        } else {
            e.n = open.back();
            open.pop_back();
        }
    }
    return steps;
}

std::string FactorialSentence(const FactorialSteps &steps, int step, std::string_view separator)
{
    const auto call = [](Integer n) { return "Fattoriale(" + std::to_string(n) + ")"; };
    if (steps.tooLarge)
        return "Numero troppo grande, al massimo calcolo il fattoriale di 12";
    if (steps.events.empty())
        return {};
    if (step < 0)
        return "Si chiama " + call(steps.n);
    const FactorialSteps::Event &e = steps.eventOf(std::min(step, steps.count() - 1));
    if (e.enter)
        return call(Integer(e.n + 1)) + " chiama " + call(e.n);
    const std::string result = groupThousands(e.result, separator);
    if (e.n <= 1)
        return call(e.n) + " = 1: il caso base, senza altre chiamate";
    return call(e.n) + " = " + std::to_string(e.n) + " \u00d7 " + groupThousands(e.result / e.n, separator) +
           " = " + result;
}

std::string GroupThousands(Long n, std::string_view separator)
{
    return groupThousands(n, separator);
}

} // namespace quimbra::ricbin
