// The UI state of a window tree: which keyboard cues are hidden. Focus cues start
// hidden and show once the user moves the focus with the keyboard; a change made
// anywhere in the tree goes up to the top-level window, which hands it to every window
// below it, so the whole tree agrees.
#include "window.h"

namespace {

WORD StateAfter(WORD state, WPARAM wParam)
{
    if (LOWORD(wParam) == UIS_CLEAR)
        return static_cast<WORD>(state & ~HIWORD(wParam));
    return state;
}

// A child hands the change to its parent; the top-level window applies it to its tree
// when it changes anything.
LRESULT ChangeUIState(Window& window, WPARAM wParam)
{
    if ((window.style & WS_CHILD) && window.parent != nullptr)
        return SendMessage(window.parent, WM_CHANGEUISTATE, wParam, 0);
    if (StateAfter(window.uiState, wParam) != window.uiState)
        SendMessage(window.handle, WM_UPDATEUISTATE, wParam, 0);
    return 0;
}

void UpdateUIState(Window& window, WPARAM wParam)
{
    WORD state = StateAfter(window.uiState, wParam);
    if (state != window.uiState) {
        window.uiState = state;
        NotifyDriver(window.handle, WindowChange::UIState);
    }
    std::vector<HWND> children = window.children;
    for (HWND hChild : children)
        SendMessage(hChild, WM_UPDATEUISTATE, wParam, 0);
}

}  // namespace

LRESULT DefUIStateProc(Window& window, UINT msg, WPARAM wParam)
{
    switch (msg) {
    case WM_CHANGEUISTATE:
        return ChangeUIState(window, wParam);
    case WM_UPDATEUISTATE:
        UpdateUIState(window, wParam);
        return 0;
    default:  // WM_QUERYUISTATE
        return window.uiState;
    }
}

// A child starts as its parent stands; a top-level window hides its focus cues until
// the keyboard is used.
WORD InitialUIState(HWND hWndParent, DWORD style)
{
    Window* parent = FindWindowObject(hWndParent);
    if ((style & WS_CHILD) && parent != nullptr)
        return parent->uiState;
    return UISF_HIDEFOCUS;
}
