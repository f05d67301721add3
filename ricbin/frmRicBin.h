// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"
#include "numbers.h"
#include "random.h"
#include "types.h"

#include <array>

class QLabel;
class QLineEdit;

namespace quimbra {

class ListBox;
class frmPassoRicBin;
class frmPassoFattoriale;

// Binary search over 1000 sorted random numbers, traced probe by probe, and a
// small factorial calculator.
class frmRicBin final : public Form
{
    Q_OBJECT
public:
    frmRicBin(RandomSource &rnd, const Clock &clock);

    void cmdFine_Click();
    void cmdRicBin_Click();
    void cmdFattoriale_Click();
    // Opens a step view of the search on a copy of V and the number in txtX.
    frmPassoRicBin *PassoPasso();
    // Opens the factorial step by step on the number in txtFatt.
    frmPassoFattoriale *PassoFattoriale();

private:
    void Form_Load() override;
    void Form_Activate() override;
    void connectControls() override;

    // The controls that the handlers use, resolved when the window loads.
    struct Controls
    {
        QLineEdit *txtX;
        QLineEdit *txtFatt;
        ListBox *lstV;
        ListBox *lstRB;
        QLabel *lblFatt;
    };

    RandomSource &rnd_;
    const Clock &clock_;
    Controls ui_{};
    Integer N = 0;
    std::array<Integer, 1001> V{};
};

// The layout of the binary search window.
const FormLayout &ricBinLayout();

} // namespace quimbra
