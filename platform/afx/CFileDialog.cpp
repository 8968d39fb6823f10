#include "CFileDialog.h"

#include <algorithm>
#include <cstring>

#include "CWinApp.h"

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd, DWORD, BOOL)
    : CDialog(0, pParentWnd), m_ofn{}, m_bOpenFileDialog(bOpenFileDialog), m_szFileName{}
{
    if (lpszFileName != nullptr)
        std::strncpy(m_szFileName, lpszFileName, sizeof m_szFileName - 1);
    if (lpszFilter != nullptr) {
        m_strFilter = lpszFilter;
        std::replace(m_strFilter.begin(), m_strFilter.end(), '|', '\0');
    }
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFilter = lpszFilter != nullptr ? m_strFilter.c_str() : nullptr;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName;
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
    m_ofn.lpstrDefExt = lpszDefExt;
}

INT_PTR CFileDialog::DoModal()
{
    // Without an owner of its own, the chooser belongs to the main window.
    CWnd* pOwner = m_pParentWnd;
    if (pOwner == nullptr && AfxGetApp() != nullptr)
        pOwner = AfxGetApp()->m_pMainWnd;
    m_ofn.hwndOwner = pOwner != nullptr ? pOwner->m_hWnd : nullptr;
    BOOL chosen = m_bOpenFileDialog ? GetOpenFileName(&m_ofn) : GetSaveFileName(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}
