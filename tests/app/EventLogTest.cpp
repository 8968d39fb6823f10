#include <gtest/gtest.h>

#include <set>
#include <string>

#include "HeadlessDriver.h"
#include "app/LogMessages.h"
#include "app/QuorvelDlg.h"
#include "support/DialogControls.h"
#include "support/Hex.h"

namespace {

class EventLogTest : public ::testing::Test {
protected:
    EventLogTest() : controls(dlg) { dlg.SetupLogColumns(); }

    void SetTime(WORD hour, WORD minute, WORD second)
    {
        SYSTEMTIME time{2026, 12, 3, 9, hour, minute, second, 999};
        driver.SetLocalTime(time);
    }

    std::string Cell(int row, int column) const { return std::string(dlg.m_listLog.GetItemText(row, column)); }

    HeadlessDriver driver;
    CQuorvelDlg dlg;
    DialogControls controls;
};

TEST_F(EventLogTest, ColumnsAreTimeAndMessageLeftAligned)
{
    char title[32] = {};
    LVCOLUMN column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.pszText = title;
    column.cchTextMax = sizeof title;

    ASSERT_TRUE(dlg.m_listLog.SendMessage(LVM_GETCOLUMN, 0, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(Hex(title), "CA B1 BC E4");  // 时间
    EXPECT_EQ(column.fmt, LVCFMT_LEFT);
    EXPECT_EQ(column.cx, 60);

    ASSERT_TRUE(dlg.m_listLog.SendMessage(LVM_GETCOLUMN, 1, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(Hex(title), "D0 C5 CF A2");  // 信息
    EXPECT_EQ(column.fmt, LVCFMT_LEFT);
    EXPECT_EQ(column.cx, 280);

    EXPECT_FALSE(dlg.m_listLog.SendMessage(LVM_GETCOLUMN, 2, reinterpret_cast<LPARAM>(&column)));
}

TEST_F(EventLogTest, RowShowsTheTimeOfDayWithLeadingZeros)
{
    SetTime(9, 5, 7);
    dlg.AddLogMessage(LOG_DEVICE_FOUND);
    EXPECT_EQ(Cell(0, 0), "09:05:07");
    EXPECT_EQ(Cell(0, 1), LOG_DEVICE_FOUND);

    SetTime(0, 0, 0);
    dlg.AddLogMessage(LOG_FILE_SAVED);
    EXPECT_EQ(Cell(0, 0), "00:00:00");

    SetTime(23, 59, 59);
    dlg.AddLogMessage(LOG_FILE_LOADED);
    EXPECT_EQ(Cell(0, 0), "23:59:59");
}

TEST_F(EventLogTest, NewestRowStandsOnTopAndNoneIsEverTrimmed)
{
    SetTime(14, 30, 0);
    dlg.AddLogMessage(LOG_DEVICE_FOUND);
    dlg.AddLogMessage(LOG_NO_DEVICE_FOUND);
    EXPECT_EQ(Cell(0, 0), Cell(1, 0));
    EXPECT_EQ(Cell(0, 1), LOG_NO_DEVICE_FOUND);
    EXPECT_EQ(Cell(1, 1), LOG_DEVICE_FOUND);

    for (int i = 0; i < 2000; ++i)
        dlg.AddLogMessage(i % 2 ? LOG_READ_SUCCESS : LOG_WRITE_SUCCESS);
    EXPECT_EQ(dlg.m_listLog.GetItemCount(), 2002);
    EXPECT_EQ(Cell(0, 1), LOG_READ_SUCCESS);
    EXPECT_EQ(Cell(2001, 1), LOG_DEVICE_FOUND);
}

TEST_F(EventLogTest, AddingARowWithoutAListWindowIsHarmless)
{
    CQuorvelDlg unattached;
    unattached.AddLogMessage(LOG_FILE_SAVED);
    EXPECT_EQ(unattached.m_listLog.GetItemCount(), 0);
}

TEST(LogMessages, AreCodePage936WithFullWidthPunctuation)
{
    EXPECT_EQ(Hex(LOG_CANNOT_CONNECT),
              "CE DE B7 A8 C1 AC BD D3 C9 E8 B1 B8 A3 AC C7 EB BC EC B2 E9 CA C7 B7 F1 C1 AC BD D3 55 53 42 C9 E8 B1 B8");
    EXPECT_EQ(Hex(LOG_READ_SUCCESS).substr(0, 18), "B3 C9 B9 A6 A3 BA ");  // 成功：
    EXPECT_EQ(std::string(LOG_DATA_WRITE_TIMEOUT).substr(0, 6), "ERROR:");
    EXPECT_EQ(std::string(LOG_ACK_TIMEOUT_READ_OUT).find("\xA3\xAC"), 18u);
}

TEST(LogMessages, SixteenDistinctTexts)
{
    std::set<std::string> texts = {
        LOG_DEVICE_FOUND,         LOG_NO_DEVICE_FOUND,      LOG_CANNOT_CONNECT,      LOG_READ_COMMAND_FAILED,
        LOG_COMMAND_REPLY_TIMEOUT, LOG_DATA_READ_TIMEOUT,   LOG_ACK_TIMEOUT_READ_OUT, LOG_ACK_TIMEOUT_READ_IN,
        LOG_READ_SUCCESS,         LOG_REPLY_WRONG,          LOG_DATA_WRITE_TIMEOUT,  LOG_ACK_TIMEOUT_DOWNLOAD,
        LOG_ACK_WRONG_DOWNLOAD,   LOG_WRITE_SUCCESS,        LOG_FILE_LOADED,         LOG_FILE_SAVED,
    };
    EXPECT_EQ(texts.size(), 16u);
}

}  // namespace
