#include "TestDialog.h"

#include "commctrl.h"

namespace {

constexpr DWORD PUSH = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD CHECK = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD EDIT = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD LIST = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP;

const DLGITEMTEMPLATE_QV ITEMS[] = {
    {LIST | CBS_DROPDOWN | CBS_SORT, 0, 69, 230, 85, 38, 1000, "COMBOBOX", ""},
    {PUSH, 0, 157, 230, 92, 13, 1001, "BUTTON", "Reflash USB"},
    {WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 0, 14, 49, 74, 8, -1, "STATIC", "Dead Band(0.2-51us ) "},
    {EDIT, 0, 101, 43, 46, 12, 1003, "EDIT", ""},
    {EDIT | ES_NUMBER, 0, 233, 65, 49, 12, 1005, "EDIT", ""},
    {EDIT & ~WS_VISIBLE, 0, 243, 183, 58, 12, 1011, "EDIT", ""},
    {EDIT, 0, 101, 131, 55, 12, 1012, "EDIT", ""},
    {WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 7, 29, 305, 173, -1, "BUTTON", "Servo Config"},
    {PUSH, 0, 75, 211, 60, 14, 1014, "BUTTON", "Read Config"},
    {WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 146, 42, 10, 13, 1018, "SCROLLBAR", ""},
    {LIST | CBS_DROPDOWNLIST, 0, 233, 42, 57, 43, 1016, "COMBOBOX", ""},
    {WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT, 0, 7, 257, 305, 71, 1026, WC_LISTVIEW, ""},
    {CHECK, 0, 18, 155, 59, 10, 1027, "BUTTON", "Internal OSC"},
    {LIST | CBS_DROPDOWNLIST, 0, 233, 133, 48, 83, 1029, "COMBOBOX", ""},
    {CHECK, 0, 18, 179, 59, 10, 1033, "BUTTON", "100%PWM"},
    {PUSH, 0, 67, 7, 50, 14, 1037, "BUTTON", "Save"},
};

const DLGTEMPLATE_QV TEMPLATE = {
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    WS_EX_APPWINDOW, 0, 0, 319, 335, "Quorvel", "Tahoma", 9, 700, 0, 0, ITEMS,
    static_cast<int>(sizeof ITEMS / sizeof ITEMS[0]),
};

}  // namespace

const DLGTEMPLATE_QV& TestDialogTemplate()
{
    return TEMPLATE;
}

TestDialog::TestDialog(const DLGTEMPLATE_QV& dialogTemplate)
{
    m_hDlg = CreateDialogIndirectParam(nullptr, &dialogTemplate, nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
}

std::vector<int> TestDialog::CommandIds() const
{
    std::vector<int> ids;
    for (const Command& c : commands)
        ids.push_back(c.id);
    return ids;
}

INT_PTR TestDialog::DialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtr(hDlg, GWLP_USERDATA, lParam);
        return TRUE;
    }
    auto* dialog = reinterpret_cast<TestDialog*>(GetWindowLongPtr(hDlg, GWLP_USERDATA));
    if (msg != WM_COMMAND || dialog == nullptr)
        return FALSE;
    dialog->commands.push_back({LOWORD(wParam), HIWORD(wParam)});
    if (HIWORD(wParam) == EN_CHANGE && dialog->onEditChange)
        dialog->onEditChange(reinterpret_cast<HWND>(lParam));
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
        EndDialog(hDlg, LOWORD(wParam));
    return TRUE;
}

std::string WindowText(HWND hWnd)
{
    std::string text(static_cast<size_t>(GetWindowTextLength(hWnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowText(hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}
