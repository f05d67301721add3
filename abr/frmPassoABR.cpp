// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmPassoABR.h"

#include "tree_questions.h"

#include "abr_code.h"

#include "step_rows.h"
#include "widgets.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QWheelEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace quimbra {

using namespace fonts;
using namespace colours;

// The tree step by step: the tree drawn across most of the window, under it
// the choice of the tree with its height, the keys typed by the class, the
// sentence and the player; at the right the list of the steps, the visits,
// the key to search, insert or delete, the build, and cmdFine; at the bottom
// the code, the variables and the node table. The drawing comes first in the
// tab order, so that Space and Enter work at once.
const FormLayout &passoAbrLayout()
{
    static const FormLayout layout = [] {
        // The right-hand column, and the top of what stands under the
        // drawing before the row of typed keys goes in above it.
        constexpr int right = 15735, under = 5100;
        FormLayout l{
            "frmPassoABR", "Passo passo: ABR - prof. Orvalde", 17070, 9850, none,
            {
                {"picAlbero", -1, Kind::Canvas, nullptr, 120, 120, 14400, 4440, nullptr, mono975b,
                 paleYellow, darkRed, NoFlags,
                 "L'albero disegnato: ogni nodo con la sua chiave e il suo numero"},
                {"cmdV", 0, Kind::Button, nullptr, right, 120, 1215, 495, "Anticipata", sans825,
                 none, none, NoFlags, "Visita anticipata dell'albero"},
                {"cmdV", 1, Kind::Button, nullptr, right, 720, 1215, 495, "Simmetrica", sans825,
                 none, none, NoFlags, "Visita simmetrica dell'albero"},
                {"cmdV", 2, Kind::Button, nullptr, right, 1320, 1215, 495, "Posticipata", sans825,
                 none, none, NoFlags, "Visita posticipata dell'albero"},
                {"lblTitChiave", -1, Kind::Label, nullptr, right, 2040, 1215, 300, "Chiave:",
                 sans825b, none, magenta, NoFlags, nullptr},
                {"txtChiave", -1, Kind::TextBox, nullptr, right, 2340, 1215, 375, nullptr, mono12b,
                 white, blue, Centred, "Chiave da cercare, inserire o eliminare nell'albero"},
                {"cmdRicerca", -1, Kind::Button, nullptr, right, 2820, 1215, 495, "Ricerca",
                 sans825b, none, none, NoFlags,
                 "Ricerca la chiave nell'albero, un passo alla volta"},
                {"cmdInserisci", -1, Kind::Button, nullptr, right, 3390, 1215, 495, "Inserisci",
                 sans825, none, none, NoFlags, "Inserisci la chiave nell'albero, un passo alla volta"},
                {"cmdElimina", -1, Kind::Button, nullptr, right, 3960, 1215, 495, "Elimina", sans825,
                 none, none, NoFlags, "Elimina la chiave dall'albero, un passo alla volta"},
                {"cmdCostruisci", -1, Kind::Button, nullptr, right, 4530, 1215, 495, "Costruisci",
                 sans825, none, none, NoFlags,
                 "Costruisci l'albero bilanciato delle chiavi, un nodo alla volta"},
                {"lblTitAlbero", -1, Kind::Label, nullptr, 120, 4695, 1050, 300, "Albero:", sans825b,
                 none, magenta, NoFlags, nullptr},
                {"cboAlbero", -1, Kind::ComboBox, nullptr, 1200, 4620, 3300, 375, nullptr, sans825,
                 none, none, NoFlags, "Quale albero"},
                {"lblAltezza", -1, Kind::Label, nullptr, 4620, 4695, 9900, 300, nullptr, sans825b,
                 none, darkRed, NoFlags, "Altezza e nodi dell'albero"},
                {"lblPasso", -1, Kind::Label, nullptr, 120, under, 14400, 780, nullptr, sans12b,
                 none, magenta, NoFlags, "Che cosa ha fatto l'ultimo passo"},
            }};
        const auto player = playerRows({{right, 5400, 1215, 495}, {120, 6000, 1350, 495},
                                        {1590, 6000, 1350, 495}, {3060, 6000, 1650, 495},
                                        {4950, 6120}, {6000, 6000, 3000, 495},
                                        {9150, 6120, 2370, 300}, {120, 6630, 9000, 375},
                                        {9240, 6690, 2280, 300}, "nell'operazione sull'albero",
                                        "l'operazione"});
        l.controls.insert(l.controls.end(), player.begin(), player.end());
        l.controls.push_back({"lstPassi", -1, Kind::ListBox, nullptr, 14640, 120, 975, 6855,
                              nullptr, mono975, paleCyan, darkRed, NoFlags,
                              "Passi della ricerca, della visita o dell'operazione"});
        const auto code = codeRows({{1080, 7065}, {120, 7530, 5700, 2200}, {9060, 7140},
                                    {9060, 7530, 3180, 2200}, "dell'operazione sull'albero",
                                    "e i loro valori", {5940, 7140, 3000, 2590}});
        l.controls.insert(l.controls.end(), code.begin(), code.end());
        l.controls.push_back({"lblTitNodi", -1, Kind::Label, nullptr, 12360, 7140, 4590, 300,
                              "Tabella dei nodi:", sans825b, none, magenta, NoFlags, nullptr});
        l.controls.push_back({"lstNodi", -1, Kind::ListBox, nullptr, 12360, 7530, 4590, 2200, nullptr,
                              mono975, paleCyan, darkRed, NoFlags,
                              "La tabella dei nodi: nodo, chiave, figlio sinistro e destro, padre, livello"});
        l.controls.push_back({"cmdFine", -1, Kind::Button, nullptr, right, 6000, 1215, 495, "Fine",
                              sans825, none, none, NoFlags, "Chiudi la finestra"});
        // The keys typed by the class, under the choice of the tree; the row
        // stops short of the list of the steps.
        l = withTypedRow(std::move(l), {under, 5400, "lblAltezza", "Chiavi dell'albero, da 1 a 32767",
                                        "Usa le chiavi scritte", "Copia le chiavi dell'albero", 14520, false});
        l.scrolls = true; // larger than a small screen at a large zoom
        return withExerciseStrip(withQuestionStrip(std::move(l)), true, true);
    }();
    return layout;
}

