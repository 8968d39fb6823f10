#include <gtest/gtest.h>

#include <string>

#include "support/OpenDialog.h"

namespace {

using DialogCommandsTest = OpenDialog;

TEST_F(DialogCommandsTest, NarrowBandHalvesBothPulseLimitsAndClearingDoublesThem)
{
    Run([&] {
        Click(IDC_NARROW_BAND);
        EXPECT_TRUE(IsChecked(IDC_NARROW_BAND));
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "500");
        EXPECT_EQ(Text(IDC_PULSE_UPPER), "1000");
        Click(IDC_NARROW_BAND);
        EXPECT_FALSE(IsChecked(IDC_NARROW_BAND));
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "1000");
        EXPECT_EQ(Text(IDC_PULSE_UPPER), "2000");
    });
}

TEST_F(DialogCommandsTest, NarrowBandRoundTripsOnlyWhatSixDigitsShow)
{
    Run([&] {
        SetText(IDC_PULSE_LOWER, "2100.2");
        SetText(IDC_PULSE_UPPER, "999999");
        Click(IDC_NARROW_BAND);
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "1050.1");
        EXPECT_EQ(Text(IDC_PULSE_UPPER), "500000");
        Click(IDC_NARROW_BAND);
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "2100.2");
        EXPECT_EQ(Text(IDC_PULSE_UPPER), "1e+006");
    });
}

TEST_F(DialogCommandsTest, NarrowBandDoublingBeyondTheLargestFloatGivesInfinityNotAFault)
{
    Run([&] {
        dlg.m_fPulseLower = 3e38f;
        dlg.m_fPulseUpper = -3e38f;
        dlg.UpdateData(FALSE);
        dlg.m_chkNarrowBand.SetCheck(BST_CHECKED);
        Click(IDC_NARROW_BAND);  // clears the box: doubles
        EXPECT_GT(dlg.m_fPulseLower, 3.4e38f);
        EXPECT_LT(dlg.m_fPulseUpper, -3.4e38f);
    });
}

TEST_F(DialogCommandsTest, NarrowBandChangesNoByteOfTheBlockUntilSaved)
{
    Run([&] {
        std::string before = Block();
        Click(IDC_NARROW_BAND);
        EXPECT_EQ(Block(), before);
        dlg.UpdateData(TRUE);
        dlg.EncodeParameterBlock();
        EXPECT_EQ(static_cast<unsigned char>(Block()[16]), 0x09);  // 500 us = 2500 units
        EXPECT_EQ(static_cast<unsigned char>(Block()[17]), 0xC4);
        EXPECT_EQ(static_cast<unsigned char>(Block()[20]), 0x0E);
        EXPECT_EQ(static_cast<unsigned char>(Block()[21]), 0xA6);
    });
}

// In exchange order the pulse-lower edit is fifth and the pulse-upper edit sixth: a
// refused field stops the exchange, so the members after it keep their old values.
TEST_F(DialogCommandsTest, NarrowBandHalvesThePulseMembersAsTheRefusedExchangeLeftThem)
{
    struct Case {
        int refused;
        const char* lower;
        const char* upper;
    };
    const Case cases[] = {
        {IDC_DEAD_BAND, "500", "1000"},   // neither taken: the old 1000 and 2000 halved
        {IDC_PULSE_LOWER, "500", "1000"},
        {IDC_PULSE_UPPER, "400", "1000"},  // lower taken as typed, upper as it was
        {IDC_LEFT_RANGE, "400", "800"},    // both taken as typed
    };
    for (const Case& c : cases) {
        Run([&] {
            SetText(IDC_PULSE_LOWER, "800");
            SetText(IDC_PULSE_UPPER, "1600");
            SetText(c.refused, "");
            size_t boxes = driver.MessageBoxes().size();
            Click(IDC_NARROW_BAND);
            EXPECT_EQ(driver.MessageBoxes().size(), boxes + 1) << c.refused;
            EXPECT_EQ(Text(IDC_PULSE_LOWER), c.lower) << c.refused;
            EXPECT_EQ(Text(IDC_PULSE_UPPER), c.upper) << c.refused;
            Click(IDC_RESET_PARAMETERS);
        });
    }
}

