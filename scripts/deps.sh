#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that a task needs, only those missing.
# Usage: scripts/deps.sh GROUP...   (build, bench, screenshots, package, fuzz, windows, web, npm)
# Quiet when nothing is missing; runs apt-get update once before installing.
set -euo pipefail

packages=()
for group in "$@"; do
    case "$group" in
        build) packages+=(cmake ninja-build g++ make qt6-base-dev qt6-base-dev-tools libgl-dev
                          fonts-dejavu-core fonts-liberation2 desktop-file-utils appstream
                          reuse man-db qt6-translations-l10n) ;;
        bench) packages+=(libbenchmark-dev) ;;
        screenshots) packages+=(xvfb xauth imagemagick xdotool x11-utils) ;;
        package) packages+=(dpkg-dev file desktop-file-utils appstream lintian man-db) ;;
        # The fuzz targets build only the cores, but configuring the project
        # still looks for Qt.
        fuzz) packages+=(cmake ninja-build clang libclang-rt-14-dev qt6-base-dev qt6-base-dev-tools
                         libgl-dev qt6-translations-l10n) ;;
        # Cross-building for Windows: Qt from Debian's source package with the
        # installed Debian Qt as host tools, MinGW-w64, NSIS, and Wine on Xvfb
        # for the tests.
        windows) packages+=(cmake ninja-build dpkg-dev qt6-base-dev qt6-base-dev-tools
                            g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine nsis
                            xvfb xauth xdotool x11-utils imagemagick fonts-wine zip unzip
                            qt6-translations-l10n) ;;
        # The page: Qt from Debian's source package for WebAssembly with
        # emscripten, and headless Chromium with Node.js for the browser test.
        web) packages+=(cmake ninja-build dpkg-dev qt6-base-dev qt6-base-dev-tools emscripten
                        chromium nodejs python3 zip qt6-translations-l10n) ;;
        # npm, where the machine's Node.js does not bring its own.
        npm) packages+=(npm) ;;
        *) echo "deps.sh: unknown group '$group'" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
