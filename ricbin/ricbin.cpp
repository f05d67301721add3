// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ricbin.h"

#include "sorts.h"
#include "text.h"

#include <algorithm>
#include <cassert>

namespace quimbra::ricbin {

namespace {

// The last position that both N and the storage allow: a vector shorter than
// N + 1 is never read past its end.
int lastPosition(std::size_t size, int N)
{
    if (size == 0)
        return 0;
    return std::clamp(N, 0, static_cast<int>(std::min<std::size_t>(size - 1, IntegerMax)));
}

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
    // Bounds beyond the storage are narrowed to it, so a probe never leaves
    // positions 1..V.size()-1.
    low = std::max(low, 1);
    high = lastPosition(V.size(), high);
    if (low > high)
        return 0;

    const int middle = (low + high) / 2;
    const Integer value = V[static_cast<std::size_t>(middle)];
    lstRB.push_back(plain(low) + " - " + plain(middle) + " - " + plain(high) + " : " + plain(value));

    if (value == x)
        return static_cast<Integer>(middle);
    if (x < value)
        return RicBin(V, x, low, middle - 1, lstRB);
    return RicBin(V, x, middle + 1, high, lstRB);
}

std::vector<std::string> SearchLines(std::span<const Integer> V, int N, std::string_view typed)
{
    std::vector<std::string> lstRB;
    // A number beyond the Integer range arrives clamped to -32768 or 32767;
    // the drawn values lie in 0..9999, so it is searched and not found.
    const Integer x = textToInteger(typed);
    if (x == 0)
        return lstRB;

    const Integer position = RicBin(V, x, 1, lastPosition(V.size(), N), lstRB);

    // The verdict quotes the text as typed, not the number it became.
    const std::string t = rightAligned(typed, 4);
    lstRB.push_back(FrameLine);
    lstRB.push_back("*** " + t + (position == 0 ? " NON c'\u00e8 ! ***" : " TROVATO ! ***"));
    lstRB.push_back(FrameLine);
    return lstRB;
}

Long Fattoriale(Integer n)
{
    // 13! no longer fits 32 bits; the window refuses such n before calling.
    assert(n <= LargestFactorial);
    if (n > 1)
        return n * Fattoriale(static_cast<Integer>(n - 1));
    return 1;
}

std::string GroupThousands(Long n, std::string_view separator)
{
    // Work on the magnitude in 64 bits so that the most negative Long has one.
    const long long magnitude = n < 0 ? -static_cast<long long>(n) : n;
    const std::string digits = plain(magnitude);

    std::string out = n < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out.append(separator);
        out.push_back(digits[i]);
    }
    return out;
}

} // namespace quimbra::ricbin