const char *frmPassoABR::routine() const
{
    static const char *const visits[] = {"Anticipata", "Simmetrica", "Posticipata"};
    if (steps_.what == abr::TreeSteps::What::Search)
        return steps_.anyTree ? "CercaABR" : "RicercaABR";
    return visits[std::clamp(steps_.visit, 0, 2)];
}

frmPassoABR::frmPassoABR(const abr::Tabella &tree, const QString &typed, QObject *owner)
    : StepView(passoAbrLayout(), owner), ABR(tree), windowTree_(tree), tree_(windowTree_), typed_(typed)
{
    QuestionPanel::Hooks asks;
    asks.make = [this] {
        return operation_ ? abr::OperationQuestions(run_) : abr::TreeQuestions(drawing_.tree(), steps_, routine());
    };
    asks.seed = [this] {
        if (exercisePanel().shown())
            return std::uint64_t(exercisePanel().exercise().code()) * 8 + std::uint64_t(cboEsercizio_->currentIndex());
        const abr::Albero &shown = operation_ ? run_.before : drawing_.tree();
        std::vector<long> data{long(operation_ ? run_.key : steps_.x), long(steps_.visit)};
        for (Integer k : shown.keys())
            data.push_back(k);
        return questions::SeedOf(data);
    };
    asks.valueOf = [this](int k) {
        const abr::Albero &shown = drawing_.tree();
        return shown.used(k) ? long(shown[k].Inf) : 0L;
    };
    questionPanel().setHooks(std::move(asks));
    drawing_.setTree(tree_);
    ExercisePanel::Hooks hooks;
    hooks.round = true;
    hooks.rect = [this](const QRect &area, int k) { return drawing_.nodeRect(area, k); };
    // Left and Right walk the nodes (and, in an insertion exercise, the empty
    // places) as they stand from left to right, Up goes to the parent and
    // Down to the left child.
    hooks.elements = [this] {
        const abr::Albero &shown = drawing_.tree();
        const abr::Places places = abr::PlaceNodes(shown);
        // Across in half columns: a node at 2c + 2, its empty links at 2c + 1 and 2c + 3.
        std::vector<std::pair<int, int>> across;
        for (int k = 1; k <= abr::MostNodes; ++k)
            if (places[std::size_t(k)].row >= 0)
                across.push_back({2 * places[std::size_t(k)].column + 2, k});
        if (exercisePanel().shown() && operation_ && run_.what == abr::TreeRun::What::Insert)
            for (int slot : drawing_.emptyPlaces()) {
                const int parent = (slot - abr::FirstSlot) / 2;
                const int column = parent == 0 ? 0 : places[std::size_t(parent)].column;
                across.push_back({2 * column + ((slot - abr::FirstSlot) % 2 == 0 ? 1 : 3), slot});
            }
        std::stable_sort(across.begin(), across.end());
        std::vector<int> elements;
        for (const auto &[at, element] : across)
            elements.push_back(element);
        return elements;
    };
    hooks.vertical = [this](int k, bool up) {
        const abr::Albero &shown = drawing_.tree();
        if (k >= abr::FirstSlot)
            return up ? (k - abr::FirstSlot) / 2 : 0;
        return shown.used(k) ? int(up ? shown[k].Pd : shown[k].Sx) : 0;
    };
    exercisePanel().setHooks(std::move(hooks));
}

