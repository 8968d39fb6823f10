// The dialog's small commands: back to the defaults, the narrow-band switch, and the
// notifications that only need an answer.
#include <cfloat>

#include "app/QuorvelDlg.h"

namespace {

// Rounds a double to the nearest float as IEEE does, overflowing to infinity, without
// the undefined conversion of an out-of-range value.
float RoundToFloat(double value)
{
    const double FLOAT_OVERFLOW = 0x1.ffffffp127;  // FLT_MAX plus half its last unit
    if (value >= FLOAT_OVERFLOW)
        return FLT_MAX * 2.0f;
    if (value <= -FLOAT_OVERFLOW)
        return -FLT_MAX * 2.0f;
    return static_cast<float>(value);
}

}  // namespace

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
        m_fPulseLower = RoundToFloat(m_fPulseLower / 2.0);
        m_fPulseUpper = RoundToFloat(m_fPulseUpper / 2.0);
    } else {
        m_fPulseLower = RoundToFloat(static_cast<double>(m_fPulseLower) + m_fPulseLower);
        m_fPulseUpper = RoundToFloat(static_cast<double>(m_fPulseUpper) + m_fPulseUpper);
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
