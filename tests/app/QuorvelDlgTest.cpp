#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "app/QuorvelDlg.h"
#include "input.h"
#include "support/ModalTestDriver.h"
#include "support/Hex.h"

namespace {

const char INTEGER_MESSAGE[] = "C7 EB CA E4 C8 EB D2 BB B8 F6 D5 FB CA FD A1 A3";  // 请输入一个整数。
const char NUMBER_MESSAGE[] = "C7 EB CA E4 C8 EB D2 BB B8 F6 CA FD D7 D6 A1 A3";   // 请输入一个数字。
const char BYTE_MESSAGE[] =                                                          // 请输入一个在 0 和 255 之间的整数。
    "C7 EB CA E4 C8 EB D2 BB B8 F6 D4 DA 20 30 20 BA CD 20 32 35 35 20 D6 AE BC E4 B5 C4 D5 FB CA FD A1 A3";

// The dialog, with a record of the commands that reached its message map.
class CRecordingDlg : public CQuorvelDlg {
public:
    std::vector<std::pair<UINT, int>> m_commands;
    std::vector<std::pair<UINT, WPARAM>> m_messages;

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        m_messages.emplace_back(message, wParam);
        return CQuorvelDlg::OnWndMsg(message, wParam, lParam, pResult);
    }

    BOOL OnCmdMsg(UINT nID, int nCode) override
    {
        m_commands.emplace_back(nID, nCode);
        return CQuorvelDlg::OnCmdMsg(nID, nCode);
    }
};

class QuorvelDlgTest : public ::testing::Test {
protected:
    QuorvelDlgTest() { AfxWinInit(); }

    // Runs the dialog modally with the given steps inside its loop; returns DoModal's result.
    INT_PTR Run(std::function<void(HWND)> whileOpen)
    {
        driver.m_whileOpen = [this, whileOpen](HWND hDlg) {
            this->hDlg = hDlg;
            whileOpen(hDlg);
        };
        return dlg.DoModal();
    }

    HWND Item(int nID) const { return GetDlgItem(hDlg, nID); }

    std::string Text(int nID) const
    {
        char buffer[256] = {};
        GetWindowText(Item(nID), buffer, sizeof buffer);
        return buffer;
    }

    void SetText(int nID, LPCTSTR text) { SetWindowText(Item(nID), text); }

    std::string ListText(int nID, int index) const
    {
        char buffer[64] = {};
        SendMessage(Item(nID), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }

    int CurSel(int nID) const { return static_cast<int>(SendMessage(Item(nID), CB_GETCURSEL, 0, 0)); }

    ModalTestDriver driver;
    CRecordingDlg dlg;
    HWND hDlg = nullptr;
};

TEST_F(QuorvelDlgTest, OpensWithTheDefaultsAsTexts)
{
    Run([&](HWND) {
        EXPECT_EQ(Text(IDC_DEAD_BAND), "3.2");
        EXPECT_EQ(Text(IDC_MAX_DUTY), "200");
        EXPECT_EQ(Text(IDC_BOOST), "156");
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "1000");
        EXPECT_EQ(Text(IDC_PULSE_UPPER), "2000");
        EXPECT_EQ(Text(IDC_LEFT_RANGE), "0");
        EXPECT_EQ(Text(IDC_RIGHT_RANGE), "0");
        EXPECT_EQ(Text(IDC_NEUTRAL), "0");
        EXPECT_EQ(Text(IDC_DRIVE_FREQUENCY), "3276");
        EXPECT_FALSE(IsWindowVisible(Item(IDC_DRIVE_FREQUENCY)));

        EXPECT_EQ(CurSel(IDC_STRETCHER), 4);
        EXPECT_EQ(ListText(IDC_STRETCHER, 4), "16");
        EXPECT_EQ(CurSel(IDC_DRIVE_FREQ_LIST), 32);
        EXPECT_EQ(ListText(IDC_DRIVE_FREQ_LIST, 32), "330");

        for (int nID : {IDC_INTERNAL_OSC, IDC_100PWM, IDC_INVERTER, IDC_NARROW_BAND})
            EXPECT_EQ(SendMessage(Item(nID), BM_GETCHECK, 0, 0), BST_UNCHECKED) << nID;
        EXPECT_EQ(SendMessage(Item(IDC_DEVICE_LIST), CB_GETCOUNT, 0, 0), 0);
        EXPECT_EQ(dlg.m_listLog.GetItemCount(), 0);
        EXPECT_EQ(GetFocus(), Item(IDC_DEVICE_LIST));
    });
}

