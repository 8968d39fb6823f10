// An edit control: one line of text that the user types, pastes and selects.
#pragma once

#include "CWnd.h"

class CEdit : public CWnd {
public:
    // Selects characters nStartChar to nEndChar (exclusive); 0, -1 selects the whole text.
    void SetSel(int nStartChar, int nEndChar)
    {
        SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), static_cast<LPARAM>(nEndChar));
    }
};
