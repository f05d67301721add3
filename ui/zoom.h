// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class QSize;
class QWidget;

namespace quimbra {

// The zoom for the classroom projector and for small screens: one factor for
// all the windows that buildControls() built, in these steps. It starts at
// 100 % and lasts for the run. Ctrl and +, Ctrl and =, Ctrl and -, Ctrl and 0,
// and Ctrl with the mouse wheel change it from any of those windows.
inline constexpr std::array<int, 11> ZoomSteps{50, 67, 75, 90, 100, 125, 150, 175, 200, 250, 300};

// Sets the zoom (held within the steps' range) and places every window built
// by buildControls() again, keeping each on its screen. Back at 100 % every
// window returns where it stood when the zoom last left 100 % (a window
// opened meanwhile stays where it is). It neither shows, activates nor
// reloads a window.
void setZoom(int percent);
// The next step up or down from the current zoom; none past either end.
void zoomIn();
void zoomOut();

// Moves a window that sticks out of its screen's free area back inside it;
// one larger than the area keeps its top left corner, and so its title bar,
// on the screen.
void keepOnScreen(QWidget *window);

// The largest zoom step, no larger than `current`, at which a window whose
// client area is `twips` large, with a frame of `frame` pixels, fits in
// `area`; the smallest step when none does.
int fittingZoom(const QSize &twips, const QSize &frame, const QSize &area, int current);

// In the page, a window about to open that would not fit the screen at the
// zoom lowers the zoom to the largest step at which it does, and its tooltip
// says so until the zoom changes again. Off on the desktop, whose windows a
// window manager places; app/web.cpp turns it on.
void setFitWhenOpening(bool on);
void fitBeforeOpening(QWidget *window);

// Installs, once, the application-wide handler of the zoom keys and wheel.
void installZoomKeys();

} // namespace quimbra
