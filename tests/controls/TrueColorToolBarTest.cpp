#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "HeadlessDriver.h"
#include "LinkSeams.h"
#include "controls/truecolortoolbar.h"
#include "moduleresources.h"
#include "win/TestBitmaps.h"

namespace {

// The pixel memory of these strips begins with the bytes 10 20 30: the bottom-left
// pixel is blue 0x10, green 0x20, red 0x30.
const COLORREF FIRST_PIXEL = RGB(0x30, 0x20, 0x10);
const COLORREF SWAPPED = RGB(0x10, 0x20, 0x30);
const COLORREF TOP_LEFT = RGB(0xC0, 0xC0, 0xC0);
const COLORREF INK = RGB(0x00, 0x00, 0x80);

// 100 x 16 at 24 bits: top row TOP_LEFT, bottom row FIRST_PIXEL, in between INK
// with FIRST_PIXEL at x = 5 and SWAPPED at x = 6.
const WORD STRIP100 = 961;
// The same at 32 bits, 100 x 16 as well.
const WORD STRIP100_DEEP = 962;
// 10 x 16: narrower than a 16-pixel button.
const WORD NARROW = 963;
// 32 x 2 at 4 bits; palette indexes 1 2 3 4 5 6 along the bottom row, so the pixel
// memory begins 12 34 56, which reads as the colour of palette entry 7.
const WORD FOUR_BIT = 964;
const WORD MISSING = 999;

DWORD Strip(int x, int y)
{
    if (y == 0)
        return TOP_LEFT;
    if (y == 15)
        return FIRST_PIXEL;
    return x == 5 ? FIRST_PIXEL : (x == 6 ? SWAPPED : INK);
}

const std::vector<COLORREF> PALETTE = {0, RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4), RGB(5, 5, 5),
                                        RGB(6, 6, 6), RGB(0x56, 0x34, 0x12)};

const bool g_registered = [] {
    RegisterBitmapResource(STRIP100, MakeBmpFile(100, 16, 24, Strip));
    RegisterBitmapResource(STRIP100_DEEP, MakeBmpFile(100, 16, 32, Strip));
    RegisterBitmapResource(NARROW, MakeBmpFile(10, 16, 24, Strip));
    RegisterBitmapResource(FOUR_BIT, MakeBmpFile(32, 2, 4, [](int x, int y) {
        if (y == 1 && x < 6)
            return static_cast<DWORD>(x + 1);
        return x == 20 ? 7u : 0u;
    }, PALETTE));
    return true;
}();

// The toolbar window of these tests: it records each list it is given, then handles
// the message as a toolbar does (and so owns the list).
struct Installed {
    UINT message;
    HIMAGELIST list;
    int imagesWhenSent;
};
std::vector<Installed> g_installed;

LRESULT RecordingToolbarProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == TB_SETIMAGELIST || msg == TB_SETHOTIMAGELIST || msg == TB_SETDISABLEDIMAGELIST) {
        HIMAGELIST list = reinterpret_cast<HIMAGELIST>(lParam);
        g_installed.push_back({msg, list, ImageList_GetImageCount(list)});
    }
    return ToolbarWndProc(hWnd, msg, wParam, lParam);
}

std::vector<UINT> Messages()
{
    std::vector<UINT> messages;
    for (const Installed& installed : g_installed)
        messages.push_back(installed.message);
    return messages;
}

bool IsLive(HIMAGELIST list)
{
    int cx = 0;
    int cy = 0;
    return ImageList_GetIconSize(list, &cx, &cy) == TRUE;
}

class TrueColorToolBarTest : public ::testing::Test {
protected:
    TrueColorToolBarTest()
    {
        g_installed.clear();
        ImageListCreateCalls().clear();
        WNDCLASS recording{0, RecordingToolbarProc, "RecordingToolbar"};
        RegisterClass(&recording);
        bar.Attach(CreateWindowEx(0, "RecordingToolbar", "", WS_POPUP, 0, 0, 200, 40, nullptr, nullptr, nullptr,
                                  nullptr));
    }
    ~TrueColorToolBarTest() override
    {
        bar.DestroyWindow();
        EXPECT_EQ(GdiObjectCount(), before);
    }

