// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "code_listing.h"
#include "form.h"
#include "replay_stepper.h"
#include "step_player.h"

#include <string>
#include <vector>

namespace quimbra {

class Canvas;

// The base of a step-by-step view: a window of the program like the
// demonstration windows (caption, icon, a cmdFine that closes it, tab order,
// accessible names, built from a layout table), which plays an algorithm with
// a StepPlayer. Its layout holds the player's controls under their names,
// cmdPasso, cmdAvvia, cmdTutto, sldVelocita (and lblVelocita for the speed in
// words, if wanted), a cmdFine and one Canvas control, the view that the
// player repaints. Where its layout holds them, the view also has
// cmdIndietro, sldPosizione and lblPosizione (going back, and to any step),
// the code panel lstCodice with its choice cboCodice ("Pseudocodice" or
// "C++"), and lstVariabili, the routine's variables.
//
// Unlike a demonstration window it has no slot: the window that opens it
// creates it with itself as owner, calls Show() and forgets it. Several may
// be open at once, each holding its own data; each is deleted when its window
// closes (its cmdFine, its close box, or the menu's "Fine" closing every
// window), or at the latest with its owner.
//
// A step view has no activation step, but it is a window of the program: the
// activation tracker knows it like any Form, so that going from a step view
// back to a demonstration window runs that window's activation step, exactly
// as going back from another demonstration window does.
class StepView : public Form
{
    Q_OBJECT
public:
    StepView(const FormLayout &layout, QObject *owner);
    ~StepView() override;

    StepPlayer &player() { return player_; }
    Canvas *canvas() const;

    void cmdFine_Click();

protected:
    // Wires cmdFine and the player's controls and keys; a subclass that
    // overrides it calls it first.
    void connectControls() override;
    // Moves the window a little away from the views already open, so that
    // they do not cover one another exactly.
    void Form_Load() override;

    // For views that replay a run recorded whole. startRecordedRun() hands the
    // player a new run of count steps, none done, whose lines will replace
    // whatever lstPassi holds; showRecordedLines() shows the run's first count
    // lines there, touching the list only when that number changed, and keeps
    // the last of them in sight.
    void startRecordedRun(ReplayStepper &stepper, int count);
    void showRecordedLines(const std::vector<std::string> &lines, std::size_t count);

    // The code panel shows this routine's code in the language chosen, with
    // the row of its source line `line` lit and current (0: none lit).
    void showCode(const CodeListing *listing, int line, int branch = 0);
    // Which lines differ from the same lines one step before.
    static std::vector<bool> changedLines(const std::vector<std::string> &now,
                                          const std::vector<std::string> &before);
    // The variables panel: one "name = value" line each, those that the last
    // step changed in magenta.
    void showVariables(const std::vector<std::string> &lines, const std::vector<bool> &changed);

private:
    void unloaded() override;

    void showCodeRows();

    StepPlayer player_;
    const CodeListing *listing_ = nullptr;
    int listingShown_ = -1; // which text lstCodice holds: 0 pseudocode, 1 C++
    const CodeListing *listingInPanel_ = nullptr;
    int line_ = 0;
    int branch_ = 0;
    std::vector<std::string> variables_;
    std::vector<bool> changed_;
    std::size_t linesShown_ = std::size_t(-1);
    static int open_;
    Cascade cascade_{open_};
};

} // namespace quimbra
