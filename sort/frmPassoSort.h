// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise_panel.h"
#include "random.h"
#include "sort_steps.h"
#include "step_view.h"
#include "types.h"

#include <QFont>
#include <QRect>

#include <array>
#include <memory>
#include <span>
#include <vector>

class QPainter;

namespace quimbra {

// Watch one of the four sorts work, step by step: the vector as bars, the
// positions compared and moved marked, counters of comparisons and moves and
// a sentence for the last step. The sort and the input can be chosen; each
// choice starts over. Opened from the sorting window, which hands it a copy
// of its vector.
class frmPassoSort final : public StepView
{
    Q_OBJECT
public:
    // column: the sort shown first (0 Insertion .. 3 Quick); windowVector:
    // the sorting window's vector V(0..1000) as drawn; rnd: where "20 valori
    // casuali" draws from.
    frmPassoSort(int column, std::span<const Integer> windowVector, RandomSource &rnd,
                 QObject *owner);
    ~frmPassoSort() override;

    const SortSteps *steps() const { return steps_.get(); }

    void cboAlgoritmo_Click(int index);
    void cboDati_Click(int index);
    // A graded exercise on the 10 values of this code, with the sort chosen.
    void startExercise(int code);
    ExercisePanel &exercisePanel() const { return *exercise_; }

private:
    void connectControls() override;
    void Form_Load() override;
    void startOver();
    void showState();
    void paintBars(QPainter &painter, const QRect &area) const;
    void repaintAfter(int steps);

    // Where the bars stand within the canvas.
    struct Geometry
    {
        QRect area;
        int n = 0;
        double slot = 1; // pixels per position
        bool few = false; // room for the numbers of each bar
        int textHeight = 0;
        int base = 0;    // the bars' foot
        int tallest = 0; // the height of the highest value
        int gap = 0;
        int left(int p) const;
        int width(int p) const;
        int heightOf(int value, int highest) const;
    };
    Geometry geometry(const QRect &area) const;
    static QFont barFont();
    static int markerSize();

    // What the last paint marked, so that the next step repaints it away.
    struct Marks
    {
        std::array<int, 4> positions{-1, -1, -1, -1};
        bool holding = false;
        int held = 0;
    };
    Marks marks() const;

    std::vector<Integer> windowVector_;
    RandomSource &rnd_;
    int column_;
    int input_ = InputWindowVector;
    std::unique_ptr<SortSteps> steps_;
    Integer highest_ = 1; // the tallest bar's value: bars are scaled to it
    mutable Marks painted_;
    ExercisePanel *exercise_;
};

} // namespace quimbra