    // What the list installed with `message` shows at pixel (x, y) of image `image`.
    DWORD ImagePixel(UINT message, int image, int x, int y, bool mask)
    {
        for (const Installed& installed : g_installed) {
            if (installed.message != message)
                continue;
            IMAGEINFO info{};
            EXPECT_TRUE(ImageList_GetImageInfo(installed.list, image, &info));
            return PixelOf(DescriptionOf(mask ? info.hbmMask : info.hbmImage), info.rcImage.left + x, y);
        }
        ADD_FAILURE() << "no list installed with message " << message;
        return 0;
    }

    HeadlessDriver driver;
    DWORD before = GdiObjectCount();
    CTrueColorToolBar bar;
};

// Install order and the stop at the first failure.

TEST_F(TrueColorToolBarTest, InstallsNormalHotAndDisabledListsInThatOrder)
{
    EXPECT_EQ(bar.LoadImageLists(16, STRIP100, STRIP100_DEEP, FOUR_BIT), TRUE);
    ASSERT_EQ(Messages(), (std::vector<UINT>{0x0430, 0x0434, 0x0436}));
    // Each list held its images when it was sent.
    EXPECT_EQ(g_installed[0].imagesWhenSent, 6);
    EXPECT_EQ(g_installed[1].imagesWhenSent, 6);
    EXPECT_EQ(g_installed[2].imagesWhenSent, 2);
    for (const Installed& installed : g_installed)
        EXPECT_TRUE(IsLive(installed.list));
}

TEST_F(TrueColorToolBarTest, DisabledIdZeroInstallsOnlyNormalAndHot)
{
    EXPECT_EQ(bar.LoadImageLists(40, 132, 132, 0), TRUE);
    EXPECT_EQ(Messages(), (std::vector<UINT>{0x0430, 0x0434}));
}

TEST_F(TrueColorToolBarTest, FailedNormalListStopsEverything)
{
    EXPECT_EQ(bar.LoadImageLists(16, MISSING, STRIP100, STRIP100), FALSE);
    EXPECT_TRUE(g_installed.empty());
    EXPECT_TRUE(ImageListCreateCalls().empty());
}

TEST_F(TrueColorToolBarTest, FailedHotListLeavesTheNormalOneInstalled)
{
    EXPECT_EQ(bar.LoadImageLists(16, STRIP100, MISSING, STRIP100), FALSE);
    ASSERT_EQ(Messages(), (std::vector<UINT>{0x0430}));
    EXPECT_TRUE(IsLive(g_installed[0].list));
    EXPECT_EQ(ImageListCreateCalls().size(), 1u);
}

TEST_F(TrueColorToolBarTest, FailedDisabledListLeavesNormalAndHotInstalled)
{
    EXPECT_EQ(bar.LoadImageLists(16, STRIP100, STRIP100, NARROW), FALSE);
    EXPECT_EQ(Messages(), (std::vector<UINT>{0x0430, 0x0434}));
}

TEST_F(TrueColorToolBarTest, NormalOrHotIdZeroIsLoadedLikeAnyOtherAndFails)
{
    EXPECT_EQ(bar.LoadImageLists(16, 0, STRIP100, 0), FALSE);
    EXPECT_TRUE(g_installed.empty());
    EXPECT_EQ(bar.LoadImageLists(16, STRIP100, 0, 0), FALSE);
    EXPECT_EQ(Messages(), (std::vector<UINT>{0x0430}));
}

// The list that one call builds.

TEST_F(TrueColorToolBarTest, StripOf100By16GivesAListCreatedFor6Images)
{
    EXPECT_EQ(bar.SetImageListFromBitmap(TB_SETIMAGELIST, STRIP100, 16), TRUE);
    ASSERT_EQ(ImageListCreateCalls().size(), 1u);
    const ImageListCreateCall& call = ImageListCreateCalls()[0];
    EXPECT_EQ(call.cx, 16);
    EXPECT_EQ(call.cy, 16);
    EXPECT_EQ(call.flags, 0x0019u);
    EXPECT_EQ(call.cInitial, 6);
    EXPECT_EQ(call.cGrow, 0);
    ASSERT_EQ(g_installed.size(), 1u);
    EXPECT_EQ(ImageList_GetImageCount(g_installed[0].list), 6);
}

