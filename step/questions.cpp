// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions.h"

#include "exercise.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace quimbra::questions {

bool Within(long typed, long answer, int tolerance)
{
    const long long off = std::llabs(static_cast<long long>(typed) - answer);
    return off * 100 <= static_cast<long long>(tolerance) * std::llabs(static_cast<long long>(answer));
}

std::uint64_t SeedOf(const std::vector<long> &data)
{
    std::uint64_t h = 14695981039346656037ull; // FNV-1a over the values
    for (long v : data) {
        h ^= static_cast<std::uint64_t>(v);
        h *= 1099511628211ull;
    }
    return h;
}

std::vector<Question> Choose(std::vector<Question> candidates, long steps, std::uint64_t seed, int most)
{
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Question &a, const Question &b) { return a.moment < b.moment; });
    // The run cut into `most` stretches, one question drawn from each.
    exercise::CodeRandom random(static_cast<int>(seed % 90000) + exercise::FirstCode,
                                static_cast<std::uint32_t>(seed >> 32) | 0x5100u);
    const long gap = std::max(1L, steps / (most + 1));
    std::vector<Question> chosen;
    long last = -gap;
    for (int part = 0; part < most; ++part) {
        const long from = steps * part / most, to = steps * (part + 1) / most;
        std::vector<std::size_t> here;
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            const long m = candidates[i].moment;
            if (m >= std::max(from, last + gap) && (m < to || (part == most - 1 && m <= to)))
                here.push_back(i);
        }
        if (here.empty())
            continue;
        Question &q = candidates[here[std::size_t(random.below(static_cast<int>(here.size())))]];
        last = q.moment;
        chosen.push_back(std::move(q));
    }
    return chosen;
}

long Quiz::nextMoment(long position) const
{
    for (std::size_t i = next_; i < questions_.size(); ++i)
        if (questions_[i].moment >= position)
            return questions_[i].moment;
    return -1;
}

const Question *Quiz::due(long position)
{
    if (pending_ >= 0)
        return pending();
    while (next_ < questions_.size() && questions_[next_].moment < position)
        ++next_; // passed by: never asked
    if (next_ >= questions_.size() || questions_[next_].moment != position)
        return nullptr;
    pending_ = static_cast<long>(next_++);
    return pending();
}

bool Quiz::answer(long value)
{
    const Question *q = pending();
    if (!q)
        return false;
    const bool right = q->choices.empty() ? Within(value, q->answer, q->tolerance) : value == q->answer;
    ++asked_;
    if (right)
        ++right_;
    close();
    return right;
}

void Quiz::skip()
{
    if (!pending())
        return;
    ++asked_;
    close();
}

void Quiz::drop()
{
    close();
}

void Quiz::close()
{
    pending_ = -1;
}

std::string Quiz::score() const
{
    if (asked_ == 0)
        return {};
    return std::to_string(right_) + " " + (right_ == 1 ? "domanda" : "domande") + " su " + std::to_string(asked_);
}

namespace {

std::string argumentsOf(std::string_view routine, const CallRecord &call)
{
    return CallTrace::callText(routine, call, false);
}

} // namespace

std::vector<Question> CallQuestions(const CallTrace &trace, std::string_view routine, long steps)
{
    std::vector<Question> out;
    // The calls begun by the last step: those the view lists.
    std::vector<CallRecord> calls;
    for (const CallRecord &c : trace.calls())
        if (c.entered < steps)
            calls.push_back(c);
    if (calls.size() < 2)
        return out;
    const int deepest = trace.deepestUpTo(steps - 1);
    const std::string name(routine);
    out.push_back({"profondità", 0,
                   "Quanto in profondità andranno le chiamate di " + name +
                       "? Scrivi quante ne saranno in corso, al massimo, una dentro l'altra",
                   {}, deepest, 0, Click::None,
                   "Al massimo " + std::to_string(deepest) +
                       " chiamate sono in corso insieme: ogni chiamata aspetta quella che ha fatto"});
    out.push_back({"chiamate", 0, "Quante chiamate di " + name + " farà in tutto l'esecuzione? Scrivi il numero",
                   {}, static_cast<long>(calls.size()), 0, Click::None,
                   "Le chiamate sono " + std::to_string(calls.size()) + ", contando la prima"});
    for (const CallRecord &c : calls)
        if (c.hasResult && c.returned > c.entered + 1) {
            const std::string call = argumentsOf(routine, c);
            out.push_back({"risultato", c.entered + 1, "Che cosa restituirà " + call + "? Scrivi il numero", {},
                           static_cast<long>(c.result), 0, Click::None,
                           call + " restituisce " + std::to_string(c.result)});
        }
    return out;
}

} // namespace quimbra::questions
