// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmSort.h"

#include "frmGrafico.h"
#include "frmPassoSort.h"
#include "sort_catalog.h"
#include "step_action.h"
#include "text.h"
#include "widgets.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <string>
#include <vector>

namespace quimbra {

using namespace fonts;
using namespace colours;

const FormLayout &sortLayout()
{
    static const FormLayout layout = [] {
        FormLayout l{"frmSort", "Sort - prof. Orvalde", 5430, 7755, none,
                     {
                         {"cmdFine", -1, Kind::Button, nullptr, 2160, 7500, 975, 255, "FINE",
                          sans825, none, none, NoFlags, "Chiudi la finestra"},
                         {"cmdSort", -1, Kind::Button, nullptr, 120, 9000, 1095, 495, "SORT",
                          sans975b, none, none, NoFlags, "Nuovo confronto su un nuovo vettore"},
                         {"frameSort", -1, Kind::Frame, nullptr, 50, 0, 5295, 7455,
                          "SORT  ( confronto tra vari algoritmi di Ordinamento ) ", sans825, none,
                          none, NoFlags, nullptr},
                     }};
        static const char *const sortedNames[] = {
            "Vettore ordinato con Insertion", "Vettore ordinato con Bubble",
            "Vettore ordinato con Shell", "Vettore ordinato con Quick"};
        static const char *const countNames[] = {"Spostamenti di Insertion",
                                                 "Spostamenti di Bubble", "Spostamenti di Shell",
                                                 "Spostamenti di Quick"};
        for (int k = 0; k < 4; ++k) {
            const int left = 120 + 1320 * k;
            l.controls.push_back({"lstSort", k, Kind::ListBox, "frameSort", left, 480, 975, 6500,
                                  nullptr, mono975b, paleYellow, none, NoFlags, sortedNames[k]});
            l.controls.push_back({"lblTitSort", k, Kind::Label, "frameSort", left, 240, 975, 200,
                                  "Label2", sans825b, none, magenta, NoFlags, nullptr});
            l.controls.push_back({"lblSort", k, Kind::Label, "frameSort", left, 7080, 975, 255,
                                  nullptr, sans975b, fieldBackground, fieldText,
                                  Bordered | Centred, countNames[k]});
        }
        return l;
    }();
    return layout;
}

frmSort::frmSort(RandomSource &rnd, const Clock &clock)
    : Form(sortLayout()), rnd_(rnd), clock_(clock)
{
}

void frmSort::connectControls()
{
    for (int k = 0; k < 4; ++k) {
        ui_.lstSort[k] = need<ListBox>("lstSort", k);
        ui_.lblTitSort[k] = need<QLabel>("lblTitSort", k);
        ui_.lblSort[k] = need<QLabel>("lblSort", k);
    }
    connect(need<QPushButton>("cmdFine"), &QPushButton::clicked, this, &frmSort::cmdFine_Click);
    connect(need<QPushButton>("cmdSort"), &QPushButton::clicked, this, &frmSort::cmdSort_Click);
    // "Passo passo…" in each list's right-button menu, and F2 on the focused
    // list, open the step view of that list's sort.
    for (int k = 0; k < 4; ++k) {
        ListBox *column = ui_.lstSort[k];
        auto *action = new QAction(QStringLiteral("Passo passo…"), column);
        action->setObjectName(QStringLiteral("actPassoPasso"));
        action->setShortcut(Qt::Key_F2);
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, [this, k] { PassoPasso(k); });
        column->addAction(action);
    }
    // F2 anywhere else in the window (no list has the focus) opens Insertion.
    window()->installEventFilter(this);
    // "Grafico della crescita…", F3 anywhere in the window and an entry in
    // each list's menu, opens the growth chart.
    QAction *chart = addWindowAction(window(), QStringLiteral("Grafico della crescita\u2026"),
                                     Qt::Key_F3, QStringLiteral("actGrafico"));
    for (int k = 0; k < 4; ++k) {
        ui_.lstSort[k]->addMenuEntry(chart);
        ui_.lstSort[k]->setToolTip(QStringLiteral("F2: questo ordinamento passo passo \u00b7 F3: grafico "
                                                  "della crescita \u00b7 F1: guida"));
    }
    connect(chart, &QAction::triggered, this, &frmSort::Grafico);
}

bool frmSort::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_F2 &&
        static_cast<QKeyEvent *>(event)->modifiers() == Qt::NoModifier) {
        PassoPasso(0);
        return true;
    }
    return Form::eventFilter(watched, event);
}

frmPassoSort *frmSort::PassoPasso(int k)
{
    // The view owns a copy of the vector: the next comparison here draws anew.
    auto *view = new frmPassoSort(k, VOrig, rnd_, this);
    view->Show();
    return view;
}

void frmSort::Grafico()
{
    auto *chart = new frmGrafico(rnd_, this);
    chart->Show();
}

void frmSort::Form_Load()
{
    N = 1000;
    rnd_.seed(clock_.secondsSinceMidnight());
    TitSort = {QStringLiteral("Insertion"), QStringLiteral("Bubble"), QStringLiteral("Shell"),
               QStringLiteral("Quick")};
    for (int k = 0; k < 4; ++k)
        ui_.lblTitSort[k]->setText(TitSort[k]);
}

void frmSort::Form_Activate()
{
    ConfrontaSort();
}

void frmSort::cmdFine_Click()
{
    Unload();
}

void frmSort::cmdSort_Click()
{
    ConfrontaSort();
}

void frmSort::ConfrontaSort()
{
    for (int k = 0; k < 4; ++k) {
        ui_.lstSort[k]->Clear();
        ui_.lblSort[k]->clear();
    }
    for (int p = 1; p <= N; ++p) {
        const auto x = static_cast<Integer>(scaledDraw(rnd_.next(), 10000) + 1);
        V[p] = x;
        VOrig[p] = x;
    }
    for (int k = 0; k < 4; ++k) {
        Prepara();
        runSort(k, V, NMosse);
        Mostra(k);
    }
}

void frmSort::Prepara()
{
    for (int p = 1; p <= 1000; ++p)
        V[p] = VOrig[p];
    NMosse = 0;
}

void frmSort::Mostra(int k)
{
    std::vector<std::string> lines;
    lines.reserve(1000);
    for (int p = 1; p <= 1000; ++p)
        lines.push_back(plain(V[p]));
    ListBox *column = ui_.lstSort[std::size_t(k)];
    QLabel *count = ui_.lblSort[std::size_t(k)];
    column->setLines(lines);
    count->setText(QString::fromStdString(plain(NMosse)));
    // Each column shows its result before the next sort starts: the list and
    // its count are painted now, together, in one pass over the window.
    column->repaintNow();
}

} // namespace quimbra
