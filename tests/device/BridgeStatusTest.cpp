// Every status but 0 from the bridge library is a failure, whichever value it is: the
// program never tells failure values apart. The statuses of CloseDevice, SetTimeouts and
// GetTimeouts are not looked at.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "device/DeviceDialogTest.h"

namespace {

struct Status : NamedCase {
    USB_STATUS value;
};

const Status FAILING_STATUSES[] = {
    {{"One"}, 1},
    {{"Two"}, 2},
    {{"TimedOut"}, 19},
    {{"HighBitOnly"}, 0x80000000u},
    {{"AllBitsSet"}, 0xFFFFFFFFu},
};

// One operation failing, the command that meets it, and what the user then sees.
struct FailingOperation : NamedCase {
    std::function<void(ScriptedBridge&)> arrange;
    bool searchFirst;
    int button;
    Lines rows;
    Lines transcript;
};

const Bytes REPLY = {0x00, 0x29};

const FailingOperation FAILING_OPERATIONS[] = {
    {{"CountDevices"}, [](ScriptedBridge& b) { b.FailCountDevices(); }, false, IDC_REFLASH_USB, {"没有找到设备"}, {}},
    {{"GetDeviceStringOfTheFirstAdapter"},
     [](ScriptedBridge& b) {
         b.DetachAdapters();
         b.AttachAdapter("first", false);
         b.AttachAdapter("second");
     },
     false, IDC_REFLASH_USB, {"找到设备"}, {}},
    {{"OpenDeviceForReadConfig"}, [](ScriptedBridge& b) { b.FailOpen(); }, true, IDC_READ_CONFIG,
     {"无法连接设备，请检查是否连接USB设备"}, {"open 0"}},
    {{"OpenDeviceForWriteConfig"}, [](ScriptedBridge& b) { b.FailOpen(); }, true, IDC_WRITE_CONFIG,
     {"无法连接设备，请检查是否连接USB设备"}, {"open 0"}},
    {{"WriteDeviceOfReadConfigsFrame"},
     [](ScriptedBridge& b) {
         b.QueueRead(REPLY);
         b.FailTransfer(0);
     },
     true, IDC_READ_CONFIG, {"数据读入有误"}, {"open 0", "write 02 00 29 (1000 ms)", "close"}},
    {{"ReadDeviceOfReadConfigsReply"},
     [](ScriptedBridge& b) {
         b.QueueRead(REPLY);
         b.FailTransfer(1);
     },
     true, IDC_READ_CONFIG, {"ERROR:命令响应超时"}, {"open 0", "write 02 00 29 (1000 ms)", "read 2 (3000 ms)", "close"}},
    {{"WriteDeviceOfWriteConfigsFrame"},
     [](ScriptedBridge& b) {
         b.QueueRead(REPLY);
         b.FailTransfer(0);
     },
     true, IDC_WRITE_CONFIG, {"无法连接设备，请检查是否连接USB设备"}, {"open 0", "write 01 00 29 (1000 ms)", "close"}},
    {{"ReadDeviceOfWriteConfigsReply"},
     [](ScriptedBridge& b) {
         b.QueueRead(REPLY);
         b.FailTransfer(1);
     },
     true, IDC_WRITE_CONFIG, {"ERROR:命令响应超时"},
     {"open 0", "write 01 00 29 (1000 ms)", "read 2 (3000 ms)", "close"}},
};

class BridgeStatusTest : public DeviceDialogTest,
                         public ::testing::WithParamInterface<std::tuple<FailingOperation, Status>> {
protected:
    BridgeStatusTest() { bridge.AttachAdapter("USB Servo Adapter"); }
};

TEST_P(BridgeStatusTest, IsAFailureWithItsOwnRow)
{
    const auto& [operation, status] = GetParam();
    RunDialog([&] {
        if (operation.searchFirst) {
            Click(IDC_REFLASH_USB);
            MarkRows();
        }
        bridge.FailWithStatus(status.value);
        operation.arrange(bridge);
        Click(operation.button);

        EXPECT_EQ(Rows(), operation.rows);
        if (operation.button == IDC_REFLASH_USB)
            EXPECT_EQ(DeviceListItems(), operation.rows[0] == "找到设备" ? Lines{"second"} : Lines{});
        else
            EXPECT_EQ(bridge.DeviceTranscript(), operation.transcript);
    });
}

INSTANTIATE_TEST_SUITE_P(EachOperation, BridgeStatusTest,
                         ::testing::Combine(::testing::ValuesIn(FAILING_OPERATIONS),
                                            ::testing::ValuesIn(FAILING_STATUSES)),
                         [](const ::testing::TestParamInfo<BridgeStatusTest::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

// CloseDevice, SetTimeouts and GetTimeouts answering a failure change no outcome: the
// commands succeed, the device opens again for the next one and the time-outs come back.
class UnexaminedStatusTest : public DeviceDialogTest, public ::testing::WithParamInterface<Status> {
protected:
    UnexaminedStatusTest() { bridge.AttachAdapter("USB Servo Adapter"); }
};

TEST_P(UnexaminedStatusTest, OfCloseAndTheTimeoutsChangesNoOutcome)
{
    RunDialog([&] {
        Click(IDC_REFLASH_USB);
        MarkRows();
        bridge.ReturnFromUnexaminedCalls(GetParam().value);
        bridge.QueueRead({0x00, 0x29});
        bridge.QueueRead(Bytes(32, 0x00));
        bridge.QueueRead(Bytes(9, 0x00));
        Click(IDC_READ_CONFIG);
        bridge.QueueRead({0x00, 0x29});
        bridge.QueueRead({0x20, 0x00});
        bridge.QueueRead({0x29, 0x00});
        Click(IDC_WRITE_CONFIG);

        EXPECT_EQ(Rows(), (Lines{"成功：写入EEPROM成功", "成功：读出EEPROM成功"}));
        EXPECT_EQ(bridge.CountOf("open"), 2);
        EXPECT_EQ(bridge.CountOf("close"), 2);
        EXPECT_EQ(bridge.ReadTimeout(), ScriptedBridge::INITIAL_READ_TIMEOUT);
        EXPECT_EQ(bridge.WriteTimeout(), ScriptedBridge::INITIAL_WRITE_TIMEOUT);
    });
}

INSTANTIATE_TEST_SUITE_P(EachStatus, UnexaminedStatusTest, ::testing::ValuesIn(FAILING_STATUSES), CaseName());

}  // namespace
