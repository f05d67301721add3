// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"
#include "random.h"
#include "types.h"

#include <QString>

#include <array>

class QLabel;

namespace quimbra {

class ListBox;
class frmPassoSort;

// Four sorts compared side by side on copies of one random vector of 1000
// numbers, each column showing the sorted numbers and the moves it took.
class frmSort final : public Form
{
    Q_OBJECT
public:
    frmSort(RandomSource &rnd, const Clock &clock);

    void cmdFine_Click();
    void cmdSort_Click();
    // Opens the step-by-step view of column k's sort on a copy of VOrig.
    frmPassoSort *PassoPasso(int k);
    // Opens a new growth chart of the four sorts.
    void Grafico();

private:
    void Form_Load() override;
    void Form_Activate() override;
    void connectControls() override;
    void ConfrontaSort();
    void Prepara();
    void Mostra(int k);
    bool eventFilter(QObject *watched, QEvent *event) override;

    // The controls that the handlers use, resolved when the window loads:
    // each column's sorted list, title and count.
    struct Controls
    {
        std::array<ListBox *, 4> lstSort;
        std::array<QLabel *, 4> lblTitSort;
        std::array<QLabel *, 4> lblSort;
    };

    RandomSource &rnd_;
    const Clock &clock_;
    Controls ui_{};
    Integer N = 0;
    std::array<Integer, 1001> V{};
    std::array<Integer, 1001> VOrig{};
    std::array<QString, 4> TitSort;
    Long NMosse = 0;
};

// The layout of the sorting window.
const FormLayout &sortLayout();

} // namespace quimbra
