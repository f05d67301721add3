#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# (Debug, in build-asan) and runs every test headless: any memory error,
# undefined behaviour or leak fails the run. The soak test runs its long
# length here (QUIMBRA_SOAK_ACTIONS, default 10000; QUIMBRA_SOAK_SEED to repeat
# a run).
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${ASAN_BUILD_DIR:-build-asan}
JOBS=${JOBS:-$(nproc)}

scripts/deps.sh build

cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUIMBRA_SANITIZE=ON >/dev/null
cmake --build "$BUILD_DIR" -j "$JOBS"

export QT_QPA_PLATFORM=offscreen
export QUIMBRA_SOAK_ACTIONS=${QUIMBRA_SOAK_ACTIONS:-10000}
# Stop at the first error of either sanitizer, with a stack trace; leaks are
# reported at exit (Qt and fontconfig need no suppressions here).
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:print_summary=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

cd "$BUILD_DIR"
status=0
ctest --output-on-failure -j "$JOBS" -E '^tst_soak$' || status=1
# The long soak runs on its own, without the per-test time limit of ctest.
# Under the sanitizers an action takes up to about 60 ms on a busy machine, so
# Qt Test's default five minutes per test function would end a long run early:
# the limit grows with the number of actions (0.15 s each, at least 5 min).
timeout_ms=$((QUIMBRA_SOAK_ACTIONS * 150))
((timeout_ms >= 300000)) || timeout_ms=300000
echo "== tst_soak: $QUIMBRA_SOAK_ACTIONS actions"
QTEST_FUNCTION_TIMEOUT=${QTEST_FUNCTION_TIMEOUT:-$timeout_ms} QT_ACCESSIBILITY=1 tests/tst_soak || status=1
exit "$status"
