// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_listing.h"

#include <algorithm>

namespace quimbra {

namespace {

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// The line without its comment and trailing blanks. The routines hold no
// "//" inside a string.
std::string_view code(std::string_view line)
{
    line = line.substr(0, line.find("//"));
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

} // namespace

CodeListing::CodeListing(std::string_view source, std::string_view signature,
                         std::vector<PseudoLine> pseudo)
{
    const std::vector<std::string_view> lines = splitLines(source);
    std::size_t start = lines.size();
    for (std::size_t n = 0; n < lines.size(); ++n)
        if (lines[n].starts_with(signature) && !code(lines[n]).ends_with(";")) {
            start = n;
            break;
        }
    if (start == lines.size()) {
        problems_.push_back("routine not found: " + std::string(signature));
    } else {
        if (start > 0 && lines[start - 1].starts_with("template <class Observer>"))
            --start;
        std::size_t end = start;
        while (end < lines.size() && code(lines[end]) != "}")
            ++end;
        first_ = int(start) + 1;
        last_ = int(std::min(end, lines.size() - 1)) + 1;
        for (std::size_t n = start; n < lines.size() && n <= end; ++n) {
            const std::string_view c = code(lines[n]);
            if (c.find_first_not_of(' ') == std::string_view::npos)
                continue;
            cpp_.emplace_back(c);
            cppLines_.push_back(int(n) + 1);
        }
    }
    for (const PseudoLine &row : pseudo) {
        pseudo_.emplace_back(row.text);
        int line = 0;
        if (row.anchor) {
            line = lineOf(row.anchor);
            const auto holding = std::count_if(cpp_.begin(), cpp_.end(), [&](const std::string &c) {
                return c.find(row.anchor) != std::string::npos;
            });
            if (holding != 1)
                problems_.push_back("\"" + std::string(row.anchor) + "\" stands on " +
                                    std::to_string(holding) + " lines of " + std::string(signature));
        }
        pseudoLines_.push_back(line);
    }
}

int CodeListing::lineOf(std::string_view anchor) const
{
    for (std::size_t r = 0; r < cpp_.size(); ++r)
        if (cpp_[r].find(anchor) != std::string::npos)
            return cppLines_[r];
    return 0;
}

CodeRows CodeListing::rowsOf(int sourceLine, int branch) const
{
    CodeRows rows;
    if (sourceLine <= 0)
        return rows;
    const auto c = std::find(cppLines_.begin(), cppLines_.end(), sourceLine);
    if (c != cppLines_.end())
        rows.cpp = int(c - cppLines_.begin());
    for (std::size_t r = 0; r < pseudoLines_.size(); ++r)
        if (pseudoLines_[r] == sourceLine) {
            rows.pseudo = int(r);
            if (branch-- <= 0)
                break;
        }
    return rows;
}

} // namespace quimbra
