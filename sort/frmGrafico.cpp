// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmGrafico.h"

#include "layout.h"
#include "step_action.h"
#include "widgets.h"

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
        "frmGrafico", "Grafico della crescita - prof. Orvalde", 13800, 9075, none,
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
            {"lblStato", -1, Kind::Label, nullptr, 120, 8580, 4500, 300, nullptr, sans825, none,
             none, NoFlags, "Stato del calcolo"},
            {"prgCalcolo", -1, Kind::ProgressBar, nullptr, 4680, 8565, 3000, 300, nullptr, sans825,
             none, none, NoFlags, "Avanzamento del calcolo"},
            {"cmdCopia", -1, Kind::Button, nullptr, 8400, 8460, 1500, 495, "Copia dati", sans825b,
             none, none, NoFlags, "Copia la tabella del grafico (Ctrl+C)"},
            {"cmdSalva", -1, Kind::Button, nullptr, 10020, 8460, 2100, 495, "Salva immagine\u2026",
             sans825b, none, none, NoFlags, "Salva il grafico come immagine PNG"},
            {"cmdFine", -1, Kind::Button, nullptr, 12330, 8460, 1350, 495, "Fine", sans825, none,
             none, NoFlags, "Chiudi la finestra"},
        }};
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
