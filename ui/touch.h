// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quimbra {

// A touch screen's long press: a finger held still for LongPressMs on any
// control opens its right-button menu there, as the right button would
// ("Passo passo…", "Grafico della crescita…", "Copia", "Copia tutto"), so
// that no feature needs a mouse's second button. A ring grows under the
// finger while it is held; the lifting that follows the menu clicks nothing.
// A mouse is left alone: only presses that come from a touch screen count.
// Two fingers spread apart or pinched together over a window zoom the whole
// program a step, as Ctrl and the wheel do, each time their spread changes
// by a clear share. A finger on a title bar that Qt draws (in the web page)
// drags the window.
inline constexpr int LongPressMs = 500;

// Installs, once, the application-wide watcher of long presses and pinches.
void installLongPress();

} // namespace quimbra
