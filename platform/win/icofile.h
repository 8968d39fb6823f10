// Inside the window system: reading an image out of an .ico file, the form in which an
// icon group resource is held. Every offset and size in the file is checked against
// the data before it is used, so a damaged file yields no image rather than a bad read.
#pragma once

#include <cstddef>
#include <vector>

#include "windef.h"

struct IconImage {
    int cx = 0;
    int cy = 0;
    int bitCount = 0;
    std::vector<DWORD> pixels;  // 0xAARRGGBB, rows from the top
};

// The image nearest cx x cy (of two equally near, the larger), of the deepest colour
// among those; false when the file holds no image that can be read. Images are
// device-independent bitmaps of 1, 4, 8, 24 or 32 bits with their AND masks.
bool ReadIconFromIcoFile(const BYTE* data, size_t size, int cx, int cy, IconImage& image);
