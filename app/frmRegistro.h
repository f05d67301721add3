// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"
#include "results.h"

class QLabel;
class QPlainTextEdit;
class QTableWidget;

namespace quimbra {

// The class register: the teacher pastes whatever text holds the students'
// result lines (an e-mail thread, a chat, a spreadsheet's column) and "Leggi"
// turns every result line in it into a row, with the name written before it,
// judged by its check and by the exercise it claims. The rows sort by any
// column, copy as tab-separated text and save as a CSV file for Italian
// spreadsheets. One register for the whole program.
class frmRegistro final : public Form
{
    Q_OBJECT
public:
    static frmRegistro &instance();
    static void open();

    void cmdLeggi_Click();
    void cmdCopia_Click() const;
    void cmdSalva_Click();
    void cmdFine_Click();
    // The rows as shown (in their order), a line each, fields separated by
    // `separator`, with the header first; CSV quotes fields that need it.
    QString table(QChar separator, bool csv) const;
    // Writes the CSV: whole or not at all. The reason, in Italian, on failure.
    bool SalvaCsv(const QString &path, QString *error = nullptr) const;
    const exercise::PastedResults &read() const { return read_; }

private:
    frmRegistro();
    void connectControls() override;
    void unloaded() override;

    struct Controls
    {
        QPlainTextEdit *txtIncolla;
        QTableWidget *grdRegistro;
        QLabel *lblRiepilogo;
    };
    Controls ui_{};
    exercise::PastedResults read_;
};

const FormLayout &registroLayout();

} // namespace quimbra
