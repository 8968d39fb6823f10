// Inside the window system: the object behind a window handle, the table of live
// windows, and the per-class state that each control class keeps with its window.
// Only the window system's own sources include this header.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "displaydriver.h"
#include "winuser.h"

// The class of dialog windows.
constexpr char DIALOG_CLASS_NAME[] = "#32770";

// State that a window class keeps for each of its windows (a check, a list's rows...).
struct WindowClassData {
    virtual ~WindowClassData() = default;
};

struct Window {
    HWND handle = nullptr;
    std::string className;
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    std::string text;  // code page 936 bytes
    RECT rect{};       // as given at creation
    HWND parent = nullptr;       // for a window without WS_CHILD, its owner
    std::vector<HWND> children;  // creation order; owned windows are not children
    bool iconic = false;         // minimised (ShowWindow)
    HICON bigIcon = nullptr;     // WM_SETICON
    HICON smallIcon = nullptr;
    WORD uiState = 0;            // the UISF_ elements hidden (WM_QUERYUISTATE)
    WNDPROC proc = nullptr;
    LONG_PTR userData = 0;
    LONG_PTR msgResult = 0;  // DWLP_MSGRESULT of a dialog
    std::unique_ptr<WindowClassData> classData;
};

// The live window behind a handle, or nullptr for a handle that names none.
Window* FindWindowObject(HWND hWnd);

// The class data of a live window, created on first use.
template <class T>
T& ClassDataOf(Window& window)
{
    if (!window.classData)
        window.classData = std::make_unique<T>();
    return static_cast<T&>(*window.classData);
}

// Sends WM_COMMAND with the window's ID and a notification code to its parent.
void NotifyParent(HWND hWnd, WORD code);

// Tells the display driver that something visible changed.
void NotifyDriver(HWND hWnd, WindowChange change);
// Tells the display driver of one row of a list view or one item of a combo box.
void NotifyDriverOfRow(HWND hWnd, ListRowChange change, int row);

// Drops the keyboard focus, without messages, if the window about to go holds it.
void ForgetFocus(HWND hWnd);

// The UI state messages as DefWindowProc handles them (WM_CHANGEUISTATE,
// WM_UPDATEUISTATE, WM_QUERYUISTATE).
LRESULT DefUIStateProc(Window& window, UINT msg, WPARAM wParam);

// The UI state a new window starts with.
WORD InitialUIState(HWND hWndParent, DWORD style);

// The procedure of a registered or built-in window class, or nullptr.
WNDPROC FindClassProc(const std::string& className);

// Built-in window classes. WM_KEYDOWN from the user's input (input.h) carries the
// modifier bits (MK_SHIFT_KEY ...) in its lParam.
LRESULT ButtonWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ComboBoxWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT EditWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ListViewWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT StaticWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Selects one row of a list view alone and gives it the focus, as a click on it does;
// a row of -1 (a click below the rows) leaves no row selected.
void SelectListRowAlone(HWND hWnd, int row);

// Whether a window is of the named class, compared as the platform compares class names.
bool IsWindowOfClass(HWND hWnd, const char* className);

// Copies a text into a caller's buffer of bufferSize bytes, cut to fit before its
// terminating zero; returns the bytes copied, 0 where there is no buffer.
int CopyText(const std::string& text, LPTSTR buffer, int bufferSize);
