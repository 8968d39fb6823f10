#include <gtest/gtest.h>

#include <string>

#include "TestDialog.h"
#include "input.h"

namespace {

class EditTest : public ::testing::Test {
protected:
    EditTest()
    {
        dialog.onEditChange = [this](HWND hEdit) { changes.push_back(WindowText(hEdit)); };
    }

    HWND Edit(int id) { return dialog.Item(id); }
    std::pair<int, int> Selection(int id) { return HeadlessDriver::TextSelection(dialog.Handle(), id); }
    void Key(int id, UINT vk, UINT modifiers = 0) { UserKey(Edit(id), vk, modifiers); }

    HeadlessDriver driver;
    TestDialog dialog;
    std::vector<std::string> changes;  // the text each EN_CHANGE handler saw
};

TEST_F(EditTest, SetTextNotifiesBeforeItReturnsWithTheNewTextInPlace)
{
    SetWindowText(Edit(1003), "3.2");
    EXPECT_EQ(changes, std::vector<std::string>{"3.2"});
    SetWindowText(Edit(1003), "3.2");
    EXPECT_EQ(changes.size(), 2u);
    EXPECT_EQ(dialog.commands.back().id, 1003);
    EXPECT_EQ(dialog.commands.back().code, EN_CHANGE);
}

TEST_F(EditTest, TypingPastingAndDeletingEachNotify)
{
    SetFocus(Edit(1009));
    UserTypeText(Edit(1009), "-12");
    UserPasteText(Edit(1009), "34");
    Key(1009, VK_BACK);
    Key(1009, VK_HOME);
    Key(1009, VK_DELETE);
    EXPECT_EQ(changes, (std::vector<std::string>{"-", "-1", "-12", "-1234", "-123", "123"}));
}

TEST_F(EditTest, DigitsOnlyEditRefusesTypedNonDigitsWithABeep)
{
    UserTypeText(Edit(1005), "1a5-.x");
    EXPECT_EQ(WindowText(Edit(1005)), "15");
    EXPECT_EQ(driver.Beeps().size(), 4u);
    EXPECT_EQ(changes, (std::vector<std::string>{"1", "15"}));
}

TEST_F(EditTest, DigitsOnlyEditTakesAPasteWhole)
{
    UserPasteText(Edit(1005), "-1");
    EXPECT_EQ(WindowText(Edit(1005)), "-1");
    UserPasteText(Edit(1006), "2.5e3 x");
    EXPECT_EQ(WindowText(Edit(1006)), "2.5e3 x");
    EXPECT_TRUE(driver.Beeps().empty());
}

TEST_F(EditTest, TypedDoubleByteCharacterIsOneKeystrokeAndOneBeepInADigitsOnlyEdit)
{
    UserTypeText(Edit(1007), "１2");  // a full-width one, then a digit
    EXPECT_EQ(WindowText(Edit(1007)), "2");
    EXPECT_EQ(driver.Beeps().size(), 1u);
    UserTypeText(Edit(1003), "数1");
    EXPECT_EQ(WindowText(Edit(1003)), "数1");
    EXPECT_EQ(changes.back(), "数1");
}

TEST_F(EditTest, TypingStopsAtTheDefaultLimitOf32767Bytes)
{
    std::string full(32766, '7');
    UserPasteText(Edit(1012), full.c_str());
    UserTypeText(Edit(1012), "89");
    EXPECT_EQ(WindowText(Edit(1012)), full + "8");
    EXPECT_EQ(driver.Beeps().size(), 1u);
}

TEST_F(EditTest, PasteIsCutAtTheLimitInWholeCharacters)
{
    std::string nearlyFull(32765, '1');
    SetWindowText(Edit(1003), nearlyFull.c_str());
    SendMessage(Edit(1003), EM_SETSEL, 32765, 32765);
    UserPasteText(Edit(1003), "a数b");  // room for 'a' and one byte: not for half of 数
    EXPECT_EQ(WindowText(Edit(1003)), nearlyFull + "a");
}

TEST_F(EditTest, PasteReplacingTheSelectionCountsOnlyWhatStays)
{
    std::string full(32767, '1');
    SetWindowText(Edit(1003), full.c_str());
    SendMessage(Edit(1003), EM_SETSEL, 0, 3);
    UserPasteText(Edit(1003), "abcd");
    EXPECT_EQ(WindowText(Edit(1003)), "abc" + std::string(32764, '1'));
}

TEST_F(EditTest, TheProgramMaySetMoreThanTheUserMayEnter)
{
    std::string longer(40000, '5');
    SetWindowText(Edit(1003), longer.c_str());
    EXPECT_EQ(GetWindowTextLength(Edit(1003)), 40000);
    UserTypeText(Edit(1003), "6");
    EXPECT_EQ(GetWindowTextLength(Edit(1003)), 40000);
    SendMessage(Edit(1003), EM_LIMITTEXT, 0, 0);
    UserTypeText(Edit(1003), "6");
    EXPECT_EQ(GetWindowTextLength(Edit(1003)), 40001);
}

TEST_F(EditTest, LimitTextSetsTheRoomForTheUser)
{
    SendMessage(Edit(1010), EM_LIMITTEXT, 3, 0);
    UserTypeText(Edit(1010), "-645");
    EXPECT_EQ(WindowText(Edit(1010)), "-64");
    UserPasteText(Edit(1010), "1");
    EXPECT_EQ(WindowText(Edit(1010)), "-64");
}

TEST_F(EditTest, ZeroAndMinusOneSelectTheWholeText)
{
    SetWindowText(Edit(1003), "12345");
    EXPECT_EQ(Selection(1003), std::make_pair(0, 0));
    SendMessage(Edit(1003), EM_SETSEL, 0, -1);
    EXPECT_EQ(Selection(1003), std::make_pair(0, 5));
    LRESULT packed = SendMessage(Edit(1003), EM_GETSEL, 0, 0);
    EXPECT_EQ(LOWORD(packed), 0);
    EXPECT_EQ(HIWORD(packed), 5);
    SendMessage(Edit(1003), EM_SETSEL, 4, 1);
    EXPECT_EQ(Selection(1003), std::make_pair(1, 4));
    SendMessage(Edit(1003), EM_SETSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(Selection(1003), std::make_pair(1, 1));
    SendMessage(Edit(1003), EM_SETSEL, 2, 99);
    EXPECT_EQ(Selection(1003), std::make_pair(2, 5));
}

TEST_F(EditTest, TypingReplacesTheSelection)
{
    SetWindowText(Edit(1003), "3.2");
    SendMessage(Edit(1003), EM_SETSEL, 0, -1);
    UserTypeText(Edit(1003), "5");
    EXPECT_EQ(WindowText(Edit(1003)), "5");
    EXPECT_EQ(Selection(1003), std::make_pair(1, 1));
}

TEST_F(EditTest, ShiftWithArrowsHomeAndEndExtendsTheSelection)
{
    SetWindowText(Edit(1003), "123456");
    Key(1003, VK_END);
    Key(1003, VK_LEFT, MK_SHIFT_KEY);
    Key(1003, VK_LEFT, MK_SHIFT_KEY);
    EXPECT_EQ(Selection(1003), std::make_pair(4, 6));
    Key(1003, VK_HOME, MK_SHIFT_KEY);
    EXPECT_EQ(Selection(1003), std::make_pair(0, 6));
    Key(1003, VK_RIGHT);
    EXPECT_EQ(Selection(1003), std::make_pair(6, 6));
    Key(1003, VK_UP);
    Key(1003, VK_LEFT, MK_SHIFT_KEY);
    EXPECT_EQ(Selection(1003), std::make_pair(4, 5));
    Key(1003, VK_DELETE);
    EXPECT_EQ(WindowText(Edit(1003)), "12346");
}

TEST_F(EditTest, EditingKeysMoveOverADoubleByteCharacterWhole)
{
    SetWindowText(Edit(1003), "a数b");
    Key(1003, VK_END);
    Key(1003, VK_LEFT);
    Key(1003, VK_LEFT);
    EXPECT_EQ(Selection(1003), std::make_pair(1, 1));
    Key(1003, VK_DELETE);
    EXPECT_EQ(WindowText(Edit(1003)), "ab");
    SetWindowText(Edit(1003), "数");
    Key(1003, VK_END);
    Key(1003, VK_BACK);
    EXPECT_EQ(WindowText(Edit(1003)), "");
}

TEST_F(EditTest, KeysThatChangeNothingSendNoNotification)
{
    SetWindowText(Edit(1003), "");
    changes.clear();
    Key(1003, VK_BACK);
    Key(1003, VK_DELETE);
    UserPasteText(Edit(1003), "");
    EXPECT_TRUE(changes.empty());
}

TEST_F(EditTest, DriverHearsTextAndSelection)
{
    driver.ClearChanges();
    UserTypeText(Edit(1003), "1");
    ASSERT_EQ(driver.Changes().size(), 2u);
    EXPECT_EQ(driver.Changes()[0].change, WindowChange::Text);
    EXPECT_EQ(driver.Changes()[1].change, WindowChange::TextSelection);
    EXPECT_EQ(driver.Changes()[1].hWnd, Edit(1003));
}

// A filter as the dialog's decimal fields have: each run takes out one offending
// byte (a second '.' first, else the first byte that is neither digit nor '.') by
// replacing the whole text, and relies on that replacement to run it again.
class FilterTest : public EditTest {
protected:
    FilterTest()
    {
        dialog.onEditChange = [this](HWND hEdit) { Run(hEdit); };
    }

    void Run(HWND hEdit)
    {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        std::string text = WindowText(hEdit);
        seen.push_back(text);
        size_t offending = OffendingByte(text);
        if (offending != std::string::npos) {
            text.erase(offending, 1);
            SetWindowText(hEdit, text.c_str());
        }
        --depth;
    }

    static size_t OffendingByte(const std::string& text)
    {
        int dots = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '.' && ++dots == 2)
                return i;
        }
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '.' && (text[i] < '0' || text[i] > '9'))
                return i;
        }
        return std::string::npos;
    }

    std::vector<std::string> seen;
    size_t runs = 0;
    int depth = 0;
    int maxDepth = 0;
};

