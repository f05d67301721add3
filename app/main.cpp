// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm_Quimbra.h"
#include "identity.h"

#include <QApplication>

#ifdef Q_OS_WASM
#include "web.h"
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    quimbra::applyIdentity(app);
#ifdef Q_OS_WASM
    quimbra::prepareForTheBrowser(app);
#endif

    quimbra::frm_Quimbra menu(quimbra::programRandom(), quimbra::systemClock());
    menu.Show();
#ifdef Q_OS_WASM
    quimbra::openFromThePage(menu);
#endif
    return app.exec();
}
