// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmPassoRicBin.h"

#include "ricbin_questions.h"

#include "ricbin_code.h"
#include "sorts.h"
#include "value_list.h"

#include "page_link.h"
#include "step_rows.h"
#include "widgets.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace quimbra {

using namespace fonts;
using namespace colours;

// The binary search step by step: the vector as a column at the left, the
// number searched, the sentence, the probe lines and the player at the right.
// The column comes first in the tab order, so that Space and Enter work at once.
const FormLayout &passoRicBinLayout()
{
    static const FormLayout layout = [] {
        FormLayout l{
            "frmPassoRicBin", "Passo passo: Ricerca Binaria - prof. Orvalde", 15720, 7200, none,
            {
                {"picVettore", -1, Kind::Canvas, nullptr, 120, 120, 2895, 6960, nullptr, mono975b,
                 paleYellow, none, NoFlags,
                 "Il vettore ordinato: posizioni e valori, con l'intervallo in cui si cerca"},
                {"lblTitX", -1, Kind::Label, nullptr, 3240, 195, 1680, 300, "Numero da cercare:",
                 sans825b, none, magenta, NoFlags, nullptr},
                {"txtX", -1, Kind::TextBox, nullptr, 4920, 120, 1095, 375, nullptr, mono12b, white,
                 blue, Centred, "Numero da cercare"},
                {"lblPasso", -1, Kind::Label, nullptr, 3240, 600, 6360, 780, nullptr, sans12b, none,
                 magenta, NoFlags, "Che cosa ha deciso l'ultimo passo"},
            }};
        const auto player = playerRows({{3240, 6585, 1350, 495}, {6600, 1500, 1350, 495},
                                        {6600, 2100, 1350, 495}, {6600, 2700, 1650, 495},
                                        {6600, 3420}, {6600, 3720, 3000, 495},
                                        {6600, 4260, 3000, 300}, {3240, 5940, 6360, 375},
                                        {4710, 6690, 2400, 300}, "nella ricerca", "la ricerca"});
        l.controls.insert(l.controls.end(), player.begin(), player.end());
        l.controls.push_back({"lstPassi", -1, Kind::ListBox, nullptr, 3240, 1500, 3195, 3135,
                              nullptr, mono975, paleCyan, blue, NoFlags,
                              "Passi della ricerca binaria"});
        l.controls.push_back(
            {"lblLegenda", -1, Kind::Label, nullptr, 3240, 4920, 6360, 900,
             "In giallo le posizioni in cui si cerca ancora, in grigio quelle scartate, in "
             "magenta la posizione di mezzo. La striscia a destra della colonna mostra tutto il "
             "vettore.",
             sans825, none, none, NoFlags, nullptr});
        const auto code = codeRows({{10800, 120}, {9840, 600, 5760, 4200}, {9840, 4920},
                                    {9840, 5220, 2880, 1860}, "della ricerca",
                                    "della ricerca e i loro valori", {12840, 4920, 2760, 2160}});
        l.controls.insert(l.controls.end(), code.begin(), code.end());
        l.controls.push_back({"cmdFine", -1, Kind::Button, nullptr, 8625, 6705, 975, 375, "Fine",
                              sans825, none, none, NoFlags, "Chiudi la finestra"});
        // A row of typed values across the top; after the canvas in the tab
        // order, so that Space and Enter still work at once.
        l = withTypedRow(std::move(l), {120, 6600, "picVettore",
                                        "Valori in cui cercare, separati da spazi, virgole o a capo (Invio per usarli)",
                                        "Ordina i valori scritti e cerca il numero tra loro",
                                        "Copia su una riga i valori in cui si cerca"});
        l.scrolls = true; // larger than a small screen at a large zoom
        return withExerciseStrip(withQuestionStrip(std::move(l)), true);
    }();
    return layout;
}

