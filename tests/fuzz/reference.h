// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A second, deliberately plain reading of a typed number, kept apart from the
// program's own so that the fuzz targets can compare the two. It works on
// whole strings: drop the blanks, cut out the number with a straightforward
// scan, move the decimal point by the exponent, then round by comparing the
// digits after the point with "5000...".

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace reference {

inline constexpr int Lowest = -32768;
inline constexpr int Highest = 32767;

inline std::string withoutBlanks(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') out.push_back(c);
    return out;
}

inline std::string digitsAt(const std::string &s, std::size_t &i)
{
    const std::size_t from = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9')
        ++i;
    return s.substr(from, i - from);
}

inline std::string stripLeadingZeros(const std::string &digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : digits.substr(first);
}

inline int clampSigned(bool negative, long long magnitude)
{
    const long long v = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<long long>(v, Lowest, Highest));
}

// &H / &O digits: whole, never negative, clamped at the top.
inline int readRadix(const std::string &s, std::size_t i, int base)
{
    long long v = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0 || d >= base) break;
        v = std::min<long long>(v * base + d, 1'000'000);
    }
    return clampSigned(false, v);
}

inline int readNumber(std::string_view typed)
{
    const std::string s = withoutBlanks(typed);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return readRadix(s, 2, 16);
        if (s[1] == 'O' || s[1] == 'o') return readRadix(s, 2, 8);
    }

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::string whole = digitsAt(s, i);
    std::string fraction;
    if (i < s.size() && s[i] == '.') {
        ++i;
        fraction = digitsAt(s, i);
    }
    if (whole.empty() && fraction.empty()) return 0;

    // The exponent, as text; a very long one only tells "huge" or "tiny".
    bool expNegative = false;
    std::string expDigits;
    if (i < s.size() && std::string_view("EeDd").find(s[i]) != std::string_view::npos) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) expNegative = s[i++] == '-';
        expDigits = stripLeadingZeros(digitsAt(s, i));
    }

    // value = mantissa x 10^shift, the mantissa a whole number without
    // leading zeros.
    const std::string mantissa = stripLeadingZeros(whole + fraction);
    if (mantissa.empty()) return 0;
    if (expDigits.size() > 8) return expNegative ? 0 : clampSigned(negative, 1'000'000);
    const long long exponent = expDigits.empty() ? 0 : std::atoll(expDigits.c_str());
    const long long shift =
        (expNegative ? -exponent : exponent) - static_cast<long long>(fraction.size());
    const long long intLength = static_cast<long long>(mantissa.size()) + shift;

    if (intLength > 6) return clampSigned(negative, 1'000'000);
    if (intLength < 0) return 0; // below 0.1

    // Split the mantissa at the decimal point.
    std::string intPart;
    std::string fracPart;
    if (shift >= 0) {
        intPart = mantissa + std::string(static_cast<std::size_t>(shift), '0');
    } else {
        intPart = mantissa.substr(0, static_cast<std::size_t>(intLength));
        fracPart = mantissa.substr(static_cast<std::size_t>(intLength));
    }
    long long magnitude = intPart.empty() ? 0 : std::atoll(intPart.c_str());

    // Compare the fraction with one half, exactly.
    const std::string tail = fracPart.empty() ? std::string() : fracPart.substr(1);
    const bool tailZero = tail.find_first_not_of('0') == std::string::npos;
    const char head = fracPart.empty() ? '0' : fracPart[0];
    const bool aboveHalf = head > '5' || (head == '5' && !tailZero);
    const bool exactHalf = head == '5' && tailZero;
    if (aboveHalf || (exactHalf && magnitude % 2 == 1)) ++magnitude;
    return clampSigned(negative, magnitude);
}

// Number of Unicode code points in valid UTF-8, or -1 when the text is not
// valid UTF-8 (overlong forms, surrogates and values past U+10FFFF included).
inline long codePoints(std::string_view s)
{
    long count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t len = 0;
        std::uint32_t cp = 0;
        if (b < 0x80) {
            len = 1;
            cp = b;
        } else if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
            cp = b & 0x1Fu;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
            cp = b & 0x0Fu;
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            cp = b & 0x07u;
        } else {
            return -1;
        }
        if (i + len > s.size()) return -1;
        for (std::size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) return -1;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
            (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
            return -1;
        i += len;
    }
    return count;
}

// A failed check prints what was being read and stops the fuzzer with a
// crash report, so libFuzzer keeps the input.
[[noreturn]] inline void fail(const char *what, std::string_view input)
{
    std::fprintf(stderr, "check failed: %s\ninput (%zu bytes):", what, input.size());
    for (unsigned char c : input)
        std::fprintf(stderr, " %02x", c);
    std::fprintf(stderr, "\n");
    std::abort();
}

} // namespace reference

#define FUZZ_CHECK(cond, input)                                                                    \
    do {                                                                                           \
        if (!(cond)) ::reference::fail(#cond, (input));                                            \
    } while (false)
