#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the program's icons from one picture.

- shell/resources/cijferwerf.ico: one icon with three images, 32x32 in 2
  colours, 32x32 in 16 colours and 16x16 in 16 colours;
- data/icons/hicolor/: the desktop's theme icons, PNGs of 16, 32, 48, 64 and
  128 pixels and a scalable SVG of the same picture.

The picture: a green tile with a black edge and the four operation signs,
+ and - above, x and : below.
"""
import os
import struct
import sys
import zlib

APP_ID = "nl.cijferwerf.Cijferwerf"

# The standard 16-colour palette, as (red, green, blue).
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, RED, LIME, WHITE = 0, 9, 10, 15


def picture(size, tile, edge, sign_colours):
    """Rows of palette indexes, top row first."""
    grid = [[tile] * size for _ in range(size)]
    for i in range(size):
        grid[0][i] = grid[size - 1][i] = grid[i][0] = grid[i][size - 1] = edge
    half = size // 2
    arm = 4 if size == 32 else 2          # half the length of a stroke
    thick = 2 if size == 32 else 1

    def plot(x, y, colour):
        if 0 < x < size - 1 and 0 < y < size - 1:
            grid[y][x] = colour

    def sign(kind, cx, cy, colour):
        for d in range(-arm, arm + (1 if thick == 1 else 0)):
            for t in range(thick):
                if kind in "+-":
                    plot(cx + d, cy + t - thick // 2, colour)
                if kind == "+":
                    plot(cx + t - thick // 2, cy + d, colour)
                if kind == "x":
                    plot(cx + d, cy + d + t - thick // 2, colour)
                    plot(cx + d, cy - d - 1 + t + (thick == 1) - thick // 2, colour)
        if kind == ":":
            for dy in (-arm + 1, arm - thick):
                for tx in range(thick):
                    for ty in range(thick):
                        plot(cx - thick // 2 + tx, cy + dy + ty, colour)

    centre = [half // 2, size - 1 - half // 2]
    for kind, cx, cy, colour in (("+", centre[0], centre[0], sign_colours[0]),
                                 ("-", centre[1], centre[0], sign_colours[0]),
                                 ("x", centre[0], centre[1], sign_colours[1]),
                                 (":", centre[1], centre[1], sign_colours[1])):
        sign(kind, cx, cy, colour)
    return grid


def bitmap(grid, bits, palette):
    size = len(grid)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    colours = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)

    def rows(values_per_row, bits_per_value):
        data = b""
        for row in reversed(values_per_row):
            packed, acc, n = bytearray(), 0, 0
            for v in row:
                acc = (acc << bits_per_value) | v
                n += bits_per_value
                if n == 8:
                    packed.append(acc)
                    acc, n = 0, 0
            while len(packed) % 4:
                packed.append(0)
            data += bytes(packed)
        return data

    xor = rows(grid, bits)
    mask = rows([[0] * size for _ in range(size)], 1)  # wholly opaque
    return header + colours + xor + mask


def png(grid, scale):
    """A PNG of the picture, each pixel drawn as a scale x scale square."""
    rows = b""
    for row in grid:
        line = b"".join(bytes(PALETTE16[v]) * scale for v in row)
        rows += (b"\x00" + line) * scale
    size = len(grid) * scale

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def svg(grid):
    """The picture as squares on a 32-unit grid, one rectangle per run."""
    size = len(grid)
    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
             f'viewBox="0 0 {size} {size}" shape-rendering="crispEdges">']
    for y, row in enumerate(grid):
        x = 0
        while x < size:
            end = x
            while end < size and row[end] == row[x]:
                end += 1
            r, g, b = PALETTE16[row[x]]
            parts.append(f'<rect x="{x}" y="{y}" width="{end - x}" height="1" '
                         f'fill="#{r:02x}{g:02x}{b:02x}"/>')
            x = end
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def write_theme_icons(root):
    large = picture(32, LIME, BLACK, (BLACK, RED))
    small = picture(16, LIME, BLACK, (BLACK, RED))
    for size, grid, scale in ((16, small, 1), (32, large, 1), (48, small, 3),
                              (64, large, 2), (128, large, 4)):
        folder = os.path.join(root, f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, APP_ID + ".png"), "wb") as f:
            f.write(png(grid, scale))
    folder = os.path.join(root, "scalable", "apps")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, APP_ID + ".svg"), "w") as f:
        f.write(svg(large))


def main(path):
    mono = [[0 if v == BLACK else 1 for v in row]
            for row in picture(32, WHITE, BLACK, (BLACK, BLACK))]
    images = [
        (32, 2, 1, bitmap(mono, 1, [(0, 0, 0), (255, 255, 255)])),
        (32, 16, 4, bitmap(picture(32, LIME, BLACK, (BLACK, RED)), 4, PALETTE16)),
        (16, 16, 4, bitmap(picture(16, LIME, BLACK, (BLACK, RED)), 4, PALETTE16)),
    ]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, colours, bits, data in images:
        out += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    out += b"".join(data for *_, data in images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    main(os.path.join(top, "shell", "resources", "cijferwerf.ico"))
    write_theme_icons(os.path.join(top, "data", "icons", "hicolor"))
