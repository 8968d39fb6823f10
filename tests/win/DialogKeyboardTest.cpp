#include <gtest/gtest.h>

#include "TestDialog.h"
#include "input.h"

namespace {

class DialogKeyboardTest : public ::testing::Test {
protected:
    int Focused() const { return GetDlgCtrlID(GetFocus()); }
    void Key(UINT vk, UINT modifiers = 0) { UserKey(GetFocus() != nullptr ? GetFocus() : dialog.Handle(), vk, modifiers); }
    std::vector<int> CommandIds() const
    {
        std::vector<int> ids;
        for (const Command& c : dialog.commands)
            ids.push_back(c.id);
        return ids;
    }

    HeadlessDriver driver;
    TestDialog dialog;
};

TEST_F(DialogKeyboardTest, TabWalksTheVisibleTabStopsInTemplateOrderAndWraps)
{
    std::vector<int> walked{Focused()};
    for (int i = 0; i < 22; ++i) {
        Key(VK_TAB);
        walked.push_back(Focused());
    }
    std::vector<int> expected{1000, 1001, 1003, 1005, 1006, 1007, 1008, 1009, 1010, 1012, 1013, 1014,
                              1016, 1026, 1027, 1028, 1029, 1033, 1034, 1035, 1036, 1037, 1000};
    EXPECT_EQ(walked, expected);
}

TEST_F(DialogKeyboardTest, ShiftTabWalksBackAndWrapsToTheLast)
{
    Key(VK_TAB, MK_SHIFT_KEY);
    EXPECT_EQ(Focused(), 1037);
    Key(VK_TAB, MK_SHIFT_KEY);
    EXPECT_EQ(Focused(), 1036);
    Key(VK_TAB);
    Key(VK_TAB);
    EXPECT_EQ(Focused(), 1000);
}

TEST_F(DialogKeyboardTest, TabIntoAnEditSelectsItsWholeText)
{
    SetWindowText(dialog.Item(1003), "3.2");
    Key(VK_TAB);
    Key(VK_TAB);
    ASSERT_EQ(Focused(), 1003);
    DWORD first = 9;
    DWORD last = 9;
    SendMessage(dialog.Item(1003), EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    EXPECT_EQ(first, 0u);
    EXPECT_EQ(last, 3u);
}

TEST_F(DialogKeyboardTest, HiddenEditIsPassedOverEvenWhenItIsNamedAsTheStart)
{
    SetFocus(dialog.Item(1011));
    Key(VK_TAB);
    EXPECT_EQ(Focused(), 1012);
}

TEST_F(DialogKeyboardTest, EnterOnAPushButtonClicksItAndLeavesTheDialogOpen)
{
    SetFocus(dialog.Item(1014));
    Key(VK_RETURN);
    ASSERT_EQ(dialog.commands.size(), 1u);
    EXPECT_EQ(dialog.commands[0].id, 1014);
    EXPECT_EQ(dialog.commands[0].code, BN_CLICKED);
    EXPECT_FALSE(IsDialogEnded(dialog.Handle()));
}

TEST_F(DialogKeyboardTest, EnterElsewhereIsTheOkCommand)
{
    for (int id : {1000, 1003, 1027, 1016}) {
        SetFocus(dialog.Item(id));
        Key(VK_RETURN);
    }
    EXPECT_EQ(CommandIds(), (std::vector<int>{IDOK, IDOK, IDOK, IDOK}));
    EXPECT_FALSE(SendMessage(dialog.Item(1027), BM_GETCHECK, 0, 0));
    EXPECT_EQ(GetDialogResult(dialog.Handle()), IDOK);
}

TEST_F(DialogKeyboardTest, EscapeIsTheCancelCommandFromAnyControl)
{
    SetFocus(dialog.Item(1014));
    Key(VK_ESCAPE);
    EXPECT_EQ(CommandIds(), std::vector<int>{IDCANCEL});
    EXPECT_EQ(GetDialogResult(dialog.Handle()), IDCANCEL);
}

TEST_F(DialogKeyboardTest, CloseBoxAndAltF4AreTheCancelCommand)
{
    UserClose(dialog.Handle());
    SetFocus(dialog.Item(1005));
    Key(VK_F4, MK_ALT_KEY);
    Key(VK_F4);
    EXPECT_EQ(CommandIds(), (std::vector<int>{IDCANCEL, IDCANCEL}));
    EXPECT_TRUE(IsWindow(dialog.Handle()));
}

TEST_F(DialogKeyboardTest, F1AloneSendsTheHelpCommand)
{
    Key(VK_F1, MK_SHIFT_KEY);
    Key(VK_F1, MK_CONTROL_KEY);
    Key(VK_F1, MK_ALT_KEY);
    EXPECT_TRUE(dialog.commands.empty());
    Key(VK_F1);
    ASSERT_EQ(dialog.commands.size(), 1u);
    EXPECT_EQ(dialog.commands[0].id, 0xE146);
    EXPECT_EQ(dialog.commands[0].code, 0);
}

TEST_F(DialogKeyboardTest, SpaceTogglesAFocusedCheckBoxThenNotifies)
{
    SetFocus(dialog.Item(1033));
    Key(VK_SPACE);
    EXPECT_EQ(SendMessage(dialog.Item(1033), BM_GETCHECK, 0, 0), BST_CHECKED);
    Key(VK_SPACE);
    EXPECT_EQ(SendMessage(dialog.Item(1033), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(CommandIds(), (std::vector<int>{1033, 1033}));
}

TEST_F(DialogKeyboardTest, SpaceClicksAFocusedPushButtonButNotAList)
{
    SetFocus(dialog.Item(1028));
    Key(VK_SPACE);
    SetFocus(dialog.Item(1016));
    Key(VK_SPACE);
    EXPECT_EQ(CommandIds(), std::vector<int>{1028});
}

TEST_F(DialogKeyboardTest, ClickMovesTheFocusOnlyToControlsThatTakeIt)
{
    HWND hLabel = GetWindowChild(dialog.Handle(), 2);
    HWND hGroup = GetWindowChild(dialog.Handle(), 21);
    UserClick(hLabel);
    UserClick(hGroup);
    UserClick(dialog.Item(1018));
    EXPECT_EQ(Focused(), 1000);
    EXPECT_TRUE(dialog.commands.empty());

    UserClick(dialog.Item(1006));
    EXPECT_EQ(Focused(), 1006);
    UserClick(dialog.Item(1035));
    EXPECT_EQ(Focused(), 1035);
    EXPECT_EQ(SendMessage(dialog.Item(1035), BM_GETCHECK, 0, 0), BST_CHECKED);
    UserClick(dialog.Item(1001));
    EXPECT_EQ(Focused(), 1001);
    EXPECT_EQ(CommandIds(), (std::vector<int>{1035, 1001}));
}

TEST_F(DialogKeyboardTest, ClickIntoAnEditLeavesItsSelectionAlone)
{
    SetWindowText(dialog.Item(1012), "12abc");
    UserClick(dialog.Item(1012));
    EXPECT_EQ(HeadlessDriver::TextSelection(dialog.Handle(), 1012), std::make_pair(0, 0));
}

TEST_F(DialogKeyboardTest, FocusChangeTellsTheLoserFirstAndTheDriver)
{
    static std::vector<std::pair<HWND, UINT>> heard;
    heard.clear();
    WNDPROC editProc = reinterpret_cast<WNDPROC>(GetWindowLongPtr(dialog.Item(1003), GWLP_WNDPROC));
    static WNDPROC s_editProc = editProc;
    WNDPROC listening = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_SETFOCUS || m == WM_KILLFOCUS)
            heard.push_back({h, m});
        return CallWindowProc(s_editProc, h, m, w, l);
    };
    SetWindowLongPtr(dialog.Item(1003), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listening));
    SetWindowLongPtr(dialog.Item(1005), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listening));
    SetFocus(dialog.Item(1003));
    driver.ClearChanges();
    EXPECT_EQ(SetFocus(dialog.Item(1005)), dialog.Item(1003));
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_EQ(heard[1], std::make_pair(dialog.Item(1003), static_cast<UINT>(WM_KILLFOCUS)));
    EXPECT_EQ(heard[2], std::make_pair(dialog.Item(1005), static_cast<UINT>(WM_SETFOCUS)));
    ASSERT_EQ(driver.Changes().size(), 1u);
    EXPECT_EQ(driver.Changes()[0].hWnd, dialog.Item(1005));
    EXPECT_EQ(driver.Changes()[0].change, WindowChange::Focus);
}

TEST_F(DialogKeyboardTest, DestroyedFocusLeavesNoFocusBehind)
{
    SetFocus(dialog.Item(1012));
    DestroyWindow(dialog.Item(1012));
    EXPECT_EQ(GetFocus(), nullptr);
}

}  // namespace
