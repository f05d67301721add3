// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sorts.h"

#include <utility>

namespace quimbra {

void ExchangeSort(std::span<Integer> V, int N, Long &NMosse)
{
    for (int i = 1; i <= N - 1; ++i)
        for (int j = i + 1; j <= N; ++j)
            if (V[j] < V[i]) {
                std::swap(V[i], V[j]);
                ++NMosse;
            }
}

void BubbleSort(std::span<Integer> V, int N, Long &NMosse)
{
    if (N - 1 < 1)
        return;
    bool exchanged;
    do {
        exchanged = false;
        for (int i = 1; i <= N - 1; ++i)
            if (V[i] > V[i + 1]) {
                std::swap(V[i], V[i + 1]);
                ++NMosse;
                exchanged = true;
            }
    } while (exchanged);
}

void ShellSort(std::span<Integer> V, int N, Long &NMosse)
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
        for (int i = L + h; i <= U; ++i) {
            const Integer v = V[i];
            int j = i;
            while (V[j - h] > v) {
                V[j] = V[j - h];
                ++NMosse;
                j -= h;
                if (j < h)
                    break;
            }
            V[j] = v;
            ++NMosse;
        }
    } while (h != L);
}

void QuickSort(std::span<Integer> V, int first, int last, Long &NMosse)
{
    if (last <= first)
        return;
    const Integer pivot = V[first];
    int i = first + 1;
    int j = last + 1;
    while (i < j) {
        if (V[i] < pivot) {
            ++i;
        } else {
            --j;
            std::swap(V[i], V[j]);
            ++NMosse;
        }
    }
    const int k = i - 1;
    std::swap(V[first], V[k]);
    ++NMosse;
    QuickSort(V, first, k, NMosse);
    QuickSort(V, k + 1, last, NMosse);
}

void QuickSort(std::span<Integer> V, int first, int last)
{
    Long ignored = 0;
    QuickSort(V, first, last, ignored);
}

} // namespace quimbra
