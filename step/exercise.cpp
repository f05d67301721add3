// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise.h"
#include "results.h"

#include <algorithm>
#include <utility>

namespace quimbra::exercise {

CodeReading ReadCode(std::string_view text)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return {0, "Scrivi il codice dell'esercizio: cinque cifre, da 10000 a 99999"};
    const bool digits = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || text.size() != 5 || text.front() == '0')
        return {0, "Codice non valido: servono cinque cifre, da 10000 a 99999"};
    int code = 0;
    for (char c : text)
        code = code * 10 + (c - '0');
    return {code, {}};
}

CodeRandom::CodeRandom(int code, std::uint32_t stream)
    : state_(std::uint64_t(stream) << 32 | std::uint32_t(code))
{
}

std::uint64_t CodeRandom::next()
{
    state_ += 0x9E3779B97F4A7C15u;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

int CodeRandom::below(int m)
{
    if (m <= 1)
        return 0;
    const auto range = std::uint64_t(m);
    // 2^64 mod m raw values would make the low results likelier: skip them.
    const std::uint64_t threshold = (0 - range) % range;
    std::uint64_t r;
    do
        r = next();
    while (r < threshold);
    return static_cast<int>(r % range);
}

Data MakeData(Kind kind, int code)
{
    CodeRandom rnd(code, static_cast<std::uint32_t>(kind) + 1);
    const int count = kind == Kind::Sort ? SortSize : kind == Kind::Tree ? TreeSize : SearchSize;
    // The first `count` places of a shuffle of 1..99 (Fisher and Yates).
    std::vector<Integer> pool;
    for (int v = LowestValue; v <= HighestValue; ++v)
        pool.push_back(static_cast<Integer>(v));
    for (int i = 0; i < count; ++i) {
        const int j = i + rnd.below(static_cast<int>(pool.size()) - i);
        std::swap(pool[static_cast<std::size_t>(i)], pool[static_cast<std::size_t>(j)]);
    }
    Data data;
    data.code = code;
    data.values.assign(pool.begin(), pool.begin() + count);
    if (kind == Kind::Sort)
        return data;
    std::sort(data.values.begin(), data.values.end());
    if (rnd.below(2) == 0) {
        data.key = data.values[static_cast<std::size_t>(rnd.below(count))];
    } else {
        // The values left out of the shuffle, in the order it left them.
        const std::vector<Integer> absent(pool.begin() + count, pool.end());
        data.key = absent[static_cast<std::size_t>(rnd.below(static_cast<int>(absent.size())))];
    }
    return data;
}

Exercise::Exercise(int code, std::string name, std::vector<Expected> steps)
    : code_(code), name_(std::move(name)), steps_(std::move(steps))
{
    answerable_ = static_cast<int>(
        std::count_if(steps_.begin(), steps_.end(), [](const Expected &e) { return !e.picks.empty(); }));
    skipAutomatic();
}

void Exercise::skipAutomatic()
{
    while (played_ < runLength() && steps_[static_cast<std::size_t>(played_)].picks.empty())
        ++played_;
}

const Expected *Exercise::current() const
{
    return running() ? &steps_[static_cast<std::size_t>(played_)] : nullptr;
}

const Expected *Exercise::lastAnswered() const
{
    return lastAnswered_ >= 0 ? &steps_[static_cast<std::size_t>(lastAnswered_)] : nullptr;
}

Verdict Exercise::pick(int element)
{
    const Expected *step = current();
    if (!step)
        return Verdict::Ignored;
    const std::vector<int> &picks = step->picks;
    // The element still wanted next: in order, or any not yet picked.
    bool right;
    if (step->anyOrder) {
        std::vector<int> left = picks;
        for (int p : pending_)
            if (auto at = std::find(left.begin(), left.end(), p); at != left.end())
                left.erase(at);
        right = std::find(left.begin(), left.end(), element) != left.end();
    } else {
        right = picks[pending_.size()] == element;
    }
    if (right && pending_.size() + 1 < picks.size()) {
        pending_.push_back(element);
        return Verdict::Pending;
    }
    answer(right);
    return right ? Verdict::Right : Verdict::Wrong;
}

void Exercise::answer(bool right)
{
    pending_.clear();
    ++answered_;
    if (!right)
        ++errors_;
    lastAnswered_ = played_;
    ++played_;
    skipAutomatic();
    if (finished())
        tellEnded();
}

void Exercise::giveUp()
{
    if (!running())
        return;
    pending_.clear();
    gaveUp_ = true;
    tellEnded();
}

namespace {

std::function<void(const Ended &)> &endedListener()
{
    static std::function<void(const Ended &)> listener;
    return listener;
}

} // namespace

void setEndedListener(std::function<void(const Ended &)> listener)
{
    endedListener() = std::move(listener);
}

void Exercise::tellEnded() const
{
    if (const auto &listener = endedListener())
        listener({code_, name_, percent(), result()});
}

int Exercise::percent() const
{
    if (answerable_ == 0)
        return 100;
    const int right = answered_ - errors_;
    return (200 * right + answerable_) / (2 * answerable_);
}

namespace {

std::string counted(int n, const char *one, const char *many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

void Exercise::setQuestions(int right, int asked)
{
    questionsRight_ = right;
    questionsAsked_ = asked;
}

std::string Exercise::score() const
{
    std::string line = "Passi: " + std::to_string(answered_) + " di " + std::to_string(answerable_) +
                       " \u00b7 Errori: " + std::to_string(errors_);
    if (questionsAsked_ > 0)
        line += " \u00b7 " + counted(questionsRight_, "domanda", "domande") + " su " + std::to_string(questionsAsked_);
    return line;
}

std::string Exercise::result() const
{
    std::string line = "Esercizio n. " + std::to_string(code_) + " \u00b7 " + name_ + " \u00b7 " +
                       counted(answerable_, "passo", "passi") + " \u00b7 " +
                       counted(errors_, "errore", "errori");
    if (questionsAsked_ > 0)
        line += " \u00b7 " + counted(questionsRight_, "domanda", "domande") + " su " + std::to_string(questionsAsked_);
    if (gaveUp_)
        line += " \u00b7 soluzione mostrata dopo " + counted(answered_, "passo", "passi");
    return Sealed(line + " \u00b7 " + std::to_string(percent()) + " %");
}

} // namespace quimbra::exercise
