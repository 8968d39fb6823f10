// The window system's keyboard focus as a screen reader is told of it. Qt's own idea of
// the focus may lag or differ (a closed list's current item, an edit field inside a
// combo box), so the accessible interfaces ask the window system, by the window that
// each control's widget shows.
#pragma once

#include <QWidget>

#include "windef.h"

// Notes which window a control's widget shows.
void MarkShownWindow(QWidget* widget, HWND hWnd);
// The window a widget shows, or nullptr for a widget that shows none.
HWND ShownWindowOf(const QWidget* widget);
// Whether the window that the widget shows holds the window system's focus.
bool HoldsWindowFocus(const QWidget* widget);
