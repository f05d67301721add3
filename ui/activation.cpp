// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "activation.h"

#include <algorithm>

namespace quimbra {

bool ActivationRule::shown(Key w)
{
    std::erase(awaitingFocus_, w);
    awaitingFocus_.push_back(w);
    active_ = w;
    return true;
}

bool ActivationRule::focusMovedTo(Key w)
{
    if (w == nullptr)
        return false;
    const auto showing = std::find(awaitingFocus_.begin(), awaitingFocus_.end(), w);
    if (showing != awaitingFocus_.end()) {
        awaitingFocus_.erase(awaitingFocus_.begin(), showing + 1);
        return false;
    }
    awaitingFocus_.clear();
    if (w == active_)
        return false;
    active_ = w;
    return true;
}

void ActivationRule::closed(Key w)
{
    if (active_ == w)
        active_ = nullptr;
    std::erase(awaitingFocus_, w);
}

} // namespace quimbra
