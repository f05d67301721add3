// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "growth_questions.h"

#include "exercise.h"
#include "sort_catalog.h"
#include "text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace quimbra {

using questions::Click;

double GrowthReference(int r, double n)
{
    switch (r) {
    case 0:
        return n;
    case 1:
        return n * std::log2(n);
    default:
        return n * (n - 1) / 2;
    }
}

const char *GrowthReferenceName(int r)
{
    static const char *const names[] = {"n", "n\u00b7log\u2082 n", "n(n\u22121)/2"};
    return names[std::clamp(r, 0, GrowthReferences - 1)];
}

namespace {

std::string counted(int measure) { return measure == MeasureComparisons ? "confronti" : "mosse"; }

std::string onInput(int input)
{
    std::string name = growthInputName(input);
    name[0] = char(std::tolower(static_cast<unsigned char>(name[0])));
    return "su dati: " + name;
}

// The mean of a sort's count at the run's largest size (-1 while not ready).
double atLargest(const GrowthRun &run, int algorithm, int measure)
{
    const int last = int(run.sizes().size()) - 1;
    if (run.readyPoints() <= last)
        return -1;
    return run.value(algorithm, last, measure).mean;
}

std::string number(double v, std::string_view separator) { return groupThousands(std::llround(v), separator); }

void askCount(GrowthQuestion &q, int input, exercise::CodeRandom &random, int algorithms)
{
    q.algorithm = random.below(algorithms);
    const std::string name = sortTitle(q.algorithm);
    q.ask.text = "Quante " + counted(q.measure) + " farà " + name + " con n = " + std::to_string(q.n) + " " +
                 onInput(input) + "? Scrivi un numero: va bene entro il 10 %";
    q.ask.tolerance = 10;
}

bool answerCount(GrowthQuestion &q, const GrowthRun &run, std::string_view sep)
{
    const double v = atLargest(run, q.algorithm, q.measure);
    if (v < 0)
        return false;
    q.ask.answer = long(std::llround(v));
    q.ask.why = std::string(sortTitle(q.algorithm)) + " fa " + number(v, sep) + " " + counted(q.measure) +
                (run.trials() > 1 && shapeDraws(run.input()) ? " in media" : "") + " con n = " + std::to_string(q.n);
    return true;
}

void askFewest(GrowthQuestion &q, int input, exercise::CodeRandom &random, int algorithms)
{
    // Four sorts on the buttons: the window's four, or four of the eight.
    std::vector<int> all(static_cast<std::size_t>(algorithms));
    for (int k = 0; k < algorithms; ++k)
        all[std::size_t(k)] = k;
    while (all.size() > 4)
        all.erase(all.begin() + random.below(int(all.size())));
    q.candidates = all;
    q.ask.text = "Quale di questi farà meno " + counted(q.measure) + " con n = " + std::to_string(q.n) + " " +
                 onInput(input) + "?";
    for (int k : all)
        q.ask.choices.push_back(sortTitle(k));
}

bool answerFewest(GrowthQuestion &q, const GrowthRun &run, std::string_view sep)
{
    long best = -1;
    double least = 0;
    for (std::size_t i = 0; i < q.candidates.size(); ++i) {
        const double v = atLargest(run, q.candidates[i], q.measure);
        if (v < 0)
            return false;
        if (best < 0 || v < least) {
            best = long(i);
            least = v;
        }
    }
    q.ask.answer = best;
    q.ask.why = std::string(sortTitle(q.candidates[std::size_t(best)])) + ": " + number(least, sep) + " " +
                counted(q.measure) + " con n = " + std::to_string(q.n);
    return true;
}

void askCurve(GrowthQuestion &q, int, exercise::CodeRandom &random, int algorithms)
{
    q.algorithm = random.below(algorithms);
    q.ask.text = "Quale curva di riferimento seguiranno le " + counted(q.measure) + " di " +
                 sortTitle(q.algorithm) + " al crescere di n?";
    for (int r = 0; r < GrowthReferences; ++r)
        q.ask.choices.push_back(GrowthReferenceName(r));
}

// The reference whose growth from the run's smallest size to its largest is
// nearest the sort's own, on a logarithmic scale; a count that stays 0
// follows none, and the question is then about n, the least.
bool answerCurve(GrowthQuestion &q, const GrowthRun &run, std::string_view sep)
{
    const double last = atLargest(run, q.algorithm, q.measure);
    if (last < 0)
        return false;
    const double first = run.value(q.algorithm, 0, q.measure).mean;
    const double n0 = run.sizes().front(), n1 = run.sizes().back();
    long best = 0;
    if (first > 0 && last > 0) {
        const double grows = std::log(last / first);
        double nearest = 0;
        for (int r = 0; r < GrowthReferences; ++r) {
            const double off = std::abs(std::log(GrowthReference(r, n1) / GrowthReference(r, n0)) - grows);
            if (r == 0 || off < nearest) {
                nearest = off;
                best = r;
            }
        }
    }
    q.ask.answer = best;
    q.ask.why = std::string(sortTitle(q.algorithm)) + " va da " + number(first, sep) + " a " + number(last, sep) + " " +
                counted(q.measure) + ", come " + GrowthReferenceName(int(best));
    return true;
}

// Each kind of prediction: adding one is one entry.
struct KindEntry
{
    GrowthQuestion::Kind kind;
    void (*ask)(GrowthQuestion &, int input, exercise::CodeRandom &, int algorithms);
    bool (*answer)(GrowthQuestion &, const GrowthRun &, std::string_view separator);
};
constexpr KindEntry kinds[] = {
    {GrowthQuestion::Count, askCount, answerCount},
    {GrowthQuestion::Fewest, askFewest, answerFewest},
    {GrowthQuestion::Curve, askCurve, answerCurve},
};

} // namespace

GrowthQuestion AskGrowth(int input, int algorithms, int maximum, int measure, std::uint64_t seed)
{
    exercise::CodeRandom random(exercise::FirstCode + int(seed % 90000), 0x6700u);
    GrowthQuestion q;
    const KindEntry &kind = kinds[std::size_t(random.below(int(std::size(kinds))))];
    q.kind = kind.kind;
    q.measure = measure;
    q.n = growthSizes(maximum).back();
    q.ask.kind = "previsione";
    kind.ask(q, input, random, std::clamp(algorithms, 1, SortAlgorithms));
    return q;
}

bool AnswerGrowth(GrowthQuestion &q, const GrowthRun &run, std::string_view separator)
{
    for (const KindEntry &kind : kinds)
        if (kind.kind == q.kind)
            return kind.answer(q, run, separator);
    return false;
}

} // namespace quimbra
