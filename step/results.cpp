// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results.h"

#include <cstdint>
#include <set>

namespace quimbra::exercise {

namespace {

// No 0 and O, no 1 and I: a check copied by eye stays right.
constexpr char Symbols[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
const std::string Separator = " \u00b7 ";
const std::string CheckWord = "controllo ";

} // namespace

std::string CheckOf(std::string_view line)
{
    // FNV-1a over the line's bytes, after a word of this program's own.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : std::string_view("Quimbra:")) 
        hash = (hash ^ std::uint8_t(c)) * 1099511628211ull;
    for (const char c : line)
        hash = (hash ^ std::uint8_t(c)) * 1099511628211ull;
    hash ^= hash >> 29;
    std::string check;
    for (int i = 0; i < 5; ++i, hash >>= 5)
        check += Symbols[hash & 31];
    return check;
}

std::string Sealed(const std::string &line)
{
    return line + Separator + CheckWord + CheckOf(line);
}

namespace {

// A whole number at the front of s, taken off it; -1 if none.
int number(std::string_view &s)
{
    int n = 0, digits = 0;
    while (!s.empty() && s.front() >= '0' && s.front() <= '9' && digits < 9) {
        n = 10 * n + (s.front() - '0');
        s.remove_prefix(1);
        ++digits;
    }
    return digits ? n : -1;
}

bool take(std::string_view &s, std::string_view word)
{
    if (!s.starts_with(word))
        return false;
    s.remove_prefix(word.size());
    return true;
}

// "18 passi", "1 passo": the count, or -1.
int counted(std::string_view &s, std::string_view one, std::string_view many)
{
    const int n = number(s);
    if (n < 0 || !take(s, " ") || !(take(s, many) || take(s, one)))
        return -1;
    return n;
}

// As the exercise computes it, in 64 bits: a pasted line may claim any count.
long long percentOf(long long steps, long long answered, long long errors)
{
    if (steps == 0)
        return 100;
    return (200 * (answered - errors) + steps) / (2 * steps);
}

// Reads one result line from "Esercizio n." on; false if it is none.
bool readLine(std::string_view s, ResultLine &r)
{
    const std::string_view whole = s;
    if (!take(s, "Esercizio n. "))
        return false;
    r.code = number(s);
    if (r.code < 0 || !take(s, Separator))
        return false;
    const std::size_t end = s.find(Separator);
    if (end == std::string_view::npos || end == 0)
        return false;
    r.exercise = std::string(s.substr(0, end));
    s.remove_prefix(end + Separator.size());
    if ((r.steps = counted(s, "passo", "passi")) < 0 || !take(s, Separator))
        return false;
    if ((r.errors = counted(s, "errore", "errori")) < 0 || !take(s, Separator))
        return false;
    if (std::string_view ahead = s; (r.questionsRight = counted(ahead, "domanda", "domande")) >= 0) {
        if (!take(ahead, " su ") || (r.questionsAsked = number(ahead)) < 0 || !take(ahead, Separator))
            return false;
        s = ahead;
    } else {
        r.questionsRight = -1;
    }
    if (take(s, "soluzione mostrata dopo ")) {
        if ((r.answered = counted(s, "passo", "passi")) < 0 || !take(s, Separator))
            return false;
    }
    if ((r.percent = number(s)) < 0 || !take(s, " %"))
        return false;
    const std::size_t body = whole.size() - s.size();
    if (take(s, Separator) && take(s, CheckWord)) {
        const std::size_t length = std::min<std::size_t>(s.size(), 5);
        r.check = std::string(s.substr(0, length));
        s.remove_prefix(length);
        r.text = std::string(whole.substr(0, whole.size() - s.size()));
        r.valid = r.check == CheckOf(whole.substr(0, body));
        r.why = r.valid ? "" : "il controllo non corrisponde";
    } else {
        r.text = std::string(whole.substr(0, body));
        r.why = "senza controllo";
    }
    return true;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

} // namespace

PastedResults ReadResults(std::string_view text, const std::function<int(int, const std::string &)> &stepsOf)
{
    PastedResults out;
    std::set<std::string> seen;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::size_t at = line.find("Esercizio n. ");
        ResultLine r;
        if (at == std::string_view::npos || !readLine(line.substr(at), r)) {
            if (!line.empty())
                ++out.ignored;
            continue;
        }
        // The name before it: "Rossi Mario: Esercizio n. …", quotes and dashes left out.
        std::string_view name = trimmed(line.substr(0, at));
        while (!name.empty() && (name.back() == ':' || name.back() == '-' || name.back() == '>' ||
                                 name.back() == ' ' || name.back() == '"'))
            name.remove_suffix(1);
        r.student = std::string(trimmed(name));
        if (!seen.insert(r.student + '\n' + r.text).second) {
            ++out.repeated;
            continue;
        }
        if (r.valid) {
            // A sealed line can still not be a result of that exercise.
            const int steps = stepsOf ? stepsOf(r.code, r.exercise) : r.steps;
            const int answered = r.answered < 0 ? r.steps : r.answered;
            if (steps < 0)
                r.why = "esercizio sconosciuto";
            else if (r.steps != steps)
                r.why = "l'esercizio ha " + std::to_string(steps) + " passi";
            else if (answered > r.steps || r.errors > answered)
                r.why = "pi\u00f9 errori che passi";
            else if (r.questionsRight > r.questionsAsked)
                r.why = "pi\u00f9 risposte giuste che domande";
            else if (r.percent != percentOf(r.steps, answered, r.errors))
                r.why = "la percentuale non torna";
            r.valid = r.why.empty();
        }
        out.lines.push_back(std::move(r));
    }
    return out;
}

} // namespace quimbra::exercise
