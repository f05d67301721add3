// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmRegistro.h"

#include "layout.h"
#include "results_of.h"
#include "widgets.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>

#include <map>
#include <set>

namespace quimbra {

using namespace fonts;
using namespace colours;

// The pasted text on top, "Leggi" and the summary, the table, and under it
// the copy, the saving and cmdFine.
const FormLayout &registroLayout()
{
    static const FormLayout layout{
        "frmRegistro", "Registro della classe - prof. Orvalde", 13200, 9015, none,
        {
            {"lblTitIncolla", -1, Kind::Label, nullptr, 120, 120, 12960, 300,
             "Incolla qui i risultati degli studenti (e-mail, chat, foglio di calcolo):", sans825b, none, magenta,
             NoFlags, nullptr},
            {"txtIncolla", -1, Kind::TextArea, nullptr, 120, 420, 12960, 2400, nullptr, mono975, white, blue,
             NoFlags, "Testo incollato con le righe dei risultati"},
            {"cmdLeggi", -1, Kind::Button, nullptr, 120, 2940, 1350, 495, "Leggi", sans975b, none, none, NoFlags,
             "Leggi le righe dei risultati nel testo incollato"},
            {"lblRiepilogo", -1, Kind::Label, nullptr, 1590, 2940, 11490, 780, nullptr, sans825b, none, darkRed,
             NoFlags, "Riepilogo: studenti, righe valide, media per esercizio"},
            {"grdRegistro", -1, Kind::Grid, nullptr, 120, 3840, 12960, 4440, nullptr, sans825, white, none,
             NoFlags, "I risultati letti, una riga per risultato"},
            {"cmdCopia", -1, Kind::Button, nullptr, 120, 8400, 1350, 495, "Copia", sans825, none, none, NoFlags,
             "Copia la tabella per un foglio di calcolo (Ctrl+C)"},
            {"cmdSalva", -1, Kind::Button, nullptr, 1590, 8400, 1350, 495, "Salva\u2026", sans825, none, none,
             NoFlags, "Salva la tabella come file CSV"},
            {"cmdFine", -1, Kind::Button, nullptr, 11730, 8400, 1350, 495, "Fine", sans825, none, none, NoFlags,
             "Chiudi il registro"},
        }};
    return layout;
}

namespace {

const QStringList headers{QStringLiteral("Studente"), QStringLiteral("Esercizio"), QStringLiteral("Algoritmo"),
                          QStringLiteral("Passi"),    QStringLiteral("Errori"),    QStringLiteral("Domande"),
                          QStringLiteral("%"),
                          QStringLiteral("Stato"),    QStringLiteral("Motivo")};

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// A number that sorts as a number.
QTableWidgetItem *cell(int n)
{
    auto *item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, n);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

QString quotedForCsv(QString field)
{
    if (!field.contains(QLatin1Char(';')) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n')))
        return field;
    field.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

} // namespace

frmRegistro &frmRegistro::instance()
{
    // Owned by the application, so that it goes with it.
    static frmRegistro *book = new frmRegistro;
    return *book;
}

void frmRegistro::open()
{
    instance().Show();
}

frmRegistro::frmRegistro() : Form(registroLayout(), qApp)
{
}

void frmRegistro::connectControls()
{
    ui_ = {find<QPlainTextEdit>("txtIncolla"), find<QTableWidget>("grdRegistro"), need<QLabel>("lblRiepilogo")};
    ui_.lblRiepilogo->setWordWrap(true);
    QTableWidget *grid = ui_.grdRegistro;
    grid->setColumnCount(int(headers.size()));
    grid->setHorizontalHeaderLabels(headers);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->setVisible(false);
    grid->setSortingEnabled(true);
    connect(need<QPushButton>("cmdLeggi"), &QPushButton::clicked, this, &frmRegistro::cmdLeggi_Click);
    connect(need<QPushButton>("cmdCopia"), &QPushButton::clicked, this, &frmRegistro::cmdCopia_Click);
    connect(need<QPushButton>("cmdSalva"), &QPushButton::clicked, this, &frmRegistro::cmdSalva_Click);
    connect(need<QPushButton>("cmdFine"), &QPushButton::clicked, this, &frmRegistro::cmdFine_Click);
    // Ctrl+C on the table copies it whole, for a spreadsheet.
    auto *copy = new QAction(QStringLiteral("Copia"), grid);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &frmRegistro::cmdCopia_Click);
    grid->addAction(copy);
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    if (!read_.lines.empty() || read_.ignored)
        cmdLeggi_Click();
}

void frmRegistro::unloaded()
{
    ui_ = {};
}

void frmRegistro::cmdLeggi_Click()
{
    if (!ui_.txtIncolla)
        return;
    read_ = ReadPastedResults(ui_.txtIncolla->toPlainText().toStdString());
    QTableWidget *grid = ui_.grdRegistro;
    grid->setSortingEnabled(false);
    grid->setRowCount(int(read_.lines.size()));
    std::set<std::string> students;
    std::map<std::pair<int, std::string>, std::pair<int, int>> means; // sum of percentages, rows
    for (int row = 0; row < int(read_.lines.size()); ++row) {
        const exercise::ResultLine &r = read_.lines[std::size_t(row)];
        const QString why = QString::fromStdString(r.why);
        grid->setItem(row, 0, cell(QString::fromStdString(r.student)));
        grid->setItem(row, 1, cell(r.code));
        grid->setItem(row, 2, cell(QString::fromStdString(r.exercise)));
        grid->setItem(row, 3, cell(r.steps));
        grid->setItem(row, 4, cell(r.errors));
        grid->setItem(row, 5, cell(r.questionsAsked < 0 ? QString()
                                                        : QStringLiteral("%1 su %2").arg(r.questionsRight)
                                                              .arg(r.questionsAsked)));
        grid->setItem(row, 6, cell(r.percent));
        grid->setItem(row, 7, cell(r.valid ? QStringLiteral("valido") : QStringLiteral("non valido")));
        grid->setItem(row, 8, cell(why));
        for (int column = 0; column < grid->columnCount(); ++column)
            grid->item(row, column)->setToolTip(QString::fromStdString(r.text));
        if (!r.student.empty())
            students.insert(r.student);
        if (r.valid) {
            auto &[sum, count] = means[{r.code, r.exercise}];
            sum += r.percent;
            ++count;
        }
    }
    grid->setSortingEnabled(true);
    grid->resizeColumnsToContents();

    const int valid = int(std::count_if(read_.lines.begin(), read_.lines.end(),
                                         [](const exercise::ResultLine &r) { return r.valid; }));
    QStringList parts;
    parts << (students.size() == 1 ? QStringLiteral("1 studente") : QStringLiteral("%1 studenti").arg(students.size()));
    parts << QStringLiteral("%1 righe valide su %2").arg(valid).arg(read_.lines.size());
    QStringList average;
    for (const auto &[exercise, total] : means)
        average << QStringLiteral("n. %1 (%2) %3 %")
                       .arg(exercise.first)
                       .arg(QString::fromStdString(exercise.second))
                       .arg((2 * total.first + total.second) / (2 * total.second));
    if (!average.isEmpty())
        parts << QStringLiteral("media: ") + average.join(QStringLiteral(", "));
    if (read_.ignored)
        parts << QStringLiteral("%1 righe ignorate").arg(read_.ignored);
    if (read_.repeated)
        parts << QStringLiteral("%1 ripetute contate una volta").arg(read_.repeated);
    ui_.lblRiepilogo->setText(parts.join(QStringLiteral(" \u00b7 ")));
}

QString frmRegistro::table(QChar separator, bool csv) const
{
    const QTableWidget *grid = ui_.grdRegistro;
    QStringList lines;
    const auto field = [&](const QString &text) { return csv ? quotedForCsv(text) : QString(text).replace(separator, QLatin1Char(' ')); };
    QStringList head;
    for (const QString &h : headers)
        head << field(h);
    lines << head.join(separator);
    for (int row = 0; grid && row < grid->rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < grid->columnCount(); ++column)
            fields << field(grid->item(row, column) ? grid->item(row, column)->text() : QString());
        lines << fields.join(separator);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void frmRegistro::cmdCopia_Click() const
{
    QGuiApplication::clipboard()->setText(table(QLatin1Char('\t'), false));
}

bool frmRegistro::SalvaCsv(const QString &path, QString *error) const
{
    // UTF-8 with its mark, so that a spreadsheet reads the accents right.
    const QByteArray text = "\xEF\xBB\xBF" + table(QLatin1Char(';'), true).toUtf8();
    return saveWhole(
        path, [&](QIODevice &file) { return file.write(text) == text.size(); },
        QStringLiteral("il file non si è potuto scrivere"), error);
}

void frmRegistro::cmdSalva_Click()
{
#ifdef Q_OS_WASM
    QFileDialog::saveFileContent("\xEF\xBB\xBF" + table(QLatin1Char(';'), true).toUtf8(), QStringLiteral("registro.csv"));
#else
    QFileDialog dialog(window(), QStringLiteral("Salva registro"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Tabelle CSV (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                          .absoluteFilePath(QStringLiteral("registro.csv")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    QString error;
    if (!SalvaCsv(path, &error))
        showMessage(QMessageBox::Warning,
                    QStringLiteral("Non è stato possibile salvare il registro in\n%1\n\n%2.")
                        .arg(QDir::toNativeSeparators(path), error),
                    window());
#endif
}

void frmRegistro::cmdFine_Click()
{
    Unload();
}

} // namespace quimbra
