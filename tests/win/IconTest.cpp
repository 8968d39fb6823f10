#include <gtest/gtest.h>

#include <deque>

#include "TestDialog.h"
#include "resources.h"

namespace {

struct ImageSpec {
    int size;
    int bits;
};

void PutWord(std::vector<BYTE>& out, DWORD value)
{
    out.push_back(static_cast<BYTE>(value));
    out.push_back(static_cast<BYTE>(value >> 8));
}

void PutDword(std::vector<BYTE>& out, DWORD value)
{
    PutWord(out, value & 0xFFFF);
    PutWord(out, value >> 16);
}

size_t Stride(int width, int bits)
{
    return (static_cast<size_t>(width) * static_cast<size_t>(bits) + 31) / 32 * 4;
}

// A bitmap whose every pixel has red = its size, green = its depth and blue = 0x5A, and
// whose top-left pixel is masked out. Palette images use entry 1 for that colour.
std::vector<BYTE> Bitmap(ImageSpec spec)
{
    std::vector<BYTE> dib;
    PutDword(dib, 40);
    PutDword(dib, static_cast<DWORD>(spec.size));
    PutDword(dib, static_cast<DWORD>(2 * spec.size));
    PutWord(dib, 1);
    PutWord(dib, static_cast<DWORD>(spec.bits));
    for (int i = 0; i < 6; ++i)
        PutDword(dib, 0);
    BYTE blue = 0x5A, green = static_cast<BYTE>(spec.bits), red = static_cast<BYTE>(spec.size);
    if (spec.bits <= 8) {
        for (int i = 0; i < (1 << spec.bits); ++i) {
            bool used = i == 1;
            dib.insert(dib.end(), {used ? blue : BYTE{0}, used ? green : BYTE{0}, used ? red : BYTE{0}, 0});
        }
    }
    for (int y = 0; y < spec.size; ++y) {
        std::vector<BYTE> row(Stride(spec.size, spec.bits), 0);
        for (int x = 0; x < spec.size; ++x) {
            if (spec.bits <= 8) {
                size_t bit = static_cast<size_t>(x * spec.bits);
                row[bit / 8] |= static_cast<BYTE>(1 << (8 - spec.bits - static_cast<int>(bit % 8)));
            } else {
                size_t at = static_cast<size_t>(x * spec.bits / 8);
                row[at] = blue;
                row[at + 1] = green;
                row[at + 2] = red;
                if (spec.bits == 32)
                    row[at + 3] = 0x80;
            }
        }
        dib.insert(dib.end(), row.begin(), row.end());
    }
    for (int y = 0; y < spec.size; ++y) {
        std::vector<BYTE> row(Stride(spec.size, 1), 0);
        if (y == spec.size - 1)
            row[0] = 0x80;  // the top row is stored last
        dib.insert(dib.end(), row.begin(), row.end());
    }
    return dib;
}

std::vector<BYTE> IcoFile(const std::vector<ImageSpec>& specs)
{
    std::vector<BYTE> file;
    PutWord(file, 0);
    PutWord(file, 1);
    PutWord(file, static_cast<DWORD>(specs.size()));
    std::vector<std::vector<BYTE>> bitmaps;
    size_t offset = 6 + 16 * specs.size();
    for (const ImageSpec& spec : specs) {
        bitmaps.push_back(Bitmap(spec));
        file.insert(file.end(), {static_cast<BYTE>(spec.size), static_cast<BYTE>(spec.size), 0, 0});
        PutWord(file, 1);
        PutWord(file, static_cast<DWORD>(spec.bits));
        PutDword(file, static_cast<DWORD>(bitmaps.back().size()));
        PutDword(file, static_cast<DWORD>(offset));
        offset += bitmaps.back().size();
    }
    for (const auto& bitmap : bitmaps)
        file.insert(file.end(), bitmap.begin(), bitmap.end());
    return file;
}

// Resources must outlive the program.
HICON LoadGroup(WORD id, std::vector<BYTE> file)
{
    static std::deque<std::vector<BYTE>> kept;
    kept.push_back(std::move(file));
    RegisterResource(14, id, kept.back().data(), static_cast<DWORD>(kept.back().size()));
    return LoadIcon(GetModuleHandle(nullptr), MAKEINTRESOURCE(id));
}

struct Loaded {
    int cx = 0;
    int cy = 0;
    DWORD topLeft = 0;
    DWORD next = 0;
};

Loaded Describe(HICON hIcon)
{
    ICONIMAGE_QV image{};
    if (!GetIconImage(hIcon, &image))
        return Loaded{};
    return Loaded{image.cx, image.cy, image.pixels[0], image.pixels[1]};
}

TEST(IconTest, LoadsTheImageOfTheSystemSizeInTheDeepestColour)
{
    HICON hIcon = LoadGroup(901, IcoFile({{16, 8}, {48, 4}, {32, 4}, {32, 24}, {32, 8}, {48, 24}}));
    Loaded loaded = Describe(hIcon);
    EXPECT_EQ(loaded.cx, 32);
    EXPECT_EQ(loaded.cy, 32);
    EXPECT_EQ(loaded.next, 0xFF20185Au);
    EXPECT_EQ(loaded.topLeft >> 24, 0u);  // masked out
}

TEST(IconTest, OfTwoEquallyNearSizesTheLargerIsTaken)
{
    EXPECT_EQ(Describe(LoadGroup(902, IcoFile({{16, 24}, {48, 4}}))).next, 0xFF30045Au);
}

TEST(IconTest, NearerSizeCountsBeforeDeeperColour)
{
    EXPECT_EQ(Describe(LoadGroup(903, IcoFile({{16, 24}, {24, 1}, {64, 32}}))).next, 0xFF18015Au);
}

TEST(IconTest, AlphaOfA32BitImageIsKept)
{
    EXPECT_EQ(Describe(LoadGroup(904, IcoFile({{32, 32}}))).next, 0x8020205Au);
}

TEST(IconTest, TheSameGroupGivesTheSameSharedIcon)
{
    HICON hIcon = LoadGroup(905, IcoFile({{32, 8}}));
    ASSERT_NE(hIcon, nullptr);
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(905)), hIcon);
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(906)), nullptr);
}

