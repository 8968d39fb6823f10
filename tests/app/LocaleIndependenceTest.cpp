#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>
#include <vector>

#include "input.h"
#include "support/OpenDialog.h"
#include "support/ScratchFolder.h"
#include "support/UserLocale.h"

namespace {

// What Save writes right after start-up: the default values over the default block.
const std::string DEFAULT_VALUES_SAVED("\x35\x01\x00\x00\x00\x00\x00\x00\x00\x04\x02\xEF\x04\x9C\xC8\xC8\x13\x88\x27\x10"
                                       "\x1D\x4C\x10\x00\x1D\x4C\x01\x00\x00\x00\x40\x40\x00\x00\x1F\x00\x00\x00\x00\x00\x00",
                                       41);

// The dialog under a user's locale with a decimal comma, as Qt leaves the process: what
// the dialog shows, reads and saves is what it is under the C locale.
class DialogInUserLocale : public OpenDialog, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        locale.emplace(GetParam());
        ASSERT_EQ(locale->Failure(), "");
        // The locale is really in effect: the C library itself now writes a decimal comma.
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }

    void TearDown() override { locale.reset(); }

    // The user clicks into an edit, moves to the end of its text and types.
    void TypeAtEnd(int nID, const char* typed) const
    {
        Click(nID);
        int end = static_cast<int>(Text(nID).size());
        UserSelectText(Item(nID), end, end);
        UserTypeText(Item(nID), typed);
    }

    // Save into the folder under the name typed; the bytes of the file written.
    std::string Save(const std::string& name, const std::string& written)
    {
        driver.AnswerFileChooser(folder.PathOf(name));
        Click(IDC_SAVE);
        return folder.ReadBytes(written);
    }

    static unsigned Byte(const std::string& bytes, size_t at) { return static_cast<unsigned char>(bytes.at(at)); }

    std::optional<UserLocale> locale;
    ScratchFolder folder;
};

TEST_P(DialogInUserLocale, OpensShowingTheDefaultsAndFloatsWithAPoint)
{
    Run([&] {
        EXPECT_EQ(Text(IDC_DEAD_BAND), "3.2");
        EXPECT_EQ(Text(IDC_MAX_DUTY), "200");
        EXPECT_EQ(Text(IDC_BOOST), "156");
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "1000");
        EXPECT_EQ(Text(IDC_PULSE_UPPER), "2000");
        EXPECT_EQ(Text(IDC_DRIVE_FREQUENCY), "3276");

        dlg.m_fDeadBand = 2.2f;
        dlg.m_fMaxDuty = 1234567.0f;
        dlg.m_fPulseLower = 0.00001f;
        dlg.m_fPulseUpper = 1500.2f;
        dlg.m_nNeutral = -1000;
        dlg.UpdateData(FALSE);
        EXPECT_EQ(Text(IDC_DEAD_BAND), "2.2");
        EXPECT_EQ(Text(IDC_MAX_DUTY), "1.23457e+006");
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "1e-005");
        EXPECT_EQ(Text(IDC_PULSE_UPPER), "1500.2");
        EXPECT_EQ(Text(IDC_NEUTRAL), "-1000");

        // The window classes are found by their names in this locale too.
        EXPECT_EQ(GetWindowChildCount(m_hDlg), 42);
        EXPECT_NE(dynamic_cast<CEdit*>(dlg.GetDlgItem(IDC_DEAD_BAND)), nullptr);
        EXPECT_NE(dynamic_cast<CComboBox*>(dlg.GetDlgItem(IDC_DEVICE_LIST)), nullptr);
    });
}

TEST_P(DialogInUserLocale, SaveRightAfterStartWritesTheDefaultBytesAndStampsTheLogInFigures)
{
    driver.SetLocalTime(SYSTEMTIME{2026, 12, 3, 9, 15, 4, 5, 0});
    Run([&] {
        // A name typed without an extension gets ".svo".
        EXPECT_EQ(Save("servo", "servo.svo"), DEFAULT_VALUES_SAVED);
        ASSERT_EQ(LogRows(), 1);
        EXPECT_EQ(std::string(dlg.m_listLog.GetItemText(0, 0)), "15:04:05");
    });
}

TEST_P(DialogInUserLocale, DigitTypedAfterTheDeadBandExtendsTheNumberAndIsReadWithItsPoint)
{
    Run([&] {
        TypeAtEnd(IDC_DEAD_BAND, "5");
        EXPECT_EQ(Text(IDC_DEAD_BAND), "3.25");
        // 3.25 us is 16 units, as 3.2 is; read as 3 it would be 15 (0xF0).
        EXPECT_EQ(Save("a.svo", "a.svo"), DEFAULT_VALUES_SAVED);
        EXPECT_EQ(dlg.m_fDeadBand, 3.25f);

        PasteOver(IDC_DEAD_BAND, "1.4");
        EXPECT_EQ(Byte(Save("b.svo", "b.svo"), 11), 0xF9u);  // 6 units; read as 1 it would be 0xFA
    });
}

TEST_P(DialogInUserLocale, NarrowBandShowsHalvesWithAPointAndSavesTheirUnits)
{
    Run([&] {
        PasteOver(IDC_PULSE_LOWER, "1001");
        PasteOver(IDC_PULSE_UPPER, "2001");
        Click(IDC_NARROW_BAND);
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "500.5");
        EXPECT_EQ(Text(IDC_PULSE_UPPER), "1000.5");
        std::string narrow = Save("narrow.svo", "narrow.svo");
        EXPECT_EQ(Byte(narrow, 16), 0x09u);  // 500.5 us = 2502 units
        EXPECT_EQ(Byte(narrow, 17), 0xC6u);
        EXPECT_EQ(Byte(narrow, 18), 0x13u);  // 1000.5 us = 5002 units
        EXPECT_EQ(Byte(narrow, 19), 0x8Au);

        Click(IDC_NARROW_BAND);
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "1001");
        EXPECT_EQ(Text(IDC_PULSE_UPPER), "2001");
        std::string wide = Save("wide.svo", "wide.svo");
        EXPECT_EQ(Byte(wide, 16), 0x13u);  // 1001 us = 5005 units
        EXPECT_EQ(Byte(wide, 17), 0x8Du);
        EXPECT_EQ(Byte(wide, 18), 0x27u);  // 2001 us = 10005 units
        EXPECT_EQ(Byte(wide, 19), 0x15u);
    });
}

// In Turkish the capital of 'i' is not 'I': a sorted list keeps the order it has in C.
TEST_P(DialogInUserLocale, DeviceListSortsLettersAsUnderC)
{
    Run([&] {
        for (const char* name : {"ia", "Ib", "hz", "IA"})
            SendMessage(Item(IDC_DEVICE_LIST), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        EXPECT_EQ(HeadlessDriver::ComboItems(m_hDlg, IDC_DEVICE_LIST), (std::vector<std::string>{"hz", "ia", "IA", "Ib"}));
    });
}

std::string LocaleTestName(const ::testing::TestParamInfo<const char*>& info)
{
    return UserLocale::ShortName(info.param);
}

INSTANTIATE_TEST_SUITE_P(DecimalComma, DialogInUserLocale, ::testing::Values("de_DE.UTF-8", "tr_TR.UTF-8"),
                         LocaleTestName);

}  // namespace
