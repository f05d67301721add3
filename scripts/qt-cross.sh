#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Qt (qtbase) for another platform from Debian's own qt6-base source
# package, once, and keeps it in the user's cache:
#   ${XDG_CACHE_HOME:-~/.cache}/quimbra/qt-<version>-<key>
# where <key> is a hash of the Debian source version, the configure options,
# the toolchain file and the compiler version. Does nothing when that Qt is
# already there. Progress goes to stderr; the last line on stdout is the
# Qt prefix, so that callers can write  qt=$(scripts/qt-cross.sh windows).
#
#   windows  64-bit Windows with MinGW-w64, shared libraries
#   web      WebAssembly with emscripten, static and single-threaded
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:-}
case "$target" in
    windows|web) ;;
    *) echo "usage: qt-cross.sh windows|web" >&2; exit 2 ;;
esac
"$root/scripts/deps.sh" "$target" >&2

log() { echo "$target-qt: $*" >&2; }

# The host tools (moc, rcc, uic) come from the installed Debian Qt, so the
# sources must be of exactly that version.
debver=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qtver=${debver%%[-+~]*}

# Both: only what Quimbra links, no examples, tests or tools of Qt's own,
# and Qt's bundled third-party code, so that nothing from the target's
# sysroot (zlib1.dll, or an emscripten port fetched from the network)
# becomes a dependency.
common=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_pkg_config=OFF
    -DFEATURE_gui=ON
    -DFEATURE_widgets=ON
)
unused=(
    -DFEATURE_sql=OFF
    -DFEATURE_network=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
)
bundled=(
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_doubleconversion=OFF
)
if [[ $target == windows ]]; then
    # Core, Gui, Widgets with the windows platform plugin and the Vista style,
    # Test for the tests, accessibility. The windows platform plugin of this Qt
    # does not compile without OpenGL, so OpenGL stays on, loaded dynamically
    # from the system's opengl32.dll. Tablet events need wintab.h, which
    # Debian's source package leaves out for its licence; Quimbra takes no
    # tablet input, so they are off.
    toolchain="$root/cmake/mingw-w64.cmake"
    compiler=(x86_64-w64-mingw32-g++-posix --version)
    # (In the order in which the cache key has always been computed.)
    options=(
        "${common[@]:0:3}"
        -DBUILD_SHARED_LIBS=ON
        -DQT_QMAKE_TARGET_MKSPEC=win32-g++
        "${common[@]:3}"
        -DFEATURE_testlib=ON
        -DFEATURE_accessibility=ON
        -DFEATURE_style_windowsvista=ON
        -DINPUT_opengl=dynamic
        "${unused[@]}"
        -DFEATURE_tabletevent=OFF
        "${bundled[@]}"
    )
else
    # Static and single-threaded (a page needs no special headers then), the
    # wasm platform plugin with WebGL, and no Test: the tests run natively.
    toolchain=$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake
    compiler=(emcc --version)
    options=(
        "${common[@]}"
        -DBUILD_SHARED_LIBS=OFF
        -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
        -DFEATURE_optimize_size=ON
        -DFEATURE_thread=OFF
        -DFEATURE_testlib=OFF
        -DFEATURE_accessibility=ON
        -DFEATURE_opengl=ON
        "${unused[@]}"
        -DFEATURE_sessionmanager=OFF
        # Left out for the page's size: what a static link keeps because Qt
        # registers or reaches it (the item views' editor factory, the text
        # document's formats, the MIME database), though Quimbra uses none of it.
        -DFEATURE_mimetype_database=OFF
        -DFEATURE_textodfwriter=OFF
        -DFEATURE_textmarkdownreader=OFF
        -DFEATURE_textmarkdownwriter=OFF
        -DFEATURE_jalalicalendar=OFF
        -DFEATURE_islamiccivilcalendar=OFF
        -DFEATURE_datetimeedit=OFF
        -DFEATURE_calendarwidget=OFF
        -DFEATURE_movie=OFF
        -DFEATURE_imageformat_ppm=OFF
        -DFEATURE_imageformat_xbm=OFF
        -DFEATURE_undocommand=OFF
        -DFEATURE_colordialog=OFF
        -DFEATURE_fontdialog=OFF
        -DFEATURE_wizard=OFF
        -DFEATURE_mdiarea=OFF
        "${bundled[@]}"
    )
