#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package with CPack, validates its desktop entry and
# metadata, checks its contents and dependencies, runs lintian on it (any
# error or warning fails), and proves that the installed program starts.
# Exits non-zero on the first failure.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-pkg"
cd "$root"

step() { printf '\n== %s\n' "$*"; }
fail() { printf 'package.sh: FAILED: %s\n' "$*" >&2; exit 1; }

scripts/deps.sh build package

# Debian's own compiler and linker flags, all hardening included, as a
# package built by Debian's tools would get them.
buildflags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }

step "Configure and build (Release, prefix /usr, no tests) in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DQUIMBRA_BUILD_TESTS=OFF -DQUIMBRA_BUILD_BENCH=OFF \
      "-DCMAKE_CXX_FLAGS=$(buildflags CPPFLAGS) $(buildflags CXXFLAGS)" \
      "-DCMAKE_EXE_LINKER_FLAGS=$(buildflags LDFLAGS)" >/dev/null
cmake --build "$build" -j "$(nproc)"

step "CPack"
rm -f "$build"/quimbra_*.deb
(cd "$build" && cpack -G DEB --config CPackConfig.cmake) || fail "cpack"
arch=$(dpkg --print-architecture)
# The one version number is the project's, as CMake handed it to CPack.
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[[ -n "$version" ]] || fail "no CPACK_PACKAGE_VERSION in $build/CPackConfig.cmake"
deb="$build/quimbra_${version}_${arch}.deb"
[[ -f "$deb" ]] || fail "expected $deb; found: $(ls "$build"/*.deb 2>/dev/null || echo none)"
echo "package: $deb"

step "Validators"
desktop-file-validate packaging/it.orvalde.Quimbra.desktop || fail "desktop-file-validate"
echo "desktop-file-validate: passed"
metainfo="$build/packaging/it.orvalde.Quimbra.metainfo.xml"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metadata has no release $version"

step "Control fields"
dpkg-deb --info "$deb"
field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == quimbra ]] || fail "Package field"
[[ $(field Version) == "$version" ]] || fail "Version field"
[[ $(field Section) == education ]] || fail "Section field"
[[ -n $(field Maintainer) ]] || fail "no Maintainer"
depends=$(field Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ "$depends" == *"$lib "* ]] || fail "Depends lacks $lib (computed: $depends)"
done
echo "computed dependencies: $depends"

step "Contents"
dpkg-deb --contents "$deb"
scratch=$(mktemp -d)
cleanup() {
    rm -rf "$scratch"
    if [[ -n "${installed_with_apt:-}" ]]; then
        apt-get remove -y -qq quimbra >/dev/null || true
    fi
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$scratch"
for f in usr/bin/quimbra \
         usr/share/applications/it.orvalde.Quimbra.desktop \
         usr/share/metainfo/it.orvalde.Quimbra.metainfo.xml \
         usr/share/icons/hicolor/16x16/apps/it.orvalde.Quimbra.png \
         usr/share/icons/hicolor/32x32/apps/it.orvalde.Quimbra.png \
         usr/share/doc/quimbra/copyright \
         usr/share/doc/quimbra/changelog.gz \
         usr/share/man/man1/quimbra.1.gz \
         usr/share/man/it/man1/quimbra.1.gz; do
    [[ -s "$scratch/$f" ]] || fail "missing in package: /$f"
done
[[ -x "$scratch/usr/bin/quimbra" ]] || fail "/usr/bin/quimbra is not executable"
for size in 16 32; do
    info=$(file -b "$scratch/usr/share/icons/hicolor/${size}x${size}/apps/it.orvalde.Quimbra.png")
    [[ "$info" == "PNG image data, $size x $size,"* ]] || fail "icon ${size}x${size}: $info"
done
unexpected=$(dpkg-deb --contents "$deb" | awk '{print $6}' | grep -v '/$' |
             grep -vE '^\./usr/(bin/quimbra|share/(applications|metainfo|icons/hicolor/(16x16|32x32)/apps)/it\.orvalde\.Quimbra\.(desktop|metainfo\.xml|png))$' |
             grep -vE '^\./usr/share/(doc/quimbra/(copyright|changelog\.gz)|man/(it/)?man1/quimbra\.1\.gz)$' || true)
[[ -z "$unexpected" ]] || fail "unexpected files in package: $unexpected"
echo "contents: the executable, desktop entry, metadata, two icons, copyright, changelog"
echo "and two manual pages, nothing else"

step "Changelog, manual pages"
changelog="$scratch/changelog"
gzip -dc "$scratch/usr/share/doc/quimbra/changelog.gz" > "$changelog"
[[ $(dpkg-parsechangelog -l "$changelog" -S Version) == "$version" ]] ||
    fail "changelog's latest entry is not $version"
for page in man1 it/man1; do
    file="$scratch/usr/share/man/$page/quimbra.1.gz"
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 -Z "$file" 2>&1 >/dev/null)
    [[ -z "$warnings" ]] || fail "/usr/share/man/$page/quimbra.1.gz: $warnings"
    gzip -dc "$file" | grep -q "^\.TH QUIMBRA 1 .*\"Quimbra $version\"" || fail "$page page is not for $version"
done
echo "changelog: version $version; manual pages: version $version, no warning"

step "lintian"
# Errors and warnings fail the package; the informational tags are listed.
lintian --fail-on error,warning --display-info "$deb" 2>&1 |
    { grep -v '^running with root privileges' || true; } || fail "lintian"
echo "lintian: no error, no warning"

# Starts a program headless for 3 seconds; timeout's 124 means it was still
# running, anything earlier is a failure.
starts() {
    local rc=0
    QT_QPA_PLATFORM=offscreen timeout 3 "$@" || rc=$?
    [[ $rc -eq 124 ]] || fail "$* exited early with status $rc"
    echo "$*: still running after 3 s (stopped by timeout)"
}

step "Start the extracted program"
starts "$scratch/usr/bin/quimbra"

if [[ $(id -u) -eq 0 && "${CI:-}" == true ]]; then
    step "Install with apt (CI), start, remove"
    if dpkg-query -W -f='${Status}' quimbra 2>/dev/null | grep -q "install ok installed"; then
        fail "a quimbra package is already installed; not touching it"
    fi
    installed_with_apt=1
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null || fail "apt-get install"
    starts /usr/bin/quimbra
    apt-get remove -y -qq quimbra >/dev/null || fail "apt-get remove"
    installed_with_apt=
    [[ ! -e /usr/bin/quimbra ]] || fail "/usr/bin/quimbra left behind after removal"
    echo "installed, started and removed again"
fi

step "Package checked: $deb"
