// A window object of the class library: a C++ object attached to one window handle,
// through which the program sends the window its messages, and whose message map
// receives the window's messages, commands and notifications.
#pragma once

#include "CCmdTarget.h"
#include "CString.h"
#include "winuser.h"

class CDataExchange;

class CWnd;

// Hands a message to a window object's message map. An exception that a handler lets
// out ends that handler there and is shown to the user; the program goes on.
BOOL AfxCallWndMsg(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

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

    // Gives this window the keyboard focus; returns the window that had it.
    CWnd* SetFocus();
    // Sets the big (title bar, task switcher) or the small icon; returns the previous one.
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }

    // Moves data between the dialog's controls and its members: TRUE takes the
    // controls' contents with validation, FALSE shows the members. While it runs, the
    // window drops the notifications of its controls. FALSE when a field was refused.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // The window procedure of the class library: the message map first, then the
    // window's default handling.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Dispatches a message through the message map; FALSE when no entry handles it.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // WM_COMMAND and WM_NOTIFY; TRUE when handled (or dropped during data exchange).
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The window is gone: the object lets go of it.
    virtual void OnNcDestroy();

    DECLARE_MESSAGE_MAP()

private:
    BOOL OnNotifyFromMap(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnWindowMessageFromMap(UINT message, LRESULT* pResult);

    // Set while UpdateData runs.
    BOOL m_bLockoutNotify = FALSE;

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
