// The dead-band edit (and the hidden drive-value edit) take only digits and one
// decimal point. Each change removes at most one offending byte; the edit's own change
// notification for that replacement runs the filter again until the text is clean.
#include <string_view>

#include "app/QuorvelDlg.h"

namespace {

// Bytes of code page 936 from 0x80 up are offending too: each half of a double-byte
// character goes in its own run.
bool IsDigitOrPoint(char c)
{
    return c == '.' || (c >= '0' && c <= '9');
}

}  // namespace

void CQuorvelDlg::OnEnChangeDeadBand()
{
    FilterDecimalEntry(IDC_DEAD_BAND);
}

void CQuorvelDlg::OnEnChangeDriveFrequency()
{
    FilterDecimalEntry(IDC_DRIVE_FREQUENCY);
}

void CQuorvelDlg::FilterDecimalEntry(int nID)
{
    CWnd* pEdit = GetDlgItem(nID);
    if (pEdit == nullptr)
        return;
    CString csAreaS;
    pEdit->GetWindowText(csAreaS);
    int n = csAreaS.GetLength();
    std::string_view text(csAreaS, static_cast<size_t>(n));

    // A second point goes first.
    size_t firstPoint = text.find('.');
    size_t secondPoint = firstPoint == std::string_view::npos ? firstPoint : text.find('.', firstPoint + 1);
    if (secondPoint != std::string_view::npos) {
        int i = static_cast<int>(secondPoint);
        CString csTmp = csAreaS.Left(i) + csAreaS.Right(n - i - 1);
        GetDlgItem(nID)->SetWindowText(csTmp);
        return;
    }

    for (int j = 0; j < n; ++j) {
        if (!IsDigitOrPoint(text[static_cast<size_t>(j)])) {
            csAreaS = csAreaS.Left(j) + csAreaS.Right(n - j - 1);
            GetDlgItem(nID)->SetWindowText(csAreaS);
            return;
        }
    }
}
