// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calls.h"

#include "text.h"

#include <algorithm>

namespace quimbra {

void CallTrace::enter(const CallEnter &call, long step)
{
    CallRecord record;
    record.a = call.a;
    record.b = call.b;
    record.depth = static_cast<int>(open_.size()) + 1;
    record.entered = step;
    deepest_ = std::max(deepest_, record.depth);
    open_.push_back(calls_.size());
    calls_.push_back(record);
}

void CallTrace::leave(const CallReturn &call, long step)
{
    if (open_.empty())
        return;
    CallRecord &record = calls_[open_.back()];
    open_.pop_back();
    record.returned = step;
    record.hasResult = call.hasResult;
    record.result = call.result;
}

void CallTrace::finish(long steps)
{
    while (!open_.empty())
        leave({}, steps);
}

namespace {

// Under way after that step: begun in it or before, returning after it.
bool underWay(const CallRecord &c, long step)
{
    return c.entered <= step && (c.returned < 0 || c.returned > step);
}

} // namespace

std::string CallTrace::callText(std::string_view routine, const CallRecord &call, bool withResult,
                                std::string_view separator)
{
    std::string text(routine);
    text += "(" + std::to_string(call.a);
    if (call.b != NoArgument)
        text += ", " + std::to_string(call.b);
    text += ")";
    if (withResult && call.hasResult)
        text += " = " + (separator.empty() || call.result < 0 ? std::to_string(call.result)
                                                               : groupThousands(call.result, separator));
    return text;
}

std::vector<CallRecord> CallTrace::shownAt(long step) const
{
    std::vector<CallRecord> shown;
    for (const CallRecord &c : calls_) {
        if (c.entered > step)
            break; // begun in order: none after this one has begun either
        if (c.returned == step || underWay(c, step))
            shown.push_back(c);
    }
    return shown;
}

std::vector<CallLine> CallTrace::linesAt(long step, std::string_view routine, std::string_view separator) const
{
    std::vector<CallLine> lines;
    for (const CallRecord &c : shownAt(step)) {
        const bool returning = c.returned == step;
        std::string text = callText(routine, c, returning, separator);
        // A call that gives nothing back is marked as it returns.
        if (returning && !c.hasResult)
            text += " \u21a9";
        lines.push_back({std::move(text), c.depth, returning});
    }
    return lines;
}

int CallTrace::depthAt(long step) const
{
    int depth = 0;
    for (const CallRecord &c : calls_) {
        if (c.entered > step)
            break;
        if (underWay(c, step))
            depth = std::max(depth, c.depth);
    }
    return depth;
}

int CallTrace::deepestUpTo(long step) const
{
    int most = 0;
    for (const CallRecord &c : calls_) {
        if (c.entered > step)
            break;
        most = std::max(most, c.depth);
    }
    return most;
}

std::string CallTrace::depthSentence(long step) const
{
    return "profondit\u00e0 " + std::to_string(depthAt(step)) + ", massima " + std::to_string(deepestUpTo(step));
}

} // namespace quimbra
