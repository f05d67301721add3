// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "question_panel.h"

#include "step_view.h"
#include "stepper.h"
#include "widgets.h"

#include <QAccessible>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <charconv>

namespace quimbra {

namespace {

// A question comes at least this long after the last one closed while the
// run plays by itself; one due sooner is left out.
constexpr qint64 QuietMs = 3000;

} // namespace

QuestionPanel::QuestionPanel(StepView &view) : QObject(&view), view_(view) {}

bool QuestionPanel::enabled() const
{
    return ui_.chkDomande && ui_.chkDomande->isChecked();
}

void QuestionPanel::attach(const Controls &controls)
{
    ui_ = controls;
    ui_.chkDomande->setToolTip(QStringLiteral("Con le domande l'esecuzione si ferma e chiede che cosa succeder\u00e0"));
    ui_.lblDomanda->setWordWrap(true);
    ui_.lblDomanda->setTextFormat(Qt::PlainText);
    ui_.txtRisposta->setMaxLength(12);
    ui_.txtRisposta->setToolTip(QStringLiteral("La risposta, un numero intero (Invio per rispondere)"));
    ui_.cmdSalta->setToolTip(QStringLiteral("Salta la domanda: conta come non data"));
    for (int i = 0; i < 4; ++i) {
        QPushButton *button = ui_.cmdRisposta[std::size_t(i)];
        connect(button, &QPushButton::clicked, this, [this, i] { answer(i); });
        button->setToolTip(QStringLiteral("Risposta %1 (le frecce passano alle altre)").arg(i + 1));
        button->installEventFilter(this);
    }
    connect(ui_.chkDomande, &QCheckBox::toggled, this, &QuestionPanel::rebuild);
    // Enter answers, and goes no further: the window's Enter would run the player.
    ui_.txtRisposta->installEventFilter(this);
    connect(ui_.cmdSalta, &QPushButton::clicked, this, &QuestionPanel::skip);
    connect(&view_.player(), &StepPlayer::newRun, this, [this] {
        // The view finishes setting up the new run (its tree, its drawing)
        // after handing it to the player: the questions are chosen once it
        // has, unless something chose them meanwhile.
        stale_ = true;
        QMetaObject::invokeMethod(this, [this] {
            if (stale_)
                rebuild();
        }, Qt::QueuedConnection);
    });
    connect(&view_.player(), &StepPlayer::held, this, &QuestionPanel::ask);
    if (Canvas *picture = view_.canvas())
        picture->installEventFilter(this);
    showIdle();
}

void QuestionPanel::rebuild()
{
    stale_ = false;
    StepPlayer &player = view_.player();
    Stepper *run = player.stepper();
    if (quiz_.pending())
        quiz_.drop();
    quiz_ = {};
    if (enabled() && run && hooks_.make)
        quiz_ = questions::Quiz(questions::Choose(hooks_.make(), run->count(), hooks_.seed ? hooks_.seed() : 0));
    player.setHold(run ? quiz_.nextMoment(run->position()) : -1);
    sinceLast_.invalidate();
    showIdle();
    emit scored();
}

void QuestionPanel::ask()
{
    Stepper *run = view_.player().stepper();
    if (!run)
        return;
    const questions::Question *q = quiz_.due(run->position());
    if (!q) {
        view_.player().resumeFromHold(quiz_.nextMoment(run->position() + 1));
        return;
    }
    // While the run plays by itself, questions keep a few seconds apart.
    if (view_.player().heldWhileRunning() && sinceLast_.isValid() && sinceLast_.elapsed() < QuietMs) {
        quiz_.drop();
        goOn();
        return;
    }
    ui_.lblDomanda->setStyleSheet({});
    ui_.lblDomanda->setText(QString::fromStdString(q->text));
    for (std::size_t i = 0; i < ui_.cmdRisposta.size(); ++i) {
        QPushButton *button = ui_.cmdRisposta[i];
        const bool shown = i < q->choices.size();
        button->setText(shown ? QString::fromStdString(q->choices[i]) : QString());
        button->setVisible(shown);
        button->setEnabled(shown);
    }
    ui_.txtRisposta->setEnabled(q->choices.empty());
    ui_.txtRisposta->clear();
    ui_.cmdSalta->setEnabled(true);
    if (q->choices.empty())
        ui_.txtRisposta->setFocus(Qt::OtherFocusReason);
    else
        ui_.cmdRisposta[0]->setFocus(Qt::OtherFocusReason);
    // Screen readers announce the question as it comes.
    ui_.lblDomanda->setAccessibleDescription(ui_.lblDomanda->text());
    QAccessibleEvent announce(ui_.lblDomanda, QAccessible::Alert);
    QAccessible::updateAccessibility(&announce);
}

void QuestionPanel::answer(long value)
{
    const questions::Question *q = quiz_.pending();
    if (!q)
        return;
    const questions::Question asked = *q;
    judged(quiz_.answer(value), asked);
}

void QuestionPanel::skip()
{
    const questions::Question *q = quiz_.pending();
    if (!q)
        return;
    const questions::Question asked = *q;
    quiz_.skip();
    ui_.lblDomanda->setStyleSheet(QStringLiteral("QLabel { color: #c00000; }"));
    ui_.lblDomanda->setText(QStringLiteral("Saltata. %1 \u00b7 %2")
                                .arg(QString::fromStdString(asked.why), QString::fromStdString(quiz_.score())));
    goOn();
}

void QuestionPanel::judged(bool right, const questions::Question &q)
{
    ui_.lblDomanda->setStyleSheet(right ? QStringLiteral("QLabel { color: #008000; }")
                                        : QStringLiteral("QLabel { color: #c00000; }"));
    ui_.lblDomanda->setText(right ? QStringLiteral("Giusto! %1 \u00b7 %2")
                                        .arg(QString::fromStdString(q.why), QString::fromStdString(quiz_.score()))
                                  : QStringLiteral("No. %1 \u00b7 %2")
                                        .arg(QString::fromStdString(q.why), QString::fromStdString(quiz_.score())));
    QAccessibleEvent announce(ui_.lblDomanda, QAccessible::Alert);
    QAccessible::updateAccessibility(&announce);
    goOn();
}

void QuestionPanel::goOn()
{
    for (QPushButton *button : ui_.cmdRisposta)
        button->setEnabled(false);
    ui_.txtRisposta->setEnabled(false);
    ui_.cmdSalta->setEnabled(false);
    if (Canvas *picture = view_.canvas())
        picture->setFocus(Qt::OtherFocusReason);
    emit scored();
    sinceLast_.start();
    Stepper *run = view_.player().stepper();
    const long next = run ? quiz_.nextMoment(run->position() + (quiz_.pending() ? 0 : 1)) : -1;
    ExercisePanel &exercise = view_.exercisePanel();
    if (exercise.running()) {
        view_.player().setHold(next);
        exercise.catchUp();
    } else {
        view_.player().resumeFromHold(next);
    }
}

void QuestionPanel::showIdle()
{
    for (QPushButton *button : ui_.cmdRisposta) {
        button->setEnabled(false);
        button->setVisible(button == ui_.cmdRisposta[0] || button == ui_.cmdRisposta[1]);
    }
    ui_.txtRisposta->setEnabled(false);
    ui_.cmdSalta->setEnabled(false);
    ui_.lblDomanda->setStyleSheet({});
    ui_.lblDomanda->setText(enabled() ? (quiz_.questions().empty()
                                             ? QStringLiteral("Nessuna domanda su questa esecuzione")
                                             : QStringLiteral("%1 domande su questa esecuzione: Passo o Avvia")
                                                   .arg(quiz_.questions().size()))
                                      : QStringLiteral("Domande spente"));
}

void QuestionPanel::typed()
{
    const questions::Question *q = quiz_.pending();
    if (!q)
        return;
    const std::string text = ui_.txtRisposta->text().trimmed().toStdString();
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        ui_.lblDomanda->setText(QString::fromStdString(q->text) + QStringLiteral(" (scrivi un numero intero)"));
        return;
    }
    answer(value);
}

bool QuestionPanel::eventFilter(QObject *watched, QEvent *event)
{
    const questions::Question *q = quiz_.pending();
    if (q && watched == view_.canvas() && event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || q->click == questions::Click::None)
            return false;
        const int element = view_.exercisePanel().elementAt(mouse->position());
        if (element > 0)
            answer(q->click == questions::Click::Position ? element
                                                          : (hooks_.valueOf ? hooks_.valueOf(element) : element));
        return true;
    }
    // Left and Right walk the answers' buttons.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == ui_.txtRisposta && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            typed();
            return true;
        }
        const auto at = std::find(ui_.cmdRisposta.begin(), ui_.cmdRisposta.end(), watched);
        if (at != ui_.cmdRisposta.end() && (key == Qt::Key_Left || key == Qt::Key_Right)) {
            auto next = at;
            do {
                next = key == Qt::Key_Right ? (next + 1 == ui_.cmdRisposta.end() ? ui_.cmdRisposta.begin() : next + 1)
                                            : (next == ui_.cmdRisposta.begin() ? ui_.cmdRisposta.end() - 1 : next - 1);
            } while (next != at && !(*next)->isVisible());
            (*next)->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

} // namespace quimbra
