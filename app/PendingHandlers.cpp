// Handlers of the dialog's message map whose commands are not part of the program yet.
#include "app/QuorvelDlg.h"

void CQuorvelDlg::OnBnClickedReflashUsb() {}

void CQuorvelDlg::OnNMThemeChangedDeadBandScroll(NMHDR*, LRESULT*) {}

void CQuorvelDlg::OnBnClickedReadConfig() {}

void CQuorvelDlg::OnBnClickedWriteConfig() {}

void CQuorvelDlg::OnEnChangeDeadBand() {}

void CQuorvelDlg::OnEnChangeDriveFrequency() {}

void CQuorvelDlg::OnNMThemeChangedPulseUpperScroll(NMHDR*, LRESULT*) {}

void CQuorvelDlg::OnNMThemeChangedMaxDutyScroll(NMHDR*, LRESULT*) {}

void CQuorvelDlg::OnBnClickedResetParameters() {}

void CQuorvelDlg::OnBnClickedInternalOsc() {}

void CQuorvelDlg::OnBnClickedNarrowBand() {}

void CQuorvelDlg::OnBnClickedLoad() {}

void CQuorvelDlg::OnBnClickedSave() {}

HCURSOR CQuorvelDlg::OnQueryDragIcon()
{
    return m_hIcon;
}
