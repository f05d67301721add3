// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "replay_stepper.h"
#include "ricbin.h"
#include "step_view.h"
#include "value_list.h"
#include "vector_column.h"

#include <array>
#include <span>

class QLabel;
class QLineEdit;

namespace quimbra {

// The binary search step by step, on a copy of frmRicBin's vector: the
// vector as a column with the range and the middle marked, the probe lines
// of lstRB added one step at a time, and a sentence for what each step
// decided. Editing txtX starts the search over with the new number.
class frmPassoRicBin final : public StepView
{
    Q_OBJECT
public:
    frmPassoRicBin(std::span<const Integer> V, int N, const QString &typed, QObject *owner);

    const VectorColumn &column() const { return column_; }
    const ricbin::SearchSteps &search() const { return search_; }

    void txtX_Change();
    // The values typed in txtDati, sorted by QuickSort, become the vector
    // searched; a text that cannot be read is refused with a sentence, and
    // the search shown stays.
    void cmdUsaDati_Click();
    // The values searched, as one line on the clipboard.
    void cmdCopiaDati_Click();
    // A text of values (a link's) taken as if typed in txtDati, with Usa.
    void useValues(const QString &text);
    // The page's link to this view: the values searched and the number.
    QString pageLink() const;
    // A graded exercise on the 15 values and the key of this code.
    void startExercise(int code) override;

private:
    void connectViewControls() override;
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Shows the steps done so far: the list, the sentence, the column.
    void showState() override;
    void paintView(QPainter &painter, const QRect &area) const override;
    QString stepSentence() const override;
    // The values the search shown runs over: V(1..N), or an exercise's.
    std::span<const Integer> searched() const;

    std::array<Integer, 1001> V{};
    int N = 0;
    QString typed_;
    QLineEdit *txtX_ = nullptr;
    QLineEdit *txtDati_ = nullptr;
    QLabel *lblAvvisoDati_ = nullptr;
    int typedCount_ = 0; // how many values were typed, 0 while the window's vector is searched
    int size_ = 0; // the values the search shown runs over: N, or an exercise's 15
    ricbin::SearchSteps search_;
    ReplayStepper stepper_;
    VectorColumn column_;
    // The exercise's own vector, shown instead of the window's while it lasts.
    std::array<Integer, exercise::SearchSize + 1> exerciseV_{};
};

// The rules of a typed list of values to search in.
inline constexpr ValueRules TypedSearchValues{2, 1000, 1, 32767, false};

// The layout of the binary search's step view.
const FormLayout &passoRicBinLayout();

} // namespace quimbra
