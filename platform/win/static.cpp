// The STATIC class: a label. It keeps nothing of its own and never takes the focus.
#include "window.h"

LRESULT StaticWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_GETDLGCODE)
        return DLGC_STATIC;
    return DefWindowProc(hWnd, msg, wParam, lParam);
}
