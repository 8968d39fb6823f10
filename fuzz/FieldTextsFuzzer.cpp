// The data exchange from the controls with any text in every field. Taking the values
// either succeeds silently or refuses one field with one message; and once taken, with
// every value finite, the texts the exchange writes back are taken again silently.
#include <cmath>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "MainDialogRun.h"

namespace {

// The edits in the order of the data exchange.
const int FIELDS[] = {IDC_DEAD_BAND,  IDC_MAX_DUTY,    IDC_BOOST,   IDC_PULSE_LOWER,    IDC_PULSE_UPPER,
                      IDC_LEFT_RANGE, IDC_RIGHT_RANGE, IDC_NEUTRAL, IDC_DRIVE_FREQUENCY};

bool FloatsFinite(const CQuorvelDlg& dlg)
{
    return std::isfinite(dlg.m_fDeadBand) && std::isfinite(dlg.m_fMaxDuty) && std::isfinite(dlg.m_fPulseLower) &&
           std::isfinite(dlg.m_fPulseUpper);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    MainDialogRun run;
    run.Run([&] {
        for (int nID : FIELDS)
            ::SetWindowText(run.Item(nID), input.Text().c_str());

        BOOL taken = run.dlg.UpdateData(TRUE);
        size_t messages = run.driver.MessageBoxes().size();
        FUZZ_CHECK(messages == (taken ? 0u : 1u));
        if (!taken || !FloatsFinite(run.dlg))
            return;

        FUZZ_CHECK(run.dlg.UpdateData(FALSE));
        FUZZ_CHECK(run.dlg.UpdateData(TRUE));
        FUZZ_CHECK(run.driver.MessageBoxes().empty());
    });
    return 0;
}
