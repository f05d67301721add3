// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "growth.h"

#include "sorts.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quimbra {

const char *growthInputName(int input)
{
    static const char *const names[] = {"Casuali", "Crescente", "Decrescente", "Tutti uguali"};
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

std::vector<Integer> growthInput(int input, int n, RandomSource &rnd)
{
    std::vector<Integer> V(std::size_t(n) + 1, 0);
    for (int p = 1; p <= n; ++p) {
        switch (input) {
        case GrowthAscending:
            V[std::size_t(p)] = Integer(p);
            break;
        case GrowthDescending:
            V[std::size_t(p)] = Integer(n + 1 - p);
            break;
        case GrowthAllEqual:
            V[std::size_t(p)] = 5000;
            break;
        default:
            V[std::size_t(p)] = Integer(scaledDraw(rnd.next(), 10000) + 1);
            break;
        }
    }
    return V;
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

SortCount countSort(int column, std::span<Integer> V, const std::atomic<bool> *cancel)
{
    const int n = static_cast<int>(V.size()) - 1;
    ComparisonCounter observer(cancel);
    SortCount count;
    switch (column) {
    case 0:
        ExchangeSort(V, n, count.moves, observer);
        break;
    case 1:
        BubbleSort(V, n, count.moves, observer);
        break;
    case 2:
        ShellSort(V, n, count.moves, observer);
        break;
    default:
        QuickSort(V, 1, n, count.moves, observer);
        break;
    }
    count.comparisons = observer.comparisons;
    return count;
}

GrowthRun::GrowthRun(int input, int maximum, int trials, RandomSource &rnd)
    : input_(std::clamp(input, 0, GrowthInputs - 1)),
      trials_(input_ == GrowthRandom ? std::clamp(trials, 1, GrowthMostTrials) : 1),
      sizes_(growthSizes(maximum))
{
    const std::size_t points = sizes_.size();
    if (input_ == GrowthRandom) {
        for (std::size_t p = 0; p < points; ++p)
            for (int t = 0; t < trials_; ++t) {
                drawnAt_.push_back(drawn_.size());
                const std::vector<Integer> V = growthInput(GrowthRandom, sizes_[p], rnd);
                drawn_.insert(drawn_.end(), V.begin() + 1, V.end());
            }
    }
    results_.resize(points * std::size_t(trials_) * 4);
    remaining_ = std::make_unique<std::atomic<int>[]>(points);
    for (std::size_t p = 0; p < points; ++p)
        remaining_[p].store(trials_ * 4, std::memory_order_relaxed);
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
    const int column = task % 4;
    const int trial = task / 4 % trials_;
    const int point = task / 4 / trials_;
    const int n = sizes_[std::size_t(point)];
    std::vector<Integer> V;
    if (input_ == GrowthRandom) {
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
        V = growthInput(input_, n, none);
    }
    results_[std::size_t(task)] = countSort(column, V, &cancelled_);
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

GrowthValue GrowthRun::value(int column, int point, int measure) const
{
    GrowthValue v;
    double sum = 0;
    for (int t = 0; t < trials_; ++t) {
        const SortCount &c = results_[std::size_t((point * trials_ + t) * 4 + column)];
        const std::int64_t x = measure == MeasureComparisons ? c.comparisons : c.moves;
        v.least = t == 0 ? x : std::min(v.least, x);
        v.most = t == 0 ? x : std::max(v.most, x);
        sum += double(x);
    }
    v.mean = sum / trials_;
    return v;
}

} // namespace quimbra
