// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise_panel.h"

#include "step_view.h"
#include "stepper.h"
#include "step_colours.h"
#include "widgets.h"

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

const QColor cursorColour(Qt::black);
constexpr int flashMs = 700;

} // namespace

ExercisePanel::ExercisePanel(StepView &view) : QObject(&view), view_(view)
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
    if (ui_.cmdNonCe)
        ui_.cmdNonCe->setStyleSheet({});
    ui_.picture->update();
}

void ExercisePanel::attach(const Controls &controls)
{
    ui_ = controls;
    connect(ui_.cmdEsercizio, &QPushButton::clicked, this, [this] { emit startRequested(drawCode()); });
    QLineEdit *code = ui_.txtCodice;
    code->setMaxLength(20);
    connect(code, &QLineEdit::returnPressed, this, &ExercisePanel::codeEntered);
    connect(code, &QLineEdit::textEdited, this, [this] { ui_.lblAvviso->clear(); });
    if (ui_.cmdNonCe)
        connect(ui_.cmdNonCe, &QPushButton::clicked, this, [this] { pick(exercise::NotThere); });
    connect(ui_.cmdSoluzione, &QPushButton::clicked, this, &ExercisePanel::giveUp);
    ui_.lblAvviso->setWordWrap(true);

    // The score takes the focus, so that Ctrl+C copies the result line.
    QLabel *score = ui_.lblPunteggio;
    score->setFocusPolicy(Qt::StrongFocus);
    score->setStyleSheet(QStringLiteral("QLabel:focus { border: 2px solid palette(highlight); }"));
    QWidget::setTabOrder(ui_.cmdSoluzione, score);
    QWidget::setTabOrder(score, ui_.cmdFine);
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

    ui_.picture->installEventFilter(this);
    lockPlayer(false);
}

void ExercisePanel::codeEntered()
{
    const exercise::CodeReading r = exercise::ReadCode(ui_.txtCodice->text().toStdString());
    ui_.lblAvviso->setText(QString::fromStdString(r.message));
    if (r.code)
        emit startRequested(r.code);
}

void ExercisePanel::enterCode(const QString &text)
{
    ui_.txtCodice->setText(text);
    codeEntered();
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
    // What was handed out: the code and what it practises.
    ui_.lblEsercizio->setText(QStringLiteral("Esercizio n. %1 \u00b7 %2")
                                  .arg(code, QString::fromStdString(exercise_.name())));
    if (ui_.txtCodice->text() != code)
        ui_.txtCodice->setText(code);
    ui_.lblAvviso->clear();
    playDue();
    showScore();
    ui_.picture->setAccessibleDescription(QStringLiteral(
        "Esercizio: le frecce muovono il cursore, Spazio o Invio scelgono l'elemento"));
    ui_.picture->setFocus(Qt::OtherFocusReason);
    ui_.picture->update();
}

void ExercisePanel::leave()
{
    if (!shown())
        return;
    clearFlash();
    exercise_ = {};
    rightMarks_.clear();
    shownMarks_.clear();
    ui_.lblEsercizio->clear();
    ui_.picture->setAccessibleDescription({});
    lockPlayer(false);
}

void ExercisePanel::pick(int element)
{
    if (view_.questionPanel().asking())
        return; // the question first
    if (!running() || element == 0)
        return;
    cursor_ = element == exercise::NotThere ? cursor_ : element;
    const int before = exercise_.played();
    const exercise::Verdict verdict = exercise_.pick(element);
    switch (verdict) {
    case exercise::Verdict::Ignored:
        return;
    case exercise::Verdict::Pending:
        emit answered(verdict, nullptr, 0);
        break;
    case exercise::Verdict::Right:
    case exercise::Verdict::Wrong: {
        const bool right = verdict == exercise::Verdict::Right;
        const exercise::Expected &judged = *exercise_.lastAnswered();
        rightMarks_.clear();
        shownMarks_.clear();
        for (int e : judged.picks)
            if (e != exercise::NotThere)
                (right ? rightMarks_ : shownMarks_).push_back(e);
        if (!right) {
            flash_ = element;
            if (ui_.cmdNonCe && element == exercise::NotThere)
                ui_.cmdNonCe->setStyleSheet(QStringLiteral("QPushButton { background: #dc0000; color: white; }"));
            flashTimer_.start();
        }
        playDue();
        showScore();
        emit answered(verdict, &judged, exercise_.played() - before);
        break;
    }
    }
    ui_.picture->update();
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
    ui_.picture->update();
}

