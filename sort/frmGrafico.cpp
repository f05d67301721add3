// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmGrafico.h"

#include "layout.h"
#include "step_action.h"
#include "widgets.h"

#include <QAccessible>
#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolTip>

#include <algorithm>

namespace quimbra {

using namespace fonts;
using namespace colours;

namespace {

constexpr int DefaultTrials = 5;

// The folder first proposed for a picture: the Pictures folder where it
// exists, the home folder otherwise.
QString defaultImageFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QDir(pictures).exists())
        return QDir(pictures).absolutePath();
    return QDir::homePath();
}

// Where the last picture was saved during this run of the program.
QString &lastImagePath()
{
    static QString path;
    return path;
}

} // namespace

// The choices in a row at the top, with "Tutti gli algoritmi" under the data,
// the chart under them, the progress, the table and picture commands and
// cmdFine at the bottom. The chart comes first in the tab order, so that the
// keys 1 to 4, or to 8 (a sort shown or hidden), and Ctrl+C work at once.
const FormLayout &graficoLayout()
{
    static const FormLayout layout{
        "frmGrafico", "Grafico della crescita - prof. Orvalde", 13800, 10110, none,
        {
            {"picGrafico", -1, Kind::Canvas, nullptr, 120, 1020, 13560, 7320, nullptr, sans825,
             paleYellow, none, NoFlags,
             "Grafico della crescita: mosse o confronti degli ordinamenti al crescere di n; "
             "i tasti da 1 a 4, o da 1 a 8 con tutti gli algoritmi, mostrano o nascondono un "
             "ordinamento"},
            {"lblTitMisura", -1, Kind::Label, nullptr, 120, 195, 900, 300, "Misura:", sans825b,
             none, magenta, NoFlags, nullptr},
            {"cboMisura", -1, Kind::ComboBox, nullptr, 1020, 120, 1500, 375, nullptr, sans825,
             none, none, NoFlags, "Che cosa si conta"},
            {"lblTitDati", -1, Kind::Label, nullptr, 2700, 195, 600, 300, "Dati:", sans825b, none,
             magenta, NoFlags, nullptr},
            {"cboDati", -1, Kind::ComboBox, nullptr, 3300, 120, 2100, 375, nullptr, sans825, none,
             none, NoFlags, "Dati da ordinare"},
            {"chkTutti", -1, Kind::CheckBox, nullptr, 3300, 555, 2100, 375, "Tutti gli algoritmi",
             sans825, none, none, NoFlags,
             "Tutti gli algoritmi: anche Selection, Inserimento, Merge e Heap"},
            {"lblTitMassimo", -1, Kind::Label, nullptr, 5580, 195, 1080, 300, "n fino a:",
             sans825b, none, magenta, NoFlags, nullptr},
            {"cboMassimo", -1, Kind::ComboBox, nullptr, 6660, 120, 1200, 375, nullptr, sans825,
             none, none, NoFlags, "Numero massimo di elementi"},
            {"lblTitProve", -1, Kind::Label, nullptr, 8040, 195, 750, 300, "Prove:", sans825b,
             none, magenta, NoFlags, nullptr},
            {"spnProve", -1, Kind::SpinBox, nullptr, 8790, 120, 900, 375, nullptr, sans825, none,
             none, NoFlags, "Numero di vettori casuali per ogni punto"},
            {"chkLogaritmica", -1, Kind::CheckBox, nullptr, 9900, 120, 1800, 375,
             "Scala logaritmica", sans825, none, none, NoFlags, "Scala logaritmica per i conteggi"},
            {"chkRiferimenti", -1, Kind::CheckBox, nullptr, 11760, 120, 1920, 375,
             "Curve di riferimento", sans825, none, none, NoFlags,
             "Curve di riferimento: n, n per logaritmo di n, n per n meno 1 mezzi"},
            // A prediction before the curves: its question, its answers.
            {"chkPrevisione", -1, Kind::CheckBox, nullptr, 120, 8490, 1260, 315, "Prevedi", sans825b, none,
             none, NoFlags, "Prevedi: una domanda prima di mostrare le curve"},
            {"lblDomanda", -1, Kind::Label, nullptr, 1440, 8430, 12240, 420, nullptr, sans825b, none, none,
             NoFlags, "Domanda"},
            {"cmdRisposta", 0, Kind::Button, nullptr, 1440, 8895, 1800, 435, nullptr, sans825, none, none,
             NoFlags, "Risposta 1"},
            {"cmdRisposta", 1, Kind::Button, nullptr, 3300, 8895, 1800, 435, nullptr, sans825, none, none,
             NoFlags, "Risposta 2"},
            {"cmdRisposta", 2, Kind::Button, nullptr, 5160, 8895, 1800, 435, nullptr, sans825, none, none,
             NoFlags, "Risposta 3"},
            {"cmdRisposta", 3, Kind::Button, nullptr, 7020, 8895, 1800, 435, nullptr, sans825, none, none,
             NoFlags, "Risposta 4"},
            {"txtRisposta", -1, Kind::TextBox, nullptr, 8940, 8925, 1560, 375, nullptr, sans975b, white, blue,
             Centred, "Risposta scritta (Invio per rispondere)"},
            {"cmdSalta", -1, Kind::Button, nullptr, 10560, 8895, 1095, 435, "Salta", sans825, none, none,
             NoFlags, "Salta la domanda (conta come non data)"},
            {"lblStato", -1, Kind::Label, nullptr, 120, 9615, 4500, 300, nullptr, sans825, none,
             none, NoFlags, "Stato del calcolo"},
            {"prgCalcolo", -1, Kind::ProgressBar, nullptr, 4680, 9600, 3000, 300, nullptr, sans825,
             none, none, NoFlags, "Avanzamento del calcolo"},
            {"cmdCopia", -1, Kind::Button, nullptr, 8400, 9495, 1500, 495, "Copia dati", sans825b,
             none, none, NoFlags, "Copia la tabella del grafico (Ctrl+C)"},
            {"cmdSalva", -1, Kind::Button, nullptr, 10020, 9495, 2100, 495, "Salva immagine\u2026",
             sans825b, none, none, NoFlags, "Salva il grafico come immagine PNG"},
            {"cmdFine", -1, Kind::Button, nullptr, 12330, 9495, 1350, 495, "Fine", sans825, none,
             none, NoFlags, "Chiudi la finestra"},
        }, true}; // scrolls: larger than a small screen at a large zoom
    return layout;
}

