// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmPassoABR.h"

#include "abr_code.h"

#include "step_rows.h"
#include "widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace quimbra {

using namespace fonts;
using namespace colours;

// The tree step by step: the tree drawn across most of the window with the
// sentence under it and the player in one row at the bottom; at the right the
// list of the steps, the visits, the key to search and cmdFine. The drawing
// comes first in the tab order, so that Space and Enter work at once.
const FormLayout &passoAbrLayout()
{
    static const FormLayout layout = [] {
        FormLayout l{
            "frmPassoABR", "Passo passo: ABR - prof. Orvalde", 14070, 10330, none,
            {
                {"picAlbero", -1, Kind::Canvas, nullptr, 120, 120, 11400, 5400, nullptr, mono975b,
                 paleYellow, darkRed, NoFlags,
                 "L'albero disegnato: ogni nodo con la sua chiave e il suo numero"},
                {"cmdV", 0, Kind::Button, nullptr, 12735, 120, 1215, 495, "Anticipata", sans825,
                 none, none, NoFlags, "Visita anticipata dell'albero"},
                {"cmdV", 1, Kind::Button, nullptr, 12735, 720, 1215, 495, "Simmetrica", sans825,
                 none, none, NoFlags, "Visita simmetrica dell'albero"},
                {"cmdV", 2, Kind::Button, nullptr, 12735, 1320, 1215, 495, "Posticipata", sans825,
                 none, none, NoFlags, "Visita posticipata dell'albero"},
                {"lblTitChiave", -1, Kind::Label, nullptr, 12735, 2040, 1215, 300, "Chiave:",
                 sans825b, none, magenta, NoFlags, nullptr},
                {"txtChiave", -1, Kind::TextBox, nullptr, 12735, 2340, 1215, 375, nullptr, mono12b,
                 white, blue, Centred, "Chiave da cercare nell'albero"},
                {"cmdRicerca", -1, Kind::Button, nullptr, 12735, 2820, 1215, 495, "Ricerca",
                 sans825b, none, none, NoFlags,
                 "Ricerca la chiave nell'albero, un passo alla volta"},
                {"lblPasso", -1, Kind::Label, nullptr, 120, 5580, 11400, 780, nullptr, sans12b,
                 none, magenta, NoFlags, "Che cosa ha fatto l'ultimo passo"},
            }};
        const auto player = playerRows({{12735, 5880, 1215, 495}, {120, 6480, 1350, 495},
                                        {1590, 6480, 1350, 495}, {3060, 6480, 1650, 495},
                                        {4950, 6600}, {6000, 6480, 3000, 495},
                                        {9150, 6600, 2370, 300}, {120, 7110, 9000, 375},
                                        {9240, 7170, 2280, 300}, "nella ricerca o nella visita",
                                        "la ricerca o la visita"});
        l.controls.insert(l.controls.end(), player.begin(), player.end());
        l.controls.push_back({"lstPassi", -1, Kind::ListBox, nullptr, 11640, 120, 975, 6855,
                              nullptr, mono975, paleCyan, darkRed, NoFlags,
                              "Passi della ricerca o della visita"});
        const auto code = codeRows({{1080, 7545}, {120, 8010, 8520, 2200}, {8760, 7620},
                                    {8760, 8010, 5190, 2200}, "della ricerca o della visita",
                                    "e i loro valori"});
        l.controls.insert(l.controls.end(), code.begin(), code.end());
        l.controls.push_back({"cmdFine", -1, Kind::Button, nullptr, 12735, 6480, 1215, 495, "Fine",
                              sans825, none, none, NoFlags, "Chiudi la finestra"});
        return withExerciseStrip(std::move(l), true, true);
    }();
    return layout;
}

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
    exercisePanel().setHooks(std::move(hooks));
}

const abr::Tabella &frmPassoABR::shownTree() const
{
    return exercisePanel().shown() ? exerciseTree_ : ABR;
}