TEST_F(TrueColorToolBarTest, Bitmap132GivesTwo40By40Images)
{
    EXPECT_EQ(bar.SetImageListFromBitmap(TB_SETHOTIMAGELIST, 132, 40), TRUE);
    ASSERT_EQ(ImageListCreateCalls().size(), 1u);
    EXPECT_EQ(ImageListCreateCalls()[0].cx, 40);
    EXPECT_EQ(ImageListCreateCalls()[0].cy, 40);
    EXPECT_EQ(ImageListCreateCalls()[0].cInitial, 2);
    ASSERT_EQ(Messages(), (std::vector<UINT>{0x0434}));
    EXPECT_EQ(ImageList_GetImageCount(g_installed[0].list), 2);
}

TEST_F(TrueColorToolBarTest, IdAbove0xFFFFNamesTheBitmapOfItsLow16Bits)
{
    EXPECT_EQ(bar.SetImageListFromBitmap(TB_SETIMAGELIST, 0x10084, 40), TRUE);
    ASSERT_EQ(ImageListCreateCalls().size(), 1u);
    EXPECT_EQ(ImageListCreateCalls()[0].cy, 40);
    EXPECT_EQ(ImageListCreateCalls()[0].cInitial, 2);
    // Bitmap 132 is 4-bit: its memory begins DD DD DD (magenta, palette entry 13, in
    // every pixel), a grey that is none of its colours, so its magenta stays.
    EXPECT_EQ(ImagePixel(TB_SETIMAGELIST, 1, 39, 0, true), 0u);
    EXPECT_EQ(ImagePixel(TB_SETIMAGELIST, 1, 39, 0, false), RGB(0xFF, 0x00, 0xFF));
}

TEST_F(TrueColorToolBarTest, TrueColourBitmap134LosesItsMagentaGround)
{
    EXPECT_EQ(bar.SetImageListFromBitmap(TB_SETHOTIMAGELIST, 134, 32), TRUE);
    ASSERT_EQ(ImageListCreateCalls().size(), 1u);
    EXPECT_EQ(ImageListCreateCalls()[0].cInitial, 2);
    EXPECT_EQ(ImagePixel(TB_SETHOTIMAGELIST, 1, 31, 0, true), 1u);
    EXPECT_EQ(ImagePixel(TB_SETHOTIMAGELIST, 1, 31, 0, false), RGB(0, 0, 0));
    // The disk's white label is kept.
    EXPECT_EQ(ImagePixel(TB_SETHOTIMAGELIST, 1, 10, 8, true), 0u);
    EXPECT_EQ(ImagePixel(TB_SETHOTIMAGELIST, 1, 10, 8, false), RGB(0xFF, 0xFF, 0xFF));
}

TEST_F(TrueColorToolBarTest, MaskColourIsTheFirstThreeBytesBlueFirst)
{
    EXPECT_EQ(bar.SetImageListFromBitmap(TB_SETIMAGELIST, STRIP100, 16), TRUE);
    // 10 20 30 reads as 0x00102030: red 0x30, green 0x20, blue 0x10.
    EXPECT_EQ(FIRST_PIXEL, 0x00102030u);
    EXPECT_EQ(ImagePixel(TB_SETIMAGELIST, 0, 5, 7, true), 1u);
    EXPECT_EQ(ImagePixel(TB_SETIMAGELIST, 0, 5, 7, false), RGB(0, 0, 0));
    // The same bytes in the other order are a colour like any other.
    EXPECT_EQ(ImagePixel(TB_SETIMAGELIST, 0, 6, 7, true), 0u);
    EXPECT_EQ(ImagePixel(TB_SETIMAGELIST, 0, 6, 7, false), SWAPPED);
    EXPECT_EQ(ImagePixel(TB_SETIMAGELIST, 0, 7, 7, false), INK);
}

TEST_F(TrueColorToolBarTest, TransparentColourIsTheBottomLeftPixelNotTheTopLeft)
{
    EXPECT_EQ(bar.SetImageListFromBitmap(TB_SETIMAGELIST, STRIP100_DEEP, 16), TRUE);
    for (int image : {0, 5}) {
        EXPECT_EQ(ImagePixel(TB_SETIMAGELIST, image, 0, 15, true), 1u);
        EXPECT_EQ(ImagePixel(TB_SETIMAGELIST, image, 0, 0, true), 0u);
        EXPECT_EQ(ImagePixel(TB_SETIMAGELIST, image, 0, 0, false), TOP_LEFT);
    }
}

