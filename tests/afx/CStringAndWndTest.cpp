#include <gtest/gtest.h>

#include "HeadlessDriver.h"
#include "afxwin.h"

namespace {

TEST(CString, CutsByBytesWithinItsLength)
{
    CString s("1.2.3");
    EXPECT_EQ(s.GetLength(), 5);
    EXPECT_EQ(s.Left(3), "1.2");
    EXPECT_EQ(s.Right(1), "3");
    EXPECT_EQ(s.Left(3) + s.Right(1), "1.23");
    EXPECT_EQ(s.Mid(2, 2), "2.");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Right(99), "1.2.3");
    EXPECT_EQ(s.Mid(9), "");

    CString chinese("数");
    EXPECT_EQ(chinese.GetLength(), 2);
}

TEST(CString, FormatsLikePrintf)
{
    CString s;
    s.Format("%02u:%02u:%02u", 9u, 5u, 7u);
    EXPECT_EQ(s, "09:05:07");
    s.Format("%.*g", 6, 1234567.0);
    EXPECT_EQ(s, "1.23457e+06");
}

class CWndTest : public ::testing::Test {
protected:
    CWndTest()
    {
        WNDCLASS parentClass{0, DefWindowProc, "CWndTestParent"};
        RegisterClass(&parentClass);
        parent = CreateWindowEx(0, "CWndTestParent", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        box = CreateWindowEx(0, "BUTTON", "Inverter", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 10, 10, parent,
                             reinterpret_cast<HMENU>(1034), nullptr, nullptr);
        list = CreateWindowEx(0, WC_LISTVIEW, "", WS_CHILD | LVS_REPORT, 0, 0, 10, 10, parent,
                              reinterpret_cast<HMENU>(1026), nullptr, nullptr);
    }
    ~CWndTest() override { DestroyWindow(parent); }

    HeadlessDriver driver;
    HWND parent;
    HWND box;
    HWND list;
};

TEST_F(CWndTest, AttachedObjectIsFoundByItsHandleUntilDetached)
{
    CButton button;
    EXPECT_TRUE(button.Attach(box));
    EXPECT_FALSE(button.Attach(list));
    EXPECT_EQ(CWnd::FromHandle(box), &button);
    EXPECT_EQ(CWnd::FromHandlePermanent(box), &button);
    EXPECT_EQ(button.Detach(), box);
    EXPECT_EQ(CWnd::FromHandlePermanent(box), nullptr);
}

TEST_F(CWndTest, DestroyedObjectLeavesNoEntryBehind)
{
    {
        CButton button;
        button.Attach(box);
    }
    EXPECT_EQ(CWnd::FromHandlePermanent(box), nullptr);
}

TEST_F(CWndTest, TemporaryObjectsHaveTheControlsClass)
{
    CWnd dialog;
    dialog.Attach(parent);
    CWnd* found = dialog.GetDlgItem(1034);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->m_hWnd, box);
    CButton* asButton = dynamic_cast<CButton*>(found);
    ASSERT_NE(asButton, nullptr);
    asButton->SetCheck(BST_CHECKED);
    EXPECT_EQ(SendMessage(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_NE(dynamic_cast<CListCtrl*>(dialog.GetDlgItem(1026)), nullptr);
    EXPECT_EQ(dialog.GetDlgItem(4242), nullptr);
    dialog.Detach();
}

TEST_F(CWndTest, WindowTextRoundTripsThroughCString)
{
    CWnd wnd;
    wnd.Attach(box);
    wnd.SetWindowText("数据");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_EQ(text, "数据");
    EXPECT_EQ(text.GetLength(), 4);
    wnd.Detach();
}

}  // namespace
