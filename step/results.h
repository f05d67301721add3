// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The result lines that students hand in, sealed with a check, and read back
// from whatever text a teacher pastes. Qt-free.
namespace quimbra::exercise {

// The check of a result line: five letters and digits computed from the whole
// line before it, so that a line changed by hand no longer matches. A seal
// against casual editing, not a proof: anyone can compute it.
std::string CheckOf(std::string_view line);
// The line with its check: "… · 89 % · controllo K7QM2".
std::string Sealed(const std::string &line);

// A result line as read from a pasted text.
struct ResultLine
{
    std::string student;   // the name written before it on its line, if any
    std::string text;      // the line itself, from "Esercizio" to its check
    int code = 0;
    std::string exercise;  // "Shell", "Ricerca binaria", "Visita anticipata" …
    int steps = 0;
    int errors = 0;
    int answered = -1;     // "soluzione mostrata dopo N passi"; -1: not given up
    int questionsRight = -1, questionsAsked = -1; // "4 domande su 5"; -1: none asked
    int percent = 0;
    std::string check;     // as written; empty when the line has none
    bool valid = false;
    std::string why;       // what makes it not valid, in Italian
};

struct PastedResults
{
    std::vector<ResultLine> lines; // in the order found, each line once
    int ignored = 0;               // lines of the text that hold no result line
    int repeated = 0;              // result lines met again
};

// Finds every result line in the text (e-mails, chats, spreadsheet columns:
// any line ends, any bytes) and judges each: its check, and whether it can be
// a result of that exercise, whose steps `stepsOf(code, exercise)` tells (-1
// for an exercise that does not exist). Reading is linear in the text.
PastedResults ReadResults(std::string_view text, const std::function<int(int, const std::string &)> &stepsOf);

} // namespace quimbra::exercise
