// A paste of 32,767 bytes, the most an edit takes, into the Dead Band field: the time
// from Ctrl+V on the Qt driver, the dialog shown, until the event loop has drawn the
// field with its final text. Every other pasted byte is a letter, which the field's
// decimal filter takes out one run at a time, so the field's text changes 16,384 times
// before the paste returns. The same paste under the headless driver, which draws
// nothing, gives the share of the window system and the program.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "AfxWinMain.h"
#include "HeadlessDriver.h"
#include "QtDriver.h"
#include "Statistics.h"
#include "app/QuorvelDlg.h"
#include "input.h"

namespace {

constexpr int PASTED_BYTES = 32767;
// A paste that is still not drawn after this long counts as failed.
constexpr double GIVE_UP_MILLISECONDS = 300000;

// "0a1b2c...": digits at the even places, letters at the odd ones.
std::string PastedText(int bytes)
{
    std::string text;
    for (int at = 0; at < bytes; ++at)
        text += at % 2 == 0 ? static_cast<char>('0' + at / 2 % 10) : static_cast<char>('a' + at / 2 % 26);
    return text;
}

// What the field holds once the filter is done: the digits alone.
std::string FilteredText(const std::string& pasted)
{
    std::string digits;
    std::copy_if(pasted.begin(), pasted.end(), std::back_inserter(digits), [](char c) { return c >= '0' && c <= '9'; });
    return digits;
}

std::string TextOfWindow(HWND hWnd)
{
    std::vector<char> buffer(static_cast<size_t>(GetWindowTextLength(hWnd)) + 1, '\0');
    GetWindowText(hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

struct Outcome {
    std::vector<double> milliseconds;
    bool allRight = true;
};

// Notes the text that each paint of the watched line edit draws.
class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(QLineEdit* edit) : m_edit(edit) { edit->installEventFilter(this); }

    bool HasDrawn(const QString& text) const { return m_drawn == text; }
    void Forget() { m_drawn.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_edit && event->type() == QEvent::Paint)
            m_drawn = m_edit->text();
        return false;
    }

private:
    QLineEdit* m_edit;
    QString m_drawn;
};

// Empties the field, pastes with Ctrl+V as the user does, and spins the event loop
// until the field has been drawn with the final text.
double PasteOnScreen(HWND hEdit, QLineEdit* edit, PaintWatcher& watcher, const QString& drawnText)
{
    SetWindowText(hEdit, "");
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    watcher.Forget();
    double start = MonotonicMilliseconds();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    QCoreApplication::sendEvent(edit, &press);
    while (!watcher.HasDrawn(drawnText) && MonotonicMilliseconds() - start < GIVE_UP_MILLISECONDS)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return MonotonicMilliseconds() - start;
}

Outcome MeasureOnQt(int runs, const std::string& pasted)
{
    Outcome outcome;
    QtDriver driver;
    CQuorvelDlg dlg;
    QTimer::singleShot(0, [&] {
        HWND hDlg = dlg.GetSafeHwnd();
        HWND hEdit = GetDlgItem(hDlg, IDC_DEAD_BAND);
        QWidget* dialog = driver.WidgetOf(hDlg);
        double shownBy = MonotonicMilliseconds() + 5000;
        while (!(dialog->windowHandle() != nullptr && dialog->windowHandle()->isExposed()) &&
               MonotonicMilliseconds() < shownBy)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        auto* edit = qobject_cast<QLineEdit*>(driver.WidgetOf(hEdit));
        UserClick(hEdit);
        QGuiApplication::clipboard()->setText(QString::fromLatin1(pasted.c_str()));
        PaintWatcher watcher(edit);
        std::string filtered = FilteredText(pasted);
        for (int run = 0; run < runs; ++run) {
            outcome.milliseconds.push_back(PasteOnScreen(hEdit, edit, watcher, QString::fromLatin1(filtered.c_str())));
            outcome.allRight = outcome.allRight && TextOfWindow(hEdit) == filtered && watcher.HasDrawn(edit->text());
        }
        UserClose(hDlg);
    });
    dlg.DoModal();
    return outcome;
}

// The modal loop of this driver pastes into the field, timing each paste alone.
class HeadlessPaste : public HeadlessDriver {
public:
    HeadlessPaste(int runs, const std::string& pasted) : m_runs(runs), m_pasted(pasted) {}

    void RunModalLoop(HWND hDlg) override
    {
        HWND hEdit = GetDlgItem(hDlg, IDC_DEAD_BAND);
        UserClick(hEdit);
        std::string filtered = FilteredText(m_pasted);
        for (int run = 0; run < m_runs; ++run) {
            SetWindowText(hEdit, "");
            double start = MonotonicMilliseconds();
            UserPasteText(hEdit, m_pasted.c_str());
            m_outcome.milliseconds.push_back(MonotonicMilliseconds() - start);
            m_outcome.allRight = m_outcome.allRight && TextOfWindow(hEdit) == filtered;
        }
        UserClose(hDlg);
    }

    const Outcome& Result() const { return m_outcome; }

private:
    int m_runs;
    std::string m_pasted;
    Outcome m_outcome;
};

Outcome MeasureHeadless(int runs, const std::string& pasted)
{
    HeadlessPaste driver(runs, pasted);
    CQuorvelDlg dlg;
    dlg.DoModal();
    return driver.Result();
}

void PrintFigure(const char* what, const std::vector<double>& values)
{
    auto [low, high] = std::minmax_element(values.begin(), values.end());
    std::printf("  %-44s median %9.1f ms   min %9.1f   max %9.1f\n", what, Median(values), *low, *high);
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = argc > 1 ? std::atoi(argv[1]) : 10;
    int bytes = argc > 2 ? std::atoi(argv[2]) : PASTED_BYTES;
    if (runs < 1 || bytes < 1 || bytes > PASTED_BYTES) {
        std::fprintf(stderr, "usage: %s [RUNS] [BYTES, at most %d]\n", argv[0], PASTED_BYTES);
        return 2;
    }
    QApplication application(argc, argv);
    AfxWinInit();
    std::string pasted = PastedText(bytes);
    Outcome onQt = MeasureOnQt(runs, pasted);
    Outcome headless = MeasureHeadless(runs, pasted);
    if (!onQt.allRight || !headless.allRight || static_cast<int>(onQt.milliseconds.size()) != runs ||
        static_cast<int>(headless.milliseconds.size()) != runs) {
        std::fprintf(stderr, "a paste did not leave the filtered text in the field, or was not drawn\n");
        return 1;
    }
    std::printf("A %d-byte paste into Dead Band, half of it letters the filter takes out; %d runs:\n", bytes, runs);
    PrintFigure("Qt driver, from Ctrl+V to the final text drawn", onQt.milliseconds);
    PrintFigure("headless driver, the paste alone", headless.milliseconds);
    return 0;
}
