// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmPassoABR.h"

#include "abr_code.h"

#include "widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace quimbra {

frmPassoABR::frmPassoABR(const abr::Tabella &tree, const QString &typed, QObject *owner)
    : StepView(passoAbrLayout(), owner), ABR(tree), typed_(typed)
{
    drawing_.setTree(ABR);
}

void frmPassoABR::connectControls()
{
    StepView::connectControls();
    canvas()->setPaint([this](QPainter &painter, const QRect &area) { drawing_.paint(painter, area); });
    label("lblPasso")->setWordWrap(true);
    label("lblTitCodice")->setBuddy(find<QComboBox>("cboCodice"));
    label("lblTitVariabili")->setBuddy(list("lstVariabili"));
    connect(button("cmdRicerca"), &QPushButton::clicked, this, &frmPassoABR::cmdRicerca_Click);
    for (int index = 0; index < 3; ++index)
        connect(button("cmdV", index), &QPushButton::clicked, this,
                [this, index] { cmdV_Click(index); });
    // Enter in the key box starts the search of that key; the player then
    // takes the same Enter and runs it.
    connect(textBox("txtChiave"), &QLineEdit::returnPressed, this, &frmPassoABR::cmdRicerca_Click);
    connect(&player(), &StepPlayer::changed, this, &frmPassoABR::showSteps);
}

void frmPassoABR::Form_Load()
{
    StepView::Form_Load();
    textBox("txtChiave")->setText(typed_);
    play({});
}

void frmPassoABR::cmdRicerca_Click()
{
    play(abr::RecordSearch(ABR, textBox("txtChiave")->text().toStdString()));
}

void frmPassoABR::cmdV_Click(int Index)
{
    play(abr::RecordVisit(ABR, Index));
}

void frmPassoABR::play(abr::TreeSteps steps)
{
    steps_ = std::move(steps);
    startRecordedRun(stepper_, steps_.count());
    showSteps();
}

void frmPassoABR::showSteps()
{
    if (!window())
        return;
    const int step = stepper_.done() - 1;
    showRecordedLines(steps_.lines, steps_.linesAfter(step));
    label("lblPasso")->setText(QString::fromStdString(abr::StepSentence(ABR, steps_, step)));
    const abr::StepCode code = abr::StepCodeAt(ABR, steps_, step);
    showCode(abr::listingOf(steps_), code.line, code.branch);
    showVariables(code.variables,
                  changedLines(code.variables,
                               step < 0 ? code.variables : abr::StepCodeAt(ABR, steps_, step - 1).variables));

    std::vector<int> lit;
    for (int i = 0; i <= step; ++i)
        if (const int k = steps_.nodeAt(i))
            lit.push_back(k);
    const bool verdict = steps_.what == abr::TreeSteps::What::Search && step >= 0 &&
                         step == steps_.count() - 1;
    drawing_.setMarks(lit, verdict || lit.empty() ? 0 : lit.back(), verdict ? steps_.found() : 0);
    canvas()->update();
}

} // namespace quimbra
