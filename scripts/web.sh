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
#   quimbra-<version>-scorm.zip the same files with an imsmanifest.xml: a
#                              SCORM 1.2 package for a learning platform;
#                              SCORM_PARAMETERS (esercizio=48213&passo=sort&
#                              algoritmo=Shell) fixes what it opens on
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
    # WEB_PROFILE=1 keeps the function names, for make web-profile.
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
          -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQUIMBRA_BUILD_TESTS=OFF \
          -DQUIMBRA_WEB_PROFILE="$([[ ${WEB_PROFILE:-0} == 1 ]] && echo ON || echo OFF)" >/dev/null
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
cp packaging/web/quimbra-page.js packaging/web/quimbra-scorm.js packaging/web/quimbra-start.js \
   packaging/web/quimbra.webmanifest "$site/"
cp packaging/icons/quimbra.ico "$site/favicon.ico"
cp LICENSE "$site/LICENSE.txt"
cp LICENSES/OFL-1.1.txt "$site/LICENSE-fonts.txt"

zip="$build/quimbra-$version-web.zip"
rm -f "$zip"
(cd "$build" && zip -qr9 "$zip" site)

# The SCORM package: the same files, the manifest at the zip's root listing
# every one of them.
scorm="$build/quimbra-$version-scorm.zip"
package="$build/scorm"
rm -rf "$package" "$scorm"
cp -r "$site" "$package"
files=$(cd "$package" && find . -type f -printf '%P\n' | LC_ALL=C sort |
        sed 's/&/\&amp;/g; s/"/\&quot;/g; s/.*/      <file href="&"\/>/')
python3 - "$package/imsmanifest.xml" "$version" "${SCORM_PARAMETERS:-}" "$files" <<'PY'
import sys
from xml.sax.saxutils import quoteattr
out, version, query, files = sys.argv[1:]
query = query.lstrip("?")
parameters = " parameters=" + quoteattr("?" + query) if query else ""
text = open("packaging/web/imsmanifest.xml", encoding="utf-8").read()
text = text.replace("@VERSION@", version).replace("@PARAMETERS@", parameters)
text = text.replace("@FILES@", files)
open(out, "w", encoding="utf-8").write(text)
PY
(cd "$package" && zip -qr9 "$scorm" .)
echo "web: $site"
echo "web: $zip ($(( $(stat -c %s "$zip") / 1024 )) KB)"
echo "web: $scorm ($(( $(stat -c %s "$scorm") / 1024 )) KB)"

if [[ "${WEB_TESTS:-1}" != 0 ]]; then
    # The SCORM test's runtime, scorm-again from npm at the version the lock
    # file fixes, checked against its recorded hash.
    command -v npm >/dev/null || scripts/deps.sh npm
    mkdir -p "$build/scorm-host"
    cp tests/web/scorm-host/package.json tests/web/scorm-host/package-lock.json "$build/scorm-host/"
    (cd "$build/scorm-host" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
    ctest --test-dir "$build" --output-on-failure
fi
