// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmPassoFattoriale.h"

#include "numbers.h"
#include "ricbin_code.h"
#include "ricbin_questions.h"
#include "step_colours.h"
#include "step_rows.h"
#include "widgets.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace quimbra {

using namespace fonts;
using namespace colours;

// The stack at the left, the whole height; at the right the number, the
// sentence, the player, the code with the calls beside it and the variables.
const FormLayout &passoFattorialeLayout()
{
    static const FormLayout layout = [] {
        FormLayout l{
            "frmPassoFattoriale", "Passo passo: Fattoriale - prof. Orvalde", 12000, 7720, none,
            {
                {"picPila", -1, Kind::Canvas, nullptr, 120, 120, 3120, 7480, nullptr, mono975b, paleYellow,
                 darkRed, NoFlags, "Le chiamate in corso, una sopra l'altra: la pi\u00f9 esterna in basso"},
                {"lblTitNumero", -1, Kind::Label, nullptr, 3360, 195, 1200, 300, "Numero:", sans825b, none,
                 magenta, NoFlags, nullptr},
                {"txtNumero", -1, Kind::TextBox, nullptr, 4560, 120, 1095, 375, nullptr, mono12b, white, blue,
                 Centred, "Numero di cui calcolare il fattoriale (Invio per ricominciare)"},
                {"lblPasso", -1, Kind::Label, nullptr, 3360, 600, 8520, 780, nullptr, sans12b, none, magenta,
                 NoFlags, "Che cosa ha fatto l'ultimo passo"},
            }};
        const auto player = playerRows({{3360, 1500, 1350, 495}, {4830, 1500, 1350, 495},
                                        {6300, 1500, 1350, 495}, {7770, 1500, 1650, 495},
                                        {9540, 1440}, {9540, 1740, 2340, 495},
                                        {9540, 2220, 2340, 300}, {3360, 2400, 6000, 375},
                                        {9480, 2460, 2400, 300}, "nel calcolo", "il calcolo"});
        l.controls.insert(l.controls.end(), player.begin(), player.end());
        const auto code = codeRows({{4320, 2950}, {3360, 3420, 5000, 2500}, {3360, 6040},
                                    {3360, 6400, 5000, 1200}, "del fattoriale", "del fattoriale e i loro valori",
                                    {8480, 3025, 3400, 2895}});
        l.controls.insert(l.controls.end(), code.begin(), code.end());
        l.controls.push_back({"cmdFine", -1, Kind::Button, nullptr, 10530, 7105, 1350, 495, "Fine", sans825,
                              none, none, NoFlags, "Chiudi la finestra"});
        l.scrolls = true; // larger than a small screen at a large zoom
        return withQuestionStrip(std::move(l));
    }();
    return layout;
}

frmPassoFattoriale::frmPassoFattoriale(const QString &typed, QObject *owner)
    : StepView(passoFattorialeLayout(), owner), typed_(typed)
{
    QuestionPanel::Hooks asks;
    asks.make = [this] { return ricbin::FactorialQuestions(steps_); };
    asks.seed = [this] { return questions::SeedOf({long(steps_.events.empty() ? 0 : steps_.events.front().n)}); };
    questionPanel().setHooks(std::move(asks));
}

void frmPassoFattoriale::connectViewControls()
{
    txtNumero_ = need<QLineEdit>("txtNumero");
    controls().lblPasso->setWordWrap(true);
    onEnter(txtNumero_, [this] { txtNumero_Enter(); });
}

void frmPassoFattoriale::Form_Load()
{
    StepView::Form_Load();
    txtNumero_->setText(typed_);
    txtNumero_Enter();
}

void frmPassoFattoriale::txtNumero_Enter()
{
    steps_ = ricbin::RecordFactorial(txtNumero_->text().toStdString());
    startRecordedRun(stepper_, steps_.count());
    showState();
}

QString frmPassoFattoriale::stepSentence() const
{
    return QString::fromStdString(
        ricbin::FactorialSentence(steps_, stepper_.done() - 1, thousandsSeparator().toStdString()));
}

void frmPassoFattoriale::showState()
{
    const int step = stepper_.done() - 1;
    controls().lblPasso->setText(stepSentence());
    const ricbin::StepCode code = ricbin::FactorialCodeAt(steps_, step);
    showCode(steps_.tooLarge ? nullptr : &ricbin::factorialListing(), code.line);
    showVariables(ricbin::FactorialVariablesAt(steps_, step));
    showCalls(&steps_.calls, step, "Fattoriale");
    canvas()->update();
}

void frmPassoFattoriale::paintView(QPainter &painter, const QRect &area) const
{
    painter.fillRect(area, QColor(palette::paleYellow));
    if (steps_.tooLarge || steps_.events.empty())
        return;
    const long step = stepper_.done() - 1;
    const std::vector<CallRecord> calls = steps_.calls.shownAt(step);
    // A frame a call, the outermost at the bottom, with room for the deepest of the run.
    const QFont font = fontFor(mono975b);
    const int frames = std::max(1, steps_.calls.deepest());
    const int gap = 4;
    const int height = std::max(8, std::min(area.height() / frames - gap, 3 * QFontMetrics(font).height()));
    const std::string separator = thousandsSeparator().toStdString();
    painter.setFont(font);
    const int depth = steps_.calls.depthAt(step);
    for (const CallRecord &c : calls) {
        const bool returning = c.returned == step;
        // The innermost call under way is lit; once all return, the outermost.
        const bool lit = c.depth == depth || (depth == 0 && c.depth == 1);
        const QRect frame(area.left() + 8, area.bottom() - c.depth * (height + gap) + gap, area.width() - 16,
                          height);
        painter.setPen(QPen(lit ? stepColour::lit : QColor(palette::darkRed), lit ? 3 : 1));
        painter.setBrush(returning ? QColor(214, 238, 206) : lit ? QColor(255, 220, 255) : QColor(Qt::white));
        painter.drawRect(frame);
        // "Fattoriale(5)" on the left, its result on the right once it has one.
        painter.setPen(QColor(palette::darkRed));
        const QRect text = frame.adjusted(8, 0, -8, 0);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Fattoriale(%1)").arg(c.a));
        if (returning && c.hasResult)
            painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter,
                             QStringLiteral("= ") +
                                 QString::fromStdString(ricbin::GroupThousands(Long(c.result), separator)));
    }
}

} // namespace quimbra
