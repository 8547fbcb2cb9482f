#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the holiday flag: a 32 x 32 picture, transparent but for a small
waving flag of 18 x 13 pixels in its top-left corner (blue, black and white
bands with a grey outline). Writes lipp.png and lipp.svg pixel for pixel, so
both show the same crisp picture at 32 x 32."""
import struct
import zlib
from pathlib import Path

SIZE = 32
WIDTH, HEIGHT = 18, 13
BLUE, BLACK, WHITE, GREY = (0x00, 0x72, 0xCE), (0, 0, 0), (0xFF, 0xFF, 0xFF), (0x80, 0x80, 0x80)
# Vertical shift of each column: the wave of the cloth (0..2 pixels).
WAVE = [1, 1, 0, 0, 0, 0, 0, 1, 1, 2, 2, 2, 2, 1, 1, 0, 0, 0]
BAND = 3  # rows per colour band


def pixels():
    grid = {}
    for x in range(WIDTH):
        top = WAVE[x]
        bottom = top + 3 * BAND + 1
        for y in range(top, bottom + 1):
            if x in (0, WIDTH - 1) or y in (top, bottom):
                grid[(x, y)] = GREY
            else:
                grid[(x, y)] = (BLUE, BLACK, WHITE)[(y - top - 1) // BAND]
    assert max(y for _, y in grid) == HEIGHT - 1
    return grid


def png(grid):
    rows = b""
    for y in range(SIZE):
        rows += b"\x00"
        for x in range(SIZE):
            c = grid.get((x, y))
            rows += bytes(c + (255,)) if c else b"\x00\x00\x00\x00"

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def svg(grid):
    rects = "\n".join(
        f'  <rect x="{x}" y="{y}" width="1" height="1" fill="#{c[0]:02X}{c[1]:02X}{c[2]:02X}"/>'
        for (x, y), c in sorted(grid.items(), key=lambda p: (p[0][1], p[0][0])))
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
            f'viewBox="0 0 {SIZE} {SIZE}" shape-rendering="crispEdges">\n{rects}\n</svg>\n')


if __name__ == "__main__":
    here = Path(__file__).resolve().parent
    grid = pixels()
    (here / "lipp.png").write_bytes(png(grid))
    (here / "lipp.svg").write_text(svg(grid))
