#include <gtest/gtest.h>

#include "TestDialog.h"

namespace {

class DialogManagerTest : public ::testing::Test {
protected:
    HeadlessDriver driver;
    TestDialog dialog;
};

TEST_F(DialogManagerTest, TemplateBecomesADialogWithOneControlPerItemInOrder)
{
    char className[16] = {};
    GetClassName(dialog.Handle(), className, sizeof className);
    EXPECT_STREQ(className, "#32770");
    EXPECT_EQ(WindowText(dialog.Handle()), "Quorvel");
    const DLGTEMPLATE_QV& t = TestDialogTemplate();
    ASSERT_EQ(GetWindowChildCount(dialog.Handle()), t.itemCount);
    for (int i = 0; i < t.itemCount; ++i) {
        HWND hControl = GetWindowChild(dialog.Handle(), i);
        GetClassName(hControl, className, sizeof className);
        EXPECT_STREQ(className, t.items[i].className);
        EXPECT_EQ(GetDlgCtrlID(hControl), t.items[i].id);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLong(hControl, GWL_STYLE)), t.items[i].style);
        EXPECT_EQ(WindowText(hControl), t.items[i].text);
    }
    EXPECT_EQ(GetFocus(), dialog.Item(1000));  // the first tab stop
    EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
}

// Base units 7 x 14: x * 7 / 4 and y * 14 / 8, rounded half away from zero.
TEST_F(DialogManagerTest, RectanglesArePixelsOfTheTemplateFontRelativeToTheDialog)
{
    RECT rect{};
    GetWindowRect(dialog.Item(1003), &rect);  // 101, 43, 46 x 12
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}), (std::vector<LONG>{177, 75, 257, 96}));
    GetClientRect(dialog.Handle(), &rect);  // 319 x 335
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}), (std::vector<LONG>{0, 0, 558, 586}));
}

TEST_F(DialogManagerTest, MapDialogRectRoundsHalvesAwayFromZero)
{
    RECT rect{2, 2, 6, -2};
    ASSERT_TRUE(MapDialogRect(dialog.Handle(), &rect));
    EXPECT_EQ((std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}), (std::vector<LONG>{4, 4, 11, -4}));
    EXPECT_FALSE(MapDialogRect(dialog.Item(1003), &rect));
}

TEST_F(DialogManagerTest, AControlOfAnUnknownClassFailsTheWholeDialog)
{
    const DLGITEMTEMPLATE_QV items[] = {{WS_CHILD, 0, 0, 0, 10, 10, 2, "NoSuchControl", ""}};
    DLGTEMPLATE_QV broken = TestDialogTemplate();
    broken.items = items;
    broken.itemCount = 1;
    EXPECT_EQ(CreateDialogIndirectParam(nullptr, &broken, nullptr, nullptr, 0), nullptr);
}

TEST_F(DialogManagerTest, CloseBecomesCancelAndEndDialogTellsTheDriver)
{
    driver.ClearChanges();
    SendMessage(dialog.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog.CommandIds(), std::vector<int>{IDCANCEL});
    EXPECT_TRUE(IsDialogEnded(dialog.Handle()));
    EXPECT_EQ(GetDialogResult(dialog.Handle()), IDCANCEL);
    EXPECT_TRUE(IsWindow(dialog.Handle()));  // ending is not destroying
    ASSERT_EQ(driver.Changes().size(), 1u);
    EXPECT_EQ(driver.Changes()[0].change, WindowChange::DialogEnded);
}

}  // namespace
