// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "types.h"

#include <span>
#include <utility>

// The classic teaching sorts, each adding 1 to NMosse for every data move it
// counts: the sorting window's four, then Selection, insertion by shifting,
// Merge and Heap. V is the whole vector from position 0: the elements stand at
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
    // QuickSort(first, last) partitions, its pivot V(first) the held value;
    // MergeSort(first, last) splits.
    void range(int, int) {}
    // V(a) and V(b) exchanged, a step of its own: Selection's minimum put in
    // place, Heap's root sent to the sorted tail (one move).
    void swap(int, int) {}
    // MergeSort merges V(first..mid) with V(mid + 1..last) through W.
    void merge(int, int, int) {}
    // W(k) = V(from) because of the comparison just reported (one move).
    void toAux(int, int) {}
    // W(k) = V(from), the rest of a run once the other is used up (one move).
    void restToAux(int, int) {}
    // V(p) = W(p), the merged run copied back (one move).
    void fromAux(int) {}
    // HeapSort's Setaccia(i, n) begins: V(i) sinks within the heap V(1..n).
    void sift(int, int) {}
    // A call of QuickSort(first, last) or MergeSort(first, last) begins; the
    // innermost call under way returns.
    void enter(int, int) {}
    void leave() {}
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
    observe.enter(first, last);
    if (last <= first) {
        observe.leave();
        return;
    }
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
    observe.leave();
}

// The smallest of V(i..N) found and exchanged into V(i), for i = 1 .. N - 1;
// no exchange when it is already there. Counts each exchange.
template <class Observer>
void SelectionSort(std::span<Integer> V, int N, Long &NMosse, Observer &observe)
{
    for (int i = 1; i <= N - 1; ++i) {
        int m = i;
        observe.pass(i);
        for (int j = i + 1; j <= N; ++j)
            if (observe.compare(j, m, V[j] < V[m]))
                m = j;
        if (m != i) {
            std::swap(V[i], V[m]);
            ++NMosse;
            observe.swap(i, m);
        }
    }
}

// Insertion by shifting: V(i) taken aside, the larger values before it
// shifted one place right, V(i) written into the gap. Counts each shift and
// each placement, also a placement where nothing was shifted.
template <class Observer>
void InsertionSort(std::span<Integer> V, int N, Long &NMosse, Observer &observe)
{
    for (int i = 2; i <= N; ++i) {
        const Integer v = V[i];
        observe.hold(i);
        int j = i;
        while (j > 1 && observe.compareHeld(j - 1, V[j - 1] > v)) {
            V[j] = V[j - 1];
            ++NMosse;
            observe.shift(j, j - 1);
            j = j - 1;
        }
        V[j] = v;
        ++NMosse;
        observe.place(j);
    }
}

// Merge sort of V(first..last) through W, which has V's size: each half
// sorted, then merged into W(first..last) (the right run's value first only
// when smaller, so that equal values keep their order) and copied back.
// Counts every write into W and every write back. Recurses about log2 N
// levels deep.
template <class Observer>
void MergeSort(std::span<Integer> V, std::span<Integer> W, int first, int last, Long &NMosse,
               Observer &observe)
{
    observe.enter(first, last);
    if (first >= last) {
        observe.leave();
        return;
    }
    const int m = (first + last) / 2;
    observe.range(first, last);
    MergeSort(V, W, first, m, NMosse, observe);
    MergeSort(V, W, m + 1, last, NMosse, observe);
    observe.merge(first, m, last);
    int i = first;
    int j = m + 1;
    int k = first;
    while (i <= m && j <= last) {
        if (observe.compare(j, i, V[j] < V[i])) {
            W[k] = V[j];
            ++NMosse;
            observe.toAux(k, j);
            j = j + 1;
        } else {
            W[k] = V[i];
            ++NMosse;
            observe.toAux(k, i);
            i = i + 1;
        }
        k = k + 1;
    }
    while (i <= m) {
        W[k] = V[i];
        ++NMosse;
        observe.restToAux(k, i);
        i = i + 1;
        k = k + 1;
    }
    while (j <= last) {
        W[k] = V[j];
        ++NMosse;
        observe.restToAux(k, j);
        j = j + 1;
        k = k + 1;
    }
    for (int p = first; p <= last; ++p) {
        V[p] = W[p];
        ++NMosse;
        observe.fromAux(p);
    }
    observe.leave();
}

// Heap sort: V(1..N) made a heap (every V(i) at least its children V(2i) and
// V(2i + 1)) by letting each inner node sink, then the root, the largest,
// exchanged with the heap's last value, which leaves the heap for the sorted
// tail, and the new root let sink. Counts each exchange.
template <class Observer>
void HeapSort(std::span<Integer> V, int N, Long &NMosse, Observer &observe)
{
    // Setaccia(i, n): V(i) sinks within V(1..n), exchanged each time with
    // its larger child while that child is larger.
    auto Setaccia = [&](int i, int n) {
        observe.sift(i, n);
        while (2 * i <= n) {
            int c = 2 * i;
            if (c < n && observe.compare(c + 1, c, V[c + 1] > V[c]))
                c = c + 1;
            if (!observe.compare(c, i, V[c] > V[i]))
                break;
            std::swap(V[i], V[c]);
            ++NMosse;
            observe.exchange(i, c);
            i = c;
        }
    };
    for (int i = N / 2; i >= 1; --i)
        Setaccia(i, N);
    for (int k = N; k >= 2; --k) {
        std::swap(V[1], V[k]);
        ++NMosse;
        observe.swap(1, k);
        Setaccia(1, k - 1);
    }
}

// The routines as the window calls them, with nobody watching.
void ExchangeSort(std::span<Integer> V, int N, Long &NMosse);
void BubbleSort(std::span<Integer> V, int N, Long &NMosse);
void ShellSort(std::span<Integer> V, int N, Long &NMosse);
void QuickSort(std::span<Integer> V, int first, int last, Long &NMosse);

// The same quicksort when nobody reads the count.
void QuickSort(std::span<Integer> V, int first, int last);

} // namespace quimbra
