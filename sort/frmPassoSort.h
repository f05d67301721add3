// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "random.h"
#include "sort_bars.h"
#include "sort_steps.h"
#include "step_view.h"
#include "types.h"

#include <memory>
#include <span>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QPainter;

namespace quimbra {

// Watch one of the sorts work, step by step: the vector as bars, the
// positions compared and moved marked, counters of comparisons and moves and
// a sentence for the last step. The sort and the input can be chosen; each
// choice starts over. Opened from the sorting window, which hands it a copy
// of its vector.
class frmPassoSort final : public StepView
{
    Q_OBJECT
public:
    // column: the sort shown first (a SortAlgorithm); windowVector:
    // the sorting window's vector V(0..1000) as drawn; rnd: where "20 valori
    // casuali" draws from.
    frmPassoSort(int column, std::span<const Integer> windowVector, RandomSource &rnd,
                 QObject *owner);
    ~frmPassoSort() override;

    const SortSteps *steps() const { return steps_.get(); }

    void cboAlgoritmo_Click(int index);
    void cboDati_Click(int index);
    // New random values for the data chosen.
    void cmdNuoviDati_Click();
    // The values typed in txtDati played by the sort chosen; a text that
    // cannot be read is refused with a sentence, and the run stays.
    void cmdUsaDati_Click();
    // The values being played, as one line on the clipboard.
    void cmdCopiaDati_Click();
    // A text of values (a link's) taken as if typed in txtDati, with Usa.
    void useValues(const QString &text);
    // The page's link to this view: its algorithm and the values being played.
    QString pageLink() const;
    // A graded exercise on the 10 values of this code, with the sort chosen.
    void startExercise(int code) override;

private:
    void connectViewControls() override;
    void Form_Load() override;
    void showState() override;
    void paintView(QPainter &painter, const QRect &area) const override;
    QString stepSentence() const override;
    void startOver();
    void leaveExercise();
    // A new run of the sort chosen on V(0..N).
    void play(std::vector<Integer> values);
    void repaintAfter(int steps);

    struct Controls
    {
        QComboBox *cboAlgoritmo;
        QComboBox *cboDati;
        QPushButton *cmdNuoviDati;
        QLabel *lblConfronti;
        QLabel *lblMosse;
        QLabel *lblStabile;
        QLabel *lblTitoloCodice;
        QLineEdit *txtDati = nullptr;
        QPushButton *cmdUsaDati = nullptr;
        QLabel *lblAvvisoDati = nullptr;
    };

    Controls ui_{};
    std::vector<Integer> windowVector_;
    RandomSource &rnd_;
    int column_;
    int input_ = InputWindowVector;
    std::vector<Integer> inputValues_; // the data chosen, as drawn: every algorithm plays on them
    std::vector<Integer> typed_;       // the values last taken from txtDati
    std::unique_ptr<SortSteps> steps_;
    SortBars bars_;
};

// The layout of the sorts' step view.
const FormLayout &passoSortLayout();

} // namespace quimbra
