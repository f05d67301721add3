#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a cross-built Windows program under Wine for CTest (the build's
# CMAKE_CROSSCOMPILING_EMULATOR): scripts/wine-run.sh QT_PREFIX PROGRAM [ARGS]
# The Qt DLLs and plugins come from QT_PREFIX, the MinGW runtime from the
# cross compiler. A Qt Test program under Wine prints nothing into a pipe, so
# its results go to a file that is printed afterwards; the exit status is the
# program's (for Qt Test, the number of failed tests).
set -uo pipefail

qt=${1:?usage: wine-run.sh QT_PREFIX PROGRAM [ARGS...]}
program=${2:?usage: wine-run.sh QT_PREFIX PROGRAM [ARGS...]}
shift 2

# Wine keeps the QT_* variables of Linux (such as QT_QPA_PLATFORM from the
# test's environment) from Windows programs, and passes them on when they are
# spelt WINEQT_*.
for name in $(compgen -e); do
    [[ "$name" == QT_* ]] && export "WINE$name=${!name}"
done
# The platform plugin may be chosen for a whole run (windows, on a display).
[[ -n "${WINE_QPA_PLATFORM:-}" ]] && export WINEQT_QPA_PLATFORM=$WINE_QPA_PLATFORM

windows_path() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
pthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
export WINEPATH="$(windows_path "$qt/bin");$(windows_path "$runtime");$(windows_path "$pthread")"
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko download prompts in a fresh prefix, no Linux menu entries.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}

case "$(basename "$program")" in
    tst_*)
        results=$(mktemp --suffix=.txt)
        trap 'rm -f "$results"' EXIT
        wine "$program" "$@" -o "$(windows_path "$results"),txt" </dev/null >/dev/null 2>&1
        status=$?
        tr -d '\r' <"$results"
        if [[ ! -s "$results" ]]; then
            echo "wine-run.sh: $(basename "$program") wrote no results (exit status $status)"
            [[ $status -ne 0 ]] || status=1
        fi
        exit "$status" ;;
    *)
        exec wine "$program" "$@" ;;
esac
