#include <gtest/gtest.h>

#include "TestDialog.h"
#include "input.h"

namespace {

class ComboBoxTest : public ::testing::Test {
protected:
    LRESULT Send(int id, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessage(dialog.Item(id), msg, wParam, lParam); }
    LRESULT Add(int id, LPCTSTR text) { return Send(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }
    std::vector<std::string> Items(int id) { return HeadlessDriver::ComboItems(dialog.Handle(), id); }

    HeadlessDriver driver;
    TestDialog dialog;
};

TEST_F(ComboBoxTest, SortedListPlacesEachItemWithoutRegardToCase)
{
    EXPECT_EQ(Add(1000, "USB Bridge B"), 0);
    EXPECT_EQ(Add(1000, "usb bridge a"), 0);
    EXPECT_EQ(Add(1000, "Adapter"), 0);
    EXPECT_EQ(Add(1000, "USB BRIDGE A"), 2);  // after the one equal to it
    EXPECT_EQ(Items(1000), (std::vector<std::string>{"Adapter", "usb bridge a", "USB BRIDGE A", "USB Bridge B"}));
}

TEST_F(ComboBoxTest, UnsortedListKeepsTheOrderOfAdding)
{
    for (LPCTSTR item : {"1", "2", "4", "8", "16", "32"})
        Add(1016, item);
    EXPECT_EQ(Items(1016), (std::vector<std::string>{"1", "2", "4", "8", "16", "32"}));
    EXPECT_EQ(Send(1016, CB_GETCOUNT), 6);
}

TEST_F(ComboBoxTest, NothingIsSelectedUntilTheProgramSelects)
{
    Add(1016, "1");
    EXPECT_EQ(Send(1016, CB_GETCURSEL), -1);
    EXPECT_EQ(Send(1016, CB_SETCURSEL, 0), 0);
    EXPECT_EQ(Send(1016, CB_GETCURSEL), 0);
    EXPECT_EQ(WindowText(dialog.Item(1016)), "1");
}

TEST_F(ComboBoxTest, AnIndexNamingNoItemSelectsNothingAndAnswersError)
{
    for (LPCTSTR item : {"1", "2", "4", "8", "16", "32"})
        Add(1016, item);
    Send(1016, CB_SETCURSEL, 4);
    EXPECT_EQ(WindowText(dialog.Item(1016)), "16");
    EXPECT_EQ(Send(1016, CB_SETCURSEL, 6), CB_ERR);
    EXPECT_EQ(Send(1016, CB_GETCURSEL), -1);
    EXPECT_EQ(WindowText(dialog.Item(1016)), "");
    Send(1016, CB_SETCURSEL, 1);
    EXPECT_EQ(Send(1016, CB_SETCURSEL, static_cast<WPARAM>(-1)), CB_ERR);
    EXPECT_EQ(Send(1016, CB_GETCURSEL), -1);
}

TEST_F(ComboBoxTest, SelectionSendsNoNotificationButTheUsersChoiceDoes)
{
    Add(1029, "19531");
    Add(1029, "9766");
    Send(1029, CB_SETCURSEL, 0);
    EXPECT_TRUE(dialog.commands.empty());
    UserChooseItem(dialog.Item(1029), 1);
    ASSERT_EQ(dialog.commands.size(), 1u);
    EXPECT_EQ(dialog.commands[0].id, 1029);
    EXPECT_EQ(dialog.commands[0].code, CBN_SELCHANGE);
    EXPECT_EQ(Send(1029, CB_GETCURSEL), 1);
    EXPECT_EQ(GetFocus(), dialog.Item(1029));
    UserChooseItem(dialog.Item(1029), 2);
    EXPECT_EQ(dialog.commands.size(), 1u);
}

TEST_F(ComboBoxTest, EditFieldShowsTheSelectedItem)
{
    Add(1000, "QRV-USB 0001");
    Send(1000, CB_SETCURSEL, 0);
    EXPECT_EQ(WindowText(dialog.Item(1000)), "QRV-USB 0001");
    SetFocus(dialog.Item(1000));
    UserKey(dialog.Item(1000), VK_END, 0);
    UserTypeText(dialog.Item(1000), "x");
    EXPECT_EQ(WindowText(dialog.Item(1000)), "QRV-USB 0001x");
    EXPECT_EQ(Send(1000, CB_GETCURSEL), 0);
}

TEST_F(ComboBoxTest, DropListTakesNoTypedText)
{
    Add(1016, "1");
    UserTypeText(dialog.Item(1016), "abc");
    UserPasteText(dialog.Item(1016), "abc");
    EXPECT_EQ(WindowText(dialog.Item(1016)), "");
}

TEST_F(ComboBoxTest, DeletingKeepsTheSelectionOnItsItem)
{
    Add(1016, "a");
    Add(1016, "b");
    Add(1016, "c");
    Send(1016, CB_SETCURSEL, 2);
    EXPECT_EQ(Send(1016, CB_DELETESTRING, 0), 2);
    EXPECT_EQ(Send(1016, CB_GETCURSEL), 1);
    EXPECT_EQ(Send(1016, CB_DELETESTRING, 1), 1);
    EXPECT_EQ(Send(1016, CB_GETCURSEL), -1);
    EXPECT_EQ(WindowText(dialog.Item(1016)), "");
    EXPECT_EQ(Send(1016, CB_DELETESTRING, 5), CB_ERR);
}

TEST_F(ComboBoxTest, DeletingTheDeviceLeavesItsTextInTheField)
{
    Add(1000, "QRV-USB 0001");
    Send(1000, CB_SETCURSEL, 0);
    EXPECT_EQ(Send(1000, CB_DELETESTRING, 0), 0);
    EXPECT_EQ(Send(1000, CB_GETCURSEL), -1);
    EXPECT_EQ(WindowText(dialog.Item(1000)), "QRV-USB 0001");
}

TEST_F(ComboBoxTest, AddingBeforeTheSelectionKeepsItOnItsItem)
{
    Add(1000, "m");
    Send(1000, CB_SETCURSEL, 0);
    Add(1000, "a");
    EXPECT_EQ(Send(1000, CB_GETCURSEL), 1);
    Add(1000, "z");
    EXPECT_EQ(Send(1000, CB_GETCURSEL), 1);
}

TEST_F(ComboBoxTest, ItemTextAndLengthAnswerErrorForNoItem)
{
    Add(1016, "32");
    char buffer[8] = {};
    EXPECT_EQ(Send(1016, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 2);
    EXPECT_STREQ(buffer, "32");
    EXPECT_EQ(Send(1016, CB_GETLBTEXTLEN, 0), 2);
    EXPECT_EQ(Send(1016, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(buffer)), CB_ERR);
    EXPECT_EQ(Send(1016, CB_GETLBTEXTLEN, 1), CB_ERR);
}

TEST_F(ComboBoxTest, DriverHearsItemsSelectionAndText)
{
    driver.ClearChanges();
    Add(1016, "1");
    Send(1016, CB_SETCURSEL, 0);
    std::vector<WindowChange> heard;
    for (const auto& change : driver.Changes())
        heard.push_back(change.change);
    EXPECT_EQ(heard, (std::vector<WindowChange>{WindowChange::Items, WindowChange::Selection, WindowChange::Text,
                                                WindowChange::TextSelection}));
}

}  // namespace
