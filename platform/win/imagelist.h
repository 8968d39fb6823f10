// Image lists: images of one size side by side, each with a mask that marks its
// transparent pixels. The images are held in a 24-bit bitmap and the mask in a
// 1-bit one, where a set bit is transparent; ImageList_GetImageInfo shows both.
#pragma once

#include "wingdi.h"

DECLARE_HANDLE(HIMAGELIST);

// Creation flags: the list keeps 24-bit images, with a mask when ILC_MASK is set.
#define ILC_MASK 0x00000001
#define ILC_COLOR24 0x00000018

struct IMAGEINFO {
    HBITMAP hbmImage;
    HBITMAP hbmMask;  // nullptr without ILC_MASK
    int Unused1;
    int Unused2;
    RECT rcImage;  // where the image lies in both bitmaps
};

// A list of cx x cy images with room for cInitial of them, growing by cGrow beyond
// what an addition needs; nullptr for a size or flags it cannot take.
HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow);
BOOL ImageList_Destroy(HIMAGELIST himl);

// Adds every whole image of the strip hbmImage; each pixel of colour crMask turns
// black and transparent. Returns the index of the first new image, or -1.
int ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask);

int ImageList_GetImageCount(HIMAGELIST himl);
BOOL ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy);
BOOL ImageList_GetImageInfo(HIMAGELIST himl, int i, IMAGEINFO* pImageInfo);
