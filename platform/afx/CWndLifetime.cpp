// CWnd's run-time class and the end of its window.
#include "CWnd.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BOOL CWnd::DestroyWindow()
{
    HWND hWnd = m_hWnd;
    if (hWnd == nullptr)
        return FALSE;
    BOOL destroyed = ::DestroyWindow(hWnd);
    // Whatever handled the window's last message may have let go of it already.
    if (m_hWnd == hWnd)
        Detach();
    return destroyed;
}

void CWnd::OnFinalRelease()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    else
        PostNcDestroy();
}

void CWnd::PostNcDestroy() {}
