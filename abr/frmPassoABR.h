// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "abr.h"
#include "replay_stepper.h"
#include "step_view.h"
#include "tree_drawing.h"

namespace quimbra {

// The tree search and the three visits step by step, on a copy of frmABR's
// tree drawn as a tree: each step lights the node it reaches and adds the
// line that the window's list would show for it, and a sentence says what
// the step did. "Ricerca" searches the key typed in txtChiave; the three
// visit buttons start a visit.
class frmPassoABR final : public StepView
{
    Q_OBJECT
public:
    frmPassoABR(const abr::Tabella &ABR, const QString &typed, QObject *owner);

    const TreeDrawing &drawing() const { return drawing_; }
    const abr::TreeSteps &steps() const { return steps_; }

    void cmdRicerca_Click();
    void cmdV_Click(int Index);

private:
    void connectControls() override;
    void Form_Load() override;
    void play(abr::TreeSteps steps);
    // Shows the steps done so far: the list, the sentence, the lit nodes.
    void showSteps();

    abr::Tabella ABR{};
    QString typed_;
    abr::TreeSteps steps_;
    ReplayStepper stepper_;
    TreeDrawing drawing_;
};

} // namespace quimbra
