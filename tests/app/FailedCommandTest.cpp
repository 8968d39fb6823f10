// A command that fails leaves what the user typed and picked as it was: every text,
// both lists' selections and the check boxes. Only the adapter search shows the dialog
// values again at its end, whatever its outcome, and so rewrites each text as it was
// taken.
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <memory>
#include <string>
#include <sys/stat.h>

#include "app/LogMessages.h"
#include "device/DeviceDialogTest.h"
#include "device/ScriptedBridge.h"
#include "input.h"
#include "support/FailingSaveStep.h"
#include "support/OpenDialog.h"
#include "support/ScratchFolder.h"

namespace {

// Texts that a successful command's display would change: each is read only up to the
// end of its number, or shown with fewer digits; two list items and two boxes besides.
const int PICKED_STRETCHER = 2;
const int PICKED_DRIVE_FREQ = 5;
const UserEntries TYPED = {
    {{IDC_DEAD_BAND, "4.50"}, {IDC_MAX_DUTY, "300"}, {IDC_BOOST, "007"}, {IDC_PULSE_LOWER, "1500.0"},
     {IDC_PULSE_UPPER, "2e3"}, {IDC_LEFT_RANGE, "5"}, {IDC_RIGHT_RANGE, "3.7"}, {IDC_NEUTRAL, "12abc"}},
    PICKED_STRETCHER,
    PICKED_DRIVE_FREQ,
    {IDC_INTERNAL_OSC, IDC_INVERTER},
};

class FailedCommandFixture : public OpenDialog {
public:
    // What a case arranges before the user types and runs the command.
    void Search() { dlg.OnBnClickedReflashUsb(); }
    ModalTestDriver& Driver() { return driver; }

    ScriptedBridge bridge;
    ScratchFolder folder;
    std::unique_ptr<FailingSaveStep> failingStep;

protected:
    FailedCommandFixture() { bridge.AttachAdapter("USB Servo Adapter"); }

