#include <gtest/gtest.h>

#include "app/LogMessages.h"
#include "device/DeviceDialogTest.h"

namespace {

// A block unlike the defaults: dead band 6 us, stretcher 2, boost 120, max duty 150,
// pulse 900-2100 us, narrow band, inverter, ranges -4 / +6, neutral +16, 100 % PWM off.
const Bytes DEVICE_BLOCK = {
    0x35, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x02, 0xE1, 0x02, 0x78,
    0x96, 0x96, 0x11, 0x94, 0x29, 0x04, 0x0E, 0xA6, 0x10, 0x10, 0x1D, 0x4C, 0x01, 0x00,
    0x00, 0x00, 0x3C, 0x46, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};

class EepromReadTest : public DeviceDialogTest {
protected:
    EepromReadTest() { bridge.AttachAdapter("USB Servo Adapter"); }

    void Opened() override
    {
        dlg->OnBnClickedReflashUsb();
        MarkRows();
        std::copy(std::begin(dlg->m_eeprom), std::end(dlg->m_eeprom), before);
    }

    // The device's side of a read of the whole block.
    void AnswerWithTheBlock(BYTE replyByte0 = 0x00)
    {
        bridge.QueueRead({replyByte0, 0x29});
        bridge.QueueRead(Slice(DEVICE_BLOCK, 0, 32));
        bridge.QueueRead(Slice(DEVICE_BLOCK, 32, 41));
    }

    Bytes Eeprom(size_t from, size_t to) const { return Bytes(dlg->m_eeprom + from, dlg->m_eeprom + to); }
    Bytes Before(size_t from, size_t to) const { return Bytes(before + from, before + to); }

    void ExpectDialogValuesUntouched()
    {
        EXPECT_FLOAT_EQ(dlg->m_fDeadBand, 3.2f);
        EXPECT_EQ(dlg->m_byBoost, 156);
        EXPECT_EQ(dlg->m_nNeutral, 0);
        EXPECT_EQ(ControlText(IDC_DEAD_BAND), "3.2");
        EXPECT_EQ(dlg->m_chkNarrowBand.GetCheck(), BST_UNCHECKED);
    }

