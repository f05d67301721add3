// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_action.h"

#include "widgets.h"

#include <QAction>

namespace quimbra {

QAction *addWindowAction(QWidget *window, const QString &text, const QKeySequence &key,
                         const QString &name)
{
    auto *action = new QAction(text, window);
    action->setObjectName(name);
    action->setShortcut(key);
    // One action for the whole window, so that its key fires once wherever
    // the focus is; the lists only show it in their menus.
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    window->addAction(action);
    return action;
}

QAction *addStepViewAction(QWidget *window, std::initializer_list<ListBox *> lists)
{
    QAction *action = addWindowAction(window, QStringLiteral("Passo passo\u2026"), Qt::Key_F2,
                                      QStringLiteral("actPassoPasso"));
    for (ListBox *list : lists)
        list->addAction(action);
    return action;
}

} // namespace quimbra
