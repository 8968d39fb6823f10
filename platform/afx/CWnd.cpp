#include "CWnd.h"

#include <vector>

#include "CDataExchange.h"
#include "CException.h"
#include "CHandleMap.h"
#include "CWinApp.h"
#include "afxmsg_.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd()
{
    // The application never keeps a main window that no longer exists.
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this)
        pApp->m_pMainWnd = nullptr;
    if (m_hWnd != nullptr && CHandleMap::Instance().LookupPermanent(m_hWnd) == this)
        CHandleMap::Instance().RemoveHandle(m_hWnd);
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || m_hWnd != nullptr)
        return FALSE;
    m_hWnd = hWndNew;
    CHandleMap::Instance().SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && CHandleMap::Instance().LookupPermanent(hWnd) == this)
        CHandleMap::Instance().RemoveHandle(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return CHandleMap::Instance().FromHandle(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return CHandleMap::Instance().LookupPermanent(hWnd);
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

void CWnd::SetWindowText(LPCTSTR lpszString)
{
    ::SetWindowText(m_hWnd, lpszString);
}

void CWnd::GetWindowText(CString& rString) const
{
    int nLength = GetWindowTextLength();
    int nCopied = ::GetWindowText(m_hWnd, rString.GetBuffer(nLength + 1), nLength + 1);
    rString.ReleaseBuffer(nCopied);
}

CWnd* CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    BOOL bOldLockout = m_bLockoutNotify;
    m_bLockoutNotify = TRUE;
    DoDataExchange(&dx);
    m_bLockoutNotify = bOldLockout;
    return dx.HasFailed() ? FALSE : TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL AfxCallWndMsg(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    try {
        return pWnd->OnWndMsg(message, wParam, lParam, pResult);
    } catch (const CException& e) {
        e.ReportError();
        *pResult = 0;
        return TRUE;
    }
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!AfxCallWndMsg(this, message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    BOOL bHandled = FALSE;
    switch (message) {
    case WM_COMMAND:
        bHandled = OnCommand(wParam, lParam);
        lResult = bHandled;
        break;
    case WM_NOTIFY:
        bHandled = OnNotify(wParam, lParam, &lResult);
        break;
    case WM_NCDESTROY:
        // The window's own default handling still runs after the object has let go.
        OnNcDestroy();
        break;
    default:
        bHandled = OnWindowMessageFromMap(message, &lResult);
        break;
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return bHandled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // A control's notification while data exchange writes or reads the controls.
    if (lParam != 0 && m_bLockoutNotify)
        return TRUE;
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR == nullptr)
        return FALSE;
    if (m_bLockoutNotify && ::GetParent(pNMHDR->hwndFrom) == m_hWnd)
        return TRUE;
    return OnNotifyFromMap(pNMHDR, pResult);
}

BOOL CWnd::OnNotifyFromMap(NMHDR* pNMHDR, LRESULT* pResult)
{
    // Notification codes are negative numbers; the map holds their low 16 bits.
    const AFX_MSGMAP_ENTRY* entry = FindMessageMapEntry(GetMessageMap(), WM_NOTIFY, LOWORD(pNMHDR->code),
                                                        static_cast<UINT>(pNMHDR->idFrom));
    if (entry == nullptr || entry->nSig != AfxSig_vNMHDRpl)
        return FALSE;
    (this->*entry->pfnNotify)(pNMHDR, pResult);
    return TRUE;
}

BOOL CWnd::OnWindowMessageFromMap(UINT message, LRESULT* pResult)
{
    const AFX_MSGMAP_ENTRY* entry = FindMessageMapEntry(GetMessageMap(), message, 0, 0);
    if (entry == nullptr)
        return FALSE;
    switch (entry->nSig) {
    case AfxSig_vv:
        (this->*entry->pfn)();
        return TRUE;
    case AfxSig_hv:
        *pResult = reinterpret_cast<LRESULT>((this->*entry->pfnCursor)());
        return TRUE;
    default:
        return FALSE;
    }
}

void CWnd::OnNcDestroy()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this)
        pApp->m_pMainWnd = nullptr;
    Detach();
}
