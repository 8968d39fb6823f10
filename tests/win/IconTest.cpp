#include <gtest/gtest.h>

#include <deque>

#include "TestDialog.h"
#include "moduleresources.h"

namespace {

void Put(std::vector<BYTE>& out, DWORD value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<BYTE>(value >> (8 * i)));
}

// An .ico file of square images given as {size, bits}. Every pixel has red = size,
// green = bits and blue = 0x5A (entry 1 of a palette); the top-left one is masked out.
std::vector<BYTE> IcoFile(const std::vector<std::pair<int, int>>& images)
{
    std::vector<BYTE> directory, bitmaps;
    Put(directory, 0x10000, 4);
    Put(directory, static_cast<DWORD>(images.size()), 2);
    for (auto [size, bits] : images) {
        std::vector<BYTE> dib;
        Put(dib, 40, 4), Put(dib, size, 4), Put(dib, 2 * size, 4), Put(dib, 1, 2), Put(dib, bits, 2);
        dib.resize(40);
        DWORD colour = (static_cast<DWORD>(size) << 16) | (static_cast<DWORD>(bits) << 8) | 0x5A;
        for (int i = 0; bits <= 8 && i < (1 << bits); ++i)
            Put(dib, i == 1 ? colour : 0, 4);
        size_t stride = (static_cast<size_t>(size * bits) + 31) / 32 * 4, maskStride = (static_cast<size_t>(size) + 31) / 32 * 4;
        for (int y = 0; y < size; ++y) {
            std::vector<BYTE> row;
            for (int x = 0; bits > 8 && x < size; ++x)
                Put(row, colour | (bits == 32 ? 0x80000000 : 0), bits / 8);
            row.resize(stride, bits == 8 ? 0x01 : bits == 4 ? 0x11 : 0xFF);  // palette entry 1 throughout
            dib.insert(dib.end(), row.begin(), row.end());
        }
        for (int y = 0; y < size; ++y) {
            dib.push_back(y == size - 1 ? 0x80 : 0);  // the top row is stored last
            dib.resize(dib.size() + maskStride - 1);
        }
        directory.insert(directory.end(), {static_cast<BYTE>(size), static_cast<BYTE>(size), 0, 0});
        Put(directory, 1, 2), Put(directory, bits, 2), Put(directory, static_cast<DWORD>(dib.size()), 4);
        Put(directory, static_cast<DWORD>(6 + 16 * images.size() + bitmaps.size()), 4);
        bitmaps.insert(bitmaps.end(), dib.begin(), dib.end());
    }
    directory.insert(directory.end(), bitmaps.begin(), bitmaps.end());
    return directory;
}

// Resources must outlive the program.
HICON LoadGroup(WORD id, std::vector<BYTE> file)
{
    static std::deque<std::vector<BYTE>> kept;
    kept.push_back(std::move(file));
    RegisterResource(14, id, kept.back().data(), static_cast<DWORD>(kept.back().size()));
    return LoadIcon(GetModuleHandle(nullptr), MAKEINTRESOURCE(id));
}

// The size of the icon and its top-left and second pixels.
std::vector<DWORD> Describe(HICON hIcon)
{
    ICONIMAGE_QV image{};
    if (!GetIconImage(hIcon, &image))
        return {};
    return {static_cast<DWORD>(image.cx), static_cast<DWORD>(image.cy), image.pixels[0], image.pixels[1]};
}

TEST(IconTest, LoadsTheImageOfTheSystemSizeInTheDeepestColour)
{
    HICON hIcon = LoadGroup(901, IcoFile({{16, 8}, {48, 4}, {32, 4}, {32, 24}, {32, 8}, {48, 24}}));
    EXPECT_EQ(Describe(hIcon), (std::vector<DWORD>{32, 32, 0x0020185A, 0xFF20185A}));
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(901)), hIcon);  // shared
}

TEST(IconTest, NearerSizeCountsFirstAndOfTwoEquallyNearTheLarger)
{
    EXPECT_EQ(Describe(LoadGroup(902, IcoFile({{16, 24}, {48, 4}})))[3], 0xFF30045Au);
    EXPECT_EQ(Describe(LoadGroup(903, IcoFile({{16, 24}, {24, 1}, {64, 32}})))[3], 0xFF18015Au);
    EXPECT_EQ(Describe(LoadGroup(904, IcoFile({{32, 32}})))[3], 0x8020205Au);  // its own alpha
}

TEST(IconTest, DamagedImagesArePassedOverAndADamagedFileGivesNoIcon)
{
    std::vector<BYTE> file = IcoFile({{32, 24}, {16, 4}});
    file[6 + 15] = 0x7F;  // the 32-pixel image starts far past the end
    EXPECT_EQ(Describe(LoadGroup(905, file))[0], 16u);
    std::vector<BYTE> truncated = IcoFile({{32, 24}});
    truncated.pop_back();
    EXPECT_EQ(LoadGroup(906, truncated), nullptr);
    EXPECT_EQ(LoadGroup(907, {0, 0, 1, 0, 9, 0}), nullptr);  // nine entries, none there
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(908)), nullptr);
}

// Paints as the main dialog does: while minimised, the icon centred in the client area.
HICON g_icon = nullptr;
std::vector<UINT> g_painting;
INT_PTR IconPaintingProc(HWND hDlg, UINT msg, WPARAM, LPARAM)
{
    if (msg == WM_ICONERASEBKGND)
        g_painting.push_back(msg);
    if (msg != WM_PAINT || !IsIconic(hDlg))
        return msg == WM_INITDIALOG;
    g_painting.push_back(msg);
    PAINTSTRUCT ps{};
    HDC hDC = BeginPaint(hDlg, &ps);
    SendMessage(hDlg, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hDC), 0);
    RECT rect{};
    GetClientRect(hDlg, &rect);
    int x = (rect.right - rect.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (rect.bottom - rect.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(hDC, x, y, g_icon);
    EndPaint(hDlg, &ps);
    EXPECT_FALSE(DrawIcon(hDC, x, y, g_icon));  // the context is gone
    return TRUE;
}

TEST(IconTest, MinimisingPaintsAtOnceAndTheCentredIconLandsAtMinus15)
{
    HeadlessDriver driver;
    g_icon = LoadGroup(920, IcoFile({{32, 24}}));
    HWND hDlg = CreateDialogIndirectParam(nullptr, &TestDialogTemplate(), nullptr, IconPaintingProc, 0);
    SendMessage(hDlg, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(g_icon));
    EXPECT_EQ(SendMessage(hDlg, WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(g_icon));
    EXPECT_EQ(driver.Changes().back().change, WindowChange::Icon);
    ShowWindow(hDlg, SW_MINIMIZE);
    ASSERT_EQ(driver.IconsDrawn().size(), 1u);
    EXPECT_EQ(driver.IconsDrawn()[0].hWnd, hDlg);
    EXPECT_EQ(driver.IconsDrawn()[0].x, -15);
    EXPECT_EQ(driver.IconsDrawn()[0].y, -15);
    EXPECT_EQ(driver.IconsDrawn()[0].hIcon, g_icon);
    EXPECT_EQ(g_painting, (std::vector<UINT>{WM_PAINT, WM_ICONERASEBKGND}));
    DestroyWindow(hDlg);
}

}  // namespace