TEST_F(QuorvelDlgTest, OpensAsTheTemplatesCaptionedWindowWithItsIcon)
{
    Run([&](HWND hWnd) {
        char caption[32] = {};
        GetWindowText(hWnd, caption, sizeof caption);
        EXPECT_STREQ(caption, "Quorvel");
        EXPECT_EQ(GetWindowChildCount(hWnd), 42);
        EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &dlg);
        EXPECT_NE(reinterpret_cast<HICON>(SendMessage(hWnd, WM_QUERYDRAGICON, 0, 0)), nullptr);
        // The two toolbars are held but never made windows.
        EXPECT_EQ(dlg.m_wndToolBar.m_hWnd, nullptr);
        EXPECT_EQ(dlg.m_wndTrueColorToolBar.m_hWnd, nullptr);
    });
}

TEST_F(QuorvelDlgTest, ListsHoldTheTemplatesItemsInOrder)
{
    Run([&](HWND) {
        const std::vector<std::string> stretcher = {"1", "2", "4", "8", "16", "32"};
        const std::vector<std::string> frequency = {
            "19531", "9766", "6510", "4883", "3906", "3255", "2790", "2441", "2170", "1953", "1776",
            "1628",  "1502", "1395", "1302", "1221", "1149", "1085", "1028", "977",  "930",  "888",
            "849",   "814",  "781",  "751",  "723",  "698",  "673",  "651",  "630",  "610",  "330"};
        ASSERT_EQ(SendMessage(Item(IDC_STRETCHER), CB_GETCOUNT, 0, 0), 6);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(ListText(IDC_STRETCHER, i), stretcher[static_cast<size_t>(i)]);
        ASSERT_EQ(SendMessage(Item(IDC_DRIVE_FREQ_LIST), CB_GETCOUNT, 0, 0), 33);
        for (int i = 0; i < 33; ++i)
            EXPECT_EQ(ListText(IDC_DRIVE_FREQ_LIST, i), frequency[static_cast<size_t>(i)]);
    });
}

TEST_F(QuorvelDlgTest, ControlMembersAreAttachedWhileOpenAndLetGoAfterwards)
{
    Run([&](HWND) {
        EXPECT_EQ(dlg.m_listLog.m_hWnd, Item(IDC_LOG_LIST));
        EXPECT_EQ(dlg.m_chkInternalOsc.m_hWnd, Item(IDC_INTERNAL_OSC));
        EXPECT_EQ(dlg.m_chkInverter.m_hWnd, Item(IDC_INVERTER));
        EXPECT_EQ(dlg.m_chk100Pwm.m_hWnd, Item(IDC_100PWM));
        EXPECT_EQ(dlg.m_chkNarrowBand.m_hWnd, Item(IDC_NARROW_BAND));
        EXPECT_NE(dynamic_cast<CComboBox*>(dlg.GetDlgItem(IDC_DEVICE_LIST)), nullptr);
        EXPECT_NE(dynamic_cast<CEdit*>(dlg.GetDlgItem(IDC_DEAD_BAND)), nullptr);
    });
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_listLog.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_chkNarrowBand.m_hWnd, nullptr);
}

TEST_F(QuorvelDlgTest, MainWindowPointerIsClearedWhenTheWindowIsDestroyed)
{
    AfxGetApp()->m_pMainWnd = &dlg;
    Run([&](HWND) { EXPECT_EQ(AfxGetApp()->m_pMainWnd, &dlg); });
    EXPECT_EQ(AfxGetApp()->m_pMainWnd, nullptr);
}