fi

# Changes made to the source before it is configured: a sed script per file,
# and larger ones as patches (scripts/qt-patches/*.patch, applied with -p1).
declare -A edits=()
patches=()
if [[ $target == web ]]; then
    # The wasm plugin embeds three fonts and stops loading them at the first
    # one missing. Quimbra brings its own faces and needs only DejaVu Sans,
    # for the symbols they lack: the other two (0.18 MB of a compressed page)
    # stay out, and the plugin loads what is there.
    edits[src/plugins/platforms/wasm/CMakeLists.txt]='/3rdparty\/wasm\/\(Vera\|DejaVuSansMono\)\.ttf"/d'
    edits[src/plugins/platforms/wasm/qwasmfontdatabase.cpp]='s/^\( *\)break;$/\1continue;/'
    patches+=("$root/scripts/qt-patches/wasm-window-frames.patch")
fi

key=$( { echo "$debver"; printf '%s\n' "${options[@]}"; cat "$toolchain"; "${compiler[@]}" | head -1;
         for file in "${!edits[@]}"; do echo "$file ${edits[$file]}"; done | sort;
         [[ ${#patches[@]} -eq 0 ]] || cat "${patches[@]}"; } \
       | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/quimbra
prefix="$cache/qt-$qtver-$key"
stamp="$prefix/.quimbra-complete"

if [[ -f "$stamp" ]]; then
    echo "$prefix"
    exit 0
fi

# One build at a time per cache; a second caller waits and then finds it done.
mkdir -p "$cache"
exec 9>"$cache/qt-$qtver-$key.lock"
if ! flock -n 9; then
    log "another build of the same Qt is running, waiting for it"
    flock 9
fi
if [[ -f "$stamp" ]]; then
    echo "$prefix"
    exit 0
fi

scratch=${QUIMBRA_QT_SCRATCH:-${TMPDIR:-/var/tmp}/quimbra-qt-$qtver-$key}
mkdir -p "$scratch"
log "building Qt $qtver for $target into $prefix (scratch: $scratch)"
start=$SECONDS

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"

# apt-get source needs source entries. When there are none, derive them from
# the machine's own binary entries (one-line and deb822 formats) into a file
# of their own, then read the indexes.
if ! apt-cache showsrc qt6-base 2>/dev/null | grep '^Package: qt6-base$' >/dev/null; then
    log "no source entries: deriving them from the existing apt sources"
    derived=$(mktemp)
    {
        echo "# Source entries derived from the binary entries of this machine"
        echo "# (written by Quimbra's scripts/windows-qt.sh)."
        for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
            [[ -f "$f" ]] || continue
            sed -n -E 's/^[[:space:]]*deb([[:space:]])/deb-src\1/p' "$f"
        done
    } >"$derived"
    derived822=$(mktemp)
    for f in /etc/apt/sources.list.d/*.sources; do
        [[ -f "$f" && "$f" != */quimbra-deb-src.sources ]] || continue
        # Each stanza whose Types include deb becomes a deb-src stanza.
        awk 'BEGIN { RS=""; ORS="\n\n" }
             {
                 out=""; keep=0; n=split($0, lines, "\n")
                 for (i = 1; i <= n; i++) {
                     l = lines[i]
                     if (l ~ /^[[:space:]]*#/) continue
                     if (l ~ /^Types:/) {
                         if (l ~ /[[:space:]]deb([[:space:]]|$)/) keep=1
                         l = "Types: deb-src"
                     }
                     if (l ~ /^Enabled:[[:space:]]*no/) keep=0
                     out = out l "\n"
                 }
                 if (keep) printf "%s\n", out
             }' "$f" >>"$derived822"
    done
    if grep -q '^deb-src' "$derived"; then
        $sudo install -m 644 "$derived" /etc/apt/sources.list.d/quimbra-deb-src.list
    fi
    if [[ -s "$derived822" ]]; then
        $sudo install -m 644 "$derived822" /etc/apt/sources.list.d/quimbra-deb-src.sources
    fi
    rm -f "$derived" "$derived822"
    $sudo apt-get update -qq || log "apt-get update reported errors; trying the sources anyway"
fi

if [[ ! -f "$scratch/.source-complete" ]]; then
    log "fetching the qt6-base $debver source package"
    rm -rf "$scratch"/qt6-base*
    (cd "$scratch" && apt-get source -qq "qt6-base=$debver" >&2)
    touch "$scratch/.source-complete"
fi
srcdir=$(find "$scratch" -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
[[ -n "$srcdir" && -f "$srcdir/CMakeLists.txt" ]] || { log "no unpacked source in $scratch"; exit 1; }
for file in "${!edits[@]}"; do
    sed -i "${edits[$file]}" "$srcdir/$file"
done
for patch in "${patches[@]}"; do
    # A source kept from an earlier build may have it already.
    patch -d "$srcdir" -p1 -R --dry-run -s -f <"$patch" >/dev/null 2>&1 ||
        patch -d "$srcdir" -p1 -s -f <"$patch" >&2
done

# The installed qt.toolchain.cmake chains to the toolchain file by path, so
# it must outlive this work tree: the project's own goes into the prefix,
# emscripten's stays where Debian installs it.
rm -rf "$prefix"
mkdir -p "$prefix/share/quimbra"
chained=$toolchain
if [[ $target == windows ]]; then
    chained="$prefix/share/quimbra/$(basename "$toolchain")"
    cp "$toolchain" "$chained"
else
    # Qt finds emscripten through an SDK folder (EMSDK) laid out like the
    # upstream SDK's; Debian's emscripten is spread over /usr, so a small
    # folder of links stands in for it, for this build and for the builds
    # that use this Qt.
    # Its emscripten folder holds Debian's (/usr/share/emscripten) and the
    # commands by the names the toolchain file calls them (emcc, em++, ...).
    emsdk="$prefix/share/quimbra/emsdk"
    mkdir -p "$emsdk/emscripten"
    echo "EMSCRIPTEN_ROOT = 'emscripten'" >"$emsdk/.emscripten"
    ln -s "$(em-config EMSCRIPTEN_ROOT)"/* "$emsdk/emscripten/"
    for command in /usr/bin/em*; do
        [[ "$(readlink -f "$command")" == */emscripten/wrapper ]] &&
            ln -sf "$command" "$emsdk/emscripten/$(basename "$command")"
    done
    export EMSDK="$emsdk"
fi

# A build directory left by an interrupted run of the same key goes on from
# where it stopped.
builddir="$scratch/build"
log "configuring (log: $builddir/configure.log)"
mkdir -p "$builddir"
if ! cmake -S "$srcdir" -B "$builddir" "${options[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$chained" \
        -DCMAKE_INSTALL_PREFIX="$prefix" >"$builddir/configure.log" 2>&1; then
    tail -40 "$builddir/configure.log" >&2
    log "configuring Qt failed"
    exit 1
fi
log "compiling with ${QT_BUILD_JOBS:-$(nproc)} jobs (log: $builddir/build.log)"
if ! cmake --build "$builddir" -j "${QT_BUILD_JOBS:-$(nproc)}" >"$builddir/build.log" 2>&1; then
    tail -40 "$builddir/build.log" >&2
    log "compiling Qt failed"
    exit 1
fi
cmake --install "$builddir" >"$builddir/install.log" 2>&1
touch "$stamp"
log "Qt installed in $(( (SECONDS - start) / 60 )) min $(( (SECONDS - start) % 60 )) s"
rm -rf "$scratch"
echo "$prefix"
