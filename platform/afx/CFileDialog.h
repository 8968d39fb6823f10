// The open and save file choosers. The filter text is the class library's form,
// descriptions and patterns each followed by '|'; the chooser itself is the display
// driver's.
#pragma once

#include <string>

#include "CDialog.h"
#include "commdlg.h"

class CFileDialog : public CDialog {
public:
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);

    // IDOK when a file was chosen, IDCANCEL otherwise.
    INT_PTR DoModal();
    CString GetPathName() const { return CString(m_szFileName); }

    OPENFILENAME m_ofn;

private:
    BOOL m_bOpenFileDialog;
    std::string m_strFilter;  // '|' turned into NUL
    char m_szFileName[4096];
};
