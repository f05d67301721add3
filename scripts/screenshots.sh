#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes one PNG of each window of the real program under Xvfb and saves them
# as docs/menu.png, docs/ricbin.png, docs/abr.png, docs/sort.png, and the step
# views as docs/passo-sort.png, docs/passo-ricbin.png, docs/passo-fattoriale.png
# and docs/passo-abr.png, a question in the sorts' view as docs/domanda.png,
# and the growth chart as docs/grafico.png;
# then the four windows of the Windows build under Wine, with the frames Wine
# draws as Windows does, as docs/windows-*.png (SCREENSHOTS_WINDOWS=0 leaves
# them out).
# The buttons are clicked with xdotool at the places the window layouts give
# them (twips / 15 = pixels inside the window's client area).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/x11-window.sh
scripts/deps.sh build screenshots
build=${BUILD:-build}
make --no-print-directory build BUILD="$build" >/dev/null
program="$root/$build/app/quimbra"
mkdir -p docs

export DISPLAY=${SCREENSHOTS_DISPLAY:-:99} # another display when :99 is taken
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
app_pid=
wineprefix=
cleanup() {
    [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n "$wineprefix" ]] && { WINEPREFIX=$wineprefix wineserver -k 2>/dev/null || true; rm -rf "$wineprefix"; }
    kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 || xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# The window id of the visible window with exactly this caption.
window() {
    local id
    id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) ||
        { echo "screenshots.sh: no window \"$1\"" >&2; exit 1; }
    echo "$id"
}
# Clicks the middle of a control given in twips (left top width height);
# the client area starts at (origin_x, origin_y) inside the window.
origin_x=0
origin_y=0
click() {
    local id=$1 left=$2 top=$3 width=$4 height=$5
    xdotool mousemove --window "$id" $((origin_x + (left + width / 2) / 15)) \
            $((origin_y + (top + height / 2) / 15)) click 1
    sleep 0.5
}
type_into() {
    local id=$1; shift 1
    click "$id" "$@"
    xdotool key ctrl+a BackSpace
    xdotool type --delay 50 "$TEXT"
}
shoot() {
    sleep 1
    grab "$1" "docs/$prefix$2"
    echo "docs/$prefix$2: $(identify -format '%wx%h' "docs/$prefix$2")"
}

