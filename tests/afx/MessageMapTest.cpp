#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HeadlessDriver.h"
#include "afxwin.h"

namespace {

const int ID_FIRST = 1001;
const int ID_SECOND = 1002;
const int ID_SCROLL = 1018;

std::vector<std::string> g_calls;

// Windows of this class hand every message to the object attached to them.
LRESULT RoutingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd))
        return pWnd->WindowProc(message, wParam, lParam);
    return DefWindowProc(hWnd, message, wParam, lParam);
}

class CBaseTestWnd : public CWnd {
public:
    afx_msg void OnFirstClicked() { g_calls.push_back("base first clicked"); }
    afx_msg void OnSecondClicked() { g_calls.push_back("base second clicked"); }
    afx_msg void OnPaint() { g_calls.push_back("base paint"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTestWnd, CWnd)
    ON_BN_CLICKED(ID_FIRST, &CBaseTestWnd::OnFirstClicked)
    ON_BN_CLICKED(ID_SECOND, &CBaseTestWnd::OnSecondClicked)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class CDerivedTestWnd : public CBaseTestWnd {
public:
    afx_msg void OnFirstClicked() { g_calls.push_back("derived first clicked"); }
    afx_msg void OnFirstChanged() { g_calls.push_back("derived first changed"); }
    afx_msg void OnScrollThemeChanged(NMHDR* pNMHDR, LRESULT* pResult)
    {
        g_calls.push_back("derived theme changed " + std::to_string(pNMHDR->idFrom));
        *pResult = 7;
    }
    afx_msg HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(static_cast<UINT_PTR>(0x5150)); }
    afx_msg void OnOk() { g_calls.push_back("derived ok"); }

    // What the exchange sends while it runs, as a control would.
    std::vector<UINT> m_sendDuringExchange;

protected:
    void DoDataExchange(CDataExchange*) override
    {
        for (UINT message : m_sendDuringExchange)
            Send(message);
    }

public:
    void Send(UINT message);
    HWND m_hWndChild = nullptr;
    HWND m_hWndButton = nullptr;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTestWnd, CBaseTestWnd)
    ON_BN_CLICKED(ID_FIRST, &CDerivedTestWnd::OnFirstClicked)
    ON_EN_CHANGE(ID_FIRST, &CDerivedTestWnd::OnFirstChanged)
    ON_NOTIFY(NM_THEMECHANGED, ID_SCROLL, &CDerivedTestWnd::OnScrollThemeChanged)
    ON_WM_QUERYDRAGICON()
    ON_COMMAND(IDOK, &CDerivedTestWnd::OnOk)
END_MESSAGE_MAP()

void CDerivedTestWnd::Send(UINT message)
{
    if (message == WM_NOTIFY) {
        NMHDR header{m_hWndChild, ID_SCROLL, NM_THEMECHANGED};
        SendMessage(WM_NOTIFY, ID_SCROLL, reinterpret_cast<LPARAM>(&header));
    } else if (message == EN_CHANGE) {
        SendMessage(WM_COMMAND, MAKEWPARAM(ID_FIRST, EN_CHANGE), reinterpret_cast<LPARAM>(m_hWndChild));
    } else if (message == BM_CLICK) {
        ::SendMessage(m_hWndButton, BM_CLICK, 0, 0);
    } else if (message == IDOK) {
        SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
    }
}

class MessageMapTest : public ::testing::Test {
protected:
    MessageMapTest()
    {
        g_calls.clear();
        WNDCLASS routing{0, RoutingProc, "MessageMapTestWindow"};
        RegisterClass(&routing);
        HWND hWnd = CreateWindowEx(0, "MessageMapTestWindow", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                                   nullptr);
        wnd.Attach(hWnd);
        wnd.m_hWndChild = CreateWindowEx(0, "BUTTON", "Scroll", WS_CHILD | BS_PUSHBUTTON, 0, 0, 10, 10, hWnd,
                                         reinterpret_cast<HMENU>(ID_SCROLL), nullptr, nullptr);
        wnd.m_hWndButton = CreateWindowEx(0, "BUTTON", "First", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 10, 10, hWnd,
                                          reinterpret_cast<HMENU>(ID_FIRST), nullptr, nullptr);
    }
    ~MessageMapTest() override { DestroyWindow(wnd.Detach()); }

