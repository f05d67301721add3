#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# make windows: Quimbra for 64-bit Windows, cross-built with MinGW-w64 against
# the Qt that scripts/windows-qt.sh builds (once) from Debian's sources.
# Produces, under build-win/ (BUILD_WIN):
#   quimbra-<version>-win64/       the program with exactly the DLLs it needs
#   quimbra-<version>-win64.zip    that folder, to unpack anywhere
#   quimbra-<version>-setup.exe    the installer (NSIS)
# then runs the Windows tests under Wine (scripts/windows-test.sh) unless
# WINDOWS_TESTS=0.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh windows
build=$(realpath -m "${BUILD_WIN:-build-win}")
jobs=${JOBS:-$(nproc)}

qt=$(scripts/windows-qt.sh)
toolchain="$qt/lib/cmake/Qt6/qt.toolchain.cmake"

# A build directory made against another Qt starts again from scratch.
if [[ -f "$build/CMakeCache.txt" ]] &&
   ! grep -qxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$build/CMakeCache.txt"; then
    rm -rf "$build"
fi
if [[ ! -f "$build/build.ninja" ]]; then
    # The test programs run under Wine through scripts/wine-run.sh, which
    # finds the Qt DLLs in the Qt prefix given here.
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
          -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh;$qt" >/dev/null
fi
nice -n 10 cmake --build "$build" -j "$jobs"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n "$version" ]] || { echo "windows.sh: no project version in $build" >&2; exit 1; }
# Windows wants four numbers in its version resources: 1.00 becomes 1.0.0.0.
IFS=. read -r -a parts <<<"$version"
numbers=()
for i in 0 1 2 3; do numbers+=("$((10#${parts[i]:-0}))"); done
version4=$(IFS=.; echo "${numbers[*]}")

# The deployment windeployqt would make: the program, the Qt libraries it
# links, the windows platform plugin, the Vista style and the MinGW runtime,
# stripped of their symbols.
name="quimbra-$version-win64"
dist="$build/$name"
rm -rf "$dist"
mkdir -p "$dist/platforms" "$dist/styles"
cp "$build/quimbra.exe" "$dist/"   # Qt puts every program of a Windows build at the top
for lib in Qt6Core Qt6Gui Qt6Widgets; do cp "$qt/bin/$lib.dll" "$dist/"; done
cp "$qt/plugins/platforms/qwindows.dll" "$dist/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$dist/styles/"
for lib in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    cp "$(x86_64-w64-mingw32-g++-posix -print-file-name="$lib")" "$dist/"
done
find "$dist" -type f \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
sed 's/$/\r/' LICENSE >"$dist/LICENSE.txt"
scripts/windows-dll-check.sh "$dist"
# A double-click must open no console window, and Explorer shows the version
# resource (its strings are UTF-16).
exe="$dist/quimbra.exe"
x86_64-w64-mingw32-objdump -p "$exe" | grep '^Subsystem.*Windows GUI' >/dev/null ||
    { echo "windows.sh: quimbra.exe is not a GUI program" >&2; exit 1; }
resource=$(strings -e l "$exe" | tr '\n' '|')
[[ "$resource" == *"ProductName|Quimbra|"* && "$resource" == *"ProductVersion|$version|"* ]] ||
    { echo "windows.sh: quimbra.exe has no version resource for $version" >&2; exit 1; }

zip="$build/$name.zip"
rm -f "$zip"
(cd "$build" && zip -q -r -9 -X "$name.zip" "$name")

# The installer installs and removes the deployed files one by one.
lists="$build/nsis"
mkdir -p "$lists"
: >"$lists/install-files.nsh"
: >"$lists/uninstall-files.nsh"
while IFS= read -r dir; do
    rel=${dir#"$dist"}; win=${rel//\//\\}
    echo "SetOutPath \"\$INSTDIR$win\"" >>"$lists/install-files.nsh"
    while IFS= read -r file; do
        echo "File \"$file\"" >>"$lists/install-files.nsh"
        echo "Delete \"\$INSTDIR$win\\$(basename "$file")\"" >>"$lists/uninstall-files.nsh"
    done < <(find "$dir" -maxdepth 1 -type f | sort)
done < <(find "$dist" -type d | sort)
while IFS= read -r dir; do
    rel=${dir#"$dist"}
    echo "RMDir \"\$INSTDIR${rel//\//\\}\"" >>"$lists/uninstall-files.nsh"
done < <(find "$dist" -mindepth 1 -type d | sort -r)
setup="$build/quimbra-$version-setup.exe"
makensis -V2 -DVERSION="$version" -DVERSION4="$version4" -DTOP_DIR="$root" \
         -DFILES_DIR="$lists" -DOUTFILE="$setup" packaging/quimbra.nsi

size() { stat -c %s "$1" | awk '{ printf "%.1f MB", $1 / 1048576 }'; }
echo "Windows program:   ${dist#"$root"/}/quimbra.exe"
echo "Portable zip:      ${zip#"$root"/} ($(size "$zip"))"
echo "Installer:         ${setup#"$root"/} ($(size "$setup"))"

if [[ "${WINDOWS_TESTS:-1}" != 0 ]]; then
    scripts/windows-test.sh
fi
