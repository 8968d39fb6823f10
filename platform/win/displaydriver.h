// A display driver shows the window system's windows to a user and serves what needs
// one: the local time, and later message boxes and file choosers. The window system
// tells the driver of every visible change; the driver reads the new state back through
// the ordinary messages, so it keeps no state of its own about a window.
#pragma once

#include "windef.h"

enum class WindowChange {
    Created,    // the window exists, with its class, style, text and rectangle
    Destroyed,  // the handle is about to go
    Text,       // WM_SETTEXT changed the window's text
    Check,      // a button's check state changed
    Columns,    // a list view's columns changed
    Rows,       // a list view's rows or their texts changed
};

class DisplayDriver {
public:
    virtual ~DisplayDriver() = default;

    virtual void WindowChanged(HWND hWnd, WindowChange change);
    // The local time; by default the system clock.
    virtual SYSTEMTIME LocalTime();
};

// Installs the driver that the window system talks to; nullptr restores the built-in
// one, which shows nothing and reads the system clock.
void SetDisplayDriver(DisplayDriver* driver);
DisplayDriver& GetDisplayDriver();
