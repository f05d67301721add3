// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quimbra {

// What a recursive routine reports as a call of it begins and as it returns,
// to the observer it already tells about its steps: its arguments as the
// routine names them (b is NoArgument for a routine of one), and on return
// its result, if it gives one.
inline constexpr int NoArgument = -32768;

struct CallEnter
{
    int a;
    int b = NoArgument;
};

struct CallReturn
{
    bool hasResult = false;
    std::int64_t result = 0;
};

// Reports a call's result and gives it back, so that a routine that
// returns a call's value can still say `return returned(observe, value);`.
template <class Observer, class T>
T returned(Observer &observe, T result)
{
    observe(CallReturn{true, static_cast<std::int64_t>(result)});
    return result;
}

// An observer made of callables, one for each kind of report.
template <class... Callables>
struct Observers : Callables...
{
    using Callables::operator()...;
};
template <class... Callables>
Observers(Callables...) -> Observers<Callables...>;

// The part of an observer that takes no notice of the calls.
struct IgnoreCalls
{
    void operator()(const CallEnter &) const {}
    void operator()(const CallReturn &) const {}
};

// One call as recorded: its arguments, its depth (1 for the outermost), the
// step it began in and the step it returned in (a step view's steps: the
// call is under way from the one to the other), and its result.
struct CallRecord
{
    int a = 0, b = NoArgument;
    int depth = 0;
    long entered = 0;
    long returned = -1; // -1 while under way
    bool hasResult = false;
    std::int64_t result = 0;
};

// One line of the list of calls shown at a step.
struct CallLine
{
    std::string text; // "QuickSort(1, 1000)", "Fattoriale(3) = 6"
    int depth = 0;
    bool returning = false; // it returns in this step
};

// The calls of one run, in the order they began, recorded as the routine
// reports them with the step each event belongs to: the index of the step
// that comes next (an event between steps 4 and 5 belongs to step 5).
class CallTrace
{
public:
    void enter(const CallEnter &call, long step);
    void leave(const CallReturn &call, long step);
    // Any call left open ends with the run, after its last step.
    void finish(long steps);

    bool empty() const { return calls_.empty(); }
    const std::vector<CallRecord> &calls() const { return calls_; }
    int deepest() const { return deepest_; }

    // The calls shown after steps 0..step (-1: none done): those under way,
    // the outermost first, and those that return in that step, with their
    // results, each where it began.
    // Results are grouped by thousands with the separator, if one is given.
    std::vector<CallLine> linesAt(long step, std::string_view routine, std::string_view separator = {}) const;
    // The same calls as recorded.
    std::vector<CallRecord> shownAt(long step) const;
    // How many calls are under way after that step, and the most so far.
    int depthAt(long step) const;
    int deepestUpTo(long step) const;
    // "profondità 4, massima 9".
    std::string depthSentence(long step) const;

    // A call as its line shows it: "MergeSort(1, 500)", "Fattoriale(3) = 6".
    static std::string callText(std::string_view routine, const CallRecord &call, bool withResult,
                                std::string_view separator = {});

private:
    std::vector<CallRecord> calls_;
    std::vector<std::size_t> open_;
    int deepest_ = 0;
};

} // namespace quimbra
