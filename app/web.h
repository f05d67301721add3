// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace quimbra {

class frm_Quimbra;

// What the program needs as a web page beyond the desktop: the fonts it lays
// out with, and telling the page when it has ended, since in the browser the
// event loop never returns from main().
void prepareForTheBrowser(QApplication &app);

// Opens, over the menu, the step view that the page's address asks for
// (index.html?passo=sort&algoritmo=Merge&dati=7,3,9,1,4), once the menu is shown.
void openFromThePage(frm_Quimbra &menu);

} // namespace quimbra