const abr::Albero &frmPassoABR::shownTree() const
{
    return exercisePanel().shown() ? exerciseTree_ : tree_;
}

bool frmPassoABR::isWindowTree(const abr::Albero &tree) const
{
    return tree == windowTree_;
}

void frmPassoABR::connectViewControls()
{
    txtChiave_ = need<QLineEdit>("txtChiave");
    txtDati_ = need<QLineEdit>("txtDati");
    cmdRicerca_ = need<QPushButton>("cmdRicerca");
    cmdUsaDati_ = need<QPushButton>("cmdUsaDati");
    cboEsercizio_ = need<QComboBox>("cboEsercizio");
    cboAlbero_ = need<QComboBox>("cboAlbero");
    lblAltezza_ = need<QLabel>("lblAltezza");
    lblAvvisoDati_ = need<QLabel>("lblAvvisoDati");
    lblAvvisoDati_->setWordWrap(true);
    lstNodi_ = need<ListBox>("lstNodi");
    controls().lblPasso->setWordWrap(true);
    connect(cmdRicerca_, &QPushButton::clicked, this, &frmPassoABR::cmdRicerca_Click);
    for (int index = 0; index < 3; ++index) {
        cmdV_[std::size_t(index)] = need<QPushButton>("cmdV", index);
        connect(cmdV_[std::size_t(index)], &QPushButton::clicked, this, [this, index] { cmdV_Click(index); });
    }
    cmdOps_ = {need<QPushButton>("cmdInserisci"), need<QPushButton>("cmdElimina"),
               need<QPushButton>("cmdCostruisci")};
    connect(cmdOps_[0], &QPushButton::clicked, this, &frmPassoABR::cmdInserisci_Click);
    connect(cmdOps_[1], &QPushButton::clicked, this, &frmPassoABR::cmdElimina_Click);
    connect(cmdOps_[2], &QPushButton::clicked, this, &frmPassoABR::cmdCostruisci_Click);
    cboAlbero_->addItems({QStringLiteral("Albero della finestra"), QStringLiteral("Chiavi scritte, bilanciato"),
                          QStringLiteral("Chiavi scritte, nell'ordine"), QStringLiteral("Vuoto")});
    connect(cboAlbero_, &QComboBox::activated, this, &frmPassoABR::cboAlbero_Click);
    connect(cmdUsaDati_, &QPushButton::clicked, this, &frmPassoABR::cmdUsaDati_Click);
    onEnter(txtDati_, [this] { cmdUsaDati_Click(); });
    keepListsShort(txtDati_, TreeKeys, [this](const QString &why) { lblAvvisoDati_->setText(why); });
    connect(need<QPushButton>("cmdCopiaDati"), &QPushButton::clicked, this, &frmPassoABR::cmdCopiaDati_Click);
    // What an exercise practises on its tree.
    cboEsercizio_->addItems(exerciseKinds());
    connect(cboEsercizio_, &QComboBox::activated, this, &frmPassoABR::cboEsercizio_Click);
    // Enter in the key box starts the search of that key; the player then
    // takes the same Enter and runs it.
    connect(txtChiave_, &QLineEdit::returnPressed, this, [this] {
        // During an exercise the box shows its key and takes no search.
        if (!txtChiave_->isReadOnly())
            cmdRicerca_Click();
    });
    connect(txtChiave_, &QLineEdit::textEdited, this, &frmPassoABR::leaveExercise);
    // The wheel over a tree too deep to show whole moves through its levels.
    need<Canvas>("picAlbero")->installEventFilter(this);
}