void frmPassoABR::connectViewControls()
{
    txtChiave_ = need<QLineEdit>("txtChiave");
    cmdRicerca_ = need<QPushButton>("cmdRicerca");
    cboEsercizio_ = need<QComboBox>("cboEsercizio");
    controls().lblPasso->setWordWrap(true);
    connect(cmdRicerca_, &QPushButton::clicked, this, &frmPassoABR::cmdRicerca_Click);
    for (int index = 0; index < 3; ++index) {
        cmdV_[std::size_t(index)] = need<QPushButton>("cmdV", index);
        connect(cmdV_[std::size_t(index)], &QPushButton::clicked, this, [this, index] { cmdV_Click(index); });
    }
    // What an exercise practises on its tree: the search of its key or a visit.
    cboEsercizio_->addItems({QStringLiteral("Ricerca"), QStringLiteral("Visita anticipata"),
                             QStringLiteral("Visita simmetrica"), QStringLiteral("Visita posticipata")});
    connect(cboEsercizio_, &QComboBox::activated, this, &frmPassoABR::cboEsercizio_Click);
    // Enter in the key box starts the search of that key; the player then
    // takes the same Enter and runs it.
    connect(txtChiave_, &QLineEdit::returnPressed, this, [this] {
        // During an exercise the box shows its key and takes no search.
        if (!txtChiave_->isReadOnly())
            cmdRicerca_Click();
    });
    connect(txtChiave_, &QLineEdit::textEdited, this, &frmPassoABR::leaveExercise);
}

void frmPassoABR::Form_Load()
{
    StepView::Form_Load();
    txtChiave_->setText(typed_);
    play({});
}

void frmPassoABR::cmdRicerca_Click()
{
    // While an exercise runs its tree stays: the buttons are off.
    if (exercisePanel().running())
        return;
    leaveExercise();
    play(abr::RecordSearch(ABR, txtChiave_->text().toStdString()));
}

void frmPassoABR::cmdV_Click(int Index)
{
    if (exercisePanel().running())
        return;
    leaveExercise();
    play(abr::RecordVisit(ABR, Index));
}

void frmPassoABR::cboEsercizio_Click()
{
    // During an exercise the choice starts its code again on what is chosen.
    if (exercisePanel().running())
        startExercise(exercisePanel().exercise().code());
}

void frmPassoABR::startExercise(int code)
{
    const exercise::Data data = exercise::MakeData(exercise::Kind::Tree, code);
    exerciseTree_ = abr::TreeOfKeys(data.values);
    const std::string key = plain(data.key);
    txtChiave_->setText(QString::fromStdString(key));
    drawing_.setTree(exerciseTree_);
    const int kind = cboEsercizio_->currentIndex() - 1; // -1 the search, 0..2 a visit
    abr::TreeSteps steps = kind < 0 ? abr::RecordSearch(exerciseTree_, key)
                                    : abr::RecordVisit(exerciseTree_, kind);
    std::vector<exercise::Expected> expected = abr::ExerciseSteps(exerciseTree_, steps);
    const std::string name = abr::ExerciseName(steps);
    play(std::move(steps));
    exercisePanel().begin({code, name, std::move(expected)});
    showState();
    controls().lblPasso->setText(
        kind < 0
            ? QStringLiteral("Si cerca %1: clicca, uno dopo l'altro, i nodi che la ricerca visita; se %1 "
                             "non c'\u00e8, \"Non c'\u00e8\" dove la ricerca uscirebbe dall'albero")
                  .arg(data.key)
            : QStringLiteral("%1: clicca tutti i nodi nell'ordine della visita")
                  .arg(QString::fromStdString(name)));
}

void frmPassoABR::leaveExercise()
{
    if (!exercisePanel().shown())
        return;
    exercisePanel().leave();
    drawing_.setTree(ABR);
    play({});
}

void frmPassoABR::play(abr::TreeSteps steps)
{
    steps_ = std::move(steps);
    startRecordedRun(stepper_, steps_.count());
    showState();
}

QString frmPassoABR::stepSentence() const
{
    return QString::fromStdString(abr::StepSentence(shownTree(), steps_, stepper_.done() - 1));
}

void frmPassoABR::paintView(QPainter &painter, const QRect &area) const
{
    drawing_.paint(painter, area);
}

void frmPassoABR::showState()
{
    const int step = stepper_.done() - 1;
    // While an exercise runs its key and tree stay as they are.
    const bool exercising = exercisePanel().running();
    txtChiave_->setReadOnly(exercising);
    cmdRicerca_->setEnabled(!exercising);
    for (QPushButton *visit : cmdV_)
        visit->setEnabled(!exercising);
    showRecordedLines(steps_.lines, steps_.linesAfter(step));
    controls().lblPasso->setText(stepSentence());
    const abr::StepCode code = abr::StepCodeAt(shownTree(), steps_, step);
    showCode(abr::listingOf(steps_), code.line, code.branch);
    showVariables(abr::VariablesAt(shownTree(), steps_, step));

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
