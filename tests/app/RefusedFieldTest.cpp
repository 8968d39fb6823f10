// What Save and Write Config store when the data exchange refuses a field: the values
// of the fields exchanged before it, the dialog's old values for it and for every field
// and list after it, and the check boxes as they stand. The refused field gets the
// focus with its whole text selected, and every text and list stays as the user left it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/LogMessages.h"
#include "device/DeviceDialogTest.h"
#include "device/ScriptedBridge.h"
#include "input.h"
#include "support/Hex.h"
#include "support/OpenDialog.h"
#include "support/ScratchFolder.h"

namespace {

// What the user enters: a new value in every field and list, and three boxes checked.
const UserEntries NEW_VALUES = {
    {{IDC_DEAD_BAND, "5"}, {IDC_MAX_DUTY, "100"}, {IDC_BOOST, "7"}, {IDC_PULSE_LOWER, "1500"},
     {IDC_PULSE_UPPER, "2100"}, {IDC_LEFT_RANGE, "5"}, {IDC_RIGHT_RANGE, "-3"}, {IDC_NEUTRAL, "20"},
     {IDC_DRIVE_FREQUENCY, "100"}},
    1,
    0,
    {IDC_INTERNAL_OSC, IDC_INVERTER, IDC_100PWM},
};

struct Refusal : NamedCase {
    int nID;
    const char* text;
    const char* message;
    const char* stored;  // the 41 bytes that Save and Write Config store
};

const char NUMBER[] = "请输入一个数字。";
const char INTEGER[] = "请输入一个整数。";
const char BYTE_RANGE[] = "请输入一个在 0 和 255 之间的整数。";

class RefusedFieldTest : public OpenDialog, public ::testing::WithParamInterface<Refusal> {
protected:
    RefusedFieldTest() { bridge.AttachAdapter("USB Servo Adapter"); }

    // Every field and list has its new value, but the refused field has its bad text.
    static UserEntries Entered()
    {
        UserEntries entered = NEW_VALUES;
        for (UserEntries::FieldText& field : entered.texts) {
            if (field.nID == GetParam().nID)
                field.text = GetParam().text;
        }
        return entered;
    }

    void EnterNewValuesAndRefusedText()
    {
        dlg.OnBnClickedReflashUsb();
        Enter(Entered());
    }

    // Each message box shown says what the refused field needs.
    void ExpectMessages(size_t count)
    {
        ASSERT_EQ(driver.MessageBoxes().size(), count);
        for (const auto& box : driver.MessageBoxes()) {
            EXPECT_EQ(box.text, GetParam().message);
            EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
        }
    }

    // The refused field has the focus and its whole text selected; nothing that the user
    // typed or picked has changed.
    void ExpectTheDialogAsTheUserLeftIt()
    {
        const Refusal& refusal = GetParam();
        EXPECT_EQ(GetFocus(), Item(refusal.nID));
        EXPECT_EQ(HeadlessDriver::TextSelection(m_hDlg, refusal.nID),
                  (std::pair<int, int>{0, static_cast<int>(std::string(refusal.text).size())}));
        ExpectAsEntered(Entered());
    }

