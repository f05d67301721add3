// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

namespace quimbra {

// The locale the program writes its numbers in: the user's regional
// settings, Italian where they name no language (the C or POSIX locale).
QLocale numberLocale();

// The thousands separator of that locale: Italian's full stop by default.
QString thousandsSeparator();

// A whole number as every window writes it, its thousands grouped as the
// factorial groups them: "499.500".
QString grouped(long long n);

} // namespace quimbra
