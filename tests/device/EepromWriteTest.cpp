#include <gtest/gtest.h>

#include "app/LogMessages.h"
#include "device/DeviceDialogTest.h"

namespace {

// The dialog's opening values, encoded.
const Bytes ENCODED_DEFAULTS = {
    0x35, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x02, 0xEF, 0x04, 0x9C,
    0xC8, 0xC8, 0x13, 0x88, 0x27, 0x10, 0x1D, 0x4C, 0x10, 0x00, 0x1D, 0x4C, 0x01, 0x00,
    0x00, 0x00, 0x40, 0x40, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};

class EepromWriteTest : public DeviceDialogTest {
protected:
    EepromWriteTest() { bridge.AttachAdapter("USB Servo Adapter"); }

    void Opened() override
    {
        dlg->OnBnClickedReflashUsb();
        MarkRows();
    }

    // The device's side of a write it accepts.
    void AcceptTheBlock()
    {
        bridge.QueueRead({0x00, 0x29});
        bridge.QueueRead({0x20, 0x00});
        bridge.QueueRead({0x29, 0x00});
    }

    Bytes Block() const { return Bytes(dlg->m_eeprom, dlg->m_eeprom + 41); }
};

TEST_F(EepromWriteTest, OpeningValuesGoOutInTwoPiecesEachAcknowledged)
{
    RunDialog([&] {
        AcceptTheBlock();
        dlg->OnBnClickedWriteConfig();

        EXPECT_EQ(bridge.DeviceTranscript(),
                  (Lines{
                      "open 0",
                      "write 01 00 29 (1000 ms)",
                      "read 2 -> 00 29 (3000 ms)",
                      "write 35 01 00 00 00 00 00 00 00 04 02 EF 04 9C C8 C8 13 88 27 10 1D 4C 10 00 1D 4C 01 00 00 00 "
                      "40 40 (1000 ms)",
                      "read 2 -> 20 00 (3000 ms)",
                      "write 00 00 1F 00 00 00 00 00 00 (1000 ms)",
                      "read 2 -> 29 00 (3000 ms)",
                      "close",
                  }));
        EXPECT_EQ(Rows(), (Lines{LOG_WRITE_SUCCESS}));
        EXPECT_EQ(bridge.ReadTimeout(), ScriptedBridge::INITIAL_READ_TIMEOUT);
        EXPECT_EQ(bridge.WriteTimeout(), ScriptedBridge::INITIAL_WRITE_TIMEOUT);
    });
}

TEST_F(EepromWriteTest, FieldsAreTakenAndEncodedBeforeTheDeviceIsTouched)
{
    RunDialog([&] {
        SetControlText(IDC_BOOST, "100");
        SetControlText(IDC_NEUTRAL, "-16");
        AcceptTheBlock();
        dlg->OnBnClickedWriteConfig();

        EXPECT_EQ(dlg->m_eeprom[13], 0x64);
        EXPECT_EQ(dlg->m_eeprom[22], 0x0F);
        EXPECT_EQ(dlg->m_eeprom[23], 0xF0);
        EXPECT_EQ(bridge.DeviceTranscript()[3],
                  "write 35 01 00 00 00 00 00 00 00 04 02 EF 04 64 C8 C8 13 88 27 10 1D 4C 0F F0 1D 4C 01 00 00 00 "
                  "40 40 (1000 ms)");
        EXPECT_EQ(Rows(), (Lines{LOG_WRITE_SUCCESS}));
    });
}

TEST_F(EepromWriteTest, DeviceThatCannotBeOpenedIsLoggedAndLeavesTheBlockEncoded)
{
    RunDialog([&] {
        std::fill(std::begin(dlg->m_eeprom), std::begin(dlg->m_eeprom) + 41, 0xEE);
        bridge.FailOpen();
        AcceptTheBlock();
        dlg->OnBnClickedWriteConfig();

        EXPECT_EQ(bridge.DeviceTranscript(), (Lines{"open 0"}));
        EXPECT_EQ(Rows(), (Lines{LOG_CANNOT_CONNECT}));
        // Bytes no field covers keep what was there.
        Bytes expected = ENCODED_DEFAULTS;
        for (int untouched : {0, 1, 2, 3, 4, 5, 6, 7, 10, 24, 25, 26, 27, 28, 29, 32, 33, 35, 36, 37, 38, 39, 40})
            expected[untouched] = 0xEE;
        expected[9] = 0xEE & ~0x89 & 0xFF;
        EXPECT_EQ(Block(), expected);
    });
}

// A fault at one step of the exchange and the row it must give.
struct WriteFault : NamedCase {
    int transfer;
    const char* row;
};

class EepromWriteFaultTest : public EepromWriteTest, public ::testing::WithParamInterface<WriteFault> {};

TEST_P(EepromWriteFaultTest, LogsItsRowAndClosesOnce)
{
    RunDialog([&] {
        const WriteFault& fault = GetParam();
        AcceptTheBlock();
        bridge.FailTransfer(fault.transfer);
        dlg->OnBnClickedWriteConfig();

        Lines transcript = bridge.DeviceTranscript();
        ASSERT_EQ(transcript.size(), static_cast<size_t>(fault.transfer) + 3);
        EXPECT_EQ(transcript.back(), "close");
        EXPECT_EQ(bridge.CountOf("close"), 1);
        EXPECT_EQ(Rows(), (Lines{fault.row}));
        EXPECT_EQ(Block(), ENCODED_DEFAULTS);
    });
}

INSTANTIATE_TEST_SUITE_P(EachStep, EepromWriteFaultTest,
                         ::testing::Values(WriteFault{"CommandFrameNotWritten", 0, LOG_CANNOT_CONNECT},
                                           WriteFault{"NoReply", 1, LOG_COMMAND_REPLY_TIMEOUT},
                                           WriteFault{"FirstPieceNotWritten", 2, LOG_DATA_WRITE_TIMEOUT},
                                           WriteFault{"FirstAcknowledgementMissing", 3, LOG_ACK_TIMEOUT_DOWNLOAD},
                                           WriteFault{"LastPieceNotWritten", 4, LOG_DATA_WRITE_TIMEOUT},
                                           WriteFault{"LastAcknowledgementMissing", 5, LOG_ACK_TIMEOUT_DOWNLOAD}),
                         CaseName());

// An answer with other bytes at one step, and the row it must give.
struct WrongAnswer : NamedCase {
    Bytes reply;
    Bytes firstAck;
    Bytes lastAck;
    size_t transfers;  // transfers made before the command gave up
};

class EepromWriteAnswerTest : public EepromWriteTest, public ::testing::WithParamInterface<WrongAnswer> {};

TEST_P(EepromWriteAnswerTest, IsRefusedWithItsRowAndClosesOnce)
{
    RunDialog([&] {
        const WrongAnswer& answer = GetParam();
        bridge.QueueRead(answer.reply);
        bridge.QueueRead(answer.firstAck);
        bridge.QueueRead(answer.lastAck);
        dlg->OnBnClickedWriteConfig();

        Lines transcript = bridge.DeviceTranscript();
        ASSERT_EQ(transcript.size(), answer.transfers + 2);
        EXPECT_EQ(transcript.back(), "close");
        EXPECT_EQ(bridge.CountOf("close"), 1);
        bool replyWrong = answer.transfers == 2;
        EXPECT_EQ(Rows(), (Lines{replyWrong ? LOG_REPLY_WRONG : LOG_ACK_WRONG_DOWNLOAD}));
    });
}

INSTANTIATE_TEST_SUITE_P(
    EachReply, EepromWriteAnswerTest,
    ::testing::Values(WrongAnswer{"ReplyBytesSwapped", {0x29, 0x00}, {0x20, 0x00}, {0x29, 0x00}, 2},
                      WrongAnswer{"ReplyWithAnotherLength", {0x00, 0x28}, {0x20, 0x00}, {0x29, 0x00}, 2},
                      WrongAnswer{"ReplyNotStartingWithZero", {0x01, 0x29}, {0x20, 0x00}, {0x29, 0x00}, 2},
                      WrongAnswer{"FirstAcknowledgementSwapped", {0x00, 0x29}, {0x00, 0x20}, {0x29, 0x00}, 4},
                      WrongAnswer{"FirstAcknowledgementHighByteSet", {0x00, 0x29}, {0x20, 0x01}, {0x29, 0x00}, 4},
                      WrongAnswer{"LastAcknowledgementRepeatsTheFirst", {0x00, 0x29}, {0x20, 0x00}, {0x20, 0x00}, 6},
                      WrongAnswer{"LastAcknowledgementSwapped", {0x00, 0x29}, {0x20, 0x00}, {0x00, 0x29}, 6}),
    CaseName());

TEST_F(EepromWriteTest, ShortPieceThatTheLibraryCallsASuccessCountsAsSent)
{
    RunDialog([&] {
        AcceptTheBlock();
        bridge.ShortenTransfer(2, 3);
        dlg->OnBnClickedWriteConfig();
        EXPECT_EQ(Rows(), (Lines{LOG_WRITE_SUCCESS}));
    });
}

// Found by fuzzing: a reply that the library reports as a success with no bytes in it.
TEST_F(EepromWriteTest, ReplyWithNoBytesIsWrongAndTheDeviceIsClosed)
{
    RunDialog([&] {
        bridge.QueueRead({});
        dlg->OnBnClickedWriteConfig();

        EXPECT_EQ(bridge.DeviceTranscript(), (Lines{
                                                 "open 0",
                                                 "write 01 00 29 (1000 ms)",
                                                 "read 2 (3000 ms)",
                                                 "close",
                                             }));
        EXPECT_EQ(Rows(), (Lines{LOG_REPLY_WRONG}));
    });
}

}  // namespace

