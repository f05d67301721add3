// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmRicBin.h"

#include "frmPassoRicBin.h"

#include "ricbin.h"
#include "step_action.h"
#include "text.h"
#include "widgets.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace quimbra {

frmRicBin::frmRicBin(RandomSource &rnd, const Clock &clock)
    : Form(ricBinLayout()), rnd_(rnd), clock_(clock)
{
}

void frmRicBin::connectControls()
{
    connect(button("cmdRicBin"), &QPushButton::clicked, this, &frmRicBin::cmdRicBin_Click);
    connect(button("cmdFattoriale"), &QPushButton::clicked, this,
            &frmRicBin::cmdFattoriale_Click);
    connect(button("cmdFine"), &QPushButton::clicked, this, &frmRicBin::cmdFine_Click);
    connect(addStepViewAction(window(), {list("lstV"), list("lstRB")}), &QAction::triggered, this,
            &frmRicBin::PassoPasso);
}

void frmRicBin::PassoPasso()
{
    // The view keeps its own copy: the next activation here draws anew.
    auto *view = new frmPassoRicBin(V, N, textBox("txtX")->text(), this);
    view->Show();
}

void frmRicBin::Form_Load()
{
    N = 1000;
    rnd_.seed(clock_.secondsSinceMidnight());
}

void frmRicBin::Form_Activate()
{
    ricbin::DrawSortedVector(V, N, rnd_);
    list("lstV")->setLines(ricbin::VectorLines(V, N));
}

void frmRicBin::cmdFine_Click()
{
    Unload();
}

void frmRicBin::cmdRicBin_Click()
{
    list("lstRB")->setLines(ricbin::SearchLines(V, N, textBox("txtX")->text().toStdString()));
}

void frmRicBin::cmdFattoriale_Click()
{
    const Integer n = textToInteger(textBox("txtFatt")->text().toStdString());
    if (n > ricbin::LargestFactorial) {
        showMessage(QMessageBox::Warning,
                    QStringLiteral("Numero troppo grande, al massimo calcolo il fattoriale di 12"), window());
        // The window under the box is the active one again; not every window
        // system hands the activation back by itself once the box is gone.
        if (QWidget *w = window())
            w->activateWindow();
        return;
    }
    const std::string digits =
        ricbin::GroupThousands(ricbin::Fattoriale(n), thousandsSeparator().toStdString());
    label("lblFatt")->setText(QStringLiteral("il Fattoriale \u00e8 \n") + QString::fromStdString(digits));
}

QString thousandsSeparator()
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::Italian, QLocale::Italy);
    return locale.groupSeparator();
}

} // namespace quimbra
