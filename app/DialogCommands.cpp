// The dialog's small commands: back to the defaults, the narrow-band switch, and the
// notifications that only need an answer.
#include "NumberText.h"
#include "app/QuorvelDlg.h"

void CQuorvelDlg::OnBnClickedResetParameters()
{
    SetDefaultParameters();
    m_chkInternalOsc.SetCheck(BST_UNCHECKED);
    m_chkInverter.SetCheck(BST_UNCHECKED);
    m_chk100Pwm.SetCheck(BST_UNCHECKED);
    m_chkNarrowBand.SetCheck(BST_UNCHECKED);
    UpdateData(FALSE);
}

// The box has already changed its state: checked halves both limits, cleared doubles them.
void CQuorvelDlg::OnBnClickedNarrowBand()
{
    UpdateData(TRUE);
    if (m_chkNarrowBand.GetCheck() == BST_CHECKED) {
        m_fPulseLower = AfxNearestFloat(m_fPulseLower / 2.0);
        m_fPulseUpper = AfxNearestFloat(m_fPulseUpper / 2.0);
    } else {
        m_fPulseLower = AfxNearestFloat(static_cast<double>(m_fPulseLower) + m_fPulseLower);
        m_fPulseUpper = AfxNearestFloat(static_cast<double>(m_fPulseUpper) + m_fPulseUpper);
    }
    UpdateData(FALSE);
}

// The box's state counts only when the block is encoded.
void CQuorvelDlg::OnBnClickedInternalOsc() {}

void CQuorvelDlg::OnNMThemeChangedDeadBandScroll(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

void CQuorvelDlg::OnNMThemeChangedPulseUpperScroll(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

void CQuorvelDlg::OnNMThemeChangedMaxDutyScroll(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

HCURSOR CQuorvelDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}
