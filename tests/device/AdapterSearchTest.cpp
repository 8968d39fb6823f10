#include <gtest/gtest.h>

#include "app/LogMessages.h"
#include "device/DeviceDialogTest.h"

namespace {

using AdapterSearchTest = DeviceDialogTest;

TEST_F(AdapterSearchTest, FirstAdapterIsListedSelectedAndLogged)
{
    RunDialog([&] {
        bridge.AttachAdapter("USB Servo Adapter A");
        bridge.AttachAdapter("USB Servo Adapter B");
        dlg->OnBnClickedReflashUsb();

        EXPECT_EQ(DeviceListItems(), (Lines{"USB Servo Adapter A"}));
        EXPECT_EQ(DeviceListSelection(), 0);
        EXPECT_EQ(Rows(), (Lines{LOG_DEVICE_FOUND}));
        // Only index 0 is asked for its string, with the selector 0.
        EXPECT_EQ(bridge.CountOf("string"), 1);
        EXPECT_EQ(bridge.Calls().back().index, 0u);
        EXPECT_EQ(bridge.Calls().back().reserved, 0u);
    });
}

TEST_F(AdapterSearchTest, NoAdapterAttachedLeavesTheListEmpty)
{
    RunDialog([&] {
        dlg->OnBnClickedReflashUsb();

        EXPECT_EQ(DeviceListItems(), Lines{});
        EXPECT_EQ(DeviceListSelection(), CB_ERR);
        EXPECT_EQ(Rows(), (Lines{LOG_NO_DEVICE_FOUND}));
        EXPECT_EQ(bridge.CountOf("string"), 0);
    });
}

TEST_F(AdapterSearchTest, CountThatFailsFindsNoAdapter)
{
    RunDialog([&] {
        bridge.AttachAdapter("USB Servo Adapter A");
        bridge.FailCountDevices();
        dlg->OnBnClickedReflashUsb();

        EXPECT_EQ(DeviceListItems(), Lines{});
        EXPECT_EQ(Rows(), (Lines{LOG_NO_DEVICE_FOUND}));
        EXPECT_EQ(bridge.CountOf("string"), 0);
    });
}

TEST_F(AdapterSearchTest, UnreadableStringIsSkippedForTheNextAdapter)
{
    RunDialog([&] {
        bridge.AttachAdapter("USB Servo Adapter A", false);
        bridge.AttachAdapter("USB Servo Adapter B");
        dlg->OnBnClickedReflashUsb();

        EXPECT_EQ(DeviceListItems(), (Lines{"USB Servo Adapter B"}));
        EXPECT_EQ(DeviceListSelection(), 0);
        EXPECT_EQ(Rows(), (Lines{LOG_DEVICE_FOUND}));

        // The commands open the position of the selection, not the index that was read.
        dlg->OnBnClickedReadConfig();
        EXPECT_EQ(bridge.DeviceTranscript().front(), "open 0");
    });
}

TEST_F(AdapterSearchTest, NoReadableStringFindsNoAdapter)
{
    RunDialog([&] {
        bridge.AttachAdapter("USB Servo Adapter A", false);
        bridge.AttachAdapter("USB Servo Adapter B", false);
        dlg->OnBnClickedReflashUsb();

        EXPECT_EQ(DeviceListItems(), Lines{});
        EXPECT_EQ(Rows(), (Lines{LOG_NO_DEVICE_FOUND}));
        EXPECT_EQ(bridge.CountOf("string"), 2);
    });
}

TEST_F(AdapterSearchTest, SecondPressListsTheAdapterOnceAndLogsAgain)
{
    RunDialog([&] {
        bridge.AttachAdapter("USB Servo Adapter A");
        dlg->OnBnClickedReflashUsb();
        dlg->OnBnClickedReflashUsb();

        EXPECT_EQ(DeviceListItems(), (Lines{"USB Servo Adapter A"}));
        EXPECT_EQ(DeviceListSelection(), 0);
        EXPECT_EQ(Rows(), (Lines{LOG_DEVICE_FOUND, LOG_DEVICE_FOUND}));
    });
}

TEST_F(AdapterSearchTest, PressAfterUnpluggingEmptiesTheList)
{
    RunDialog([&] {
        bridge.AttachAdapter("USB Servo Adapter A");
        dlg->OnBnClickedReflashUsb();
        bridge.DetachAdapters();
        dlg->OnBnClickedReflashUsb();

        EXPECT_EQ(DeviceListItems(), Lines{});
        EXPECT_EQ(DeviceListSelection(), CB_ERR);
        EXPECT_EQ(Rows(), (Lines{LOG_NO_DEVICE_FOUND, LOG_DEVICE_FOUND}));

        dlg->OnBnClickedReadConfig();
        EXPECT_EQ(bridge.DeviceTranscript(), (Lines{"open 4294967295"}));
    });
}

TEST_F(AdapterSearchTest, LongestStringIsListedWhole)
{
    RunDialog([&] {
        std::string longest(255, 'x');
        bridge.AttachAdapter(longest);
        dlg->OnBnClickedReflashUsb();
        EXPECT_EQ(DeviceListItems(), (Lines{longest}));
    });
}

TEST_F(AdapterSearchTest, BeforeAnySearchTheCommandsOpenNoIndexAndFail)
{
    RunDialog([&] {
        bridge.AttachAdapter("USB Servo Adapter A");
        dlg->OnBnClickedReadConfig();
        dlg->OnBnClickedWriteConfig();

        EXPECT_EQ(bridge.DeviceTranscript(), (Lines{"open 4294967295", "open 4294967295"}));
        EXPECT_EQ(Rows(), (Lines{LOG_CANNOT_CONNECT, LOG_CANNOT_CONNECT}));
    });
}

TEST_F(AdapterSearchTest, SearchTakesTheFieldsIntoTheDialogValues)
{
    RunDialog([&] {
        SetControlText(IDC_NEUTRAL, "-12");
        dlg->OnBnClickedReflashUsb();
        EXPECT_EQ(dlg->m_nNeutral, -12);
        EXPECT_EQ(ControlText(IDC_NEUTRAL), "-12");
    });
}

}  // namespace
