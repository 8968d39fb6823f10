// A dialog window built from a dialog template.
#pragma once

#include "CWnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_pParentWnd(pParentWnd)
    {
    }

    UINT m_nIDHelp;

protected:
    LPCTSTR m_lpszTemplateName;
    CWnd* m_pParentWnd;
};
