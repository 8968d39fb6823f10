#include "icofile.h"

#include <cstdlib>

namespace {

// One image of the file, as its directory entry and bitmap header describe it.
struct ImageLayout {
    int cx = 0;
    int cy = 0;
    int bitCount = 0;
    size_t paletteCount = 0;
    const BYTE* palette = nullptr;  // blue, green, red, reserved
    const BYTE* colour = nullptr;   // rows from the bottom
    const BYTE* mask = nullptr;     // one bit a pixel, rows from the bottom
};

DWORD ReadWord(const BYTE* p)
{
    return static_cast<DWORD>(p[0] | (p[1] << 8));
}

DWORD ReadDword(const BYTE* p)
{
    return ReadWord(p) | (ReadWord(p + 2) << 16);
}

size_t RowBytes(int width, int bitCount)
{
    return (static_cast<size_t>(width) * static_cast<size_t>(bitCount) + 31) / 32 * 4;
}

bool IsSupportedBitCount(DWORD bitCount)
{
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
}

// Lays out the image of directory entry n; false when it is not a bitmap this reader
// takes or does not fit in the file.
bool LayOutImage(const BYTE* data, size_t size, size_t n, ImageLayout& layout)
{
    const BYTE* entry = data + 6 + 16 * n;
    size_t length = ReadDword(entry + 8);
    size_t offset = ReadDword(entry + 12);
    if (offset > size || length > size - offset || length < 40)
        return false;
    const BYTE* dib = data + offset;
    DWORD headerSize = ReadDword(dib);
    LONG width = static_cast<LONG>(ReadDword(dib + 4));
    LONG doubleHeight = static_cast<LONG>(ReadDword(dib + 8));
    DWORD bitCount = ReadWord(dib + 14);
    DWORD compression = ReadDword(dib + 16);
    DWORD coloursUsed = ReadDword(dib + 32);
    if (headerSize < 40 || headerSize > length || width < 1 || width > 256 || doubleHeight < 2 || doubleHeight > 512 ||
        doubleHeight % 2 != 0 || !IsSupportedBitCount(bitCount) || compression != 0)
        return false;
    layout.cx = width;
    layout.cy = doubleHeight / 2;
    layout.bitCount = static_cast<int>(bitCount);
    size_t paletteMax = bitCount <= 8 ? size_t{1} << bitCount : 0;
    layout.paletteCount = coloursUsed != 0 && coloursUsed < paletteMax ? coloursUsed : paletteMax;
    size_t paletteBytes = 4 * layout.paletteCount;
    size_t colourBytes = RowBytes(layout.cx, layout.bitCount) * static_cast<size_t>(layout.cy);
    size_t maskBytes = RowBytes(layout.cx, 1) * static_cast<size_t>(layout.cy);
    if (paletteBytes + colourBytes + maskBytes > length - headerSize)
        return false;
    layout.palette = dib + headerSize;
    layout.colour = layout.palette + paletteBytes;
    layout.mask = layout.colour + colourBytes;
    return true;
}

// Nearer first; of two equally near, the larger; then the deeper colour.
bool IsBetter(const ImageLayout& a, const ImageLayout& b, int cx, int cy)
{
    int distanceA = std::abs(a.cx - cx) + std::abs(a.cy - cy);
    int distanceB = std::abs(b.cx - cx) + std::abs(b.cy - cy);
    if (distanceA != distanceB)
        return distanceA < distanceB;
    if (a.cx * a.cy != b.cx * b.cy)
        return a.cx * a.cy > b.cx * b.cy;
    return a.bitCount > b.bitCount;
}

DWORD PaletteColour(const ImageLayout& layout, size_t index)
{
    if (index >= layout.paletteCount)
        return 0;
    const BYTE* p = layout.palette + 4 * index;
    return (DWORD{p[2]} << 16) | (DWORD{p[1]} << 8) | p[0];
}

// The colour of pixel x of a stored row, and the alpha that a 32-bit image carries.
DWORD StoredColour(const ImageLayout& layout, const BYTE* row, int x, DWORD& alpha)
{
    alpha = 0;
    switch (layout.bitCount) {
    case 24:
        return (DWORD{row[3 * x + 2]} << 16) | (DWORD{row[3 * x + 1]} << 8) | row[3 * x];
    case 32:
        alpha = row[4 * x + 3];
        return (DWORD{row[4 * x + 2]} << 16) | (DWORD{row[4 * x + 1]} << 8) | row[4 * x];
    default: {
        size_t bit = static_cast<size_t>(x) * static_cast<size_t>(layout.bitCount);
        int shift = 8 - layout.bitCount - static_cast<int>(bit % 8);
        return PaletteColour(layout, (row[bit / 8] >> shift) & ((1u << layout.bitCount) - 1));
    }
    }
}

// A 32-bit image whose alpha is zero everywhere relies on its mask, as older ones do.
bool HasAlpha(const ImageLayout& layout)
{
    if (layout.bitCount != 32)
        return false;
    for (int y = 0; y < layout.cy; ++y) {
        const BYTE* row = layout.colour + RowBytes(layout.cx, 32) * static_cast<size_t>(y);
        for (int x = 0; x < layout.cx; ++x) {
            if (row[4 * x + 3] != 0)
                return true;
        }
    }
    return false;
}

void Decode(const ImageLayout& layout, IconImage& image)
{
    image.cx = layout.cx;
    image.cy = layout.cy;
    image.bitCount = layout.bitCount;
    image.pixels.assign(static_cast<size_t>(layout.cx) * static_cast<size_t>(layout.cy), 0);
    bool alphaChannel = HasAlpha(layout);
    for (int y = 0; y < layout.cy; ++y) {
        size_t stored = static_cast<size_t>(layout.cy - 1 - y);
        const BYTE* row = layout.colour + RowBytes(layout.cx, layout.bitCount) * stored;
        const BYTE* maskRow = layout.mask + RowBytes(layout.cx, 1) * stored;
        for (int x = 0; x < layout.cx; ++x) {
            DWORD alpha = 0;
            DWORD colour = StoredColour(layout, row, x, alpha);
            bool transparent = (maskRow[x / 8] >> (7 - x % 8)) & 1;
            if (!alphaChannel)
                alpha = transparent ? 0 : 0xFF;
            image.pixels[static_cast<size_t>(y) * static_cast<size_t>(layout.cx) + static_cast<size_t>(x)] =
                (alpha << 24) | colour;
        }
    }
}

}  // namespace

bool ReadIconFromIcoFile(const BYTE* data, size_t size, int cx, int cy, IconImage& image)
{
    if (data == nullptr || size < 6 || ReadWord(data) != 0 || ReadWord(data + 2) != 1)
        return false;
    size_t count = ReadWord(data + 4);
    if (6 + 16 * count > size)
        return false;
    ImageLayout best;
    bool found = false;
    for (size_t n = 0; n < count; ++n) {
        ImageLayout layout;
        if (LayOutImage(data, size, n, layout) && (!found || IsBetter(layout, best, cx, cy))) {
            best = layout;
            found = true;
        }
    }
    if (found)
        Decode(best, image);
    return found;
}
