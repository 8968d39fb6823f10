// A window object of the class library: a C++ object attached to one window handle,
// through which the program sends the window its messages.
#pragma once

#include "CCmdTarget.h"
#include "CString.h"
#include "winuser.h"

class CWnd : public CCmdTarget {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    ~CWnd() override;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Binds this object to a window, and lets it go again.
    BOOL Attach(HWND hWndNew);
    HWND Detach();

    // The object attached to a window; for a window that has none, a temporary object
    // of the class matching the window's class, kept until the window is gone.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);

    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetWindowText(LPCTSTR lpszString);
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }

    // Run-time class, destruction of the window, and the end of automation's references.
    DECLARE_DYNAMIC(CWnd)
public:
    // Destroys the window and lets go of its handle.
    virtual BOOL DestroyWindow();
    // Destroys the window when there is one, and otherwise runs PostNcDestroy.
    void OnFinalRelease() override;

protected:
    // The last step of a window's destruction; does nothing here.
    virtual void PostNcDestroy();
};
