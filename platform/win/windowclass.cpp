// The window classes: the built-in controls and those the program registers.
#include <map>

#include "asciicase.h"
#include "commctrl.h"
#include "toolbar.h"
#include "window.h"

namespace {

// Class names compare without regard to case, as the platform's do.
struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const
    {
        return CompareAsciiNoCase(a, b) < 0;
    }
};

std::map<std::string, WNDPROC, CaseInsensitiveLess>& Classes()
{
    static std::map<std::string, WNDPROC, CaseInsensitiveLess> classes = {
        {DIALOG_CLASS_NAME, DefDlgProc},
        {"BUTTON", ButtonWndProc},
        {"COMBOBOX", ComboBoxWndProc},
        {"EDIT", EditWndProc},
        // Scroll bars keep nothing of their own: what a user does to them changes nothing.
        {"SCROLLBAR", DefWindowProc},
        {"STATIC", StaticWndProc},
        {WC_LISTVIEW, ListViewWndProc},
        {TOOLBARCLASSNAME, ToolbarWndProc},
    };
    return classes;
}

}  // namespace

WNDPROC FindClassProc(const std::string& className)
{
    auto it = Classes().find(className);
    return it == Classes().end() ? nullptr : it->second;
}

BOOL RegisterClass(const WNDCLASS* lpWndClass)
{
    if (lpWndClass == nullptr || lpWndClass->lpszClassName == nullptr || lpWndClass->lpfnWndProc == nullptr)
        return FALSE;
    return Classes().emplace(lpWndClass->lpszClassName, lpWndClass->lpfnWndProc).second ? TRUE : FALSE;
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce)
{
    // The common controls are built in; there is nothing to load.
    return picce != nullptr && picce->dwSize == sizeof(INITCOMMONCONTROLSEX) ? TRUE : FALSE;
}
