// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt-free algorithms under Google Benchmark: the four sorts on the data
// shapes that matter to them, the binary search window's vector and trace, the
// tree's construction and visits, and the text-to-number rule. Google
// Benchmark's own report goes to stderr; stdout gets one table row per
// benchmark with the median and p90 over the repetitions.
#include "abr.h"
#include "results_of.h"
#include "random.h"
#include "report.h"
#include "ricbin.h"
#include "sort_catalog.h"
#include "text.h"

#include <benchmark/benchmark.h>

#include <array>
#include <iostream>
#include <map>
#include <string>
#include <vector>

using namespace quimbra;

namespace {

constexpr int N = 1000;
using Vector = std::array<Integer, N + 1>; // positions 0..N, V(0) = 0

enum class Shape { Random, Ascending, Descending, Equal };

// Random input comes from a pool of different vectors taken in turn: sorting
// the very same 1000 values again and again lets the branch predictor learn
// their comparisons, and QuickSort then looks five times faster than it is on
// the fresh data the window sorts. The ordered shapes are one vector each.
std::vector<Vector> prepared(Shape shape)
{
    constexpr int Pool = 64;
    MersenneRandom rnd;
    rnd.seed(36000.25f);
    std::vector<Vector> pool(shape == Shape::Random ? Pool : 1);
    for (Vector &V : pool) {
        V[0] = 0;
        for (int p = 1; p <= N; ++p) {
            switch (shape) {
            case Shape::Random:
                V[p] = static_cast<Integer>(scaledDraw(rnd.next(), 10000) + 1);
                break;
            case Shape::Ascending:
                V[p] = static_cast<Integer>(p * 10);
                break;
            case Shape::Descending:
                V[p] = static_cast<Integer>((N + 1 - p) * 10);
                break;
            case Shape::Equal:
                V[p] = 5000;
                break;
            }
        }
    }
    return pool;
}

void registerSorts()
{
    const std::pair<Shape, const char *> shapes[] = {{Shape::Random, "random 1..10000"},
                                                     {Shape::Ascending, "ascending"},
                                                     {Shape::Descending, "descending"},
                                                     {Shape::Equal, "all equal"}};
    for (int algorithm = 0; algorithm < SortAlgorithms; ++algorithm)
        for (const auto &[shape, shapeName] : shapes) {
            // The quadratic sorts only on random input: their other shapes
            // cost the same or tell nothing new.
            const bool everyShape = algorithm == AlgoShell || algorithm == AlgoQuick ||
                                    algorithm == AlgoMerge || algorithm == AlgoHeap;
            if (shape != Shape::Random && !everyShape)
                continue;
            const std::string name = std::string(sortTitle(algorithm)) + ", 1000 " + shapeName;
            benchmark::RegisterBenchmark(name.c_str(), [algorithm, pool = prepared(shape)](
                                                           benchmark::State &state) {
                Vector V;
                std::size_t next = 0;
                for (auto _ : state) {
                    V = pool[next]; // each iteration sorts a fresh copy
                    next = (next + 1) % pool.size();
                    Long moves = 0;
                    runSort(algorithm, V, moves);
                    benchmark::DoNotOptimize(V.data());
                    benchmark::DoNotOptimize(moves);
                }
            });
        }
}

void ricbinVector(benchmark::State &state)
{
    MersenneRandom rnd;
    rnd.seed(36000.25f);
    Vector V{};
    for (auto _ : state) {
        ricbin::DrawSortedVector(V, N, rnd);
        auto lines = ricbin::VectorLines(V, N);
        benchmark::DoNotOptimize(lines.data());
    }
}

// The two halves of the activation apart, to see where its time goes.
void ricbinDrawOnly(benchmark::State &state)
{
    MersenneRandom rnd;
    rnd.seed(36000.25f);
    Vector V{};
    for (auto _ : state) {
        ricbin::DrawSortedVector(V, N, rnd);
        benchmark::DoNotOptimize(V.data());
    }
}

void ricbinLinesOnly(benchmark::State &state)
{
    MersenneRandom rnd;
    rnd.seed(36000.25f);
    Vector V{};
    ricbin::DrawSortedVector(V, N, rnd);
    for (auto _ : state) {
        auto lines = ricbin::VectorLines(V, N);
        benchmark::DoNotOptimize(lines.data());
    }
}

void ricbinSearch(benchmark::State &state, bool found)
{
    MersenneRandom rnd;
    rnd.seed(36000.25f);
    Vector V{};
    ricbin::DrawSortedVector(V, N, rnd);
    const std::string typed = found ? plain(V[N / 3]) : "-5";
    for (auto _ : state) {
        auto lines = ricbin::SearchLines(V, N, typed);
        benchmark::DoNotOptimize(lines.data());
    }
    // The verdict stands between the two frame lines at the end.
    const auto lines = ricbin::SearchLines(V, N, typed);
    const char *verdict = found ? "TROVATO" : "NON c";
    if (lines.size() < 3 || lines[lines.size() - 2].find(verdict) == std::string::npos)
        state.SkipWithError("the search did not give the expected verdict");
}

void abrBuild(benchmark::State &state)
{
    MersenneRandom rnd;
    rnd.seed(36000.25f);
    abr::Vettore Vet{};
    abr::Tabella ABR{};
    for (auto _ : state) {
        abr::DrawKeys(Vet, rnd);
        abr::CostruisciABR(Vet, ABR, 1, abr::N, 1, 0, 0);
        auto vet = abr::VectorLines(Vet);
        auto table = abr::NodeTableLines(ABR);
        auto drawing = abr::DrawingLines(ABR);
        benchmark::DoNotOptimize(vet.data());
        benchmark::DoNotOptimize(table.data());
        benchmark::DoNotOptimize(drawing.data());
    }
}

void abrVisit(benchmark::State &state, int index)
{
    MersenneRandom rnd;
    rnd.seed(36000.25f);
    abr::Vettore Vet{};
    abr::Tabella ABR{};
    abr::DrawKeys(Vet, rnd);
    abr::CostruisciABR(Vet, ABR, 1, abr::N, 1, 0, 0);
    for (auto _ : state) {
        auto lines = abr::VisitLines(ABR, index);
        benchmark::DoNotOptimize(lines.data());
    }
}

void textNumber(benchmark::State &state, std::string text)
{
    for (auto _ : state) {
        Integer n = textToInteger(text);
        benchmark::DoNotOptimize(n);
    }
}

// A class register's paste: 10 000 lines, a quarter of them result lines of
// 200 different exercises (each replayed once), the rest chat.
void pastedResults(benchmark::State &state)
{
    std::string text;
    for (int i = 0; i < 10000; ++i) {
        if (i % 4 == 0) {
            const std::string line = "Esercizio n. " + std::to_string(10000 + i % 200 * 7) +
                                     " \u00b7 Bubble \u00b7 20 passi \u00b7 1 errore \u00b7 95 %";
            text += "Studente " + std::to_string(i) + ": " + exercise::Sealed(line) + "\r\n";
        } else {
            text += "ecco il mio risultato di oggi, prof, riga " + std::to_string(i) + "\r\n";
        }
    }
    for (auto _ : state) {
        auto read = ReadPastedResults(text);
        benchmark::DoNotOptimize(read);
    }
}

void registerTheRest()
{
    benchmark::RegisterBenchmark("ReadPastedResults, 10 000 pasted lines", pastedResults);
    benchmark::RegisterBenchmark("ricbin::DrawSortedVector + VectorLines (1000)", ricbinVector);
    benchmark::RegisterBenchmark("ricbin::DrawSortedVector alone (part of the above)", ricbinDrawOnly);
    benchmark::RegisterBenchmark("ricbin::VectorLines alone (part of the above)", ricbinLinesOnly);
    benchmark::RegisterBenchmark("ricbin::SearchLines \"-5\" (not found)", ricbinSearch, false);
    benchmark::RegisterBenchmark("ricbin::SearchLines, a value found", ricbinSearch, true);
    benchmark::RegisterBenchmark("abr::DrawKeys + CostruisciABR + 3 line builders", abrBuild);
    const char *visits[] = {"Anticipata", "Simmetrica", "Posticipata"};
    for (int index = 0; index < 3; ++index)
        benchmark::RegisterBenchmark(("abr::VisitLines " + std::string(visits[index])).c_str(),
                                     abrVisit, index);

    std::string digits;
    for (int i = 0; digits.size() < 10240; ++i)
        digits.push_back(static_cast<char>('0' + i % 10));
    benchmark::RegisterBenchmark("textToInteger \"12\"", textNumber, std::string("12"));
    benchmark::RegisterBenchmark("textToInteger \" -2.5E1\"", textNumber, std::string(" -2.5E1"));
    benchmark::RegisterBenchmark("textToInteger, 10 kB of digits", textNumber, "1" + digits);
    benchmark::RegisterBenchmark("textToInteger, 10 kB fraction \"0.000…07\"", textNumber,
                                 "0." + std::string(10240, '0') + "7");
    std::string spaced;
    for (int i = 0; spaced.size() < 10240; ++i)
        spaced += i % 2 ? " \t" : "1";
    benchmark::RegisterBenchmark("textToInteger, 10 kB digits among blanks", textNumber, spaced);
}

// Keeps Google Benchmark's console report and collects each benchmark's
// repetitions for the table.
class TableReporter final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const std::string name = run.run_name.function_name;
            if (!seen_.count(name)) {
                seen_[name] = order_.size();
                order_.push_back({name, {}, NAN, false});
            }
            Result &result = order_[seen_[name]];
            const double ns =
                run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (run.error_occurred)
                result.failed = true;
            else if (run.run_type == Run::RT_Iteration)
                result.repetitions.push_back(ns);
            else if (run.aggregate_name == "median")
                result.median = ns;
        }
    }

    void printTable() const
    {
        for (const Result &r : order_) {
            bench::Row row;
            row.measurement = r.name;
            row.samples = std::to_string(r.repetitions.size()) + " reps";
            const double median = std::isnan(r.median) ? bench::percentile(r.repetitions, 0.5) : r.median;
            row.median = bench::formatDuration(median);
            row.p90 = bench::formatDuration(bench::percentile(r.repetitions, 0.9));
            if (r.failed)
                row.verdict = "FAILED";
            bench::printRow(row);
        }
    }

private:
    struct Result
    {
        std::string name;
        std::vector<double> repetitions;
        double median;
        bool failed;
    };
    std::map<std::string, std::size_t> seen_;
    std::vector<Result> order_;
};

} // namespace

int main(int argc, char **argv)
{
    registerSorts();
    registerTheRest();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TableReporter reporter;
    reporter.SetOutputStream(&std::cerr);
    reporter.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printTable();
    benchmark::Shutdown();
    return 0;
}
