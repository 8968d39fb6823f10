// Windows, their handles and synchronous messages.
#include "window.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "asciicase.h"

namespace {

// Handles count up and are never reused, so a stale handle never names a new window.
struct WindowTable {
    std::map<UINT_PTR, std::unique_ptr<Window>> windows;
    UINT_PTR nextHandle = 0x10000;
};

WindowTable& Table()
{
    static WindowTable table;
    return table;
}

HWND AllocateHandle()
{
    UINT_PTR value = Table().nextHandle;
    Table().nextHandle += 4;
    return reinterpret_cast<HWND>(value);
}

// The top-level windows that a window owns, the last created first.
std::vector<HWND> OwnedWindows(HWND hOwner)
{
    std::vector<HWND> owned;
    for (auto it = Table().windows.rbegin(); it != Table().windows.rend(); ++it) {
        const Window& window = *it->second;
        if (window.parent == hOwner && !(window.style & WS_CHILD))
            owned.push_back(window.handle);
    }
    return owned;
}

LRESULT SetIcon(Window& window, WPARAM kind, HICON hIcon)
{
    HICON& slot = kind == ICON_BIG ? window.bigIcon : window.smallIcon;
    HICON previous = slot;
    slot = hIcon;
    NotifyDriver(window.handle, WindowChange::Icon);
    return reinterpret_cast<LRESULT>(previous);
}

}  // namespace

int CopyText(const std::string& text, LPTSTR buffer, int bufferSize)
{
    if (buffer == nullptr || bufferSize <= 0)
        return 0;
    int copied = std::min<int>(static_cast<int>(text.size()), bufferSize - 1);
    std::memcpy(buffer, text.data(), static_cast<size_t>(copied));
    buffer[copied] = '\0';
    return copied;
}

Window* FindWindowObject(HWND hWnd)
{
    auto it = Table().windows.find(reinterpret_cast<UINT_PTR>(hWnd));
    return it == Table().windows.end() ? nullptr : it->second.get();
}

void NotifyDriver(HWND hWnd, WindowChange change)
{
    GetDisplayDriver().WindowChanged(hWnd, change);
}

void NotifyDriverOfRow(HWND hWnd, ListRowChange change, int row)
{
    GetDisplayDriver().ListRowChanged(hWnd, change, row);
}

void NotifyParent(HWND hWnd, WORD code)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr || window->parent == nullptr)
        return;
    SendMessage(window->parent, WM_COMMAND, MAKEWPARAM(window->id, code),
                reinterpret_cast<LPARAM>(hWnd));
}

HWND CreateWindowEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                    HINSTANCE, LPVOID lpParam)
{
    if (lpClassName == nullptr)
        return nullptr;
    WNDPROC proc = FindClassProc(lpClassName);
    if (proc == nullptr)
        return nullptr;
    if (hWndParent != nullptr && FindWindowObject(hWndParent) == nullptr)
        return nullptr;

    auto window = std::make_unique<Window>();
    HWND hWnd = AllocateHandle();
    window->handle = hWnd;
    window->className = lpClassName;
    window->style = dwStyle;
    window->exStyle = dwExStyle;
    window->id = (dwStyle & WS_CHILD) ? static_cast<int>(reinterpret_cast<INT_PTR>(hMenu)) : 0;
    window->text = lpWindowName != nullptr ? lpWindowName : "";
    window->rect = RECT{x, y, x + nWidth, y + nHeight};
    window->parent = hWndParent;
    window->uiState = InitialUIState(hWndParent, dwStyle);
    window->proc = proc;
    Table().windows.emplace(reinterpret_cast<UINT_PTR>(hWnd), std::move(window));
    if (hWndParent != nullptr && (dwStyle & WS_CHILD))
        FindWindowObject(hWndParent)->children.push_back(hWnd);

    if (SendMessage(hWnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(lpParam)) == -1) {
        DestroyWindow(hWnd);
        return nullptr;
    }
    NotifyDriver(hWnd, WindowChange::Created);
    return hWnd;
}

BOOL DestroyWindow(HWND hWnd)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr)
        return FALSE;

    // Owned windows and children go first, the last created first.
    for (HWND owned : OwnedWindows(hWnd))
        DestroyWindow(owned);
    std::vector<HWND> children = window->children;
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        DestroyWindow(*it);

    SendMessage(hWnd, WM_DESTROY, 0, 0);
    SendMessage(hWnd, WM_NCDESTROY, 0, 0);
    ForgetFocus(hWnd);
    NotifyDriver(hWnd, WindowChange::Destroyed);

    window = FindWindowObject(hWnd);
    if (window == nullptr)
        return TRUE;
    if (Window* parent = FindWindowObject(window->parent)) {
        auto& siblings = parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), hWnd), siblings.end());
    }
    Table().windows.erase(reinterpret_cast<UINT_PTR>(hWnd));
    return TRUE;
}

