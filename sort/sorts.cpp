// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sorts.h"

namespace quimbra {

void ExchangeSort(std::span<Integer> V, int N, Long &NMosse)
{
    NoObserver nobody;
    ExchangeSort(V, N, NMosse, nobody);
}

void BubbleSort(std::span<Integer> V, int N, Long &NMosse)
{
    NoObserver nobody;
    BubbleSort(V, N, NMosse, nobody);
}

void ShellSort(std::span<Integer> V, int N, Long &NMosse)
{
    NoObserver nobody;
    ShellSort(V, N, NMosse, nobody);
}

void QuickSort(std::span<Integer> V, int first, int last, Long &NMosse)
{
    NoObserver nobody;
    QuickSort(V, first, last, NMosse, nobody);
}

void QuickSort(std::span<Integer> V, int first, int last)
{
    Long ignored = 0;
    QuickSort(V, first, last, ignored);
}

} // namespace quimbra
