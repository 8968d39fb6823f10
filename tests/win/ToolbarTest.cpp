#include <gtest/gtest.h>

#include "HeadlessDriver.h"
#include "TestBitmaps.h"
#include "toolbar.h"

namespace {

bool IsLive(HIMAGELIST list)
{
    int cx = 0;
    int cy = 0;
    return ImageList_GetIconSize(list, &cx, &cy) == TRUE;
}

class ToolbarTest : public ::testing::Test {
protected:
    ToolbarTest()
    {
        toolbar = CreateWindowEx(0, TOOLBARCLASSNAME, "", WS_POPUP, 0, 0, 100, 40, nullptr, nullptr, nullptr, nullptr);
    }
    ~ToolbarTest() override
    {
        DestroyWindow(toolbar);
        EXPECT_EQ(GdiObjectCount(), before);
    }

    static HIMAGELIST NewList() { return ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 0); }

    HeadlessDriver driver;
    DWORD before = GdiObjectCount();
    HWND toolbar;
};

TEST_F(ToolbarTest, ReplacedListIsDestroyedAndItsHandleReturned)
{
    ASSERT_NE(toolbar, nullptr);
    HIMAGELIST first = NewList();
    HIMAGELIST second = NewList();
    EXPECT_EQ(SendMessage(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(first)), 0);
    EXPECT_EQ(SendMessage(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(second)),
              reinterpret_cast<LRESULT>(first));
    EXPECT_FALSE(IsLive(first));
    EXPECT_TRUE(IsLive(second));
}

TEST_F(ToolbarTest, InstallingTheSameListAgainKeepsIt)
{
    HIMAGELIST list = NewList();
    SendMessage(toolbar, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
    SendMessage(toolbar, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
    EXPECT_TRUE(IsLive(list));
}

TEST_F(ToolbarTest, EachStateHasItsOwnList)
{
    HIMAGELIST normal = NewList();
    HIMAGELIST hot = NewList();
    HIMAGELIST disabled = NewList();
    SendMessage(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(normal));
    SendMessage(toolbar, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hot));
    SendMessage(toolbar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabled));
    EXPECT_TRUE(IsLive(normal));
    EXPECT_TRUE(IsLive(hot));
    EXPECT_TRUE(IsLive(disabled));
    EXPECT_EQ(SendMessage(toolbar, TB_SETHOTIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(hot));
    EXPECT_FALSE(IsLive(hot));
    EXPECT_TRUE(IsLive(normal));
    EXPECT_TRUE(IsLive(disabled));
}

TEST_F(ToolbarTest, DestroyingTheWindowDestroysEveryListItHolds)
{
    HIMAGELIST normal = NewList();
    HIMAGELIST disabled = NewList();
    SendMessage(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(normal));
    SendMessage(toolbar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabled));
    EXPECT_EQ(GdiObjectCount(), before + 4);
    DestroyWindow(toolbar);
    EXPECT_FALSE(IsLive(normal));
    EXPECT_FALSE(IsLive(disabled));
    EXPECT_EQ(GdiObjectCount(), before);
}

}  // namespace
