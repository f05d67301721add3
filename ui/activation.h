// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

namespace quimbra {

// Decides when a window of the program counts as activated, so that its
// activation step runs. It is told two things: that the program itself showed
// a window (a menu button), and that the focus moved to a window. Windows are
// opaque keys; a null key stands for "no window of ours" (another application,
// a message box, any window that is not one of the program's own four).
//
// - A window shown by the program is activated at once, whether or not the
//   window manager then gives it the focus; when the focus does arrive for
//   that same showing it is not counted a second time. Focus arrivals are
//   matched to the showings in order: an arrival for an earlier showing also
//   settles any showing before it, and an arrival at a window that the
//   program did not just show settles them all.
// - The focus moving to one of our windows from another of ours activates it.
// - The focus coming back to the window that was last active (from another
//   application, or from a message box) does not.
class ActivationRule
{
public:
    using Key = const void *;

    // The program showed w (first showing or brought to the front): always an
    // activation. Returns true, so that the caller can use it like the others.
    bool shown(Key w);

    // The focus moved to w (null: to something that is not ours). Returns
    // true when this is an activation of w.
    bool focusMovedTo(Key w);

    // w was unloaded: it can no longer be the active window.
    void closed(Key w);

    Key active() const { return active_; }

private:
    Key active_ = nullptr;
    std::vector<Key> awaitingFocus_; // showings whose focus has not arrived, oldest first
};

} // namespace quimbra
