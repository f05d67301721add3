// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a typed number: never out of range, always the same answer, and the
// same answer as the plain reference reading; blanks and trailing letters
// never change it, and a minus sign in front negates it.
#include "reference.h"
#include "text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool startsWithDigitOrPoint(std::string_view s)
{
    for (char c : s) {
        if (c == ' ' || c == '\t' || c == '\n') continue;
        return (c >= '0' && c <= '9') || c == '.';
    }
    return false;
}

void checkReading(std::string_view in)
{
    const int x = quimbra::textToInteger(in);
    FUZZ_CHECK(x >= -32768 && x <= 32767, in);
    FUZZ_CHECK(x == quimbra::textToInteger(in), in);
    FUZZ_CHECK(x == reference::readNumber(in), in);

    // 'x' can continue no number, decimal or &H, so it ends every reading.
    const std::string trailed = std::string(in) + "x";
    FUZZ_CHECK(quimbra::textToInteger(trailed) == x, in);

    // A blank, tab or line feed may stand anywhere.
    const std::size_t at = in.empty() ? 0 : static_cast<unsigned char>(in[0]) % (in.size() + 1);
    static constexpr char blanks[] = {' ', '\t', '\n'};
    std::string spaced(in);
    spaced.insert(at, 1, blanks[in.size() % 3]);
    FUZZ_CHECK(quimbra::textToInteger(spaced) == x, in);

    // A minus sign in front of an unsigned number negates it (the clamp at
    // the top is one short of the clamp at the bottom).
    if (startsWithDigitOrPoint(in)) {
        const int negated = quimbra::textToInteger("-" + std::string(in));
        if (x < 32767)
            FUZZ_CHECK(negated == -x, in);
        else
            FUZZ_CHECK(negated == -32767 || negated == -32768, in);
    }
}

void checkRightAligned(std::string_view in)
{
    const long length = reference::codePoints(in);
    for (int w = 0; w <= 6; ++w) {
        const std::string field = quimbra::rightAligned(in, w);
        const std::string padded = std::string(static_cast<std::size_t>(w), ' ') + std::string(in);
        // Always the tail of the padded text ...
        FUZZ_CHECK(field.size() <= padded.size() &&
                       padded.compare(padded.size() - field.size(), field.size(), field) == 0,
                   in);
        // ... and, for real UTF-8, exactly w whole characters.
        if (length >= 0) FUZZ_CHECK(reference::codePoints(field) == w, in);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The reference itself must know the rule, or agreeing with it proves nothing.
    struct Known
    {
        const char *text;
        int value;
    };
    static constexpr Known known[] = {
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"12.5", 12},
        {"12.6", 13},
        {"0.5", 0},
        {"1.5", 2},
        {".5000001", 1},
        {"7abc", 7},
        {"abc", 0},
        {"", 0},
        {" - 1 2 ", -12},
        {"1e3", 1000},
        {"25D-1", 2},
        {"&H7fFf", 32767},
        {"&o17", 15},
        {"&H10000", 32767},
        {"32767.5", 32767},
        {"-32768.5", -32768},
        {"1e999999999999", 32767},
        {"-1e99999999999", -32768},
        {"5e-99999999999", 0},
        {"0.000e5", 0},
        {"1.2.3", 1},
        {"4.50000000000000000000000000000000000000000000001", 5},
        {"&", 0},
        {"&X1", 0},
        {"+-1", 0},
        {"1e+-2", 1},
        {"1,5", 1},
        {"12345678901234567890e-15", 12346},
    };
    for (const Known &k : known)
        if (reference::readNumber(k.text) != k.value)
            reference::fail("reference reading of a known text", k.text);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view in(reinterpret_cast<const char *>(data), size);
    checkReading(in);
    checkRightAligned(in);
    return 0;
}
