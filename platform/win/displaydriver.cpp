#include "displaydriver.h"

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

void SetDisplayDriver(DisplayDriver* driver)
{
    g_installedDriver = driver;
}

DisplayDriver& GetDisplayDriver()
{
    return g_installedDriver != nullptr ? *g_installedDriver : BuiltInDriver();
}
