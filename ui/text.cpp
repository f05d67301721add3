// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text.h"

#include <algorithm>
#include <cstdint>

namespace quimbra {

std::string plain(long long n)
{
    return std::to_string(n);
}

std::string groupThousands(long long n, std::string_view separator)
{
    // Work on the magnitude unsigned, so that the most negative number has one.
    const unsigned long long magnitude = n < 0 ? 0ULL - static_cast<unsigned long long>(n) : n;
    const std::string digits = std::to_string(magnitude);
    std::string out = n < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out.append(separator);
        out.push_back(digits[i]);
    }
    return out;
}

std::string rightAligned(std::string_view text, int w)
{
    if (w <= 0)
        return {};
    // Walk back over w code points: a UTF-8 continuation byte is 10xxxxxx.
    std::size_t start = text.size();
    int taken = 0;
    while (start > 0 && taken < w) {
        --start;
        if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80)
            ++taken;
    }
    std::string out(static_cast<std::size_t>(w - taken), ' ');
    out.append(text.substr(start));
    return out;
}

std::string rightAligned(long long n, int w)
{
    return rightAligned(plain(n), w);
}

namespace {

// A cursor over the text that never sees blanks, tabs or line feeds.
class Reader
{
public:
    explicit Reader(std::string_view s) : s_(s) {}

    int peek()
    {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n'))
            ++i_;
        return i_ < s_.size() ? static_cast<unsigned char>(s_[i_]) : -1;
    }
    void take() { ++i_; }

private:
    std::string_view s_;
    std::size_t i_ = 0;
};

bool isDigit(int c)
{
    return c >= '0' && c <= '9';
}

int digitValue(int c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

Integer clampToInteger(long long v)
{
    return static_cast<Integer>(std::clamp<long long>(v, IntegerMin, IntegerMax));
}

// Anything at or beyond this magnitude is clamped anyway, so accumulating
// saturates here instead of overflowing.
constexpr long long Saturation = 1'000'000'000LL;

Integer readBased(Reader &r, int base)
{
    long long v = 0;
    for (int d; (d = digitValue(r.peek(), base)) >= 0; r.take())
        v = std::min(v * base + d, Saturation);
    return clampToInteger(v);
}

} // namespace

Integer textToInteger(std::string_view text)
{
    Reader r(text);
    if (r.peek() == '&') {
        r.take();
        const int c = r.peek();
        if (c == 'H' || c == 'h') {
            r.take();
            return readBased(r, 16);
        }
        if (c == 'O' || c == 'o') {
            r.take();
            return readBased(r, 8);
        }
        return 0;
    }

    bool negative = false;
    if (r.peek() == '+' || r.peek() == '-') {
        negative = r.peek() == '-';
        r.take();
    }

    // The significant digits (leading zeros dropped) and where the decimal
    // point stands among them: value = 0.d1d2d3... x 10^point. Only the first
    // few dozen digits can matter; beyond them it is enough to know whether
    // any of them is not zero.
    constexpr std::size_t KeptDigits = 40;
    std::string digits;
    bool nonZeroDropped = false;
    long long point = 0;
    bool anyDigit = false;
    auto addDigit = [&](int c, bool beforePoint) {
        anyDigit = true;
        if (digits.empty() && c == '0') {
            if (!beforePoint)
                point = std::max(point - 1, -Saturation);
            return;
        }
        if (beforePoint)
            point = std::min(point + 1, Saturation);
        if (digits.size() < KeptDigits)
            digits.push_back(static_cast<char>(c));
        else if (c != '0')
            nonZeroDropped = true;
    };
    for (; isDigit(r.peek()); r.take())
        addDigit(r.peek(), true);
    if (r.peek() == '.') {
        r.take();
        for (; isDigit(r.peek()); r.take())
            addDigit(r.peek(), false);
    }
    if (!anyDigit)
        return 0;

    long long exponent = 0;
    const int e = r.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        r.take();
        bool expNegative = false;
        if (r.peek() == '+' || r.peek() == '-') {
            expNegative = r.peek() == '-';
            r.take();
        }
        for (; isDigit(r.peek()); r.take())
            exponent = std::min(exponent * 10 + (r.peek() - '0'), Saturation);
        if (expNegative)
            exponent = -exponent;
    }
    if (digits.empty())
        return 0; // only zeros

    const long long whole = point + exponent; // digits before the decimal point
    if (whole > 6)
        return negative ? IntegerMin : IntegerMax;
    if (whole < 0)
        return 0; // below 0.1 in magnitude

    long long value = 0;
    for (long long k = 0; k < whole; ++k)
        value = value * 10 + (k < static_cast<long long>(digits.size()) ? digits[k] - '0' : 0);

    // Round on the digits after the point, an exact half to the even neighbour.
    const std::size_t at = static_cast<std::size_t>(whole);
    if (at < digits.size()) {
        const int first = digits[at] - '0';
        const bool restNonZero =
            nonZeroDropped ||
            std::any_of(digits.begin() + static_cast<std::ptrdiff_t>(at) + 1, digits.end(),
                        [](char c) { return c != '0'; });
        if (first > 5 || (first == 5 && (restNonZero || value % 2 == 1)))
            ++value;
    }
    return clampToInteger(negative ? -value : value);
}

} // namespace quimbra
