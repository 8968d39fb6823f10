#include "support/OpenDialog.h"

#include <algorithm>

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

void OpenDialog::Enter(const UserEntries& entries) const
{
    for (int nID : entries.checked)
        Click(nID);
    UserChooseItem(Item(IDC_STRETCHER), entries.stretcher);
    UserChooseItem(Item(IDC_DRIVE_FREQ_LIST), entries.driveFrequency);
    for (const UserEntries::FieldText& field : entries.texts)
        SetText(field.nID, field.text);
}

void OpenDialog::ExpectAsEntered(const UserEntries& entries) const
{
    for (const UserEntries::FieldText& field : entries.texts)
        EXPECT_EQ(Text(field.nID), field.text) << field.nID;
    EXPECT_EQ(CurSel(IDC_STRETCHER), entries.stretcher);
    EXPECT_EQ(CurSel(IDC_DRIVE_FREQ_LIST), entries.driveFrequency);
    for (int nID : {IDC_INTERNAL_OSC, IDC_INVERTER, IDC_100PWM, IDC_NARROW_BAND}) {
        bool entered = std::find(entries.checked.begin(), entries.checked.end(), nID) != entries.checked.end();
        EXPECT_EQ(IsChecked(nID), entered) << nID;
    }
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
