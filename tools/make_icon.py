#!/usr/bin/env python3
"""Writes the program's icon, shell/resources/cijferwerf.ico.

One icon with three images: 32x32 in 2 colours, 32x32 in 16 colours and
16x16 in 16 colours. The picture: a green tile with a black edge and the four
operation signs, + and - above, x and : below.
"""
import struct
import sys

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
    main(sys.argv[1] if len(sys.argv) > 1 else "shell/resources/cijferwerf.ico")
