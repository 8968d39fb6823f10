#include "CDialog.h"

#include <cstring>

#include "CPaintDC.h"
#include "CWinApp.h"
#include "afxmsg_.h"
#include "dlgtemplate.h"
#include "displaydriver.h"
#include "moduleresources.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

// Little-endian fields of a resource, read without regard to alignment.
WORD ReadWord(const BYTE* p)
{
    return static_cast<WORD>(p[0] | (p[1] << 8));
}

DWORD ReadDword(const BYTE* p)
{
    return static_cast<DWORD>(ReadWord(p)) | (static_cast<DWORD>(ReadWord(p + 2)) << 16);
}

}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_pParentWnd(pParentWnd)
{
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = GetModuleHandle(nullptr);
    HRSRC hResource = FindResource(hInst, m_lpszTemplateName, RT_DIALOG);
    if (hResource == nullptr)
        return -1;
    auto* lpTemplate = static_cast<const DLGTEMPLATE_QV*>(LockResource(LoadResource(hInst, hResource)));

    HWND hWndParent = m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : nullptr;
    HWND hWnd = CreateDialogIndirectParam(hInst, lpTemplate, hWndParent, DialogProc, reinterpret_cast<LPARAM>(this));
    if (hWnd == nullptr) {
        Detach();
        return -1;
    }
    // OnInitDialog may already have ended it.
    if (!IsDialogEnded(hWnd))
        GetDisplayDriver().RunModalLoop(hWnd);
    INT_PTR nResult = IsDialogEnded(hWnd) ? GetDialogResult(hWnd) : -1;

    DetachChildren();
    ::DestroyWindow(hWnd);
    if (m_hWnd != nullptr)
        OnNcDestroy();
    return nResult;
}

BOOL CDialog::OnInitDialog()
{
    ExecuteDlgInit(m_lpszTemplateName);
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::EndDialog(int nResult)
{
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode)
{
    if (CWnd::OnCmdMsg(nID, nCode))
        return TRUE;
    if (nCode != CN_COMMAND)
        return FALSE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr ? pApp->OnCmdMsg(nID, nCode) : FALSE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::OnPaint()
{
    CPaintDC dc(this);
}

void CDialog::ExecuteDlgInit(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = GetModuleHandle(nullptr);
    HRSRC hResource = FindResource(hInst, lpszResourceName, RT_DLGINIT);
    if (hResource == nullptr)
        return;
    const BYTE* p = static_cast<const BYTE*>(LockResource(LoadResource(hInst, hResource)));
    const BYTE* end = p + SizeofResource(hInst, hResource);

    // Each record: control ID, message, length of the data, the data; a zero ID ends them.
    const size_t HEADER = 8;
    while (end - p >= 2 && ReadWord(p) != 0) {
        if (static_cast<size_t>(end - p) < HEADER)
            return;
        WORD nIDC = ReadWord(p);
        WORD nMsg = ReadWord(p + 2);
        DWORD dwLen = ReadDword(p + 4);
        p += HEADER;
        // A string must end inside its record.
        if (dwLen == 0 || dwLen > static_cast<size_t>(end - p) || p[dwLen - 1] != '\0')
            return;
        if (nMsg == CB_ADDSTRING)
            SendDlgItemMessage(m_hWnd, nIDC, nMsg, 0, reinterpret_cast<LPARAM>(p));
        p += dwLen;
    }
}

void CDialog::DetachChildren()
{
    for (int i = 0; i < GetWindowChildCount(m_hWnd); ++i) {
        if (CWnd* pChild = FromHandlePermanent(GetWindowChild(m_hWnd, i)))
            pChild->Detach();
    }
}

INT_PTR CDialog::DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* pDialog = reinterpret_cast<CDialog*>(lParam);
        pDialog->Attach(hDlg);
        return pDialog->OnInitDialog();
    }
    CWnd* pWnd = FromHandlePermanent(hDlg);
    if (pWnd == nullptr)
        return FALSE;
    LRESULT lResult = 0;
    if (!AfxCallWndMsg(pWnd, message, wParam, lParam, &lResult))
        return FALSE;
    // The answer to this message is the dialog procedure's own result; the others
    // travel in DWLP_MSGRESULT.
    if (message == WM_QUERYDRAGICON)
        return lResult;
    SetWindowLongPtr(hDlg, DWLP_MSGRESULT, lResult);
    return TRUE;
}
