// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"
#include "growth_chart.h"
#include "growth_questions.h"
#include "numbers.h"
#include "growth_runner.h"
#include "random.h"

#include <QImage>

#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QProgressBar;
class QSpinBox;

namespace quimbra {

class Canvas;

// How the moves or the comparisons of the sorts grow with n: a chart computed
// from the routines themselves (the sorting window's four, or with "Tutti gli
// algoritmi" all eight of the catalogue), on the catalogue's shapes of data,
// with its table for a spreadsheet and a picture to save. Opened from the sorting window like a step view: several
// may be open, each computes on its own, each is deleted when its window
// closes. The computation runs away from the user's clicks, and a new choice
// cancels it and starts over.
class frmGrafico final : public Form
{
    Q_OBJECT
public:
    frmGrafico(RandomSource &rnd, QObject *owner);
    ~frmGrafico() override;

    void cmdFine_Click();
    void cmdCopia_Click();
    void cmdSalva_Click();
    // Writes the chart as a PNG file, whole or not at all; false with the
    // reason in `error` when it could not.
    bool SalvaImmagine(const QString &path, QString *error = nullptr) const;
    // The chart as it is drawn now, at the screen's pixel density.
    QImage image() const;

    const GrowthChart &chart() const { return chart_; }
    // The computation shown (maybe still running); null before the window loads.
    const GrowthRunner *runner() const { return runner_.get(); }
    // Where the next computations run: on threads, or in slices between the
    // window's events as in the browser.
    void setRunnerMode(GrowthRunner::Mode mode) { mode_ = mode; }

signals:
    // A computation ended with every point in place.
    void computed();

private:
    void connectControls() override;
    void Form_Load() override;
    void unloaded() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void Calcola();
    void Mostra();
    void toggle(int algorithm);
    Canvas *canvas() const;
    // A prediction: asked before the curves show, answered by a button or a
    // number typed, judged once the computation has its answer.
    void Prevedi();
    void Rispondi(long value);
    void Giudica();
    void Salta();
    void Svela();
    QString predictionScore() const;

    // The controls, resolved when the window loads and forgotten when it closes.
    struct Controls
    {
        Canvas *picGrafico;
        QComboBox *cboMisura;
        QComboBox *cboDati;
        QCheckBox *chkTutti;
        QComboBox *cboMassimo;
        QSpinBox *spnProve;
        QLabel *lblStato;
        QProgressBar *prgCalcolo;
    };

    struct Prediction
    {
        QCheckBox *chkPrevisione;
        QLabel *lblDomanda;
        std::array<QPushButton *, 4> cmdRisposta;
        QLineEdit *txtRisposta;
        QPushButton *cmdSalta;
        QPushButton *cmdCopia;
    };

    RandomSource &rnd_;
    Controls ui_{};
    Prediction predict_{};
    GrowthQuestion question_;
    std::optional<long> guessed_; // answered, waiting for the computation
    unsigned asked_ = 0;
    int predictions_ = 0, rightPredictions_ = 0;
    GrowthChart chart_;
    std::unique_ptr<GrowthRunner> runner_;
    GrowthRunner::Mode mode_ = GrowthRunner::defaultMode();
    static int open_;
    Cascade cascade_{open_};
};

// The layout of the growth chart's window.
const FormLayout &graficoLayout();

} // namespace quimbra
