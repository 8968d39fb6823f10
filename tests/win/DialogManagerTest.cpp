#include <gtest/gtest.h>

#include <algorithm>

#include "TestDialog.h"

namespace {

std::string ClassOf(HWND hWnd)
{
    char name[32] = {};
    GetClassName(hWnd, name, sizeof name);
    return name;
}

class DialogManagerTest : public ::testing::Test {
protected:
    HeadlessDriver driver;
};

TEST_F(DialogManagerTest, TemplateBecomesADialogWithOneControlPerItemInOrder)
{
    TestDialog dialog(MainDialogTemplate(), 0x5A5A);
    HWND hDlg = dialog.Handle();
    ASSERT_NE(hDlg, nullptr);
    EXPECT_EQ(ClassOf(hDlg), "#32770");
    EXPECT_EQ(WindowText(hDlg), "Quorvel");
    EXPECT_EQ(GetWindowLong(hDlg, GWL_EXSTYLE), WS_EX_APPWINDOW);
    ASSERT_EQ(GetWindowChildCount(hDlg), 42);
    const DLGTEMPLATE_QV& t = MainDialogTemplate();
    for (int i = 0; i < 42; ++i) {
        HWND hControl = GetWindowChild(hDlg, i);
        EXPECT_EQ(GetDlgCtrlID(hControl), t.items[i].id) << i;
        EXPECT_EQ(ClassOf(hControl), t.items[i].className) << i;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLong(hControl, GWL_STYLE)), t.items[i].style) << i;
        EXPECT_EQ(WindowText(hControl), t.items[i].text) << i;
    }
    EXPECT_EQ(WindowText(dialog.Item(1014)), "Read Config");
    EXPECT_EQ(dialog.initParamSeen, 0x5A5A);
}

// Base units 7 x 14: x * 7 / 4 and y * 14 / 8, rounded half away from zero.
TEST_F(DialogManagerTest, ControlRectanglesArePixelsOfTheTemplateFont)
{
    TestDialog dialog;
    RECT rect{};
    GetWindowRect(dialog.Item(1003), &rect);  // 101, 43, 46 x 12
    EXPECT_EQ(rect.left, 177);                // 176.75
    EXPECT_EQ(rect.top, 75);                  // 75.25
    EXPECT_EQ(rect.right, 257);               // 147 * 1.75 = 257.25
    EXPECT_EQ(rect.bottom, 96);               // 55 * 1.75 = 96.25
    GetWindowRect(dialog.Item(1037), &rect);  // 67, 7, 50 x 14
    EXPECT_EQ(rect.left, 117);                // 117.25
    EXPECT_EQ(rect.top, 12);                  // 12.25
    EXPECT_EQ(rect.right, 205);               // 204.75
    EXPECT_EQ(rect.bottom, 37);               // 36.75

    GetClientRect(dialog.Handle(), &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 558);   // 319 * 1.75 = 558.25
    EXPECT_EQ(rect.bottom, 586);  // 335 * 1.75 = 586.25
}

TEST_F(DialogManagerTest, MapDialogRectRoundsHalvesAwayFromZero)
{
    TestDialog dialog;
    RECT rect{2, 2, 6, -2};
    ASSERT_TRUE(MapDialogRect(dialog.Handle(), &rect));
    EXPECT_EQ(rect.left, 4);     // 3.5
    EXPECT_EQ(rect.top, 4);      // 3.5
    EXPECT_EQ(rect.right, 11);   // 10.5
    EXPECT_EQ(rect.bottom, -4);  // -3.5
    RECT untouched{1, 1, 1, 1};
    EXPECT_FALSE(MapDialogRect(dialog.Item(1003), &untouched));
    EXPECT_EQ(untouched.left, 1);
}

TEST_F(DialogManagerTest, FocusStartsOnTheFirstVisibleTabStop)
{
    TestDialog dialog;
    EXPECT_EQ(GetFocus(), dialog.Item(1000));
    EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
}

