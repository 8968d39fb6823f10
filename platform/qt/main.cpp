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
    // The program takes no arguments, and Qt is handed none of them either, so that
    // options such as -reverse, -style or -platform change nothing; Qt is set up only
    // by its environment variables. QApplication keeps a reference to the count.
    static int qtArgc = 1;
    static char* qtArgv[] = {argv[0], nullptr};
    std::unique_ptr<QApplication> application;
    {
        StartupGuard guard;
        application = std::make_unique<QApplication>(qtArgc, qtArgv);
    }
    QtDriver driver;
    return AfxWinMain(argc, argv);
}
