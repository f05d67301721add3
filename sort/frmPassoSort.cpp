// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmPassoSort.h"

#include "sort_questions.h"

#include "layout.h"
#include "numbers.h"
#include "sort_catalog.h"
#include "text.h"
#include "page_link.h"
#include "step_rows.h"
#include "widgets.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPainter>
#include <QRegion>

#include <algorithm>

namespace quimbra {

using namespace fonts;
using namespace colours;

// A wide canvas, so that each of 1000 bars gets a pixel of its own, with the
// sentence and the position of the run under it, then the code of the sort
// with its line lit beside its variables, and the player's controls in one
// row at the bottom. The canvas comes first in the tab order: Space and
// Enter work at once.
const FormLayout &passoSortLayout()
{
    static const FormLayout layout = [] {
        FormLayout l{"frmPassoSort", "Passo passo - prof. Orvalde", 15300, 10305, none,
                     {{"picBarre", -1, Kind::Canvas, nullptr, 120, 600, 15060, 3840, nullptr,
                       sans825b, paleYellow, magenta, NoFlags,
                       "Il vettore come barre: altezza uguale al valore"}}};
        const auto player = playerRows({{120, 9690, 1350, 495}, {1590, 9690, 1350, 495},
                                        {3060, 9690, 1350, 495}, {4530, 9690, 1650, 495},
                                        {6360, 9810}, {7410, 9690, 3000, 495},
                                        {10530, 9810, 3180, 300}, {120, 5340, 12600, 375},
                                        {12840, 5400, 2340, 300}, "nell'esecuzione",
                                        "l'esecuzione"});
        l.controls.insert(l.controls.end(), player.begin(), player.end());
        const std::vector<ControlSpec> own{
            {"lblTitAlgoritmo", -1, Kind::Label, nullptr, 120, 195, 1050, 300, "Algoritmo:",
             sans825b, none, magenta, NoFlags, nullptr},
            {"cboAlgoritmo", -1, Kind::ComboBox, nullptr, 1200, 120, 1800, 375, nullptr, sans975b,
             none, none, NoFlags, "Algoritmo di ordinamento"},
            {"lblTitDati", -1, Kind::Label, nullptr, 3240, 195, 600, 300, "Dati:", sans825b, none,
             magenta, NoFlags, nullptr},
            {"cboDati", -1, Kind::ComboBox, nullptr, 3900, 120, 2280, 375, nullptr, sans825, none,
             none, NoFlags, "Dati da ordinare"},
            {"cmdNuoviDati", -1, Kind::Button, nullptr, 6240, 120, 1200, 375, "Nuovi valori",
             sans825, none, none, NoFlags, "Nuovi valori casuali, per tutti gli algoritmi"},
            {"lblTitConfronti", -1, Kind::Label, nullptr, 7500, 195, 1200, 300, "Confronti:",
             sans825b, none, magenta, NoFlags, nullptr},
            {"lblConfronti", -1, Kind::Label, nullptr, 8700, 120, 1500, 375, nullptr, sans975b,
             fieldBackground, fieldText, Bordered | Centred, "Numero di confronti"},
            {"lblTitMosse", -1, Kind::Label, nullptr, 10500, 195, 900, 300, "Mosse:", sans825b,
             none, magenta, NoFlags, nullptr},
            {"lblMosse", -1, Kind::Label, nullptr, 11400, 120, 1500, 375, nullptr, sans975b,
             fieldBackground, fieldText, Bordered | Centred, "Numero di mosse"},
            {"lblStabile", -1, Kind::Label, nullptr, 13020, 60, 2160, 510, nullptr, sans825, none,
             magenta, NoFlags, "Se i valori uguali hanno mantenuto il loro ordine"},
            {"lblPasso", -1, Kind::Label, nullptr, 120, 4500, 15060, 780, nullptr, sans12b, none,
             magenta, NoFlags, "Che cosa ha fatto l'ultimo passo"},
        };
        l.controls.insert(l.controls.end(), own.begin(), own.end());
        const auto code = codeRows({{1080, 5805}, {120, 6270, 7380, 3300}, {11100, 5880},
                                    {11100, 6270, 4080, 3300}, "dell'algoritmo",
                                    "dell'algoritmo e i loro valori", {7620, 6270, 3360, 3300}});
        l.controls.insert(l.controls.end(), code.begin(), code.end());
        // What kind of sort the code is, above it, whatever its language.
        l.controls.push_back({"lblTitoloCodice", -1, Kind::Label, nullptr, 3300, 5880, 7680, 300,
                              nullptr, sans825b, none, magenta, NoFlags, "Che ordinamento è"});
        l.controls.push_back({"cmdFine", -1, Kind::Button, nullptr, 13830, 9690, 1350, 495, "Fine",
                              sans825, none, none, NoFlags, "Chiudi la finestra"});
        // The row of typed values stands under the choices.
        l = withTypedRow(std::move(l), {600, 5400, "cmdNuoviDati",
                                        "Valori da ordinare, separati da spazi, virgole o a capo (Invio per usarli)",
                                        "Ordina i valori scritti",
                                        "Copia su una riga i valori che si stanno ordinando"});
        l.scrolls = true; // larger than a small screen at a large zoom
        return withExerciseStrip(withQuestionStrip(std::move(l)), false);
    }();
    return layout;
}

frmPassoSort::frmPassoSort(int column, std::span<const Integer> windowVector, RandomSource &rnd,
                           QObject *owner)
    : StepView(passoSortLayout(), owner), windowVector_(windowVector.begin(), windowVector.end()),
      rnd_(rnd), column_(std::clamp(column, 0, SortAlgorithms - 1))
{
    ExercisePanel::Hooks hooks;
    // A bar is picked anywhere in its column, its number included.
    hooks.rect = [this](const QRect &area, int p) { return bars_.column(area, p); };
    hooks.elements = [this] {
        std::vector<int> positions;
        if ((exercisePanel().shown() || questionPanel().asking()) && steps_)
            for (int p = 1; p <= steps_->size(); ++p)
                positions.push_back(p);
        return positions;
    };
    exercisePanel().setHooks(std::move(hooks));
    QuestionPanel::Hooks asks;
    asks.make = [this] { return steps_ ? SortQuestions(column_, steps_->input()) : std::vector<questions::Question>{}; };
    asks.seed = [this] {
        if (exercisePanel().shown())
            return std::uint64_t(exercisePanel().exercise().code());
        return steps_ ? questions::SeedOf(std::vector<long>(steps_->input().begin(), steps_->input().end()))
                      : std::uint64_t(0);
    };
    asks.valueOf = [this](int p) {
        return steps_ && p > 0 && p < int(steps_->values().size()) ? long(steps_->values()[std::size_t(p)]) : 0L;
    };
    questionPanel().setHooks(std::move(asks));
}

frmPassoSort::~frmPassoSort() = default;

void frmPassoSort::connectViewControls()
{
    ui_ = {need<QComboBox>("cboAlgoritmo"), need<QComboBox>("cboDati"),
           need<QPushButton>("cmdNuoviDati"), need<QLabel>("lblConfronti"), need<QLabel>("lblMosse"),
           need<QLabel>("lblStabile"), need<QLabel>("lblTitoloCodice")};
    ui_.lblStabile->setWordWrap(true);
    ui_.txtDati = need<QLineEdit>("txtDati");
    ui_.cmdUsaDati = need<QPushButton>("cmdUsaDati");
    ui_.lblAvvisoDati = need<QLabel>("lblAvvisoDati");
    ui_.lblAvvisoDati->setWordWrap(true);
    need<QLabel>("lblTitValori")->setBuddy(ui_.txtDati);
    connect(ui_.cmdUsaDati, &QPushButton::clicked, this, &frmPassoSort::cmdUsaDati_Click);
    onEnter(ui_.txtDati, [this] { cmdUsaDati_Click(); });
    keepListsShort(ui_.txtDati, TypedSortValues, [this](const QString &why) { ui_.lblAvvisoDati->setText(why); });
    connect(need<QPushButton>("cmdCopiaDati"), &QPushButton::clicked, this, &frmPassoSort::cmdCopiaDati_Click);
    if (auto *pageLink = find<QPushButton>("cmdCopiaLink"))
        connect(pageLink, &QPushButton::clicked, this,
                [this] { QGuiApplication::clipboard()->setText(frmPassoSort::pageLink()); });
    // An exercise's own values stand in for the data chosen.
    ui_.cboDati->setPlaceholderText(QStringLiteral("Dati dell'esercizio"));
    connect(ui_.cmdNuoviDati, &QPushButton::clicked, this, &frmPassoSort::cmdNuoviDati_Click);
    for (int k = 0; k < SortAlgorithms; ++k)
        ui_.cboAlgoritmo->addItem(QString::fromUtf8(sortTitle(k)));
    for (int d = 0; d < SortInputs; ++d)
        ui_.cboDati->addItem(QString::fromUtf8(sortInputName(d)));
    // activated, not currentIndexChanged: choosing the same entry again also
    // starts over.
    connect(ui_.cboAlgoritmo, &QComboBox::activated, this, &frmPassoSort::cboAlgoritmo_Click);
    connect(ui_.cboDati, &QComboBox::activated, this, &frmPassoSort::cboDati_Click);
    // Each list is announced with the label in front of it.
    need<QLabel>("lblTitAlgoritmo")->setBuddy(ui_.cboAlgoritmo);
    need<QLabel>("lblTitDati")->setBuddy(ui_.cboDati);
    // A long sentence (an exercise's instruction) goes on a second line.
    controls().lblPasso->setWordWrap(true);
    player().setRepaint([this](int steps) { repaintAfter(steps); });
}

void frmPassoSort::Form_Load()
{
    StepView::Form_Load();
    ui_.cboAlgoritmo->setCurrentIndex(column_);
    ui_.cboDati->setCurrentIndex(input_);
    startOver();
}

void frmPassoSort::cboAlgoritmo_Click(int index)
{
    column_ = std::clamp(index, 0, SortAlgorithms - 1);
    // During an exercise the list chooses the sort practised on its values.
    if (exercisePanel().running()) {
        startExercise(exercisePanel().exercise().code());
        return;
    }
    leaveExercise();
    play(inputValues_);
}

void frmPassoSort::cboDati_Click(int index)
{
    const int input = std::clamp(index, 0, SortInputs - 1);
    // The typed values are taken by Usa; choosing them here takes what the
    // box holds, and with nothing in it asks for it.
    if (input == InputTyped) {
        if (ui_.txtDati->text().trimmed().isEmpty()) {
            ui_.cboDati->setCurrentIndex(exercisePanel().shown() ? -1 : input_);
            ui_.lblAvvisoDati->setText(QStringLiteral("scrivi i valori nella casella e premi Usa"));
            ui_.txtDati->setFocus();
        } else {
            cmdUsaDati_Click();
        }
        return;
    }
    ui_.lblAvvisoDati->clear();
    const bool again = input == input_ && !exercisePanel().shown();
    input_ = input;
    leaveExercise();
    // The values drawn stay while the algorithm changes, so that a class
    // compares the sorts on the same data; "Nuovi valori" draws others.
    if (again)
        play(inputValues_);
    else
        startOver();
}

void frmPassoSort::cmdUsaDati_Click()
{
    // An exercise keeps its own values while it runs.
    if (exercisePanel().running())
        return;
    const ValueList list = readValueList(ui_.txtDati->text().toStdString(), TypedSortValues);
    ui_.lblAvvisoDati->setText(QString::fromStdString(list.error));
    if (!list.ok()) {
        // What was shown stays as it was, the list showing its data.
        ui_.cboDati->setCurrentIndex(exercisePanel().shown() ? -1 : input_);
        return;
    }
    typed_ = list.values;
    input_ = InputTyped;
    leaveExercise();
    ui_.cboDati->setCurrentIndex(input_);
    startOver();
}

void frmPassoSort::cmdCopiaDati_Click()
{
    if (!steps_)
        return;
    // The values as the run started: the input, not the vector as it stands.
    const std::vector<Integer> values(steps_->input().begin() + 1, steps_->input().end());
    QGuiApplication::clipboard()->setText(QString::fromStdString(writeValueList(values)));
}

void frmPassoSort::useValues(const QString &text)
{
    if (pasteInto(ui_.txtDati, text))
        cmdUsaDati_Click();
}

QString frmPassoSort::pageLink() const
{
    if (!steps_)
        return {};
    // During an exercise, or after it, the link starts the same exercise.
    if (exercisePanel().shown())
        return pagelink::link({{pagelink::View, QLatin1String(pagelink::SortView)},
                               {pagelink::Algorithm, QString::fromUtf8(sortTitle(column_))},
                               {pagelink::Exercise, QString::number(exercisePanel().exercise().code())}});
    const std::span<const Integer> values = std::span<const Integer>(steps_->input()).subspan(1);
    return pagelink::link({{pagelink::View, QLatin1String(pagelink::SortView)},
                           {pagelink::Algorithm, QString::fromUtf8(sortTitle(column_))},
                           {pagelink::Values, pagelink::values(values)}});
}

void frmPassoSort::cmdNuoviDati_Click()
{
    leaveExercise();
    startOver();
}

void frmPassoSort::leaveExercise()
{
    if (!exercisePanel().shown())
        return;
    exercisePanel().leave();
    bars_.setExercise(false);
    ui_.cboDati->setCurrentIndex(input_);
}

void frmPassoSort::startExercise(int code)
{
    const exercise::Data data = exercise::MakeData(exercise::Kind::Sort, code);
    std::vector<Integer> values{0};
    values.insert(values.end(), data.values.begin(), data.values.end());
    play(values);
    bars_.setExercise(true);
    ui_.cboDati->setCurrentIndex(-1);
    ExercisePanel &exercise = exercisePanel();
    exercise.begin({code, sortTitle(column_), ExerciseSteps(column_, std::move(values))});
    ui_.cboDati->setEnabled(!exercise.running());
    ui_.cmdUsaDati->setEnabled(!exercise.running());
    if (!exercise.running())
        return;
    QString ask;
    switch (sortEntry(column_).moves) {
    case SortMoves::Shifts:
        ask = QStringLiteral("Fai tu le mosse di %1: clicca l'origine e poi la destinazione di ogni "
                             "spostamento, poi la destinazione di v");
        break;
    case SortMoves::ToAux:
        ask = QStringLiteral("Fai tu le mosse di %1: clicca il valore che va ora in W (la copia in V "
                             "si fa da sé)");
        break;
    default:
        ask = QStringLiteral("Fai tu le mosse di %1: clicca le due barre di ogni scambio");
        break;
    }
    controls().lblPasso->setText(ask.arg(QString::fromUtf8(sortTitle(column_))));
}

void frmPassoSort::startOver()
{
    inputValues_ = makeSortInput(input_, windowVector_, rnd_, typed_);
    play(inputValues_);
}

void frmPassoSort::play(std::vector<Integer> values)
{
    const Integer highest = *std::max_element(values.begin(), values.end());
    player().setStepper(nullptr); // pauses first
    steps_ = std::make_unique<SortSteps>(column_, std::move(values));
    bars_.setSteps(steps_.get(), highest);
    player().setStepper(steps_.get());
}

void frmPassoSort::showState()
{
    if (!steps_)
        return;
    window()->setWindowTitle(QStringLiteral("Passo passo: %1 - prof. Orvalde")
                                 .arg(QString::fromUtf8(sortTitle(column_))));
    ui_.lblConfronti->setText(grouped(steps_->comparisons()));
    ui_.lblMosse->setText(grouped(steps_->moves()));
    controls().lblPasso->setText(stepSentence());
    showCode(&sortListing(column_), steps_->state().line);
    showVariables(steps_->variables());
    showCalls(steps_->calls().empty() ? nullptr : &steps_->calls(), steps_->position() - 1, sortRoutine(column_));
    ui_.lblTitoloCodice->setText(QString::fromUtf8(sortEntry(column_).what));
    // Stability is a verdict on the whole run: said once it has ended.
    const QString stable = steps_->finished() ? QString::fromStdString(steps_->stabilitySentence()) : QString();
    if (ui_.lblStabile->text() != stable) {
        ui_.lblStabile->setText(stable);
        ui_.lblStabile->setToolTip(stable);
    }
    ui_.cboDati->setEnabled(!exercisePanel().running());
    ui_.cmdUsaDati->setEnabled(!exercisePanel().running());
    ui_.cmdNuoviDati->setEnabled(inputDraws(input_) && !exercisePanel().running());
}

QString frmPassoSort::stepSentence() const
{
    return steps_ ? QString::fromStdString(steps_->sentence()) : QString();
}

void frmPassoSort::paintView(QPainter &painter, const QRect &area) const
{
    bars_.paint(painter, area);
}

void frmPassoSort::repaintAfter(int steps)
{
    Canvas *view = canvas();
    if (!view)
        return;
    // After a single step only what that step marked can differ.
    if (steps != 1 || !steps_)
        view->update();
    else
        view->update(bars_.changedByOneStep(view->area()));
}

} // namespace quimbra