TEST_F(DialogCommandsTest, DecodedNarrowBandIsCheckedWithoutHalving)
{
    Run([&] {
        dlg.m_eeprom[20] = 0x0E;
        dlg.DecodeParameterBlock();
        dlg.UpdateData(FALSE);
        EXPECT_TRUE(IsChecked(IDC_NARROW_BAND));
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "900");
        Click(IDC_NARROW_BAND);
        EXPECT_FALSE(IsChecked(IDC_NARROW_BAND));
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "1800");
        EXPECT_EQ(Text(IDC_PULSE_UPPER), "4200");
    });
}

TEST_F(DialogCommandsTest, ResetBringsBackTheOpeningStateAndKeepsDeviceAndLog)
{
    Run([&] {
        Click(IDC_NARROW_BAND);
        Click(IDC_INTERNAL_OSC);
        Click(IDC_100PWM);
        Click(IDC_INVERTER);
        SetText(IDC_NEUTRAL, "letters");
        SetText(IDC_DEAD_BAND, "9");
        SendMessage(Item(IDC_STRETCHER), CB_SETCURSEL, 1, 0);
        SendMessage(Item(IDC_DEVICE_LIST), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("USB adapter"));
        SendMessage(Item(IDC_DEVICE_LIST), CB_SETCURSEL, 0, 0);
        dlg.AddLogMessage("row");
        dlg.m_eeprom[41] = 0x77;
        dlg.m_eeprom[8] = 0x00;

        Click(IDC_RESET_PARAMETERS);

        EXPECT_TRUE(driver.MessageBoxes().empty());
        EXPECT_EQ(Text(IDC_NEUTRAL), "0");
        EXPECT_EQ(Text(IDC_DEAD_BAND), "3.2");
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "1000");
        EXPECT_EQ(Text(IDC_PULSE_UPPER), "2000");
        EXPECT_EQ(CurSel(IDC_STRETCHER), 4);
        EXPECT_EQ(CurSel(IDC_DRIVE_FREQ_LIST), 32);
        for (int nID : {IDC_INTERNAL_OSC, IDC_100PWM, IDC_INVERTER, IDC_NARROW_BAND})
            EXPECT_FALSE(IsChecked(nID)) << nID;
        EXPECT_EQ(static_cast<unsigned char>(Block()[8]), 0x80);  // the default block
        EXPECT_EQ(dlg.m_eeprom[41], 0x77);
        EXPECT_EQ(CurSel(IDC_DEVICE_LIST), 0);
        EXPECT_EQ(LogRows(), 1);
    });
}

TEST_F(DialogCommandsTest, AfterResetTheClearedInternalOscillatorIsStoredAsZero)
{
    Run([&] {
        Click(IDC_RESET_PARAMETERS);
        dlg.UpdateData(TRUE);
        dlg.EncodeParameterBlock();
        EXPECT_EQ(static_cast<unsigned char>(Block()[8]), 0x00);
    });
}

TEST_F(DialogCommandsTest, SwitchesWithoutCommandsChangeOnlyTheirBox)
{
    Run([&] {
        std::string block = Block();
        for (int nID : {IDC_INTERNAL_OSC, IDC_100PWM, IDC_INVERTER}) {
            Click(nID);
            EXPECT_TRUE(IsChecked(nID)) << nID;
        }
        Click(IDC_DEAD_BAND_SCROLL);
        Click(IDC_PULSE_UPPER_SCROLL);
        EXPECT_EQ(Block(), block);
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "1000");
        EXPECT_EQ(Text(IDC_DEAD_BAND), "3.2");
        EXPECT_EQ(dlg.m_fPulseLower, 1000.0f);
    });
}

TEST_F(DialogCommandsTest, ScrollBarThemeNotificationsAreAnsweredWithZero)
{
    Run([&] {
        for (int nID : {IDC_DEAD_BAND_SCROLL, IDC_PULSE_UPPER_SCROLL, IDC_MAX_DUTY_SCROLL}) {
            NMHDR header{Item(nID), static_cast<UINT_PTR>(nID), static_cast<UINT>(-22)};
            SetWindowLongPtr(m_hDlg, DWLP_MSGRESULT, 99);
            EXPECT_EQ(SendMessage(m_hDlg, WM_NOTIFY, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(&header)), 0);
        }
    });
}

}  // namespace
