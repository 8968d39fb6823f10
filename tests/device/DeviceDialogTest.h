// The main dialog, open as the user finds it, for tests of its device commands: a
// test's steps run while the dialog is up, against the bridge library that ships
// (OpenDialogTest) or a scripted one (DeviceDialogTest).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app/QuorvelDlg.h"
#include "device/ScriptedBridge.h"
#include "support/ModalTestDriver.h"
#include "support/Hex.h"

using Bytes = std::vector<BYTE>;
using Lines = std::vector<std::string>;

Bytes Slice(const Bytes& bytes, size_t from, size_t to);

class OpenDialogTest : public ::testing::Test {
protected:
    OpenDialogTest() { AfxWinInit(); }

    // Opens the dialog, runs Opened() and then the steps, and closes the dialog.
    void RunDialog(const std::function<void()>& steps);
    // Runs first in every open dialog of the fixture.
    virtual void Opened() {}

    // The messages of the log rows added since the dialog opened or MarkRows(), newest first.
    Lines Rows() const;
    void MarkRows();

    Lines DeviceListItems() const;
    int DeviceListSelection() const;
    std::string ControlText(int nID) const;
    // Puts a text into a field as a paste would.
    void SetControlText(int nID, const std::string& text);
    // Clicks a button of the dialog, through its message map.
    void Click(int nID);

    ModalTestDriver driver;
    CQuorvelDlg dialog;
    CQuorvelDlg* dlg = &dialog;

private:
    int m_rowsMarked = 0;
};

// A case of a parameterised test, known by its name both in the test's own name and in
// a failure's message, so that neither depends on the case's bytes in one build.
struct NamedCase {
    const char* name;
};

inline std::ostream& operator<<(std::ostream& out, const NamedCase& namedCase)
{
    return out << namedCase.name;
}

struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const
    {
        return info.param.name;
    }
};

class DeviceDialogTest : public OpenDialogTest {
protected:
    ScriptedBridge bridge;
};
