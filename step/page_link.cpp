// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_link.h"

#include <QStringList>
#include <QUrl>

namespace quimbra::pagelink {

namespace {

QString &address()
{
    static QString page;
    return page;
}

} // namespace

void setPageAddress(const QString &page)
{
    address() = page;
}

QString pageAddress()
{
    return address();
}

QString link(const std::vector<std::pair<const char *, QString>> &parameters)
{
    QStringList pairs;
    // Commas stay as they are: the values read as typed in the address bar.
    for (const auto &[name, value] : parameters)
        pairs << QLatin1String(name) + QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(value, ","));
    return address() + QLatin1Char('?') + pairs.join(QLatin1Char('&'));
}

QString values(std::span<const Integer> values)
{
    QStringList written;
    written.reserve(qsizetype(values.size()));
    for (Integer v : values)
        written << QString::number(v);
    return written.join(QLatin1Char(','));
}

std::map<QString, QString> readQuery(const QString &query)
{
    std::map<QString, QString> parameters;
    const QString text = query.startsWith(QLatin1Char('?')) ? query.mid(1) : query;
    for (const QString &pair : text.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        const auto decoded = [](QString part) {
            part.replace(QLatin1Char('+'), QLatin1Char(' '));
            return QUrl::fromPercentEncoding(part.toUtf8());
        };
        const QString name = decoded(equals < 0 ? pair : pair.left(equals));
        const QString value = equals < 0 ? QString() : decoded(pair.mid(equals + 1));
        parameters.emplace(name, value);
    }
    return parameters;
}

} // namespace quimbra::pagelink
