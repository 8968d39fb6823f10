// The EDIT class: a one-line text field. Every change of its text, by the user or by
// WM_SETTEXT, sends EN_CHANGE to the parent before the change returns.
#include "editfield.h"
#include "input.h"
#include "window.h"

namespace {

struct EditData : WindowClassData {
    explicit EditData(std::string& text) : field(text) {}

    EditField field;
    // EN_CHANGE is being delivered, and how many more changes it has still to report.
    bool notifying = false;
    int changesToReport = 0;
};

EditData& EditDataOf(Window& window)
{
    if (!window.classData)
        window.classData = std::make_unique<EditData>(window.text);
    return static_cast<EditData&>(*window.classData);
}

// A change made while this edit's own EN_CHANGE is being handled is reported once that
// handler has returned, in this loop, rather than from inside it: a handler that
// changes the text again and again (a filter removing one byte a run) then runs one
// run after the other instead of nesting one run in the other, and sees the same texts.
void ReportChange(HWND hWnd)
{
    EditData& data = EditDataOf(*FindWindowObject(hWnd));
    ++data.changesToReport;
    if (data.notifying)
        return;
    data.notifying = true;
    while (true) {
        Window* window = FindWindowObject(hWnd);
        if (window == nullptr)
            return;  // a handler destroyed the edit
        EditData& current = EditDataOf(*window);
        if (current.changesToReport == 0) {
            current.notifying = false;
            return;
        }
        --current.changesToReport;
        NotifyParent(hWnd, EN_CHANGE);
    }
}

// Tells the display what changed, then the parent if the text did.
void Publish(HWND hWnd, EditChange change)
{
    NotifyDriverOfEdit(hWnd, change);
    if (change.text)
        ReportChange(hWnd);
}

bool IsDigit(const std::string& character)
{
    return character.size() == 1 && character[0] >= '0' && character[0] <= '9';
}

// A typed character replaces the selection; ES_NUMBER refuses all but digits, and
// a character that would pass the limit is refused too, with a beep.
void Type(HWND hWnd, Window& window, BYTE byte)
{
    if (byte < 0x20 || byte == 0x7F)
        return;  // control characters come as keys, not text
    EditField& field = EditDataOf(window).field;
    std::string character;
    if (!field.AssembleTypedByte(byte, character))
        return;
    if (((window.style & ES_NUMBER) && !IsDigit(character)) || !field.Fits(character.size())) {
        MessageBeep(MB_OK);
        return;
    }
    Publish(hWnd, field.ReplaceSelection(character));
}

LRESULT SetText(HWND hWnd, Window& window, LPCTSTR text)
{
    window.text = text != nullptr ? text : "";
    EditChange change = EditDataOf(window).field.CaretToStart();
    change.text = true;
    Publish(hWnd, change);
    return TRUE;
}

LRESULT GetSelection(const EditField& field, WPARAM wParam, LPARAM lParam)
{
    DWORD start = static_cast<DWORD>(field.SelectionStart());
    DWORD end = static_cast<DWORD>(field.SelectionEnd());
    if (wParam != 0)
        *reinterpret_cast<DWORD*>(wParam) = start;
    if (lParam != 0)
        *reinterpret_cast<DWORD*>(lParam) = end;
    return static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(start, end)));
}

}  // namespace

LRESULT EditWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Window* window = FindWindowObject(hWnd);
    EditField& field = EditDataOf(*window).field;
    switch (msg) {
    case WM_SETTEXT:
        return SetText(hWnd, *window, reinterpret_cast<LPCTSTR>(lParam));
    case WM_CHAR:
        Type(hWnd, *window, static_cast<BYTE>(wParam));
        return 0;
    case WM_KEYDOWN:
        Publish(hWnd, field.Key(static_cast<UINT>(wParam), (lParam & MK_SHIFT_KEY) != 0));
        return 0;
    case EM_REPLACESEL:
        // What the user pastes: ES_NUMBER does not apply, the limit does.
        Publish(hWnd, field.ReplaceSelection(lParam != 0 ? reinterpret_cast<LPCTSTR>(lParam) : ""));
        return 0;
    case EM_GETSEL:
        return GetSelection(field, wParam, lParam);
    case EM_SETSEL:
        Publish(hWnd, field.Select(static_cast<int>(static_cast<INT_PTR>(wParam)), static_cast<int>(lParam)));
        return 0;
    case EM_LIMITTEXT:
        field.SetLimit(static_cast<size_t>(wParam));
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    default:
        return DefWindowProc(hWnd, msg, wParam, lParam);
    }
}
