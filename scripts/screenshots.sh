#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes one PNG of each window of the real program under Xvfb and saves them
# as docs/menu.png, docs/ricbin.png, docs/abr.png, docs/sort.png, and the step
# views as docs/passo-sort.png, docs/passo-ricbin.png and docs/passo-abr.png.
# The buttons are clicked with xdotool at the places the window layouts give
# them (twips / 15 = pixels inside the window's client area).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh build screenshots
build=${BUILD:-build}
make --no-print-directory build BUILD="$build" >/dev/null
program="$root/$build/app/quimbra"
mkdir -p docs

export DISPLAY=${SCREENSHOTS_DISPLAY:-:99} # another display when :99 is taken
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
app_pid=
cleanup() {
    [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 || xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
app_pid=$!

# The window id of the visible window with exactly this caption.
window() {
    local id
    id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) ||
        { echo "screenshots.sh: no window \"$1\"" >&2; exit 1; }
    echo "$id"
}
# Clicks the middle of a control given in twips (left top width height).
click() {
    local id=$1 left=$2 top=$3 width=$4 height=$5
    xdotool mousemove --window "$id" $(((left + width / 2) / 15)) $(((top + height / 2) / 15)) \
            click 1
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
    import -window "$1" "docs/$2"
    echo "docs/$2: $(identify -format '%wx%h' "docs/$2")"
}

menu=$(window "Quimbra - prof. Orvalde")
shoot "$menu" menu.png

# Ricerca Binaria: search for a number and work out 12!
click "$menu" 1680 1320 1455 615
ricbin=$(window "Ricerca Binaria - prof. Orvalde")
sleep 1
TEXT=500 type_into "$ricbin" 2760 240 975 375     # txtX
click "$ricbin" 3960 240 1575 375                 # cmdRicBin
TEXT=12 type_into "$ricbin" 6000 480 855 375      # txtFatt (frame at 5760,120)
click "$ricbin" 6960 480 855 375                  # cmdFattoriale
shoot "$ricbin" ricbin.png

# Passo passo: the same search, three probes in
xdotool key F2
passo_ricbin=$(window "Passo passo: Ricerca Binaria - prof. Orvalde")
sleep 1
for _ in 1 2 3; do click "$passo_ricbin" 6600 1500 1350 495; done   # cmdPasso
shoot "$passo_ricbin" passo-ricbin.png
click "$passo_ricbin" 8625 6705 975 375          # Fine
click "$ricbin" 6960 6600 975 375                 # FINE

# ABR: the in-order visit, then a search
click "$menu" 1680 2280 1455 615
abr=$(window "ABR \\(Albero Binario di Ricerca\\) - prof. Orvalde")
sleep 1
click "$abr" 9720 720 975 495                     # Visita Simmetrica (frame at 9000,0)
TEXT=500 type_into "$abr" 9720 2280 975 375       # txtX
click "$abr" 9720 2760 975 495                    # Ricerca
shoot "$abr" abr.png

# Passo passo: the tree drawn as a tree, a search three nodes down
xdotool key F2
passo_abr=$(window "Passo passo: ABR - prof. Orvalde")
sleep 1
TEXT=700 type_into "$passo_abr" 12735 2340 1215 375   # txtChiave
click "$passo_abr" 12735 2820 1215 495            # Ricerca
for _ in 1 2 3; do click "$passo_abr" 120 6480 1350 495; done      # cmdPasso
shoot "$passo_abr" passo-abr.png
click "$passo_abr" 12735 6480 1215 495            # Fine
click "$abr" 9720 6120 975 495                    # Fine

# Ordinamenti: the comparison runs as the window opens
click "$menu" 1680 360 1455 615
sort=$(window "Sort - prof. Orvalde")
shoot "$sort" sort.png

# Passo passo: F2 on the Bubble list opens its step view; 20 random values,
# a few steps with Space on the bars
click "$sort" 1490 3000 975 1000                  # lstSort(1) (frame at 50,0)
xdotool key F2
passo=$(window "Passo passo: Bubble - prof. Orvalde")
sleep 1
click "$passo" 3900 120 3000 375                  # cboDati
xdotool key End Return
click "$passo" 120 600 15060 6300                 # the bars
xdotool key --delay 40 $(printf 'space %.0s' $(seq 27))
shoot "$passo" passo-sort.png
click "$passo" 13830 7560 1350 495                # Fine
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
echo "screenshots taken from $program"
