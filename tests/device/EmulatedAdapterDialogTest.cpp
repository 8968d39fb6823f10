#include <gtest/gtest.h>

#include "app/LogMessages.h"
#include "device/DeviceDialogTest.h"

namespace {

// The dialog against the bridge library that ships, its buttons clicked as a user would.
using EmulatedAdapterDialogTest = OpenDialogTest;

TEST_F(EmulatedAdapterDialogTest, ReflashUsbListsTheOneAdapter)
{
    RunDialog([&] {
        Click(IDC_REFLASH_USB);
        EXPECT_EQ(DeviceListItems(), (Lines{"USB Servo Adapter"}));
        EXPECT_EQ(DeviceListSelection(), 0);
        EXPECT_EQ(Rows(), (Lines{LOG_DEVICE_FOUND}));
    });
}

TEST_F(EmulatedAdapterDialogTest, WrittenValuesComeBackAfterAReset)
{
    RunDialog([&] {
        Click(IDC_REFLASH_USB);
        SetControlText(IDC_DEAD_BAND, "6");
        SetControlText(IDC_BOOST, "100");
        SetControlText(IDC_PULSE_LOWER, "900");
        SetControlText(IDC_PULSE_UPPER, "2100");
        SetControlText(IDC_LEFT_RANGE, "-4");
        SetControlText(IDC_NEUTRAL, "16");
        dlg->m_chkInverter.SetCheck(BST_CHECKED);
        Click(IDC_WRITE_CONFIG);
        EXPECT_EQ(Rows().front(), LOG_WRITE_SUCCESS);

        dlg->SetDefaultParameters();
        dlg->m_chkInverter.SetCheck(BST_UNCHECKED);
        dlg->UpdateData(FALSE);
        SetControlText(IDC_BOOST, "200");
        ASSERT_EQ(ControlText(IDC_DEAD_BAND), "3.2");

        Click(IDC_READ_CONFIG);
        EXPECT_EQ(Rows(), (Lines{LOG_READ_SUCCESS, LOG_WRITE_SUCCESS, LOG_DEVICE_FOUND}));
        EXPECT_EQ(ControlText(IDC_DEAD_BAND), "6");
        EXPECT_EQ(ControlText(IDC_BOOST), "100");
        EXPECT_EQ(ControlText(IDC_PULSE_LOWER), "900");
        EXPECT_EQ(ControlText(IDC_PULSE_UPPER), "2100");
        EXPECT_EQ(ControlText(IDC_LEFT_RANGE), "-4");
        EXPECT_EQ(ControlText(IDC_NEUTRAL), "16");
        EXPECT_EQ(dlg->m_chkInverter.GetCheck(), BST_CHECKED);
    });
}

TEST_F(EmulatedAdapterDialogTest, CommandsBeforeAnySearchCannotConnect)
{
    RunDialog([&] {
        Click(IDC_READ_CONFIG);
        Click(IDC_WRITE_CONFIG);
        EXPECT_EQ(Rows(), (Lines{LOG_CANNOT_CONNECT, LOG_CANNOT_CONNECT}));
    });
}

}  // namespace
