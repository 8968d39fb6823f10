// The user's input, as a display driver reports it, applied through the same messages
// that the platform's keyboard and mouse would send.
#include "input.h"

#include "commctrl.h"
#include "dialogmanager.h"
#include "window.h"

namespace {

HWND TopLevelOf(HWND hWnd)
{
    Window* window = FindWindowObject(hWnd);
    while (window != nullptr && (window->style & WS_CHILD) && FindWindowObject(window->parent) != nullptr)
        window = FindWindowObject(window->parent);
    return window != nullptr ? window->handle : nullptr;
}

// Buttons and the controls that take keys take the focus; statics, group boxes and
// scroll bars never do.
bool TakesFocusOnClick(HWND hWnd)
{
    Window* window = FindWindowObject(hWnd);
    if (window == nullptr || !(window->style & WS_CHILD) || (window->style & WS_DISABLED) || !IsWindowVisible(hWnd))
        return false;
    LRESULT code = DialogCodeOf(hWnd);
    if (code & DLGC_STATIC)
        return false;
    return (code & (DLGC_BUTTON | DLGC_WANTCHARS | DLGC_WANTARROWS)) != 0;
}

bool TakesText(HWND hWnd)
{
    return (DialogCodeOf(hWnd) & DLGC_WANTCHARS) != 0;
}

}  // namespace

void UserKey(HWND hWndFocus, UINT vk, UINT modifiers)
{
    HWND hTarget = hWndFocus != nullptr ? hWndFocus : GetFocus();
    if (!IsWindow(hTarget))
        return;
    if (vk == VK_F4 && modifiers == MK_ALT_KEY) {
        UserClose(TopLevelOf(hTarget));
        return;
    }
    HWND hDlg = DialogOf(hTarget);
    if (hDlg != nullptr && HandleDialogKey(hDlg, hTarget, vk, modifiers))
        return;
    SendMessage(hTarget, WM_KEYDOWN, vk, static_cast<LPARAM>(modifiers));
}

// A double-byte character arrives as its two bytes, one WM_CHAR each.
void UserTypeText(HWND hWnd, LPCTSTR text)
{
    if (text == nullptr)
        return;
    for (const char* c = text; *c != '\0'; ++c)
        SendMessage(hWnd, WM_CHAR, static_cast<unsigned char>(*c), 0);
}

void UserPasteText(HWND hWnd, LPCTSTR text)
{
    if (text != nullptr && TakesText(hWnd))
        SendMessage(hWnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

void UserSelectText(HWND hWnd, int first, int last)
{
    if (IsWindowOfClass(hWnd, "EDIT"))
        SendMessage(hWnd, EM_SETSEL, static_cast<WPARAM>(static_cast<INT_PTR>(first)), last);
}

void UserClick(HWND hWnd)
{
    if (!TakesFocusOnClick(hWnd))
        return;
    SetFocus(hWnd);
    if (IsButton(hWnd))
        SendMessage(hWnd, BM_CLICK, 0, 0);
}

void UserClickListRow(HWND hWnd, int nRow)
{
    if (!IsWindowOfClass(hWnd, WC_LISTVIEW) || !TakesFocusOnClick(hWnd))
        return;
    SetFocus(hWnd);
    SelectListRowAlone(hWnd, nRow);
}

void UserChooseItem(HWND hWnd, int nIndex)
{
    if (!IsWindowOfClass(hWnd, "COMBOBOX") || nIndex < 0 || nIndex >= SendMessage(hWnd, CB_GETCOUNT, 0, 0))
        return;
    if (TakesFocusOnClick(hWnd))
        SetFocus(hWnd);
    SendMessage(hWnd, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    NotifyParent(hWnd, CBN_SELCHANGE);
}

void UserDropDown(HWND hWnd, BOOL bShow)
{
    if (!IsWindowOfClass(hWnd, "COMBOBOX"))
        return;
    if (bShow && TakesFocusOnClick(hWnd))
        SetFocus(hWnd);
    SendMessage(hWnd, CB_SHOWDROPDOWN, bShow, 0);
}

void UserClose(HWND hWnd)
{
    if (IsWindow(hWnd))
        SendMessage(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}
