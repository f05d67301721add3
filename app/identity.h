// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;

namespace quimbra {

// The program's name, version and icon, shared by every window, Qt's own
// texts in Italian, and F1 for the help in every window.
void applyIdentity(QApplication &app);

} // namespace quimbra
