// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "value_list.h"

#include <algorithm>
#include <unordered_set>

namespace quimbra {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The length of the well-formed UTF-8 character at the start of `text`, or 0.
std::size_t characterLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xbf; // the second byte's range, narrower for some leads
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((byte(i) & 0xc0) != 0x80)
            return 0;
    return length;
}

} // namespace

std::string quoted(std::string_view token)
{
    constexpr int Longest = 24;
    std::string shown;
    int characters = 0;
    std::size_t p = 0;
    while (p < token.size() && characters < Longest) {
        const std::size_t length = characterLength(token.substr(p));
        const auto c = static_cast<unsigned char>(token[p]);
        if (length == 0 || c < 0x20 || c == 0x7f)
            shown += '?';
        else
            shown += token.substr(p, length);
        p += std::max<std::size_t>(length, 1);
        ++characters;
    }
    if (p < token.size())
        shown += "…";
    return "«" + shown + "»";
}

namespace {

std::string where(std::size_t index)
{
    return "(il " + std::to_string(index) + "º valore)";
}

} // namespace

ValueList readValueList(std::string_view text, const ValueRules &rules)
{
    // Commas separate unless the text separates in another way too.
    const bool commasOnly =
        std::none_of(text.begin(), text.end(), [](char c) { return isBlank(c) || c == ';'; });
    auto separates = [&](std::size_t p) {
        const char c = text[p];
        if (isBlank(c) || c == ';')
            return true;
        if (c != ',')
            return false;
        const bool betweenDigits = p > 0 && p + 1 < text.size() && isDigit(text[p - 1]) && isDigit(text[p + 1]);
        return commasOnly || !betweenDigits;
    };
    ValueList list;
    std::unordered_set<int> seen;
    std::size_t p = 0;
    while (p < text.size()) {
        if (separates(p)) {
            ++p;
            continue;
        }
        const std::size_t start = p;
        while (p < text.size() && !separates(p))
            ++p;
        const std::string_view token = text.substr(start, p - start);
        const std::size_t index = list.values.size() + 1;
        if (int(index) > rules.most) {
            list.error = "al massimo " + std::to_string(rules.most) + " valori";
            break;
        }
        const std::string_view digits = token.front() == '+' ? token.substr(1) : token;
        if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit)) {
            list.error = quoted(token) + " " + where(index) + " non è un numero intero";
            break;
        }
        // Leading zeros are the number's own; past six digits it is out of range anyway.
        const std::string_view significant = digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
        long value = 0;
        for (char c : significant.substr(0, 7))
            value = value * 10 + (c - '0');
        if (significant.size() > 7 || value < rules.lowest || value > rules.highest) {
            list.error = quoted(token) + " " + where(index) + ": i valori vanno da " +
                         std::to_string(rules.lowest) + " a " + std::to_string(rules.highest);
            break;
        }
        if (rules.distinct && !seen.insert(int(value)).second) {
            list.error = quoted(token) + " " + where(index) + " è ripetuto";
            break;
        }
        list.values.push_back(Integer(value));
    }
    if (list.ok() && int(list.values.size()) < rules.fewest)
        list.error = rules.fewest <= 1 ? std::string("scrivi almeno un valore")
                                       : "scrivi almeno " + std::to_string(rules.fewest) + " valori";
    if (!list.ok())
        list.values.clear();
    return list;
}

std::string writeValueList(const std::vector<Integer> &values)
{
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            line += ", ";
        line += std::to_string(values[i]);
    }
    return line;
}

} // namespace quimbra
