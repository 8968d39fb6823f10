#include <gtest/gtest.h>

#include "TestDialog.h"
#include "input.h"
#include "support/Hex.h"

namespace {

class EditTest : public ::testing::Test {
protected:
    EditTest() { dialog.onEditChange = [this](HWND hEdit) { seen.push_back(WindowText(hEdit)); }; }

    HWND Edit(int id) { return dialog.Item(id); }
    std::pair<int, int> Selection(int id) { return HeadlessDriver::TextSelection(dialog.Handle(), id); }

    HeadlessDriver driver;
    TestDialog dialog;
    std::vector<std::string> seen;  // the text at each EN_CHANGE
};

TEST_F(EditTest, EveryChangeNotifiesWithTheNewTextAlreadyInPlace)
{
    SetWindowText(Edit(1012), "9");
    SetWindowText(Edit(1012), "9");
    UserTypeText(Edit(1012), "-1");
    UserPasteText(Edit(1012), "23");
    UserKey(Edit(1012), VK_BACK, 0);
    UserKey(Edit(1012), VK_HOME, 0);
    UserKey(Edit(1012), VK_DELETE, 0);
    UserKey(Edit(1012), VK_DELETE, MK_SHIFT_KEY);
    EXPECT_EQ(seen, (std::vector<std::string>{"9", "9", "-9", "-19", "-1239", "-129", "129", "29"}));
}

TEST_F(EditTest, DigitsOnlyEditRefusesTypedNonDigitsWithABeepButTakesAPasteWhole)
{
    UserTypeText(Edit(1005), "1a5-.数");
    EXPECT_EQ(WindowText(Edit(1005)), "15");
    EXPECT_EQ(driver.Beeps().size(), 4u);  // a double-byte character is one keystroke
    UserPasteText(Edit(1005), "-1");
    EXPECT_EQ(WindowText(Edit(1005)), "15-1");
    EXPECT_EQ(driver.Beeps().size(), 4u);
}

TEST_F(EditTest, DigitsOnlyEditTakesZeroAndNineAndRefusesTheBytesBesideThem)
{
    UserTypeText(Edit(1005), "/0:9");
    EXPECT_EQ(WindowText(Edit(1005)), "09");
    EXPECT_EQ(driver.Beeps().size(), 2u);
}

// Control bytes come as keys, so typed ones are dropped without a beep, even where
// only digits are taken.
TEST_F(EditTest, TypedBytesFromBlankToTildeAreTextAndTheControlBytesBesideThemAreNot)
{
    UserTypeText(Edit(1012), "\x1F \x7E\x7F");
    EXPECT_EQ(WindowText(Edit(1012)), " ~");
    UserTypeText(Edit(1005), "\x1F\x7F");
    EXPECT_EQ(WindowText(Edit(1005)), "");
    EXPECT_TRUE(driver.Beeps().empty());
}

TEST_F(EditTest, BackspaceTakesTwoBytesOnlyAfterALeadByteFrom81ToFE)
{
    const std::pair<const char*, const char*> cases[] = {
        {"\x80\x40", "80"}, {"\x81\x40", ""}, {"\xFE\x40", ""}, {"\xFF\x40", "FF"}};
    for (const auto& [text, left] : cases) {
        SetWindowText(Edit(1012), text);
        UserKey(Edit(1012), VK_END, 0);
        UserKey(Edit(1012), VK_BACK, 0);
        EXPECT_EQ(Hex(WindowText(Edit(1012))), left) << Hex(text);
    }
}

TEST_F(EditTest, TheUserEntersAtMost32767BytesAndAPasteIsCutInWholeCharacters)
{
    std::string nearlyFull(32765, '1');
    UserPasteText(Edit(1003), nearlyFull.c_str());
    UserPasteText(Edit(1003), "a数b");
    EXPECT_EQ(WindowText(Edit(1003)), nearlyFull + "a");
    UserTypeText(Edit(1003), "23");
    EXPECT_EQ(WindowText(Edit(1003)), nearlyFull + "a2");
    EXPECT_EQ(driver.Beeps().size(), 1u);
    SendMessage(Edit(1003), EM_SETSEL, 0, 3);
    UserPasteText(Edit(1003), "xyzw");
    EXPECT_EQ(WindowText(Edit(1003)), "xyz" + std::string(32762, '1') + "a2");
}

TEST_F(EditTest, TheProgramMaySetMoreThanTheUserMayEnter)
{
    SetWindowText(Edit(1003), std::string(40000, '5').c_str());
    UserTypeText(Edit(1003), "6");
    EXPECT_EQ(GetWindowTextLength(Edit(1003)), 40000);
    SendMessage(Edit(1003), EM_LIMITTEXT, 0, 0);  // as much as it can hold
    UserTypeText(Edit(1003), "6");
    EXPECT_EQ(GetWindowTextLength(Edit(1003)), 40001);
}

TEST_F(EditTest, SelectionFollowsTheEditRulesAndShiftExtendsIt)
{
    SetWindowText(Edit(1003), "a数bcd");
    EXPECT_EQ(Selection(1003), std::make_pair(0, 0));
    SendMessage(Edit(1003), EM_SETSEL, 0, -1);
    EXPECT_EQ(Selection(1003), std::make_pair(0, 6));
    SendMessage(Edit(1003), EM_SETSEL, 4, 1);
    EXPECT_EQ(Selection(1003), std::make_pair(1, 4));
    UserKey(Edit(1003), VK_RIGHT, 0);
    UserKey(Edit(1003), VK_LEFT, MK_SHIFT_KEY);
    UserKey(Edit(1003), VK_LEFT, MK_SHIFT_KEY);
    EXPECT_EQ(Selection(1003), std::make_pair(1, 4));  // over the double-byte character whole
    UserTypeText(Edit(1003), "X");
    EXPECT_EQ(WindowText(Edit(1003)), "aXcd");
}

// A filter as the dialog's decimal fields have: each run takes out one offending
// byte (a second '.' first, else the first byte that is neither digit nor '.') by
// replacing the whole text, and relies on that replacement to run it again.
class FilterTest : public EditTest {
protected:
    FilterTest() { dialog.onEditChange = [this](HWND hEdit) { Run(hEdit); }; }