    BYTE before[1024];
};

TEST_F(EepromReadTest, WholeBlockComesInTwoPiecesEachAcknowledged)
{
    RunDialog([&] {
        AnswerWithTheBlock(0xA5);
        dlg->OnBnClickedReadConfig();

        EXPECT_EQ(bridge.DeviceTranscript(),
                  (Lines{
                      "open 0",
                      "write 02 00 29 (1000 ms)",
                      "read 2 -> A5 29 (3000 ms)",
                      "read 32 -> 35 01 00 00 00 00 00 00 00 08 02 E1 02 78 96 96 11 94 29 04 0E A6 10 10 1D 4C 01 00 "
                      "00 00 3C 46 (3000 ms)",
                      "write 20 00 (1000 ms)",
                      "read 9 -> 00 00 1F 00 00 00 00 00 00 (3000 ms)",
                      "write 29 00 (1000 ms)",
                      "close",
                  }));
        EXPECT_EQ(Rows(), (Lines{LOG_READ_SUCCESS}));
        EXPECT_EQ(Eeprom(0, 41), DEVICE_BLOCK);
    });
}

TEST_F(EepromReadTest, BlockReadIsDecodedAndShown)
{
    RunDialog([&] {
        AnswerWithTheBlock();
        dlg->OnBnClickedReadConfig();

        EXPECT_FLOAT_EQ(dlg->m_fDeadBand, 6.0f);
        EXPECT_EQ(dlg->m_nStretcher, 2);
        EXPECT_EQ(dlg->m_byBoost, 120);
        EXPECT_FLOAT_EQ(dlg->m_fMaxDuty, 150.0f);
        EXPECT_FLOAT_EQ(dlg->m_fPulseLower, 900.0f);
        EXPECT_FLOAT_EQ(dlg->m_fPulseUpper, 2100.0f);
        EXPECT_EQ(dlg->m_nLeftRange, -4);
        EXPECT_EQ(dlg->m_nRightRange, 6);
        EXPECT_EQ(dlg->m_nNeutral, 16);
        EXPECT_EQ(dlg->m_chkNarrowBand.GetCheck(), BST_CHECKED);
        EXPECT_EQ(dlg->m_chkInverter.GetCheck(), BST_CHECKED);
        EXPECT_EQ(dlg->m_chk100Pwm.GetCheck(), BST_UNCHECKED);

        EXPECT_EQ(ControlText(IDC_DEAD_BAND), "6");
        EXPECT_EQ(ControlText(IDC_PULSE_LOWER), "900");
        EXPECT_EQ(ControlText(IDC_NEUTRAL), "16");
        EXPECT_EQ(ControlText(IDC_LEFT_RANGE), "-4");
    });
}

TEST_F(EepromReadTest, DeviceThatCannotBeOpenedIsNeitherUsedNorClosed)
{
    RunDialog([&] {
        bridge.FailOpen();
        AnswerWithTheBlock();
        dlg->OnBnClickedReadConfig();

        EXPECT_EQ(bridge.DeviceTranscript(), (Lines{"open 0"}));
        EXPECT_EQ(Rows(), (Lines{LOG_CANNOT_CONNECT}));
        EXPECT_EQ(Eeprom(0, 1024), Before(0, 1024));
        ExpectDialogValuesUntouched();
    });
}

// A fault at one transfer of the exchange, and what must then stand.
struct ReadFault : NamedCase {
    int transfer;
    const char* row;
    size_t newBytes;  // block bytes that had arrived
};

class EepromReadFaultTest : public EepromReadTest, public ::testing::WithParamInterface<ReadFault> {};

TEST_P(EepromReadFaultTest, LogsItsRowClosesOnceAndDecodesNothing)
{
    RunDialog([&] {
        const ReadFault& fault = GetParam();
        AnswerWithTheBlock();
        bridge.FailTransfer(fault.transfer);
        dlg->OnBnClickedReadConfig();

        Lines transcript = bridge.DeviceTranscript();
        ASSERT_EQ(transcript.size(), static_cast<size_t>(fault.transfer) + 3);
        EXPECT_EQ(transcript.back(), "close");
        EXPECT_EQ(bridge.CountOf("close"), 1);
        EXPECT_EQ(Rows(), (Lines{fault.row}));

        EXPECT_EQ(Eeprom(0, fault.newBytes), Slice(DEVICE_BLOCK, 0, fault.newBytes));
        EXPECT_EQ(Eeprom(fault.newBytes, 1024), Before(fault.newBytes, 1024));
        ExpectDialogValuesUntouched();
    });
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, EepromReadFaultTest,
    ::testing::Values(ReadFault{"CommandFrameNotWritten", 0, LOG_READ_COMMAND_FAILED, 0},
                      ReadFault{"NoReply", 1, LOG_COMMAND_REPLY_TIMEOUT, 0},
                      ReadFault{"FirstPieceNotRead", 2, LOG_DATA_READ_TIMEOUT, 0},
                      ReadFault{"FirstAcknowledgementNotSent", 3, LOG_ACK_TIMEOUT_READ_OUT, 32},
                      ReadFault{"LastPieceNotRead", 4, LOG_DATA_READ_TIMEOUT, 32},
                      ReadFault{"LastAcknowledgementNotSent", 5, LOG_ACK_TIMEOUT_READ_IN, 41}),
    CaseName());

TEST_F(EepromReadTest, ReplyThatNeverComesEndsTheCommand)
{
    RunDialog([&] {
        dlg->OnBnClickedReadConfig();
        EXPECT_EQ(bridge.DeviceTranscript(), (Lines{"open 0", "write 02 00 29 (1000 ms)", "read 2 (3000 ms)", "close"}));
        EXPECT_EQ(Rows(), (Lines{LOG_COMMAND_REPLY_TIMEOUT}));
    });
}

TEST_F(EepromReadTest, LengthZeroMovesNoPieceAndDecodesTheBlockAsItWas)
{
    RunDialog([&] {
        dlg->m_eeprom[13] = 0x64;  // boost 100
        bridge.QueueRead({0x00, 0x00});
        dlg->OnBnClickedReadConfig();

        EXPECT_EQ(bridge.DeviceTranscript(),
                  (Lines{"open 0", "write 02 00 29 (1000 ms)", "read 2 -> 00 00 (3000 ms)", "close"}));
        EXPECT_EQ(Rows(), (Lines{LOG_READ_SUCCESS}));
        EXPECT_EQ(dlg->m_byBoost, 100);
        EXPECT_EQ(ControlText(IDC_BOOST), "100");
    });
}

// Found by fuzzing: a reply that the library reports as a success with no bytes in it
// leaves the reply zero, a length of nothing.
TEST_F(EepromReadTest, ReplyWithNoBytesReadsAsLengthZero)
{
    RunDialog([&] {
        bridge.QueueRead({});
        dlg->OnBnClickedReadConfig();

        EXPECT_EQ(bridge.DeviceTranscript(), (Lines{"open 0", "write 02 00 29 (1000 ms)", "read 2 (3000 ms)", "close"}));
        EXPECT_EQ(Rows(), (Lines{LOG_READ_SUCCESS}));
        EXPECT_EQ(Eeprom(0, 1024), Before(0, 1024));
    });
}

// Reads of a given length: the pieces asked for and the acknowledgements sent.
Lines ReadsAndAcknowledgements(const ScriptedBridge& bridge)
{
    Lines lines;
    for (const ScriptedBridge::Call& call : bridge.Calls()) {
        if (call.operation == "read")
            lines.push_back("read " + std::to_string(call.count));
        else if (call.operation == "write" && call.count == 2)
            lines.push_back(Hex(call.bytes));
    }
    return lines;
}

Bytes Counted(size_t count)
{
    Bytes bytes(count);
    for (size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<BYTE>(i + 1);
    return bytes;
}

void AnswerWithLength(ScriptedBridge& bridge, size_t length)
{
    Bytes data = Counted(length);
    bridge.QueueRead({0x00, static_cast<BYTE>(length)});
    for (size_t at = 0; at < length; at += 32)
        bridge.QueueRead(Slice(data, at, std::min(length, at + 32)));
}

TEST_F(EepromReadTest, LengthThirtyTwoIsOneFullPiece)
{
    RunDialog([&] {
        AnswerWithLength(bridge, 32);
        dlg->OnBnClickedReadConfig();
        EXPECT_EQ(ReadsAndAcknowledgements(bridge), (Lines{"read 2", "read 32", "20 00"}));
        EXPECT_EQ(Rows(), (Lines{LOG_READ_SUCCESS}));
        // Only the bytes sent replace the block; the rest is decoded as it was.
        EXPECT_EQ(Eeprom(0, 32), Counted(32));
        EXPECT_EQ(Eeprom(32, 41), Before(32, 41));
    });
}

TEST_F(EepromReadTest, LengthThirtyThreeEndsWithAPieceOfOne)
{
    RunDialog([&] {
        AnswerWithLength(bridge, 33);
        dlg->OnBnClickedReadConfig();
        EXPECT_EQ(ReadsAndAcknowledgements(bridge), (Lines{"read 2", "read 32", "20 00", "read 1", "21 00"}));
        EXPECT_EQ(Rows(), (Lines{LOG_READ_SUCCESS}));
    });
}

TEST_F(EepromReadTest, LengthSixtyFourIsTwoFullPieces)
{
    RunDialog([&] {
        AnswerWithLength(bridge, 64);
        dlg->OnBnClickedReadConfig();
        EXPECT_EQ(ReadsAndAcknowledgements(bridge), (Lines{"read 2", "read 32", "20 00", "read 32", "40 00"}));
        EXPECT_EQ(Eeprom(0, 64), Counted(64));
        EXPECT_EQ(Eeprom(64, 1024), Before(64, 1024));
    });
}

TEST_F(EepromReadTest, LengthTwoFiftyFiveIsSevenFullPiecesAndOneOfThirtyOne)
{
    RunDialog([&] {
        AnswerWithLength(bridge, 255);
        dlg->OnBnClickedReadConfig();
        EXPECT_EQ(ReadsAndAcknowledgements(bridge),
                  (Lines{"read 2", "read 32", "20 00", "read 32", "40 00", "read 32", "60 00", "read 32", "80 00",
                         "read 32", "A0 00", "read 32", "C0 00", "read 32", "E0 00", "read 31", "FF 00"}));
        EXPECT_EQ(Rows(), (Lines{LOG_READ_SUCCESS}));
        EXPECT_EQ(Eeprom(0, 255), Counted(255));
        EXPECT_EQ(Eeprom(255, 1024), Before(255, 1024));
    });
}

// An acknowledgement that cannot be sent names whether its piece was the last one; the
// boundary is a remainder of exactly one full piece, which is the last.
struct AcknowledgementFault : NamedCase {
    size_t length;
    int transfer;
    const char* row;
};

const char READ_OUT_UNFINISHED[] = "ERROR:数据响应超时，没有完成读出";
const char READ_IN_UNFINISHED[] = "ERROR:数据响应超时，没有完成读入";

class EepromReadAcknowledgementTest : public EepromReadTest,
                                      public ::testing::WithParamInterface<AcknowledgementFault> {};

TEST_P(EepromReadAcknowledgementTest, ThatCannotBeSentIsLoggedAsAfterTheLastPieceOrBefore)
{
    RunDialog([&] {
        const AcknowledgementFault& fault = GetParam();
        AnswerWithLength(bridge, fault.length);
        bridge.FailTransfer(fault.transfer);
        dlg->OnBnClickedReadConfig();

        EXPECT_EQ(Rows(), (Lines{fault.row}));
        EXPECT_EQ(bridge.DeviceTranscript().size(), static_cast<size_t>(fault.transfer) + 3);
        EXPECT_EQ(bridge.DeviceTranscript().back(), "close");
    });
}

INSTANTIATE_TEST_SUITE_P(
    PieceBoundaries, EepromReadAcknowledgementTest,
    ::testing::Values(AcknowledgementFault{"ThirtyOneBytesOnePiece", 31, 3, READ_IN_UNFINISHED},
                      AcknowledgementFault{"ThirtyTwoBytesOneFullPiece", 32, 3, READ_IN_UNFINISHED},
                      AcknowledgementFault{"ThirtyThreeBytesFirstOfTwoPieces", 33, 3, READ_OUT_UNFINISHED},
                      AcknowledgementFault{"ThirtyThreeBytesLastOfTwoPieces", 33, 5, READ_IN_UNFINISHED},
                      AcknowledgementFault{"SixtyFourBytesFirstOfTwoFullPieces", 64, 3, READ_OUT_UNFINISHED},
                      AcknowledgementFault{"SixtyFourBytesLastOfTwoFullPieces", 64, 5, READ_IN_UNFINISHED},
                      AcknowledgementFault{"SixtyFiveBytesSecondOfThreePieces", 65, 5, READ_OUT_UNFINISHED}),
    CaseName());

TEST_F(EepromReadTest, LengthThirtyOneIsOnePieceOfThirtyOne)
{
    RunDialog([&] {
        AnswerWithLength(bridge, 31);
        dlg->OnBnClickedReadConfig();
        EXPECT_EQ(ReadsAndAcknowledgements(bridge), (Lines{"read 2", "read 31", "1F 00"}));
        EXPECT_EQ(Eeprom(0, 31), Counted(31));
        EXPECT_EQ(Eeprom(31, 41), Before(31, 41));
    });
}

TEST_F(EepromReadTest, ShortPieceThatTheLibraryCallsASuccessCountsAsComplete)
{
    RunDialog([&] {
        AnswerWithTheBlock();
        bridge.ShortenTransfer(2, 5);
        dlg->OnBnClickedReadConfig();
        EXPECT_EQ(Rows(), (Lines{LOG_READ_SUCCESS}));
        EXPECT_EQ(bridge.DeviceTranscript().size(), 8u);
    });
}

}  // namespace

namespace {

TEST_F(EepromReadTest, RefusedFieldIsReportedAndTheReadGoesOn)
{
    RunDialog([&] {
        AnswerWithTheBlock();
        SetControlText(IDC_BOOST, "300");
        dlg->OnBnClickedReadConfig();

        EXPECT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_EQ(Rows(), (Lines{LOG_READ_SUCCESS}));
        EXPECT_EQ(ControlText(IDC_BOOST), "120");
    });
}

}  // namespace

namespace {

TEST_F(EepromReadTest, RowIsLoggedBeforeTheDeviceCloses)
{
    RunDialog([&] {
        Lines rowsAtClose;
        bridge.OnClose([&] { rowsAtClose = Rows(); });
        AnswerWithTheBlock();
        dlg->OnBnClickedReadConfig();
        EXPECT_EQ(rowsAtClose, (Lines{LOG_READ_SUCCESS}));

        MarkRows();
        bridge.FailTransfer(6);  // the next command frame
        dlg->OnBnClickedReadConfig();
        EXPECT_EQ(rowsAtClose, (Lines{LOG_READ_COMMAND_FAILED}));
    });
}

}  // namespace