frmPassoRicBin::frmPassoRicBin(std::span<const Integer> values, int n, const QString &typed,
                               QObject *owner)
    : StepView(passoRicBinLayout(), owner), typed_(typed)
{
    // Never more than both vectors hold: positions 0..N of each.
    const int last = static_cast<int>(std::min(values.size(), V.size())) - 1;
    N = std::clamp(n, 0, std::max(last, 0));
    if (last >= 0)
        std::copy_n(values.begin(), N + 1, V.begin());
    column_.setVector(V, N);
    ExercisePanel::Hooks hooks;
    hooks.rect = [this](const QRect &area, int position) { return QRectF(column_.rowRect(area, position)); };
    hooks.elements = [this] {
        std::vector<int> positions;
        if (exercisePanel().shown() || questionPanel().asking())
            for (int p = 1; p <= size_; ++p)
                positions.push_back(p);
        return positions;
    };
    exercisePanel().setHooks(std::move(hooks));
    QuestionPanel::Hooks asks;
    asks.make = [this] {
        const std::span<const Integer> all = exercisePanel().shown() ? std::span<const Integer>(exerciseV_)
                                                                      : std::span<const Integer>(V);
        return ricbin::SearchQuestions(search_, all, size_);
    };
    asks.seed = [this] {
        if (exercisePanel().shown())
            return std::uint64_t(exercisePanel().exercise().code());
        const std::span<const Integer> values = searched();
        std::vector<long> data(values.begin(), values.end());
        data.push_back(search_.x);
        return questions::SeedOf(data);
    };
    questionPanel().setHooks(std::move(asks));
}

void frmPassoRicBin::connectViewControls()
{
    txtX_ = need<QLineEdit>("txtX");
    canvas()->installEventFilter(this);
    controls().lblPasso->setWordWrap(true);
    need<QLabel>("lblLegenda")->setWordWrap(true);
    connect(txtX_, &QLineEdit::textChanged, this, &frmPassoRicBin::txtX_Change);
    txtDati_ = need<QLineEdit>("txtDati");
    lblAvvisoDati_ = need<QLabel>("lblAvvisoDati");
    lblAvvisoDati_->setWordWrap(true);
    need<QLabel>("lblTitValori")->setBuddy(txtDati_);
    connect(need<QPushButton>("cmdUsaDati"), &QPushButton::clicked, this, &frmPassoRicBin::cmdUsaDati_Click);
    onEnter(txtDati_, [this] { cmdUsaDati_Click(); });
    keepListsShort(txtDati_, TypedSearchValues, [this](const QString &why) { lblAvvisoDati_->setText(why); });
    connect(need<QPushButton>("cmdCopiaDati"), &QPushButton::clicked, this, &frmPassoRicBin::cmdCopiaDati_Click);
    if (auto *pageLink = find<QPushButton>("cmdCopiaLink"))
        connect(pageLink, &QPushButton::clicked, this,
                [this] { QGuiApplication::clipboard()->setText(frmPassoRicBin::pageLink()); });
}

void frmPassoRicBin::cmdUsaDati_Click()
{
    // An exercise keeps its own values while it runs.
    if (exercisePanel().running())
        return;
    const ValueList list = readValueList(txtDati_->text().toStdString(), TypedSearchValues);
    lblAvvisoDati_->setText(QString::fromStdString(list.error));
    if (!list.ok())
        return;
    // Sorted by the window's own routine, as the window sorts its vector.
    V.fill(0);
    std::copy(list.values.begin(), list.values.end(), V.begin() + 1);
    N = static_cast<int>(list.values.size());
    QuickSort(V, 1, N);
    typedCount_ = N;
    column_.setVector(V, N);
    if (exercisePanel().shown())
        exercisePanel().leave();
    txtX_Change();
}

std::span<const Integer> frmPassoRicBin::searched() const
{
    return exercisePanel().shown() ? std::span<const Integer>(exerciseV_).subspan(1, std::size_t(size_))
                                   : std::span<const Integer>(V).subspan(1, std::size_t(N));
}

void frmPassoRicBin::cmdCopiaDati_Click()
{
    const std::span<const Integer> shown = searched();
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(writeValueList(std::vector<Integer>(shown.begin(), shown.end()))));
}

void frmPassoRicBin::useValues(const QString &text)
{
    if (pasteInto(txtDati_, text))
        cmdUsaDati_Click();
}

QString frmPassoRicBin::pageLink() const
{
    // During an exercise, or after it, the link starts the same exercise.
    if (exercisePanel().shown())
        return pagelink::link({{pagelink::View, QLatin1String(pagelink::SearchView)},
                               {pagelink::Exercise, QString::number(exercisePanel().exercise().code())}});
    return pagelink::link({{pagelink::View, QLatin1String(pagelink::SearchView)},
                           {pagelink::Values, pagelink::values(searched())},
                           {pagelink::Key, txtX_->text()}});
}

void frmPassoRicBin::Form_Load()
{
    StepView::Form_Load();
    const QSignalBlocker quiet(txtX_);
    txtX_->setText(typed_);
    txtX_Change();
}

