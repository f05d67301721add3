// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_view.h"

#include "layout.h"
#include "step_colours.h"
#include "widgets.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QPainter>
#include <QComboBox>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quimbra {

int StepView::open_ = 0;

namespace {

// Writes the rows of lstVariabili that the last step changed in bold, lit.
class ChangedRows final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    std::vector<bool> changed;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const auto row = std::size_t(index.row());
        if (row < changed.size() && changed[row]) {
            option->palette.setColor(QPalette::Text, stepColour::lit);
            option->font.setBold(true);
        }
    }
};

} // namespace

StepView::StepView(const FormLayout &layout, QObject *owner)
    : Form(layout, owner), player_(this), exercise_(new ExercisePanel(*this))
{
    connect(exercise_, &ExercisePanel::startRequested, this, [this](int code) { startExercise(code); });
    connect(exercise_, &ExercisePanel::answered, this, &StepView::showAnswer);
    connect(&player_, &StepPlayer::changed, this, [this] {
        if (isLoaded())
            showState();
    });
}

StepView::~StepView() = default;

void StepView::cmdFine_Click()
{
    Unload();
}

void StepView::connectControls()
{
    // The one canvas of the layout, whatever the view calls it.
    auto *picture = window()->findChild<Canvas *>();
    if (!picture)
        qFatal("Quimbra: the step view %s has no canvas", qPrintable(window()->objectName()));
    controls_ = {picture, need<QLabel>("lblPasso"), need<QComboBox>("cboCodice"),
                 need<ListBox>("lstCodice"), need<ListBox>("lstVariabili"), find<ListBox>("lstPassi")};
    auto *fine = need<QPushButton>("cmdFine");
    connect(fine, &QPushButton::clicked, this, &StepView::cmdFine_Click);

    StepPlayer::Controls player;
    player.step = need<QPushButton>("cmdPasso");
    player.run = need<QPushButton>("cmdAvvia");
    player.toEnd = need<QPushButton>("cmdTutto");
    player.speed = need<QAbstractSlider>("sldVelocita");
    player.speedText = need<QLabel>("lblVelocita");
    player.view = picture;
    player.back = need<QPushButton>("cmdIndietro");
    player.position = need<QAbstractSlider>("sldPosizione");
    player.positionText = need<QLabel>("lblPosizione");
    player_.attach(player);
    player_.handleKeysOf(window());

    QComboBox *language = controls_.cboCodice;
    language->addItems({QStringLiteral("Pseudocodice"), QStringLiteral("C++")});
    connect(language, &QComboBox::currentIndexChanged, this, [this] { showCodeRows(); });
    // The lit row is the current one, in the lit colour whether the list has
    // the focus or not.
    ListBox *code = controls_.lstCodice;
    QPalette colours = code->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Highlight, stepColour::lit);
        colours.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    code->setPalette(colours);
    controls_.lstVariabili->setItemDelegate(new ChangedRows(controls_.lstVariabili));
    // Each panel is announced with the label in front of it.
    need<QLabel>("lblTitCodice")->setBuddy(language);
    need<QLabel>("lblTitVariabili")->setBuddy(controls_.lstVariabili);

    picture->setPaint([this](QPainter &painter, const QRect &area) {
        paintView(painter, area);
        exercise_->paint(painter, area);
    });
    connectViewControls();
    // After the view's own controls: the panel sees the canvas's keys first.
    exercise_->attach({need<QPushButton>("cmdEsercizio"), need<QLabel>("lblEsercizio"),
                       need<QLineEdit>("txtCodice"), need<QLabel>("lblAvviso"),
                       find<QPushButton>("cmdNonCe"), need<QPushButton>("cmdSoluzione"),
                       need<QLabel>("lblPunteggio"), fine, picture});
}

void StepView::Form_Load()
{
    cascade_.take(window());
}

void StepView::startRecordedRun(ReplayStepper &stepper, int count)
{
    stepper.reset(count);
    linesShown_ = std::size_t(-1);
    player_.setStepper(&stepper);
}

void StepView::showRecordedLines(const std::vector<std::string> &lines, std::size_t count)
{
    if (count == linesShown_)
        return;
    ListBox *steps = controls_.lstPassi;
    steps->setLines({lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(count)});
    steps->scrollToBottom();
    linesShown_ = count;
}

void StepView::showCode(const CodeListing *listing, int line, int branch)
{
    listing_ = listing;
    line_ = line;
    branch_ = branch;
    showCodeRows();
}

void StepView::showCodeRows()
{
    if (!isLoaded())
        return;
    ListBox *code = controls_.lstCodice;
    const int shown = controls_.cboCodice->currentIndex() == 1 ? 1 : 0;
    if (listing_ != listingInPanel_ || shown != listingShown_) {
        code->setLines(!listing_ ? std::vector<std::string>{}
                       : shown ? listing_->cpp() : listing_->pseudocode());
        listingInPanel_ = listing_;
        listingShown_ = shown;
    }
    const CodeRows rows = listing_ ? listing_->rowsOf(line_, branch_) : CodeRows{};
    const int row = shown ? rows.cpp : rows.pseudo;
    const QModelIndex current = code->currentIndex();
    if (current.isValid() == (row >= 0) && (row < 0 || current.row() == row))
        return;
    if (row < 0) {
        code->selectionModel()->clear();
        return;
    }
    const QModelIndex index = code->model()->index(row, 0);
    code->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    code->scrollTo(index);
}

void StepView::showVariables(const Variables &now)
{
    ListBox *variables = controls_.lstVariabili;
    if (auto *rows = static_cast<ChangedRows *>(variables->itemDelegate()); rows->changed != now.changed) {
        rows->changed = now.changed;
        variables->viewport()->update();
    }
    if (now.lines != variables_.lines) {
        variables->setLines(now.lines);
        variables_.lines = now.lines;
    }
}

void StepView::showAnswer(exercise::Verdict verdict, const exercise::Expected *step, int played)
{
    QString sentence;
    if (verdict == exercise::Verdict::Pending || !step) {
        sentence = QStringLiteral("Giusto: ora l'altro elemento della mossa");
    } else {
        // After a right answer the sentence says what the steps that played
        // by themselves did; at the end, what the last step did.
        const bool right = verdict == exercise::Verdict::Right;
        const QString then = stepSentence();
        sentence = (right ? QStringLiteral("Giusto: ") : QStringLiteral("No: ")) +
                   QString::fromStdString(step->explanation);
        if (right && played > 1 && !then.isEmpty())
            sentence += QStringLiteral(" \u2014 poi ") + then;
        else if (exercise_->exercise().finished() && !then.isEmpty())
            sentence += QStringLiteral(" \u2014 ") + then;
    }
    // The label's accessible name is its text: a screen reader is told that
    // it changed, so that it reads the judgement out.
    controls_.lblPasso->setText(sentence);
    QAccessibleEvent changed(controls_.lblPasso, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void StepView::unloaded()
{
    // The window's controls are going: nothing may update them any more.
    player_.blockSignals(true);
    player_.pause();
    player_.setStepper(nullptr);
    controls_ = {};
    cascade_.leave();
    deleteLater();
}

} // namespace quimbra
