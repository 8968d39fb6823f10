// Handlers of the dialog's message map whose commands are not part of the program yet.
#include "app/QuorvelDlg.h"

void CQuorvelDlg::OnBnClickedReflashUsb() {}

void CQuorvelDlg::OnBnClickedReadConfig() {}

void CQuorvelDlg::OnBnClickedWriteConfig() {}
