// The data exchange routines of afxdd_.h.
#include <vector>

#include "AfxMessageBox.h"
#include "NumberText.h"
#include "afxdd_.h"
#include "afxres.h"

namespace {

const int FLOAT_DIGITS = 6;

CString WindowText(HWND hWnd)
{
    std::vector<char> buffer(static_cast<size_t>(::GetWindowTextLength(hWnd)) + 1);
    int length = ::GetWindowText(hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return CString(buffer.data(), length);
}

// Shows the message of a refused field and stops the exchange there.
void FailField(CDataExchange* pDX, UINT nIDPrompt)
{
    AfxMessageBox(nIDPrompt, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

// Whether the exchange should go on with this control: not after a refusal, and only
// for a control that the dialog has.
HWND PrepareEdit(CDataExchange* pDX, int nIDC)
{
    if (pDX->HasFailed())
        return nullptr;
    return pDX->PrepareEditCtrl(nIDC);
}

}  // namespace

void AfxSetWindowText(HWND hWndCtrl, LPCTSTR lpszNew)
{
    if (WindowText(hWndCtrl) == lpszNew)
        return;
    ::SetWindowText(hWndCtrl, lpszNew);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = PrepareEdit(pDX, nIDC);
    if (hWndCtrl == nullptr)
        return;
    if (pDX->m_bSaveAndValidate) {
        std::optional<int> number = AfxReadInt(WindowText(hWndCtrl));
        if (!number)
            return FailField(pDX, AFX_IDP_PARSE_INT);
        value = *number;
    } else {
        CString text;
        text.Format("%d", value);
        AfxSetWindowText(hWndCtrl, text);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    HWND hWndCtrl = PrepareEdit(pDX, nIDC);
    if (hWndCtrl == nullptr)
        return;
    if (pDX->m_bSaveAndValidate) {
        // Read as a signed number: a negative one passes and keeps its low 8 bits.
        std::optional<int> number = AfxReadInt(WindowText(hWndCtrl));
        if (!number || *number > 255)
            return FailField(pDX, AFX_IDP_PARSE_BYTE);
        value = static_cast<BYTE>(static_cast<unsigned>(*number) & 0xFFu);
    } else {
        CString text;
        text.Format("%u", static_cast<unsigned>(value));
        AfxSetWindowText(hWndCtrl, text);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, float& value)
{
    HWND hWndCtrl = PrepareEdit(pDX, nIDC);
    if (hWndCtrl == nullptr)
        return;
    if (pDX->m_bSaveAndValidate) {
        std::optional<double> number = AfxReadDouble(WindowText(hWndCtrl));
        if (!number)
            return FailField(pDX, AFX_IDP_PARSE_REAL);
        value = AfxNearestFloat(*number);
    } else {
        AfxSetWindowText(hWndCtrl, AfxFormatFloat(static_cast<double>(value), FLOAT_DIGITS));
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    if (pDX->HasFailed())
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (hWndCtrl == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0));
    else
        ::SendMessage(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (pDX->HasFailed() || rControl.m_hWnd != nullptr)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (hWndCtrl != nullptr)
        rControl.Attach(hWndCtrl);
}
