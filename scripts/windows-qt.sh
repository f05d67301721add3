#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Qt for Windows, built once: see qt-cross.sh.
exec "$(dirname "$0")/qt-cross.sh" windows
