// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout.h"

#include <QColor>

namespace quimbra::stepColour {

// What the step views mark, each in one colour for all of them.
inline const QColor compared{palette::magenta}; // the values compared, the middle probed
inline const QColor written{220, 0, 0};         // the positions a step just wrote
inline const QColor right{0, 150, 0};           // an answer that was right (and, in an exercise, a move)
inline const QColor wrong{220, 0, 0};           // an answer that was wrong
inline const QColor lit{palette::magenta};      // the code line lit, the changed variables, the node reached

} // namespace quimbra::stepColour
