// Tests that run the real main dialog under the headless driver: Run opens it modally,
// runs the test's steps while it is open, then lets it close. The helpers act and read
// as a user would, through the window system.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/QuorvelDlg.h"
#include "support/ModalTestDriver.h"

// What a user enters in the dialog: texts in edits, an item picked in each parameter
// list, and check boxes clicked on.
struct UserEntries {
    struct FieldText {
        int nID;
        const char* text;
    };
    std::vector<FieldText> texts;
    int stretcher;
    int driveFrequency;
    std::vector<int> checked;
};

class OpenDialog : public ::testing::Test {
protected:
    OpenDialog();

    // Opens the dialog, runs the steps with it open, and returns DoModal's result.
    INT_PTR Run(const std::function<void()>& whileOpen);

    HWND Item(int nID) const { return GetDlgItem(m_hDlg, nID); }
    std::string Text(int nID) const;
    void SetText(int nID, LPCTSTR text) const { SetWindowText(Item(nID), text); }
    bool IsChecked(int nID) const;
    int CurSel(int nID) const;

    // The user clicks the check boxes on, picks the list items, then sets the texts.
    void Enter(const UserEntries& entries) const;
    // Every text, pick and check box as entered; the check boxes not named are off.
    void ExpectAsEntered(const UserEntries& entries) const;

    // The user clicks a control.
    void Click(int nID) const;
    // The user selects the whole text of an edit and pastes text over it.
    void PasteOver(int nID, const std::string& text) const;

    int LogRows() { return dlg.m_listLog.GetItemCount(); }
    std::string LogMessage(int row) { return std::string(dlg.m_listLog.GetItemText(row, 1)); }

    // The parameter block as it stands.
    std::string Block() const { return std::string(reinterpret_cast<const char*>(dlg.m_eeprom), 41); }

    ModalTestDriver driver;
    CQuorvelDlg dlg;
    HWND m_hDlg = nullptr;
};
