#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Tests the Windows release that scripts/windows.sh made, under Wine on a
# private Xvfb display, in one fresh Wine prefix for the whole run:
#  1. the DLL check itself, on broken copies of the deployed folder;
#  2. the project's Qt Test programs, cross-built, through CTest;
#  3. the deployed quimbra.exe: the menu appears with its caption and client
#     size, clicks on its buttons open the three windows, "Fine" ends it with
#     exit status 0 (and the Linux build's start-up time beside it);
#  4. the installer: silent install, the installed program started, silent
#     uninstall, and nothing of it left in the prefix.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=$(realpath -m "${BUILD_WIN:-build-win}")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
dist="$build/quimbra-$version-win64"
setup="$build/quimbra-$version-setup.exe"
[[ -x "$dist/quimbra.exe" && -f "$setup" ]] || { echo "windows-test: run make windows first" >&2; exit 1; }

source scripts/x11-window.sh
say() { echo "windows-test: $*"; }
fail() { echo "windows-test: FAIL: $*" >&2; exit 1; }
step_start=$SECONDS
step_done() { say "$1 ($((SECONDS - step_start)) s)"; step_start=$SECONDS; }

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"   # no Mono or Gecko prompts, no Linux menu entries
unset WINEPATH
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/quimbra-wine.XXXXXX")
export WINEPREFIX
# Wine's own desktop folders and menus go into the prefix, not into $HOME.
export XDG_DATA_HOME="$WINEPREFIX/xdg-data" XDG_CONFIG_HOME="$WINEPREFIX/xdg-config"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/quimbra-wintest.XXXXXX")
xvfb_pid=
app_pid=
cleanup() {
    [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$WINEPREFIX" "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s "$scratch/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")"

# One prefix for the whole run: creating one takes a while. Wine draws the
# window frames itself, as Windows does, rather than leaving them to an X
# window manager (there is none on Xvfb).
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
step_done "fresh Wine prefix ready"

# 1. The DLL check fails on each broken copy, naming the fault.
check_case() {
    local mutation=$1 expected=$2 copy="$scratch/dll-check"
    rm -rf "$copy"
    cp -r "$dist" "$copy"
    (cd "$copy" && eval "$mutation")
    if scripts/windows-dll-check.sh "$copy" 2>"$scratch/dll-check.err"; then
        fail "DLL check passed after: $mutation"
    fi
    grep -qF "$expected" "$scratch/dll-check.err" ||
        fail "DLL check after '$mutation' did not say '$expected': $(cat "$scratch/dll-check.err")"
}
check_case "rm Qt6Gui.dll"            "quimbra.exe imports Qt6Gui.dll, which is neither"
check_case "rm libwinpthread-1.dll"   "imports libwinpthread-1.dll, which is neither"
check_case "rm Qt6Widgets.dll"        "styles/qwindowsvistastyle.dll imports Qt6Widgets.dll"
check_case "cp Qt6Core.dll extra.dll" "extra.dll is in the folder but nothing imports it"
step_done "DLL check catches missing and stray DLLs"

# 2. The Qt Test programs under Wine (scripts/wine-run.sh runs each one).
# The window tests use the offscreen platform plugin there as on Linux. The
# offscreen plugin of a Windows Qt has no fonts, though, so tst_highdpi, which
# measures text, runs with the windows plugin on the display, alone (the
# window tests on one display would take the activation from each other).
# tst_layout stays out: its control positions all pass under Wine, but its
# check that the tree lists' lines fit measures Wine's stand-in for Courier
# with the Vista style's margins and misses by a few pixels.
# Only the Qt Test programs: the other tests check Linux files with Linux tools.
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "${JOBS:-$(nproc)}" \
        -R '^tst_' -E '^(tst_layout|tst_highdpi)$') ||
    fail "Qt Test programs under Wine"
(cd "$build" && WINE_QPA_PLATFORM=windows ctest --output-on-failure -R '^tst_highdpi$') ||
    fail "tst_highdpi under Wine"
step_done "Qt Test programs passed under Wine"

