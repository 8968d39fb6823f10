// The keyboard focus: one window at a time holds it.
#include "window.h"

namespace {

HWND g_focus = nullptr;

}  // namespace

// The window losing the focus hears of it first, then the one taking it.
HWND SetFocus(HWND hWnd)
{
    if (hWnd != nullptr && FindWindowObject(hWnd) == nullptr)
        return nullptr;
    HWND previous = g_focus;
    if (hWnd == previous)
        return previous;
    if (previous != nullptr)
        SendMessage(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
    g_focus = hWnd;
    if (hWnd != nullptr) {
        SendMessage(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
        NotifyDriver(hWnd, WindowChange::Focus);
    }
    return previous;
}

HWND GetFocus()
{
    return g_focus;
}

void ForgetFocus(HWND hWnd)
{
    if (g_focus == hWnd)
        g_focus = nullptr;
}
