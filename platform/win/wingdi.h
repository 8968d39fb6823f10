// Bitmaps as GDI objects: a bitmap resource loaded as a device-independent section,
// the description of a bitmap, and the release of GDI objects. A bitmap resource is
// a whole BMP file, bottom-up, uncompressed, at 1, 4, 8, 24 or 32 bits per pixel.
#pragma once

#include "windef.h"

typedef void* HGDIOBJ;

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;  // bytes per scan line, a multiple of 4 in a section
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;  // the pixel memory of a section, bottom scan line first
};

#define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) ((BYTE)(rgb))
#define GetGValue(rgb) ((BYTE)(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) ((BYTE)((rgb) >> 16))

// LoadImage types and flags.
#define IMAGE_BITMAP 0
#define LR_DEFAULTSIZE 0x0040
#define LR_CREATEDIBSECTION 0x2000

// Loads bitmap resource lpszName (an integer name; its low 16 bits count) of module
// hInst at its own size and depth; cx and cy must be 0 or that size. Returns an
// HBITMAP, or nullptr. With LR_CREATEDIBSECTION the bitmap's pixel memory is visible
// through GetObject's bmBits.
HANDLE LoadImage(HINSTANCE hInst, LPCTSTR lpszName, UINT uType, int cx, int cy, UINT fuLoad);

// Fills a BITMAP (c must be at least its size) for a bitmap handle; returns the bytes
// written, or 0 for a handle that names no bitmap.
int GetObject(HANDLE h, int c, LPVOID pv);

BOOL DeleteObject(HGDIOBJ ho);

// The number of GDI objects the process holds (every bitmap, including those that
// image lists hold), so that a test can see that nothing was left behind.
#define GR_GDIOBJECTS 0
HANDLE GetCurrentProcess();
DWORD GetGuiResources(HANDLE hProcess, DWORD uiFlags);
