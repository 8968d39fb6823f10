// An edit control with automation enabled and no behaviour of its own: every message
// goes on to the edit control's handling. Its automation interface names no members.
#pragma once

#include "afxwin.h"

class CNumEdit : public CEdit {
    DECLARE_DYNAMIC(CNumEdit)

public:
    CNumEdit();
    ~CNumEdit() override;

    void OnFinalRelease() override;

protected:
    DECLARE_MESSAGE_MAP()
    DECLARE_DISPATCH_MAP()
    DECLARE_INTERFACE_MAP()
};
