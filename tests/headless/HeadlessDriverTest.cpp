#include <gtest/gtest.h>

#include "win/TestDialog.h"

namespace {

class HeadlessDriverTest : public ::testing::Test {
protected:
    HeadlessDriver driver;
    TestDialog dialog;
};

TEST_F(HeadlessDriverTest, ScriptIsPlayedThroughTheInputUntilTheDialogEnds)
{
    SendMessage(dialog.Item(1016), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("1"));
    SendMessage(dialog.Item(1016), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("2"));
    SetWindowText(dialog.Item(1012), "12abc");
    driver.Click(1003);
    driver.TypeText("3.2");
    driver.PressKey(VK_TAB);
    driver.TypeText("a1");
    driver.SelectText(1012, 2, 5);
    driver.Click(1012);
    driver.PasteText("34");
    driver.ChooseItem(1016, 1);
    driver.Click(1027);
    driver.PressKey(VK_RETURN);
    driver.TypeText("never typed");
    driver.RunModalLoop(dialog.Handle());

    EXPECT_EQ(HeadlessDriver::TextOf(dialog.Handle(), 1003), "3.2");
    EXPECT_EQ(HeadlessDriver::TextOf(dialog.Handle(), 1005), "1");
    EXPECT_EQ(HeadlessDriver::TextOf(dialog.Handle(), 1012), "1234");
    EXPECT_EQ(HeadlessDriver::ComboSelection(dialog.Handle(), 1016), 1);
    EXPECT_TRUE(HeadlessDriver::IsChecked(dialog.Handle(), 1027));
    EXPECT_EQ(HeadlessDriver::FocusedControlId(), 1027);
    EXPECT_EQ(driver.Beeps().size(), 1u);
    EXPECT_EQ(GetDialogResult(dialog.Handle()), IDOK);
    EXPECT_EQ(driver.StepsLeft(), 1u);
}

TEST_F(HeadlessDriverTest, ScriptRunningOutClosesTheDialogWithTheCloseBox)
{
    driver.Click(1001);
    driver.RunModalLoop(dialog.Handle());
    EXPECT_EQ(dialog.CommandIds(), (std::vector<int>{1001, IDCANCEL}));
    EXPECT_TRUE(IsDialogEnded(dialog.Handle()));
}

// A dialog that will not be cancelled.
INT_PTR StubbornProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG;
}

TEST(HeadlessDriverLoop, ReturnsAfterTheCloseBoxEvenIfTheDialogStaysOpen)
{
    HeadlessDriver driver;
    HWND hDlg = CreateDialogIndirectParam(nullptr, &TestDialogTemplate(), nullptr, StubbornProc, 0);
    driver.RunModalLoop(hDlg);
    EXPECT_FALSE(IsDialogEnded(hDlg));
    DestroyWindow(hDlg);
}

TEST(HeadlessDriverMessageBoxes, AreAnsweredInTheOrderQueuedThenWithOk)
{
    HeadlessDriver driver;
    driver.AnswerMessageBox(IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "a", "Quorvel", MB_OK), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "b", "Quorvel", MB_OK), IDOK);
    EXPECT_EQ(driver.MessageBoxes().size(), 2u);
}

}  // namespace