TEST_F(FilterTest, ReplacementInsideTheHandlerRunsItAgainAfterItReturns)
{
    UserPasteText(Edit(1003), "a.b.c");
    EXPECT_EQ(seen, (std::vector<std::string>{"a.b.c", "a.bc", ".bc", ".c", "."}));
    EXPECT_EQ(WindowText(Edit(1003)), ".");
    EXPECT_EQ(maxDepth, 1);
}

TEST_F(FilterTest, EachRunSeesWhatNestedRunsWouldSee)
{
    auto filter = dialog.onEditChange;
    dialog.onEditChange = nullptr;
    SetWindowText(Edit(1003), "1e-005");
    dialog.onEditChange = filter;
    Key(1003, VK_END);
    UserTypeText(Edit(1003), "0");
    EXPECT_EQ(seen, (std::vector<std::string>{"1e-0050", "1-0050", "10050"}));
    EXPECT_EQ(WindowText(Edit(1003)), "10050");

    seen.clear();
    SetWindowText(Edit(1003), "1.2.3");
    EXPECT_EQ(seen, (std::vector<std::string>{"1.2.3", "1.23"}));
    seen.clear();
    SetWindowText(Edit(1003), "3.2数");  // the lead byte goes first, then its trail byte
    EXPECT_EQ(seen, (std::vector<std::string>{"3.2数", "3.2\xfd", "3.2"}));
}