namespace {

TEST_F(EepromWriteTest, RefusedFieldIsReportedOnceForEachExchangeAndTheWriteGoesOn)
{
    RunDialog([&] {
        AcceptTheBlock();
        SetControlText(IDC_DEAD_BAND, "");
        dlg->OnBnClickedWriteConfig();

        EXPECT_EQ(driver.MessageBoxes().size(), 2u);
        EXPECT_EQ(Rows(), (Lines{LOG_WRITE_SUCCESS}));
        EXPECT_EQ(Block(), ENCODED_DEFAULTS);
    });
}

}  // namespace

namespace {

TEST_F(EepromWriteTest, RowIsLoggedBeforeTheDeviceCloses)
{
    RunDialog([&] {
        Lines rowsAtClose;
        bridge.OnClose([&] { rowsAtClose = Rows(); });
        AcceptTheBlock();
        dlg->OnBnClickedWriteConfig();
        EXPECT_EQ(rowsAtClose, (Lines{LOG_WRITE_SUCCESS}));

        MarkRows();
        bridge.QueueRead({0x29, 0x00});
        dlg->OnBnClickedWriteConfig();
        EXPECT_EQ(rowsAtClose, (Lines{LOG_REPLY_WRONG}));
    });
}

}  // namespace

namespace {

// Only the length byte of the frame keeps the low bits; the data stop at 256 bytes.
TEST_F(EepromWriteTest, BlockLongerThan256BytesSendsTheFirst256)
{
    RunDialog([&] {
        dlg->m_nEepromLen = 300;
        bridge.QueueRead({0x00, 0x2C});
        for (DWORD count = 32; count <= 256; count += 32)
            bridge.QueueRead({static_cast<BYTE>(count & 0xFF), static_cast<BYTE>(count >> 8)});
        dlg->OnBnClickedWriteConfig();

        Lines transcript = bridge.DeviceTranscript();
        ASSERT_EQ(transcript.size(), 20u);
        EXPECT_EQ(transcript[1], "write 01 00 2C (1000 ms)");
        EXPECT_EQ(transcript[18], "read 2 -> 00 01 (3000 ms)");
        const std::string pieceLine = "write " + Hex(Bytes(32, 0x00)) + " (1000 ms)";
        for (size_t piece = 0; piece < 8; ++piece)
            EXPECT_EQ(transcript[3 + 2 * piece].size(), pieceLine.size()) << piece;
        EXPECT_EQ(Rows(), (Lines{LOG_WRITE_SUCCESS}));
    });
}

}  // namespace

