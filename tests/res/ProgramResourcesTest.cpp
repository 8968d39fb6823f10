#include <gtest/gtest.h>

#include <algorithm>

#include <cstdio>
#include <string>
#include <vector>

#include "afxwin.h"
#include "dlgtemplate.h"
#include "res/resource.h"
#include "moduleresources.h"
#include "support/Hex.h"

namespace {

std::vector<BYTE> ResourceBytes(LPCTSTR type, WORD id)
{
    HINSTANCE hInst = GetModuleHandle(nullptr);
    HRSRC hResource = FindResource(hInst, MAKEINTRESOURCE(id), type);
    if (hResource == nullptr)
        return {};
    const BYTE* p = static_cast<const BYTE*>(LockResource(LoadResource(hInst, hResource)));
    return std::vector<BYTE>(p, p + SizeofResource(hInst, hResource));
}

std::string HexRange(const std::vector<BYTE>& bytes, size_t first, size_t count)
{
    first = std::min(first, bytes.size());
    count = std::min(count, bytes.size() - first);
    return Hex(std::vector<BYTE>(bytes.begin() + static_cast<std::ptrdiff_t>(first),
                                 bytes.begin() + static_cast<std::ptrdiff_t>(first + count)));
}

const DLGTEMPLATE_QV& MainDialog()
{
    HINSTANCE hInst = GetModuleHandle(nullptr);
    HRSRC hResource = FindResource(hInst, MAKEINTRESOURCE(IDD_QUORVEL_DIALOG), RT_DIALOG);
    return *static_cast<const DLGTEMPLATE_QV*>(LockResource(LoadResource(hInst, hResource)));
}

TEST(MainDialogTemplate, IsABoldTahomaModalFrameOf319By335)
{
    const DLGTEMPLATE_QV& dialog = MainDialog();
    EXPECT_EQ(dialog.style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(dialog.exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, 319);
    EXPECT_EQ(dialog.cy, 335);
    EXPECT_STREQ(dialog.caption, "Quorvel");
    EXPECT_STREQ(dialog.faceName, "Tahoma");
    EXPECT_EQ(dialog.pointSize, 9);
    EXPECT_EQ(dialog.weight, 700);
    EXPECT_EQ(dialog.italic, 0);
    EXPECT_EQ(dialog.charSet, 0);
}

TEST(MainDialogTemplate, HoldsItsControlsInTabOrder)
{
    const DLGTEMPLATE_QV& dialog = MainDialog();
    const std::vector<int> ids = {1000, 1001, -1, 1003, -1, -1, 1005, -1, 1006, -1, 1007, -1, 1008, -1,
                                  1009, -1, 1010, -1, 1011, -1, 1012, -1, -1, 1013, 1014, 1017, 1018, 1019,
                                  1020, 1021, 1016, 1022, 1023, 1026, 1027, 1028, 1029, 1033, 1034, 1035, 1036, 1037};
    ASSERT_EQ(dialog.itemCount, 42);
    for (int i = 0; i < dialog.itemCount; ++i)
        EXPECT_EQ(dialog.items[i].id, ids[static_cast<size_t>(i)]) << "control " << i + 1;

    const DLGITEMTEMPLATE_QV& deviceList = dialog.items[0];
    EXPECT_STREQ(deviceList.className, "COMBOBOX");
    EXPECT_EQ(deviceList.style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT));
    EXPECT_EQ((std::vector<int>{deviceList.x, deviceList.y, deviceList.cx, deviceList.cy}), (std::vector<int>{69, 230, 85, 38}));

    const DLGITEMTEMPLATE_QV& deadBandLabel = dialog.items[2];
    EXPECT_STREQ(deadBandLabel.text, "Dead Band(0.2-51us ) ");
    EXPECT_EQ(deadBandLabel.style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT));

    const DLGITEMTEMPLATE_QV& log = dialog.items[33];
    EXPECT_STREQ(log.className, "SysListView32");
    EXPECT_EQ(log.style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT));
    EXPECT_EQ((std::vector<int>{log.x, log.y, log.cx, log.cy}), (std::vector<int>{7, 257, 305, 71}));

    const DLGITEMTEMPLATE_QV& save = dialog.items[41];
    EXPECT_STREQ(save.text, "Save");
    EXPECT_EQ(save.style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON));
}