TEST_F(FilterTest, ReplacementPutsTheCaretAtTheStart)
{
    SetFocus(Edit(1003));
    UserTypeText(Edit(1003), "1x2");
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "1x", "1", "21"}));
    EXPECT_EQ(Selection(1003), std::make_pair(1, 1));
}

TEST_F(FilterTest, AFullPasteOfOffendingBytesRunsFlatAndFast)
{
    // One byte a run off the front, as long as it is no digit.
    dialog.onEditChange = [this](HWND hEdit) {
        ++runs;
        maxDepth = std::max(maxDepth, ++depth);
        std::string text = WindowText(hEdit);
        if (!text.empty() && text[0] != '7')
            SetWindowText(hEdit, text.c_str() + 1);
        --depth;
    };
    std::string pasted(32767, 'x');
    pasted[32766] = '7';
    UserPasteText(Edit(1003), pasted.c_str());
    EXPECT_EQ(WindowText(Edit(1003)), "7");
    EXPECT_EQ(runs, 32767u);  // one run a removed byte, and the last one clean
    EXPECT_EQ(maxDepth, 1);
}

TEST_F(FilterTest, AnEditDestroyedByItsOwnHandlerEndsTheRuns)
{
    dialog.onEditChange = [this](HWND hEdit) {
        seen.push_back(WindowText(hEdit));
        SetWindowText(hEdit, "again");
        DestroyWindow(hEdit);
    };
    SetWindowText(Edit(1003), "x");
    EXPECT_EQ(seen, std::vector<std::string>{"x"});
    EXPECT_EQ(Edit(1003), nullptr);
}

}  // namespace