namespace {

// Blocks of other lengths: all pieces full but the last, each acknowledged with the
// running count, and the frame's length byte the low 8 bits of the length.
struct WriteLength : NamedCase {
    DWORD length;
    BYTE lengthByte;
    std::vector<DWORD> pieces;
};

class EepromWriteLengthTest : public EepromWriteTest, public ::testing::WithParamInterface<WriteLength> {};

std::vector<DWORD> PiecesWritten(const ScriptedBridge& bridge)
{
    std::vector<DWORD> pieces;
    for (const ScriptedBridge::Call& call : bridge.Calls())
        if (call.operation == "write")
            pieces.push_back(call.count);
    pieces.erase(pieces.begin());  // the command frame
    return pieces;
}

TEST_P(EepromWriteLengthTest, GoesOutInFullPiecesThenTheRest)
{
    RunDialog([&] {
        const WriteLength& block = GetParam();
        dlg->m_nEepromLen = block.length;
        bridge.QueueRead({0x00, block.lengthByte});
        DWORD count = 0;
        for (DWORD piece : block.pieces) {
            count += piece;
            bridge.QueueRead({static_cast<BYTE>(count & 0xFF), static_cast<BYTE>(count >> 8)});
        }
        dlg->OnBnClickedWriteConfig();

        ASSERT_FALSE(bridge.Calls().empty());
        EXPECT_EQ(bridge.DeviceTranscript()[1], "write 01 00 " + Hex(Bytes{block.lengthByte}) + " (1000 ms)");
        EXPECT_EQ(PiecesWritten(bridge), block.pieces);
        EXPECT_EQ(Rows(), (Lines{"成功：写入EEPROM成功"}));
    });
}

const std::vector<DWORD> EIGHT_FULL_PIECES(8, 32);

INSTANTIATE_TEST_SUITE_P(PieceBoundaries, EepromWriteLengthTest,
                         ::testing::Values(WriteLength{"ThirtyOneBytes", 31, 0x1F, {31}},
                                           WriteLength{"ThirtyTwoBytes", 32, 0x20, {32}},
                                           WriteLength{"ThirtyThreeBytes", 33, 0x21, {32, 1}},
                                           WriteLength{"SixtyFourBytes", 64, 0x40, {32, 32}},
                                           WriteLength{"TwoHundredFiftySixBytes", 256, 0x00, EIGHT_FULL_PIECES},
                                           WriteLength{"TwoHundredFiftySevenBytes", 257, 0x01, EIGHT_FULL_PIECES}),
                         CaseName());

}  // namespace
