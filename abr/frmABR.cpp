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

using namespace fonts;
using namespace colours;

const FormLayout &abrLayout()
{
    static const FormLayout layout{
        "frmABR", "ABR (Albero Binario di Ricerca) - prof. Orvalde", 10890, 6690, none,
        {
            {"cmdFine", -1, Kind::Button, "frameRic", 720, 6120, 975, 495, "Fine", sans825, none,
             none, NoFlags, "Chiudi la finestra"},
            {"cmdV", 0, Kind::Button, "frameRic", 720, 120, 975, 495, "Visita Anticipata",
             sans825, none, none, NoFlags, "Visita anticipata dell'albero"},
            {"cmdV", 1, Kind::Button, "frameRic", 720, 720, 975, 495, "Visita Simmetrica",
             sans825, none, none, NoFlags, "Visita simmetrica dell'albero"},
            {"cmdV", 2, Kind::Button, "frameRic", 720, 1320, 975, 495, "Visita Posticipata",
             sans825, none, none, NoFlags, "Visita posticipata dell'albero"},
            {"txtX", -1, Kind::TextBox, "frameRic", 720, 2280, 975, 375, nullptr, mono12b, white,
             blue, Centred, "Chiave da cercare nell'albero"},
            {"cmdRicerca", -1, Kind::Button, "frameRic", 720, 2760, 975, 495, "Ricerca", sans825b,
             none, none, NoFlags, "Ricerca la chiave nell'albero"},
            {"lstX", -1, Kind::ListBox, nullptr, 1320, 120, 3375, 6495, nullptr, mono975, none,
             none, NoFlags, "Tabella dei nodi dell'albero"},
            {"lstABR", -1, Kind::ListBox, nullptr, 4800, 120, 4095, 6495, nullptr, mono975,
             paleYellow, darkRed, NoFlags, "Disegno dell'albero"},
            {"lstVet", -1, Kind::ListBox, nullptr, 120, 120, 1095, 6495, nullptr, mono975, none,
             none, NoFlags, "Vettore delle chiavi ordinate"},
            {"frameRic", -1, Kind::Frame, nullptr, 9000, 0, 1815, 6660, nullptr, sans825, none,
             none, NoFlags, nullptr},
            {"lstRic", -1, Kind::ListBox, "frameRic", 720, 3360, 975, 1815, nullptr, mono975,
             paleCyan, blue, NoFlags, "Percorso della ricerca"},
            {"lstV", -1, Kind::ListBox, "frameRic", 0, 120, 615, 6495, nullptr, mono975, paleCyan,
             darkRed, NoFlags, "Chiavi nell'ordine della visita"},
        }};
    return layout;
}

frmABR::frmABR(RandomSource &rnd, const Clock &clock) : Form(abrLayout()), rnd_(rnd), clock_(clock)
{
}

void frmABR::connectControls()
{
    ui_ = {need<QLineEdit>("txtX"), need<ListBox>("lstVet"), need<ListBox>("lstX"),
           need<ListBox>("lstABR"), need<ListBox>("lstRic"), need<ListBox>("lstV")};
    connect(need<QPushButton>("cmdFine"), &QPushButton::clicked, this, &frmABR::cmdFine_Click);
    connect(need<QPushButton>("cmdRicerca"), &QPushButton::clicked, this, &frmABR::cmdRicerca_Click);
    for (int index = 0; index < 3; ++index)
        connect(need<QPushButton>("cmdV", index), &QPushButton::clicked, this,
                [this, index] { cmdV_Click(index); });
    for (ListBox *list : {ui_.lstVet, ui_.lstX, ui_.lstABR, ui_.lstRic, ui_.lstV})
        list->setToolTip(QStringLiteral("F2: la ricerca e le visite passo passo \u00b7 F1: guida"));
    connect(addStepViewAction(window(), {ui_.lstVet, ui_.lstX, ui_.lstABR, ui_.lstRic, ui_.lstV}),
            &QAction::triggered, this, &frmABR::PassoPasso);
}

frmPassoABR *frmABR::PassoPasso()
{
    auto *view = new frmPassoABR(ABR, ui_.txtX->text(), this);
    view->Show();
    return view;
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
    ui_.lstVet->setLines(abr::VectorLines(Vet));
    abr::CostruisciABR(Vet, ABR, 1, N, 1, 0, 0);
    ui_.lstX->setLines(abr::NodeTableLines(ABR));
    ui_.lstABR->setLines(abr::DrawingLines(ABR));
}

void frmABR::cmdFine_Click()
{
    Unload();
}

void frmABR::cmdRicerca_Click()
{
    ui_.lstRic->setLines(abr::SearchLines(ABR, ui_.txtX->text().toStdString()));
}

void frmABR::cmdV_Click(int Index)
{
    ui_.lstV->setLines(abr::VisitLines(ABR, Index));
}

} // namespace quimbra
