#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "input.h"
#include "support/OpenDialog.h"

namespace {

class DecimalEntryFilterTest : public OpenDialog {
protected:
    // Pastes text over the whole dead band and returns the texts the edit showed, the
    // pasted one first: one filter run each, the last finding the text clean.
    std::vector<std::string> PasteAndWatch(const std::string& text)
    {
        driver.RecordTexts(true);
        UserClick(Item(IDC_DEAD_BAND));
        UserSelectText(Item(IDC_DEAD_BAND), 0, -1);
        driver.ClearChanges();
        UserPasteText(Item(IDC_DEAD_BAND), text.c_str());
        std::vector<std::string> shown;
        for (const auto& change : driver.Changes())
            if (change.hWnd == Item(IDC_DEAD_BAND) && change.change == WindowChange::Text)
                shown.push_back(change.text);
        return shown;
    }

    int PasteCountingRuns(const std::string& text)
    {
        UserClick(Item(IDC_DEAD_BAND));
        UserSelectText(Item(IDC_DEAD_BAND), 0, -1);
        driver.ClearChanges();
        UserPasteText(Item(IDC_DEAD_BAND), text.c_str());
        int runs = 0;
        for (const auto& change : driver.Changes())
            runs += change.hWnd == Item(IDC_DEAD_BAND) && change.change == WindowChange::Text;
        return runs;
    }
};

TEST_F(DecimalEntryFilterTest, CleanTextsStandAsTheyAre)
{
    Run([&] {
        for (const char* text : {".", "5.", ".5", "12.75", "007"}) {
            EXPECT_EQ(PasteCountingRuns(text), 1) << text;
            EXPECT_EQ(Text(IDC_DEAD_BAND), text);
        }
        UserSelectText(Item(IDC_DEAD_BAND), 0, -1);
        UserKey(Item(IDC_DEAD_BAND), VK_DELETE, 0);
        EXPECT_EQ(Text(IDC_DEAD_BAND), "");
    });
}

TEST_F(DecimalEntryFilterTest, EachRunRemovesOneByteSecondPointsFirst)
{
    struct Case {
        const char* pasted;
        const char* result;
        int runs;
    };
    const Case cases[] = {
        {"1.2.3", "1.23", 2}, {"1..2", "1.2", 2},   {"..5", ".5", 2},     {"a..", ".", 3},
        {"-3.2", "3.2", 2},   {"1,5", "15", 2},     {"2e3", "23", 2},     {"3.2us", "3.2", 3},
        {"a.b.c", ".", 5},    {" +1", "1", 3},
    };
    Run([&] {
        for (const Case& c : cases) {
            EXPECT_EQ(PasteCountingRuns(c.pasted), c.runs) << c.pasted;
            EXPECT_EQ(Text(IDC_DEAD_BAND), c.result) << c.pasted;
        }
    });
}

// The point is 2E and the digits 30 to 39: the bytes beside each range go.
TEST_F(DecimalEntryFilterTest, KeepsThePointAndZeroToNineButNotTheBytesBesideThem)
{
    const std::pair<const char*, const char*> cases[] = {{"-", ""},  {".", "."}, {"/", ""},
                                                         {"0", "0"}, {"9", "9"}, {":", ""}};
    Run([&] {
        for (const auto& [pasted, kept] : cases) {
            PasteCountingRuns(pasted);
            EXPECT_EQ(Text(IDC_DEAD_BAND), kept) << pasted;
        }
    });
}

TEST_F(DecimalEntryFilterTest, SecondPointGoesBeforeAnyOtherOffendingByte)
{
    Run([&] {
        EXPECT_EQ(PasteAndWatch("a.b.c"), (std::vector<std::string>{"a.b.c", "a.bc", ".bc", ".c", "."}));
    });
}

TEST_F(DecimalEntryFilterTest, DoubleByteCharacterGoesInTwoRunsLeadByteFirst)
{
    Run([&] {
        // "数" is CA FD in code page 936: the lead byte goes, its trail byte stays
        // alone for one run.
        EXPECT_EQ(PasteAndWatch("7数"), (std::vector<std::string>{"7数", std::string("7") + std::string("数").substr(1), "7"}));
        // A full-width digit one is not a digit.
        EXPECT_EQ(PasteCountingRuns("1\xA3\xB1"), 3);
        EXPECT_EQ(Text(IDC_DEAD_BAND), "1");
        EXPECT_EQ(PasteCountingRuns("数.5"), 3);
        EXPECT_EQ(Text(IDC_DEAD_BAND), ".5");
    });
}

TEST_F(DecimalEntryFilterTest, OtherEditsHaveNoFilter)
{
    Run([&] {
        SetText(IDC_PULSE_LOWER, "数");
        SetText(IDC_NEUTRAL, "-1.2.3");
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "数");
        EXPECT_EQ(Text(IDC_NEUTRAL), "-1.2.3");
    });
}

TEST_F(DecimalEntryFilterTest, ExchangeWritesExponentTextsThatTheNextEditRunsTogether)
{
    Run([&] {
        dlg.m_fDeadBand = 0.00001f;
        dlg.UpdateData(FALSE);
        EXPECT_EQ(Text(IDC_DEAD_BAND), "1e-005");
        UserClick(Item(IDC_DEAD_BAND));
        UserSelectText(Item(IDC_DEAD_BAND), 6, 6);
        UserTypeText(Item(IDC_DEAD_BAND), "0");
        EXPECT_EQ(Text(IDC_DEAD_BAND), "10050");
        dlg.UpdateData(TRUE);
        EXPECT_EQ(dlg.m_fDeadBand, 10050.0f);
    });
}

TEST_F(DecimalEntryFilterTest, FilterLeavesTheMemberAloneUntilTheNextExchange)
{
    Run([&] {
        PasteCountingRuns("4.4x");
        EXPECT_EQ(dlg.m_fDeadBand, 3.2f);
        dlg.UpdateData(TRUE);
        EXPECT_EQ(dlg.m_fDeadBand, 4.4f);
    });
}

TEST_F(DecimalEntryFilterTest, HiddenDriveValueEditIsFilteredWhenItsTextChangesOutsideAnExchange)
{
    Run([&] {
        dlg.m_nDriveFreqValue = -5;
        dlg.UpdateData(FALSE);
        EXPECT_EQ(Text(IDC_DRIVE_FREQUENCY), "-5");
        SetText(IDC_DRIVE_FREQUENCY, "-1.2.3");
        EXPECT_EQ(Text(IDC_DRIVE_FREQUENCY), "1.23");
    });
}

TEST_F(DecimalEntryFilterTest, PastedTextOfTheEditsWholeLimitIsCleanedQuickly)
{
    Run([&] {
        std::string pasted(32767, 'x');
        pasted[100] = '4';
        pasted[32000] = '2';
        timespec start{}, end{};
        clock_gettime(CLOCK_MONOTONIC, &start);
        int runs = PasteCountingRuns(pasted);
        clock_gettime(CLOCK_MONOTONIC, &end);
        EXPECT_EQ(Text(IDC_DEAD_BAND), "42");
        EXPECT_EQ(runs, 32766);
        double seconds = static_cast<double>(end.tv_sec - start.tv_sec) + (end.tv_nsec - start.tv_nsec) / 1e9;
#if !defined(__SANITIZE_ADDRESS__) && !defined(QUORVEL_COVERAGE)
        EXPECT_LT(seconds, 1.0);
#endif
        (void)seconds;
    });
}

}  // namespace
