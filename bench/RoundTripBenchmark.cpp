// Read Config plus Write Config round trips per second over the emulated adapter that
// ships: the main dialog under the headless driver, Reflash USB clicked once, then the
// two commands run back to back for a few seconds.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "AfxWinMain.h"
#include "HeadlessDriver.h"
#include "Statistics.h"
#include "app/LogMessages.h"
#include "app/QuorvelDlg.h"
#include "input.h"

namespace {

struct Result {
    long roundTrips = 0;
    double seconds = 0;
    bool allSucceeded = true;
};

// The modal loop of this driver is the benchmark: it runs while the dialog is open,
// then closes it.
class RoundTripDriver : public HeadlessDriver {
public:
    RoundTripDriver(CQuorvelDlg& dlg, double seconds) : m_dlg(dlg), m_seconds(seconds) {}

    void RunModalLoop(HWND hDlg) override
    {
        UserClick(GetDlgItem(hDlg, IDC_REFLASH_USB));
        double start = MonotonicMilliseconds();
        while (MonotonicMilliseconds() - start < m_seconds * 1e3) {
            m_dlg.OnBnClickedWriteConfig();
            bool written = LatestRow() == LOG_WRITE_SUCCESS;
            m_dlg.OnBnClickedReadConfig();
            bool read = LatestRow() == LOG_READ_SUCCESS;
            m_result.allSucceeded = m_result.allSucceeded && written && read;
            ++m_result.roundTrips;
        }
        m_result.seconds = (MonotonicMilliseconds() - start) / 1e3;
        UserClose(hDlg);
    }

    const Result& Outcome() const { return m_result; }

private:
    std::string LatestRow() { return std::string(m_dlg.m_listLog.GetItemText(0, 1)); }

    CQuorvelDlg& m_dlg;
    double m_seconds;
    Result m_result;
};

}  // namespace

int main(int argc, char** argv)
{
    double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    if (!(seconds > 0)) {
        std::fprintf(stderr, "usage: %s [SECONDS]\n", argv[0]);
        return 2;
    }
    AfxWinInit();
    CQuorvelDlg dlg;
    RoundTripDriver driver(dlg, seconds);
    dlg.DoModal();

    const Result& result = driver.Outcome();
    if (!result.allSucceeded || result.roundTrips == 0) {
        std::fprintf(stderr, "a Read Config or Write Config did not succeed\n");
        return 1;
    }
    std::printf("Read Config + Write Config over the emulated adapter: %ld round trips in %.1f s, %.0f per second\n",
                result.roundTrips, result.seconds, result.roundTrips / result.seconds);
    return 0;
}
