// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frm_Quimbra.h"

#include <QPushButton>
#include <QtTest>

namespace quimbra::testing {

// Shows the menu and waits until it is the active window.
inline bool showMenu(frm_Quimbra &menu)
{
    menu.Show();
    return QTest::qWaitForWindowActive(menu.window());
}

// Moves the focus to the window, as a click on it would, and lets the program
// see the change.
inline void focus(QWidget *w)
{
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCoreApplication::processEvents();
}

// Presses the menu's button for a window and returns the window once it is
// loaded and active; null when it does not come up so.
template <class F>
F *openFromMenu(frm_Quimbra &menu, const char *button, F *(frm_Quimbra::*slot)() const)
{
    QTest::mouseClick(menu.button(button), Qt::LeftButton);
    F *w = (menu.*slot)();
    if (!w || !w->isLoaded() || !QTest::qWaitForWindowActive(w->window()))
        return nullptr;
    QCoreApplication::processEvents();
    return w;
}

// Closes every window of the program and lets the closed ones be deleted.
inline void closeAllWindows()
{
    QApplication::closeAllWindows();
    QCoreApplication::processEvents();
}

} // namespace quimbra::testing
