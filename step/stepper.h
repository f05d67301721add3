// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quimbra {

// Something that a step view plays one step at a time: an algorithm run that
// can advance by one step, go to any step of it (back as well as forward),
// jump to its end and start over. The StepPlayer
// drives it; the window that owns it reads its state to paint and label it.
class Stepper
{
public:
    virtual ~Stepper() = default;

    // Does the next step. Returns false, and changes nothing, when the run
    // had already finished.
    virtual bool step() = 0;
    virtual bool finished() const = 0;
    // Completes the run at once, as if every remaining step had been taken.
    virtual void runToEnd() = 0;
    // Back to the state before the first step.
    virtual void restart() = 0;
    // The steps done so far, and the steps of the whole run.
    virtual long position() const = 0;
    virtual long count() const = 0;
    // Puts the run in exactly the state it had after `step` steps (clamped to
    // 0..count()), as if it had been played from the start to there.
    virtual void seek(long step) = 0;
};

} // namespace quimbra
