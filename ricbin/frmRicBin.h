// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"
#include "random.h"
#include "types.h"

#include <array>

namespace quimbra {

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
    void PassoPasso();

private:
    void Form_Load() override;
    void Form_Activate() override;
    void connectControls() override;

    RandomSource &rnd_;
    const Clock &clock_;
    Integer N = 0;
    std::array<Integer, 1001> V{};
};

// The thousands separator of the user's regional settings; Italian's full
// stop when the settings name no language (the C or POSIX locale).
QString thousandsSeparator();

} // namespace quimbra
