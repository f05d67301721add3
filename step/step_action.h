// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>

class QAction;
class QKeySequence;
class QString;
class QWidget;

namespace quimbra {

class ListBox;

// The "Passo passo…" entry that opens a window's step view: F2 anywhere in
// the window, and an entry (showing F2) in the right-button menu of each of
// the given lists. The caller connects its triggered() signal.
QAction *addStepViewAction(QWidget *window, std::initializer_list<ListBox *> lists);

// A command of the whole window, like "Passo passo…": its key fires once
// wherever the focus is, and it shows that key when a menu lists it. The
// caller adds it to the menus and connects its triggered() signal.
QAction *addWindowAction(QWidget *window, const QString &text, const QKeySequence &key,
                         const QString &name);

} // namespace quimbra
