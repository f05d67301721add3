// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include "text.h"

namespace quimbra {

QLocale numberLocale()
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::Italian, QLocale::Italy);
    return locale;
}

QString thousandsSeparator()
{
    return numberLocale().groupSeparator();
}

QString grouped(long long n)
{
    return QString::fromStdString(groupThousands(n, thousandsSeparator().toStdString()));
}

} // namespace quimbra
