// Read Config and Write Config against a device that answers arbitrary bytes and fails
// at arbitrary steps. Whatever happens, a device that was opened is closed exactly
// once, every transfer goes to the open device, and the command logs exactly one row.
#include <set>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "MainDialogRun.h"
#include "device/ScriptedBridge.h"

namespace {

// Operations an older bridge library may lack; opening and closing it always has.
const WORD OPTIONAL_ORDINALS[] = {USB_ORD_READ_DEVICE, USB_ORD_WRITE_DEVICE, USB_ORD_SET_TIMEOUTS,
                                  USB_ORD_GET_TIMEOUTS};
const int MAX_ANSWERS = 16;
// Transfers beyond this many never fail: an exchange of 41 bytes takes fewer.
const int SCRIPTED_TRANSFERS = 16;

std::set<WORD> MissingOrdinals(uint8_t mask)
{
    std::set<WORD> missing;
    for (int i = 0; i < 4; ++i)
        if ((mask & (1 << i)) != 0)
            missing.insert(OPTIONAL_ORDINALS[i]);
    return missing;
}

void ScriptDevice(ScriptedBridge& bridge, FuzzInput& input)
{
    uint8_t failures = input.Byte() % 4;
    for (int i = 0; i < failures; ++i)
        bridge.FailTransfer(input.Byte() % SCRIPTED_TRANSFERS);
    uint8_t shortened = input.Byte() % 4;
    for (int i = 0; i < shortened; ++i) {
        int transfer = input.Byte() % SCRIPTED_TRANSFERS;
        bridge.ShortenTransfer(transfer, input.Byte());
    }
    int answers = input.Byte() % (MAX_ANSWERS + 1);
    for (int i = 0; i < answers && !input.Empty(); ++i)
        bridge.QueueRead(input.Bytes(input.Byte()));
}

void CheckDeviceClosedOnce(const ScriptedBridge& bridge, bool opened)
{
    int closes = 0;
    bool open = false;
    for (const ScriptedBridge::Call& call : bridge.Calls()) {
        if (call.operation == "open") {
            FUZZ_CHECK(!open);
            open = opened;
        } else if (call.operation == "close") {
            FUZZ_CHECK(open && call.handle == ScriptedBridge::Handle());
            open = false;
            ++closes;
        } else if (call.operation == "read" || call.operation == "write") {
            FUZZ_CHECK(open && call.handle == ScriptedBridge::Handle());
        }
    }
    FUZZ_CHECK(!open);
    FUZZ_CHECK(closes == (opened ? 1 : 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    uint8_t setup = input.Byte();
    bool write = (setup & 0x01) != 0;
    bool searched = (setup & 0x02) != 0;
    bool attached = (setup & 0x04) != 0;
    bool openFails = (setup & 0x08) != 0;

    ScriptedBridge bridge(MissingOrdinals(input.Byte()));
    if (attached)
        bridge.AttachAdapter("USB Servo Adapter");
    if (openFails)
        bridge.FailOpen();
    ScriptDevice(bridge, input);

    MainDialogRun run;
    run.Run([&] {
        if (searched)
            run.Click(IDC_REFLASH_USB);
        int rows = run.LogRows();
        size_t callsBefore = bridge.Calls().size();

        run.Click(write ? IDC_WRITE_CONFIG : IDC_READ_CONFIG);

        FUZZ_CHECK(run.LogRows() == rows + 1);
        FUZZ_CHECK(bridge.CountOf("open") == 1);
        FUZZ_CHECK(bridge.Calls().size() > callsBefore);
        CheckDeviceClosedOnce(bridge, searched && attached && !openFails);
    });
    return 0;
}
