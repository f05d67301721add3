// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise_panel.h"

#include "step_view.h"
#include "stepper.h"
#include "widgets.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>

#include <algorithm>

namespace quimbra {

namespace {

const QColor rightColour(0, 150, 0);
const QColor wrongColour(220, 0, 0);
const QColor cursorColour(0, 0, 0);
constexpr int flashMs = 700;

// The player's controls that would give an answer away.
constexpr const char *playerControls[] = {"cmdPasso", "cmdAvvia", "cmdTutto", "cmdIndietro",
                                          "sldPosizione"};

} // namespace

ExercisePanel::ExercisePanel(StepView &view, Hooks hooks)
    : QObject(&view), view_(view), hooks_(std::move(hooks))
{
    drawCode = [] { return int(QRandomGenerator::global()->bounded(exercise::FirstCode, exercise::LastCode + 1)); };
    flashTimer_.setSingleShot(true);
    flashTimer_.setInterval(flashMs);
    connect(&flashTimer_, &QTimer::timeout, this, &ExercisePanel::clearFlash);
}

void ExercisePanel::clearFlash()
{
    flashTimer_.stop();
    flash_ = 0;
    if (!view_.isLoaded())
        return;
    if (QPushButton *missing = view_.button("cmdNonCe"))
        missing->setStyleSheet({});
    if (Canvas *canvas = view_.canvas())
        canvas->update();
}

void ExercisePanel::connectControls()
{
    connect(view_.button("cmdEsercizio"), &QPushButton::clicked, this,
            [this] { emit startRequested(drawCode()); });
    QLineEdit *code = view_.textBox("txtCodice");
    code->setMaxLength(20);
    connect(code, &QLineEdit::returnPressed, this, &ExercisePanel::codeEntered);
    connect(code, &QLineEdit::textEdited, this, [this] { view_.label("lblAvviso")->clear(); });
    if (QPushButton *missing = view_.button("cmdNonCe"))
        connect(missing, &QPushButton::clicked, this, [this] { pick(exercise::NotThere); });
    connect(view_.button("cmdSoluzione"), &QPushButton::clicked, this, &ExercisePanel::giveUp);
    view_.label("lblAvviso")->setWordWrap(true);

    // The score takes the focus, so that Ctrl+C copies the result line.
    QLabel *score = view_.label("lblPunteggio");
    score->setFocusPolicy(Qt::StrongFocus);
    score->setStyleSheet(QStringLiteral("QLabel:focus { border: 2px solid palette(highlight); }"));
    QWidget::setTabOrder(view_.button("cmdSoluzione"), score);
    if (QPushButton *fine = view_.button("cmdFine"))
        QWidget::setTabOrder(score, fine);
    // Its menu offers this one entry instead of the plain "Copia" of a result label.
    for (QAction *plain : score->actions())
        if (plain->objectName() == QLatin1String("actCopia"))
            delete plain;
    auto *copy = new QAction(QStringLiteral("Copia risultato"), score);
    copy->setObjectName(QStringLiteral("actCopiaRisultato"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    copy->setShortcutVisibleInContextMenu(true);
    connect(copy, &QAction::triggered, this, &ExercisePanel::copyResult);
    score->addAction(copy);
    score->setText(QStringLiteral("Nessun esercizio: premi \"Esercizio\" o scrivi il codice dato "
                                  "dall'insegnante e premi Invio"));

    if (Canvas *canvas = view_.canvas())
        canvas->installEventFilter(this);
    // Installed after the player's, so that it sees the window's keys first.
    view_.window()->installEventFilter(this);
    lockPlayer(false);
}

void ExercisePanel::codeEntered()
{
    const exercise::CodeReading r = exercise::ReadCode(view_.textBox("txtCodice")->text().toStdString());
    view_.label("lblAvviso")->setText(QString::fromStdString(r.message));
    if (r.code)
        emit startRequested(r.code);
}

void ExercisePanel::begin(exercise::Exercise exercise)
{
    clearFlash();
    exercise_ = std::move(exercise);
    shownSteps_ = 0;
    rightMarks_.clear();
    shownMarks_.clear();
    const std::vector<int> elements = hooks_.elements();
    cursor_ = elements.empty() ? 0 : elements.front();
    const QString code = QString::number(exercise_.code());
    view_.label("lblEsercizio")->setText(QStringLiteral("Esercizio n. ") + code);
    if (view_.textBox("txtCodice")->text() != code)
        view_.textBox("txtCodice")->setText(code);
    view_.label("lblAvviso")->clear();
    playDue();
    showScore();
    if (Canvas *canvas = view_.canvas()) {
        canvas->setAccessibleDescription(QStringLiteral(
            "Esercizio: le frecce muovono il cursore, Spazio o Invio scelgono l'elemento"));
        canvas->setFocus(Qt::OtherFocusReason);
        canvas->update();
    }
}

void ExercisePanel::leave()
{
    if (!shown())
        return;
    clearFlash();
    exercise_ = {};
    rightMarks_.clear();
    shownMarks_.clear();
    view_.label("lblEsercizio")->clear();
    if (Canvas *canvas = view_.canvas())
        canvas->setAccessibleDescription({});
    lockPlayer(false);
}

void ExercisePanel::pick(int element)
{
    if (!running() || element == 0)
        return;
    cursor_ = element == exercise::NotThere ? cursor_ : element;
    const int before = exercise_.played();
    const exercise::Verdict verdict = exercise_.pick(element);
    Canvas *canvas = view_.canvas();
    switch (verdict) {
    case exercise::Verdict::Ignored:
        return;
    case exercise::Verdict::Pending:
        setSentence(QStringLiteral("Giusto: ora l'altro elemento della mossa"));
        break;
    case exercise::Verdict::Right:
    case exercise::Verdict::Wrong: {
        const bool right = verdict == exercise::Verdict::Right;
        const exercise::Expected &answered = *exercise_.lastAnswered();
        rightMarks_.clear();
        shownMarks_.clear();
        for (int e : answered.picks)
            if (e != exercise::NotThere)
                (right ? rightMarks_ : shownMarks_).push_back(e);
        if (!right) {
            flash_ = element;
            if (QPushButton *missing = view_.button("cmdNonCe"); missing && element == exercise::NotThere)
                missing->setStyleSheet(QStringLiteral("QPushButton { background: #dc0000; color: white; }"));
            flashTimer_.start();
        }
        playDue();
        // The view has shown the sentence of the last step played; after a
        // right answer it says what the steps that played by themselves did.
        const QString then = view_.label("lblPasso")->text();
        QString sentence = (right ? QStringLiteral("Giusto: ") : QStringLiteral("No: ")) +
                           QString::fromStdString(answered.explanation);
        if (right && exercise_.played() - before > 1 && !then.isEmpty())
            sentence += QStringLiteral(" \u2014 poi ") + then;
        else if (exercise_.finished() && !then.isEmpty())
            sentence += QStringLiteral(" \u2014 ") + then;
        setSentence(sentence);
        showScore();
        break;
    }
    }
    if (canvas)
        canvas->update();
}

void ExercisePanel::giveUp()
{
    if (!running())
        return;
    exercise_.giveUp();
    rightMarks_.clear();
    shownMarks_.clear();
    showScore();
    lockPlayer(false);
    // The rest of the run plays as in a plain step view, from where the
    // exercise stopped.
    view_.player().run();
    if (Canvas *canvas = view_.canvas())
        canvas->update();
}

void ExercisePanel::copyResult() const
{
    if (shown())
        QGuiApplication::clipboard()->setText(view_.label("lblPunteggio")->text());
}

void ExercisePanel::playDue()
{
    const int due = exercise_.played() - shownSteps_;
    if (due > 0)
        view_.player().advance(due);
    shownSteps_ = exercise_.played();
    lockPlayer(running());
}

void ExercisePanel::lockPlayer(bool locked)
{
    // Unlocked, each control is as the player has it: forward while steps
    // remain, back once a step is done, the position for a run with steps.
    const Stepper *run = view_.player().stepper();
    const bool more = run && !run->finished();
    const bool earlier = run && run->position() > 0;
    const bool steps = run && run->count() > 0;
    for (const char *name : playerControls) {
        QWidget *control = view_.find<QWidget>(name);
        if (!control)
            continue;
        const std::string_view which(name);
        const bool on = which == "cmdIndietro" ? earlier : which == "sldPosizione" ? steps : more;
        control->setEnabled(!locked && on);
    }
    if (QPushButton *missing = view_.button("cmdNonCe"))
        missing->setEnabled(running());
    view_.button("cmdSoluzione")->setEnabled(running());
}

void ExercisePanel::showScore()
{
    QLabel *score = view_.label("lblPunteggio");
    score->setText(QString::fromStdString(exercise_.over() ? exercise_.result() : exercise_.score()));
}

void ExercisePanel::setSentence(const QString &text)
{
    // The label's accessible name is its text: a screen reader is told that
    // it changed, so that it reads the judgement out.
    QLabel *sentence = view_.label("lblPasso");
    sentence->setText(text);
    QAccessibleEvent changed(sentence, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

QRectF ExercisePanel::elementRect(int element) const
{
    Canvas *canvas = view_.canvas();
    return canvas ? hooks_.rect(canvas->area(), element) : QRectF();
}

int ExercisePanel::elementAt(const QPointF &point) const
{
    Canvas *canvas = view_.canvas();
    if (!canvas)
        return 0;
    for (int e : hooks_.elements())
        if (hooks_.rect(canvas->area(), e).contains(point))
            return e;
    return 0;
}

void ExercisePanel::moveCursor(int key)
{
    const std::vector<int> elements = hooks_.elements();
    if (elements.empty())
        return;
    auto at = std::find(elements.begin(), elements.end(), cursor_);
    if (at == elements.end()) {
        cursor_ = elements.front();
        return;
    }
    const auto index = at - elements.begin();
    const auto last = static_cast<std::ptrdiff_t>(elements.size()) - 1;
    const bool vertical = key == Qt::Key_Up || key == Qt::Key_Down;
    if (vertical && hooks_.vertical) {
        if (const int next = hooks_.vertical(cursor_, key == Qt::Key_Up))
            cursor_ = next;
        return;
    }
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up: cursor_ = elements[std::size_t(std::max<std::ptrdiff_t>(0, index - 1))]; break;
    case Qt::Key_Right:
    case Qt::Key_Down: cursor_ = elements[std::size_t(std::min(last, index + 1))]; break;
    case Qt::Key_Home: cursor_ = elements.front(); break;
    case Qt::Key_End: cursor_ = elements.back(); break;
    default: break;
    }
}

bool ExercisePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (!running())
        return QObject::eventFilter(watched, event);
    Canvas *canvas = view_.canvas();
    if (watched == canvas && event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            canvas->setFocus(Qt::MouseFocusReason);
            pick(elementAt(mouse->position()));
            return true;
        }
    }
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const bool plain = key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
    const bool picks = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == canvas && plain) {
        switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
            moveCursor(key->key());
            canvas->update();
            return true;
        default:
            if (picks) {
                if (!key->isAutoRepeat())
                    pick(cursor_);
                return true;
            }
        }
    }
    // Plain keys that reach the window are the player's (a step, run, going
    // back): none of them may move the run under the student.
    const bool command = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (watched == view_.window() && !command && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
        return true;
    return QObject::eventFilter(watched, event);
}

void ExercisePanel::paint(QPainter &painter, const QRect &area) const
{
    if (!shown())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const int line = std::max(2, area.height() / 150);
    auto draw = [&](int e, const QColor &colour, int alpha, Qt::PenStyle style, int grow) {
        QRectF r = hooks_.rect(area, e);
        if (r.isEmpty())
            return;
        r.adjust(-grow, -grow, grow, grow);
        QColor fill = colour;
        fill.setAlpha(alpha);
        painter.setBrush(alpha ? QBrush(fill) : QBrush(Qt::NoBrush));
        painter.setPen(QPen(colour, line, style));
        if (hooks_.round)
            painter.drawEllipse(r);
        else
            painter.drawRect(r);
    };
    for (int e : rightMarks_)
        draw(e, rightColour, 70, Qt::SolidLine, 1);
    for (int e : shownMarks_)
        draw(e, rightColour, 0, Qt::DashLine, 1);
    for (int e : exercise_.pendingPicks())
        draw(e, rightColour, 110, Qt::SolidLine, 1);
    if (flash_ > 0)
        draw(flash_, wrongColour, 140, Qt::SolidLine, 1);
    if (running() && cursor_ > 0 && view_.canvas() && view_.canvas()->hasFocus())
        draw(cursor_, cursorColour, 0, Qt::DotLine, line + 2);
    painter.restore();
}

} // namespace quimbra
