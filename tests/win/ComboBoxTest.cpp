#include <gtest/gtest.h>

#include "TestDialog.h"
#include "input.h"

namespace {

class ComboBoxTest : public ::testing::Test {
protected:
    LRESULT Send(int id, UINT msg, WPARAM wParam = 0) { return SendMessage(dialog.Item(id), msg, wParam, 0); }
    void Add(int id, std::initializer_list<LPCTSTR> items)
    {
        for (LPCTSTR item : items)
            SendMessage(dialog.Item(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }

    HeadlessDriver driver;
    TestDialog dialog;
};

TEST_F(ComboBoxTest, SortedListPlacesItemsWithoutRegardToCaseAndTheUnsortedOneKeepsItsOrder)
{
    Add(1000, {"USB Bridge B", "usb bridge a", "Adapter", "USB BRIDGE A"});
    EXPECT_EQ(HeadlessDriver::ComboItems(dialog.Handle(), 1000),
              (std::vector<std::string>{"Adapter", "usb bridge a", "USB BRIDGE A", "USB Bridge B"}));
    Add(1016, {"1", "2", "4", "8", "16", "32"});
    EXPECT_EQ(HeadlessDriver::ComboItems(dialog.Handle(), 1016),
              (std::vector<std::string>{"1", "2", "4", "8", "16", "32"}));
}

TEST_F(ComboBoxTest, AnIndexNamingNoItemSelectsNothingAndAnswersError)
{
    Add(1016, {"1", "2", "4", "8", "16", "32"});
    EXPECT_EQ(Send(1016, CB_GETCURSEL), -1);
    EXPECT_EQ(Send(1016, CB_SETCURSEL, 4), 4);
    EXPECT_EQ(WindowText(dialog.Item(1016)), "16");
    EXPECT_EQ(Send(1016, CB_SETCURSEL, 6), CB_ERR);
    EXPECT_EQ(Send(1016, CB_GETCURSEL), -1);
    EXPECT_EQ(WindowText(dialog.Item(1016)), "");
}

TEST_F(ComboBoxTest, OnlyTheUsersChoiceNotifies)
{
    Add(1029, {"19531", "9766"});
    Send(1029, CB_SETCURSEL, 0);
    UserChooseItem(dialog.Item(1029), 1);
    UserChooseItem(dialog.Item(1029), 2);
    ASSERT_EQ(dialog.commands.size(), 1u);
    EXPECT_EQ(dialog.commands[0].id, 1029);
    EXPECT_EQ(dialog.commands[0].code, CBN_SELCHANGE);
    EXPECT_EQ(Send(1029, CB_GETCURSEL), 1);
}

TEST_F(ComboBoxTest, EditFieldShowsTheSelectedItemAndKeepsItWhenTheItemGoes)
{
    Add(1000, {"QRV-USB 0001"});
    Send(1000, CB_SETCURSEL, 0);
    EXPECT_EQ(WindowText(dialog.Item(1000)), "QRV-USB 0001");
    EXPECT_EQ(Send(1000, CB_DELETESTRING, 0), 0);
    EXPECT_EQ(Send(1000, CB_GETCURSEL), -1);
    EXPECT_EQ(WindowText(dialog.Item(1000)), "QRV-USB 0001");
    UserTypeText(dialog.Item(1016), "abc");  // a drop list has no field to type in
    EXPECT_EQ(WindowText(dialog.Item(1016)), "");
}

TEST_F(ComboBoxTest, SelectionStaysOnItsItemWhenOthersComeAndGo)
{
    Add(1000, {"m"});
    Send(1000, CB_SETCURSEL, 0);
    Add(1000, {"a", "z"});
    EXPECT_EQ(Send(1000, CB_GETCURSEL), 1);
    EXPECT_EQ(Send(1000, CB_DELETESTRING, 0), 2);
    EXPECT_EQ(Send(1000, CB_GETCURSEL), 0);
    EXPECT_EQ(Send(1000, CB_DELETESTRING, 5), CB_ERR);
}

TEST_F(ComboBoxTest, DownAndUpStepThroughADropListAndTellTheParentButStopAtTheEnds)
{
    Add(1029, {"19531", "9766", "4883"});
    HWND hCombo = dialog.Item(1029);
    SetFocus(hCombo);
    UserKey(hCombo, VK_DOWN, 0);  // nothing selected: the first item
    EXPECT_EQ(Send(1029, CB_GETCURSEL), 0);
    EXPECT_EQ(WindowText(hCombo), "19531");
    UserKey(hCombo, VK_DOWN, 0);
    UserKey(hCombo, VK_DOWN, 0);
    UserKey(hCombo, VK_DOWN, 0);  // already at the last
    EXPECT_EQ(Send(1029, CB_GETCURSEL), 2);
    EXPECT_EQ(WindowText(hCombo), "4883");
    UserKey(hCombo, VK_UP, 0);
    EXPECT_EQ(WindowText(hCombo), "9766");
    ASSERT_EQ(dialog.commands.size(), 4u);
    for (const Command& command : dialog.commands) {
        EXPECT_EQ(command.id, 1029);
        EXPECT_EQ(command.code, CBN_SELCHANGE);
    }
}

TEST_F(ComboBoxTest, HomeAndEndGoToTheEndsOfADropListAndAtAnEndChangeNothing)
{
    Add(1016, {"1", "2", "4", "8", "16", "32"});
    Send(1016, CB_SETCURSEL, 2);
    HWND hCombo = dialog.Item(1016);
    SetFocus(hCombo);
    UserKey(hCombo, VK_END, 0);
    EXPECT_EQ(WindowText(hCombo), "32");
    UserKey(hCombo, VK_END, 0);
    UserKey(hCombo, VK_HOME, 0);
    EXPECT_EQ(WindowText(hCombo), "1");
    UserKey(hCombo, VK_UP, 0);
    UserKey(hCombo, VK_HOME, 0);
    EXPECT_EQ(Send(1016, CB_GETCURSEL), 0);
    EXPECT_EQ(dialog.commands.size(), 2u);
}

TEST_F(ComboBoxTest, UpAndDownShowTheItemInADropDownsFieldWhoseHomeAndEndMoveTheCaret)
{
    Add(1000, {"QRV-USB 0001", "QRV-USB 0002"});
    HWND hCombo = dialog.Item(1000);
    SetFocus(hCombo);
    UserKey(hCombo, VK_DOWN, 0);
    UserKey(hCombo, VK_DOWN, 0);
    EXPECT_EQ(Send(1000, CB_GETCURSEL), 1);
    EXPECT_EQ(WindowText(hCombo), "QRV-USB 0002");
    UserKey(hCombo, VK_HOME, 0);
    UserKey(hCombo, VK_UP, 0);
    EXPECT_EQ(Send(1000, CB_GETCURSEL), 0);
    EXPECT_EQ(WindowText(hCombo), "QRV-USB 0001");
    UserKey(hCombo, VK_END, 0);
    UserTypeText(hCombo, "!");
    EXPECT_EQ(WindowText(hCombo), "QRV-USB 0001!");
    EXPECT_EQ(dialog.CommandIds(), (std::vector<int>{1000, 1000, 1000}));
}

TEST_F(ComboBoxTest, DropDownsFieldTakesTypedBytesFromBlankToTildeButNoControlBytes)
{
    HWND hCombo = dialog.Item(1000);
    SetFocus(hCombo);
    UserTypeText(hCombo, "\x1F \x7E\x7F");
    EXPECT_EQ(WindowText(hCombo), " ~");
}

TEST_F(ComboBoxTest, AltWithDownAndKeysInAnEmptyListChangeNothing)
{
    HWND hCombo = dialog.Item(1029);
    SetFocus(hCombo);
    UserKey(hCombo, VK_DOWN, 0);
    UserKey(hCombo, VK_END, 0);
    Add(1029, {"19531", "9766"});
    UserKey(hCombo, VK_DOWN, MK_ALT_KEY);
    EXPECT_EQ(Send(1029, CB_GETCURSEL), -1);
    EXPECT_TRUE(dialog.commands.empty());
}

}  // namespace