TEST(MainDialogTemplate, OnlyTheFourPulseAndDutyEditsTakeDigitsAloneAndOnlyTheDriveValueIsHidden)
{
    const DLGTEMPLATE_QV& dialog = MainDialog();
    std::vector<int> digitsOnly;
    std::vector<int> hidden;
    for (int i = 0; i < dialog.itemCount; ++i) {
        const DLGITEMTEMPLATE_QV& item = dialog.items[i];
        if (std::string(item.className) == "EDIT" && (item.style & ES_NUMBER))
            digitsOnly.push_back(item.id);
        if (!(item.style & WS_VISIBLE))
            hidden.push_back(item.id);
    }
    EXPECT_EQ(digitsOnly, (std::vector<int>{1005, 1006, 1007, 1008}));
    EXPECT_EQ(hidden, std::vector<int>{1011});
}

TEST(MainDialogInit, RecordsAddEachItemToItsListAndEndWithAZeroWord)
{
    std::vector<BYTE> bytes = ResourceBytes(RT_DLGINIT, IDD_QUORVEL_DIALOG);
    // 6 stretcher items and 33 frequencies: 39 headers of 8 bytes, the strings with
    // their zeros, and the closing word.
    ASSERT_EQ(bytes.size(), 39u * 8 + (4 * 1 + 2 * 2) + (1 * 5 + 18 * 4 + 14 * 3) + 39 + 2);
    EXPECT_EQ(HexRange(bytes, 0, 10), "F8 03 43 01 02 00 00 00 31 00");            // 1016: "1"
    EXPECT_EQ(HexRange(bytes, 40, 11), "F8 03 43 01 03 00 00 00 31 36 00");        // 1016: "16"
    EXPECT_EQ(HexRange(bytes, 62, 14), "05 04 43 01 06 00 00 00 31 39 35 33 31 00");  // 1029: "19531"
    EXPECT_EQ(HexRange(bytes, bytes.size() - 14, 14), "05 04 43 01 04 00 00 00 33 33 30 00 00 00");  // "330", end
}

TEST(StringTable, HoldsTheThreeDataExchangeMessages)
{
    CString text;
    ASSERT_TRUE(text.LoadString(61712));
    EXPECT_EQ(Hex(text), "C7 EB CA E4 C8 EB D2 BB B8 F6 D5 FB CA FD A1 A3");  // 请输入一个整数。
    ASSERT_TRUE(text.LoadString(61713));
    EXPECT_EQ(Hex(text), "C7 EB CA E4 C8 EB D2 BB B8 F6 CA FD D7 D6 A1 A3");  // 请输入一个数字。
    ASSERT_TRUE(text.LoadString(61718));
    // 请输入一个在 0 和 255 之间的整数。
    EXPECT_EQ(Hex(text), "C7 EB CA E4 C8 EB D2 BB B8 F6 D4 DA 20 30 20 BA CD 20 32 35 35 20 D6 AE BC E4 B5 C4 D5 FB CA FD A1 A3");
}

TEST(StringTable, HasNoOtherString)
{
    CString text("unchanged");
    EXPECT_FALSE(text.LoadString(61714));
    EXPECT_FALSE(text.LoadString(61727));
    EXPECT_FALSE(text.LoadString(61728));
    EXPECT_FALSE(text.LoadString(1));
    EXPECT_EQ(text, "unchanged");
}

TEST(IconGroup, HoldsNineImagesAt48And32And16PixelsIn4And8And24BitColour)
{
    std::vector<BYTE> ico = ResourceBytes(RT_GROUP_ICON, IDR_MAINFRAME);
    ASSERT_GE(ico.size(), 6u + 9 * 16);
    EXPECT_EQ(HexRange(ico, 0, 6), "00 00 01 00 09 00");
    const std::vector<std::string> entries = {"30 30 10 00 01 00 04 00", "30 30 00 00 01 00 08 00", "30 30 00 00 01 00 18 00",
                                              "20 20 10 00 01 00 04 00", "20 20 00 00 01 00 08 00", "20 20 00 00 01 00 18 00",
                                              "10 10 10 00 01 00 04 00", "10 10 00 00 01 00 08 00", "10 10 00 00 01 00 18 00"};
    for (size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(HexRange(ico, 6 + 16 * i, 8), entries[i]) << "image " << i;
}

}  // namespace
