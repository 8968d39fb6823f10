// Bitmaps for tests: BMP files built from a picture given top row first, registered
// as bitmap resources, and pixels read back out of a bitmap's memory.
#pragma once

#include <functional>
#include <vector>

#include "wingdi.h"

// A bottom-up BMP file of width x height at `bits` per pixel. `value(x, y)` (y from
// the top) gives a COLORREF at 24 and 32 bits, a palette index below that.
std::vector<BYTE> MakeBmpFile(int width, int height, WORD bits, const std::function<DWORD(int, int)>& value,
                              const std::vector<COLORREF>& palette = {});

// Registers the bytes as bitmap resource `id` of the program, for the rest of the run.
void RegisterBitmapResource(WORD id, std::vector<BYTE> file);

// The colour of pixel (x, y), y from the top, of a 24- or 32-bit bitmap's memory, or
// the bit (0 or 1) of a 1-bit one.
DWORD PixelOf(const BITMAP& bitmap, int x, int y);

// The description of a bitmap handle, empty when GetObject fails.
BITMAP DescriptionOf(HBITMAP hBitmap);

// How many GDI objects the process holds.
DWORD GdiObjectCount();