# 3. The real program on the display. Twips / 15 = pixels in a client area.
menu_caption='Quimbra - prof\. Orvalde'
wait_window() {   # caption regex, seconds -> window id; looks every 50 ms
    local id deadline=$((SECONDS + $2))
    until id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [[ -n "$id" ]]; do
        ((SECONDS < deadline)) || fail "no window \"$1\" within $2 s"
        sleep 0.05
    done
    echo "$id"
}
wait_gone() {     # caption regex: the window closes within 10 s
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window \"$1\" still open 10 s after its close button"
}
click() {         # window id, client origin x y, control left top width height (twips)
    xdotool mousemove --window "$1" $(($2 + ($4 + $6 / 2) / 15)) $(($3 + ($5 + $7 / 2) / 15)) click 1
}
# Starts a program, waits for the menu and reports the time; checks that the
# menu's light cyan client area is 4800 x 4890 twips; opens the three windows
# from the menu and closes each with its own button; ends with "Fine".
exercise() {
    local label=$1; shift
    local start end menu area ox oy w h id status
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 &
    app_pid=$!
    menu=$(wait_window "$menu_caption" 60)
    end=$(date +%s.%N)
    startup=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }')
    sleep 1
    grab "$menu" "$scratch/menu.png"
    read -r w h ox oy < <(client_area "$scratch/menu.png")
    [[ "${w}x${h}" == 320x326 ]] || fail "$label: menu client area ${w}x${h}, expected 320x326"
    # Menu button (its top in twips), the window's caption, its cmdFine button.
    local opened=(
        "1320|Ricerca Binaria - prof\. Orvalde|6960 6600 975 375"
        "2280|ABR \(Albero Binario di Ricerca\) - prof\. Orvalde|9720 6120 975 495"
        "360|Sort - prof\. Orvalde|2160 7500 975 255"
    )
    local entry top caption fine
    for entry in "${opened[@]}"; do
        IFS='|' read -r top caption fine <<<"$entry"
        click "$menu" "$ox" "$oy" 1680 "$top" 1455 615
        id=$(wait_window "$caption" 30)
        sleep 1
        # shellcheck disable=SC2086
        click "$id" "$ox" "$oy" $fine
        wait_gone "$caption"
    done
    click "$menu" "$ox" "$oy" 1680 4080 1455 615
    for _ in $(seq 300); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app_pid" 2>/dev/null && fail "$label: still running 30 s after Fine"
    status=0; wait "$app_pid" || status=$?
    app_pid=
    [[ $status -eq 0 ]] || fail "$label: ended with exit status $status"
}
exercise "deployed quimbra.exe" wine "$dist/quimbra.exe"
windows_startup=$startup
step_done "deployed quimbra.exe: menu in $windows_startup s, three windows opened, Fine ended it with 0"
linux_program="$root/${BUILD:-build}/app/quimbra"
if [[ -x "$linux_program" ]]; then
    exercise "Linux quimbra" env QT_QPA_PLATFORM=xcb "$linux_program"
    say "start-up to the menu: Windows build under Wine $windows_startup s, Linux build $startup s"
fi

# 4. Silent install, the installed program, silent uninstall.
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quimbra'
installed="$WINEPREFIX/drive_c/Program Files/Quimbra"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quimbra.lnk"
snapshot() { (cd "$WINEPREFIX/drive_c" && find . -path '*/Temp' -prune -o -print | sort); }
snapshot >"$scratch/before"
# What the registry already says of Quimbra (the Qt Test programs above use
# the file dialog, which remembers its folders under QtProject): only what
# the installer adds counts.
registry() { cat "$WINEPREFIX"/*.reg | tr -d '\r' | grep -i quimbra | sort || true; }
registry >"$scratch/registry-before"

wine "$setup" /S >/dev/null 2>&1 || fail "the installer ended with an error"
wineserver -w
[[ -f "$installed/quimbra.exe" && -f "$installed/platforms/qwindows.dll" &&
   -f "$installed/styles/qwindowsvistastyle.dll" && -f "$installed/uninstall.exe" ]] ||
    fail "the installer did not install the program into Program Files"
[[ -f "$shortcut" ]] || fail "no Start-menu entry Quimbra"
cmp -s "$dist/quimbra.exe" "$installed/quimbra.exe" || fail "the installed quimbra.exe differs from the built one"
wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r' >"$scratch/registration"
for entry in "DisplayName	REG_SZ	Quimbra" "DisplayVersion	REG_SZ	$version" \
             "Publisher	REG_SZ	prof. Orvalde" "DisplayIcon	REG_SZ	C:\\Program Files\\Quimbra\\quimbra.exe,0" \
             "UninstallString	REG_SZ	\"C:\\Program Files\\Quimbra\\uninstall.exe\""; do
    grep -qF "$entry" <(sed -E 's/^ +//; s/ {4}/\t/g' "$scratch/registration") ||
        fail "the uninstaller's registration lacks: $entry"
done
size=$(sed -nE 's/^ +EstimatedSize +REG_DWORD +0x([0-9a-f]+)$/\1/p' "$scratch/registration")
[[ -n "$size" ]] && (( 16#$size > 1024 )) || fail "the registration gives no plausible size ($size)"
step_done "installed silently: files, Start-menu entry, registration ($((16#$size)) KB)"

exercise "installed quimbra.exe" wine 'C:\Program Files\Quimbra\quimbra.exe'
step_done "installed program started, opened its windows and ended with 0"

wine 'C:\Program Files\Quimbra\uninstall.exe' /S >/dev/null 2>&1 || fail "the uninstaller ended with an error"
wineserver -w   # the uninstaller runs on from a copy in the temp folder
[[ ! -e "$installed" ]] || fail "Program Files\\Quimbra left behind: $(ls -R "$installed")"
[[ ! -e "$shortcut" ]] || fail "Start-menu entry left behind"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "uninstall registration left behind"
registry | comm -13 "$scratch/registry-before" - >"$scratch/registry-left"
[[ ! -s "$scratch/registry-left" ]] || fail "registry entries left behind: $(cat "$scratch/registry-left")"
snapshot >"$scratch/after"
diff "$scratch/before" "$scratch/after" >"$scratch/left" || fail "files left behind: $(cat "$scratch/left")"
step_done "uninstalled silently: nothing left behind"
say "all Windows tests passed"