bool frmPassoABR::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && canvas() && watched == canvas()) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier) && wheel->angleDelta().y() != 0) {
            if (drawing_.scroll(canvas()->area(), wheel->angleDelta().y() > 0 ? -1 : 1))
                canvas()->update();
            return true;
        }
    }
    return StepView::eventFilter(watched, event);
}

void frmPassoABR::Form_Load()
{
    StepView::Form_Load();
    txtChiave_->setText(typed_);
    play(abr::TreeSteps{});
}

void frmPassoABR::cmdRicerca_Click()
{
    // While an exercise runs its tree stays: the buttons are off.
    if (exercisePanel().running())
        return;
    leaveExercise();
    // The window's own tree is searched by the window's routine.
    const std::string typed = txtChiave_->text().toStdString();
    play(isWindowTree(tree_) ? abr::RecordSearch(ABR, typed) : abr::RecordSearch(tree_, typed));
}

void frmPassoABR::cmdV_Click(int Index)
{
    if (exercisePanel().running())
        return;
    leaveExercise();
    play(isWindowTree(tree_) ? abr::RecordVisit(ABR, Index) : abr::RecordVisit(tree_, Index));
}

Integer frmPassoABR::typedKey()
{
    const QString text = txtChiave_->text().trimmed();
    if (text.isEmpty()) {
        controls().lblPasso->setText(QStringLiteral("Scrivi in \u00abChiave:\u00bb una chiave da 1 a 32767"));
        return 0;
    }
    const ValueList key = readValueList(text.toStdString(), {1, 1, 1, 32767, false});
    if (!key.ok()) {
        controls().lblPasso->setText(QStringLiteral("Chiave: ") + QString::fromStdString(key.error));
        return 0;
    }
    return key.values.front();
}

void frmPassoABR::cmdInserisci_Click()
{
    if (exercisePanel().running())
        return;
    leaveExercise();
    if (const Integer key = typedKey()) {
        abr::TreeRun run = abr::RecordInsert(tree_, key);
        tree_ = run.result();
        play(std::move(run));
    }
}

void frmPassoABR::cmdElimina_Click()
{
    if (exercisePanel().running())
        return;
    leaveExercise();
    if (const Integer key = typedKey()) {
        abr::TreeRun run = abr::RecordDelete(tree_, key);
        tree_ = run.result();
        play(std::move(run));
    }
}

void frmPassoABR::cmdCostruisci_Click()
{
    if (exercisePanel().running())
        return;
    leaveExercise();
    abr::TreeRun run = abr::RecordBuild(tree_);
    tree_ = run.result();
    play(std::move(run));
}

void frmPassoABR::cboAlbero_Click(int index)
{
    if (exercisePanel().running() || index < WindowTree || index > EmptyTree) {
        cboAlbero_->setCurrentIndex(choice_);
        return;
    }
    const bool typed = index == TypedBalanced || index == TypedInOrder;
    if (typed && keys_.empty()) {
        // The typed keys are taken by Usa; choosing them here takes what the
        // box holds, and with nothing in it asks for it.
        if (txtDati_->text().trimmed().isEmpty()) {
            cboAlbero_->setCurrentIndex(choice_);
            lblAvvisoDati_->setText(QStringLiteral("scrivi le chiavi nella casella e premi Usa"));
            txtDati_->setFocus();
            return;
        }
        const int before = choice_;
        choice_ = index;
        cmdUsaDati_Click();
        if (keys_.empty()) {
            choice_ = before;
            cboAlbero_->setCurrentIndex(choice_);
        }
        return;
    }
    choice_ = index;
    lblAvvisoDati_->clear();
    showChoice();
}

void frmPassoABR::cmdUsaDati_Click()
{
    if (exercisePanel().running())
        return;
    const ValueList list = readValueList(txtDati_->text().toStdString(), TreeKeys);
    lblAvvisoDati_->setText(QString::fromStdString(list.error));
    // A refused text leaves the tree shown as it was.
    if (!list.ok())
        return;
    keys_ = list.values;
    if (choice_ != TypedBalanced && choice_ != TypedInOrder)
        choice_ = TypedBalanced;
    showChoice();
}

