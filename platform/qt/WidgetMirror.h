// Shows in a widget what its window now holds: the text, check, items, selection,
// columns, text selection or icon, read back through the window's messages. A list
// view's rows and a combo box's items are shown one by one as they change.
#pragma once

#include <QWidget>

#include "displaydriver.h"

// Shows one kind of change; signals of the widget are blocked meanwhile, so nothing
// shown here comes back as the user's input.
void ShowChange(HWND hWnd, QWidget* widget, WindowChange change);

// Shows one row of a list view, or one item of a combo box, come, gone or changed.
void ShowRowChange(HWND hWnd, QWidget* widget, ListRowChange change, int row);

// Shows everything a freshly created window holds.
void ShowWholeState(HWND hWnd, QWidget* widget);
