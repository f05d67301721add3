// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace quimbra {

// What the program needs as a web page beyond the desktop: the fonts it lays
// out with, and telling the page when it has ended, since in the browser the
// event loop never returns from main().
void prepareForTheBrowser(QApplication &app);

} // namespace quimbra