BOOL IsWindow(HWND hWnd)
{
    return FindWindowObject(hWnd) != nullptr ? TRUE : FALSE;
}

LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr)
        return 0;
    return window->proc(hWnd, Msg, wParam, lParam);
}

LRESULT CallWindowProc(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return lpPrevWndFunc != nullptr ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

LRESULT DefWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr)
        return 0;
    switch (Msg) {
    case WM_SETTEXT:
        window->text = lParam != 0 ? reinterpret_cast<LPCTSTR>(lParam) : "";
        NotifyDriver(hWnd, WindowChange::Text);
        return TRUE;
    case WM_GETTEXT: {
        return CopyText(window->text, reinterpret_cast<LPTSTR>(lParam), static_cast<int>(wParam));
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(window->text.size());
    case WM_SETICON:
        return SetIcon(*window, wParam, reinterpret_cast<HICON>(lParam));
    case WM_GETICON:
        return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? window->bigIcon : window->smallIcon);
    case WM_CHANGEUISTATE:
    case WM_UPDATEUISTATE:
    case WM_QUERYUISTATE:
        return DefUIStateProc(*window, Msg, wParam);
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            SendMessage(hWnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    default:
        return 0;
    }
}

bool IsWindowOfClass(HWND hWnd, const char* className)
{
    Window* window = FindWindowObject(hWnd);
    return window != nullptr && CompareAsciiNoCase(window->className, className) == 0;
}

HWND GetParent(HWND hWnd)
{
    Window* window = FindWindowObject(hWnd);
    return window != nullptr ? window->parent : nullptr;
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem)
{
    Window* dialog = FindWindowObject(hDlg);
    if (dialog == nullptr)
        return nullptr;
    for (HWND child : dialog->children) {
        if (FindWindowObject(child)->id == nIDDlgItem)
            return child;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hWnd)
{
    Window* window = FindWindowObject(hWnd);
    return window != nullptr ? window->id : 0;
}

HWND GetWindowChild(HWND hWnd, int nIndex)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr || nIndex < 0 || nIndex >= static_cast<int>(window->children.size()))
        return nullptr;
    return window->children[static_cast<size_t>(nIndex)];
}

int GetWindowChildCount(HWND hWnd)
{
    Window* window = FindWindowObject(hWnd);
    return window != nullptr ? static_cast<int>(window->children.size()) : 0;
}

LONG GetWindowLong(HWND hWnd, int nIndex)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr)
        return 0;
    switch (nIndex) {
    case GWL_STYLE:
        return static_cast<LONG>(window->style);
    case GWL_EXSTYLE:
        return static_cast<LONG>(window->exStyle);
    case GWL_ID:
        return window->id;
    default:
        return 0;
    }
}

LONG SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr)
        return 0;
    LONG previous = GetWindowLong(hWnd, nIndex);
    switch (nIndex) {
    case GWL_STYLE:
        window->style = static_cast<DWORD>(dwNewLong);
        break;
    case GWL_EXSTYLE:
        window->exStyle = static_cast<DWORD>(dwNewLong);
        break;
    case GWL_ID:
        window->id = dwNewLong;
        break;
    default:
        return 0;
    }
    return previous;
}

LONG_PTR GetWindowLongPtr(HWND hWnd, int nIndex)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr)
        return 0;
    if (nIndex == GWLP_WNDPROC)
        return reinterpret_cast<LONG_PTR>(window->proc);
    if (nIndex == GWLP_USERDATA)
        return window->userData;
    if (nIndex == DWLP_MSGRESULT)
        return window->msgResult;
    return GetWindowLong(hWnd, nIndex);
}

LONG_PTR SetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr)
        return 0;
    LONG_PTR previous = GetWindowLongPtr(hWnd, nIndex);
    if (nIndex == GWLP_WNDPROC)
        window->proc = reinterpret_cast<WNDPROC>(dwNewLong);
    else if (nIndex == GWLP_USERDATA)
        window->userData = dwNewLong;
    else if (nIndex == DWLP_MSGRESULT)
        window->msgResult = dwNewLong;
    else
        return SetWindowLong(hWnd, nIndex, static_cast<LONG>(dwNewLong));
    return previous;
}

int GetClassName(HWND hWnd, LPTSTR lpClassName, int nMaxCount)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr)
        return 0;
    return CopyText(window->className, lpClassName, nMaxCount);
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr || lpRect == nullptr)
        return FALSE;
    *lpRect = window->rect;
    return TRUE;
}

BOOL SetWindowText(HWND hWnd, LPCTSTR lpString)
{
    return static_cast<BOOL>(SendMessage(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowText(HWND hWnd, LPTSTR lpString, int nMaxCount)
{
    return static_cast<int>(
        SendMessage(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLength(HWND hWnd)
{
    return static_cast<int>(SendMessage(hWnd, WM_GETTEXTLENGTH, 0, 0));
}
