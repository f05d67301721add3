// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm_Quimbra.h"

#include "frmABR.h"
#include "frmRicBin.h"
#include "frmSort.h"

#include <QApplication>
#include <QPushButton>

namespace quimbra {

frm_Quimbra::frm_Quimbra(RandomSource &rnd, const Clock &clock)
    : Form(menuLayout()), rnd_(rnd), clock_(clock)
{
}

frm_Quimbra::~frm_Quimbra() = default;

void frm_Quimbra::connectControls()
{
    connect(button("cmdSort"), &QPushButton::clicked, this, &frm_Quimbra::cmdSort_Click);
    connect(button("cmdRicBin"), &QPushButton::clicked, this, &frm_Quimbra::cmdRicBin_Click);
    connect(button("cmdABR"), &QPushButton::clicked, this, &frm_Quimbra::cmdABR_Click);
    connect(button("cmdFine"), &QPushButton::clicked, this, &frm_Quimbra::cmdFine_Click);
}

void frm_Quimbra::cmdSort_Click()
{
    if (!sort_)
        sort_ = std::make_unique<frmSort>(rnd_, clock_);
    sort_->Show();
}

void frm_Quimbra::cmdRicBin_Click()
{
    if (!ricBin_)
        ricBin_ = std::make_unique<frmRicBin>(rnd_, clock_);
    ricBin_->Show();
}

void frm_Quimbra::cmdABR_Click()
{
    if (!abr_)
        abr_ = std::make_unique<frmABR>(rnd_, clock_);
    abr_->Show();
}

void frm_Quimbra::cmdFine_Click()
{
    // Every window closes at once, nothing is asked, and the program ends.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace quimbra
