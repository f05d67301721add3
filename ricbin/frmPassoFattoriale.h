// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "replay_stepper.h"
#include "ricbin.h"
#include "step_view.h"

class QLineEdit;

namespace quimbra {

// The factorial step by step, on the number typed in frmRicBin: the calls
// going in down to the base case, then the returns with their products, the
// stack of calls drawn as a column of frames (the outermost at the bottom),
// each with its n and, once it returns, its result. Above 12 it says, as the
// window does, that it computes at most 12!.
class frmPassoFattoriale final : public StepView
{
    Q_OBJECT
public:
    frmPassoFattoriale(const QString &typed, QObject *owner);

    const ricbin::FactorialSteps &steps() const { return steps_; }
    // Reads the number in txtNumero and plays its factorial from the start.
    void txtNumero_Enter();
    void startExercise(int) override {}

private:
    void connectViewControls() override;
    void Form_Load() override;
    void showState() override;
    void paintView(QPainter &painter, const QRect &area) const override;
    QString stepSentence() const override;

    QString typed_;
    QLineEdit *txtNumero_ = nullptr;
    ricbin::FactorialSteps steps_;
    ReplayStepper stepper_;
};

const FormLayout &passoFattorialeLayout();

} // namespace quimbra
