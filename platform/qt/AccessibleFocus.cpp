#include "AccessibleFocus.h"

#include <QVariant>

#include "winuser.h"

namespace {

constexpr const char* SHOWN_WINDOW = "quorvelShownWindow";

}  // namespace

void MarkShownWindow(QWidget* widget, HWND hWnd)
{
    widget->setProperty(SHOWN_WINDOW, QVariant::fromValue(reinterpret_cast<quintptr>(hWnd)));
}

HWND ShownWindowOf(const QWidget* widget)
{
    if (widget == nullptr)
        return nullptr;
    return reinterpret_cast<HWND>(widget->property(SHOWN_WINDOW).value<quintptr>());
}

bool HoldsWindowFocus(const QWidget* widget)
{
    HWND hWnd = ShownWindowOf(widget);
    return hWnd != nullptr && GetFocus() == hWnd;
}
