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
    ExercisePanel::Hooks hooks;
    hooks.round = true;
    hooks.rect = [this](const QRect &area, int k) { return drawing_.nodeRect(area, k); };
    // Left and Right walk the nodes as they stand from left to right, Up goes
    // to the parent and Down to the left child.
    hooks.elements = [this] {
        std::vector<int> nodes;
        const abr::Places places = abr::PlaceNodes(shownTree());
        for (int k = 1; k <= abr::N; ++k)
            if (places[k].row >= 0)
                nodes.push_back(k);
        std::sort(nodes.begin(), nodes.end(),
                  [&](int a, int b) { return places[a].column < places[b].column; });
        return nodes;
    };
    hooks.vertical = [this](int k, bool up) { return int(up ? shownTree()[k].Pd : shownTree()[k].Sx); };
    exercise_ = new ExercisePanel(*this, std::move(hooks));
    connect(exercise_, &ExercisePanel::startRequested, this, &frmPassoABR::startExercise);
}

void frmPassoABR::connectControls()
{
    StepView::connectControls();
    canvas()->setPaint([this](QPainter &painter, const QRect &area) {
        drawing_.paint(painter, area);
        exercise_->paint(painter, area);
    });
    label("lblPasso")->setWordWrap(true);
    label("lblTitCodice")->setBuddy(find<QComboBox>("cboCodice"));
    label("lblTitVariabili")->setBuddy(list("lstVariabili"));
    connect(button("cmdRicerca"), &QPushButton::clicked, this, &frmPassoABR::cmdRicerca_Click);
    for (int index = 0; index < 3; ++index)
        connect(button("cmdV", index), &QPushButton::clicked, this,
                [this, index] { cmdV_Click(index); });
    // Enter in the key box starts the search of that key; the player then
    // takes the same Enter and runs it.
    connect(textBox("txtChiave"), &QLineEdit::returnPressed, this, [this] {
        // During an exercise the box shows its key and takes no search.
        if (!textBox("txtChiave")->isReadOnly())
            cmdRicerca_Click();
    });
    connect(&player(), &StepPlayer::changed, this, &frmPassoABR::showSteps);
    connect(textBox("txtChiave"), &QLineEdit::textEdited, this, &frmPassoABR::leaveExercise);
    exercise_->connectControls();
}

void frmPassoABR::Form_Load()
{
    StepView::Form_Load();
    textBox("txtChiave")->setText(typed_);
    play({});
}

void frmPassoABR::cmdRicerca_Click()
{
    // During an exercise the buttons choose what is practised on its tree.
    if (exercise_->running()) {
        exerciseKind_ = -1;
        startExercise(exercise_->exercise().code());
        return;
    }
    leaveExercise();
    play(abr::RecordSearch(ABR, textBox("txtChiave")->text().toStdString()));
}

void frmPassoABR::cmdV_Click(int Index)
{
    if (exercise_->running()) {
        exerciseKind_ = std::clamp(Index, 0, 2);
        startExercise(exercise_->exercise().code());
        return;
    }
    leaveExercise();
    exerciseKind_ = Index >= 0 && Index <= 2 ? Index : -1;
    play(abr::RecordVisit(ABR, Index));
}

void frmPassoABR::startExercise(int code)
{
    const exercise::Data data = exercise::MakeData(exercise::Kind::Tree, code);
    exerciseTree_ = abr::TreeOfKeys(data.values);
    const std::string key = plain(data.key);
    textBox("txtChiave")->setText(QString::fromStdString(key));
    drawing_.setTree(exerciseTree_);
    abr::TreeSteps steps = exerciseKind_ < 0 ? abr::RecordSearch(exerciseTree_, key)
                                             : abr::RecordVisit(exerciseTree_, exerciseKind_);
    std::vector<exercise::Expected> expected = abr::ExerciseSteps(exerciseTree_, steps);
    const std::string name = abr::ExerciseName(steps);
    play(std::move(steps));
    exercise_->begin({code, name, std::move(expected)});
    textBox("txtChiave")->setReadOnly(exercise_->running());
    label("lblPasso")->setText(
        exerciseKind_ < 0
            ? QStringLiteral("Si cerca %1: clicca, uno dopo l'altro, i nodi che la ricerca visita; se %1 "
                             "non c'\u00e8, \"Non c'\u00e8\" dove la ricerca uscirebbe dall'albero")
                  .arg(data.key)
            : QStringLiteral("%1: clicca tutti i nodi nell'ordine della visita")
                  .arg(QString::fromStdString(name)));
}

void frmPassoABR::leaveExercise()
{
    if (!exercise_->shown())
        return;
    exercise_->leave();
    drawing_.setTree(ABR);
    play({});
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
    textBox("txtChiave")->setReadOnly(exercise_->running());
    showRecordedLines(steps_.lines, steps_.linesAfter(step));
    label("lblPasso")->setText(QString::fromStdString(abr::StepSentence(shownTree(), steps_, step)));
    const abr::StepCode code = abr::StepCodeAt(shownTree(), steps_, step);
    showCode(abr::listingOf(steps_), code.line, code.branch);
    showVariables(code.variables,
                  changedLines(code.variables,
                               step < 0 ? code.variables : abr::StepCodeAt(shownTree(), steps_, step - 1).variables));

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
