// A button control: push button, check box or group box.
#pragma once

#include "CWnd.h"

class CButton : public CWnd {
public:
    // BST_CHECKED (1) or BST_UNCHECKED (0).
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    // Sets the state without telling the parent.
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
};
