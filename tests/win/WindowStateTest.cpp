#include <gtest/gtest.h>

#include "TestDialog.h"

namespace {

TEST(WindowStateTest, MinimisedWindowIsIconicWithAnEmptyClientArea)
{
    HeadlessDriver driver;
    TestDialog dialog;
    ShowWindow(dialog.Handle(), SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(dialog.Handle()));
    RECT rect{1, 1, 1, 1};
    GetClientRect(dialog.Handle(), &rect);
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}), (std::vector<LONG>{0, 0, 0, 0}));
    ShowWindow(dialog.Handle(), SW_RESTORE);
    GetClientRect(dialog.Handle(), &rect);
    EXPECT_EQ(rect.right, 558);
    EXPECT_EQ(driver.Changes().back().change, WindowChange::Visibility);
}

TEST(WindowStateTest, MessageBoxIsTheDriversToShowAndAnswer)
{
    HeadlessDriver driver;
    driver.AnswerMessageBox(IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "请输入一个数字。", "Quorvel", MB_OK | MB_ICONEXCLAMATION), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "text", nullptr, MB_OK), IDOK);
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "请输入一个数字。");
    EXPECT_EQ(driver.MessageBoxes()[0].caption, "Quorvel");
    EXPECT_EQ(driver.MessageBoxes()[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(driver.MessageBoxes()[1].caption, "Error");
}

}  // namespace