    LRESULT Command(int nID, int nCode, HWND hWndCtrl)
    {
        return wnd.SendMessage(WM_COMMAND, MAKEWPARAM(nID, nCode), reinterpret_cast<LPARAM>(hWndCtrl));
    }

    HeadlessDriver driver;
    CDerivedTestWnd wnd;
};

TEST_F(MessageMapTest, DerivedEntryWinsOverTheBaseEntryForTheSameControl)
{
    Command(ID_FIRST, BN_CLICKED, wnd.m_hWndChild);
    EXPECT_EQ(g_calls, std::vector<std::string>{"derived first clicked"});
}

TEST_F(MessageMapTest, BaseMapHandlesWhatTheDerivedMapLacks)
{
    Command(ID_SECOND, BN_CLICKED, wnd.m_hWndChild);
    wnd.SendMessage(WM_PAINT);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"base second clicked", "base paint"}));
}

TEST_F(MessageMapTest, CommandIsMatchedOnItsNotificationCodeAndControl)
{
    Command(ID_FIRST, EN_CHANGE, wnd.m_hWndChild);
    Command(ID_SECOND, EN_CHANGE, wnd.m_hWndChild);
    Command(ID_FIRST, CBN_SELCHANGE, wnd.m_hWndChild);
    EXPECT_EQ(g_calls, std::vector<std::string>{"derived first changed"});
}

TEST_F(MessageMapTest, NotificationIsMatchedOnTheLow16BitsOfItsCode)
{
    NMHDR header{wnd.m_hWndChild, ID_SCROLL, 0xFFFFFFEAu};
    LRESULT result = 0;
    EXPECT_TRUE(wnd.OnWndMsg(WM_NOTIFY, ID_SCROLL, reinterpret_cast<LPARAM>(&header), &result));
    EXPECT_EQ(result, 7);
    EXPECT_EQ(g_calls, std::vector<std::string>{"derived theme changed 1018"});

    NMHDR otherControl{wnd.m_hWndChild, ID_FIRST, 0xFFFFFFEAu};
    EXPECT_FALSE(wnd.OnWndMsg(WM_NOTIFY, ID_FIRST, reinterpret_cast<LPARAM>(&otherControl), &result));
    NMHDR otherCode{wnd.m_hWndChild, ID_SCROLL, 0xFFFFFFEBu};
    EXPECT_FALSE(wnd.OnWndMsg(WM_NOTIFY, ID_SCROLL, reinterpret_cast<LPARAM>(&otherCode), &result));
    EXPECT_EQ(g_calls.size(), 1u);
}

TEST_F(MessageMapTest, QueryDragIconAnswersWithTheHandlersHandle)
{
    EXPECT_EQ(wnd.SendMessage(WM_QUERYDRAGICON), 0x5150);
}

TEST_F(MessageMapTest, UnhandledMessageGetsTheWindowsDefaultHandling)
{
    wnd.SetWindowText("Quorvel");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_EQ(text, "Quorvel");
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(MessageMapTest, DataExchangeDropsTheNotificationsOfItsControls)
{
    wnd.m_sendDuringExchange = {EN_CHANGE, WM_NOTIFY};
    EXPECT_TRUE(wnd.UpdateData(FALSE));
    EXPECT_TRUE(wnd.UpdateData(TRUE));
    EXPECT_TRUE(g_calls.empty());

    // Afterwards they reach their handlers again.
    wnd.Send(EN_CHANGE);
    wnd.Send(WM_NOTIFY);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"derived first changed", "derived theme changed 1018"}));
}

TEST_F(MessageMapTest, DataExchangeDropsAClickOfItsControls)
{
    wnd.m_sendDuringExchange = {BM_CLICK};
    wnd.UpdateData(TRUE);
    EXPECT_TRUE(g_calls.empty());
    EXPECT_EQ(SendMessage(wnd.m_hWndButton, BM_GETCHECK, 0, 0), BST_CHECKED);

    wnd.Send(BM_CLICK);
    EXPECT_EQ(g_calls, std::vector<std::string>{"derived first clicked"});
}

TEST_F(MessageMapTest, DataExchangeLetsACommandWithoutAControlThrough)
{
    wnd.m_sendDuringExchange = {IDOK};
    wnd.UpdateData(TRUE);
    EXPECT_EQ(g_calls, std::vector<std::string>{"derived ok"});
}

}  // namespace
