#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libFuzzer targets with clang++ (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each of them for a share of
# FUZZ_SECONDS (default 60). Starts from the committed seed corpus; inputs
# found are kept in build-fuzz/corpus/, failing inputs in build-fuzz/artifacts/.
# Exits non-zero when any target finds a crash, undefined behaviour, a leak or
# a failed check.
set -euo pipefail
cd "$(dirname "$0")/.."

FUZZ_SECONDS=${FUZZ_SECONDS:-60}
BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
targets=(fuzz_text fuzz_values fuzz_ricbin fuzz_factorial fuzz_abr fuzz_results)

scripts/deps.sh fuzz

CXX=clang++ cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUIMBRA_FUZZ=ON -DQUIMBRA_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD_DIR" --target fuzzers -j "$(nproc)"

per_target=$(( FUZZ_SECONDS / ${#targets[@]} ))
(( per_target >= 1 )) || per_target=1
mkdir -p "$BUILD_DIR/artifacts"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1:symbolize=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

status=0
summary=()
for t in "${targets[@]}"; do
    corpus="$BUILD_DIR/corpus/$t"
    mkdir -p "$corpus"
    log="$BUILD_DIR/$t.log"
    echo "== $t: ${per_target}s"
    set +e
    "$BUILD_DIR/tests/fuzz/$t" "$corpus" tests/fuzz/corpus \
        -max_total_time="$per_target" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$BUILD_DIR/artifacts/$t-" >"$log" 2>&1
    rc=$?
    set -e
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if (( rc != 0 )); then
        status=1
        echo "!! $t failed (exit $rc); log: $log" >&2
        grep -E "ERROR|check failed|runtime error|SUMMARY" "$log" | head -n 20 >&2 || true
        ls "$BUILD_DIR/artifacts/$t-"* 2>/dev/null >&2 || true
    fi
    summary+=("$(printf '%-15s %12s inputs  %s' "$t" "${runs:-?}" "$( (( rc == 0 )) && echo ok || echo FAILED)")")
done

echo "== inputs tried per target"
printf '%s\n' "${summary[@]}"
exit "$status"