// Answers FALSE to everything, WM_INITDIALOG included.
INT_PTR KeepFocusProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

TEST_F(DialogManagerTest, InitDialogAnsweringFalseSetsNoFocus)
{
    SetFocus(nullptr);
    HWND hDlg = CreateDialogIndirectParam(nullptr, &MainDialogTemplate(), nullptr, KeepFocusProc, 0);
    ASSERT_NE(hDlg, nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    DestroyWindow(hDlg);
}

TEST_F(DialogManagerTest, AControlOfAnUnknownClassFailsTheWholeDialog)
{
    const DLGITEMTEMPLATE_QV items[] = {
        {WS_CHILD | WS_VISIBLE, 0, 0, 0, 10, 10, 1, "BUTTON", "a"},
        {WS_CHILD | WS_VISIBLE, 0, 0, 0, 10, 10, 2, "NoSuchControl", ""},
    };
    DLGTEMPLATE_QV broken = MainDialogTemplate();
    broken.items = items;
    broken.itemCount = 2;
    driver.ClearChanges();
    EXPECT_EQ(CreateDialogIndirectParam(nullptr, &broken, nullptr, KeepFocusProc, 0), nullptr);
    int created = 0;
    int destroyed = 0;
    for (const auto& change : driver.Changes()) {
        created += change.change == WindowChange::Created;
        destroyed += change.change == WindowChange::Destroyed;
    }
    EXPECT_EQ(created, 2);  // the dialog and its first button
    EXPECT_EQ(destroyed, 2);
}

TEST_F(DialogManagerTest, EndDialogKeepsTheResultAndTellsTheDriver)
{
    TestDialog dialog;
    EXPECT_FALSE(IsDialogEnded(dialog.Handle()));
    driver.ClearChanges();
    EXPECT_TRUE(EndDialog(dialog.Handle(), 42));
    EXPECT_TRUE(IsDialogEnded(dialog.Handle()));
    EXPECT_EQ(GetDialogResult(dialog.Handle()), 42);
    ASSERT_EQ(driver.Changes().size(), 1u);
    EXPECT_EQ(driver.Changes()[0].change, WindowChange::DialogEnded);
    EXPECT_TRUE(IsWindow(dialog.Handle()));
    EXPECT_FALSE(EndDialog(dialog.Item(1001), 1));
}

TEST_F(DialogManagerTest, CloseMessageBecomesTheCancelCommandAndDestroysNothing)
{
    TestDialog dialog;
    SendMessage(dialog.Handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(dialog.commands.size(), 1u);
    EXPECT_EQ(dialog.commands[0].id, IDCANCEL);
    EXPECT_EQ(dialog.commands[0].code, BN_CLICKED);
    EXPECT_TRUE(IsWindow(dialog.Handle()));
    EXPECT_EQ(GetDialogResult(dialog.Handle()), IDCANCEL);
}

TEST_F(DialogManagerTest, DialogIsShownOnlyAfterItsControlsAndInitDialog)
{
    driver.ClearChanges();
    TestDialog dialog;
    const auto& changes = driver.Changes();
    auto shown = std::find_if(changes.begin(), changes.end(),
                              [](const auto& c) { return c.change == WindowChange::Visibility; });
    ASSERT_NE(shown, changes.end());
    EXPECT_EQ(shown->hWnd, dialog.Handle());
    auto focus = std::find_if(changes.begin(), changes.end(), [](const auto& c) { return c.change == WindowChange::Focus; });
    EXPECT_LT(focus - changes.begin(), shown - changes.begin());
    EXPECT_EQ(std::count_if(changes.begin(), changes.end(), [](const auto& c) { return c.change == WindowChange::Created; }), 43);
}

TEST_F(DialogManagerTest, SendDlgItemMessageReachesTheControlById)
{
    TestDialog dialog;
    SendDlgItemMessage(dialog.Handle(), 1027, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessage(dialog.Item(1027), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendDlgItemMessage(dialog.Handle(), 4242, BM_GETCHECK, 0, 0), 0);
}

}  // namespace
