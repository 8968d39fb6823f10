#!/usr/bin/env python3
"""Writes quorvel.ico, the program's icon: a servo horn on a blue tile, drawn at 48, 32
and 16 pixels, each at 16 colours, 256 colours and 24-bit colour (nine images).

Run it from anywhere; it writes next to itself. Standard library only."""

import math
import os
import struct

SIZES = (48, 32, 16)
DEPTHS = (4, 8, 24)

TILE = (32, 84, 160)
TILE_EDGE = (16, 48, 104)
HORN = (240, 240, 240)
HUB = (200, 40, 40)

# The 16 colours of the standard palette.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def palette256():
    """A 6 x 6 x 6 colour cube, then greys, then black to fill 256 entries."""
    colours = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    colours += [(v, v, v) for v in range(8, 248, 6)][: 256 - len(colours)]
    colours += [(0, 0, 0)] * (256 - len(colours))
    return colours


def inside_rounded_square(x, y, size, radius, margin=0.0):
    """Whether (x, y) lies in the tile's rounded square, shrunk by margin on each side."""
    low, high, r = radius, size - radius, radius - margin
    cx = min(max(x, low), high)
    cy = min(max(y, low), high)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r ** 2


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def draw(size):
    """Rows top to bottom of (r, g, b) or None for a transparent pixel."""
    s = size / 48.0
    centre = size / 2.0
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            px, py = x + 0.5, y + 0.5
            if not inside_rounded_square(px, py, size, 8 * s):
                row.append(None)
                continue
            colour = TILE if inside_rounded_square(px, py, size, 8 * s, 2 * s) else TILE_EDGE
            # The horn: a bar across the tile with round ends, and a hub in the middle.
            arm = distance_to_segment(px, py, 11 * s, 37 * s, 37 * s, 11 * s)
            if arm <= 5.5 * s:
                colour = HORN
            if math.hypot(px - centre, py - centre) <= 5 * s:
                colour = HUB
            row.append(colour)
        rows.append(row)
    return rows


def nearest(colour, palette):
    return min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, palette[i])))


def pad4(data):
    return data + b"\0" * (-len(data) % 4)


def image(size, depth):
    """One icon image: header, palette, colour rows and mask rows, bottom row first."""
    pixels = draw(size)
    palette = VGA16 if depth == 4 else palette256() if depth == 8 else []
    colour_rows = []
    mask_rows = []
    for row in reversed(pixels):
        if depth == 24:
            data = b"".join(bytes((c or (0, 0, 0))[::-1]) for c in row)
        else:
            indexes = [nearest(c, palette) if c else 0 for c in row]
            if depth == 8:
                data = bytes(indexes)
            else:
                data = bytes((indexes[i] << 4) | indexes[i + 1] for i in range(0, size, 2))
        colour_rows.append(pad4(data))
        bits = 0
        mask = bytearray()
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c is None else 0)
            if i % 8 == 7:
                mask.append(bits)
                bits = 0
        mask_rows.append(pad4(bytes(mask)))
    colour = b"".join(colour_rows)
    mask = b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, depth, 0, len(colour) + len(mask), 0, 0,
                         len(palette), 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + table + colour + mask


def icon_file():
    images = [(size, depth, image(size, depth)) for size in SIZES for depth in DEPTHS]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, depth, data in images:
        colours = 16 if depth == 4 else 0
        entries += struct.pack("<BBBBHHII", size, size, colours, 0, 1, depth, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(data for _, _, data in images)


if __name__ == "__main__":
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "quorvel.ico")
    with open(path, "wb") as f:
        f.write(icon_file())