int frmGrafico::open_ = 0;

frmGrafico::frmGrafico(RandomSource &rnd, QObject *owner) : Form(graficoLayout(), owner), rnd_(rnd)
{
}

frmGrafico::~frmGrafico()
{
    runner_.reset();
}

Canvas *frmGrafico::canvas() const
{
    return ui_.picGrafico;
}

void frmGrafico::connectControls()
{
    ui_ = {need<Canvas>("picGrafico"),   need<QComboBox>("cboMisura"), need<QComboBox>("cboDati"),
           need<QCheckBox>("chkTutti"),   need<QComboBox>("cboMassimo"), need<QSpinBox>("spnProve"),
           need<QLabel>("lblStato"),      need<QProgressBar>("prgCalcolo")};
    QComboBox *measures = ui_.cboMisura;
    QComboBox *inputs = ui_.cboDati;
    QComboBox *maxima = ui_.cboMassimo;
    QSpinBox *trials = ui_.spnProve;
    measures->addItems({QStringLiteral("Mosse"), QStringLiteral("Confronti")});
    for (int d = 0; d < GrowthInputs; ++d)
        inputs->addItem(QString::fromUtf8(growthInputName(d)));
    for (int n : GrowthMaxima)
        maxima->addItem(QString::number(n), n);
    maxima->setCurrentIndex(int(GrowthMaxima.size()) - 1);
    trials->setRange(1, GrowthMostTrials);
    trials->setValue(DefaultTrials);
    // A number typed counts once it is complete (Enter, or the focus leaves).
    trials->setKeyboardTracking(false);
    need<QLabel>("lblTitMisura")->setBuddy(measures);
    need<QLabel>("lblTitDati")->setBuddy(inputs);
    need<QLabel>("lblTitMassimo")->setBuddy(maxima);
    need<QLabel>("lblTitProve")->setBuddy(trials);

    connect(need<QPushButton>("cmdFine"), &QPushButton::clicked, this, &frmGrafico::cmdFine_Click);
    connect(need<QPushButton>("cmdCopia"), &QPushButton::clicked, this, &frmGrafico::cmdCopia_Click);
    connect(need<QPushButton>("cmdSalva"), &QPushButton::clicked, this, &frmGrafico::cmdSalva_Click);
    connect(addWindowAction(window(), QStringLiteral("Copia dati"), QKeySequence::Copy,
                            QStringLiteral("actCopiaDati")),
            &QAction::triggered, this, &frmGrafico::cmdCopia_Click);
    // What is counted and how it is drawn changes the picture only; the
    // data and their number change the computation.
    connect(measures, &QComboBox::currentIndexChanged, this, [this](int index) {
        chart_.measure = index == 1 ? MeasureComparisons : MeasureMoves;
        canvas()->update();
    });
    connect(need<QCheckBox>("chkLogaritmica"), &QCheckBox::toggled, this, [this](bool on) {
        chart_.logarithmic = on;
        canvas()->update();
    });
    connect(need<QCheckBox>("chkRiferimenti"), &QCheckBox::toggled, this, [this](bool on) {
        chart_.references = on;
        canvas()->update();
    });
    connect(inputs, &QComboBox::currentIndexChanged, this, &frmGrafico::Calcola);
    connect(ui_.chkTutti, &QCheckBox::toggled, this, &frmGrafico::Calcola);
    connect(maxima, &QComboBox::currentIndexChanged, this, &frmGrafico::Calcola);
    connect(trials, &QSpinBox::valueChanged, this, &frmGrafico::Calcola);

    // What each control does, and its key.
    static const std::pair<const char *, const char *> toolTips[] = {
        {"picGrafico", "Tasti da 1 a 4 (da 1 a 8 con tutti gli algoritmi): mostra o nasconde un "
                       "ordinamento \u00b7 Ctrl+C: copia i dati \u00b7 il mouse fermo su un punto ne "
                       "dice il valore"},
        {"cboMisura", "Mosse o confronti (frecce su e gi\u00f9 quando \u00e8 scelta)"},
        {"cboDati", "I dati da ordinare (frecce su e gi\u00f9 quando \u00e8 scelta)"},
        {"chkTutti", "Anche Selection, Inserimento, Merge e Heap, otto curve in tutto (Spazio quando "
                     "\u00e8 scelta)"},
        {"cboMassimo", "Fino a quale n (frecce su e gi\u00f9 quando \u00e8 scelta)"},
        {"spnProve", "Quanti vettori casuali per ogni n (frecce su e gi\u00f9, o scrivi e premi Invio)"},
        {"chkLogaritmica", "Scala logaritmica per i conteggi (Spazio quando \u00e8 scelta)"},
        {"chkRiferimenti", "Le curve n, n log n e n(n - 1)/2 (Spazio quando \u00e8 scelta)"},
        {"chkPrevisione", "Prima di mostrare le curve chiede una previsione (Spazio quando \u00e8 scelta)"},
        {"txtRisposta", "La previsione, un numero intero (Invio per rispondere)"},
        {"cmdSalta", "Salta la previsione: conta come non data"},
        {"cmdCopia", "Copia la tabella del grafico (Ctrl+C)"},
        {"cmdSalva", "Salva il grafico come immagine PNG"},
        {"cmdFine", "Chiudi la finestra (Alt+F4)"},
    };
    for (const auto &[name, tip] : toolTips)
        if (QWidget *control = find<QWidget>(name))
            control->setToolTip(QString::fromUtf8(tip));

    Canvas *picture = canvas();
    picture->setPaint([this](QPainter &painter, const QRect &area) { chart_.paint(painter, area); });
    picture->installEventFilter(this);
    ui_.prgCalcolo->setTextVisible(false);

    predict_ = {need<QCheckBox>("chkPrevisione"), need<QLabel>("lblDomanda"),
                {need<QPushButton>("cmdRisposta", 0), need<QPushButton>("cmdRisposta", 1),
                 need<QPushButton>("cmdRisposta", 2), need<QPushButton>("cmdRisposta", 3)},
                need<QLineEdit>("txtRisposta"), need<QPushButton>("cmdSalta"), need<QPushButton>("cmdCopia")};
    predict_.lblDomanda->setWordWrap(true);
    predict_.lblDomanda->setTextFormat(Qt::PlainText);
    predict_.txtRisposta->setMaxLength(12);
    predict_.txtRisposta->installEventFilter(this);
    for (int i = 0; i < 4; ++i) {
        QPushButton *button = predict_.cmdRisposta[std::size_t(i)];
        button->setToolTip(QStringLiteral("Risposta %1").arg(i + 1));
        connect(button, &QPushButton::clicked, this, [this, i] { Rispondi(i); });
    }
    connect(predict_.chkPrevisione, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            Prevedi();
        else
            Svela();
    });
    connect(predict_.cmdSalta, &QPushButton::clicked, this, &frmGrafico::Salta);
    connect(this, &frmGrafico::computed, this, [this] {
        if (guessed_)
            Giudica();
    });
    Svela();
}

