// Whether Qt can reach a screen, asked before QApplication exists, so that a start
// without a display ends with one line and status 1 rather than Qt's abort.
#pragma once

// True when the environment names a display (DISPLAY, WAYLAND_DISPLAY) or a Qt
// platform (QT_QPA_PLATFORM).
bool EnvironmentNamesDisplay();

// Until the returned guard is released, Qt's messages are held back, and a fatal one
// (the display named cannot be opened) prints NEEDS_DISPLAY and ends the process with
// status 1.
class StartupGuard {
public:
    StartupGuard();
    ~StartupGuard();
    StartupGuard(const StartupGuard&) = delete;
    StartupGuard& operator=(const StartupGuard&) = delete;
};

extern const char NEEDS_DISPLAY[];
