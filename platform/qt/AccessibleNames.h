// Shows which label names an edit or a combo box, as the window system finds it: the
// control takes the label's text as its accessible name, and the label takes the
// control as its buddy, which screen readers see as the labelled-by relation.
#pragma once

#include <QWidget>
#include <functional>

#include "displaydriver.h"

using WidgetLookup = std::function<QWidget*(HWND)>;

// Once a control is created, names it by its label; once a label is created or its
// text changes, names every control that it labels. Other changes name nothing.
void ShowAccessibleNames(HWND hWnd, WindowChange change, const WidgetLookup& widgetOf);
