// The state of one data exchange between a dialog's controls and its members: the
// direction, the control last prepared, and whether a field has been refused. Once a
// field is refused the exchange stops: every later DDX_ call does nothing.
#pragma once

#include "windef.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;  // TRUE: controls to members, with validation
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;

    // The control with the given ID, remembered for Fail; nullptr when the dialog has none.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);

    // The last prepared field is refused (its message has been shown): the focus goes to
    // it, an edit's whole text is selected, and the exchange stops.
    void Fail();
    BOOL HasFailed() const { return m_bFailed; }

private:
    BOOL m_bFailed = FALSE;
};
