// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_view.h"

#include "numbers.h"

#include "layout.h"
#include "step_colours.h"
#include "widgets.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QPainter>
#include <QCheckBox>
#include <QComboBox>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quimbra {

int StepView::open_ = 0;

namespace {

// What each control of a step view does, and the key that does it.
constexpr std::pair<const char *, const char *> toolTips[] = {
    {"picBarre", "Spazio: un passo \u00b7 Invio: avvia o ferma \u00b7 Freccia sinistra: indietro \u00b7 "
                 "in un esercizio le frecce scelgono la barra, Spazio la prende"},
    {"picVettore", "Spazio: un passo \u00b7 Invio: avvia o ferma \u00b7 Freccia sinistra: indietro \u00b7 "
                   "frecce su e gi\u00f9, Pag su e Pag gi\u00f9: scorre il vettore"},
    {"picAlbero", "Spazio: un passo \u00b7 Invio: avvia o ferma \u00b7 Freccia sinistra: indietro \u00b7 "
                  "in un esercizio le frecce scelgono il nodo, Spazio lo prende"},
    {"cmdIndietro", "Torna indietro di un passo (Freccia sinistra o Backspace)"},
    {"cmdPasso", "Esegui un passo (Spazio)"},
    {"cmdAvvia", "Avvia o metti in pausa l'animazione (Invio)"},
    {"cmdTutto", "Esegui tutti i passi fino alla fine (Tab fino al pulsante, poi Spazio)"},
    {"sldVelocita", "Velocit\u00e0 dell'animazione (frecce sinistra e destra quando \u00e8 scelto)"},
    {"sldPosizione", "Vai a un passo: trascina, o frecce, Pag su e Pag gi\u00f9 quando \u00e8 scelto"},
    {"cboCodice", "Pseudocodice o C++ (frecce su e gi\u00f9 quando \u00e8 scelto)"},
    {"lstCodice", "Il codice: la riga evidenziata ha fatto l'ultimo passo (Ctrl+C copia)"},
    {"lstVariabili", "Le variabili dopo l'ultimo passo; in grassetto quelle cambiate (Ctrl+C copia)"},
    {"lstPassi", "Le righe scritte finora (Ctrl+C copia)"},
    {"lstChiamate", "Le chiamate in corso, la pi\u00f9 esterna per prima; evidenziata quella in cui si \u00e8 (Ctrl+C copia)"},
    {"cmdFine", "Chiudi la finestra (Alt+F4)"},
    {"cmdEsercizio", "Un esercizio su dati nuovi: fai tu i passi dell'algoritmo"},
    {"txtCodice", "Il codice dato dall'insegnante: scrivilo e premi Invio"},
    {"cboEsercizio", "Che cosa si esercita sull'albero (frecce su e gi\u00f9 quando \u00e8 scelto)"},
    {"cmdNonCe", "Rispondi che la chiave non c'\u00e8"},
    {"cmdSoluzione", "Mostra la soluzione e termina l'esercizio"},
    {"cmdRegistro", "Il registro della classe: incolla i risultati consegnati (Ctrl+R)"},
    {"lblPunteggio", "Il risultato dell'esercizio (Ctrl+C lo copia)"},
    {"cboAlgoritmo", "L'algoritmo di ordinamento (frecce su e gi\u00f9 quando \u00e8 scelto)"},
    {"cboDati", "I dati da ordinare (frecce su e gi\u00f9 quando \u00e8 scelto)"},
    {"cmdNuoviDati", "Nuovi valori casuali, gli stessi per ogni algoritmo scelto dopo"},
    {"txtDati", "I valori da usare, separati da spazi, virgole, punti e virgola o a capo (Invio: usali)"},
    {"cmdUsaDati", "Usa i valori scritti (Invio nella casella)"},
    {"cmdCopiaDati", "Copia su una riga i valori in uso, da incollare altrove"},
    {"cmdCopiaLink", "Copia il collegamento alla pagina che apre questa vista su questi valori"},
    {"txtX", "Il numero da cercare: la ricerca riparte a ogni cifra"},
    {"txtChiave", "La chiave da cercare, inserire o eliminare (Invio: cerca e avvia)"},
    {"cmdInserisci", "Inserisci la chiave scritta: si scende dalla radice fino a un posto libero"},
    {"cmdElimina", "Elimina la chiave scritta: foglia, un figlio o due figli"},
    {"cmdCostruisci", "Costruisci l'albero bilanciato delle stesse chiavi, come fa la finestra"},
    {"cboAlbero", "Quale albero: quello della finestra, le chiavi scritte o vuoto (frecce su e gi\u00f9 quando \u00e8 scelto)"},
    {"lstNodi", "La tabella dei nodi come il programma la tiene; selezionato il nodo del passo (Ctrl+C copia)"},
    {"cmdRicerca", "Cerca la chiave, un passo alla volta"},
    {"cmdV", "La visita dell'albero, un nodo alla volta"},
};

// Writes the rows of lstVariabili that the last step changed in bold, lit.
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
            option->palette.setColor(QPalette::Text, stepColour::lit);
            option->font.setBold(true);
        }
    }
};

} // namespace

