# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Shell functions for the scripts that drive the program's windows on Xvfb
# (sourced, not run).

# grab WINDOW FILE: the window as the screen shows it, frame included where
# there is one (import -window sees Wine's windows black).
grab() {
    local geometry
    geometry=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
                                       /Width:/ { w = $2 } /Height:/ { h = $2 }
                                       END { printf "%dx%d+%d+%d", w, h, x, y }')
    import -window root -crop "$geometry" +repage "$2"
}

# client_area FILE: "width height left top" of the main menu's light cyan
# client area in a picture of its window. Measured along a column near the
# right edge, clear of the buttons, and a row near the bottom, clear of the
# title bar, whose icon has light cyan in it too.
client_area() {
    local picture=$1 width height column row w h x y
    read -r width height < <(identify -format '%w %h\n' "$picture")
    cyan() { convert "$picture" -crop "$1" +repage -fill black +opaque 'rgb(192,255,255)' \
                     -bordercolor black -border 1 -format '%@' info:; }
    column=$(cyan "1x$height+$((width - 8))+0")     # 1xH+1+Y
    h=${column#*x}; h=${h%%+*}; y=$((${column##*+} - 1))
    row=$(cyan "${width}x1+0+$((y + h - 4))")      # Wx1+X+1
    w=${row%%x*}; x=${row#*+}; x=$((${x%%+*} - 1))
    echo "$w $h $x $y"
}