void frmGrafico::Prevedi()
{
    if (!runner_)
        return;
    const GrowthRun &run = runner_->run();
    question_ = AskGrowth(run.input(), run.algorithms(), run.maximum(), chart_.measure, ++asked_ * 7919u + unsigned(run.input()));
    guessed_.reset();
    chart_.veiled = true;
    chart_.guess.reset();
    predict_.lblDomanda->setStyleSheet({});
    predict_.lblDomanda->setText(QString::fromStdString(question_.ask.text));
    const std::vector<std::string> &choices = question_.ask.choices;
    for (std::size_t i = 0; i < predict_.cmdRisposta.size(); ++i) {
        QPushButton *button = predict_.cmdRisposta[i];
        button->setVisible(i < choices.size());
        button->setEnabled(i < choices.size());
        button->setText(i < choices.size() ? QString::fromStdString(choices[i]) : QString());
    }
    predict_.txtRisposta->setEnabled(choices.empty());
    predict_.txtRisposta->clear();
    predict_.cmdSalta->setEnabled(true);
    predict_.cmdCopia->setEnabled(false);
    (choices.empty() ? static_cast<QWidget *>(predict_.txtRisposta) : predict_.cmdRisposta[0])
        ->setFocus(Qt::OtherFocusReason);
    QAccessibleEvent announce(predict_.lblDomanda, QAccessible::Alert);
    QAccessible::updateAccessibility(&announce);
    canvas()->update();
}

