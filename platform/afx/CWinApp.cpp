#include "CWinApp.h"

#include "afxmsg_.h"
#include "moduleresources.h"

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

namespace {

CWinApp* g_pApplication = nullptr;

}  // namespace

CWinApp* AfxGetApp()
{
    return g_pApplication;
}

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    if (lpszAppName != nullptr)
        SetAppNameIfUnset(lpszAppName);
    g_pApplication = this;
}

CWinApp::~CWinApp()
{
    if (g_pApplication == this)
        g_pApplication = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIcon(GetModuleHandle(nullptr), MAKEINTRESOURCE(nIDResource));
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
}

void CWinApp::SetAppNameIfUnset(LPCTSTR lpszName)
{
    if (m_pszAppName != nullptr)
        return;
    m_strAppName = lpszName;
    m_pszAppName = m_strAppName;
}

void CWinApp::OnHelp()
{
    MessageBeep(MB_OK);
}
