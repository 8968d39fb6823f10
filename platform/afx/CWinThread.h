// A thread of the program as the class library runs it: its main window, and the
// steps of its life that the application overrides.
#pragma once

#include "CCmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget {
public:
    // The main window; cleared when that window is destroyed.
    CWnd* m_pMainWnd = nullptr;

    // TRUE to go on to Run, FALSE to end at once.
    virtual BOOL InitInstance() { return TRUE; }
    // Runs the thread's message loop; returns the exit status.
    virtual int Run() { return ExitInstance(); }
    // Clean-up at the end; returns the exit status.
    virtual int ExitInstance() { return 0; }
};
