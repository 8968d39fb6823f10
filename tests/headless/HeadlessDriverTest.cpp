#include <gtest/gtest.h>

#include "input.h"
#include "win/TestDialog.h"

namespace {

class HeadlessDriverTest : public ::testing::Test {
protected:
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

TEST_F(HeadlessDriverTest, ScriptIsPlayedUntilTheDialogEndsAndTheRestIsLeft)
{
    SendMessage(dialog.Item(1016), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("1"));
    SendMessage(dialog.Item(1016), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("2"));
    driver.Click(1003);
    driver.TypeText("3.2");
    driver.PressKey(VK_TAB);
    driver.TypeText("a1");
    driver.ChooseItem(1016, 1);
    driver.Click(1027);
    driver.PressKey(VK_ESCAPE);
    driver.TypeText("never typed");
    driver.RunModalLoop(dialog.Handle());

    EXPECT_EQ(HeadlessDriver::TextOf(dialog.Handle(), 1003), "3.2");
    EXPECT_EQ(HeadlessDriver::TextOf(dialog.Handle(), 1005), "1");
    EXPECT_EQ(HeadlessDriver::ComboSelection(dialog.Handle(), 1016), 1);
    EXPECT_EQ(HeadlessDriver::ComboItems(dialog.Handle(), 1016), (std::vector<std::string>{"1", "2"}));
    EXPECT_TRUE(HeadlessDriver::IsChecked(dialog.Handle(), 1027));
    EXPECT_EQ(HeadlessDriver::FocusedControlId(), 1027);
    EXPECT_EQ(driver.Beeps().size(), 1u);
    EXPECT_EQ(GetDialogResult(dialog.Handle()), IDCANCEL);
    EXPECT_EQ(driver.StepsLeft(), 1u);
}

TEST_F(HeadlessDriverTest, ScriptRunningOutClosesTheDialogWithTheCloseBox)
{
    driver.Click(1001);
    driver.RunModalLoop(dialog.Handle());
    EXPECT_EQ(CommandIds(), (std::vector<int>{1001, IDCANCEL}));
    EXPECT_TRUE(IsDialogEnded(dialog.Handle()));
}

TEST_F(HeadlessDriverTest, SelectedTextIsReplacedByAPaste)
{
    SetWindowText(dialog.Item(1012), "12abc");
    driver.Click(1012);
    driver.SelectText(1012, 2, 5);
    driver.PasteText("34");
    driver.PressKey(VK_RETURN);
    driver.RunModalLoop(dialog.Handle());
    EXPECT_EQ(HeadlessDriver::TextOf(dialog.Handle(), 1012), "1234");
    EXPECT_EQ(HeadlessDriver::TextSelection(dialog.Handle(), 1012), std::make_pair(4, 4));
    EXPECT_EQ(GetDialogResult(dialog.Handle()), IDOK);
}

TEST_F(HeadlessDriverTest, KeysGoToTheDialogWhenNoControlHasTheFocus)
{
    SetFocus(nullptr);
    driver.PressKey(VK_RETURN);
    driver.RunModalLoop(dialog.Handle());
    EXPECT_EQ(CommandIds(), std::vector<int>{IDOK});
}

TEST_F(HeadlessDriverTest, CloseBoxStepEndsTheDialogAsCancel)
{
    driver.CloseBox();
    driver.RunModalLoop(dialog.Handle());
    EXPECT_EQ(CommandIds(), std::vector<int>{IDCANCEL});
    EXPECT_EQ(driver.StepsLeft(), 0u);
}

// A dialog that will not be cancelled.
INT_PTR StubbornProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG;
}

TEST(HeadlessDriverLoop, ReturnsAfterTheCloseBoxEvenIfTheDialogStaysOpen)
{
    HeadlessDriver driver;
    HWND hDlg = CreateDialogIndirectParam(nullptr, &MainDialogTemplate(), nullptr, StubbornProc, 0);
    driver.RunModalLoop(hDlg);
    EXPECT_FALSE(IsDialogEnded(hDlg));
    EXPECT_TRUE(IsWindow(hDlg));
    DestroyWindow(hDlg);
}

TEST(HeadlessDriverLoop, ReturnsAtOnceForADialogAlreadyEnded)
{
    HeadlessDriver driver;
    TestDialog dialog;
    EndDialog(dialog.Handle(), 7);
    driver.PressKey(VK_TAB);
    driver.RunModalLoop(dialog.Handle());
    EXPECT_EQ(driver.StepsLeft(), 1u);
    EXPECT_EQ(GetDialogResult(dialog.Handle()), 7);
}

TEST(HeadlessDriverMessageBoxes, AreAnsweredInTheOrderQueuedThenWithOk)
{
    HeadlessDriver driver;
    driver.AnswerMessageBox(IDCANCEL);
    driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(MessageBox(nullptr, "a", "Quorvel", MB_OK), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "b", "Quorvel", MB_OK), IDOK);
    EXPECT_EQ(MessageBox(nullptr, "c", "Quorvel", MB_OK), IDOK);
    ASSERT_EQ(driver.MessageBoxes().size(), 3u);
    EXPECT_EQ(driver.MessageBoxes()[2].text, "c");
}

TEST(HeadlessDriverInstall, PutsBackTheDriverItReplaced)
{
    DisplayDriver& before = GetDisplayDriver();
    {
        HeadlessDriver outer;
        {
            HeadlessDriver inner;
            EXPECT_EQ(&GetDisplayDriver(), &inner);
            EXPECT_EQ(GetDisplayDriver().FontBaseUnits("Tahoma", 9, 700).cx, 7);
        }
        EXPECT_EQ(&GetDisplayDriver(), &outer);
    }
    EXPECT_EQ(&GetDisplayDriver(), &before);
}

}  // namespace
