// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_view.h"

#include "layout.h"
#include "widgets.h"

#include <QAbstractSlider>
#include <QComboBox>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QLabel>
#include <QPushButton>

namespace quimbra {

int StepView::open_ = 0;

namespace {

// Writes the rows of lstVariabili that the last step changed in magenta.
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
            option->palette.setColor(QPalette::Text, QColor(palette::magenta));
            option->font.setBold(true);
        }
    }
};

} // namespace

StepView::StepView(const FormLayout &layout, QObject *owner) : Form(layout, owner), player_(this)
{
}

StepView::~StepView() = default;

Canvas *StepView::canvas() const
{
    if (!window())
        return nullptr;
    return window()->findChild<Canvas *>();
}

void StepView::cmdFine_Click()
{
    Unload();
}

void StepView::connectControls()
{
    connect(button("cmdFine"), &QPushButton::clicked, this, &StepView::cmdFine_Click);
    StepPlayer::Controls controls;
    controls.step = button("cmdPasso");
    controls.run = button("cmdAvvia");
    controls.toEnd = button("cmdTutto");
    controls.speed = find<QAbstractSlider>("sldVelocita");
    controls.speedText = label("lblVelocita");
    controls.view = canvas();
    controls.back = button("cmdIndietro");
    controls.position = find<QAbstractSlider>("sldPosizione");
    controls.positionText = label("lblPosizione");
    player_.attach(controls);
    if (auto *language = find<QComboBox>("cboCodice")) {
        language->addItems({QStringLiteral("Pseudocodice"), QStringLiteral("C++")});
        connect(language, &QComboBox::currentIndexChanged, this, [this] { showCodeRows(); });
    }
    if (ListBox *code = list("lstCodice")) {
        // The lit row is the current one, in the program's magenta whether
        // the list has the focus or not.
        QPalette colours = code->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            colours.setColor(group, QPalette::Highlight, QColor(palette::magenta));
            colours.setColor(group, QPalette::HighlightedText, Qt::white);
        }
        code->setPalette(colours);
    }
    if (ListBox *variables = list("lstVariabili"))
        variables->setItemDelegate(new ChangedRows(variables));
    player_.handleKeysOf(window());
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
    ListBox *steps = list("lstPassi");
    steps->setLines({lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(count)});
    steps->scrollToBottom();
    linesShown_ = count;
}

std::vector<bool> StepView::changedLines(const std::vector<std::string> &now,
                                        const std::vector<std::string> &before)
{
    std::vector<bool> changed(now.size(), false);
    for (std::size_t n = 0; n < now.size() && n < before.size(); ++n)
        changed[n] = now[n] != before[n];
    return changed;
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
    ListBox *code = list("lstCodice");
    if (!code)
        return;
    const auto *language = find<QComboBox>("cboCodice");
    const int shown = language && language->currentIndex() == 1 ? 1 : 0;
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

void StepView::showVariables(const std::vector<std::string> &lines, const std::vector<bool> &changed)
{
    ListBox *variables = list("lstVariabili");
    if (!variables)
        return;
    if (auto *rows = dynamic_cast<ChangedRows *>(variables->itemDelegate()); rows && rows->changed != changed) {
        rows->changed = changed;
        variables->viewport()->update();
    }
    if (lines != variables_) {
        variables->setLines(lines);
        variables_ = lines;
    }
}

void StepView::unloaded()
{
    // The window's controls are going: nothing may update them any more.
    player_.blockSignals(true);
    player_.pause();
    player_.setStepper(nullptr);
    cascade_.leave();
    deleteLater();
}

} // namespace quimbra
