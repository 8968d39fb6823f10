// The application object and its start-up.
#include "app/Quorvel.h"

#include "app/QuorvelDlg.h"

BEGIN_MESSAGE_MAP(CQuorvelApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CQuorvelApp::CQuorvelApp() {}

CQuorvelApp g_app;

BOOL CQuorvelApp::InitInstance()
{
    INITCOMMONCONTROLSEX InitCtrls;
    InitCtrls.dwSize = sizeof(InitCtrls);
    InitCtrls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&InitCtrls);

    CWinApp::InitInstance();

    AfxEnableControlContainer();

    SetRegistryKey("应用程序向导生成的本地应用程序");

    CQuorvelDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    // The dialog has closed: end the program rather than start a message loop.
    return FALSE;
}