void frmGrafico::Rispondi(long value)
{
    if (!chart_.veiled || guessed_)
        return;
    guessed_ = value;
    if (question_.kind == GrowthQuestion::Count)
        chart_.guess = std::pair<int, double>(question_.n, double(value));
    for (QPushButton *button : predict_.cmdRisposta)
        button->setEnabled(false);
    predict_.txtRisposta->setEnabled(false);
    predict_.cmdSalta->setEnabled(false);
    if (runner_ && runner_->isFinished())
        Giudica();
    else
        predict_.lblDomanda->setText(QStringLiteral("Previsione presa: la curva compare a calcolo finito\u2026"));
}

void frmGrafico::Giudica()
{
    if (!runner_ || !guessed_ || !AnswerGrowth(question_, runner_->run(), thousandsSeparator().toStdString()))
        return;
    const questions::Question &q = question_.ask;
    const bool right = q.choices.empty() ? questions::Within(*guessed_, q.answer, q.tolerance) : *guessed_ == q.answer;
    ++predictions_;
    rightPredictions_ += right;
    guessed_.reset();
    chart_.veiled = false;
    predict_.cmdCopia->setEnabled(true);
    predict_.lblDomanda->setStyleSheet(right ? QStringLiteral("QLabel { color: #008000; }")
                                             : QStringLiteral("QLabel { color: #c00000; }"));
    predict_.lblDomanda->setText(QStringLiteral("%1 %2 \u00b7 %3")
                                     .arg(right ? QStringLiteral("Giusto!") : QStringLiteral("No."),
                                          QString::fromStdString(q.why), predictionScore()));
    QAccessibleEvent announce(predict_.lblDomanda, QAccessible::Alert);
    QAccessible::updateAccessibility(&announce);
    canvas()->update();
}

