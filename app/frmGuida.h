// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <string>
#include <vector>

class QTextBrowser;

namespace quimbra {

class ListBox;

// The program's help, one page for each window: what the window shows, how
// to read its lines, its keys, and the step views, exercises and chart it
// leads to. F1 in any window opens it at that window's page. One help window
// for the whole program; it can be zoomed, read with the keyboard and copied.
class frmGuida final : public Form
{
    Q_OBJECT
public:
    // The one help window, made on first use and kept while the program runs.
    static frmGuida &instance();
    // Shows the help at the page of the window with this objectName (the
    // first page for a name it does not know).
    static void open(const QString &window);

    // The page shown, by the window's objectName.
    QString page() const;
    void showPage(const QString &window);
    void cmdFine_Click();

    struct Page
    {
        const char *window; // the objectName of the window it explains
        const char *title;
        std::string html;
    };
    static const std::vector<Page> &pages();

private:
    frmGuida();
    void connectControls() override;
    void unloaded() override;

    struct Controls
    {
        ListBox *lstPagine;
        QTextBrowser *txtGuida;
    };
    Controls ui_{};
    int page_ = 0;
};

// The layout of the help window.
const FormLayout &guidaLayout();

} // namespace quimbra