void frmPassoABR::showChoice()
{
    cboAlbero_->setCurrentIndex(choice_);
    switch (choice_) {
    case WindowTree: tree_ = windowTree_; break;
    case TypedBalanced: {
        std::vector<Integer> sorted = keys_;
        std::sort(sorted.begin(), sorted.end());
        abr::NoSteps quiet;
        tree_ = abr::Costruisci(sorted, quiet);
        break;
    }
    case TypedInOrder: tree_ = abr::InsertedInOrder(keys_); break;
    default: tree_ = abr::Albero{};
    }
    leaveExercise();
    play(abr::TreeSteps{});
}

void frmPassoABR::cmdCopiaDati_Click()
{
    // In pre-order: inserted one by one in this order, they make this tree again.
    std::vector<Integer> keys;
    for (int k : abr::RecordVisit(tree_, 0).nodes)
        keys.push_back(tree_[k].Inf);
    QGuiApplication::clipboard()->setText(QString::fromStdString(writeValueList(keys)));
}

QStringList frmPassoABR::exerciseKinds()
{
    return {QStringLiteral("Ricerca"), QStringLiteral("Visita anticipata"), QStringLiteral("Visita simmetrica"),
            QStringLiteral("Visita posticipata"), QStringLiteral("Inserimento"), QStringLiteral("Eliminazione")};
}

void frmPassoABR::chooseExercise(int kind)
{
    if (kind < 0 || kind >= cboEsercizio_->count() || kind == cboEsercizio_->currentIndex())
        return;
    cboEsercizio_->setCurrentIndex(kind);
    cboEsercizio_Click();
}

void frmPassoABR::cboEsercizio_Click()
{
    // During an exercise the choice starts its code again on what is chosen.
    if (exercisePanel().running())
        startExercise(exercisePanel().exercise().code());
}

