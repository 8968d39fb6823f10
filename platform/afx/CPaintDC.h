// The device context of one WM_PAINT: BeginPaint when constructed, EndPaint when
// destroyed.
#pragma once

#include "CDC.h"
#include "CWnd.h"

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
    ~CPaintDC() override { ::EndPaint(m_hWnd, &m_ps); }

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd;
};
