"""Turns the frame that Xvfb keeps in a file (X window dump format) into a PNG picture,
with nothing but the standard library."""

import struct
import zlib

HEADER_FIELDS = 25
XWD_COLOR_SIZE = 12
LSB_FIRST = 0


def _png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def _rgb_rows(image, width, height, bytes_per_line, byte_order):
    """Rows of 8-bit RGB from 32-bit pixels whose masks are 0xFF0000, 0xFF00 and 0xFF."""
    red, green, blue = (2, 1, 0) if byte_order == LSB_FIRST else (1, 2, 3)
    rows = bytearray()
    for y in range(height):
        row = image[y * bytes_per_line:y * bytes_per_line + width * 4]
        rgb = bytearray(width * 3)
        rgb[0::3] = row[red::4]
        rgb[1::3] = row[green::4]
        rgb[2::3] = row[blue::4]
        rows += b"\x00" + rgb
    return bytes(rows)


def save_frame_as_png(frame_path, png_path):
    with open(frame_path, "rb") as frame:
        data = frame.read()
    fields = struct.unpack(">%dI" % HEADER_FIELDS, data[:HEADER_FIELDS * 4])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    masks, ncolors = fields[14:17], fields[19]
    if bits_per_pixel != 32 or masks != (0xFF0000, 0xFF00, 0xFF):
        raise ValueError("only 32-bit true-colour frames are supported")
    start = header_size + ncolors * XWD_COLOR_SIZE
    rows = _rgb_rows(data[start:start + bytes_per_line * height], width, height, bytes_per_line, byte_order)
    with open(png_path, "wb") as png:
        png.write(b"\x89PNG\r\n\x1a\n")
        png.write(_png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        png.write(_png_chunk(b"IDAT", zlib.compress(rows, 6)))
        png.write(_png_chunk(b"IEND", b""))
