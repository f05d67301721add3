// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rows that both benchmark programs print: one Markdown table line per
// measurement, so that scripts/bench.sh can join them under one header.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace quimbra::bench {

// A duration in the unit that keeps three or four significant digits.
inline std::string formatDuration(double ns)
{
    char text[32];
    if (ns < 1e3)
        std::snprintf(text, sizeof text, "%.0f ns", ns);
    else if (ns < 1e6)
        std::snprintf(text, sizeof text, "%.1f µs", ns / 1e3);
    else if (ns < 1e9)
        std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
    else
        std::snprintf(text, sizeof text, "%.2f s", ns / 1e9);
    return text;
}

// The value at the given fraction by nearest rank (0.5: median, 0.9: p90).
inline double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    if (fraction == 0.5 && values.size() % 2 == 0)
        return (values[values.size() / 2 - 1] + values[values.size() / 2]) / 2;
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

struct Row
{
    std::string measurement;
    std::string samples;
    std::string median;
    std::string p90;
    std::string goal = "—";
    std::string verdict = "—";
};

inline void printRow(const Row &row)
{
    std::printf("| %s | %s | %s | %s | %s | %s |\n", row.measurement.c_str(), row.samples.c_str(),
                row.median.c_str(), row.p90.c_str(), row.goal.c_str(), row.verdict.c_str());
    std::fflush(stdout);
}

} // namespace quimbra::bench
