// The real main dialog, opened modally under a headless driver for one fuzz input: the
// target's steps run while it is open, then it closes.
#pragma once

#include <functional>
#include <string>

#include "app/QuorvelDlg.h"
#include "support/ModalTestDriver.h"

class MainDialogRun {
public:
    MainDialogRun();

    // Opens the dialog, runs the steps with it open, and closes it.
    void Run(const std::function<void()>& whileOpen);

    HWND Item(int nID) const { return ::GetDlgItem(dlg.m_hWnd, nID); }
    std::string Text(int nID) const { return HeadlessDriver::TextOf(dlg.m_hWnd, nID); }
    int LogRows() const { return dlg.m_listLog.GetItemCount(); }
    // The user clicks a control of the open dialog.
    void Click(int nID) const;
    // The user selects the whole text of an edit and pastes text over it.
    void PasteOver(int nID, const std::string& text) const;

    ModalTestDriver driver;
    CQuorvelDlg dlg;
};
