// Painting: a device context stands for a window's client area between BeginPaint and
// EndPaint, and what is drawn in it goes to the display driver.
#include <map>

#include "window.h"

namespace {

struct PaintTable {
    std::map<UINT_PTR, HWND> contexts;  // device context -> window
    UINT_PTR nextHandle = 0x30000000;
};

PaintTable& Contexts()
{
    static PaintTable table;
    return table;
}

HWND WindowOfContext(HDC hDC)
{
    auto found = Contexts().contexts.find(reinterpret_cast<UINT_PTR>(hDC));
    return found != Contexts().contexts.end() ? found->second : nullptr;
}

}  // namespace

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint)
{
    if (FindWindowObject(hWnd) == nullptr || lpPaint == nullptr)
        return nullptr;
    HDC hDC = reinterpret_cast<HDC>(Contexts().nextHandle);
    Contexts().nextHandle += 4;
    Contexts().contexts.emplace(reinterpret_cast<UINT_PTR>(hDC), hWnd);
    lpPaint->hdc = hDC;
    lpPaint->fErase = FALSE;
    GetClientRect(hWnd, &lpPaint->rcPaint);
    return hDC;
}

BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint)
{
    if (lpPaint == nullptr || hWnd == nullptr || WindowOfContext(lpPaint->hdc) != hWnd)
        return FALSE;
    Contexts().contexts.erase(reinterpret_cast<UINT_PTR>(lpPaint->hdc));
    return TRUE;
}

BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon)
{
    HWND hWnd = WindowOfContext(hDC);
    ICONIMAGE_QV image{};
    if (FindWindowObject(hWnd) == nullptr || !GetIconImage(hIcon, &image))
        return FALSE;
    GetDisplayDriver().DrawIcon(hWnd, X, Y, hIcon);
    return TRUE;
}