void frmGrafico::Salta()
{
    if (!chart_.veiled || guessed_)
        return;
    ++predictions_;
    Svela();
    predict_.lblDomanda->setText(QStringLiteral("Saltata \u00b7 %1").arg(predictionScore()));
}

// The curves shown, nothing asked.
void frmGrafico::Svela()
{
    guessed_.reset();
    chart_.veiled = false;
    for (QPushButton *button : predict_.cmdRisposta) {
        button->setEnabled(false);
        button->setVisible(button == predict_.cmdRisposta[0] || button == predict_.cmdRisposta[1]);
    }
    predict_.txtRisposta->setEnabled(false);
    predict_.cmdSalta->setEnabled(false);
    predict_.cmdCopia->setEnabled(true);
    predict_.lblDomanda->setStyleSheet({});
    predict_.lblDomanda->setText(predict_.chkPrevisione->isChecked()
                                     ? QString()
                                     : QStringLiteral("Con \"Prevedi\" il grafico chiede una previsione prima di "
                                                      "mostrare le curve"));
    if (Canvas *picture = canvas())
        picture->update();
}

QString frmGrafico::predictionScore() const
{
    return QStringLiteral("%1 %2 su %3")
        .arg(rightPredictions_)
        .arg(rightPredictions_ == 1 ? QStringLiteral("previsione giusta") : QStringLiteral("previsioni giuste"))
        .arg(predictions_);
}

void frmGrafico::Form_Load()
{
    cascade_.take(window());
    Calcola();
}

void frmGrafico::unloaded()
{
    runner_.reset();
    ui_ = {};
    predict_ = {};
    cascade_.leave();
    deleteLater();
}

void frmGrafico::Calcola()
{
    if (!isLoaded())
        return;
    // The run under way stops here; none of its points is shown again.
    runner_.reset();
    const int input = ui_.cboDati->currentIndex();
    const int maximum = ui_.cboMassimo->currentData().toInt();
    QSpinBox *trials = ui_.spnProve;
    trials->setEnabled(shapeDraws(input));
    const int algorithms = ui_.chkTutti->isChecked() ? SortAlgorithms : WindowSorts;
    auto run = std::make_shared<GrowthRun>(input, maximum, trials->value(), rnd_, algorithms);
    QProgressBar *progress = ui_.prgCalcolo;
    progress->setRange(0, run->taskCount());
    progress->setValue(0);
    progress->show();
    runner_ = std::make_unique<GrowthRunner>(run, mode_);
    connect(runner_.get(), &GrowthRunner::progressed, this, &frmGrafico::Mostra);
    connect(runner_.get(), &GrowthRunner::finished, this, &frmGrafico::computed);
    // A new computation, a new prediction; one waiting for its answer is dropped.
    if (predict_.chkPrevisione && predict_.chkPrevisione->isChecked())
        Prevedi();
    else
        chart_.guess.reset();
    Mostra();
    runner_->start();
}

