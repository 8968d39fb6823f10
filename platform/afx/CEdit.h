// An edit control: a one-line text field of the EDIT window class.
#pragma once

#include "CWnd.h"

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;
    ~CEdit() override = default;
};
