#include <gtest/gtest.h>

#include <vector>

#include "HeadlessDriver.h"
#include "commctrl.h"
#include "winbase.h"

namespace {

// A parent window that records the notifications its children send it.
struct Recorded {
    int id;
    int code;
    int checkWhenNotified;
};
std::vector<Recorded> g_commands;

LRESULT RecordingParentProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND) {
        HWND hChild = reinterpret_cast<HWND>(lParam);
        g_commands.push_back({LOWORD(wParam), HIWORD(wParam), static_cast<int>(SendMessage(hChild, BM_GETCHECK, 0, 0))});
        return 0;
    }
    return DefWindowProc(hWnd, msg, wParam, lParam);
}

class WindowTest : public ::testing::Test {
protected:
    WindowTest()
    {
        g_commands.clear();
        WNDCLASS parentClass{0, RecordingParentProc, "RecordingParent"};
        RegisterClass(&parentClass);
        parent = CreateWindowEx(0, "RecordingParent", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    }
    ~WindowTest() override { DestroyWindow(parent); }

    HWND Child(LPCTSTR className, DWORD style, int id, LPCTSTR text = "")
    {
        return CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 50, 10, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    HeadlessDriver driver;
    HWND parent;
};

TEST_F(WindowTest, SetCheckChangesTheStateAndTellsNobody)
{
    HWND box = Child("BUTTON", BS_AUTOCHECKBOX, 1027, "Internal OSC");
    SendMessage(box, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessage(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessage(box, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(SendMessage(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(g_commands.empty());
}

TEST_F(WindowTest, ClickTogglesAnAutoCheckBoxBeforeTheParentHearsOfIt)
{
    HWND box = Child("BUTTON", BS_AUTOCHECKBOX, 1035, "Narrow Band");
    SendMessage(box, BM_CLICK, 0, 0);
    SendMessage(box, BM_CLICK, 0, 0);
    ASSERT_EQ(g_commands.size(), 2u);
    EXPECT_EQ(g_commands[0].id, 1035);
    EXPECT_EQ(g_commands[0].code, BN_CLICKED);
    EXPECT_EQ(g_commands[0].checkWhenNotified, BST_CHECKED);
    EXPECT_EQ(g_commands[1].checkWhenNotified, BST_UNCHECKED);
}

TEST_F(WindowTest, PushButtonHasNoCheckAndClicksNotify)
{
    HWND button = Child("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 1014, "Read Config");
    SendMessage(button, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessage(button, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessage(button, BM_CLICK, 0, 0);
    ASSERT_EQ(g_commands.size(), 1u);
    EXPECT_EQ(g_commands[0].id, 1014);
}

TEST_F(WindowTest, ChildrenAreFoundByIdAndDieWithTheirParent)
{
    HWND a = Child("BUTTON", BS_AUTOCHECKBOX, 1033);
    HWND b = Child(WC_LISTVIEW, LVS_REPORT, 1026);
    EXPECT_EQ(GetDlgItem(parent, 1033), a);
    EXPECT_EQ(GetDlgItem(parent, 1026), b);
    EXPECT_EQ(GetDlgItem(parent, 999), nullptr);
    EXPECT_EQ(GetDlgCtrlID(b), 1026);
    EXPECT_EQ(GetParent(a), parent);
    EXPECT_EQ(GetWindowChildCount(parent), 2);
    EXPECT_EQ(GetWindowChild(parent, 1), b);

    DestroyWindow(parent);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_FALSE(IsWindow(b));
    EXPECT_EQ(SendMessage(a, BM_GETCHECK, 0, 0), 0);
    parent = CreateWindowEx(0, "RecordingParent", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    EXPECT_NE(parent, a);
    EXPECT_NE(parent, b);
}

TEST_F(WindowTest, TextIsCopiedWithinTheBufferGiven)
{
    HWND button = Child("BUTTON", BS_PUSHBUTTON, 1001, "Reflash USB");
    EXPECT_EQ(GetWindowTextLength(button), 11);
    char small[6] = {};
    EXPECT_EQ(GetWindowText(button, small, sizeof small), 5);
    EXPECT_STREQ(small, "Refla");
    SetWindowText(button, "找到");
    EXPECT_EQ(GetWindowTextLength(button), 4);
}

TEST_F(WindowTest, UnknownClassCreatesNothing)
{
    EXPECT_EQ(Child("NoSuchClass", 0, 1), nullptr);
    EXPECT_EQ(GetWindowChildCount(parent), 0);
}

TEST_F(WindowTest, ListViewInsertsRowsAtTheirIndexAndAppendsPastTheEnd)
{
    HWND list = Child(WC_LISTVIEW, LVS_REPORT, 1026);
    auto insert = [&](int index, LPCTSTR text) {
        LVITEM item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = const_cast<LPTSTR>(text);
        return SendMessage(list, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
    };
    auto text = [&](int index, int subItem) {
        char buffer[64] = {};
        LVITEM item{};
        item.iSubItem = subItem;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        SendMessage(list, LVM_GETITEMTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        return std::string(buffer);
    };

    EXPECT_EQ(insert(0, "a"), 0);
    EXPECT_EQ(insert(0, "b"), 0);
    EXPECT_EQ(insert(99, "c"), 2);
    EXPECT_EQ(insert(-1, "d"), -1);
    EXPECT_EQ(SendMessage(list, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(text(0, 0), "b");
    EXPECT_EQ(text(1, 0), "a");
    EXPECT_EQ(text(2, 0), "c");

    LVITEM sub{};
    sub.iSubItem = 1;
    sub.pszText = const_cast<LPTSTR>("second");
    EXPECT_TRUE(SendMessage(list, LVM_SETITEMTEXT, 1, reinterpret_cast<LPARAM>(&sub)));
    EXPECT_FALSE(SendMessage(list, LVM_SETITEMTEXT, 3, reinterpret_cast<LPARAM>(&sub)));
    EXPECT_EQ(text(1, 1), "second");
    EXPECT_EQ(text(0, 1), "");
}

TEST(LocalTime, ComesFromTheInstalledDriver)
{
    HeadlessDriver driver;
    driver.SetLocalTime(SYSTEMTIME{2026, 12, 3, 9, 7, 8, 9, 10});
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_EQ(now.wHour, 7);
    EXPECT_EQ(now.wMinute, 8);
    EXPECT_EQ(now.wSecond, 9);
}

}  // namespace
