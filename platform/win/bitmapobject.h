// Inside the window system: the bitmap behind an HBITMAP. The pixel memory is laid
// out as in a BMP file: scan lines bottom first, each padded to a multiple of 4 bytes.
// Only the window system's own sources include this header.
#pragma once

#include <vector>

#include "wingdi.h"

struct BitmapObject {
    LONG width = 0;
    LONG height = 0;
    WORD bitsPixel = 0;
    bool section = true;              // its bits are shown through GetObject
    std::vector<COLORREF> palette;    // at 8 bits per pixel or fewer
    std::vector<BYTE> bits;

    // Bytes per scan line.
    LONG WidthBytes() const { return static_cast<LONG>((static_cast<long long>(width) * bitsPixel + 31) / 32 * 4); }
    // The colour of pixel (x, y), y counted from the top.
    COLORREF Pixel(LONG x, LONG y) const;
    // Sets pixel (x, y) of a 24-bit bitmap, or bit (x, y) of a 1-bit one.
    void SetPixel(LONG x, LONG y, COLORREF colour);
    // Resizes to width x height, keeping the top left of the old picture.
    void Resize(LONG newWidth, LONG newHeight);
};

// The largest number of pixel bytes one bitmap may hold.
constexpr unsigned long long MAX_BITMAP_BYTES = 1ull << 28;

// Makes a bitmap object of that size and depth; nullptr when it would be too big.
HBITMAP CreateBitmapObject(LONG width, LONG height, WORD bitsPixel, std::vector<COLORREF> palette = {});

// The bitmap behind a handle, or nullptr.
BitmapObject* FindBitmapObject(HBITMAP hBitmap);
