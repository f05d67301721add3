// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmPassoRicBin.h"

#include "ricbin_code.h"

#include "widgets.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace quimbra {

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
        if (exercise_->shown())
            for (int p = 1; p <= exercise::SearchSize; ++p)
                positions.push_back(p);
        return positions;
    };
    exercise_ = new ExercisePanel(*this, std::move(hooks));
    connect(exercise_, &ExercisePanel::startRequested, this, &frmPassoRicBin::startExercise);
}

void frmPassoRicBin::connectControls()
{
    StepView::connectControls();
    Canvas *picture = canvas();
    picture->setPaint([this](QPainter &painter, const QRect &area) {
        column_.paint(painter, area);
        exercise_->paint(painter, area);
    });
    picture->installEventFilter(this);
    label("lblPasso")->setWordWrap(true);
    label("lblLegenda")->setWordWrap(true);
    label("lblTitCodice")->setBuddy(find<QComboBox>("cboCodice"));
    label("lblTitVariabili")->setBuddy(list("lstVariabili"));
    connect(textBox("txtX"), &QLineEdit::textChanged, this, &frmPassoRicBin::txtX_Change);
    connect(&player(), &StepPlayer::changed, this, &frmPassoRicBin::showSteps);
    exercise_->connectControls();
}

void frmPassoRicBin::Form_Load()
{
    StepView::Form_Load();
    QLineEdit *txtX = textBox("txtX");
    const QSignalBlocker quiet(txtX);
    txtX->setText(typed_);
    txtX_Change();
}

void frmPassoRicBin::txtX_Change()
{
    if (exercise_->shown()) {
        exercise_->leave();
        column_.setVector(V, N);
    }
    // The same reading as the window's button: a new search from its start.
    search_ = ricbin::RecordSearch(V, N, textBox("txtX")->text().toStdString());
    startRecordedRun(stepper_, search_.count());
    showSteps();
}

void frmPassoRicBin::startExercise(int code)
{
    const exercise::Data data = exercise::MakeData(exercise::Kind::Search, code);
    std::copy(data.values.begin(), data.values.end(), exerciseV_.begin() + 1);
    column_.setVector(exerciseV_, exercise::SearchSize);
    const std::string key = plain(data.key);
    {
        const QSignalBlocker quiet(textBox("txtX"));
        textBox("txtX")->setText(QString::fromStdString(key));
    }
    search_ = ricbin::RecordSearch(exerciseV_, exercise::SearchSize, key);
    startRecordedRun(stepper_, search_.count());
    showSteps();
    exercise_->begin({code, "Ricerca binaria", ricbin::ExerciseSteps(search_)});
    textBox("txtX")->setReadOnly(exercise_->running());
    label("lblPasso")->setText(QStringLiteral("Si cerca %1: clicca, una dopo l'altra, le posizioni che "
                                              "la ricerca guarda; se %1 non c'\u00e8, alla fine \"Non c'\u00e8\"")
                                   .arg(data.key));
}

void frmPassoRicBin::showSteps()
{
    if (!window())
        return;
    const int step = stepper_.done() - 1;
    // An exercise searches its own 15 values.
    const int N = exercise_->shown() ? exercise::SearchSize : this->N;
    textBox("txtX")->setReadOnly(exercise_->running());
    showRecordedLines(search_.lines, search_.linesAfter(step));
    label("lblPasso")->setText(QString::fromStdString(ricbin::StepSentence(search_, N, step)));
    const ricbin::StepCode code = ricbin::StepCodeAt(search_, N, step);
    showCode(&ricbin::searchListing(), code.line);
    showVariables(code.variables,
                  changedLines(code.variables,
                               step < 0 ? code.variables : ricbin::StepCodeAt(search_, N, step - 1).variables));

    const QRect area = canvas()->area();
    const int probes = static_cast<int>(search_.probes.size());
    if (step < 0 || search_.count() == 0) {
        column_.setRange(1, 0, N, area);
    } else if (step < probes) {
        const ricbin::Probe &p = search_.probes[static_cast<std::size_t>(step)];
        column_.setRange(p.low, p.middle, p.high, area);
    } else if (const int at = search_.found()) {
        column_.setRange(at, at, at, area);
    } else {
        column_.setRange(1, 0, 0, area); // nothing left: every row greyed
    }
    canvas()->update();
}

bool frmPassoRicBin::eventFilter(QObject *watched, QEvent *event)
{
    // The wheel and the arrow and page keys scroll the column; Space and
    // Enter go on to the player.
    if (window() && watched == canvas()) {
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
