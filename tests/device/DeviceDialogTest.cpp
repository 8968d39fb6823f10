#include "device/DeviceDialogTest.h"

Bytes Slice(const Bytes& bytes, size_t from, size_t to)
{
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.begin() + static_cast<std::ptrdiff_t>(to));
}

void OpenDialogTest::RunDialog(const std::function<void()>& steps)
{
    driver.m_whileOpen = [this, &steps](HWND) {
        m_rowsMarked = dialog.m_listLog.GetItemCount();
        Opened();
        steps();
    };
    ASSERT_EQ(dialog.DoModal(), IDCANCEL);
}

Lines OpenDialogTest::Rows() const
{
    Lines rows;
    int added = dialog.m_listLog.GetItemCount() - m_rowsMarked;
    for (int i = 0; i < added; ++i)
        rows.push_back(std::string(dialog.m_listLog.GetItemText(i, 1)));
    return rows;
}

void OpenDialogTest::MarkRows()
{
    m_rowsMarked = dialog.m_listLog.GetItemCount();
}

Lines OpenDialogTest::DeviceListItems() const
{
    return HeadlessDriver::ComboItems(dialog.m_hWnd, IDC_DEVICE_LIST);
}

int OpenDialogTest::DeviceListSelection() const
{
    return HeadlessDriver::ComboSelection(dialog.m_hWnd, IDC_DEVICE_LIST);
}

std::string OpenDialogTest::ControlText(int nID) const
{
    return HeadlessDriver::TextOf(dialog.m_hWnd, nID);
}

void OpenDialogTest::SetControlText(int nID, const std::string& text)
{
    ::SetWindowText(::GetDlgItem(dialog.m_hWnd, nID), text.c_str());
}

void OpenDialogTest::Click(int nID)
{
    ::SendMessage(::GetDlgItem(dialog.m_hWnd, nID), BM_CLICK, 0, 0);
}
