// The dialog manager's keyboard interface: the tab order over the controls, and the
// keys that a dialog takes for itself (Enter, Esc, F1) or for a button (Space).
#include "dialogmanager.h"
#include "input.h"
#include "window.h"

namespace {

// The command that the class library's help handling listens for (ID_HELP).
constexpr WORD HELP_COMMAND = 0xE146;

// Group boxes and labels only frame and name the controls; they never take the focus.
bool IsTabStop(const Window& control)
{
    if (DialogCodeOf(control.handle) & DLGC_STATIC)
        return false;
    return (control.style & WS_TABSTOP) && (control.style & WS_VISIBLE) && !(control.style & WS_DISABLED);
}

// What the control answers for one key pressed in it, asked with the key's message.
LRESULT DialogCodeForKey(HWND hCtl, UINT vk, UINT modifiers)
{
    MSG msg{hCtl, WM_KEYDOWN, vk, static_cast<LPARAM>(modifiers), 0, POINT{0, 0}};
    return SendMessage(hCtl, WM_GETDLGCODE, vk, reinterpret_cast<LPARAM>(&msg));
}

void SendCommand(HWND hDlg, WORD id)
{
    SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hDlg, id)));
}

// Moving by keyboard shows the focus cues from then on.
void MoveFocusByTab(HWND hDlg, HWND hFocus, bool previous)
{
    SendMessage(hDlg, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    HWND hNext = NextTabStop(hDlg, hFocus, previous);
    if (hNext != nullptr)
        SetDialogFocus(hNext);
}

// Enter clicks a focused push button; anywhere else it is the OK command.
void PressEnter(HWND hDlg, HWND hFocus)
{
    if (IsPushButton(hFocus))
        SendMessage(hFocus, BM_CLICK, 0, 0);
    else
        SendCommand(hDlg, IDOK);
}

}  // namespace

LRESULT DialogCodeOf(HWND hCtl)
{
    return SendMessage(hCtl, WM_GETDLGCODE, 0, 0);
}

bool IsPushButton(HWND hWnd)
{
    return (DialogCodeOf(hWnd) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

bool IsButton(HWND hWnd)
{
    return (DialogCodeOf(hWnd) & DLGC_BUTTON) != 0;
}

HWND DialogOf(HWND hWnd)
{
    for (Window* window = FindWindowObject(hWnd); window != nullptr; window = FindWindowObject(window->parent)) {
        if (IsWindowOfClass(window->handle, DIALOG_CLASS_NAME))
            return window->handle;
        if (!(window->style & WS_CHILD))
            break;
    }
    return nullptr;
}

HWND NextTabStop(HWND hDlg, HWND hFrom, bool previous)
{
    Window* dialog = FindWindowObject(hDlg);
    if (dialog == nullptr || dialog->children.empty())
        return nullptr;
    const std::vector<HWND>& controls = dialog->children;
    int count = static_cast<int>(controls.size());
    int from = previous ? count : -1;
    for (int i = 0; i < count; ++i) {
        if (controls[static_cast<size_t>(i)] == hFrom)
            from = i;
    }
    int step = previous ? -1 : 1;
    for (int n = 1; n <= count; ++n) {
        int index = ((from + n * step) % count + count) % count;
        HWND hControl = controls[static_cast<size_t>(index)];
        if (IsTabStop(*FindWindowObject(hControl)))
            return hControl;
    }
    return nullptr;
}

void SetDialogFocus(HWND hCtl)
{
    if (DialogCodeOf(hCtl) & DLGC_HASSETSEL)
        SendMessage(hCtl, EM_SETSEL, 0, -1);
    SetFocus(hCtl);
}

bool HandleDialogKey(HWND hDlg, HWND hFocus, UINT vk, UINT modifiers)
{
    // A control that wants the key, such as an open drop list Enter and Esc, keeps it.
    if (DialogCodeForKey(hFocus, vk, modifiers) & DLGC_WANTMESSAGE)
        return false;
    bool shift = (modifiers & MK_SHIFT_KEY) != 0;
    bool controlOrAlt = (modifiers & (MK_CONTROL_KEY | MK_ALT_KEY)) != 0;
    switch (vk) {
    case VK_TAB:
        if (controlOrAlt)
            return false;
        MoveFocusByTab(hDlg, hFocus, shift);
        return true;
    case VK_RETURN:
        PressEnter(hDlg, hFocus);
        return true;
    case VK_ESCAPE:
        SendCommand(hDlg, IDCANCEL);
        return true;
    case VK_F1:
        if (modifiers != 0)
            return false;
        SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(HELP_COMMAND, 0), 0);
        return true;
    case VK_SPACE:
        if (!IsButton(hFocus))
            return false;
        SendMessage(hFocus, BM_CLICK, 0, 0);
        return true;
    default:
        return false;
    }
}