TEST_F(QuorvelDlgTest, FloatBeyondTheLargestFloatIsTakenAsInfinity)
{
    Run([&](HWND) {
        SetText(IDC_MAX_DUTY, "1e39");
        SetText(IDC_PULSE_LOWER, "3.4028235e38");
        SetText(IDC_PULSE_UPPER, "-1e400");
        EXPECT_TRUE(dlg.UpdateData(TRUE));
        EXPECT_EQ(dlg.m_fMaxDuty, std::numeric_limits<float>::infinity());
        EXPECT_EQ(dlg.m_fPulseLower, std::numeric_limits<float>::max());
        EXPECT_EQ(dlg.m_fPulseUpper, -std::numeric_limits<float>::infinity());
    });
}

TEST_F(QuorvelDlgTest, DeviceListIsReachedByItsIDAsASortedComboBox)
{
    Run([&](HWND) {
        auto* pList = dynamic_cast<CComboBox*>(dlg.GetDlgItem(IDC_DEVICE_LIST));
        ASSERT_NE(pList, nullptr);
        EXPECT_EQ(pList->GetCurSel(), CB_ERR);
        EXPECT_EQ(pList->AddString("USB Bridge B"), 0);
        EXPECT_EQ(pList->AddString("USB Bridge A"), 0);
        EXPECT_EQ(pList->GetCount(), 2);
        EXPECT_EQ(pList->SetCurSel(1), 1);
        EXPECT_EQ(pList->GetCurSel(), 1);
        EXPECT_EQ(ListText(IDC_DEVICE_LIST, 1), "USB Bridge B");
        EXPECT_EQ(pList->DeleteString(0), 1);
        EXPECT_EQ(pList->DeleteString(5), CB_ERR);
        EXPECT_EQ(pList->GetCount(), 1);
    });
}

TEST_F(QuorvelDlgTest, FloatFieldsShowSixSignificantDigits)
{
    Run([&](HWND) {
        dlg.m_fDeadBand = 2.2f;
        dlg.m_fMaxDuty = 1234567.0f;
        dlg.m_fPulseLower = 0.00001f;
        dlg.m_fPulseUpper = 0.0f;
        dlg.UpdateData(FALSE);
        EXPECT_EQ(Text(IDC_DEAD_BAND), "2.2");
        EXPECT_EQ(Text(IDC_MAX_DUTY), "1.23457e+006");
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "1e-005");
        EXPECT_EQ(Text(IDC_PULSE_UPPER), "0");
    });
}

TEST_F(QuorvelDlgTest, FieldsAreReadUpToTheFirstCharacterThatEndsTheNumber)
{
    Run([&](HWND) {
        SetText(IDC_NEUTRAL, "12abc");
        SetText(IDC_RIGHT_RANGE, "3.7");
        SetText(IDC_PULSE_LOWER, "1e3");
        SetText(IDC_BOOST, "-1");
        SetText(IDC_MAX_DUTY, "0x10");
        SetText(IDC_LEFT_RANGE, " -64");
        EXPECT_TRUE(dlg.UpdateData(TRUE));
        EXPECT_EQ(dlg.m_nNeutral, 12);
        EXPECT_EQ(dlg.m_nRightRange, 3);
        EXPECT_EQ(dlg.m_fPulseLower, 1000.0f);
        EXPECT_EQ(dlg.m_byBoost, 255);
        EXPECT_EQ(dlg.m_fMaxDuty, 0.0f);
        EXPECT_EQ(dlg.m_nLeftRange, -64);
        EXPECT_TRUE(driver.MessageBoxes().empty());
    });
}

TEST_F(QuorvelDlgTest, ListIndexThatNamesNoItemShowsNoSelectionAndReadsBackMinusOne)
{
    Run([&](HWND) {
        dlg.m_nStretcher = 6;
        dlg.UpdateData(FALSE);
        EXPECT_EQ(CurSel(IDC_STRETCHER), CB_ERR);
        dlg.m_nStretcher = 2;
        dlg.UpdateData(TRUE);
        EXPECT_EQ(dlg.m_nStretcher, -1);
    });
}

