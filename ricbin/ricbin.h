// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calls.h"
#include "exercise.h"
#include "random.h"
#include "text.h"
#include "types.h"

#include <algorithm>
#include <compare>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Binary search and factorial, free of any toolkit: the window frmRicBin owns
// the vector and turns these lines into list rows.
namespace quimbra::ricbin {

// V(1..N) = floor(r x 10000) for N draws, then sorted ascending by QuickSort.
// V must hold positions 0..N; position 0 is not touched.
void DrawSortedVector(std::span<Integer> V, int N, RandomSource &rnd);

// The lines of lstV: position right-aligned in 4, " - ", value right-aligned
// in 5; 12 characters each.
std::vector<std::string> VectorLines(std::span<const Integer> V, int N);

// One probe of the search as it is reported to an observer: the range, the
// middle position, the value found there and how x compares with it (less:
// the search goes on left of the middle, greater: right, equal: found).
struct Probe
{
    int low, middle, high;
    Integer value;
    std::strong_ordering order;
};

// The observer of a search that nobody watches.
struct NoProbes : IgnoreCalls
{
    using IgnoreCalls::operator();
    void operator()(const Probe &) const {}
};

namespace detail {

// The last position that both N and the storage allow: a vector shorter than
// N + 1 is never read past its end.
inline int lastPosition(std::size_t size, int N)
{
    if (size == 0)
        return 0;
    return std::clamp(N, 0, static_cast<int>(std::min<std::size_t>(size - 1, IntegerMax)));
}

void addVerdict(std::vector<std::string> &lstRB, std::string_view typed, Integer position);

} // namespace detail

// Recursive binary search of x in V(low..high), appending one probe line
// "low - middle - high : value" to lstRB per probe and reporting each probe to
// the observer after its line. Returns the position met, or 0 when x is not
// there. A call that probes is reported as it begins and as it returns, so
// the depth of the calls is the number of probes.
template <class Observer>
Integer RicBin(std::span<const Integer> V, Integer x, int low, int high,
               std::vector<std::string> &lstRB, Observer &observe)
{
    // Bounds beyond the storage are narrowed to it, so a probe never leaves
    // positions 1..V.size()-1.
    low = std::max(low, 1);
    high = detail::lastPosition(V.size(), high);
    if (low > high)
        return 0;

    observe(CallEnter{low, high});
    const int middle = (low + high) / 2;
    const Integer value = V[static_cast<std::size_t>(middle)];
    lstRB.push_back(plain(low) + " - " + plain(middle) + " - " + plain(high) + " : " + plain(value));
    observe(Probe{low, middle, high, value, x <=> value});

    if (value == x)
        return returned(observe, static_cast<Integer>(middle));
    if (x < value)
        return returned(observe, RicBin(V, x, low, middle - 1, lstRB, observe));
    return returned(observe, RicBin(V, x, middle + 1, high, lstRB, observe));
}

Integer RicBin(std::span<const Integer> V, Integer x, int low, int high,
               std::vector<std::string> &lstRB);

// Everything one press of "Ricerca Binaria" writes into the emptied lstRB for
// the typed text: nothing when it reads as 0, otherwise the probes and the
// three framed verdict lines. The observer sees every probe.
template <class Observer>
std::vector<std::string> SearchLines(std::span<const Integer> V, int N, std::string_view typed,
                                     Observer &observe)
{
    std::vector<std::string> lstRB;
    // A number beyond the Integer range arrives clamped to -32768 or 32767;
    // the drawn values lie in 0..9999, so it is searched and not found.
    const Integer x = textToInteger(typed);
    if (x == 0)
        return lstRB;
    const Integer position = RicBin(V, x, 1, detail::lastPosition(V.size(), N), lstRB, observe);
    detail::addVerdict(lstRB, typed, position);
    return lstRB;
}

std::vector<std::string> SearchLines(std::span<const Integer> V, int N, std::string_view typed);

// A search as the step view replays it: the lines that lstRB would show, and
// the probes that the search reported. Its steps are the probes, one line
// each, then the verdict, the last three lines.
struct SearchSteps
{
    Integer x = 0;
    std::vector<std::string> lines;
    std::vector<Probe> probes;
    CallTrace calls; // the calls of RicBin, by step

    // 0 when the text reads as 0 and nothing is searched.
    int count() const { return lines.empty() ? 0 : static_cast<int>(probes.size()) + 1; }
    // How many lines stand in the list once steps 0..step are done (-1: none).
    std::size_t linesAfter(int step) const;
    // The position where x was met, or 0.
    int found() const;
};

SearchSteps RecordSearch(std::span<const Integer> V, int N, std::string_view typed);

// What a step decided, in Italian: before the first step (-1), after a probe,
// after the verdict.
std::string StepSentence(const SearchSteps &search, int N, int step);

// The binary search as an exercise: the student picks the middle position of
// every probe and, when x is not there, answers "Non c'è" where the search
// gives up; a found x ends with its probe (the verdict plays by itself).
std::vector<exercise::Expected> ExerciseSteps(const SearchSteps &search);

// n! for n >= 2, 1 for every n <= 1, in 32-bit arithmetic; callers never pass
// more than 12. Each call is reported as it begins and as it returns.
template <class Observer>
Long Fattoriale(Integer n, Observer &observe)
{
    observe(CallEnter{n});
    if (n > 1)
        return returned(observe, n * Fattoriale(static_cast<Integer>(n - 1), observe));
    return returned(observe, Long(1));
}

Long Fattoriale(Integer n);

// The factorial as its step view plays it: every call as it begins (the
// first before the first step) and as it returns, one step each.
struct FactorialSteps
{
    Integer n = 0;
    bool tooLarge = false; // above 12: nothing computed
    struct Event
    {
        bool enter;
        Integer n;
        Long result; // once returned
    };
    std::vector<Event> events;
    CallTrace calls;

    int count() const { return events.empty() ? 0 : static_cast<int>(events.size()) - 1; }
    // The event that step plays (the first is played before step 0).
    const Event &eventOf(int step) const { return events[std::size_t(step + 1)]; }
};

// Reads n from the text as the window does and records its factorial.
FactorialSteps RecordFactorial(std::string_view typed);
// What a step did: "Fattoriale(5) chiama Fattoriale(4)", "Fattoriale(1) = 1",
// "Fattoriale(2) = 2 × 1 = 2", numbers grouped with the separator.
std::string FactorialSentence(const FactorialSteps &steps, int step, std::string_view separator);

inline constexpr Integer LargestFactorial = 12;

// The digits of n grouped by threes from the right with the given separator
// (UTF-8), like the mask "###,###,###,###": 479001600 -> "479.001.600".
std::string GroupThousands(Long n, std::string_view separator);

} // namespace quimbra::ricbin
