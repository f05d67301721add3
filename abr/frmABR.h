// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "abr.h"
#include "form.h"
#include "random.h"

class QLineEdit;

namespace quimbra {

class ListBox;
class frmPassoABR;

// A balanced binary search tree of 31 random keys: the sorted keys, the node
// table, a sideways drawing, a traced search and the three visits. The tree is
// built when the window loads and stays the same until it loads again.
class frmABR final : public Form
{
    Q_OBJECT
public:
    frmABR(RandomSource &rnd, const Clock &clock);

    void cmdFine_Click();
    void cmdRicerca_Click();
    void cmdV_Click(int Index);
    // Opens a step view on a copy of the tree, with the key typed in txtX.
    frmPassoABR *PassoPasso();

private:
    void Form_Load() override;
    void connectControls() override;
    void GeneraABR();

    // The controls that the handlers use, resolved when the window loads.
    struct Controls
    {
        QLineEdit *txtX;
        ListBox *lstVet;
        ListBox *lstX;
        ListBox *lstABR;
        ListBox *lstRic;
        ListBox *lstV;
    };

    RandomSource &rnd_;
    const Clock &clock_;
    Controls ui_{};
    Integer N = 0;
    abr::Vettore Vet{};
    abr::Tabella ABR{};
};

// The layout of the tree window.
const FormLayout &abrLayout();

} // namespace quimbra
