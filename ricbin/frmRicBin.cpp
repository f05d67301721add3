// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmRicBin.h"

#include "frmPassoFattoriale.h"
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
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace quimbra {

using namespace fonts;
using namespace colours;

const FormLayout &ricBinLayout()
{
    static const FormLayout layout{
        "frmRicBin", "Ricerca Binaria - prof. Orvalde", 8010, 7080, none,
        {
            {"txtX", -1, Kind::TextBox, nullptr, 2760, 240, 975, 375, nullptr, mono12b, white, blue,
             Centred, "Numero da cercare"},
            {"cmdRicBin", -1, Kind::Button, nullptr, 3960, 240, 1575, 375, "Ricerca Binaria",
             sans825b, none, none, NoFlags, "Ricerca Binaria del numero nel vettore"},
            {"txtFatt", -1, Kind::TextBox, "frameFattoriale", 240, 360, 855, 375, nullptr, mono12b,
             white, blue, Centred, "Numero di cui calcolare il fattoriale"},
            {"cmdFattoriale", -1, Kind::Button, "frameFattoriale", 1200, 360, 855, 375,
             "Fattoriale", sans825, none, none, NoFlags, "Calcola il fattoriale"},
            {"cmdFine", -1, Kind::Button, nullptr, 6960, 6600, 975, 375, "FINE", sans825, none,
             none, NoFlags, "Chiudi la finestra"},
            {"lstV", -1, Kind::ListBox, nullptr, 240, 240, 2175, 6690, nullptr, mono975b,
             paleYellow, none, NoFlags, "Vettore ordinato: posizione e valore"},
            {"lstRB", -1, Kind::ListBox, nullptr, 2760, 840, 2775, 6105, nullptr, mono975,
             paleCyan, blue, NoFlags, "Passi della ricerca binaria"},
            {"frameFattoriale", -1, Kind::Frame, nullptr, 5760, 120, 2175, 1815, "Fattoriale: ",
             sans825, none, none, NoFlags, "Fattoriale"},
            {"lblFatt", -1, Kind::Label, "frameFattoriale", 240, 840, 1815, 735, nullptr, sans825b,
             fieldBackground, fieldText, Bordered, "Risultato del fattoriale"},
        }};
    return layout;
}

frmRicBin::frmRicBin(RandomSource &rnd, const Clock &clock)
    : Form(ricBinLayout()), rnd_(rnd), clock_(clock)
{
}

void frmRicBin::connectControls()
{
    ui_ = {need<QLineEdit>("txtX"), need<QLineEdit>("txtFatt"), need<ListBox>("lstV"),
           need<ListBox>("lstRB"), need<QLabel>("lblFatt")};
    connect(need<QPushButton>("cmdRicBin"), &QPushButton::clicked, this, &frmRicBin::cmdRicBin_Click);
    connect(need<QPushButton>("cmdFattoriale"), &QPushButton::clicked, this,
            &frmRicBin::cmdFattoriale_Click);
    connect(need<QPushButton>("cmdFine"), &QPushButton::clicked, this, &frmRicBin::cmdFine_Click);
    // F2 opens the factorial's steps from its frame, the search's elsewhere.
    connect(addStepViewAction(window(), {ui_.lstV, ui_.lstRB}), &QAction::triggered, this, [this] {
        QWidget *focus = window()->focusWidget();
        if (focus && focus->parentWidget() == ui_.txtFatt->parentWidget() && focus != ui_.txtX)
            PassoFattoriale();
        else
            PassoPasso();
    });
    // The box's own menu, and "Passo passo…" for the factorial.
    auto *factorial = new QAction(QStringLiteral("Passo passo\u2026"), ui_.txtFatt);
    factorial->setObjectName(QStringLiteral("actPassoFattoriale"));
    factorial->setShortcut(Qt::Key_F2);
    factorial->setShortcutContext(Qt::WidgetShortcut); // shown in the menu; the window's F2 does the work
    factorial->setShortcutVisibleInContextMenu(true);
    connect(factorial, &QAction::triggered, this, &frmRicBin::PassoFattoriale);
    ui_.txtFatt->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui_.txtFatt, &QWidget::customContextMenuRequested, this, [this, factorial](const QPoint &at) {
        QMenu *menu = ui_.txtFatt->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->setFont(zoomedFont(QApplication::font(menu)));
        menu->addSeparator();
        menu->addAction(factorial);
        menu->popup(ui_.txtFatt->mapToGlobal(at));
    });
    for (ListBox *list : {ui_.lstV, ui_.lstRB})
        list->setToolTip(QStringLiteral("F2: la ricerca passo passo \u00b7 F1: guida"));
}

frmPassoRicBin *frmRicBin::PassoPasso()
{
    // The view keeps its own copy: the next activation here draws anew.
    auto *view = new frmPassoRicBin(V, N, ui_.txtX->text(), this);
    view->Show();
    return view;
}

frmPassoFattoriale *frmRicBin::PassoFattoriale()
{
    auto *view = new frmPassoFattoriale(ui_.txtFatt->text(), this);
    view->Show();
    return view;
}

void frmRicBin::Form_Load()
{
    N = 1000;
    rnd_.seed(clock_.secondsSinceMidnight());
}

void frmRicBin::Form_Activate()
{
    ricbin::DrawSortedVector(V, N, rnd_);
    ui_.lstV->setLines(ricbin::VectorLines(V, N));
}

void frmRicBin::cmdFine_Click()
{
    Unload();
}

void frmRicBin::cmdRicBin_Click()
{
    ui_.lstRB->setLines(ricbin::SearchLines(V, N, ui_.txtX->text().toStdString()));
}

void frmRicBin::cmdFattoriale_Click()
{
    const Integer n = textToInteger(ui_.txtFatt->text().toStdString());
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
    ui_.lblFatt->setText(QStringLiteral("il Fattoriale \u00e8 \n") + QString::fromStdString(digits));
}

} // namespace quimbra
