// The application: the one object of a CWinApp class, which the library's start-up
// (AfxWinMain) finds, names after the executable and asks to run the program.
#pragma once

#include "CString.h"
#include "CWinThread.h"

class CWinApp : public CWinThread {
public:
    // Becomes the process's application; a null name means the executable's name.
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // The name that captions the library's message boxes.
    LPCTSTR m_pszAppName = nullptr;
    // The key under which settings would be kept; nothing is ever stored under it.
    LPCTSTR m_pszRegistryKey = nullptr;

    BOOL InitInstance() override;

    // An icon group of the program's resources, at the system's large-icon size.
    HICON LoadIcon(UINT nIDResource) const;
    // Records the settings key's name; reads and writes nothing.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    // Fixes the application's name, unless the constructor gave one.
    void SetAppNameIfUnset(LPCTSTR lpszName);

    // The Help command. The program carries no help, so it answers with a beep.
    void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    CString m_strAppName;
    CString m_strRegistryKey;
};

// The process's application object, or nullptr before it is constructed.
CWinApp* AfxGetApp();
