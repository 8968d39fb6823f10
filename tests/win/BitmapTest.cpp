#include <gtest/gtest.h>

#include <cstring>

#include "TestBitmaps.h"
#include "moduleresources.h"

namespace {

const COLORREF RED = RGB(0xFF, 0, 0);
const COLORREF BLUE = RGB(0, 0, 0xFF);

// 3 x 2 at 24 bits: top row red, bottom row blue but for a green bottom-left pixel.
const WORD TWO_ROWS = 901;
// 5 x 1 at 4 bits with a palette of three colours.
const WORD FOUR_BIT = 902;
// Broken files: pixel data cut short, top-down, run-length compressed, too many colours.
const WORD CUT_SHORT = 903;
const WORD TOP_DOWN = 904;
const WORD COMPRESSED = 905;
const WORD TOO_MANY_COLOURS = 906;
// A header that claims 2^31 - 1 pixels each way over six pixels of data.
const WORD HUGE_BITMAP = 907;

std::vector<BYTE> TwoRows()
{
    return MakeBmpFile(3, 2, 24, [](int x, int y) { return y == 0 ? RED : (x == 0 ? RGB(0, 0xFF, 0) : BLUE); });
}

std::vector<BYTE> Patched(std::vector<BYTE> file, size_t offset, DWORD value)
{
    std::memcpy(&file[offset], &value, 4);
    return file;
}

const bool g_registered = [] {
    RegisterBitmapResource(TWO_ROWS, TwoRows());
    RegisterBitmapResource(FOUR_BIT, MakeBmpFile(5, 1, 4, [](int x, int) { return static_cast<DWORD>(x % 3); },
                                                 {RED, RGB(0x10, 0x20, 0x30), BLUE}));
    std::vector<BYTE> cut = TwoRows();
    cut.pop_back();
    RegisterBitmapResource(CUT_SHORT, cut);
    RegisterBitmapResource(TOP_DOWN, Patched(TwoRows(), 22, static_cast<DWORD>(-2)));
    RegisterBitmapResource(COMPRESSED, Patched(TwoRows(), 30, 1));
    RegisterBitmapResource(TOO_MANY_COLOURS,
                           Patched(MakeBmpFile(5, 1, 4, [](int, int) { return 0u; }, {RED}), 46, 17));
    RegisterBitmapResource(HUGE_BITMAP, Patched(Patched(TwoRows(), 18, 0x7FFFFFFF), 22, 0x7FFFFFFF));
    return true;
}();

HBITMAP Load(UINT_PTR id, UINT flags = LR_CREATEDIBSECTION | LR_DEFAULTSIZE, int cx = 0, int cy = 0)
{
    return static_cast<HBITMAP>(
        LoadImage(GetModuleHandle(nullptr), reinterpret_cast<LPCTSTR>(id), IMAGE_BITMAP, cx, cy, flags));
}

TEST(LoadImage, GivesASectionOfTheResourcesOwnSizeAndDepth)
{
    HBITMAP hBitmap = Load(TWO_ROWS);
    ASSERT_NE(hBitmap, nullptr);
    BITMAP bitmap{};
    EXPECT_EQ(GetObject(hBitmap, sizeof bitmap, &bitmap), static_cast<int>(sizeof bitmap));
    EXPECT_EQ(bitmap.bmType, 0);
    EXPECT_EQ(bitmap.bmWidth, 3);
    EXPECT_EQ(bitmap.bmHeight, 2);
    EXPECT_EQ(bitmap.bmWidthBytes, 12);
    EXPECT_EQ(bitmap.bmPlanes, 1);
    EXPECT_EQ(bitmap.bmBitsPixel, 24);
    ASSERT_NE(bitmap.bmBits, nullptr);
    EXPECT_EQ(PixelOf(bitmap, 2, 0), RED);
    EXPECT_EQ(PixelOf(bitmap, 2, 1), BLUE);
    DeleteObject(hBitmap);
}

TEST(LoadImage, PixelMemoryBeginsWithTheBottomLeftPixel)
{
    HBITMAP hBitmap = Load(TWO_ROWS);
    const BYTE* bits = static_cast<const BYTE*>(DescriptionOf(hBitmap).bmBits);
    ASSERT_NE(bits, nullptr);
    EXPECT_EQ(bits[0], 0x00);  // blue
    EXPECT_EQ(bits[1], 0xFF);  // green
    EXPECT_EQ(bits[2], 0x00);  // red
    DeleteObject(hBitmap);
}

TEST(LoadImage, KeepsFourBitPixelsPackedAsTheFileHasThem)
{
    HBITMAP hBitmap = Load(FOUR_BIT);
    BITMAP bitmap = DescriptionOf(hBitmap);
    EXPECT_EQ(bitmap.bmBitsPixel, 4);
    EXPECT_EQ(bitmap.bmWidthBytes, 4);
    const BYTE* bits = static_cast<const BYTE*>(bitmap.bmBits);
    ASSERT_NE(bits, nullptr);
    EXPECT_EQ(bits[0], 0x01);
    EXPECT_EQ(bits[1], 0x20);
    EXPECT_EQ(bits[2], 0x10);
    DeleteObject(hBitmap);
}

TEST(LoadImage, OnlyTheLow16BitsOfTheIdCount)
{
    HBITMAP hBitmap = Load(0x10000 + TWO_ROWS);
    ASSERT_NE(hBitmap, nullptr);
    EXPECT_EQ(DescriptionOf(hBitmap).bmWidth, 3);
    DeleteObject(hBitmap);
}

TEST(LoadImage, OwnToolbarBitmapsAreBuiltIn)
{
    HBITMAP strip = Load(132);
    BITMAP bitmap = DescriptionOf(strip);
    EXPECT_EQ(bitmap.bmWidth, 80);
    EXPECT_EQ(bitmap.bmHeight, 40);
    EXPECT_EQ(bitmap.bmBitsPixel, 4);
    DeleteObject(strip);

    HBITMAP trueColour = Load(134);
    bitmap = DescriptionOf(trueColour);
    EXPECT_EQ(bitmap.bmWidth, 64);
    EXPECT_EQ(bitmap.bmHeight, 32);
    EXPECT_EQ(bitmap.bmBitsPixel, 32);
    ASSERT_NE(bitmap.bmBits, nullptr);
    EXPECT_EQ(PixelOf(bitmap, 0, 31), RGB(0xFF, 0x00, 0xFF));  // magenta ground
    DeleteObject(trueColour);
}

TEST(LoadImage, RefusesWhatItCannotLoadAndLeavesNothingBehind)
{
    DWORD before = GdiObjectCount();
    EXPECT_EQ(Load(0), nullptr);
    EXPECT_EQ(Load(4321), nullptr);
    EXPECT_EQ(Load(CUT_SHORT), nullptr);
    EXPECT_EQ(Load(TOP_DOWN), nullptr);
    EXPECT_EQ(Load(COMPRESSED), nullptr);
    EXPECT_EQ(Load(TOO_MANY_COLOURS), nullptr);
    EXPECT_EQ(Load(HUGE_BITMAP), nullptr);
    EXPECT_EQ(Load(TWO_ROWS, LR_CREATEDIBSECTION, 6, 4), nullptr);
    EXPECT_EQ(LoadImage(nullptr, MAKEINTRESOURCE(TWO_ROWS), 1, 0, 0, 0), nullptr);
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(LoadImage, WithoutDibSectionTheBitsStayHidden)
{
    HBITMAP hBitmap = Load(TWO_ROWS, 0, 3, 2);
    ASSERT_NE(hBitmap, nullptr);
    EXPECT_EQ(DescriptionOf(hBitmap).bmBits, nullptr);
    DeleteObject(hBitmap);
}

TEST(DeleteObject, ReleasesTheBitmapOnce)
{
    DWORD before = GdiObjectCount();
    HBITMAP hBitmap = Load(TWO_ROWS);
    EXPECT_EQ(GdiObjectCount(), before + 1);
    EXPECT_TRUE(DeleteObject(hBitmap));
    EXPECT_EQ(GdiObjectCount(), before);
    EXPECT_FALSE(DeleteObject(hBitmap));
    BITMAP bitmap{};
    EXPECT_EQ(GetObject(hBitmap, sizeof bitmap, &bitmap), 0);
    HBITMAP again = Load(TWO_ROWS);
    EXPECT_NE(again, hBitmap);  // handles are not reused
    DeleteObject(again);
}

}  // namespace
