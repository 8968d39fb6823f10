#include <gtest/gtest.h>

#include "TestBitmaps.h"
#include "imagelist.h"
#include "moduleresources.h"

namespace {

const COLORREF GROUND = RGB(0x30, 0x20, 0x10);
const COLORREF INK = RGB(0x00, 0x80, 0xFF);

// A strip of three 2 x 2 images at 24 bits: the ground colour but for an ink pixel at
// (image, image % 2).
const WORD STRIP = 911;
// Seven pixels wide: three whole 2-pixel images and one column left over.
const WORD STRIP_WITH_REST = 912;
// One pixel wide: narrower than one image.
const WORD NARROW = 913;
// 4 bits per pixel: palette index 1 is the ground colour.
const WORD PALETTED = 914;

DWORD StripPixel(int x, int y)
{
    int image = x / 2;
    return (x % 2 == image % 2 && y == image % 2) ? INK : GROUND;
}

const bool g_registered = [] {
    RegisterBitmapResource(STRIP, MakeBmpFile(6, 2, 24, StripPixel));
    RegisterBitmapResource(STRIP_WITH_REST, MakeBmpFile(7, 2, 32, StripPixel));
    RegisterBitmapResource(NARROW, MakeBmpFile(1, 2, 24, StripPixel));
    RegisterBitmapResource(PALETTED, MakeBmpFile(2, 2, 4, [](int x, int y) { return x == 0 && y == 0 ? 0u : 1u; },
                                                  {INK, GROUND}));
    return true;
}();

class ImageListTest : public ::testing::Test {
protected:
    ~ImageListTest() override
    {
        ImageList_Destroy(list);
        for (HBITMAP hBitmap : loaded)
            DeleteObject(hBitmap);
        EXPECT_EQ(GdiObjectCount(), before);
    }

    HBITMAP Load(WORD id)
    {
        loaded.push_back(static_cast<HBITMAP>(
            LoadImage(GetModuleHandle(nullptr), MAKEINTRESOURCE(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        return loaded.back();
    }

    BITMAP Images(int i)
    {
        IMAGEINFO info{};
        EXPECT_TRUE(ImageList_GetImageInfo(list, i, &info));
        return DescriptionOf(info.hbmImage);
    }

    BITMAP Mask(int i)
    {
        IMAGEINFO info{};
        EXPECT_TRUE(ImageList_GetImageInfo(list, i, &info));
        return DescriptionOf(info.hbmMask);
    }

    DWORD before = GdiObjectCount();
    HIMAGELIST list = nullptr;
    std::vector<HBITMAP> loaded;
};

TEST_F(ImageListTest, MaskColourTurnsBlackAndTransparentOthersStay)
{
    list = ImageList_Create(2, 2, ILC_COLOR24 | ILC_MASK, 3, 0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImageList_AddMasked(list, Load(STRIP), GROUND), 0);
    EXPECT_EQ(ImageList_GetImageCount(list), 3);

    IMAGEINFO info{};
    ASSERT_TRUE(ImageList_GetImageInfo(list, 1, &info));
    EXPECT_EQ(info.rcImage.left, 2);
    EXPECT_EQ(info.rcImage.right, 4);
    EXPECT_EQ(info.rcImage.bottom, 2);
    BITMAP images = Images(1);
    BITMAP mask = Mask(1);
    EXPECT_EQ(images.bmBitsPixel, 24);
    EXPECT_EQ(mask.bmBitsPixel, 1);
    // Image 1 has its ink at (1, 1) of the image, (3, 1) of the list's bitmaps.
    EXPECT_EQ(PixelOf(images, 3, 1), INK);
    EXPECT_EQ(PixelOf(mask, 3, 1), 0u);
    EXPECT_EQ(PixelOf(images, 2, 1), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(mask, 2, 1), 1u);
    EXPECT_EQ(PixelOf(images, 0, 0), INK);
    EXPECT_EQ(PixelOf(mask, 0, 0), 0u);
}

TEST_F(ImageListTest, PalettedPixelsAreComparedByTheirColour)
{
    list = ImageList_Create(2, 2, ILC_COLOR24 | ILC_MASK, 1, 0);
    EXPECT_EQ(ImageList_AddMasked(list, Load(PALETTED), GROUND), 0);
    EXPECT_EQ(PixelOf(Images(0), 0, 0), INK);
    EXPECT_EQ(PixelOf(Mask(0), 0, 0), 0u);
    EXPECT_EQ(PixelOf(Mask(0), 1, 0), 1u);
    EXPECT_EQ(PixelOf(Mask(0), 0, 1), 1u);
}

TEST_F(ImageListTest, OnlyWholeImagesAreAddedAndTheListGrowsForThem)
{
    list = ImageList_Create(2, 2, ILC_COLOR24 | ILC_MASK, 1, 0);
    EXPECT_EQ(ImageList_AddMasked(list, Load(STRIP_WITH_REST), GROUND), 0);
    EXPECT_EQ(ImageList_GetImageCount(list), 3);
    EXPECT_EQ(ImageList_AddMasked(list, Load(STRIP), GROUND), 3);
    EXPECT_EQ(ImageList_GetImageCount(list), 6);
    EXPECT_EQ(PixelOf(Images(5), 10, 0), INK);  // image 2 of the second strip
    EXPECT_EQ(PixelOf(Images(5), 11, 1), RGB(0, 0, 0));
    EXPECT_EQ(Images(0).bmWidth, 12);
}

TEST_F(ImageListTest, StripNarrowerThanOneImageAddsNothing)
{
    list = ImageList_Create(2, 2, ILC_COLOR24 | ILC_MASK, 0, 0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImageList_AddMasked(list, Load(NARROW), GROUND), -1);
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
}

TEST_F(ImageListTest, HoldsTwoBitmapsWithAMaskAndOneWithout)
{
    list = ImageList_Create(2, 2, ILC_COLOR24 | ILC_MASK, 2, 0);
    EXPECT_EQ(GdiObjectCount(), before + 2);
    HIMAGELIST plain = ImageList_Create(2, 2, ILC_COLOR24, 2, 0);
    EXPECT_EQ(GdiObjectCount(), before + 3);
    EXPECT_TRUE(ImageList_Destroy(plain));
    EXPECT_EQ(GdiObjectCount(), before + 2);
    EXPECT_FALSE(ImageList_Destroy(plain));
    int cx = 0;
    int cy = 0;
    EXPECT_FALSE(ImageList_GetIconSize(plain, &cx, &cy));
    EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx, 2);
    EXPECT_EQ(cy, 2);
}

TEST_F(ImageListTest, RefusesSizesAndFlagsItCannotHold)
{
    EXPECT_EQ(ImageList_Create(0, 2, ILC_COLOR24 | ILC_MASK, 1, 0), nullptr);
    EXPECT_EQ(ImageList_Create(2, -1, ILC_COLOR24 | ILC_MASK, 1, 0), nullptr);
    EXPECT_EQ(ImageList_Create(2, 2, ILC_COLOR24 | ILC_MASK, -1, 0), nullptr);
    EXPECT_EQ(ImageList_Create(2, 2, 0x0020 | ILC_MASK, 1, 0), nullptr);  // 32-bit images
    EXPECT_EQ(ImageList_Create(0x40000000, 40, ILC_COLOR24 | ILC_MASK, 0, 0), nullptr);
    EXPECT_EQ(ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 0x7FFFFFFF, 0), nullptr);
    EXPECT_EQ(ImageList_AddMasked(nullptr, Load(STRIP), GROUND), -1);
}

}  // namespace
