// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace quimbra {

class frm_Quimbra;

// What a page's link asks for: a step view, with its algorithm, values and
// number to search, or the exercise to start there, as the link gives them.
struct LinkRequest
{
    enum View { None, Sort, Search, Tree };
    View view = None;
    int algorithm = 0;               // a sort of the catalogue
    std::optional<QString> values;   // the text of the values, read by the view as if typed
    std::optional<QString> key;      // the number to search, as typed
    std::optional<QString> exercise; // an exercise's code, as typed into the view's box
    int exerciseKind = 0;            // on the tree: what the exercise practises
    QString error;                 // what the link gets wrong, in Italian; empty when nothing
};

LinkRequest readLinkRequest(const QString &query);

// Opens what the query asks for over the menu: the sorting window and its
// step view, the binary search's or the tree's, on the link's data or with
// the exercise of the link's code. The view says what is wrong with the
// values or the code as it says it of typed ones; what else is wrong is told
// in a message box, and nothing is opened.
void openFromLink(frm_Quimbra &menu, const QString &query);

} // namespace quimbra
