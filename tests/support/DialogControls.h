// Windows for the dialog's check boxes and log list, created under a plain parent and
// attached to a CQuorvelDlg's members, for tests that need no dialog template.
#pragma once

#include "app/QuorvelDlg.h"

class DialogControls {
public:
    explicit DialogControls(CQuorvelDlg& dlg);
    ~DialogControls();
    DialogControls(const DialogControls&) = delete;
    DialogControls& operator=(const DialogControls&) = delete;

    HWND Parent() const { return m_hParent; }

private:
    CQuorvelDlg& m_dlg;
    HWND m_hParent;
};
