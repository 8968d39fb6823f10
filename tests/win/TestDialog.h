// A dialog for the window system's tests: a template with the main dialog's 42 controls
// (their kinds, IDs, captions and places), and a dialog procedure that records the
// commands it receives and ends the dialog on OK and Cancel.
#pragma once

#include <functional>
#include <vector>

#include "HeadlessDriver.h"
#include "dlgtemplate.h"
#include "winuser.h"

const DLGTEMPLATE_QV& MainDialogTemplate();

struct Command {
    int id;
    int code;
};

class TestDialog {
public:
    explicit TestDialog(const DLGTEMPLATE_QV& dialogTemplate = MainDialogTemplate(), LPARAM initParam = 0);
    ~TestDialog();
    TestDialog(const TestDialog&) = delete;
    TestDialog& operator=(const TestDialog&) = delete;

    HWND Handle() const { return m_hDlg; }
    HWND Item(int id) const { return GetDlgItem(m_hDlg, id); }

    // Every WM_COMMAND the dialog received, in order.
    std::vector<Command> commands;
    LPARAM initParamSeen = 0;
    // Called for each EN_CHANGE, with the edit.
    std::function<void(HWND hEdit)> onEditChange;

private:
    static INT_PTR DialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam);
    static TestDialog* s_creating;

    HWND m_hDlg = nullptr;
};

// The text of a window, read as the program reads it.
std::string WindowText(HWND hWnd);
