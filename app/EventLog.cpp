// The log list at the bottom of the dialog: newest row on top, stamped with the time.
#include "app/QuorvelDlg.h"

void CQuorvelDlg::SetupLogColumns()
{
    m_listLog.InsertColumn(0, "时间", LVCFMT_LEFT, 60);
    m_listLog.InsertColumn(1, "信息", LVCFMT_LEFT, 280);
}

void CQuorvelDlg::AddLogMessage(CString msg)
{
    SYSTEMTIME st;
    GetLocalTime(&st);

    CString strtm;
    strtm.Format("%02u:%02u:%02u", static_cast<unsigned>(st.wHour), static_cast<unsigned>(st.wMinute),
                 static_cast<unsigned>(st.wSecond));

    int nItem = m_listLog.InsertItem(0, strtm);
    m_listLog.SetItemText(nItem, 1, msg);
}