void ExercisePanel::copyResult() const
{
    if (shown() || !questionsAlone_.isEmpty())
        QGuiApplication::clipboard()->setText(ui_.lblPunteggio->text());
}

void ExercisePanel::playDue()
{
    // A question may hold the player short of the steps due: they play
    // once it is answered.
    const Stepper *run = view_.player().stepper();
    const long shown = run ? run->position() : shownSteps_;
    const long due = exercise_.played() - shown;
    if (due > 0)
        view_.player().advance(due);
    shownSteps_ = run ? int(run->position()) : exercise_.played();
    lockPlayer(running());
}

void ExercisePanel::setQuestions(int right, int asked, const QString &alone)
{
    questionsAlone_ = alone;
    if (exercise_.running())
        exercise_.setQuestions(right, asked);
    if (ui_.lblPunteggio)
        showScore();
}

void ExercisePanel::lockPlayer(bool locked)
{
    view_.player().setLocked(locked);
    if (ui_.cmdNonCe)
        ui_.cmdNonCe->setEnabled(running());
    ui_.cmdSoluzione->setEnabled(running());
}

void ExercisePanel::showScore()
{
    if (!shown() && !questionsAlone_.isEmpty()) {
        ui_.lblPunteggio->setText(questionsAlone_);
        return;
    }
    if (!shown())
        return;
    ui_.lblPunteggio->setText(QString::fromStdString(exercise_.over() ? exercise_.result() : exercise_.score()));
}

QRectF ExercisePanel::elementRect(int element) const
{
    return view_.isLoaded() ? hooks_.rect(ui_.picture->area(), element) : QRectF();
}

int ExercisePanel::elementAt(const QPointF &point) const
{
    if (!view_.isLoaded() || !hooks_.elements || !hooks_.rect)
        return 0;
    for (int e : hooks_.elements())
        if (hooks_.rect(ui_.picture->area(), e).contains(point))
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
    Canvas *canvas = ui_.picture;
    if (watched == canvas && event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            canvas->setFocus(Qt::MouseFocusReason);
            pick(elementAt(mouse->position()));
            return true;
        }
    }
    if (watched != canvas || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const bool plain = key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
    const bool picks = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (plain) {
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
    // A right answer is marked by a tick, a wrong one by a cross, beside the
    // colour.
    auto badge = [&](int e, const QColor &colour, bool tick) {
        const QRectF r = hooks_.rect(area, e);
        if (r.isEmpty())
            return;
        const qreal size = std::clamp(std::min(r.width(), r.height()) * 0.6, 9.0, 4.0 * line + 8);
        const QRectF box(r.right() - size * 0.8, r.top() - size * 0.2, size, size);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(box);
        painter.setPen(QPen(Qt::white, std::max(1.5, size / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF c = box.center();
        const qreal d = size * 0.25;
        if (tick) {
            const QPointF points[] = {c + QPointF(-d, 0), c + QPointF(-d / 3, d * 0.8), c + QPointF(d, -d * 0.7)};
            painter.drawPolyline(points, 3);
        } else {
            painter.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
            painter.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
        }
    };
    for (int e : rightMarks_) {
        draw(e, stepColour::right, 70, Qt::SolidLine, 1);
        if (hooks_.round) // a second ring: plainly green, the key still readable
            draw(e, stepColour::right, 0, Qt::SolidLine, 1 + line);
    }
    for (int e : shownMarks_)
        draw(e, stepColour::right, 0, Qt::DashLine, 1);
    for (int e : exercise_.pendingPicks())
        draw(e, stepColour::right, 110, Qt::SolidLine, 1);
    if (flash_ > 0)
        draw(flash_, stepColour::wrong, 140, Qt::SolidLine, 1);
    for (int e : rightMarks_)
        badge(e, stepColour::right, true);
    if (flash_ > 0)
        badge(flash_, stepColour::wrong, false);
    // The cursor rings a node, and frames a row or a bar within it.
    if (running() && cursor_ > 0 && ui_.picture->hasFocus())
        draw(cursor_, cursorColour, 0, Qt::DotLine, hooks_.round ? line + 2 : -(line / 2 + 1));
    painter.restore();
}

} // namespace quimbra
