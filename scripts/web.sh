#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# make web: Quimbra as a static web page, built with emscripten against the
# Qt that scripts/qt-cross.sh builds (once) for WebAssembly from Debian's
# sources. Produces, under build-web/ (BUILD_WEB):
#   site/                      index.html, the program's .js and .wasm, Qt's
#                              loader, favicon, manifest and licences
#   quimbra-<version>-web.zip  that folder, for any static host
# then runs the browser test (CTest in that build) unless WEB_TESTS=0.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh web
build=$(realpath -m "${BUILD_WEB:-build-web}")
jobs=${JOBS:-$(nproc)}

qt=$(scripts/qt-cross.sh web)
export EMSDK="$qt/share/quimbra/emsdk"
# emscripten's JavaScript tools need Debian's Node.js modules (node-acorn),
# which a Node.js from elsewhere does not look for.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
toolchain="$qt/lib/cmake/Qt6/qt.toolchain.cmake"

# A build directory made against another Qt starts again from scratch.
if [[ -f "$build/CMakeCache.txt" ]] &&
   ! grep -qxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$build/CMakeCache.txt"; then
    rm -rf "$build"
fi
if [[ ! -f "$build/build.ninja" ]]; then
    # Built for size: the page is downloaded at every visit.
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
          -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQUIMBRA_BUILD_TESTS=OFF >/dev/null
fi
nice -n 10 cmake --build "$build" -j "$jobs" --target quimbra

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n "$version" ]] || { echo "web.sh: no project version in $build" >&2; exit 1; }

# The folder a school's web site serves: nothing in it comes from elsewhere.
site="$build/site"
rm -rf "$site"
mkdir -p "$site"
cp "$build/app/quimbra.js" "$build/app/quimbra.wasm" "$build/app/qtloader.js" "$site/"
wasm_bytes=$(stat -c %s "$site/quimbra.wasm")
sed "s/@WASM_BYTES@/$wasm_bytes/" packaging/web/index.html >"$site/index.html"
cp packaging/web/quimbra-page.js packaging/web/quimbra-start.js \
   packaging/web/quimbra.webmanifest "$site/"
cp packaging/icons/quimbra.ico "$site/favicon.ico"
cp LICENSE "$site/LICENSE.txt"
cp LICENSES/OFL-1.1.txt "$site/LICENSE-fonts.txt"

zip="$build/quimbra-$version-web.zip"
rm -f "$zip"
(cd "$build" && zip -qr9 "$zip" site)
echo "web: $site"
echo "web: $zip ($(( $(stat -c %s "$zip") / 1024 )) KB)"

if [[ "${WEB_TESTS:-1}" != 0 ]]; then
    ctest --test-dir "$build" --output-on-failure
fi
