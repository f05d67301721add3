// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "abr.h"
#include "replay_stepper.h"
#include "step_view.h"
#include "tree_drawing.h"

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

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
    void cboEsercizio_Click();
    // A graded exercise on the tree of 15 keys of this code: the search of
    // its key, or a visit, as last chosen with the buttons.
    void startExercise(int code) override;

private:
    void connectViewControls() override;
    void Form_Load() override;
    void play(abr::TreeSteps steps);
    // Shows the steps done so far: the list, the sentence, the lit nodes.
    void showState() override;
    void paintView(QPainter &painter, const QRect &area) const override;
    QString stepSentence() const override;
    const abr::Tabella &shownTree() const;
    void leaveExercise();

    abr::Tabella ABR{};
    QString typed_;
    QLineEdit *txtChiave_ = nullptr;
    QPushButton *cmdRicerca_ = nullptr;
    std::array<QPushButton *, 3> cmdV_{};
    QComboBox *cboEsercizio_ = nullptr;
    abr::TreeSteps steps_;
    ReplayStepper stepper_;
    TreeDrawing drawing_;
    // While an exercise is shown, its own tree stands in for the window's.
    abr::Tabella exerciseTree_{};
};

// The layout of the tree's step view.
const FormLayout &passoAbrLayout();

} // namespace quimbra
