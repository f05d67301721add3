// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_action.h"

#include "widgets.h"

#include <QAction>

namespace quimbra {

QAction *addStepViewAction(QWidget *window, std::initializer_list<ListBox *> lists)
{
    auto *action = new QAction(QStringLiteral("Passo passo\u2026"), window);
    action->setObjectName(QStringLiteral("actPassoPasso"));
    action->setShortcut(Qt::Key_F2);
    // One action for the whole window, so that F2 fires once wherever the
    // focus is; the lists only show it in their menus.
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    window->addAction(action);
    for (ListBox *list : lists)
        list->addAction(action);
    return action;
}

} // namespace quimbra