TEST_F(TrueColorToolBarTest, AtFourBitsTheFirstThreeBytesAreReadAsAColourAllTheSame)
{
    EXPECT_EQ(bar.SetImageListFromBitmap(TB_SETIMAGELIST, FOUR_BIT, 16), TRUE);
    // Bytes 12 34 56 make the colour of palette entry 7, found at x = 20 (image 1, x 4).
    EXPECT_EQ(ImagePixel(TB_SETIMAGELIST, 1, 4, 0, true), 1u);
    // The bottom-left pixel itself (entry 1) stays.
    EXPECT_EQ(ImagePixel(TB_SETIMAGELIST, 0, 0, 1, true), 0u);
    EXPECT_EQ(ImagePixel(TB_SETIMAGELIST, 0, 0, 1, false), RGB(1, 1, 1));
}

TEST_F(TrueColorToolBarTest, CallingAgainReplacesTheListOfThatKind)
{
    EXPECT_EQ(bar.SetImageListFromBitmap(TB_SETIMAGELIST, STRIP100, 16), TRUE);
    EXPECT_EQ(bar.SetImageListFromBitmap(TB_SETIMAGELIST, STRIP100, 20), TRUE);
    ASSERT_EQ(g_installed.size(), 2u);
    EXPECT_FALSE(IsLive(g_installed[0].list));
    EXPECT_TRUE(IsLive(g_installed[1].list));
    EXPECT_EQ(ImageList_GetImageCount(g_installed[1].list), 5);
}

// What each path leaves behind.

