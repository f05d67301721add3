// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identity.h"

#include "frmGuida.h"
#include "frmRegistro.h"

#include <QApplication>
#include <QIcon>
#include <QTranslator>

namespace quimbra {

void applyIdentity(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Quimbra"));
    // The display name falls back to the application name, "Quimbra". It is
    // not set on its own: Qt would then append it to every window caption.
    QApplication::setApplicationVersion(QStringLiteral(QUIMBRA_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quimbra"));
    QGuiApplication::setDesktopFileName(QStringLiteral("it.orvalde.Quimbra"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/quimbra-16.xpm"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/quimbra-32.xpm"), QSize(32, 32));
    app.setWindowIcon(icon);
    // Qt's own texts in Italian, whatever the desktop's language: the
    // program speaks Italian throughout.
    static QTranslator qtTexts;
    if (qtTexts.isEmpty() && qtTexts.load(QStringLiteral(":/translations/qtbase_it.qm")))
        QCoreApplication::installTranslator(&qtTexts);
    // F1 in every window opens the help at its page.
    Form::setHelp(&frmGuida::open);
    // Ctrl+R, and "Registro…" beside every exercise, open the class register.
    Form::setRegister(&frmRegistro::open);
}

} // namespace quimbra
