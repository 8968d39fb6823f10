#include <gtest/gtest.h>

#include "TestDialog.h"

namespace {

class WindowStateTest : public ::testing::Test {
protected:
    HeadlessDriver driver;
    TestDialog dialog;
};

TEST_F(WindowStateTest, MinimisedWindowIsIconicWithAnEmptyClientArea)
{
    EXPECT_FALSE(IsIconic(dialog.Handle()));
    EXPECT_TRUE(ShowWindow(dialog.Handle(), SW_MINIMIZE));
    EXPECT_TRUE(IsIconic(dialog.Handle()));
    RECT rect{1, 1, 1, 1};
    GetClientRect(dialog.Handle(), &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 0);
    EXPECT_EQ(rect.bottom, 0);
    ShowWindow(dialog.Handle(), SW_RESTORE);
    EXPECT_FALSE(IsIconic(dialog.Handle()));
    GetClientRect(dialog.Handle(), &rect);
    EXPECT_EQ(rect.right, 558);
    EXPECT_EQ(rect.bottom, 586);
}

TEST_F(WindowStateTest, HiddenDialogHidesItsControls)
{
    EXPECT_TRUE(IsWindowVisible(dialog.Item(1003)));
    EXPECT_FALSE(IsWindowVisible(dialog.Item(1011)));
    driver.ClearChanges();
    EXPECT_TRUE(ShowWindow(dialog.Handle(), SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(dialog.Item(1003)));
    EXPECT_FALSE(ShowWindow(dialog.Handle(), SW_HIDE));
    ASSERT_EQ(driver.Changes().size(), 1u);
    EXPECT_EQ(driver.Changes()[0].change, WindowChange::Visibility);
}

TEST_F(WindowStateTest, SystemIconIs32PixelsSquare)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_CYICON), 32);
}

TEST_F(WindowStateTest, MessageBoxIsTheDriversToShowAndAnswer)
{
    driver.AnswerMessageBox(IDCANCEL);
    EXPECT_EQ(MessageBox(dialog.Handle(), "请输入一个数字。", "Quorvel", MB_OK | MB_ICONEXCLAMATION), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "text", nullptr, MB_OK), IDOK);
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    EXPECT_EQ(driver.MessageBoxes()[0].owner, dialog.Handle());
    EXPECT_EQ(driver.MessageBoxes()[0].text, "请输入一个数字。");
    EXPECT_EQ(driver.MessageBoxes()[0].caption, "Quorvel");
    EXPECT_EQ(driver.MessageBoxes()[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(driver.MessageBoxes()[1].caption, "Error");
}

TEST_F(WindowStateTest, BeepIsTheDriversToSound)
{
    MessageBeep(MB_ICONEXCLAMATION);
    EXPECT_EQ(driver.Beeps(), std::vector<UINT>{MB_ICONEXCLAMATION});
}

TEST_F(WindowStateTest, PopupWithAnOwnerIsNoChildOfItAndGoesWithIt)
{
    HWND hOwned = CreateDialogIndirectParam(nullptr, &MainDialogTemplate(), dialog.Handle(), nullptr, 0);
    ASSERT_NE(hOwned, nullptr);
    EXPECT_EQ(GetParent(hOwned), dialog.Handle());
    EXPECT_EQ(GetWindowChildCount(dialog.Handle()), 42);
    DestroyWindow(dialog.Handle());
    EXPECT_FALSE(IsWindow(hOwned));
}

TEST_F(WindowStateTest, CloseBoxOfAPlainWindowDestroysIt)
{
    WNDCLASS plain{0, DefWindowProc, "PlainTestWindow"};
    RegisterClass(&plain);
    HWND hWnd = CreateWindowEx(0, "PlainTestWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SendMessage(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(hWnd));
}

}  // namespace
