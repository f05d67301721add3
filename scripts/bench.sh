#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# `make bench`: builds the benchmarks in build-bench (Release), runs them and
# prints one table of medians. The table, with a description of the machine,
# replaces everything below the marker line of docs/performance.md; the
# explanation above the marker is kept.
# Knobs: BENCH_REPETITIONS (Google Benchmark repetitions, default 10),
# BENCH_RUNS (runs per window interaction, default 200), JOBS.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=build-bench
doc=docs/performance.md
marker='<!-- Everything below this line is written by scripts/bench.sh. -->'
repetitions=${BENCH_REPETITIONS:-10}
runs=${BENCH_RUNS:-200}

scripts/deps.sh build bench

echo "Building the benchmarks in $build (Release)..."
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DQUIMBRA_BUILD_BENCH=ON -DQUIMBRA_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}" --target bench_algorithms bench_windows >/dev/null

load_before=$(cut -d' ' -f1-3 /proc/loadavg)

echo "Running the algorithm benchmarks ($repetitions repetitions; log in $build/bench_algorithms.log)..."
algorithms=$("$build/bench/bench_algorithms" --benchmark_repetitions="$repetitions" \
             --benchmark_min_time=0.1 --benchmark_color=false 2>"$build/bench_algorithms.log")

echo "Timing the windows offscreen ($runs runs each; log in $build/bench_windows.log)..."
windows_status=0
windows=$(QT_QPA_PLATFORM=offscreen "$build/bench/bench_windows" --runs "$runs" \
          2>"$build/bench_windows.log") || windows_status=$?

load_after=$(cut -d' ' -f1-3 /proc/loadavg)

cxx=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$build/CMakeCache.txt")
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
memory=$(awk '/^MemTotal:/ { printf "%.1f GB", $2 * 1024 / 1e9 }' /proc/meminfo)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || qtpaths6 --qt-version 2>/dev/null || echo unknown)
gbench=$(dpkg-query -W -f='${Version}' libbenchmark-dev 2>/dev/null || echo unknown)
commit=$(git rev-parse --short HEAD 2>/dev/null || echo unknown)

table=$(cat <<TABLE
| Measurement | Samples | Median | p90 | Goal (median) | Verdict |
|---|---|---|---|---|---|
| **Algorithms** — Google Benchmark, wall time per call | | | | | |
$algorithms
| **Windows** — offscreen, QElapsedTimer; start-up and memory in fresh processes | | | | | |
$windows
TABLE
)

busy=""
if awk -v a="${load_before%% *}" -v b="${load_after%% *}" -v n="$(nproc)" 'BEGIN { exit !(a > n || b > n) }'; then
    busy="- **Warning:** the load average exceeded the $(nproc) cores; other processes took CPU time and the figures are inflated."
fi

machine=$(cat <<MACHINE
- Date: $(date -u '+%Y-%m-%d %H:%M UTC'), commit $commit
- CPU: $cpu, $(nproc) cores available
- Memory: $memory
- Load average (1, 5, 15 min): $load_before before, $load_after after
- Qt $qt, platform offscreen; Google Benchmark $gbench
- Compiler: $("$cxx" --version | head -n 1), Release (-O3)
- Kernel: $(uname -sr)
$busy
MACHINE
)

echo
echo "$table"
echo
echo "$machine"

if [[ $windows_status -ne 0 || -z "$algorithms" ]] || grep -q -e 'INVALID' -e 'FAILED' <<<"$table"; then
    echo "bench: a measurement failed or could not check its result; $doc left as it was." >&2
    exit 1
fi

# Keep the explanation above the marker; replace the figures below it.
intro="# Performance"
if [[ -f $doc ]] && grep -qF -- "$marker" "$doc"; then
    intro=$(sed "/^$(printf '%s' "$marker" | sed 's/[][\.*^$/]/\\&/g')\$/,\$d" "$doc")
fi
mkdir -p "$(dirname "$doc")"
{
    printf '%s\n\n%s\n\n' "$intro" "$marker"
    printf '## Latest run\n\n%s\n\n%s\n' "$machine" "$table"
} >"$doc"
echo
echo "Written to $doc"
