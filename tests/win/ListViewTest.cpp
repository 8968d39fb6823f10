#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDialog.h"
#include "commctrl.h"
#include "input.h"

namespace {

struct RowChange {
    ListRowChange change;
    int row;

    bool operator==(const RowChange&) const = default;
};

// Notes each row change that the list view reports to the driver.
class RowRecordingDriver : public HeadlessDriver {
public:
    void ListRowChanged(HWND, ListRowChange change, int row) override { rowChanges.push_back({change, row}); }

    std::vector<RowChange> rowChanges;
};

constexpr UINT SELECTED_AND_FOCUSED = LVIS_SELECTED | LVIS_FOCUSED;

int Insert(HWND list, int index, const char* text)
{
    LVITEM item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>(text);
    return static_cast<int>(SendMessage(list, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item)));
}

BOOL SetText(HWND list, int index, int subItem, const char* text)
{
    LVITEM item{};
    item.iSubItem = subItem;
    item.pszText = const_cast<char*>(text);
    return static_cast<BOOL>(
        SendMessage(list, LVM_SETITEMTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

std::string Text(HWND list, int index)
{
    char buffer[32] = {};
    LVITEM item{};
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessage(list, LVM_GETITEMTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

UINT State(HWND list, int index, UINT mask = SELECTED_AND_FOCUSED)
{
    return static_cast<UINT>(SendMessage(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), mask));
}

// The texts of the selected rows, top first.
std::vector<std::string> SelectedRows(HWND list)
{
    std::vector<std::string> selected;
    for (int index = 0; index < SendMessage(list, LVM_GETITEMCOUNT, 0, 0); ++index) {
        if (State(list, index) & LVIS_SELECTED)
            selected.push_back(Text(list, index));
    }
    return selected;
}

// Rows "c", "b", "a", top first, inserted as a log inserts them.
void InsertThreeRows(HWND list)
{
    for (const char* text : {"a", "b", "c"})
        Insert(list, 0, text);
}

// The log list of the test dialog.
class ListViewTest : public ::testing::Test {
protected:
    HWND List() const { return dialog.Item(1026); }
    UINT State(int index, UINT mask = SELECTED_AND_FOCUSED) const { return ::State(List(), index, mask); }
    std::vector<std::string> SelectedRows() const { return ::SelectedRows(List()); }

    void InsertThreeRows()
    {
        ::InsertThreeRows(List());
        driver.rowChanges.clear();
    }

    void Key(UINT vk) { UserKey(GetFocus(), vk, 0); }

    RowRecordingDriver driver;
    TestDialog dialog;
};

TEST_F(ListViewTest, TheDriverHearsOfEachInsertedRowAndEachNewTextByTheRowsIndex)
{
    Insert(List(), 0, "12:00:01");
    SetText(List(), 0, 1, "first");
    Insert(List(), 0, "12:00:02");
    SetText(List(), 0, 1, "second");
    Insert(List(), 99, "12:00:00");
    SetText(List(), 1, 1, "again");
    EXPECT_FALSE(SetText(List(), 3, 1, "past the end"));
    EXPECT_EQ(driver.rowChanges, (std::vector<RowChange>{{ListRowChange::Inserted, 0},
                                                         {ListRowChange::Text, 0},
                                                         {ListRowChange::Inserted, 0},
                                                         {ListRowChange::Text, 0},
                                                         {ListRowChange::Inserted, 2},
                                                         {ListRowChange::Text, 1}}));
}

TEST_F(ListViewTest, AClickedRowIsSelectedAndFocusedAloneAndTheListTakesTheFocus)
{
    InsertThreeRows();
    UserClickListRow(List(), 2);
    EXPECT_EQ(GetFocus(), List());
    EXPECT_EQ(State(2), SELECTED_AND_FOCUSED);
    UserClickListRow(List(), 0);
    EXPECT_EQ(State(0), SELECTED_AND_FOCUSED);
    EXPECT_EQ(State(2), 0u);
    EXPECT_EQ(SelectedRows(), std::vector<std::string>{"c"});
    // The row losing the selection is told first, then the one taking it.
    EXPECT_EQ(driver.rowChanges, (std::vector<RowChange>{{ListRowChange::State, 2},
                                                         {ListRowChange::State, 2},
                                                         {ListRowChange::State, 0}}));
}

TEST_F(ListViewTest, ClickingTheSelectedRowAgainChangesNothingAndTellsNobody)
{
    InsertThreeRows();
    UserClickListRow(List(), 1);
    driver.rowChanges.clear();
    UserClickListRow(List(), 1);
    EXPECT_EQ(State(1), SELECTED_AND_FOCUSED);
    EXPECT_TRUE(driver.rowChanges.empty());
}

TEST_F(ListViewTest, AClickBelowTheRowsClearsTheSelectionAndLeavesTheFocusedRow)
{
    InsertThreeRows();
    UserClickListRow(List(), 1);
    UserClickListRow(List(), -1);
    EXPECT_TRUE(SelectedRows().empty());
    EXPECT_EQ(State(1), static_cast<UINT>(LVIS_FOCUSED));
}

TEST_F(ListViewTest, TheNextRowWithAStateIsFoundBelowTheStartRow)
{
    InsertThreeRows();
    UserClickListRow(List(), 1);
    UserClickListRow(List(), -1);
    EXPECT_EQ(SendMessage(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 1);
    EXPECT_EQ(SendMessage(List(), LVM_GETNEXTITEM, 0, LVNI_FOCUSED), 1);
    EXPECT_EQ(SendMessage(List(), LVM_GETNEXTITEM, 1, LVNI_FOCUSED), -1);
    EXPECT_EQ(SendMessage(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED | LVNI_SELECTED), -1);
    EXPECT_EQ(SendMessage(List(), LVM_GETNEXTITEM, 0, LVNI_ALL), 1);
}

TEST_F(ListViewTest, TheStateAsksOnlyForTheBitsInItsMaskAndIsNoneForAMissingRow)
{
    InsertThreeRows();
    UserClickListRow(List(), 0);
    EXPECT_EQ(State(0, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));
    EXPECT_EQ(State(0, LVIS_FOCUSED), static_cast<UINT>(LVIS_FOCUSED));
    EXPECT_EQ(State(3), 0u);
    EXPECT_EQ(State(-1), 0u);
}

TEST_F(ListViewTest, ASelectedRowKeepsItsSelectionWhenRowsAreInsertedAboveAndBelowIt)
{
    InsertThreeRows();
    UserClickListRow(List(), 1);  // "b"
    driver.rowChanges.clear();
    Insert(List(), 0, "d");
    Insert(List(), 0, "e");
    Insert(List(), 99, "z");
    EXPECT_EQ(State(3), SELECTED_AND_FOCUSED);
    EXPECT_EQ(SelectedRows(), std::vector<std::string>{"b"});
    EXPECT_EQ(State(1), 0u);
    // Moving with its row is no change of state.
    EXPECT_EQ(driver.rowChanges, (std::vector<RowChange>{{ListRowChange::Inserted, 0},
                                                         {ListRowChange::Inserted, 0},
                                                         {ListRowChange::Inserted, 5}}));
}

TEST_F(ListViewTest, ArrowKeysStepTheSelectionFromTheFocusedRowAndStopAtTheEnds)
{
    InsertThreeRows();
    UserClickListRow(List(), 0);
    std::vector<std::string> walked;
    for (UINT vk : {VK_DOWN, VK_DOWN, VK_DOWN, VK_UP, VK_UP, VK_UP}) {
        Key(vk);
        walked.push_back(SelectedRows().at(0));
    }
    EXPECT_EQ(walked, (std::vector<std::string>{"b", "a", "a", "b", "c", "c"}));
    EXPECT_EQ(State(0), SELECTED_AND_FOCUSED);
}

TEST_F(ListViewTest, HomeAndEndSelectTheFirstAndTheLastRow)
{
    InsertThreeRows();
    UserClickListRow(List(), 1);
    Key(VK_END);
    EXPECT_EQ(State(2), SELECTED_AND_FOCUSED);
    EXPECT_EQ(SelectedRows(), std::vector<std::string>{"a"});
    Key(VK_HOME);
    EXPECT_EQ(State(0), SELECTED_AND_FOCUSED);
    EXPECT_EQ(SelectedRows(), std::vector<std::string>{"c"});
}

TEST(ListViewKeys, WithoutAFocusedRowTheKeysStartAtTheFirstRowAndEndAtTheLast)
{
    HeadlessDriver driver;
    std::vector<std::string> reached;
    for (UINT vk : {VK_UP, VK_DOWN, VK_HOME, VK_END}) {
        TestDialog dialog;
        HWND list = dialog.Item(1026);
        InsertThreeRows(list);
        SetFocus(list);
        UserKey(list, vk, 0);
        std::vector<std::string> selected = SelectedRows(list);
        reached.push_back(selected.size() == 1 ? selected[0] : "?");
    }
    EXPECT_EQ(reached, (std::vector<std::string>{"c", "c", "c", "a"}));
}

TEST_F(ListViewTest, KeysAndClicksInAnEmptyListSelectNothing)
{
    SetFocus(List());
    for (UINT vk : {VK_DOWN, VK_UP, VK_HOME, VK_END})
        Key(vk);
    UserClickListRow(List(), 0);
    EXPECT_EQ(GetFocus(), List());
    EXPECT_TRUE(driver.rowChanges.empty());
}

TEST_F(ListViewTest, OtherKeysLeaveTheSelectionAndTabStillMovesOn)
{
    InsertThreeRows();
    UserClickListRow(List(), 1);
    Key(VK_LEFT);
    Key(VK_SPACE);
    EXPECT_EQ(SelectedRows(), std::vector<std::string>{"b"});
    Key(VK_TAB);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), 1027);
    EXPECT_EQ(SelectedRows(), std::vector<std::string>{"b"});
}

// The test dialog's list is 124 pixels high; laid out as this driver says, six whole
// rows of 16 pixels fit below its 22-pixel header and 1-pixel frame, with 4 pixels over.
class PagedListDriver : public HeadlessDriver {
public:
    ListViewMetrics ReportListMetrics(HWND) override { return ListViewMetrics{1, 22, 16}; }
};

class ListViewPageTest : public ::testing::Test {
protected:
    ListViewPageTest()
    {
        for (int row = 0; row < 20; ++row)
            Insert(List(), row, std::to_string(row).c_str());
    }

    HWND List() const { return dialog.Item(1026); }
    int Top() const { return static_cast<int>(SendMessage(List(), LVM_GETTOPINDEX, 0, 0)); }
    // The focused row, which must also be the one row selected.
    int Focused() const
    {
        std::vector<std::string> selected = SelectedRows(List());
        for (int row = 0; row < 20; ++row) {
            if (State(List(), row, LVIS_FOCUSED) != 0)
                return selected == std::vector<std::string>{std::to_string(row)} ? row : -2;
        }
        return -1;
    }
    // Presses a key and notes the focused row and the top row after it.
    std::pair<int, int> Press(UINT vk)
    {
        UserKey(List(), vk, 0);
        return {Focused(), Top()};
    }

    PagedListDriver driver;
    TestDialog dialog;
};

using Reached = std::vector<std::pair<int, int>>;  // focused row, top row

TEST_F(ListViewPageTest, APageIsTheWholeRowsThatFitBelowTheHeader)
{
    EXPECT_EQ(SendMessage(List(), LVM_GETCOUNTPERPAGE, 0, 0), 6);
    EXPECT_EQ(Top(), 0);
}

TEST_F(ListViewPageTest, PageDownGoesToThePagesLastRowThenAPageOnAndStopsAtTheLastRow)
{
    UserClickListRow(List(), 0);
    Reached reached;
    for (int press = 0; press < 5; ++press)
        reached.push_back(Press(VK_NEXT));
    EXPECT_EQ(reached, (Reached{{5, 0}, {10, 5}, {15, 10}, {19, 14}, {19, 14}}));
}

TEST_F(ListViewPageTest, PageUpGoesToThePagesFirstRowThenAPageBackAndStopsAtTheFirstRow)
{
    UserClickListRow(List(), 0);
    UserKey(List(), VK_END, 0);
    EXPECT_EQ(Top(), 14);
    Reached reached;
    for (int press = 0; press < 5; ++press)
        reached.push_back(Press(VK_PRIOR));
    EXPECT_EQ(reached, (Reached{{14, 14}, {9, 9}, {4, 4}, {0, 0}, {0, 0}}));
}

TEST_F(ListViewPageTest, FromTheMiddleOfAPageTheKeysGoToItsEdgesWithoutScrolling)
{
    UserClickListRow(List(), 0);
    UserKey(List(), VK_NEXT, 0);
    UserKey(List(), VK_NEXT, 0);  // row 10, rows 5 to 10 shown
    UserKey(List(), VK_UP, 0);
    UserKey(List(), VK_UP, 0);
    EXPECT_EQ(Press(VK_NEXT), std::make_pair(10, 5));
    UserKey(List(), VK_UP, 0);
    EXPECT_EQ(Press(VK_PRIOR), std::make_pair(5, 5));
}

TEST_F(ListViewPageTest, APageStartsFromTheRowsShownAfterTheUserScrolled)
{
    UserClickListRow(List(), 2);
    // Three rows' worth of pixels and a little: whole rows only.
    SendMessage(List(), LVM_SCROLL, 0, 3 * 16 + 5);
    EXPECT_EQ(Top(), 3);
    EXPECT_EQ(Press(VK_NEXT), std::make_pair(8, 3));
    SendMessage(List(), LVM_SCROLL, 0, 100 * 16);
    EXPECT_EQ(Top(), 14);
    EXPECT_EQ(Press(VK_PRIOR), std::make_pair(14, 14));
}

TEST_F(ListViewPageTest, ARowTakingTheFocusBelowOrAboveThePageScrollsItJustIntoView)
{
    UserClickListRow(List(), 5);
    EXPECT_EQ(Press(VK_DOWN), std::make_pair(6, 1));
    UserKey(List(), VK_HOME, 0);
    EXPECT_EQ(Top(), 0);
    EXPECT_TRUE(SendMessage(List(), LVM_ENSUREVISIBLE, 12, FALSE));
    EXPECT_EQ(Top(), 7);
    EXPECT_FALSE(SendMessage(List(), LVM_ENSUREVISIBLE, 20, FALSE));
    EXPECT_EQ(Top(), 7);
}

TEST(ListViewPageKeys, WithoutAFocusedRowPageDownGoesToThePagesLastRowAndPageUpToItsFirst)
{
    PagedListDriver driver;
    std::vector<std::string> reached;
    for (UINT vk : {VK_NEXT, VK_PRIOR}) {
        TestDialog dialog;
        HWND list = dialog.Item(1026);
        for (int row = 0; row < 20; ++row)
            Insert(list, row, std::to_string(row).c_str());
        SetFocus(list);
        UserKey(list, vk, 0);
        std::vector<std::string> selected = SelectedRows(list);
        reached.push_back(selected.size() == 1 ? selected[0] : "?");
    }
    EXPECT_EQ(reached, (std::vector<std::string>{"5", "0"}));
}

TEST_F(ListViewTest, PageKeysInAnEmptyOrShortListStayWithinItsRows)
{
    SetFocus(List());
    Key(VK_NEXT);
    Key(VK_PRIOR);
    EXPECT_TRUE(driver.rowChanges.empty());
    EXPECT_EQ(SendMessage(List(), LVM_GETTOPINDEX, 0, 0), 0);
    InsertThreeRows();
    UserClickListRow(List(), 0);
    Key(VK_NEXT);
    EXPECT_EQ(SelectedRows(), std::vector<std::string>{"a"});
    Key(VK_NEXT);
    EXPECT_EQ(SelectedRows(), std::vector<std::string>{"a"});
    Key(VK_PRIOR);
    EXPECT_EQ(SelectedRows(), std::vector<std::string>{"c"});
    EXPECT_EQ(SendMessage(List(), LVM_GETTOPINDEX, 0, 0), 0);
}

}  // namespace
