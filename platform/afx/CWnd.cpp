#include "CWnd.h"

#include <vector>

#include "CHandleMap.h"

CWnd::~CWnd()
{
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
    std::vector<char> buffer(static_cast<size_t>(GetWindowTextLength()) + 1);
    int length = ::GetWindowText(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    rString = CString(buffer.data(), length);
}
