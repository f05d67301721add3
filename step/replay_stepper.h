// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stepper.h"

#include <algorithm>

namespace quimbra {

// Steps through a run that was recorded whole beforehand (a search of at most
// a dozen probes, a visit of 31 nodes): only the number of steps done moves,
// and the window shows the recorded steps up to it.
class ReplayStepper final : public Stepper
{
public:
    // A new run of count steps, none of them done.
    void reset(int count)
    {
        count_ = count;
        done_ = 0;
    }
    int done() const { return done_; }

    bool step() override
    {
        if (finished())
            return false;
        ++done_;
        return true;
    }
    bool finished() const override { return done_ >= count_; }
    void runToEnd() override { done_ = count_; }
    void restart() override { done_ = 0; }
    long position() const override { return done_; }
    long count() const override { return count_; }
    void seek(long step) override { done_ = int(std::clamp<long>(step, 0, count_)); }

private:
    int count_ = 0;
    int done_ = 0;
};

} // namespace quimbra
