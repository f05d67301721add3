// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm_Quimbra.h"

#include "frmABR.h"
#include "frmRicBin.h"
#include "frmSort.h"

#include <QApplication>
#include <QPushButton>

namespace quimbra {

using namespace fonts;
using namespace colours;

const FormLayout &menuLayout()
{
    static const FormLayout layout{
        "frm_Quimbra", "Quimbra - prof. Orvalde", 4800, 4890, rgb(192, 255, 255),
        {
            {"cmdFine", -1, Kind::Button, nullptr, 1680, 4080, 1455, 615, "Fine", sans825, none,
             none, NoFlags, "Fine: esci dal programma"},
            {"cmdSort", -1, Kind::Button, nullptr, 1680, 360, 1455, 615, "Ordinamenti", sans975b,
             none, none, NoFlags, "Ordinamenti: confronto tra algoritmi di ordinamento"},
            {"cmdRicBin", -1, Kind::Button, nullptr, 1680, 1320, 1455, 615, "Ricerca Binaria",
             sans975b, none, none, NoFlags, "Ricerca Binaria: ricerca in un vettore ordinato"},
            {"cmdABR", -1, Kind::Button, nullptr, 1680, 2280, 1455, 615, "ABR", sans975b, none,
             none, NoFlags, "ABR: albero binario di ricerca"},
        }};
    return layout;
}

frm_Quimbra::frm_Quimbra(RandomSource &rnd, const Clock &clock)
    : Form(menuLayout()), rnd_(rnd), clock_(clock)
{
}

frm_Quimbra::~frm_Quimbra() = default;

void frm_Quimbra::connectControls()
{
    connect(need<QPushButton>("cmdSort"), &QPushButton::clicked, this, &frm_Quimbra::cmdSort_Click);
    connect(need<QPushButton>("cmdRicBin"), &QPushButton::clicked, this, &frm_Quimbra::cmdRicBin_Click);
    connect(need<QPushButton>("cmdABR"), &QPushButton::clicked, this, &frm_Quimbra::cmdABR_Click);
    connect(need<QPushButton>("cmdFine"), &QPushButton::clicked, this, &frm_Quimbra::cmdFine_Click);
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