void frmPassoRicBin::txtX_Change()
{
    if (exercisePanel().shown()) {
        exercisePanel().leave();
        column_.setVector(V, N);
    }
    // The same reading as the window's button: a new search from its start.
    size_ = N;
    search_ = ricbin::RecordSearch(V, N, txtX_->text().toStdString());
    startRecordedRun(stepper_, search_.count());
    showState();
}

void frmPassoRicBin::startExercise(int code)
{
    const exercise::Data data = exercise::MakeData(exercise::Kind::Search, code);
    std::copy(data.values.begin(), data.values.end(), exerciseV_.begin() + 1);
    column_.setVector(exerciseV_, exercise::SearchSize);
    const std::string key = plain(data.key);
    {
        const QSignalBlocker quiet(txtX_);
        txtX_->setText(QString::fromStdString(key));
    }
    size_ = exercise::SearchSize;
    search_ = ricbin::RecordSearch(exerciseV_, exercise::SearchSize, key);
    startRecordedRun(stepper_, search_.count());
    showState();
    exercisePanel().begin({code, "Ricerca binaria", ricbin::ExerciseSteps(search_)});
    txtX_->setReadOnly(exercisePanel().running());
    find<QPushButton>("cmdUsaDati")->setEnabled(!exercisePanel().running());
    controls().lblPasso->setText(
        QStringLiteral("Si cerca %1: clicca, una dopo l'altra, le posizioni che "
                       "la ricerca guarda; se %1 non c'\u00e8, alla fine \"Non c'\u00e8\"")
            .arg(data.key));
}

QString frmPassoRicBin::stepSentence() const
{
    const int step = stepper_.done() - 1;
    const QString sentence = QString::fromStdString(ricbin::StepSentence(search_, size_, step));
    // Before the first probe, typed values say what became of them.
    if (step < 0 && typedCount_ > 0 && !exercisePanel().shown())
        return QStringLiteral("I %1 valori scritti, ordinati con QuickSort. ").arg(typedCount_) + sentence;
    return sentence;
}

void frmPassoRicBin::paintView(QPainter &painter, const QRect &area) const
{
    column_.paint(painter, area);
}

void frmPassoRicBin::showState()
{
    const int step = stepper_.done() - 1;
    const int size = size_;
    txtX_->setReadOnly(exercisePanel().running());
    // An exercise keeps its own values while it runs.
    find<QPushButton>("cmdUsaDati")->setEnabled(!exercisePanel().running());
    showRecordedLines(search_.lines, search_.linesAfter(step));
    controls().lblPasso->setText(stepSentence());
    showCode(&ricbin::searchListing(), ricbin::StepCodeAt(search_, size, step).line);
    showVariables(ricbin::VariablesAt(search_, size, step));
    showCalls(&search_.calls, step, "RicBin");

    // The column shows what the sentence says: after a probe, the middle
    // just looked at and the range still searched (empty once nothing is
    // left); the end of a run stays where the search ended.
    const QRect area = canvas()->area();
    const int probes = static_cast<int>(search_.probes.size());
    if (step < 0 || search_.count() == 0) {
        column_.setRange(1, 0, size, area);
    } else if (const int at = search_.found(); at && step >= probes - 1) {
        column_.setRange(at, at, at, area);
    } else {
        const ricbin::Probe &p = search_.probes[static_cast<std::size_t>(std::min(step, probes - 1))];
        if (p.order < 0)
            column_.setRange(p.low, p.middle, p.middle - 1, area);
        else
            column_.setRange(p.middle + 1, p.middle, p.high, area);
    }
    canvas()->update();
}

bool frmPassoRicBin::eventFilter(QObject *watched, QEvent *event)
{
    // The wheel and the arrow and page keys scroll the column; Space and
    // Enter go on to the player.
    if (isLoaded() && watched == canvas()) {
        const QRect area = canvas()->area();
        int rows = 0;
        if (event->type() == QEvent::Wheel) {
            rows = -static_cast<QWheelEvent *>(event)->angleDelta().y() / 40;
        } else if (event->type() == QEvent::KeyPress) {
            const int page = column_.visibleRows(area) - 1;
            switch (static_cast<QKeyEvent *>(event)->key()) {
            case Qt::Key_Up: rows = -1; break;
            case Qt::Key_Down: rows = 1; break;
            case Qt::Key_PageUp: rows = -page; break;
            case Qt::Key_PageDown: rows = page; break;
            case Qt::Key_Home: rows = -N; break;
            case Qt::Key_End: rows = N; break;
            default: break;
            }
        }
        if (rows != 0) {
            column_.scrollBy(rows, area);
            canvas()->update();
            return true;
        }
    }
    return StepView::eventFilter(watched, event);
}

} // namespace quimbra