TEST(IconTest, DamagedImagesArePassedOverAndADamagedFileGivesNoIcon)
{
    std::vector<BYTE> file = IcoFile({{32, 24}, {16, 4}});
    file[6 + 12] = 0xFF;  // the 32-pixel image starts past the end
    EXPECT_EQ(Describe(LoadGroup(907, file)).cx, 16);

    std::vector<BYTE> truncated = IcoFile({{32, 24}});
    truncated.resize(truncated.size() - 1);
    EXPECT_EQ(LoadGroup(908, truncated), nullptr);
    EXPECT_EQ(LoadGroup(909, std::vector<BYTE>{0, 0, 1, 0, 9, 0}), nullptr);  // nine entries, none there
    std::vector<BYTE> compressed = IcoFile({{32, 8}});
    compressed[6 + 16 + 16] = 1;  // run-length compression is not read
    EXPECT_EQ(LoadGroup(910, compressed), nullptr);
}

class IconWindowTest : public ::testing::Test {
protected:
    HeadlessDriver driver;
    TestDialog dialog;
    HICON hIcon = LoadGroup(920, IcoFile({{32, 24}}));
};

TEST_F(IconWindowTest, SetIconKeepsBigAndSmallAndTellsTheDriver)
{
    driver.ClearChanges();
    EXPECT_EQ(SendMessage(dialog.Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon)), 0);
    EXPECT_EQ(SendMessage(dialog.Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)), 0);
    EXPECT_EQ(SendMessage(dialog.Handle(), WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(hIcon));
    EXPECT_EQ(SendMessage(dialog.Handle(), WM_SETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(hIcon));
    ASSERT_EQ(driver.Changes().size(), 3u);
    EXPECT_EQ(driver.Changes()[0].change, WindowChange::Icon);
}

TEST_F(IconWindowTest, IconDrawnWhilePaintingReachesTheDriver)
{
    PAINTSTRUCT ps{};
    HDC hDC = BeginPaint(dialog.Handle(), &ps);
    ASSERT_NE(hDC, nullptr);
    EXPECT_EQ(ps.hdc, hDC);
    EXPECT_EQ(ps.rcPaint.right, 558);
    EXPECT_TRUE(DrawIcon(hDC, 3, 4, hIcon));
    EXPECT_FALSE(DrawIcon(hDC, 3, 4, nullptr));
    EXPECT_TRUE(EndPaint(dialog.Handle(), &ps));
    EXPECT_FALSE(DrawIcon(hDC, 5, 6, hIcon));
    ASSERT_EQ(driver.IconsDrawn().size(), 1u);
    EXPECT_EQ(driver.IconsDrawn()[0].hWnd, dialog.Handle());
    EXPECT_EQ(driver.IconsDrawn()[0].x, 3);
    EXPECT_EQ(driver.IconsDrawn()[0].y, 4);
    EXPECT_EQ(driver.IconsDrawn()[0].hIcon, hIcon);
}

// Paints as the main dialog does: while minimised, the icon centred in the client area.
HICON g_paintedIcon = nullptr;
std::vector<UINT> g_paintMessages;
INT_PTR IconPaintingProc(HWND hDlg, UINT msg, WPARAM, LPARAM)
{
    if (msg == WM_ICONERASEBKGND)
        g_paintMessages.push_back(msg);
    if (msg != WM_PAINT || !IsIconic(hDlg))
        return msg == WM_INITDIALOG;
    g_paintMessages.push_back(msg);
    PAINTSTRUCT ps{};
    HDC hDC = BeginPaint(hDlg, &ps);
    SendMessage(hDlg, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hDC), 0);
    RECT rect{};
    GetClientRect(hDlg, &rect);
    int x = (rect.right - rect.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (rect.bottom - rect.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(hDC, x, y, g_paintedIcon);
    EndPaint(hDlg, &ps);
    return TRUE;
}

TEST_F(IconWindowTest, MinimisingPaintsAtOnceAndTheIconLandsAtMinus15)
{
    g_paintedIcon = hIcon;
    g_paintMessages.clear();
    HWND hDlg = CreateDialogIndirectParam(nullptr, &MainDialogTemplate(), nullptr, IconPaintingProc, 0);
    ASSERT_TRUE(driver.IconsDrawn().empty());
    ShowWindow(hDlg, SW_MINIMIZE);
    ASSERT_EQ(driver.IconsDrawn().size(), 1u);
    EXPECT_EQ(driver.IconsDrawn()[0].x, -15);
    EXPECT_EQ(driver.IconsDrawn()[0].y, -15);
    EXPECT_EQ(g_paintMessages, (std::vector<UINT>{WM_PAINT, WM_ICONERASEBKGND}));
    DestroyWindow(hDlg);
}

}  // namespace
