#include <gtest/gtest.h>

#include "device/ScriptedBridge.h"
#include "device/UsbBridgeImports.h"
#include "libloader.h"

namespace {

// Nothing calls the shipped library by symbol: if the link drops its registration,
// this is the test that says so.
TEST(UsbBridgeImports, ShippedLibraryIsRegisteredUnderItsName)
{
    HMODULE hModule = LoadLibrary("usbbridge.dll");
    ASSERT_NE(hModule, nullptr);
    EXPECT_NE(GetProcAddress(hModule, MAKEINTRESOURCE(1)), nullptr);
    EXPECT_NE(GetProcAddress(hModule, MAKEINTRESOURCE(11)), nullptr);
    FreeLibrary(hModule);

    DWORD count = 0;
    EXPECT_EQ(CountDevices(&count), static_cast<USB_STATUS>(USB_OK));
    EXPECT_EQ(count, 1u);
}

TEST(UsbBridgeImports, LibraryRegisteredAfterAFailedAskIsBoundByTheNextAsk)
{
    EXPORT_TABLE shipped = RegisterLibrary(USBBRIDGE_LIBRARY_NAME, EXPORT_TABLE{nullptr, 0});
    BindUsbBridgeImports();
    DWORD count = 0;
    EXPECT_EQ(CountDevices(&count), static_cast<USB_STATUS>(126));

    RegisterLibrary(USBBRIDGE_LIBRARY_NAME, shipped);
    EXPECT_EQ(CountDevices(&count), static_cast<USB_STATUS>(USB_OK));
    EXPECT_EQ(count, 1u);
}

TEST(UsbBridgeImports, ScriptedLibraryUnderTheSameNameTakesOverAndHandsBack)
{
    DWORD count = 0;
    {
        ScriptedBridge bridge;
        bridge.AttachAdapter("A");
        bridge.AttachAdapter("B");
        bridge.AttachAdapter("C");
        EXPECT_EQ(CountDevices(&count), static_cast<USB_STATUS>(USB_OK));
        EXPECT_EQ(count, 3u);
        EXPECT_EQ(bridge.CountOf("count"), 1);
    }
    EXPECT_EQ(CountDevices(&count), static_cast<USB_STATUS>(USB_OK));
    EXPECT_EQ(count, 1u);
}

TEST(UsbBridgeImports, MissingLibraryLeavesEveryOperationFailing)
{
    EXPORT_TABLE shipped = RegisterLibrary(USBBRIDGE_LIBRARY_NAME, EXPORT_TABLE{nullptr, 0});
    BindUsbBridgeImports();

    DWORD count = 5;
    DWORD readTimeout = 0;
    DWORD writeTimeout = 0;
    char text[USB_DEVICE_STRING_SIZE] = {};
    USB_HANDLE device = nullptr;
    BYTE bytes[3] = {};
    EXPECT_NE(CountDevices(&count), static_cast<USB_STATUS>(USB_OK));
    EXPECT_NE(GetDeviceString(0, text, 0), static_cast<USB_STATUS>(USB_OK));
    EXPECT_NE(OpenDevice(0, &device), static_cast<USB_STATUS>(USB_OK));
    EXPECT_NE(CloseDevice(device), static_cast<USB_STATUS>(USB_OK));
    EXPECT_NE(ReadDevice(device, bytes, 2, &count, 0), static_cast<USB_STATUS>(USB_OK));
    EXPECT_NE(WriteDevice(device, bytes, 3, &count, 0), static_cast<USB_STATUS>(USB_OK));
    EXPECT_NE(SetTimeouts(3000, 0), static_cast<USB_STATUS>(USB_OK));
    EXPECT_NE(GetTimeouts(&readTimeout, &writeTimeout), static_cast<USB_STATUS>(USB_OK));
    EXPECT_EQ(count, 5u);
    EXPECT_EQ(device, nullptr);

    RegisterLibrary(USBBRIDGE_LIBRARY_NAME, shipped);
    BindUsbBridgeImports();
    EXPECT_EQ(CountDevices(&count), static_cast<USB_STATUS>(USB_OK));
}

TEST(UsbBridgeImports, MissingOrdinalFailsOnlyItsOwnOperation)
{
    ScriptedBridge bridge({USB_ORD_READ_DEVICE});
    bridge.AttachAdapter("A");
    bridge.QueueRead({0x00, 0x29});

    USB_HANDLE device = nullptr;
    ASSERT_EQ(OpenDevice(0, &device), static_cast<USB_STATUS>(USB_OK));
    BYTE bytes[2] = {};
    DWORD read = 0;
    EXPECT_NE(ReadDevice(device, bytes, 2, &read, 0), static_cast<USB_STATUS>(USB_OK));
    EXPECT_EQ(bridge.CountOf("read"), 0);
    EXPECT_EQ(CloseDevice(device), static_cast<USB_STATUS>(USB_OK));
}

}  // namespace
