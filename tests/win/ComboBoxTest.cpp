#include <gtest/gtest.h>
#include <string>

#include "TestDialog.h"
#include "commctrl.h"
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

TEST_F(ComboBoxTest, KeysInAnEmptyListChangeNothingAndAltWithDownMovesNoSelection)
{
    HWND hCombo = dialog.Item(1029);
    SetFocus(hCombo);
    UserKey(hCombo, VK_DOWN, 0);
    UserKey(hCombo, VK_END, 0);
    Add(1029, {"19531", "9766"});
    UserKey(hCombo, VK_DOWN, MK_ALT_KEY);
    EXPECT_EQ(Send(1029, CB_GETCURSEL), -1);
    ASSERT_EQ(dialog.commands.size(), 1u);
    EXPECT_EQ(dialog.commands[0].code, CBN_DROPDOWN);
}

// The test dialog's list of frequencies is 145 pixels high; this driver draws a closed
// box of 21 pixels, a list frame of 2 and rows of 12, so just ten whole rows fit below it.
class FixedRowsDriver : public HeadlessDriver {
public:
    DroppedListMetrics ComboListMetrics(HWND) override { return metrics; }

    DroppedListMetrics metrics{21, 2, 12};
};

class DroppedRowsTest : public ::testing::Test {
protected:
    LRESULT Shown(int id) { return SendMessage(dialog.Item(id), CB_GETMINVISIBLE, 0, 0); }
    LRESULT Press(UINT vk)
    {
        UserKey(dialog.Item(1029), vk, 0);
        return SendMessage(dialog.Item(1029), CB_GETCURSEL, 0, 0);
    }

    FixedRowsDriver driver;
    TestDialog dialog;
};

TEST_F(DroppedRowsTest, PageKeysMoveByTheRowsTheDriverDrawsLessOneFromTheTopTheMiddleAndTheEnd)
{
    for (int k = 0; k < 33; ++k)
        SendMessage(dialog.Item(1029), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(k).c_str()));
    EXPECT_EQ(Shown(1029), 10);
    SendMessage(dialog.Item(1029), CB_SETCURSEL, 0, 0);
    SetFocus(dialog.Item(1029));
    Press(VK_F4);
    std::vector<LRESULT> reached;
    for (UINT vk : {VK_NEXT, VK_NEXT, VK_PRIOR, VK_PRIOR, VK_PRIOR, VK_END, VK_NEXT, VK_PRIOR})
        reached.push_back(Press(vk));
    EXPECT_EQ(reached, (std::vector<LRESULT>{9, 18, 9, 0, 0, 32, 32, 23}));
}