void frmGrafico::Mostra()
{
    if (!runner_ || !isLoaded())
        return;
    const GrowthRun &run = runner_->run();
    // The chart is drawn again only when it has new points.
    const bool fresh = chart_.data.sizes.size() != std::size_t(run.readyPoints()) ||
                       chart_.data.maximum != run.maximum() || chart_.data.input != run.input() ||
                       chart_.data.algorithms != run.algorithms() ||
                       chart_.data.trials != run.trials() || run.readyPoints() == 0;
    if (fresh)
        chart_.data = GrowthData::from(run);
    const QLocale locale = GrowthChart::locale();
    if (runner_->isFinished()) {
        ui_.prgCalcolo->hide();
        ui_.lblStato->setText(
            QStringLiteral("%1 valori di n, calcolati in %2 s")
                .arg(run.sizes().size())
                .arg(locale.toString(double(runner_->elapsedMs()) / 1000, 'f', 2)));
    } else {
        ui_.prgCalcolo->setValue(run.tasksDone());
        ui_.lblStato->setText(QStringLiteral("Calcolo in corso: %1 valori di n su %2")
                                       .arg(chart_.data.sizes.size())
                                       .arg(run.sizes().size()));
    }
    if (fresh)
        canvas()->update();
}

void frmGrafico::toggle(int algorithm)
{
    if (algorithm < 0 || algorithm >= chart_.data.algorithms)
        return;
    chart_.hidden[std::size_t(algorithm)] = !chart_.hidden[std::size_t(algorithm)];
    canvas()->update();
}

bool frmGrafico::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the answer's box answers, and goes no further.
    if (watched == predict_.txtRisposta && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            bool number = false;
            const long value = predict_.txtRisposta->text().trimmed().toLong(&number);
            if (number)
                Rispondi(value);
            return true;
        }
        return false;
    }
    if (watched != canvas())
        return Form::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ToolTip: {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString text = chart_.pointAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, canvas());
        return true;
    }
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            toggle(chart_.legendAt(mouse->position()));
        return false;
    }
    case QEvent::KeyPress: {
        // 1 to 4, or to 8 with all the sorts, show or hide a sort, as a
        // click on its legend entry does.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier && key->key() >= Qt::Key_1 &&
            key->key() < Qt::Key_1 + chart_.data.algorithms) {
            toggle(key->key() - Qt::Key_1);
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

void frmGrafico::cmdFine_Click()
{
    Unload();
}

void frmGrafico::cmdCopia_Click()
{
    if (chart_.veiled)
        return; // the table would tell the prediction's answer
    QGuiApplication::clipboard()->setText(chart_.table());
    if (!isLoaded())
        return;
    ui_.lblStato->setText(QStringLiteral("Tabella copiata: %1 valori di n").arg(chart_.data.sizes.size()));
}

QImage frmGrafico::image() const
{
    Canvas *picture = canvas();
    if (!picture)
        return {};
    const qreal ratio = picture->devicePixelRatioF();
    QImage image(picture->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(picture->palette().color(QPalette::Window));
    QPainter painter(&image);
    chart_.paint(painter, picture->area());
    return image;
}

bool frmGrafico::SalvaImmagine(const QString &path, QString *error) const
{
    return saveWhole(
        path,
        [this](QIODevice &file) {
            const QImage picture = image();
            return !picture.isNull() && picture.save(&file, "PNG");
        },
        QStringLiteral("l'immagine non si è potuta scrivere"), error);
}

void frmGrafico::cmdSalva_Click()
{
#ifdef Q_OS_WASM
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image().save(&buffer, "PNG");
    QFileDialog::saveFileContent(png, QStringLiteral("grafico.png"));
#else
    QString path = lastImagePath();
    if (path.isEmpty())
        path = QDir(defaultImageFolder()).absoluteFilePath(QStringLiteral("grafico.png"));
    QFileDialog dialog(window(), QStringLiteral("Salva immagine"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Immagini PNG (*.png)"));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(path);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    path = dialog.selectedFiles().first();
    QString error;
    if (SalvaImmagine(path, &error)) {
        lastImagePath() = path;
        return;
    }
    showMessage(QMessageBox::Warning,
                QStringLiteral("Non è stato possibile salvare l'immagine in\n%1\n\n%2.")
                    .arg(QDir::toNativeSeparators(path), error),
                window());
#endif
}

} // namespace quimbra
