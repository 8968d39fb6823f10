#include "AfxMessageBox.h"

#include "CString.h"
#include "CWinApp.h"
#include "CWnd.h"

namespace {

// The main window; without one, the top-level window that holds the focus.
HWND SafeOwner(CWinApp* pApp)
{
    if (pApp != nullptr && pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->GetSafeHwnd() != nullptr)
        return pApp->m_pMainWnd->GetSafeHwnd();
    HWND hWnd = ::GetFocus();
    while (hWnd != nullptr && ::GetParent(hWnd) != nullptr)
        hWnd = ::GetParent(hWnd);
    return hWnd;
}

}  // namespace

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT)
{
    CWinApp* pApp = AfxGetApp();
    LPCTSTR lpszCaption = pApp != nullptr ? pApp->m_pszAppName : nullptr;
    return ::MessageBox(SafeOwner(pApp), lpszText, lpszCaption, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    if (!text.LoadString(nIDPrompt))
        return 0;
    return AfxMessageBox(text, nType, nIDHelp);
}
