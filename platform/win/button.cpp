// The BUTTON class: push buttons, check boxes and group boxes.
#include "window.h"

namespace {

struct ButtonData : WindowClassData {
    int check = BST_UNCHECKED;
};

bool IsCheckBox(const Window& window)
{
    DWORD type = window.style & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
}

void SetCheck(Window& window, int check)
{
    ButtonData& data = ClassDataOf<ButtonData>(window);
    if (data.check == check)
        return;
    data.check = check;
    NotifyDriver(window.handle, WindowChange::Check);
}

// A click toggles an automatic check box first, then tells the parent.
void Click(Window& window)
{
    HWND hWnd = window.handle;
    if ((window.style & BS_TYPEMASK) == BS_AUTOCHECKBOX)
        SetCheck(window, ClassDataOf<ButtonData>(window).check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    if ((window.style & BS_TYPEMASK) != BS_GROUPBOX)
        NotifyParent(hWnd, BN_CLICKED);
}

// A group box only frames other controls; push buttons say whether they are the default.
LRESULT DialogCode(const Window& window)
{
    switch (window.style & BS_TYPEMASK) {
    case BS_GROUPBOX:
        return DLGC_STATIC;
    case BS_PUSHBUTTON:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    default:
        return DLGC_BUTTON;
    }
}

}  // namespace

LRESULT ButtonWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Window* window = FindWindowObject(hWnd);
    switch (msg) {
    case BM_GETCHECK:
        return IsCheckBox(*window) ? ClassDataOf<ButtonData>(*window).check : BST_UNCHECKED;
    case BM_SETCHECK:
        // Sets the state and tells nobody but the display.
        if (IsCheckBox(*window))
            SetCheck(*window, wParam == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED);
        return 0;
    case BM_CLICK:
        Click(*window);
        return 0;
    case WM_GETDLGCODE:
        return DialogCode(*window);
    default:
        return DefWindowProc(hWnd, msg, wParam, lParam);
    }
}