    void Run(HWND hEdit)
    {
        maxDepth = std::max(maxDepth, ++depth);
        std::string text = WindowText(hEdit);
        seen.push_back(text);
        size_t dot = text.find('.');
        size_t offending = dot == std::string::npos ? dot : text.find('.', dot + 1);
        if (offending == std::string::npos)
            offending = text.find_first_not_of("0123456789.");
        if (offending != std::string::npos)
            SetWindowText(hEdit, text.erase(offending, 1).c_str());
        --depth;
    }

    int depth = 0;
    int maxDepth = 0;
};

TEST_F(FilterTest, ReplacementInsideTheHandlerRunsItAgainOnceItHasReturned)
{
    UserPasteText(Edit(1003), "a.b.c");
    EXPECT_EQ(seen, (std::vector<std::string>{"a.b.c", "a.bc", ".bc", ".c", "."}));
    EXPECT_EQ(maxDepth, 1);
    seen.clear();
    SetWindowText(Edit(1003), "3.2数");  // the lead byte goes first, then its trail byte
    EXPECT_EQ(seen, (std::vector<std::string>{"3.2数", "3.2\xfd", "3.2"}));
}

TEST_F(FilterTest, ReplacementPutsTheCaretAtTheStart)
{
    UserTypeText(Edit(1003), "1x2");
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "1x", "1", "21"}));
}

TEST_F(FilterTest, AFullPasteOfOffendingBytesRunsOneLevelDeep)
{
    // One byte a run off the front, as long as it is no digit.
    size_t runs = 0;
    dialog.onEditChange = [&](HWND hEdit) {
        ++runs;
        maxDepth = std::max(maxDepth, ++depth);
        std::string text = WindowText(hEdit);
        if (text[0] != '7')
            SetWindowText(hEdit, text.c_str() + 1);
        --depth;
    };
    std::string pasted(32767, 'x');
    pasted.back() = '7';
    UserPasteText(Edit(1003), pasted.c_str());
    EXPECT_EQ(WindowText(Edit(1003)), "7");
    EXPECT_EQ(runs, 32767u);
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
}

}  // namespace
