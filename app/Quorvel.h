// The application: runs the main dialog and ends when it closes.
#pragma once

#include "afxwin.h"

class CQuorvelApp : public CWinApp {
public:
    CQuorvelApp();

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CQuorvelApp g_app;
