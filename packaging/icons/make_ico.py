#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes quimbra.ico, the icon of the Windows executable, from the XPM sources.

Both pictures (16x16 and 32x32) go in as 16-colour bitmaps with a
transparency mask, the classic icon format that every Windows version reads.
Run it after make_icons.py; the .ico file is committed like the XPM files.
"""
import pathlib
import struct

here = pathlib.Path(__file__).parent


def read_xpm(path):
    """Returns (width, height, rows of colours) with None for transparent."""
    strings = []
    for line in path.read_text().splitlines():
        line = line.strip()
        if line.startswith('"'):
            strings.append(line[1:line.rindex('"')])
    width, height, ncolours, cpp = map(int, strings[0].split())
    colours = {}
    for entry in strings[1:1 + ncolours]:
        key, rest = entry[:cpp], entry[cpp:].split()
        value = rest[rest.index("c") + 1]
        colours[key] = None if value.lower() == "none" else int(value.lstrip("#"), 16)
    rows = []
    for row in strings[1 + ncolours:1 + ncolours + height]:
        rows.append([colours[row[i:i + cpp]] for i in range(0, width * cpp, cpp)])
    return width, height, rows


def padded(data):
    return data + b"\0" * (-len(data) % 4)


def bitmap(width, height, rows):
    """A 4-bit BITMAPINFOHEADER image with its AND mask, rows bottom-up."""
    palette = sorted({c for row in rows for c in row if c is not None})
    if len(palette) > 16:
        raise SystemExit("make_ico.py: more than 16 colours")
    palette += [0] * (16 - len(palette))
    index = {c: i for i, c in enumerate(palette)}
    xor, mask = b"", b""
    for row in reversed(rows):
        nibbles = [index[c] if c is not None else 0 for c in row]
        xor += padded(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, width, 2)))
        bits = [1 if c is None else 0 for c in row]
        mask += padded(bytes(
            sum(bit << (7 - j) for j, bit in enumerate(bits[i:i + 8])) for i in range(0, width, 8)))
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    colours = b"".join(struct.pack("<BBBB", c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0) for c in palette)
    return header + colours + xor + mask


images = [read_xpm(here / f"quimbra-{size}.xpm") for size in (16, 32)]
blobs = [bitmap(*image) for image in images]
out = struct.pack("<HHH", 0, 1, len(blobs))
offset = len(out) + 16 * len(blobs)
for (width, height, _), blob in zip(images, blobs):
    out += struct.pack("<BBBBHHII", width, height, 16, 0, 1, 4, len(blob), offset)
    offset += len(blob)
out += b"".join(blobs)
(here / "quimbra.ico").write_bytes(out)
