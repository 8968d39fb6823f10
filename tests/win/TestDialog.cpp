#include "TestDialog.h"

#include <map>
#include <string>

#include "commctrl.h"

namespace {

constexpr DWORD PUSH = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD CHECK = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD GROUP = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD LABEL = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
constexpr DWORD EDIT = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD DIGITS = EDIT | ES_NUMBER;
constexpr DWORD HIDDEN = EDIT & ~WS_VISIBLE;
constexpr DWORD DROPDOWN = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT;
constexpr DWORD DROPLIST = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr DWORD SCROLL = WS_CHILD | WS_VISIBLE | SBS_VERT;
constexpr DWORD REPORT = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT;

const DLGITEMTEMPLATE_QV ITEMS[] = {
    {DROPDOWN, 0, 69, 230, 85, 38, 1000, "COMBOBOX", ""},
    {PUSH, 0, 157, 230, 92, 13, 1001, "BUTTON", "Reflash USB"},
    {LABEL, 0, 14, 49, 74, 8, -1, "STATIC", "Dead Band(0.2-51us ) "},
    {EDIT, 0, 101, 43, 46, 12, 1003, "EDIT", ""},
    {LABEL, 0, 162, 45, 38, 8, -1, "STATIC", "Stretcher :"},
    {LABEL, 0, 162, 67, 66, 8, -1, "STATIC", "Boost( n x12.8us )"},
    {DIGITS, 0, 233, 65, 49, 12, 1005, "EDIT", ""},
    {LABEL, 0, 15, 70, 69, 8, -1, "STATIC", "Max. Duty(1-255)"},
    {DIGITS, 0, 101, 65, 46, 12, 1006, "EDIT", ""},
    {LABEL, 0, 162, 90, 60, 8, -1, "STATIC", "Pulse Upper( us )"},
    {DIGITS, 0, 233, 86, 49, 12, 1007, "EDIT", ""},
    {LABEL, 0, 16, 93, 58, 8, -1, "STATIC", "Pulse Lower( us )"},
    {DIGITS, 0, 101, 87, 46, 12, 1008, "EDIT", ""},
    {LABEL, 0, 162, 113, 71, 8, -1, "STATIC", "Right Range(-64+64)"},
    {EDIT, 0, 233, 109, 50, 12, 1009, "EDIT", ""},
    {LABEL, 0, 15, 114, 85, 8, -1, "STATIC", "Left Range(-64-+64)"},
    {EDIT, 0, 101, 109, 46, 12, 1010, "EDIT", ""},
    {LABEL, 0, 162, 137, 69, 8, -1, "STATIC", "Drive Frequency(Hz) :"},
    {HIDDEN, 0, 243, 183, 58, 12, 1011, "EDIT", ""},
    {LABEL, 0, 16, 137, 68, 8, -1, "STATIC", "Neutral(+_1000)"},
    {EDIT, 0, 101, 131, 55, 12, 1012, "EDIT", ""},
    {GROUP, 0, 7, 29, 305, 173, -1, "BUTTON", "Servo Config"},
    {GROUP, 0, 7, 203, 305, 48, -1, "BUTTON", "Program"},
    {PUSH, 0, 182, 213, 60, 13, 1013, "BUTTON", "Write Config"},
    {PUSH, 0, 75, 211, 60, 14, 1014, "BUTTON", "Read Config"},
    {SCROLL, 0, 147, 87, 10, 13, 1017, "SCROLLBAR", ""},
    {SCROLL, 0, 146, 42, 10, 13, 1018, "SCROLLBAR", ""},
    {SCROLL, 0, 280, 86, 10, 13, 1019, "SCROLLBAR", ""},
    {SCROLL, 0, 281, 63, 10, 13, 1020, "SCROLLBAR", ""},
    {SCROLL, 0, 146, 65, 10, 13, 1021, "SCROLLBAR", ""},
    {DROPLIST, 0, 233, 42, 57, 43, 1016, "COMBOBOX", ""},
    {SCROLL, 0, 147, 109, 10, 13, 1022, "SCROLLBAR", ""},
    {SCROLL, 0, 281, 107, 10, 13, 1023, "SCROLLBAR", ""},
    {REPORT, 0, 7, 257, 305, 71, 1026, WC_LISTVIEW, ""},
    {CHECK, 0, 18, 155, 59, 10, 1027, "BUTTON", "Internal OSC"},
    {PUSH, 0, 182, 183, 56, 14, 1028, "BUTTON", "Reset Paramet"},
    {DROPLIST, 0, 233, 133, 48, 83, 1029, "COMBOBOX", ""},
    {CHECK, 0, 18, 179, 59, 10, 1033, "BUTTON", "100%PWM"},
    {CHECK, 0, 102, 154, 59, 10, 1034, "BUTTON", "Inverter"},
    {CHECK, 0, 102, 178, 59, 10, 1035, "BUTTON", "Narrow Band"},
    {PUSH, 0, 7, 7, 50, 14, 1036, "BUTTON", "Load"},
    {PUSH, 0, 67, 7, 50, 14, 1037, "BUTTON", "Save"},
};

const DLGTEMPLATE_QV TEMPLATE = {
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    WS_EX_APPWINDOW,
    0,
    0,
    319,
    335,
    "Quorvel",
    "Tahoma",
    9,
    700,
    0,
    0,
    ITEMS,
    static_cast<int>(sizeof ITEMS / sizeof ITEMS[0]),
};

std::map<HWND, TestDialog*>& Dialogs()
{
    static std::map<HWND, TestDialog*> dialogs;
    return dialogs;
}

}  // namespace

TestDialog* TestDialog::s_creating = nullptr;

const DLGTEMPLATE_QV& MainDialogTemplate()
{
    return TEMPLATE;
}

TestDialog::TestDialog(const DLGTEMPLATE_QV& dialogTemplate, LPARAM initParam)
{
    s_creating = this;
    m_hDlg = CreateDialogIndirectParam(nullptr, &dialogTemplate, nullptr, DialogProc, initParam);
    s_creating = nullptr;
}

TestDialog::~TestDialog()
{
    Dialogs().erase(m_hDlg);
    DestroyWindow(m_hDlg);
}

INT_PTR TestDialog::DialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (s_creating != nullptr) {
        Dialogs()[hDlg] = s_creating;
        s_creating = nullptr;
    }
    auto found = Dialogs().find(hDlg);
    if (found == Dialogs().end())
        return FALSE;
    TestDialog& dialog = *found->second;
    switch (msg) {
    case WM_INITDIALOG:
        dialog.initParamSeen = lParam;
        return TRUE;
    case WM_COMMAND:
        dialog.commands.push_back({LOWORD(wParam), HIWORD(wParam)});
        if (HIWORD(wParam) == EN_CHANGE && dialog.onEditChange)
            dialog.onEditChange(reinterpret_cast<HWND>(lParam));
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(hDlg, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

std::string WindowText(HWND hWnd)
{
    std::string text(static_cast<size_t>(GetWindowTextLength(hWnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowText(hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}