TEST_F(QuorvelDlgTest, BoostAbove255IsRefusedAfterTheFieldsBeforeItAreTaken)
{
    Run([&](HWND hWnd) {
        SetText(IDC_DEAD_BAND, "5");
        SetText(IDC_MAX_DUTY, "300");
        SendMessage(Item(IDC_STRETCHER), CB_SETCURSEL, 1, 0);
        SetText(IDC_BOOST, "256");
        SetText(IDC_PULSE_LOWER, "1500");
        SetText(IDC_NEUTRAL, "7");

        EXPECT_FALSE(dlg.UpdateData(TRUE));

        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_EQ(Hex(driver.MessageBoxes()[0].text), BYTE_MESSAGE);
        EXPECT_EQ(driver.MessageBoxes()[0].caption, "quorvel_tests");
        EXPECT_EQ(driver.MessageBoxes()[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
        EXPECT_EQ(driver.MessageBoxes()[0].owner, hWnd);

        EXPECT_EQ(dlg.m_fDeadBand, 5.0f);
        EXPECT_EQ(dlg.m_fMaxDuty, 300.0f);
        EXPECT_EQ(dlg.m_nStretcher, 1);
        EXPECT_EQ(dlg.m_byBoost, 156);
        EXPECT_EQ(dlg.m_fPulseLower, 1000.0f);
        EXPECT_EQ(dlg.m_nNeutral, 0);

        EXPECT_EQ(GetFocus(), Item(IDC_BOOST));
        DWORD start = 0;
        DWORD end = 0;
        SendMessage(Item(IDC_BOOST), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 3u);
    });
}

TEST_F(QuorvelDlgTest, EmptyDeadBandIsRefusedBeforeAnyMemberChanges)
{
    Run([&](HWND) {
        SetText(IDC_DEAD_BAND, "");
        SetText(IDC_MAX_DUTY, "100");
        EXPECT_FALSE(dlg.UpdateData(TRUE));
        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_EQ(Hex(driver.MessageBoxes()[0].text), NUMBER_MESSAGE);
        EXPECT_EQ(dlg.m_fDeadBand, 3.2f);
        EXPECT_EQ(dlg.m_fMaxDuty, 200.0f);
        EXPECT_EQ(GetFocus(), Item(IDC_DEAD_BAND));
    });
}

TEST_F(QuorvelDlgTest, LettersInAnIntegerFieldAreRefusedAsNotAnInteger)
{
    Run([&](HWND) {
        SetText(IDC_LEFT_RANGE, "abc");
        EXPECT_FALSE(dlg.UpdateData(TRUE));
        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_EQ(Hex(driver.MessageBoxes()[0].text), INTEGER_MESSAGE);
        EXPECT_EQ(GetFocus(), Item(IDC_LEFT_RANGE));
        DWORD start = 9;
        DWORD end = 9;
        SendMessage(Item(IDC_LEFT_RANGE), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 3u);
    });
}

TEST_F(QuorvelDlgTest, InfinityAndNanAreNotNumbersInAFloatField)
{
    Run([&](HWND) {
        SetText(IDC_PULSE_UPPER, "inf");
        EXPECT_FALSE(dlg.UpdateData(TRUE));
        SetText(IDC_PULSE_UPPER, "nan");
        EXPECT_FALSE(dlg.UpdateData(TRUE));
        ASSERT_EQ(driver.MessageBoxes().size(), 2u);
        EXPECT_EQ(Hex(driver.MessageBoxes()[1].text), NUMBER_MESSAGE);
        EXPECT_EQ(dlg.m_fPulseUpper, 2000.0f);
    });
}

TEST_F(QuorvelDlgTest, ShowingTheMembersRunsNoChangeHandlerOfTheEdits)
{
    Run([&](HWND) {
        dlg.m_commands.clear();
        dlg.m_fDeadBand = 7.5f;
        dlg.m_nDriveFreqValue = 1234;
        dlg.UpdateData(FALSE);
        EXPECT_EQ(Text(IDC_DEAD_BAND), "7.5");
        EXPECT_EQ(Text(IDC_DRIVE_FREQUENCY), "1234");
        EXPECT_TRUE(dlg.m_commands.empty());

        // Outside the exchange the same change does reach the map.
        SetText(IDC_DEAD_BAND, "7.6");
        EXPECT_EQ(dlg.m_commands, (std::vector<std::pair<UINT, int>>{{IDC_DEAD_BAND, EN_CHANGE}}));
    });
}

TEST_F(QuorvelDlgTest, ShowingUnchangedMembersLeavesEveryTextAlone)
{
    Run([&](HWND) {
        auto textChanges = [&] {
            std::vector<HWND> changed;
            for (const HeadlessDriver::Change& change : driver.Changes()) {
                if (change.change == WindowChange::Text)
                    changed.push_back(change.hWnd);
            }
            return changed;
        };
        driver.ClearChanges();
        dlg.UpdateData(FALSE);
        EXPECT_TRUE(textChanges().empty());

        dlg.m_nNeutral = 5;
        dlg.UpdateData(FALSE);
        EXPECT_EQ(textChanges(), std::vector<HWND>{Item(IDC_NEUTRAL)});
    });
}

TEST_F(QuorvelDlgTest, EnterEndsTheDialogOnlyWhenEveryFieldIsValid)
{
    INT_PTR result = Run([&](HWND hWnd) {
        SetText(IDC_DEAD_BAND, "");
        UserKey(GetFocus(), VK_RETURN, 0);
        EXPECT_FALSE(IsDialogEnded(hWnd));
        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_EQ(Hex(driver.MessageBoxes()[0].text), NUMBER_MESSAGE);

        SetText(IDC_DEAD_BAND, "4.5");
        UserKey(GetFocus(), VK_RETURN, 0);
        EXPECT_TRUE(IsDialogEnded(hWnd));
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_fDeadBand, 4.5f);
}

TEST_F(QuorvelDlgTest, EnterOnAPushButtonClicksItAndLeavesTheDialogOpen)
{
    Run([&](HWND hWnd) {
        SetFocus(Item(IDC_READ_CONFIG));
        dlg.m_commands.clear();
        SetText(IDC_DEAD_BAND, "");
        dlg.m_commands.clear();
        UserKey(GetFocus(), VK_RETURN, 0);
        EXPECT_EQ(dlg.m_commands, (std::vector<std::pair<UINT, int>>{{IDC_READ_CONFIG, BN_CLICKED}}));
        EXPECT_FALSE(IsDialogEnded(hWnd));
        // Only Read Config's own data exchange complains about the empty field.
        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_EQ(Hex(driver.MessageBoxes()[0].text), NUMBER_MESSAGE);
    });
}

TEST_F(QuorvelDlgTest, TabWalksTheVisibleTabStopsInTemplateOrderAndWraps)
{
    Run([&](HWND) {
        const std::vector<int> order = {1001, 1003, 1005, 1006, 1007, 1008, 1009, 1010, 1012, 1013, 1014,
                                        1016, 1026, 1027, 1028, 1029, 1033, 1034, 1035, 1036, 1037, 1000};
        std::vector<int> visited;
        for (size_t i = 0; i < order.size(); ++i) {
            UserKey(GetFocus(), VK_TAB, 0);
            visited.push_back(GetDlgCtrlID(GetFocus()));
        }
        EXPECT_EQ(visited, order);
    });
}

TEST_F(QuorvelDlgTest, MinusOnePastedIntoBoostIsTakenAsItsLowEightBits)
{
    INT_PTR result = Run([&](HWND) {
        SetFocus(Item(IDC_BOOST));
        UserSelectText(Item(IDC_BOOST), 0, 3);
        UserTypeText(Item(IDC_BOOST), "-x");
        EXPECT_EQ(Text(IDC_BOOST), "156");
        UserPasteText(Item(IDC_BOOST), "-1");
        EXPECT_EQ(Text(IDC_BOOST), "-1");
        UserKey(GetFocus(), VK_RETURN, 0);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_byBoost, 255);
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(QuorvelDlgTest, EscapeEndsTheDialogWithoutTakingTheFields)
{
    INT_PTR result = Run([&](HWND) {
        SetText(IDC_DEAD_BAND, "");
        SetText(IDC_NEUTRAL, "99");
        UserKey(GetFocus(), VK_ESCAPE, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(driver.MessageBoxes().empty());
    EXPECT_EQ(dlg.m_fDeadBand, 3.2f);
    EXPECT_EQ(dlg.m_nNeutral, 0);
}

TEST_F(QuorvelDlgTest, CloseBoxEndsTheDialogWithoutTakingTheFields)
{
    INT_PTR result = Run([&](HWND hWnd) {
        SetText(IDC_BOOST, "999");
        UserClose(hWnd);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(QuorvelDlgTest, HelpKeyReachesTheApplicationsHelpHandler)
{
    Run([&](HWND) {
        dlg.m_commands.clear();
        UserKey(GetFocus(), VK_F1, 0);
        EXPECT_EQ(dlg.m_commands, (std::vector<std::pair<UINT, int>>{{ID_HELP, CN_COMMAND}}));
        EXPECT_EQ(driver.Beeps().size(), 1u);
        EXPECT_TRUE(driver.MessageBoxes().empty());
    });
}

TEST_F(QuorvelDlgTest, TakesTheIconAsItsBigAndSmallIcon)
{
    Run([&](HWND hWnd) {
        HICON hIcon = reinterpret_cast<HICON>(SendMessage(hWnd, WM_QUERYDRAGICON, 0, 0));
        ASSERT_NE(hIcon, nullptr);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessage(hWnd, WM_GETICON, ICON_BIG, 0)), hIcon);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessage(hWnd, WM_GETICON, ICON_SMALL, 0)), hIcon);
        ICONIMAGE_QV image{};
        ASSERT_TRUE(GetIconImage(hIcon, &image));
        EXPECT_EQ(image.cx, 32);
        EXPECT_EQ(image.cy, 32);
    });
}

TEST_F(QuorvelDlgTest, PaintingWhileMinimisedErasesAndDrawsTheIconCentred)
{
    Run([&](HWND hWnd) {
        ShowWindow(hWnd, SW_MINIMIZE);
        RECT rect{1, 1, 1, 1};
        GetClientRect(hWnd, &rect);
        ASSERT_EQ(rect.right - rect.left, 0);
        ASSERT_EQ(rect.bottom - rect.top, 0);
        ASSERT_EQ(GetSystemMetrics(SM_CXICON), 32);

        // Minimising has painted once already; this paint draws once more.
        size_t drawnBefore = driver.IconsDrawn().size();
        dlg.m_messages.clear();
        SendMessage(hWnd, WM_PAINT, 0, 0);

        ASSERT_EQ(driver.IconsDrawn().size(), drawnBefore + 1);
        const HeadlessDriver::IconDrawn& drawn = driver.IconsDrawn().back();
        EXPECT_EQ(drawn.hWnd, hWnd);
        EXPECT_EQ(drawn.x, -15);
        EXPECT_EQ(drawn.y, -15);
        EXPECT_EQ(drawn.hIcon, reinterpret_cast<HICON>(SendMessage(hWnd, WM_QUERYDRAGICON, 0, 0)));

        ASSERT_GE(dlg.m_messages.size(), 2u);
        EXPECT_EQ(dlg.m_messages[0].first, static_cast<UINT>(WM_PAINT));
        EXPECT_EQ(dlg.m_messages[1].first, static_cast<UINT>(WM_ICONERASEBKGND));
        EXPECT_NE(dlg.m_messages[1].second, 0u);
    });
}

TEST_F(QuorvelDlgTest, PaintingWhileShownDrawsNoIcon)
{
    Run([&](HWND hWnd) {
        SendMessage(hWnd, WM_PAINT, 0, 0);
        EXPECT_TRUE(driver.IconsDrawn().empty());
    });
}

}  // namespace
