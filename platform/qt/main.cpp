// The executable: a screen, the Qt driver on it, then the class library's start-up.
#include <QApplication>
#include <cstdio>
#include <memory>

#include "AfxWinMain.h"
#include "DisplayCheck.h"
#include "QtDriver.h"

int main(int argc, char** argv)
{
    if (!EnvironmentNamesDisplay()) {
        std::fputs(NEEDS_DISPLAY, stderr);
        return 1;
    }
    std::unique_ptr<QApplication> application;
    {
        StartupGuard guard;
        application = std::make_unique<QApplication>(argc, argv);
    }
    QtDriver driver;
    return AfxWinMain(argc, argv);
}
