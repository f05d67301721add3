// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"
#include "random.h"

#include <memory>

namespace quimbra {

class frmRicBin;
class frmABR;
class frmSort;

// The main menu: three buttons that open the demonstration windows and one
// that ends the program. It holds the one slot of each demonstration class:
// filled on first use and kept until the program ends.
class frm_Quimbra final : public Form
{
    Q_OBJECT
public:
    frm_Quimbra(RandomSource &rnd, const Clock &clock);
    ~frm_Quimbra() override;

    frmSort *sortSlot() const { return sort_.get(); }
    frmRicBin *ricBinSlot() const { return ricBin_.get(); }
    frmABR *abrSlot() const { return abr_.get(); }

    void cmdSort_Click();
    void cmdRicBin_Click();
    void cmdABR_Click();
    void cmdFine_Click();

private:
    void connectControls() override;

    RandomSource &rnd_;
    const Clock &clock_;
    std::unique_ptr<frmSort> sort_;
    std::unique_ptr<frmRicBin> ricBin_;
    std::unique_ptr<frmABR> abr_;
};

// The layout of the main menu.
const FormLayout &menuLayout();

} // namespace quimbra
