// What a window shows of itself: visible or hidden, minimised or not, its client area,
// and the sizes of the system's icons.
#include "window.h"

namespace {

// Shows or hides a window, and minimises or restores it; says whether anything changed.
bool ApplyShowCommand(Window& window, int nCmdShow)
{
    bool wasVisible = (window.style & WS_VISIBLE) != 0;
    bool wasIconic = window.iconic;
    switch (nCmdShow) {
    case SW_HIDE:
        window.style &= ~static_cast<DWORD>(WS_VISIBLE);
        break;
    case SW_SHOW:
        window.style |= WS_VISIBLE;
        break;
    case SW_MINIMIZE:
        window.style |= WS_VISIBLE;
        window.iconic = true;
        break;
    case SW_RESTORE:
        window.style |= WS_VISIBLE;
        window.iconic = false;
        break;
    default:
        break;
    }
    return wasVisible != ((window.style & WS_VISIBLE) != 0) || wasIconic != window.iconic;
}

}  // namespace

// There is no message queue, so a window that comes to show something new paints at once.
BOOL ShowWindow(HWND hWnd, int nCmdShow)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr)
        return FALSE;
    BOOL wasVisible = (window->style & WS_VISIBLE) ? TRUE : FALSE;
    if (ApplyShowCommand(*window, nCmdShow)) {
        NotifyDriver(hWnd, WindowChange::Visibility);
        if (IsWindowVisible(hWnd))
            SendMessage(hWnd, WM_PAINT, 0, 0);
    }
    return wasVisible;
}

// Visible when the window and every window above it have WS_VISIBLE.
BOOL IsWindowVisible(HWND hWnd)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr)
        return FALSE;
    for (; window != nullptr; window = (window->style & WS_CHILD) ? FindWindowObject(window->parent) : nullptr) {
        if (!(window->style & WS_VISIBLE))
            return FALSE;
    }
    return TRUE;
}

BOOL IsIconic(HWND hWnd)
{
    Window* window = FindWindowObject(hWnd);
    return window != nullptr && window->iconic ? TRUE : FALSE;
}

// A minimised window has no client area.
BOOL GetClientRect(HWND hWnd, LPRECT lpRect)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr || lpRect == nullptr)
        return FALSE;
    if (window->iconic)
        *lpRect = RECT{0, 0, 0, 0};
    else
        *lpRect = RECT{0, 0, window->rect.right - window->rect.left, window->rect.bottom - window->rect.top};
    return TRUE;
}

int GetSystemMetrics(int nIndex)
{
    switch (nIndex) {
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    default:
        return 0;
    }
}
