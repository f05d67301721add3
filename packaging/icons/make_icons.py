#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the program icon, 16x16 and 32x32 in 16 colours, as XPM sources.

The picture: a light cyan tile with a dark blue border and four bars of
rising height, the sorted columns of the comparison window.
Run it again after changing the drawing; the XPM files are committed.
"""
import pathlib

PALETTE = {
    ".": "None",
    "b": "#000080",  # border, dark blue
    "c": "#C0FFFF",  # tile, light cyan
    "1": "#C000C0",  # bars
    "2": "#FF8000",
    "3": "#008000",
    "4": "#0000FF",
}


def draw(size):
    grid = [["." for _ in range(size)] for _ in range(size)]
    for y in range(size):
        for x in range(size):
            edge = x in (0, size - 1) or y in (0, size - 1)
            corner = (x in (0, size - 1)) and (y in (0, size - 1))
            if corner:
                continue
            grid[y][x] = "b" if edge else "c"
    unit = size // 16
    bar_w = 2 * unit
    gap = unit
    left = (size - (4 * bar_w + 3 * gap)) // 2
    bottom = size - 2 * unit
    for i, colour in enumerate("1234"):
        height = (3 + 3 * i) * unit
        x0 = left + i * (bar_w + gap)
        for y in range(bottom - height, bottom):
            for x in range(x0, x0 + bar_w):
                grid[y][x] = colour
    return grid


def xpm(name, grid):
    size = len(grid)
    lines = [f'"{size} {size} {len(PALETTE)} 1",']
    lines += [f'"{k} c {v}",' for k, v in PALETTE.items()]
    lines += ['"' + "".join(row) + '",' for row in grid]
    lines[-1] = lines[-1].rstrip(",")
    return "/* XPM */\nstatic const char *" + name + "[] = {\n" + "\n".join(lines) + "\n};\n"


here = pathlib.Path(__file__).parent
for size in (16, 32):
    (here / f"quimbra-{size}.xpm").write_text(xpm(f"quimbra_{size}", draw(size)))
