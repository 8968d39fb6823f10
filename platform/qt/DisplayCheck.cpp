#include "DisplayCheck.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

const char NEEDS_DISPLAY[] = "Quorvel needs a display: set DISPLAY or WAYLAND_DISPLAY to one that can be opened.\n";

namespace {

QtMessageHandler g_previousHandler = nullptr;

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtFatalMsg)
        return;
    std::fputs(NEEDS_DISPLAY, stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

bool EnvironmentNamesDisplay()
{
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM");
}

StartupGuard::StartupGuard()
{
    g_previousHandler = qInstallMessageHandler(StartupMessageHandler);
}

StartupGuard::~StartupGuard()
{
    qInstallMessageHandler(g_previousHandler);
}
