#include "numedit.h"

IMPLEMENT_DYNAMIC(CNumEdit, CEdit)

CNumEdit::CNumEdit()
{
    EnableAutomation();
}

CNumEdit::~CNumEdit() {}

void CNumEdit::OnFinalRelease()
{
    // When the last reference to the automation object is released OnFinalRelease is
    // called; the base class destroys the window, or finishes with it if there is none.
    CEdit::OnFinalRelease();
}

BEGIN_MESSAGE_MAP(CNumEdit, CEdit)
END_MESSAGE_MAP()

BEGIN_DISPATCH_MAP(CNumEdit, CEdit)
END_DISPATCH_MAP()

// {B0B3345D-5782-48BF-BCF2-2D3E28458859}
static const IID IID_INumEdit = {0xB0B3345D, 0x5782, 0x48BF, {0xBC, 0xF2, 0x2D, 0x3E, 0x28, 0x45, 0x88, 0x59}};

BEGIN_INTERFACE_MAP(CNumEdit, CEdit)
    INTERFACE_PART(CNumEdit, IID_INumEdit, Dispatch)
END_INTERFACE_MAP()
