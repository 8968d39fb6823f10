#include <gtest/gtest.h>

#include "TestDialog.h"
#include "input.h"

namespace {

class DialogKeyboardTest : public ::testing::Test {
protected:
    int Focused() const { return GetDlgCtrlID(GetFocus()); }
    void Key(UINT vk, UINT modifiers = 0) { UserKey(GetFocus(), vk, modifiers); }
    void KeyOn(int id, UINT vk, UINT modifiers = 0)
    {
        SetFocus(dialog.Item(id));
        Key(vk, modifiers);
    }

    HeadlessDriver driver;
    TestDialog dialog;
};

TEST_F(DialogKeyboardTest, TabWalksTheVisibleTabStopsInTemplateOrderAndWraps)
{
    std::vector<int> walked{Focused()};
    for (int i = 0; i < 12; ++i) {
        Key(VK_TAB);
        walked.push_back(Focused());
    }
    EXPECT_EQ(walked, (std::vector<int>{1000, 1001, 1003, 1005, 1012, 1014, 1016, 1026, 1027, 1029, 1033, 1037, 1000}));
    Key(VK_TAB, MK_SHIFT_KEY);
    Key(VK_TAB, MK_SHIFT_KEY);
    EXPECT_EQ(Focused(), 1033);
}

TEST_F(DialogKeyboardTest, TabIntoAnEditSelectsItsWholeText)
{
    SetWindowText(dialog.Item(1003), "3.2");
    KeyOn(1001, VK_TAB);
    EXPECT_EQ(HeadlessDriver::TextSelection(dialog.Handle(), 1003), std::make_pair(0, 3));
}

TEST_F(DialogKeyboardTest, EnterClicksAFocusedPushButtonAndIsOkElsewhere)
{
    KeyOn(1014, VK_RETURN);
    EXPECT_FALSE(IsDialogEnded(dialog.Handle()));
    KeyOn(1027, VK_RETURN);
    EXPECT_EQ(dialog.CommandIds(), (std::vector<int>{1014, IDOK}));
    EXPECT_EQ(SendMessage(dialog.Item(1027), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(GetDialogResult(dialog.Handle()), IDOK);
}

TEST_F(DialogKeyboardTest, EscapeCloseBoxAndAltF4AreCancel)
{
    KeyOn(1014, VK_ESCAPE);
    UserClose(dialog.Handle());
    KeyOn(1005, VK_F4, MK_ALT_KEY);
    Key(VK_F4);
    EXPECT_EQ(dialog.CommandIds(), (std::vector<int>{IDCANCEL, IDCANCEL, IDCANCEL}));
}

TEST_F(DialogKeyboardTest, F1AloneSendsTheHelpCommand)
{
    for (UINT modifiers : {MK_SHIFT_KEY, MK_CONTROL_KEY, MK_ALT_KEY, 0})
        Key(VK_F1, modifiers);
    ASSERT_EQ(dialog.commands.size(), 1u);
    EXPECT_EQ(dialog.commands[0].id, 0xE146);
    EXPECT_EQ(dialog.commands[0].code, 0);
}

TEST_F(DialogKeyboardTest, SpaceTogglesAFocusedCheckBoxThenNotifiesButLeavesAListAlone)
{
    KeyOn(1033, VK_SPACE);
    EXPECT_EQ(SendMessage(dialog.Item(1033), BM_GETCHECK, 0, 0), BST_CHECKED);
    KeyOn(1016, VK_SPACE);
    KeyOn(1033, VK_SPACE);
    EXPECT_EQ(SendMessage(dialog.Item(1033), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(dialog.CommandIds(), (std::vector<int>{1033, 1033}));
}

TEST_F(DialogKeyboardTest, ClickMovesTheFocusOnlyToControlsThatTakeIt)
{
    for (int index : {2, 7, 9})  // label, group box, scroll bar
        UserClick(GetWindowChild(dialog.Handle(), index));
    EXPECT_EQ(Focused(), 1000);
    driver.ClearChanges();
    UserClick(dialog.Item(1027));
    EXPECT_EQ(Focused(), 1027);
    EXPECT_EQ(driver.Changes()[0].change, WindowChange::Focus);
    EXPECT_EQ(dialog.CommandIds(), std::vector<int>{1027});
}

TEST_F(DialogKeyboardTest, EnterAndEscCloseAnOpenListWithoutReachingTheDialog)
{
    for (LPCTSTR item : {"1", "2", "4"})
        SendMessage(dialog.Item(1016), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    KeyOn(1016, VK_F4);
    Key(VK_ESCAPE);
    Key(VK_DOWN, MK_ALT_KEY);
    Key(VK_RETURN);
    EXPECT_EQ(SendMessage(dialog.Item(1016), CB_GETDROPPEDSTATE, 0, 0), FALSE);
    EXPECT_FALSE(IsDialogEnded(dialog.Handle()));
    EXPECT_EQ(dialog.CommandIds(), (std::vector<int>{1016, 1016, 1016, 1016}));
    Key(VK_ESCAPE);
    EXPECT_EQ(GetDialogResult(dialog.Handle()), IDCANCEL);
}

TEST_F(DialogKeyboardTest, EachControlTellsTheDialogWhatItTakesAndEnterClicksAFocusedDefaultButton)
{
    HWND hDefault = CreateWindowEx(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 50,
                                   14, dialog.Handle(), reinterpret_cast<HMENU>(1040), nullptr, nullptr);
    std::vector<LRESULT> codes;
    for (HWND hWnd : {dialog.Item(1003), dialog.Item(1014), hDefault, dialog.Item(1027), GetWindowChild(dialog.Handle(), 7),
                      GetWindowChild(dialog.Handle(), 2), dialog.Item(1016), dialog.Item(1026), dialog.Item(1018)})
        codes.push_back(SendMessage(hWnd, WM_GETDLGCODE, 0, 0));
    // edit, push button, default push button, check box, group box, label, drop list, list view, scroll bar
    EXPECT_EQ(codes, (std::vector<LRESULT>{0x89, 0x2020, 0x2010, 0x2000, 0x100, 0x100, 0x81, 0x81, 0}));
    SetFocus(hDefault);
    Key(VK_RETURN);
    Key(VK_SPACE);
    EXPECT_EQ(dialog.CommandIds(), (std::vector<int>{1040, 1040}));
    EXPECT_FALSE(IsDialogEnded(dialog.Handle()));
}

bool HidesFocus(HWND hWnd)
{
    return (SendMessage(hWnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
}

TEST_F(DialogKeyboardTest, FocusCuesStayHiddenUntilTabOrShiftTabMovesTheFocusThenShowInTheWholeDialog)
{
    UserClick(dialog.Item(1014));
    KeyOn(1016, VK_DOWN);
    EXPECT_TRUE(HidesFocus(dialog.Item(1014)));
    Key(VK_TAB, MK_SHIFT_KEY);
    for (HWND hWnd : {dialog.Handle(), dialog.Item(1000), dialog.Item(1033)})
        EXPECT_FALSE(HidesFocus(hWnd));
}

}  // namespace
