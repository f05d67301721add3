// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmABR.h"

#include "frmPassoABR.h"

#include "step_action.h"
#include "widgets.h"

#include <QAction>

#include <QLineEdit>
#include <QPushButton>

namespace quimbra {

frmABR::frmABR(RandomSource &rnd, const Clock &clock) : Form(abrLayout()), rnd_(rnd), clock_(clock)
{
}

void frmABR::connectControls()
{
    connect(button("cmdFine"), &QPushButton::clicked, this, &frmABR::cmdFine_Click);
    connect(button("cmdRicerca"), &QPushButton::clicked, this, &frmABR::cmdRicerca_Click);
    for (int index = 0; index < 3; ++index)
        connect(button("cmdV", index), &QPushButton::clicked, this,
                [this, index] { cmdV_Click(index); });
    connect(addStepViewAction(window(), {list("lstVet"), list("lstX"), list("lstABR"),
                                         list("lstRic"), list("lstV")}),
            &QAction::triggered, this, &frmABR::PassoPasso);
}

void frmABR::PassoPasso()
{
    auto *view = new frmPassoABR(ABR, textBox("txtX")->text(), this);
    view->Show();
}

void frmABR::Form_Load()
{
    N = abr::N;
    rnd_.seed(clock_.secondsSinceMidnight());
    GeneraABR();
}

void frmABR::GeneraABR()
{
    abr::DrawKeys(Vet, rnd_);
    list("lstVet")->setLines(abr::VectorLines(Vet));
    abr::CostruisciABR(Vet, ABR, 1, N, 1, 0, 0);
    list("lstX")->setLines(abr::NodeTableLines(ABR));
    list("lstABR")->setLines(abr::DrawingLines(ABR));
}

void frmABR::cmdFine_Click()
{
    Unload();
}

void frmABR::cmdRicerca_Click()
{
    list("lstRic")->setLines(abr::SearchLines(ABR, textBox("txtX")->text().toStdString()));
}

void frmABR::cmdV_Click(int Index)
{
    list("lstV")->setLines(abr::VisitLines(ABR, Index));
}

} // namespace quimbra
