#!/usr/bin/env python3
"""Draws the toolbar's button images and writes the toolbar resource.

Run from anywhere; it writes beside itself:
  toolbar.bmp    80 x 40, 4 bits per pixel: two 40 x 40 buttons (open folder, disk)
  truecolor.bmp  64 x 32, 32 bits per pixel: the same two pictures at 32 x 32
  toolbar.dat    toolbar 132: version 1, buttons 40 x 40, commands 32771 and 32772
  commands.dat   the string table's block 2049 (strings 32768-32783): 32771 "Load file"
Every picture stands on a magenta ground, the colour the toolbar makes transparent.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)
YELLOW = (255, 255, 0)
OLIVE = (128, 128, 0)
NAVY = (0, 0, 128)
BLUE = (0, 0, 255)
SILVER = (192, 192, 192)
WHITE = (255, 255, 255)

# The sixteen colours of the 4-bit bitmap, in palette order.
PALETTE = [BLACK, (128, 0, 0), (0, 128, 0), OLIVE, NAVY, (128, 0, 128), (0, 128, 128),
           (128, 128, 128), SILVER, (255, 0, 0), (0, 255, 0), YELLOW, BLUE, MAGENTA,
           (0, 255, 255), WHITE]


def fill(image, left, top, right, bottom, colour):
    for y in range(top, bottom):
        for x in range(left, right):
            image[y][x] = colour


def frame(image, left, top, right, bottom, colour):
    for x in range(left, right):
        image[top][x] = colour
        image[bottom - 1][x] = colour
    for y in range(top, bottom):
        image[y][left] = colour
        image[y][right - 1] = colour


def draw_folder(image, ox, size):
    """An open yellow folder: the "Load file" button."""
    s = size / 40.0
    p = lambda v: int(round(v * s))
    fill(image, ox + p(4), p(10), ox + p(16), p(14), OLIVE)
    fill(image, ox + p(4), p(13), ox + p(34), p(32), YELLOW)
    frame(image, ox + p(4), p(13), ox + p(34), p(32), OLIVE)
    fill(image, ox + p(8), p(19), ox + p(37), p(32), OLIVE)
    fill(image, ox + p(9), p(20), ox + p(36), p(31), YELLOW)


def draw_disk(image, ox, size):
    """A blue floppy disk: the second button."""
    s = size / 40.0
    p = lambda v: int(round(v * s))
    fill(image, ox + p(6), p(6), ox + p(34), p(34), NAVY)
    fill(image, ox + p(11), p(6), ox + p(29), p(17), WHITE)
    fill(image, ox + p(23), p(8), ox + p(27), p(15), BLUE)
    fill(image, ox + p(10), p(22), ox + p(30), p(34), SILVER)
    frame(image, ox + p(6), p(6), ox + p(34), p(34), BLACK)


def strip(button, count):
    image = [[MAGENTA] * (button * count) for _ in range(button)]
    draw_folder(image, 0, button)
    draw_disk(image, button, button)
    return image


def bmp(image, bits):
    """A bottom-up BMP file of the image at 4 (palette above) or 32 bits per pixel."""
    height, width = len(image), len(image[0])
    stride = (width * bits + 31) // 32 * 4
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE) if bits == 4 else b""
    rows = []
    for row in reversed(image):
        if bits == 4:
            indexes = [PALETTE.index(colour) for colour in row]
            data = bytes((indexes[i] << 4) | (indexes[i + 1] if i + 1 < width else 0) for i in range(0, width, 2))
        else:
            data = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in row)
        rows.append(data.ljust(stride, b"\0"))
    pixels = b"".join(rows)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 2835, 2835,
                       len(PALETTE) if bits == 4 else 0, 0)
    return header + info + palette + pixels


def toolbar(width, height, commands):
    """The toolbar resource: version, button size, count, then one command a button."""
    return struct.pack("<4H", 1, width, height, len(commands)) + struct.pack("<%dH" % len(commands), *commands)


def string_block(strings):
    """Sixteen strings, each a byte count (a WORD) and its bytes; absent ones are empty."""
    return b"".join(struct.pack("<H", len(text)) + text for text in (strings.get(i, b"") for i in range(16)))


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


write("toolbar.bmp", bmp(strip(40, 2), 4))
write("truecolor.bmp", bmp(strip(32, 2), 32))
write("toolbar.dat", toolbar(40, 40, [32771, 32772]))
write("commands.dat", string_block({32771 % 16: b"Load file"}))
