// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace quimbra {

class frm_Quimbra;

// What a page's link asks for: a step view, with its algorithm, values and
// number to search, as the link gives them.
struct LinkRequest
{
    enum View { None, Sort, Search };
    View view = None;
    int algorithm = 0;             // a sort of the catalogue
    std::optional<QString> values; // the text of the values, read by the view as if typed
    std::optional<QString> key;    // the number to search, as typed
    QString error;                 // what the link gets wrong, in Italian; empty when nothing
};

LinkRequest readLinkRequest(const QString &query);

// Opens what the query asks for over the menu: the sorting window and its
// step view, or the binary search's, on the link's data. The view says what
// is wrong with the values as it says it of typed ones; what else is wrong is
// told in a message box, and nothing is opened.
void openFromLink(frm_Quimbra &menu, const QString &query);

} // namespace quimbra
