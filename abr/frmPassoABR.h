// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "abr.h"
#include "replay_stepper.h"
#include "step_view.h"
#include "tree_drawing.h"
#include "tree_ops.h"
#include "value_list.h"

#include <QStringList>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quimbra {

class ListBox;

// The keys a class may type for a tree: up to 63 distinct whole keys 1..32767.
inline constexpr ValueRules TreeKeys{1, abr::MostNodes, 1, 32767, true};

// The tree step by step, on frmABR's tree or on one of the class's own keys:
// the search, the three visits, the insertion and the deletion of a key and
// the balanced build, each drawn as it happens, told in a sentence, shown in
// the code and in the node table. The tree chosen with cboAlbero is the one
// that the operations change: an insertion or a deletion is done on it at
// once, and the player then shows it step by step.
class frmPassoABR final : public StepView
{
    Q_OBJECT
public:
    frmPassoABR(const abr::Tabella &ABR, const QString &typed, QObject *owner);

    const TreeDrawing &drawing() const { return drawing_; }
    const abr::TreeSteps &steps() const { return steps_; }
    const abr::TreeRun &run() const { return run_; }
    bool playsOperation() const { return operation_; }
    // The tree that the next operation works on.
    const abr::Albero &tree() const { return tree_; }

    enum Choice { WindowTree, TypedBalanced, TypedInOrder, EmptyTree };
    // What an exercise on the tree can practise, as cboEsercizio lists it:
    // the search, the three visits, insertion and deletion.
    static QStringList exerciseKinds();
    // Chooses what the next exercise practises (an index of exerciseKinds()).
    void chooseExercise(int kind);

    void cmdRicerca_Click();
    void cmdV_Click(int Index);
    void cmdInserisci_Click();
    void cmdElimina_Click();
    void cmdCostruisci_Click();
    void cboAlbero_Click(int index);
    void cmdUsaDati_Click();
    void cmdCopiaDati_Click();
    void cboEsercizio_Click();
    // A graded exercise on a tree of 15 keys of this code: the search of its
    // key, a visit, an insertion or a deletion, as last chosen with the list.
    void startExercise(int code) override;

private:
    void connectViewControls() override;
    void Form_Load() override;
    void play(abr::TreeSteps steps);
    void play(abr::TreeRun run);
    // The key typed for an insertion or a deletion, 0 (and a sentence) if none.
    Integer typedKey();
    // Puts the chosen tree in place.
    void showChoice();
    // Shows the steps done so far: the list, the sentence, the lit nodes.
    void showState() override;
    void paintView(QPainter &painter, const QRect &area) const override;
    QString stepSentence() const override;
    const abr::Albero &shownTree() const;
    bool isWindowTree(const abr::Albero &tree) const;
    void leaveExercise();
    // The routine that the search or visit shown plays, as its calls are written.
    const char *routine() const;
    bool eventFilter(QObject *watched, QEvent *event) override;

    abr::Tabella ABR{};
    abr::Albero windowTree_;
    abr::Albero tree_;
    std::vector<Integer> keys_; // the keys typed, in their order
    int choice_ = WindowTree;
    QString typed_;
    QLineEdit *txtChiave_ = nullptr;
    QLineEdit *txtDati_ = nullptr;
    QPushButton *cmdRicerca_ = nullptr;
    QPushButton *cmdUsaDati_ = nullptr;
    std::array<QPushButton *, 3> cmdV_{};
    std::array<QPushButton *, 3> cmdOps_{};
    QComboBox *cboEsercizio_ = nullptr;
    QComboBox *cboAlbero_ = nullptr;
    QLabel *lblAltezza_ = nullptr;
    QLabel *lblAvvisoDati_ = nullptr;
    ListBox *lstNodi_ = nullptr;
    std::vector<std::string> nodeRows_;
    abr::TreeSteps steps_;
    abr::TreeRun run_;
    bool operation_ = false; // the player plays run_, not steps_
    std::vector<std::string> runLines_;
    std::vector<std::size_t> runLinesAfter_;
    ReplayStepper stepper_;
    TreeDrawing drawing_;
    // While an exercise is shown, its own tree stands in for the view's.
    abr::Tabella exerciseTable_{};
    abr::Albero exerciseTree_;
};

// The layout of the tree's step view.
const FormLayout &passoAbrLayout();

} // namespace quimbra
