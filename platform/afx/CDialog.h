// A dialog window built from a dialog template. DoModal runs it until EndDialog; the
// default OK takes the controls' values with validation before it ends the dialog,
// the default Cancel ends it at once.
#pragma once

#include "CWnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Creates the dialog from its template, runs it, destroys it; returns the result
    // given to EndDialog, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Fills the lists from the template's initialisation records and shows the members.
    virtual BOOL OnInitDialog();
    void EndDialog(int nResult);

    // A command that neither the dialog nor its bases handle goes to the application.
    BOOL OnCmdMsg(UINT nID, int nCode) override;

    UINT m_nIDHelp;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    void OnPaint();

    LPCTSTR m_lpszTemplateName;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    // Sends each record of the template's initialisation resource (RT_DLGINIT) to its control.
    void ExecuteDlgInit(LPCTSTR lpszResourceName);
    // Lets go of the objects attached to the dialog's controls before they go.
    void DetachChildren();
    static INT_PTR DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
};
