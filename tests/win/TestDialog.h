// A dialog for the window system's tests: a template with one or two controls of each
// kind that the main dialog has, in an order that mixes them as it does, and a dialog
// procedure that records the commands it receives and ends the dialog on OK and Cancel.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "HeadlessDriver.h"
#include "dlgtemplate.h"
#include "winuser.h"

const DLGTEMPLATE_QV& TestDialogTemplate();

struct Command {
    int id;
    int code;
};

class TestDialog {
public:
    explicit TestDialog(const DLGTEMPLATE_QV& dialogTemplate = TestDialogTemplate());
    ~TestDialog() { DestroyWindow(m_hDlg); }
    TestDialog(const TestDialog&) = delete;
    TestDialog& operator=(const TestDialog&) = delete;

    HWND Handle() const { return m_hDlg; }
    HWND Item(int id) const { return GetDlgItem(m_hDlg, id); }
    std::vector<int> CommandIds() const;

    std::vector<Command> commands;                   // every WM_COMMAND, in order
    std::function<void(HWND hEdit)> onEditChange;  // called for each EN_CHANGE

private:
    static INT_PTR DialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND m_hDlg = nullptr;
};

std::string WindowText(HWND hWnd);
