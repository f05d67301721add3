// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm_Quimbra.h"
#include "identity.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    quimbra::applyIdentity(app);

    quimbra::frm_Quimbra menu(quimbra::programRandom(), quimbra::systemClock());
    menu.Show();
    return app.exec();
}
