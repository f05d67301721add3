// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "types.h"

#include <span>
#include <utility>

// The four classic teaching sorts, each adding 1 to NMosse for every data move
// it counts. V is the whole vector from position 0: the elements stand at
// positions 1..N and position 0 holds 0 (only ShellSort reaches it, and never
// moves it because every element is at least 1).
//
// Each routine is written once, as a template over an observer that it tells
// about every comparison and every move as it makes them; the step-by-step
// view records a run through it. The plain routines that the window calls pass
// NoObserver, whose empty inline members leave nothing behind, so that they
// compile to the bare loops.
namespace quimbra {

// What the routines report, in the order they do it. Positions are indices of
// V; "the held value" is ShellSort's v or QuickSort's pivot. A comparison is
// reported with its outcome and returns it unchanged.
struct NoObserver
{
    // V(a) compared with V(b) (the test the routine makes, whatever its operator).
    bool compare(int, int, bool outcome) { return outcome; }
    // V(a) compared with the held value.
    bool compareHeld(int, bool outcome) { return outcome; }
    // V(a) and V(b) exchanged because of the comparison just reported (one move).
    void exchange(int, int) {}
    // V(to) = V(from) because of the comparison just reported (one move).
    void shift(int, int) {}
    // The held value taken from V(a).
    void hold(int) {}
    // V(a) = the held value (one move).
    void place(int) {}
    // V(first) and V(k) exchanged to put QuickSort's pivot in its place (one move).
    void pivotPlaced(int, int) {}
    // A new pass: BubbleSort's pass number, ShellSort's gap.
    void pass(int) {}
    // QuickSort(first, last) partitions; its pivot V(first) is the held value.
    void range(int, int) {}
};

// Every position compared with every later one, exchanged when the later is
// smaller (shown as "Insertion"). Counts each exchange.
template <class Observer>
void ExchangeSort(std::span<Integer> V, int N, Long &NMosse, Observer &observe)
{
    for (int i = 1; i <= N - 1; ++i)
        for (int j = i + 1; j <= N; ++j)
            if (observe.compare(j, i, V[j] < V[i])) {
                std::swap(V[i], V[j]);
                ++NMosse;
                observe.exchange(i, j);
            }
}

// Full passes over 1..N until a pass exchanges nothing. Counts each exchange.
template <class Observer>
void BubbleSort(std::span<Integer> V, int N, Long &NMosse, Observer &observe)
{
    if (N - 1 < 1)
        return;
    bool exchanged;
    int pass = 0;
    do {
        exchanged = false;
        observe.pass(++pass);
        for (int i = 1; i <= N - 1; ++i)
            if (observe.compare(i, i + 1, V[i] > V[i + 1])) {
                std::swap(V[i], V[i + 1]);
                ++NMosse;
                observe.exchange(i, i + 1);
                exchanged = true;
            }
    } while (exchanged);
}

// Gaps 3h+1 derived from N, over positions 0..V.size()-1, ending with a gap-0
// pass. Counts each shift and each placement of the held value.
template <class Observer>
void ShellSort(std::span<Integer> V, int N, Long &NMosse, Observer &observe)
{
    constexpr int L = 0;
    const int U = static_cast<int>(V.size()) - 1;
    int h = 1;
    do
        h = 3 * h + 1;
    while (h <= N);
    do {
        // Every h of the sequence leaves remainder 1 when divided by 3, so the
        // nearest whole number of h / 3 is the whole quotient.
        h /= 3;
        observe.pass(h);
        for (int i = L + h; i <= U; ++i) {
            const Integer v = V[i];
            observe.hold(i);
            int j = i;
            while (observe.compareHeld(j - h, V[j - h] > v)) {
                V[j] = V[j - h];
                ++NMosse;
                observe.shift(j, j - h);
                j -= h;
                if (j < h)
                    break;
            }
            V[j] = v;
            ++NMosse;
            observe.place(j);
        }
    } while (h != L);
}

// Quicksort of V(first..last) with the first element as pivot; equal values go
// right and the left range keeps the pivot's own position. Counts every
// exchange, a position with itself included. Recurses up to one level per
// element, so callers need no more than the default stack for 1000 elements.
template <class Observer>
void QuickSort(std::span<Integer> V, int first, int last, Long &NMosse, Observer &observe)
{
    if (last <= first)
        return;
    const Integer pivot = V[first];
    observe.range(first, last);
    int i = first + 1;
    int j = last + 1;
    while (i < j) {
        if (observe.compareHeld(i, V[i] < pivot)) {
            ++i;
        } else {
            --j;
            std::swap(V[i], V[j]);
            ++NMosse;
            observe.exchange(i, j);
        }
    }
    const int k = i - 1;
    std::swap(V[first], V[k]);
    ++NMosse;
    observe.pivotPlaced(first, k);
    QuickSort(V, first, k, NMosse, observe);
    QuickSort(V, k + 1, last, NMosse, observe);
}

// The routines as the window calls them, with nobody watching.
void ExchangeSort(std::span<Integer> V, int N, Long &NMosse);
void BubbleSort(std::span<Integer> V, int N, Long &NMosse);
void ShellSort(std::span<Integer> V, int N, Long &NMosse);
void QuickSort(std::span<Integer> V, int first, int last, Long &NMosse);

// The same quicksort when nobody reads the count.
void QuickSort(std::span<Integer> V, int first, int last);

} // namespace quimbra