TEST_F(TrueColorToolBarTest, SuccessKeepsOnlyTheListAndReleasesTheBitmap)
{
    EXPECT_EQ(bar.SetImageListFromBitmap(TB_SETIMAGELIST, STRIP100, 16), TRUE);
    EXPECT_EQ(GdiObjectCount(), before + 2);  // the list's images and mask
    bar.DestroyWindow();
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST_F(TrueColorToolBarTest, FailedLoadReleasesNothingAndSendsNothing)
{
    EXPECT_EQ(bar.SetImageListFromBitmap(TB_SETIMAGELIST, MISSING, 16), FALSE);
    EXPECT_EQ(GdiObjectCount(), before);
    EXPECT_TRUE(g_installed.empty());
}

TEST_F(TrueColorToolBarTest, FailedDescriptionDeletesTheBitmap)
{
    FailNextGetObject();
    EXPECT_EQ(bar.SetImageListFromBitmap(TB_SETIMAGELIST, STRIP100, 16), FALSE);
    EXPECT_EQ(GdiObjectCount(), before);
    EXPECT_TRUE(ImageListCreateCalls().empty());
    EXPECT_TRUE(g_installed.empty());
}

TEST_F(TrueColorToolBarTest, FailedCreateDeletesTheBitmap)
{
    // No list holds images a billion pixels wide.
    EXPECT_EQ(bar.SetImageListFromBitmap(TB_SETIMAGELIST, STRIP100, 0x40000000), FALSE);
    ASSERT_EQ(ImageListCreateCalls().size(), 1u);
    EXPECT_EQ(ImageListCreateCalls()[0].cInitial, 0);
    EXPECT_EQ(GdiObjectCount(), before);
    EXPECT_TRUE(g_installed.empty());
}

TEST_F(TrueColorToolBarTest, StripNarrowerThanAButtonIsCreatedForNoImagesAndFailsToAdd)
{
    EXPECT_EQ(bar.SetImageListFromBitmap(TB_SETIMAGELIST, NARROW, 16), FALSE);
    ASSERT_EQ(ImageListCreateCalls().size(), 1u);
    EXPECT_EQ(ImageListCreateCalls()[0].cInitial, 0);
    // The list is destroyed and the bitmap deleted.
    EXPECT_EQ(GdiObjectCount(), before);
    EXPECT_TRUE(g_installed.empty());
}

TEST_F(TrueColorToolBarTest, ButtonWidthOfZeroOrLessIsRefusedBeforeAnythingIsLoaded)
{
    for (int width : {0, -1, -16, INT32_MIN}) {
        EXPECT_EQ(bar.SetImageListFromBitmap(TB_SETIMAGELIST, STRIP100, width), FALSE) << width;
        EXPECT_EQ(bar.LoadImageLists(width, STRIP100, STRIP100, STRIP100), FALSE) << width;
    }
    EXPECT_TRUE(ImageListCreateCalls().empty());
    EXPECT_TRUE(g_installed.empty());
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST_F(TrueColorToolBarTest, WithoutAWindowTheLoadersFailAndLeaveNothing)
{
    CTrueColorToolBar windowless;
    EXPECT_EQ(windowless.LoadImageLists(16, STRIP100, STRIP100, STRIP100), FALSE);
    EXPECT_EQ(windowless.SetImageListFromBitmap(TB_SETIMAGELIST, STRIP100, 16), FALSE);
    // A window destroyed behind the object's back counts as none.
    ::DestroyWindow(bar.m_hWnd);
    EXPECT_EQ(bar.LoadImageLists(16, STRIP100, STRIP100, 0), FALSE);
    EXPECT_TRUE(ImageListCreateCalls().empty());
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(TrueColorToolBar, WorksWithTheToolbarClassItself)
{
    HeadlessDriver driver;
    DWORD before = GdiObjectCount();
    {
        CTrueColorToolBar bar;
        bar.Attach(CreateWindowEx(0, TOOLBARCLASSNAME, "", WS_POPUP, 0, 0, 80, 40, nullptr, nullptr, nullptr, nullptr));
        EXPECT_EQ(bar.LoadImageLists(40, 132, 132, 132), TRUE);
        EXPECT_EQ(GdiObjectCount(), before + 6);
        HWND hWnd = bar.m_hWnd;
        // The bar's window goes with the bar, and the lists with the window.
        EXPECT_TRUE(IsWindow(hWnd));
    }
    EXPECT_EQ(GdiObjectCount(), before);
}

// The class itself.

TEST(TrueColorToolBar, AnswersWithTheToolBarsRunTimeClass)
{
    CTrueColorToolBar bar;
    CRuntimeClass* runtimeClass = bar.GetRuntimeClass();
    EXPECT_EQ(runtimeClass, RUNTIME_CLASS(CToolBar));
    EXPECT_STREQ(runtimeClass->m_lpszClassName, "CToolBar");
    std::vector<std::string> chain;
    for (CRuntimeClass* c = runtimeClass; c != nullptr; c = c->m_pBaseClass)
        chain.push_back(c->m_lpszClassName);
    EXPECT_EQ(chain, (std::vector<std::string>{"CToolBar", "CControlBar", "CWnd", "CCmdTarget", "CObject"}));
    EXPECT_EQ(sizeof(CTrueColorToolBar), sizeof(CToolBar));
    EXPECT_EQ(bar.m_hWnd, nullptr);
}

TEST(TrueColorToolBar, OwnMessageMapIsEmptyAndLeadsToTheToolBars)
{
    CTrueColorToolBar bar;
    CToolBar plain;
    const AFX_MSGMAP* map = static_cast<CCmdTarget&>(bar).GetMessageMap();
    const AFX_MSGMAP* toolBarMap = static_cast<CCmdTarget&>(plain).GetMessageMap();
    ASSERT_NE(map, toolBarMap);
    EXPECT_EQ(map->lpEntries[0].nSig, AfxSig_end);
    ASSERT_NE(map->pfnGetBaseMap, nullptr);
    EXPECT_EQ(map->pfnGetBaseMap(), toolBarMap);
}

TEST(ToolbarResource, Toolbar132HasTwo40By40ButtonsForItsTwoCommands)
{
    HMODULE module = AfxGetResourceHandle();
    HRSRC found = FindResource(module, MAKEINTRESOURCE(132), RT_TOOLBAR);
    ASSERT_NE(found, nullptr);
    ASSERT_EQ(SizeofResource(module, found), 12u);
    const BYTE expected[12] = {0x01, 0x00, 0x28, 0x00, 0x28, 0x00, 0x02, 0x00, 0x03, 0x80, 0x04, 0x80};
    EXPECT_EQ(std::memcmp(LockResource(LoadResource(module, found)), expected, sizeof expected), 0);
}

TEST(ToolbarResource, FirstCommandIsNamedLoadFile)
{
    CString name;
    EXPECT_TRUE(name.LoadString(32771));
    EXPECT_EQ(name, "Load file");
    EXPECT_FALSE(name.LoadString(32772));
}

}  // namespace
