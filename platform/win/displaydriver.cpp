#include "displaydriver.h"

#include "commdlg.h"
#include "winuser.h"

#include <ctime>

namespace {

DisplayDriver& BuiltInDriver()
{
    static DisplayDriver driver;
    return driver;
}

DisplayDriver* g_installedDriver = nullptr;

}  // namespace

void DisplayDriver::WindowChanged(HWND, WindowChange) {}

void DisplayDriver::ListRowChanged(HWND, ListRowChange, int) {}

SYSTEMTIME DisplayDriver::LocalTime()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);

    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(local.tm_year + 1900);
    st.wMonth = static_cast<WORD>(local.tm_mon + 1);
    st.wDayOfWeek = static_cast<WORD>(local.tm_wday);
    st.wDay = static_cast<WORD>(local.tm_mday);
    st.wHour = static_cast<WORD>(local.tm_hour);
    st.wMinute = static_cast<WORD>(local.tm_min);
    st.wSecond = static_cast<WORD>(local.tm_sec);
    st.wMilliseconds = static_cast<WORD>(now.tv_nsec / 1000000);
    return st;
}

// Without a screen there are no fonts: these are the base units of the dialog font on
// the platform the dialogs were designed for.
SIZE DisplayDriver::FontBaseUnits(LPCTSTR, int, int)
{
    return SIZE{7, 14};
}

namespace {

// Eight vertical dialog units are one line of the dialog's font.
int LineHeightInDialogOf(HWND hWnd)
{
    RECT line{0, 0, 0, 8};
    if (!MapDialogRect(GetParent(hWnd), &line))
        line.bottom = BuiltInDriver().FontBaseUnits(nullptr, 0, 0).cy;
    return static_cast<int>(line.bottom);
}

}  // namespace

ListViewMetrics DisplayDriver::ReportListMetrics(HWND hWnd)
{
    int line = LineHeightInDialogOf(hWnd);
    int frame = (GetWindowLong(hWnd, GWL_STYLE) & WS_BORDER) ? 1 : 0;
    return ListViewMetrics{frame, line + 6, line + 4};
}

DroppedListMetrics DisplayDriver::ComboListMetrics(HWND hWnd)
{
    int line = LineHeightInDialogOf(hWnd);
    return DroppedListMetrics{line + 4, 1, line};
}

// Without a user, nothing ever ends the dialog but the program itself.
void DisplayDriver::RunModalLoop(HWND) {}

// Without a user, every message box is answered with its first button.
int DisplayDriver::MessageBox(HWND, LPCTSTR, LPCTSTR, UINT)
{
    return 1;
}

void DisplayDriver::MessageBeep(UINT) {}

// Without a user, every file chooser is cancelled.
BOOL DisplayDriver::ChooseFile(OPENFILENAME*, BOOL)
{
    return FALSE;
}

void DisplayDriver::DrawIcon(HWND, int, int, HICON) {}

void SetDisplayDriver(DisplayDriver* driver)
{
    g_installedDriver = driver;
}

DisplayDriver& GetDisplayDriver()
{
    return g_installedDriver != nullptr ? *g_installedDriver : BuiltInDriver();
}