StepView::StepView(const FormLayout &layout, QObject *owner)
    : Form(layout, owner), player_(this), exercise_(new ExercisePanel(*this)),
      questions_(new QuestionPanel(*this))
{
    connect(exercise_, &ExercisePanel::startRequested, this, [this](int code) { startExercise(code); });
    connect(exercise_, &ExercisePanel::answered, this, &StepView::showAnswer);
    connect(&player_, &StepPlayer::changed, this, [this] {
        if (isLoaded())
            showState();
    });
}

StepView::~StepView() = default;

void StepView::cmdFine_Click()
{
    Unload();
}

void StepView::connectControls()
{
    // The one canvas of the layout, whatever the view calls it.
    auto *picture = window()->findChild<Canvas *>();
    if (!picture)
        qFatal("Quimbra: the step view %s has no canvas", qPrintable(window()->objectName()));
    controls_ = {picture, need<QLabel>("lblPasso"), need<QComboBox>("cboCodice"),
                 need<ListBox>("lstCodice"), need<ListBox>("lstVariabili"), find<ListBox>("lstPassi")};
    auto *fine = need<QPushButton>("cmdFine");
    connect(fine, &QPushButton::clicked, this, &StepView::cmdFine_Click);

    StepPlayer::Controls player;
    player.step = need<QPushButton>("cmdPasso");
    player.run = need<QPushButton>("cmdAvvia");
    player.toEnd = need<QPushButton>("cmdTutto");
    player.speed = need<QAbstractSlider>("sldVelocita");
    player.speedText = need<QLabel>("lblVelocita");
    player.view = picture;
    player.back = need<QPushButton>("cmdIndietro");
    player.position = need<QAbstractSlider>("sldPosizione");
    player.positionText = need<QLabel>("lblPosizione");
    player_.attach(player);
    player_.handleKeysOf(window());

    QComboBox *language = controls_.cboCodice;
    language->addItems({QStringLiteral("Pseudocodice"), QStringLiteral("C++")});
    connect(language, &QComboBox::currentIndexChanged, this, [this] { showCodeRows(); });
    // The lit row is the current one, in the lit colour whether the list has
    // the focus or not.
    ListBox *code = controls_.lstCodice;
    QPalette colours = code->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Highlight, stepColour::lit);
        colours.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    code->setPalette(colours);
    // A long line is scrolled to, not cut: the list measures every row (a
    // listing is a few dozen rows), not only the first.
    code->setUniformItemSizes(false);
    code->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    controls_.lstVariabili->setItemDelegate(new ChangedRows(controls_.lstVariabili));
    // The innermost call is lit as the code's row is.
    if ((lstChiamate_ = find<ListBox>("lstChiamate"))) {
        lstChiamate_->setPalette(colours);
        lstChiamate_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    lblProfondita_ = find<QLabel>("lblProfondita");
    // Each panel is announced with the label in front of it.
    need<QLabel>("lblTitCodice")->setBuddy(language);
    need<QLabel>("lblTitVariabili")->setBuddy(controls_.lstVariabili);

    // Space is Passo whatever was clicked last: buttons and choices take the
    // focus by Tab only, and the lists leave Space to the player.
    for (QWidget *control : window()->findChildren<QWidget *>()) {
        const bool clickable = qobject_cast<QAbstractButton *>(control) || qobject_cast<QComboBox *>(control);
        if (clickable && control->focusPolicy() == Qt::StrongFocus)
            control->setFocusPolicy(Qt::TabFocus);
        if (qobject_cast<ListBox *>(control))
            player_.takeSpaceFrom(control);
        for (const auto &[name, tip] : toolTips)
            if (control->objectName() == QLatin1String(name))
                control->setToolTip(QString::fromUtf8(tip));
    }

    picture->setPaint([this](QPainter &painter, const QRect &area) {
        paintView(painter, area);
        exercise_->paint(painter, area);
    });
    connectViewControls();
    // While the run plays by itself its labels are rewritten at every frame,
    // and a selectable label lays each new text out as a whole document (in
    // the page the largest part of a frame's work). They are plain while it
    // plays, and selectable again, for copying a part, once it stops.
    for (QLabel *label : window()->findChildren<QLabel *>())
        if (label->textInteractionFlags() & Qt::TextSelectableByMouse)
            plainWhileRunning_.append(label);
    connect(&player_, &StepPlayer::runningChanged, this, [this](bool running) {
        for (QLabel *label : plainWhileRunning_)
            label->setTextInteractionFlags(running ? Qt::NoTextInteraction : Qt::TextSelectableByMouse);
    });
    if (auto *book = find<QPushButton>("cmdRegistro"))
        connect(book, &QPushButton::clicked, this, [] { Form::openRegister(); });
    // After the view's own controls: the panel sees the canvas's keys first.
    // A view with nothing to practise has no strip.
    if (find<QPushButton>("cmdEsercizio"))
        exercise_->attach({need<QPushButton>("cmdEsercizio"), need<QLabel>("lblEsercizio"),
                           need<QLineEdit>("txtCodice"), need<QLabel>("lblAvviso"),
                           find<QPushButton>("cmdNonCe"), need<QPushButton>("cmdSoluzione"),
                           need<QLabel>("lblPunteggio"), fine, picture});
    if (find<QCheckBox>("chkDomande")) {
        questions_->attach({need<QCheckBox>("chkDomande"),
                            {need<QPushButton>("cmdRisposta", 0), need<QPushButton>("cmdRisposta", 1),
                             need<QPushButton>("cmdRisposta", 2), need<QPushButton>("cmdRisposta", 3)},
                            need<QLabel>("lblDomanda"), need<QLineEdit>("txtRisposta"), need<QPushButton>("cmdSalta")});
        // The score shows the questions too, in the exercise's line or alone.
        connect(questions_, &QuestionPanel::scored, this, [this] {
            const questions::Quiz &quiz = questions_->quiz();
            exercise_->setQuestions(quiz.right(), quiz.asked(), QString::fromStdString(quiz.score()));
        });
    }
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
    ListBox *steps = controls_.lstPassi;
    steps->setLines({lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(count)});
    steps->scrollToBottom();
    linesShown_ = count;
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
    if (!isLoaded())
        return;
    ListBox *code = controls_.lstCodice;
    const int shown = controls_.cboCodice->currentIndex() == 1 ? 1 : 0;
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

void StepView::showVariables(const Variables &now)
{
    ListBox *variables = controls_.lstVariabili;
    if (auto *rows = static_cast<ChangedRows *>(variables->itemDelegate()); rows->changed != now.changed) {
        rows->changed = now.changed;
        variables->viewport()->update();
    }
    if (now.lines != variables_.lines) {
        variables->updateLines(now.lines);
        variables_.lines = now.lines;
    }
}

void StepView::showCalls(const CallTrace *calls, long step, std::string_view routine)
{
    if (!lstChiamate_)
        return;
    std::vector<std::string> lines;
    int lit = -1;
    if (!calls || calls->empty()) {
        // An iterative routine says so; nothing played yet shows nothing.
        if (!calls)
            lines.emplace_back("nessuna chiamata ricorsiva");
        if (lblProfondita_)
            lblProfondita_->clear();
    } else {
        const std::vector<CallLine> shown = calls->linesAt(step, routine, thousandsSeparator().toStdString());
        for (std::size_t n = 0; n < shown.size(); ++n) {
            // Indented by depth, up to a point: QuickSort on sorted data goes a thousand deep.
            lines.push_back(std::string(std::size_t(2 * std::min(shown[n].depth - 1, 8)), ' ') + shown[n].text);
            if (!shown[n].returning || lit < 0 || shown[std::size_t(lit)].returning)
                lit = int(n);
        }
        if (lblProfondita_)
            lblProfondita_->setText(QString::fromStdString(calls->depthSentence(step)));
    }
    if (lines != callLines_) {
        lstChiamate_->updateLines(lines);
        callLines_ = std::move(lines);
    }
    if (lit >= 0) {
        const QModelIndex index = lstChiamate_->model()->index(lit, 0);
        lstChiamate_->setCurrentIndex(index);
        lstChiamate_->scrollTo(index);
    } else {
        lstChiamate_->setCurrentIndex(QModelIndex());
    }
}

void StepView::showAnswer(exercise::Verdict verdict, const exercise::Expected *step, int played)
{
    QString sentence;
    if (verdict == exercise::Verdict::Pending || !step) {
        sentence = QStringLiteral("Giusto: ora l'altro elemento della mossa");
    } else {
        // After a right answer the sentence says what the steps that played
        // by themselves did; at the end, what the last step did.
        const bool right = verdict == exercise::Verdict::Right;
        const QString then = stepSentence();
        sentence = (right ? QStringLiteral("Giusto: ") : QStringLiteral("No: ")) +
                   QString::fromStdString(step->explanation);
        if (right && played > 1 && !then.isEmpty())
            sentence += QStringLiteral(" \u2014 poi ") + then;
        else if (exercise_->exercise().finished() && !then.isEmpty())
            sentence += QStringLiteral(" \u2014 ") + then;
    }
    // The label's accessible name is its text: a screen reader is told that
    // it changed, so that it reads the judgement out.
    controls_.lblPasso->setText(sentence);
    QAccessibleEvent changed(controls_.lblPasso, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void StepView::unloaded()
{
    // The window's controls are going: nothing may update them any more.
    player_.blockSignals(true);
    player_.pause();
    player_.setStepper(nullptr);
    controls_ = {};
    cascade_.leave();
    deleteLater();
}

} // namespace quimbra