TEST_F(DroppedRowsTest, TheListShowsWholeRowsOneAtLeastAndNoMoreThanItHasItems)
{
    // The stretcher's list is 75 pixels high: just four rows below a closed box of 23.
    driver.metrics = DroppedListMetrics{23, 2, 12};
    HWND hStretcher = dialog.Item(1016);
    for (const char* item : {"1", "2", "4", "8", "16", "32"})
        SendMessage(hStretcher, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(Shown(1016), 4);
    driver.metrics.frame = 3;  // a pixel more above and below the rows
    EXPECT_EQ(Shown(1016), 3);
    SendMessage(hStretcher, CB_DELETESTRING, 0, 0);
    SendMessage(hStretcher, CB_DELETESTRING, 0, 0);
    SendMessage(hStretcher, CB_DELETESTRING, 0, 0);
    SendMessage(hStretcher, CB_DELETESTRING, 0, 0);
    EXPECT_EQ(Shown(1016), 2);
    driver.metrics.rowHeight = 60;
    EXPECT_EQ(Shown(1016), 1);
    driver.metrics.rowHeight = 0;
    EXPECT_EQ(Shown(1016), 1);
    SendMessage(hStretcher, CB_SETCURSEL, 0, 0);
    SetFocus(hStretcher);
    UserKey(hStretcher, VK_NEXT, 0);  // a page of one row still moves
    EXPECT_EQ(SendMessage(hStretcher, CB_GETCURSEL, 0, 0), 1);
}

// The dropped state and what the driver has been told of it, as the parent finds them
// when each notification of a combo box arrives.
struct Notification {
    int code;
    LRESULT dropped;
    size_t droppedChangesShown;

    bool operator==(const Notification&) const = default;
};

class DropListTest : public ComboBoxTest {
protected:
    void SetUp() override
    {
        Add(1016, {"1", "2", "4", "8", "16", "32"});
        Send(1016, CB_SETCURSEL, 4);
        s_test = this;
        s_dialogProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtr(dialog.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchNotifications)));
        SetFocus(dialog.Item(1016));
    }

    void TearDown() override
    {
        SetWindowLongPtr(dialog.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_dialogProc));
        s_test = nullptr;
    }

    static LRESULT WatchNotifications(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_COMMAND && LOWORD(wParam) == 1016)
            s_test->notifications.push_back({HIWORD(wParam), s_test->Send(1016, CB_GETDROPPEDSTATE),
                                              s_test->DroppedChangesShown()});
        return CallWindowProc(s_dialogProc, hWnd, msg, wParam, lParam);
    }

    size_t DroppedChangesShown() const
    {
        size_t shown = 0;
        for (const auto& change : driver.Changes())
            shown += change.change == WindowChange::DroppedState && change.hWnd == dialog.Item(1016) ? 1 : 0;
        return shown;
    }

    void Key(UINT vk, UINT modifiers = 0) { UserKey(dialog.Item(1016), vk, modifiers); }
    std::vector<int> Codes() const
    {
        std::vector<int> codes;
        for (const Notification& notification : notifications)
            codes.push_back(notification.code);
        return codes;
    }

    std::vector<Notification> notifications;
    static inline DropListTest* s_test = nullptr;
    static inline WNDPROC s_dialogProc = nullptr;
};

TEST_F(DropListTest, TheParentHearsOfTheListDroppingBeforeItShowsAndOfItClosingAfterItHasGone)
{
    EXPECT_EQ(Send(1016, CB_SHOWDROPDOWN, TRUE), TRUE);
    EXPECT_EQ(Send(1016, CB_GETDROPPEDSTATE), TRUE);
    Send(1016, CB_SHOWDROPDOWN, TRUE);
    EXPECT_EQ(Send(1016, CB_SHOWDROPDOWN, FALSE), TRUE);
    Send(1016, CB_SHOWDROPDOWN, FALSE);
    EXPECT_EQ(Send(1016, CB_GETDROPPEDSTATE), FALSE);
    EXPECT_EQ(notifications, (std::vector<Notification>{{7, FALSE, 0}, {8, FALSE, 2}}));
}

TEST_F(DropListTest, F4AndAltWithUpOrDownOpenAndCloseTheListAndMoveNothing)
{
    std::vector<LRESULT> dropped;
    for (auto [vk, modifiers] : {std::pair{VK_F4, 0}, {VK_F4, 0}, {VK_DOWN, MK_ALT_KEY}, {VK_UP, MK_ALT_KEY},
                                 {VK_UP, MK_ALT_KEY}, {VK_DOWN, MK_ALT_KEY}}) {
        Key(vk, modifiers);
        dropped.push_back(Send(1016, CB_GETDROPPEDSTATE));
    }
    EXPECT_EQ(dropped, (std::vector<LRESULT>{TRUE, FALSE, TRUE, FALSE, TRUE, FALSE}));
    EXPECT_EQ(Codes(), (std::vector<int>{7, 8, 7, 8, 7, 8}));
    EXPECT_EQ(Send(1016, CB_GETCURSEL), 4);
}

TEST_F(DropListTest, KeysMoveTheSelectionInTheOpenListAndEnterClosesItKeepingTheChoice)
{
    Key(VK_F4);
    Key(VK_HOME);
    Key(VK_DOWN);
    Key(VK_NEXT);  // three rows show in the list: a page less one moves by two
    EXPECT_EQ(Send(1016, CB_GETCURSEL), 3);
    Key(VK_END);
    Key(VK_PRIOR);
    EXPECT_EQ(Send(1016, CB_GETCURSEL), 3);
    Key(VK_RETURN);
    EXPECT_EQ(Send(1016, CB_GETDROPPEDSTATE), FALSE);
    EXPECT_EQ(Send(1016, CB_GETCURSEL), 3);
    EXPECT_EQ(WindowText(dialog.Item(1016)), "8");
    EXPECT_EQ(Codes(), (std::vector<int>{7, 1, 1, 1, 1, 1, 8}));
    EXPECT_FALSE(IsDialogEnded(dialog.Handle()));
}

