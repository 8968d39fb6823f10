// Read Config plus Write Config round trips on the Qt driver, the dialog shown, at three
// lengths of the log: the time of one round trip, Qt having processed its pending
// events and painted after each command, and the memory that each log row costs. A
// display driver that rebuilt its list on every row would cost more the longer the log.
//
// One dialog for each length is open at once, each inside the modal loop of the one
// before, and the round trips go to them in turn: a machine busy with other work slows
// every length alike, so the ratios hold where the times themselves vary.
#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AfxWinMain.h"
#include "Cp936.h"
#include "QtDriver.h"
#include "Statistics.h"
#include "app/LogMessages.h"
#include "app/QuorvelDlg.h"
#include "input.h"

namespace {

constexpr std::array<int, 3> LOG_LENGTHS = {0, 10000, 100000};

struct Level {
    int rowsBefore = 0;
    std::vector<double> milliseconds;
};

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return 0;
}

// Everything Qt has pending, a delayed relayout and the painting included.
void Settle()
{
    for (int pass = 0; pass < 2; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void WaitUntil(const std::function<bool()>& condition)
{
    double start = MonotonicMilliseconds();
    while (!condition() && MonotonicMilliseconds() - start < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    Settle();
}

void WaitUntilShown(const QWidget* dialog)
{
    WaitUntil([dialog] { return dialog->windowHandle() != nullptr && dialog->windowHandle()->isExposed(); });
}

// The user works in the active window: its repainting for taking the activation is
// over before a round trip starts.
void Activate(QWidget* dialog)
{
    if (QApplication::activeWindow() == dialog)
        return;
    dialog->activateWindow();
    WaitUntil([dialog] { return QApplication::activeWindow() == dialog; });
}

class Bench {
public:
    Bench(const QtDriver& driver, int roundTrips) : m_driver(driver), m_roundTrips(roundTrips)
    {
        for (size_t index = 0; index < LOG_LENGTHS.size(); ++index)
            m_dialogs.push_back(std::make_unique<CQuorvelDlg>());
        m_levels.resize(LOG_LENGTHS.size());
    }

    void Run() { Open(0); }

    bool AllSucceeded() const { return m_allSucceeded; }
    const std::vector<Level>& Levels() const { return m_levels; }
    double BytesPerRow() const { return m_bytesPerRow; }

private:
    // The dialog for one length: its log filled, then the next one opened inside its
    // modal loop; the innermost measures them all. Each closes once the ones inside it have.
    void Open(size_t index)
    {
        CQuorvelDlg& dlg = *m_dialogs[index];
        QTimer::singleShot(0, [this, index, &dlg] {
            HWND hDlg = dlg.GetSafeHwnd();
            WaitUntilShown(m_driver.WidgetOf(hDlg));
            Click(dlg, IDC_REFLASH_USB, LOG_DEVICE_FOUND);
            FillLog(index);
            if (index + 1 < m_dialogs.size())
                Open(index + 1);
            else
                Measure();
            UserClose(hDlg);
        });
        dlg.DoModal();
    }

    // A command as the user gives it, checked by the row it logs on top.
    void Click(CQuorvelDlg& dlg, int id, const char* expectedRow)
    {
        UserClick(dlg.GetDlgItem(id)->GetSafeHwnd());
        bool logged = FromCp936(static_cast<const char*>(dlg.m_listLog.GetItemText(0, 1))) ==
                      QString::fromUtf8(expectedRow);
        m_allSucceeded = m_allSucceeded && logged;
    }

    // Real commands fill the log, a row each, without waiting for the screen; the
    // longest log tells the memory per row.
    void FillLog(size_t index)
    {
        CQuorvelDlg& dlg = *m_dialogs[index];
        int length = LOG_LENGTHS[index];
        long kilobytesBefore = ResidentKilobytes();
        int rowsBefore = dlg.m_listLog.GetItemCount();
        while (dlg.m_listLog.GetItemCount() + 2 <= length) {
            Click(dlg, IDC_READ_CONFIG, LOG_READ_SUCCESS);
            Click(dlg, IDC_WRITE_CONFIG, LOG_WRITE_SUCCESS);
        }
        if (dlg.m_listLog.GetItemCount() < length)
            Click(dlg, IDC_READ_CONFIG, LOG_READ_SUCCESS);
        Settle();
        int rowsAdded = dlg.m_listLog.GetItemCount() - rowsBefore;
        if (length == LOG_LENGTHS.back() && rowsAdded > 0)
            m_bytesPerRow = static_cast<double>(ResidentKilobytes() - kilobytesBefore) * 1024.0 / rowsAdded;
        m_levels[index].rowsBefore = dlg.m_listLog.GetItemCount();
    }

    void Measure()
    {
        for (int n = 0; n < m_roundTrips; ++n) {
            for (size_t index = 0; index < m_dialogs.size(); ++index) {
                CQuorvelDlg& dlg = *m_dialogs[index];
                Activate(m_driver.WidgetOf(dlg.GetSafeHwnd()));
                double start = MonotonicMilliseconds();
                Click(dlg, IDC_READ_CONFIG, LOG_READ_SUCCESS);
                Settle();
                Click(dlg, IDC_WRITE_CONFIG, LOG_WRITE_SUCCESS);
                Settle();
                m_levels[index].milliseconds.push_back(MonotonicMilliseconds() - start);
            }
        }
    }

    const QtDriver& m_driver;
    int m_roundTrips;
    std::vector<std::unique_ptr<CQuorvelDlg>> m_dialogs;
    std::vector<Level> m_levels;
    bool m_allSucceeded = true;
    double m_bytesPerRow = 0;
};

void PrintFigures(const Bench& bench, int roundTrips)
{
    std::printf("Read Config + Write Config on the Qt driver, the dialog shown, events processed and painted after "
                "each command; medians of %d round trips, the logs taking turns:\n",
                roundTrips);
    const std::vector<Level>& levels = bench.Levels();
    double first = Median(levels.front().milliseconds);
    for (const Level& level : levels) {
        double median = Median(level.milliseconds);
        std::printf("  %7d rows in the log: %6.3f ms", level.rowsBefore, median);
        if (&level != &levels.front())
            std::printf("   %.2fx the first (target 1.2x)", median / first);
        std::printf("\n");
    }
    std::printf("Memory per log row: %.0f bytes (resident memory grown over the longest log's rows)\n",
                bench.BytesPerRow());
}

}  // namespace

int main(int argc, char** argv)
{
    int roundTrips = argc > 1 ? std::atoi(argv[1]) : 500;
    if (roundTrips < 1) {
        std::fprintf(stderr, "usage: %s [ROUND_TRIPS]\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    QtDriver driver;
    AfxWinInit();
    Bench bench(driver, roundTrips);
    bench.Run();

    bool measured = true;
    for (const Level& level : bench.Levels())
        measured = measured && static_cast<int>(level.milliseconds.size()) == roundTrips;
    if (!bench.AllSucceeded() || !measured) {
        std::fprintf(stderr, "a Read Config or Write Config did not succeed\n");
        return 1;
    }
    PrintFigures(bench, roundTrips);
    return 0;
}
