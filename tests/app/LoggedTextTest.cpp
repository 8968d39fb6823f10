#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "device/DeviceDialogTest.h"
#include "support/ScratchFolder.h"

namespace {

// Each of the log's texts, reached through the command that logs it and read back from
// the log's row. The texts are written out here, not taken from the program's own
// constants, so that a wrong character in any of them shows: the comparison is of
// code-page-936 bytes, so "成功：" (A3 BA) and "ERROR:" (3A) are told apart too.
class LoggedTextTest : public OpenDialogTest {
protected:
    struct Outcome {
        const char* what;
        std::function<void(ScriptedBridge&)> run;
        const char* text;
    };

    // Runs one outcome against a library of its own and returns the message of the one
    // row it added, or how many rows it added if that was not one.
    std::string RowOf(const std::function<void(ScriptedBridge&)>& run)
    {
        ScriptedBridge bridge;
        MarkRows();
        run(bridge);
        Lines rows = Rows();
        return rows.size() == 1 ? rows[0] : std::to_string(rows.size()) + " rows";
    }

    // An adapter found and selected, its row not counted.
    void Connect(ScriptedBridge& bridge)
    {
        bridge.AttachAdapter("USB Servo Adapter");
        dlg->OnBnClickedReflashUsb();
        MarkRows();
    }

    // A device that would send the whole block: reply, then pieces of 32 and 9 bytes.
    void ReadWholeBlock(ScriptedBridge& bridge, int failedTransfer = -1)
    {
        Connect(bridge);
        bridge.QueueRead({0x00, 0x29});
        bridge.QueueRead(Bytes(32, 0x40));
        bridge.QueueRead(Bytes(9, 0x00));
        if (failedTransfer >= 0)
            bridge.FailTransfer(failedTransfer);
        dlg->OnBnClickedReadConfig();
    }

    // A device that answers a write of the whole block as given.
    void WriteWholeBlock(ScriptedBridge& bridge, const Bytes& reply, const Bytes& firstAck, int failedTransfer = -1)
    {
        Connect(bridge);
        bridge.QueueRead(reply);
        bridge.QueueRead(firstAck);
        bridge.QueueRead({0x29, 0x00});
        if (failedTransfer >= 0)
            bridge.FailTransfer(failedTransfer);
        dlg->OnBnClickedWriteConfig();
    }

    void Save()
    {
        driver.AnswerFileChooser(folder.PathOf("servo.svo"));
        Click(IDC_SAVE);
    }

    void Load()
    {
        driver.AnswerFileChooser(folder.PathOf("servo.svo"));
        Click(IDC_LOAD);
    }

    ScratchFolder folder;
};

const Bytes ACCEPTED = {0x00, 0x29};
const Bytes FIRST_PIECE_COUNTED = {0x20, 0x00};

TEST_F(LoggedTextTest, EveryOutcomeLogsItsTextExactly)
{
    const Outcome outcomes[] = {
        {"adapter found", [&](ScriptedBridge& b) {
             b.AttachAdapter("USB Servo Adapter");
             dlg->OnBnClickedReflashUsb();
         },
         "找到设备"},
        {"no adapter", [&](ScriptedBridge&) { dlg->OnBnClickedReflashUsb(); }, "没有找到设备"},

        {"read, device not opened", [&](ScriptedBridge& b) {
             b.FailOpen();
             ReadWholeBlock(b);
         },
         "无法连接设备，请检查是否连接USB设备"},
        {"read, frame not written", [&](ScriptedBridge& b) { ReadWholeBlock(b, 0); }, "数据读入有误"},
        {"read, no reply", [&](ScriptedBridge& b) { ReadWholeBlock(b, 1); }, "ERROR:命令响应超时"},
        {"read, piece not read", [&](ScriptedBridge& b) { ReadWholeBlock(b, 2); }, "ERROR:数据读入超时"},
        {"read, first acknowledgement not sent", [&](ScriptedBridge& b) { ReadWholeBlock(b, 3); },
         "ERROR:数据响应超时，没有完成读出"},
        {"read, last acknowledgement not sent", [&](ScriptedBridge& b) { ReadWholeBlock(b, 5); },
         "ERROR:数据响应超时，没有完成读入"},
        {"read, whole block", [&](ScriptedBridge& b) { ReadWholeBlock(b); }, "成功：读出EEPROM成功"},

        {"write, device not opened",
         [&](ScriptedBridge& b) {
             b.FailOpen();
             WriteWholeBlock(b, ACCEPTED, FIRST_PIECE_COUNTED);
         },
         "无法连接设备，请检查是否连接USB设备"},
        {"write, frame not written", [&](ScriptedBridge& b) { WriteWholeBlock(b, ACCEPTED, FIRST_PIECE_COUNTED, 0); },
         "无法连接设备，请检查是否连接USB设备"},
        {"write, no reply", [&](ScriptedBridge& b) { WriteWholeBlock(b, ACCEPTED, FIRST_PIECE_COUNTED, 1); },
         "ERROR:命令响应超时"},
        {"write, wrong reply", [&](ScriptedBridge& b) { WriteWholeBlock(b, {0x29, 0x00}, FIRST_PIECE_COUNTED); },
         "ERROR:返回数据错误"},
        {"write, piece not written", [&](ScriptedBridge& b) { WriteWholeBlock(b, ACCEPTED, FIRST_PIECE_COUNTED, 2); },
         "ERROR:数据写入超时"},
        {"write, no acknowledgement", [&](ScriptedBridge& b) { WriteWholeBlock(b, ACCEPTED, FIRST_PIECE_COUNTED, 3); },
         "ERROR:数据响应超时，没有完成下载"},
        {"write, wrong acknowledgement", [&](ScriptedBridge& b) { WriteWholeBlock(b, ACCEPTED, {0x00, 0x20}); },
         "ERROR:数据响应错误，没有完成下载"},
        {"write, whole block", [&](ScriptedBridge& b) { WriteWholeBlock(b, ACCEPTED, FIRST_PIECE_COUNTED); },
         "成功：写入EEPROM成功"},

        {"save", [&](ScriptedBridge&) { Save(); }, "文件保存成功"},
        {"load", [&](ScriptedBridge&) { Load(); }, "文件载入成功"},
    };
    RunDialog([&] {
        for (const Outcome& outcome : outcomes)
            EXPECT_EQ(RowOf(outcome.run), outcome.text) << outcome.what;
    });
}

}  // namespace