void frmPassoABR::startExercise(int code)
{
    const int kind = cboEsercizio_->currentIndex(); // 0 the search, 1..3 a visit, 4 and 5 insert, delete
    if (kind >= 4) {
        const bool insert = kind == 4;
        const abr::OpExercise data = abr::MakeOpExercise(code, insert);
        exerciseTree_ = data.tree;
        txtChiave_->setText(QString::fromStdString(plain(data.key)));
        abr::TreeRun run = insert ? abr::RecordInsert(data.tree, data.key) : abr::RecordDelete(data.tree, data.key);
        std::vector<exercise::Expected> expected = abr::ExerciseSteps(run);
        const std::string name = abr::ExerciseName(run);
        drawing_.showEmptyPlaces(insert);
        play(std::move(run));
        exercisePanel().begin({code, name, std::move(expected)});
        showState();
        controls().lblPasso->setText(
            insert ? QStringLiteral("Si inserisce %1: clicca, uno dopo l'altro, i nodi con cui si confronta, poi "
                                    "il posto libero (tratteggiato) dove va la nuova foglia")
                         .arg(data.key)
                   : QStringLiteral("Si elimina %1: clicca, uno dopo l'altro, i nodi che la ricerca visita; se il "
                                    "nodo ha due figli, clicca poi il suo successore")
                         .arg(data.key));
        return;
    }
    const exercise::Data data = exercise::MakeData(exercise::Kind::Tree, code);
    exerciseTable_ = abr::TreeOfKeys(data.values);
    exerciseTree_ = abr::Albero(exerciseTable_);
    const std::string key = plain(data.key);
    txtChiave_->setText(QString::fromStdString(key));
    drawing_.showEmptyPlaces(false);
    abr::TreeSteps steps = kind < 1 ? abr::RecordSearch(exerciseTable_, key)
                                    : abr::RecordVisit(exerciseTable_, kind - 1);
    std::vector<exercise::Expected> expected = abr::ExerciseSteps(exerciseTree_, steps);
    const std::string name = abr::ExerciseName(steps);
    play(std::move(steps));
    exercisePanel().begin({code, name, std::move(expected)});
    showState();
    controls().lblPasso->setText(
        kind < 1
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
    drawing_.showEmptyPlaces(false);
    play(abr::TreeSteps{});
}

void frmPassoABR::play(abr::TreeSteps steps)
{
    operation_ = false;
    steps_ = std::move(steps);
    startRecordedRun(stepper_, steps_.count());
    showState();
}

void frmPassoABR::play(abr::TreeRun run)
{
    operation_ = true;
    run_ = std::move(run);
    steps_ = {};
    // The list of the steps: each key met, "+" the key attached, "-" the key taken out.
    runLines_.clear();
    runLinesAfter_.clear();
    for (const abr::TreeOp &op : run_.ops) {
        switch (op.kind) {
        case abr::TreeOp::Compare:
        case abr::TreeOp::Successor:
        case abr::TreeOp::Place: runLines_.push_back(plain(op.at)); break;
        case abr::TreeOp::Attach: runLines_.push_back("+" + plain(op.at)); break;
        case abr::TreeOp::Remove: runLines_.push_back("-" + plain(op.at)); break;
        default: break;
        }
        runLinesAfter_.push_back(runLines_.size());
    }
    startRecordedRun(stepper_, run_.count());
    showState();
}

QString frmPassoABR::stepSentence() const
{
    const int step = stepper_.done() - 1;
    if (operation_)
        return QString::fromStdString(abr::RunSentence(run_, step));
    return QString::fromStdString(abr::StepSentence(shownTree(), steps_, step));
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
    for (QPushButton *button : cmdV_)
        button->setEnabled(!exercising);
    for (QPushButton *button : cmdOps_)
        button->setEnabled(!exercising);
    cboAlbero_->setEnabled(!exercising);
    cmdUsaDati_->setEnabled(!exercising);
    controls().lblPasso->setText(stepSentence());

    const abr::Albero *shown = &shownTree();
    int at = 0, found = 0;
    std::vector<int> lit;
    if (operation_) {
        shown = &run_.treeAt(step);
        const std::size_t last = runLinesAfter_.empty() ? 0 : std::size_t(std::min(step, run_.count() - 1));
        showRecordedLines(runLines_, step < 0 ? 0 : runLinesAfter_[last]);
        const abr::StepCode code = abr::RunCodeAt(run_, step);
        showCode(&abr::listingOf(run_), code.line, code.branch);
        showVariables(abr::RunVariablesAt(run_, step));
        // Insertion and deletion are loops; the build recurses.
        showCalls(run_.what == abr::TreeRun::What::Build ? &run_.calls : nullptr, step, "CostruisciABR");
        lit = run_.litAt(step);
        at = run_.nodeAt(step);
        if (step >= 0 && step < run_.count() && run_.ops[std::size_t(step)].kind == abr::TreeOp::Exists)
            found = at;
    } else {
        showRecordedLines(steps_.lines, steps_.linesAfter(step));
        const abr::StepCode code = abr::StepCodeAt(*shown, steps_, step);
        showCode(abr::listingOf(steps_), code.line, code.branch);
        showVariables(abr::VariablesAt(*shown, steps_, step));
        showCalls(&steps_.calls, step, routine());
        for (int i = 0; i <= step; ++i)
            if (const int k = steps_.nodeAt(i))
                lit.push_back(k);
        const bool verdict = steps_.what == abr::TreeSteps::What::Search && step >= 0 &&
                             step == steps_.count() - 1;
        at = verdict || lit.empty() ? 0 : lit.back();
        found = verdict ? steps_.found() : 0;
    }
    drawing_.setTree(*shown);
    drawing_.setMarks(lit, at, found);
    lblAltezza_->setText(QString::fromStdString(abr::HeightSentence(*shown)));

    // The node table as stored, the row of the node the step is at selected.
    std::vector<std::string> rows = abr::NodeRows(*shown);
    if (rows != nodeRows_) {
        nodeRows_ = std::move(rows);
        lstNodi_->updateLines(nodeRows_);
    }
    const int selected = at ? abr::NodeRowOf(*shown, at) : -1;
    if (selected >= 0) {
        const QModelIndex index = lstNodi_->model()->index(selected, 0);
        lstNodi_->setCurrentIndex(index);
        lstNodi_->scrollTo(index);
    } else {
        lstNodi_->setCurrentIndex(QModelIndex());
    }
    canvas()->update();
}

} // namespace quimbra
