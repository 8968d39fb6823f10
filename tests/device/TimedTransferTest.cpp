#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/QuorvelDlg.h"
#include "device/ScriptedBridge.h"
#include "device/UsbBridgeImports.h"

namespace {

using Lines = std::vector<std::string>;

// The library calls of one transfer, time-outs included.
Lines TimeoutTrail(const ScriptedBridge& bridge)
{
    Lines lines;
    for (const ScriptedBridge::Call& call : bridge.Calls()) {
        std::string line = call.operation;
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about
        // " " + std::to_string(...).
        if (call.operation != "gettimeouts")
            line.append(" ").append(std::to_string(call.readTimeout)).append("/").append(std::to_string(call.writeTimeout));
        lines.push_back(line);
    }
    return lines;
}

class TimedTransferTest : public ::testing::Test {
protected:
    TimedTransferTest()
    {
        bridge.AttachAdapter("USB Servo Adapter");
        EXPECT_EQ(OpenDevice(0, &dlg.m_hDevice), static_cast<USB_STATUS>(USB_OK));
    }

    const ScriptedBridge::Call& LastTransfer() const
    {
        for (auto call = bridge.Calls().rbegin(); call != bridge.Calls().rend(); ++call)
            if (call->operation == "read" || call->operation == "write")
                return *call;
        return bridge.Calls().front();
    }

    Lines TrailAfterOpen()
    {
        Lines lines = TimeoutTrail(bridge);
        lines.erase(lines.begin());
        return lines;
    }

    ScriptedBridge bridge;
    CQuorvelDlg dlg;
    BYTE buffer[32] = {};
    DWORD dwBytesRead = 0;
    DWORD dwBytesWritten = 0;
};

TEST_F(TimedTransferTest, ReadRunsUnderItsOwnReadTimeoutAndPutsThePairBack)
{
    bridge.QueueRead({0x00, 0x29});
    EXPECT_TRUE(dlg.ReadWithTimeout(buffer, 2, &dwBytesRead, 3000));
    EXPECT_EQ(TrailAfterOpen(), (Lines{"gettimeouts", "settimeouts 3000/0", "read 3000/0", "settimeouts 500/700"}));
    EXPECT_EQ(bridge.ReadTimeout(), 500u);
    EXPECT_EQ(bridge.WriteTimeout(), 700u);
    EXPECT_EQ(buffer[0], 0x00);
    EXPECT_EQ(buffer[1], 0x29);
}

TEST_F(TimedTransferTest, WriteRunsUnderItsOwnWriteTimeoutAndPutsThePairBack)
{
    BYTE frame[3] = {0x01, 0x00, 0x29};
    EXPECT_TRUE(dlg.WriteWithTimeout(frame, 3, &dwBytesWritten, 1000));
    EXPECT_EQ(TrailAfterOpen(), (Lines{"gettimeouts", "settimeouts 0/1000", "write 0/1000", "settimeouts 500/700"}));
    EXPECT_EQ(bridge.DeviceTranscript().back(), "write 01 00 29 (1000 ms)");
    EXPECT_EQ(dwBytesWritten, 3u);
}

TEST_F(TimedTransferTest, FailedReadIsFalseAndStillPutsThePairBack)
{
    bridge.QueueRead({0x00, 0x29});
    bridge.FailTransfer(0);
    EXPECT_FALSE(dlg.ReadWithTimeout(buffer, 2, &dwBytesRead, 3000));
    EXPECT_EQ(TrailAfterOpen(), (Lines{"gettimeouts", "settimeouts 3000/0", "read 3000/0", "settimeouts 500/700"}));
}

TEST_F(TimedTransferTest, FailedWriteIsFalseAndStillPutsThePairBack)
{
    bridge.FailTransfer(0);
    BYTE ack[2] = {0x20, 0x00};
    EXPECT_FALSE(dlg.WriteWithTimeout(ack, 2, &dwBytesWritten, 1000));
    EXPECT_EQ(TrailAfterOpen(), (Lines{"gettimeouts", "settimeouts 0/1000", "write 0/1000", "settimeouts 500/700"}));
}

TEST_F(TimedTransferTest, ShortTransferThatTheLibraryCallsASuccessIsTrue)
{
    bridge.QueueRead({0x00, 0x29, 0x35});
    bridge.ShortenTransfer(0, 1);
    EXPECT_TRUE(dlg.ReadWithTimeout(buffer, 3, &dwBytesRead, 3000));
    EXPECT_EQ(dwBytesRead, 1u);
    EXPECT_EQ(buffer[2], 0x35);
}

TEST_F(TimedTransferTest, TransferGoesToTheOpenDeviceWithAZeroFifthArgument)
{
    BYTE ack[2] = {0x20, 0x00};
    dlg.WriteWithTimeout(ack, 2, &dwBytesWritten, 1000);
    const ScriptedBridge::Call& write = LastTransfer();
    EXPECT_EQ(write.operation, "write");
    EXPECT_EQ(write.handle, ScriptedBridge::Handle());
    EXPECT_EQ(write.reserved, 0u);
    EXPECT_EQ(write.count, 2u);
}

}  // namespace
