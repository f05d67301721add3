// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "growth.h"

#include "sort_catalog.h"
#include "sorts.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace quimbra {

const char *growthInputName(int input)
{
    static const char *const names[] = {"Casuali",      "Crescente",      "Decrescente",
                                        "Tutti uguali", "Quasi ordinato", "Pochi valori diversi"};
    static_assert(std::size(names) == GrowthInputs);
    return names[std::clamp(input, 0, GrowthInputs - 1)];
}

std::vector<int> growthSizes(int maximum)
{
    maximum = std::max(maximum, GrowthSmallest + GrowthPoints - 1);
    std::vector<int> sizes;
    sizes.reserve(GrowthPoints);
    const double ratio = std::pow(double(maximum) / GrowthSmallest, 1.0 / (GrowthPoints - 1));
    for (int i = 0; i < GrowthPoints; ++i) {
        int n = int(std::lround(GrowthSmallest * std::pow(ratio, i)));
        // At the small end the factor is less than one element: one more each time.
        if (!sizes.empty())
            n = std::max(n, sizes.back() + 1);
        sizes.push_back(std::min(n, maximum));
    }
    sizes.back() = maximum;
    return sizes;
}

namespace {

// Counts the comparisons that a routine reports, and nothing else: every
// other report is NoObserver's, which leaves nothing behind. Now and then it
// looks whether the run was cancelled, and abandons the sort if so.
class ComparisonCounter : public NoObserver
{
public:
    explicit ComparisonCounter(const std::atomic<bool> *cancel) : cancel_(cancel) {}

    template <class... Report>
    bool compare(Report... report)
    {
        count();
        return NoObserver::compare(report...);
    }
    template <class... Report>
    bool compareHeld(Report... report)
    {
        count();
        return NoObserver::compareHeld(report...);
    }

    std::int64_t comparisons = 0;

private:
    void count()
    {
        if ((++comparisons & 0x1fff) == 0 && cancel_ && cancel_->load(std::memory_order_relaxed))
            throw GrowthCancelled{};
    }

    const std::atomic<bool> *cancel_;
};

} // namespace

SortCount countSort(int algorithm, std::span<Integer> V, const std::atomic<bool> *cancel)
{
    ComparisonCounter observer(cancel);
    SortCount count;
    runSort(algorithm, V, count.moves, observer);
    count.comparisons = observer.comparisons;
    return count;
}

GrowthRun::GrowthRun(int input, int maximum, int trials, RandomSource &rnd, int algorithms)
    : input_(std::clamp(input, 0, GrowthInputs - 1)),
      algorithms_(std::clamp(algorithms, 1, SortAlgorithms)),
      trials_(shapeDraws(input_) ? std::clamp(trials, 1, GrowthMostTrials) : 1),
      sizes_(growthSizes(maximum))
{
    const std::size_t points = sizes_.size();
    if (shapeDraws(input_)) {
        for (std::size_t p = 0; p < points; ++p)
            for (int t = 0; t < trials_; ++t) {
                drawnAt_.push_back(drawn_.size());
                const std::vector<Integer> V = sortInput(input_, sizes_[p], rnd);
                drawn_.insert(drawn_.end(), V.begin() + 1, V.end());
            }
    }
    results_.resize(points * std::size_t(trials_) * std::size_t(algorithms_));
    remaining_ = std::make_unique<std::atomic<int>[]>(points);
    for (std::size_t p = 0; p < points; ++p)
        remaining_[p].store(trials_ * algorithms_, std::memory_order_relaxed);
}

bool GrowthRun::runNext()
{
    if (cancelled())
        return false;
    const int task = next_.fetch_add(1, std::memory_order_relaxed);
    if (task >= taskCount())
        return false;
    try {
        runTask(task);
    } catch (const GrowthCancelled &) {
        return false;
    }
    return true;
}

void GrowthRun::runTask(int task)
{
    const int algorithm = task % algorithms_;
    const int trial = task / algorithms_ % trials_;
    const int point = task / algorithms_ / trials_;
    const int n = sizes_[std::size_t(point)];
    std::vector<Integer> V;
    if (shapeDraws(input_)) {
        const auto from = drawn_.begin() + std::ptrdiff_t(drawnAt_[std::size_t(point * trials_ + trial)]);
        V.reserve(std::size_t(n) + 1);
        V.push_back(0);
        V.insert(V.end(), from, from + n);
    } else {
        // The fixed inputs draw nothing.
        struct NoDraws final : RandomSource
        {
            void seed(float) override {}
            double next() override { return 0; }
        } none;
        V = sortInput(input_, n, none);
    }
    results_[std::size_t(task)] = countSort(algorithm, V, &cancelled_);
    remaining_[std::size_t(point)].fetch_sub(1, std::memory_order_release);
    done_.fetch_add(1, std::memory_order_release);
}

int GrowthRun::readyPoints() const
{
    int ready = 0;
    while (ready < static_cast<int>(sizes_.size()) &&
           remaining_[std::size_t(ready)].load(std::memory_order_acquire) == 0)
        ++ready;
    return ready;
}

GrowthValue GrowthRun::value(int algorithm, int point, int measure) const
{
    GrowthValue v;
    double sum = 0;
    for (int t = 0; t < trials_; ++t) {
        const SortCount &c = results_[std::size_t((point * trials_ + t) * algorithms_ + algorithm)];
        const std::int64_t x = measure == MeasureComparisons ? c.comparisons : c.moves;
        v.least = t == 0 ? x : std::min(v.least, x);
        v.most = t == 0 ? x : std::max(v.most, x);
        sum += double(x);
    }
    v.mean = sum / trials_;
    return v;
}

} // namespace quimbra