    ScriptedBridge bridge;
    ScratchFolder folder;
};

TEST_P(RefusedFieldTest, SaveStoresOnlyTheFieldsTakenBeforeIt)
{
    Run([&] {
        EnterNewValuesAndRefusedText();
        driver.AnswerFileChooser(folder.PathOf("servo.svo"));
        Click(IDC_SAVE);
        ExpectMessages(1);
        ExpectTheDialogAsTheUserLeftIt();
        ASSERT_EQ(LogRows(), 2);
        EXPECT_EQ(LogMessage(0), LOG_FILE_SAVED);
    });
    EXPECT_EQ(Hex(folder.ReadBytes("servo.svo")), GetParam().stored);
}

TEST_P(RefusedFieldTest, WriteConfigSendsOnlyTheFieldsTakenBeforeIt)
{
    Run([&] {
        EnterNewValuesAndRefusedText();
        bridge.QueueRead({0x00, 0x29});
        bridge.QueueRead({0x20, 0x00});
        bridge.QueueRead({0x29, 0x00});
        Click(IDC_WRITE_CONFIG);
        // Write Config takes the fields twice, and is refused twice.
        ExpectMessages(2);
        ExpectTheDialogAsTheUserLeftIt();
        EXPECT_EQ(LogMessage(0), LOG_WRITE_SUCCESS);
    });
    std::string stored = GetParam().stored;
    Lines transcript = bridge.DeviceTranscript();
    ASSERT_EQ(transcript.size(), 8u);
    EXPECT_EQ(transcript[3], "write " + stored.substr(0, 32 * 3 - 1) + " (1000 ms)");
    EXPECT_EQ(transcript[5], "write " + stored.substr(32 * 3) + " (1000 ms)");
}

INSTANTIATE_TEST_SUITE_P(
    EachField, RefusedFieldTest,
    ::testing::Values(
        Refusal{{"DeadBandEmpty"}, IDC_DEAD_BAND, "", NUMBER,
                "35 01 00 00 00 00 00 00 80 0D 02 EF 04 9C C8 C8 13 88 27 10 1D 4C 10 00 1D 4C 01 00 00 00 40 40 00 "
                "00 1F 00 00 00 00 00 00"},
        Refusal{{"MaxDutyLetters"}, IDC_MAX_DUTY, "abc", NUMBER,
                "35 01 00 00 00 00 00 00 80 0D 02 E6 04 9C C8 C8 13 88 27 10 1D 4C 10 00 1D 4C 01 00 00 00 40 40 00 "
                "00 1F 00 00 00 00 00 00"},
        Refusal{{"BoostAbove255"}, IDC_BOOST, "256", BYTE_RANGE,
                "35 01 00 00 00 00 00 00 80 0D 02 E6 01 9C 64 64 13 88 27 10 1D 4C 10 00 1D 4C 01 00 00 00 40 40 00 "
                "00 1F 00 00 00 00 00 00"},
        Refusal{{"PulseLowerLetters"}, IDC_PULSE_LOWER, "x", NUMBER,
                "35 01 00 00 00 00 00 00 80 0D 02 E6 01 07 64 64 13 88 27 10 1D 4C 10 00 1D 4C 01 00 00 00 40 40 00 "
                "00 1F 00 00 00 00 00 00"},
        Refusal{{"PulseUpperPointAlone"}, IDC_PULSE_UPPER, ".", NUMBER,
                "35 01 00 00 00 00 00 00 80 0D 02 E6 01 07 64 64 1D 4C 27 10 1D 4C 10 00 1D 4C 01 00 00 00 40 40 00 "
                "00 1F 00 00 00 00 00 00"},
        Refusal{{"LeftRangeLetters"}, IDC_LEFT_RANGE, "abc", INTEGER,
                "35 01 00 00 00 00 00 00 80 0D 02 E6 01 07 64 64 1D 4C 29 04 1D 4C 10 00 1D 4C 01 00 00 00 40 40 00 "
                "00 1F 00 00 00 00 00 00"},
        Refusal{{"RightRangeEmpty"}, IDC_RIGHT_RANGE, "", INTEGER,
                "35 01 00 00 00 00 00 00 80 0D 02 E6 01 07 64 64 1D 4C 29 04 1D 4C 10 00 1D 4C 01 00 00 00 45 40 00 "
                "00 1F 00 00 00 00 00 00"},
        Refusal{{"NeutralLettersFirst"}, IDC_NEUTRAL, "x12", INTEGER,
                "35 01 00 00 00 00 00 00 80 0D 02 E6 01 07 64 64 1D 4C 29 04 1D 4C 10 00 1D 4C 01 00 00 00 45 3D 00 "
                "00 1F 00 00 00 00 00 00"},
        Refusal{{"HiddenDriveFrequencyEmpty"}, IDC_DRIVE_FREQUENCY, "", INTEGER,
                "35 01 00 00 00 00 00 00 80 0D 02 E6 01 07 64 64 1D 4C 29 04 1D 4C 10 14 1D 4C 01 00 00 00 45 3D 00 "
                "00 1F 00 00 00 00 00 00"}),
    CaseName());

// The same entries with no field refused: every field and both lists are stored, so
// each case above differs from this only by what the refusal kept out.
class AcceptedFieldsTest : public RefusedFieldTest {};

TEST_P(AcceptedFieldsTest, SaveStoresEveryFieldAndBothLists)
{
    Run([&] {
        EnterNewValuesAndRefusedText();
        driver.AnswerFileChooser(folder.PathOf("servo.svo"));
        Click(IDC_SAVE);
        EXPECT_TRUE(driver.MessageBoxes().empty());
    });
    EXPECT_EQ(Hex(folder.ReadBytes("servo.svo")), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    NoRefusal, AcceptedFieldsTest,
    ::testing::Values(Refusal{{"NeutralValid"}, IDC_NEUTRAL, "20", "",
                              "35 01 00 00 00 00 00 00 80 8D 02 E6 01 07 64 64 1D 4C 29 04 1D 4C 10 14 1D 4C 01 00 00 "
                              "00 45 3D 00 00 00 00 00 00 00 00 00"}),
    CaseName());

}  // namespace
