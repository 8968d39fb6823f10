#include "support/OpenDialog.h"

#include "input.h"

OpenDialog::OpenDialog()
{
    AfxWinInit();
}

INT_PTR OpenDialog::Run(const std::function<void()>& whileOpen)
{
    driver.m_whileOpen = [this, whileOpen](HWND hDlg) {
        m_hDlg = hDlg;
        whileOpen();
    };
    return dlg.DoModal();
}

std::string OpenDialog::Text(int nID) const
{
    return HeadlessDriver::TextOf(m_hDlg, nID);
}

bool OpenDialog::IsChecked(int nID) const
{
    return HeadlessDriver::IsChecked(m_hDlg, nID);
}

int OpenDialog::CurSel(int nID) const
{
    return HeadlessDriver::ComboSelection(m_hDlg, nID);
}

void OpenDialog::Click(int nID) const
{
    UserClick(Item(nID));
}

void OpenDialog::PasteOver(int nID, const std::string& text) const
{
    UserClick(Item(nID));
    UserSelectText(Item(nID), 0, -1);
    UserPasteText(Item(nID), text.c_str());
}
