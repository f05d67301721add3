// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calls.h"
#include "code_listing.h"
#include "exercise_panel.h"
#include "question_panel.h"
#include "form.h"
#include "replay_stepper.h"
#include "step_player.h"
#include "variables.h"

#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QLabel;
class QPainter;

namespace quimbra {

class Canvas;
class ListBox;

// The base of a step-by-step view: a window of the program like the
// demonstration windows (caption, icon, a cmdFine that closes it, tab order,
// accessible names, built from a layout table), which plays an algorithm with
// a StepPlayer. Its layout holds one Canvas control (the picture that the
// player repaints), lblPasso for the sentence, the player's controls
// (playerRows), the code and variables panels (codeRows), cmdFine and the
// strip of a graded exercise (withExerciseStrip). The base wires all of these
// once, the same for every view; a view gives its own controls, its drawing,
// its state and its sentence through the hooks below.
//
// Unlike a demonstration window it has no slot: the window that opens it
// creates it with itself as owner, calls Show() and forgets it. Several may
// be open at once, each holding its own data; each is deleted when its window
// closes (its cmdFine, its close box, or the menu's "Fine" closing every
// window), or at the latest with its owner.
//
// A step view has no activation step, but it is a window of the program: the
// activation tracker knows it like any Form, so that going from a step view
// back to a demonstration window runs that window's activation step, exactly
// as going back from another demonstration window does.
class StepView : public Form
{
    Q_OBJECT
public:
    StepView(const FormLayout &layout, QObject *owner);
    ~StepView() override;

    StepPlayer &player() { return player_; }
    Canvas *canvas() const { return isLoaded() ? controls_.picture : nullptr; }
    ExercisePanel &exercisePanel() const { return *exercise_; }
    QuestionPanel &questionPanel() const { return *questions_; }

    void cmdFine_Click();
    // A graded exercise on the data of this code.
    virtual void startExercise(int code) = 0;

protected:
    // What a view gives to the skeleton that the three share.
    // Connects the view's own controls; called at load, after the player's
    // and before the exercise strip's.
    virtual void connectViewControls() {}
    // Shows the run as it stands now: called after every change of the
    // player (a step, going back, a new run).
    virtual void showState() = 0;
    // Paints the run on the canvas; the exercise's marks go over it.
    virtual void paintView(QPainter &painter, const QRect &area) const = 0;
    // What the step shown did, as lblPasso says it; an answer in an exercise
    // is followed by it.
    virtual QString stepSentence() const = 0;

    // Moves the window a little away from the views already open, so that
    // they do not cover one another exactly.
    void Form_Load() override;

    // For views that replay a run recorded whole. startRecordedRun() hands the
    // player a new run of count steps, none done, whose lines will replace
    // whatever lstPassi holds; showRecordedLines() shows the run's first count
    // lines there, touching the list only when that number changed, and keeps
    // the last of them in sight.
    void startRecordedRun(ReplayStepper &stepper, int count);
    void showRecordedLines(const std::vector<std::string> &lines, std::size_t count);

    // The code panel shows this routine's code in the language chosen, with
    // the row of its source line `line` lit and current (0: none lit).
    void showCode(const CodeListing *listing, int line, int branch = 0);
    // The variables panel: one "name = value" line each, those that the last
    // step changed in the colour of a lit line.
    void showVariables(const Variables &variables);
    // The calls of a recursive routine under way after steps 0..step, in
    // lstChiamate with the innermost lit, and lblProfondita; for an
    // iterative routine (nullptr) the list says so.
    void showCalls(const CallTrace *calls, long step, std::string_view routine);

    // The controls that every step view has, resolved when it loads
    // (lstPassi only where its layout holds one).
    struct Controls
    {
        Canvas *picture;
        QLabel *lblPasso;
        QComboBox *cboCodice;
        ListBox *lstCodice;
        ListBox *lstVariabili;
        ListBox *lstPassi;
    };
    const Controls &controls() const { return controls_; }

private:
    void connectControls() final;
    void unloaded() override;
    void showCodeRows();
    // The sentence after an answer in an exercise.
    void showAnswer(exercise::Verdict verdict, const exercise::Expected *step, int played);

    StepPlayer player_;
    ExercisePanel *exercise_;
    QuestionPanel *questions_;
    Controls controls_{};
    const CodeListing *listing_ = nullptr;
    int listingShown_ = -1; // which text lstCodice holds: 0 pseudocode, 1 C++
    const CodeListing *listingInPanel_ = nullptr;
    int line_ = 0;
    int branch_ = 0;
    Variables variables_;
    std::vector<std::string> callLines_;
    ListBox *lstChiamate_ = nullptr;
    QLabel *lblProfondita_ = nullptr;
    QList<QLabel *> plainWhileRunning_; // selectable labels, plain while the run plays
    std::size_t linesShown_ = std::size_t(-1);
    static int open_;
    Cascade cascade_{open_};
};

} // namespace quimbra
