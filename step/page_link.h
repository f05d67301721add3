// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <map>
#include <span>
#include <utility>
#include <vector>

#include "types.h"

// A link to the page that opens a step view on given data, such as
// index.html?passo=sort&algoritmo=Merge&dati=7,3,9,1,4. The link is read at
// start-up and written by "Copia collegamento"; nothing of it leaves the page.
namespace quimbra::pagelink {

// The parameters' names and the views' values.
inline constexpr char View[] = "passo";
inline constexpr char Algorithm[] = "algoritmo";
inline constexpr char Values[] = "dati";
inline constexpr char Key[] = "chiave";
inline constexpr char Exercise[] = "esercizio"; // an exercise's code
inline constexpr char ExerciseKind[] = "tipo";  // what a tree's exercise practises
inline constexpr char SortView[] = "sort";
inline constexpr char SearchView[] = "ricbin";
inline constexpr char TreeView[] = "abr";

// The page's own address without its query, set when the program starts on
// the page; empty on the desktop, where there is no link to copy.
void setPageAddress(const QString &address);
QString pageAddress();

// The page's address with these parameters, each encoded where it must be.
QString link(const std::vector<std::pair<const char *, QString>> &parameters);
// Values as a link carries them: "7,3,9,1,4".
QString values(std::span<const Integer> values);

// The parameters of a query ("?a=1&b=2" or "a=1&b=2"), decoded, a '+' read
// as a blank as forms write it; of a parameter given twice, the first.
std::map<QString, QString> readQuery(const QString &query);

} // namespace quimbra::pagelink