TEST_F(DropListTest, EscClosesTheOpenListGoingBackToTheItemSelectedWhenItOpened)
{
    Key(VK_DOWN, MK_ALT_KEY);
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(WindowText(dialog.Item(1016)), "4");
    Key(VK_ESCAPE);
    EXPECT_EQ(Send(1016, CB_GETDROPPEDSTATE), FALSE);
    EXPECT_EQ(Send(1016, CB_GETCURSEL), 4);
    EXPECT_EQ(WindowText(dialog.Item(1016)), "16");
    Key(VK_F4);
    Key(VK_ESCAPE);  // nothing chosen: no change to tell
    EXPECT_EQ(Codes(), (std::vector<int>{7, 1, 1, 8, 1, 7, 8}));
    EXPECT_FALSE(IsDialogEnded(dialog.Handle()));
}

TEST_F(DropListTest, PageKeysStepAPageLessOneOfTheLongListOpenOrClosed)
{
    for (int k = 0; k < 33; ++k)
        Add(1029, {std::to_string(k).c_str()});
    Send(1029, CB_SETCURSEL, 2);
    HWND hFrequency = dialog.Item(1029);
    SetFocus(hFrequency);
    std::vector<LRESULT> selections;
    for (UINT vk : {VK_NEXT, VK_NEXT, VK_F4, VK_NEXT, VK_PRIOR, VK_PRIOR, VK_PRIOR, VK_PRIOR, VK_END, VK_NEXT}) {
        UserKey(hFrequency, vk, 0);
        selections.push_back(SendMessage(hFrequency, CB_GETCURSEL, 0, 0));
    }
    // Eight rows show in this list.
    EXPECT_EQ(selections, (std::vector<LRESULT>{9, 16, 16, 23, 16, 9, 2, 0, 32, 32}));
}

TEST_F(DropListTest, TheMouseOpensTheSameListGivingTheBoxTheFocusAndTheListClosesAsTheFocusLeaves)
{
    Key(VK_F4);
    SetFocus(dialog.Item(1003));
    EXPECT_EQ(Send(1016, CB_GETDROPPEDSTATE), FALSE);
    UserDropDown(dialog.Item(1016), TRUE);
    EXPECT_EQ(GetFocus(), dialog.Item(1016));
    EXPECT_EQ(Send(1016, CB_GETDROPPEDSTATE), TRUE);
    Key(VK_DOWN);
    Key(VK_ESCAPE);
    UserDropDown(dialog.Item(1016), TRUE);
    UserDropDown(dialog.Item(1016), FALSE);
    UserDropDown(dialog.Item(1003), TRUE);
    EXPECT_EQ(Codes(), (std::vector<int>{7, 8, 7, 1, 8, 1, 7, 8}));
    EXPECT_EQ(Send(1016, CB_GETCURSEL), 4);
}

TEST_F(DropListTest, OnlyTheOpenListWantsEnterAndEscForItself)
{
    auto codeFor = [this](UINT message, UINT vk, bool withMessage) {
        MSG msg{dialog.Item(1016), message, vk, 0, 0, POINT{0, 0}};
        return SendMessage(dialog.Item(1016), WM_GETDLGCODE, vk, withMessage ? reinterpret_cast<LPARAM>(&msg) : 0);
    };
    EXPECT_EQ(codeFor(WM_KEYDOWN, VK_RETURN, true), 0x81);
    Key(VK_F4);
    EXPECT_EQ(codeFor(WM_KEYDOWN, VK_RETURN, true), 0x85);
    EXPECT_EQ(codeFor(WM_KEYDOWN, VK_ESCAPE, true), 0x85);
    EXPECT_EQ(codeFor(WM_KEYDOWN, VK_TAB, true), 0x81);
    EXPECT_EQ(codeFor(WM_CHAR, VK_RETURN, true), 0x81);
    EXPECT_EQ(codeFor(WM_KEYDOWN, VK_RETURN, false), 0x81);
}

}  // namespace