    void TypeAndPick() { Enter(TYPED); }
    void ExpectAsTyped() { ExpectAsEntered(TYPED); }
};

struct FailedCommand : NamedCase {
    std::function<void(FailedCommandFixture&)> arrange;
    int button;
    const char* row;  // the row the failure logs, or nullptr for none
};

class FailedCommandTest : public FailedCommandFixture, public ::testing::WithParamInterface<FailedCommand> {};

TEST_P(FailedCommandTest, LeavesEveryTextListAndBoxAsTheUserLeftIt)
{
    const FailedCommand& command = GetParam();
    Run([&] {
        command.arrange(*this);
        TypeAndPick();
        int rowsBefore = LogRows();
        Click(command.button);
        failingStep.reset();

        ExpectAsTyped();
        if (command.row == nullptr) {
            EXPECT_EQ(LogRows(), rowsBefore);
        } else {
            ASSERT_EQ(LogRows(), rowsBefore + 1);
            EXPECT_EQ(LogMessage(0), command.row);
        }
    });
}

void SearchAndAnswer(FailedCommandFixture& test, std::initializer_list<Bytes> answers, int failedTransfer = -1)
{
    test.Search();
    for (const Bytes& answer : answers)
        test.bridge.QueueRead(answer);
    if (failedTransfer >= 0)
        test.bridge.FailTransfer(failedTransfer);
}

const Bytes PIECE(32, 0x11);

INSTANTIATE_TEST_SUITE_P(
    EachFailure, FailedCommandTest,
    ::testing::Values(
        FailedCommand{{"ReadConfigBeforeAnySearch"}, [](FailedCommandFixture&) {}, IDC_READ_CONFIG,
                      "无法连接设备，请检查是否连接USB设备"},
        FailedCommand{{"ReadConfigOpenRefused"},
                      [](FailedCommandFixture& t) {
                          t.Search();
                          t.bridge.FailOpen();
                      },
                      IDC_READ_CONFIG, "无法连接设备，请检查是否连接USB设备"},
        FailedCommand{{"ReadConfigFrameNotWritten"}, [](FailedCommandFixture& t) { SearchAndAnswer(t, {}, 0); },
                      IDC_READ_CONFIG, "数据读入有误"},
        FailedCommand{{"ReadConfigNoReply"}, [](FailedCommandFixture& t) { SearchAndAnswer(t, {}); },
                      IDC_READ_CONFIG, "ERROR:命令响应超时"},
        FailedCommand{{"ReadConfigPieceNotRead"}, [](FailedCommandFixture& t) { SearchAndAnswer(t, {{0x00, 0x29}}); },
                      IDC_READ_CONFIG, "ERROR:数据读入超时"},
        FailedCommand{{"ReadConfigAcknowledgementNotSent"},
                      [](FailedCommandFixture& t) { SearchAndAnswer(t, {{0x00, 0x29}, PIECE}, 3); }, IDC_READ_CONFIG,
                      "ERROR:数据响应超时，没有完成读出"},
        FailedCommand{{"ReadConfigLastPieceNotRead"},
                      [](FailedCommandFixture& t) { SearchAndAnswer(t, {{0x00, 0x29}, PIECE}); }, IDC_READ_CONFIG,
                      "ERROR:数据读入超时"},
        FailedCommand{{"WriteConfigOpenRefused"},
                      [](FailedCommandFixture& t) {
                          t.Search();
                          t.bridge.FailOpen();
                      },
                      IDC_WRITE_CONFIG, "无法连接设备，请检查是否连接USB设备"},
        FailedCommand{{"WriteConfigFrameNotWritten"}, [](FailedCommandFixture& t) { SearchAndAnswer(t, {}, 0); },
                      IDC_WRITE_CONFIG, "无法连接设备，请检查是否连接USB设备"},
        FailedCommand{{"WriteConfigWrongReply"}, [](FailedCommandFixture& t) { SearchAndAnswer(t, {{0x29, 0x00}}); },
                      IDC_WRITE_CONFIG, "ERROR:返回数据错误"},
        FailedCommand{{"WriteConfigPieceNotWritten"},
                      [](FailedCommandFixture& t) { SearchAndAnswer(t, {{0x00, 0x29}}, 2); }, IDC_WRITE_CONFIG,
                      "ERROR:数据写入超时"},
        FailedCommand{{"WriteConfigNoAcknowledgement"},
                      [](FailedCommandFixture& t) { SearchAndAnswer(t, {{0x00, 0x29}}); }, IDC_WRITE_CONFIG,
                      "ERROR:数据响应超时，没有完成下载"},
        FailedCommand{{"LoadOfAMissingFile"},
                      [](FailedCommandFixture& t) { t.Driver().AnswerFileChooser(t.folder.PathOf("missing.svo")); },
                      IDC_LOAD, nullptr},
        FailedCommand{{"LoadOfAFolder"},
                      [](FailedCommandFixture& t) {
                          mkdir(t.folder.PathOf("folder.svo").c_str(), 0700);
                          t.Driver().AnswerFileChooser(t.folder.PathOf("folder.svo"));
                      },
                      IDC_LOAD, nullptr},
        FailedCommand{{"LoadCancelled"}, [](FailedCommandFixture& t) { t.Driver().CancelFileChooser(); }, IDC_LOAD,
                      nullptr},
        FailedCommand{{"SaveCancelled"}, [](FailedCommandFixture& t) { t.Driver().CancelFileChooser(); }, IDC_SAVE,
                      nullptr},
        FailedCommand{{"SaveIntoAMissingFolder"},
                      [](FailedCommandFixture& t) { t.Driver().AnswerFileChooser(t.folder.PathOf("no/servo.svo")); },
                      IDC_SAVE, nullptr},
        FailedCommand{{"SaveWhoseFlushFails"},
                      [](FailedCommandFixture& t) {
                          t.failingStep = std::make_unique<FailingSaveStep>(FailingSaveStep::Flush, EIO);
                          t.Driver().AnswerFileChooser(t.folder.PathOf("servo.svo"));
                      },
                      IDC_SAVE, nullptr}),
    CaseName());

// The search shows the dialog values at its end, found or not: each text as it was
// taken, which the user sees as the number that was read from it.
TEST_F(FailedCommandFixture, SearchThatFindsNoAdapterStillShowsEachTextAsItWasTaken)
{
    Run([&] {
        bridge.DetachAdapters();
        TypeAndPick();
        Click(IDC_REFLASH_USB);
        EXPECT_EQ(LogMessage(0), "没有找到设备");
        EXPECT_EQ(Text(IDC_DEAD_BAND), "4.5");
        EXPECT_EQ(Text(IDC_MAX_DUTY), "300");
        EXPECT_EQ(Text(IDC_BOOST), "7");
        EXPECT_EQ(Text(IDC_PULSE_LOWER), "1500");
        EXPECT_EQ(Text(IDC_PULSE_UPPER), "2000");
        EXPECT_EQ(Text(IDC_LEFT_RANGE), "5");
        EXPECT_EQ(Text(IDC_RIGHT_RANGE), "3");
        EXPECT_EQ(Text(IDC_NEUTRAL), "12");
        EXPECT_EQ(CurSel(IDC_STRETCHER), PICKED_STRETCHER);
        EXPECT_EQ(CurSel(IDC_DRIVE_FREQ_LIST), PICKED_DRIVE_FREQ);
        EXPECT_TRUE(IsChecked(IDC_INTERNAL_OSC));
    });
}

}  // namespace