# Opens each window from the menu, uses it, takes its picture and closes it;
# then ends the program with "Fine".
shoot_all() {
    menu=$(window "Quimbra - prof. Orvalde")
    sleep 1
    shoot "$menu" menu.png
    # Where the client area starts: the top left of the menu's light cyan.
    read -r _ _ origin_x origin_y < <(client_area "docs/${prefix}menu.png")

    # Ricerca Binaria: search for a number and work out 12!
    click "$menu" 1680 1320 1455 615
    ricbin=$(window "Ricerca Binaria - prof. Orvalde")
    sleep 1
    TEXT=500 type_into "$ricbin" 2760 240 975 375     # txtX
    click "$ricbin" 3960 240 1575 375                 # cmdRicBin
    TEXT=12 type_into "$ricbin" 6000 480 855 375      # txtFatt (frame at 5760,120)
    click "$ricbin" 6960 480 855 375                  # cmdFattoriale
    shoot "$ricbin" ricbin.png

    if [[ -z "$prefix" ]]; then   # the step views in the Linux pictures only
        # F2 from the factorial's frame, where the focus is: 12! on its way back
        xdotool key F2
        passo_fatt=$(window "Passo passo: Fattoriale - prof. Orvalde")
        sleep 1
        for _ in $(seq 14); do click "$passo_fatt" 4830 1500 1350 495; done   # cmdPasso
        shoot "$passo_fatt" passo-fattoriale.png
        click "$passo_fatt" 10530 7105 1350 495         # Fine
        click "$ricbin" 2760 240 975 375                  # back in txtX
        # Passo passo: the same search, three probes in
        xdotool key F2
        passo_ricbin=$(window "Passo passo: Ricerca Binaria - prof. Orvalde")
        sleep 1
        for _ in 1 2 3; do click "$passo_ricbin" 6600 1980 1350 495; done   # cmdPasso
        shoot "$passo_ricbin" passo-ricbin.png
        click "$passo_ricbin" 8625 7185 975 375          # Fine
    fi
    click "$ricbin" 6960 6600 975 375                 # FINE

    # ABR: the in-order visit, then a search
    click "$menu" 1680 2280 1455 615
    abr=$(window "ABR \\(Albero Binario di Ricerca\\) - prof. Orvalde")
    sleep 1
    click "$abr" 9720 720 975 495                     # Visita Simmetrica (frame at 9000,0)
    TEXT=500 type_into "$abr" 9720 2280 975 375       # txtX
    click "$abr" 9720 2760 975 495                    # Ricerca
    shoot "$abr" abr.png

    if [[ -z "$prefix" ]]; then   # the step views in the Linux pictures only
        # Passo passo: the class's own keys built balanced, then 45 inserted,
        # three comparisons down
        xdotool key F2
        passo_abr=$(window "Passo passo: ABR - prof. Orvalde")
        sleep 1
        TEXT="50 30 70 20 40 60 80 35 65" type_into "$passo_abr" 1200 5100 5400 375   # txtDati
        xdotool key Return                                # Usa
        TEXT=45 type_into "$passo_abr" 15735 2340 1215 375    # txtChiave
        click "$passo_abr" 15735 3390 1215 495            # Inserisci
        for _ in 1 2 3; do click "$passo_abr" 120 6480 1350 495; done      # cmdPasso
        shoot "$passo_abr" passo-abr.png
        click "$passo_abr" 15735 6480 1215 495            # Fine
    fi
    click "$abr" 9720 6120 975 495                    # Fine

    # Ordinamenti: the comparison runs as the window opens
    click "$menu" 1680 360 1455 615
    sort=$(window "Sort - prof. Orvalde")
    shoot "$sort" sort.png

    if [[ -z "$prefix" ]]; then   # the step views in the Linux pictures only
        # Passo passo: F2 on the Bubble list opens its step view; a teacher's
        # values typed in, a few steps with Space on the bars
        click "$sort" 1490 3000 975 1000                  # lstSort(1) (frame at 50,0)
        xdotool key F2
        passo=$(window "Passo passo: Bubble - prof. Orvalde")
        sleep 1
        TEXT="7 3 9 1 4 3 8 12 5 3 10 6" type_into "$passo" 1200 600 5400 375   # txtDati
        xdotool key Return
        click "$passo" 120 1080 15060 3840                # the bars
        xdotool key --delay 40 $(printf 'space %.0s' $(seq 15))
        shoot "$passo" passo-sort.png
        # The questions on, "Fino alla fine" goes to the first of them
        click "$passo" 120 10875 1260 315                 # chkDomande
        click "$passo" 4530 10170 1650 495                # cmdTutto
        shoot "$passo" domanda.png
        click "$passo" 13830 10170 1350 495               # Fine
        # Grafico della crescita: F3 on the window; all eight sorts, on a
        # logarithmic scale with the reference curves, once computed
        xdotool windowfocus --sync "$sort"   # no window manager hands the focus back
        xdotool key F3
        grafico=$(window "Grafico della crescita - prof. Orvalde")
        sleep 1
        click "$grafico" 3300 555 2100 375                # chkTutti
        click "$grafico" 9900 120 1800 375                # chkLogaritmica
        click "$grafico" 11760 120 1920 375               # chkRiferimenti
        sleep 8
        shoot "$grafico" grafico.png
        click "$grafico" 12330 9495 1350 495              # Fine
    fi
    click "$sort" 2160 7500 975 255                   # FINE

    # Fine ends the program
    click "$menu" 1680 4080 1455 615
    for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$app_pid" 2>/dev/null; then
        echo "screenshots.sh: the program did not end on Fine" >&2
        exit 1
    fi
    wait "$app_pid" || { echo "screenshots.sh: the program ended with an error" >&2; exit 1; }
    app_pid=
}

prefix=
QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
app_pid=$!
shoot_all
echo "screenshots taken from $program"

if [[ "${SCREENSHOTS_WINDOWS:-1}" != 0 ]]; then
    WINDOWS_TESTS=0 scripts/windows.sh >/dev/null
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-win/CMakeCache.txt)
    exe="$root/build-win/quimbra-$version-win64/quimbra.exe"
    wineprefix=$(mktemp -d "${TMPDIR:-/tmp}/quimbra-wine.XXXXXX")
    export WINEPREFIX=$wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export XDG_DATA_HOME="$wineprefix/xdg-data" XDG_CONFIG_HOME="$wineprefix/xdg-config"
    wineboot -i >/dev/null 2>&1
    # Wine draws the window frames itself, as Windows does.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
    prefix=windows-
    wine "$exe" >/dev/null 2>&1 &
    app_pid=$!
    shoot_all
    echo "screenshots taken from $exe under Wine"
fi

# The page in headless Chromium: the browser test saves its two pictures.
if [[ "${SCREENSHOTS_WEB:-1}" != 0 ]]; then
    WEB_TESTS=0 scripts/web.sh >/dev/null
    node --experimental-websocket --no-warnings tests/web/browser_test.mjs build-web/site docs >/dev/null ||
        { echo "screenshots.sh: the browser test failed" >&2; exit 1; }
    echo "screenshots taken from build-web/site in Chromium"
fi
