#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "libloader.h"
#include "usbbridge.h"

namespace {

using Bytes = std::vector<BYTE>;

long ElapsedMilliseconds(const timespec& since)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (now.tv_sec - since.tv_sec) * 1000L + (now.tv_nsec - since.tv_nsec) / 1000000L;
}

// The library that ships, reached the way a program reaches it.
class UsbBridgeLibraryTest : public ::testing::Test {
protected:
    UsbBridgeLibraryTest() : module(LoadLibrary(USBBRIDGE_LIBRARY_NAME))
    {
        countDevices = Import<PFN_COUNT_DEVICES>(USB_ORD_COUNT_DEVICES);
        getDeviceString = Import<PFN_GET_DEVICE_STRING>(USB_ORD_GET_DEVICE_STRING);
        openDevice = Import<PFN_OPEN_DEVICE>(USB_ORD_OPEN_DEVICE);
        closeDevice = Import<PFN_CLOSE_DEVICE>(USB_ORD_CLOSE_DEVICE);
        readDevice = Import<PFN_READ_DEVICE>(USB_ORD_READ_DEVICE);
        writeDevice = Import<PFN_WRITE_DEVICE>(USB_ORD_WRITE_DEVICE);
        setTimeouts = Import<PFN_SET_TIMEOUTS>(USB_ORD_SET_TIMEOUTS);
        getTimeouts = Import<PFN_GET_TIMEOUTS>(USB_ORD_GET_TIMEOUTS);
        getTimeouts(&savedReadTimeout, &savedWriteTimeout);
    }

    ~UsbBridgeLibraryTest() override
    {
        if (device != nullptr)
            closeDevice(device);
        setTimeouts(savedReadTimeout, savedWriteTimeout);
        FreeLibrary(module);
    }

    template <class PFN>
    PFN Import(WORD ordinal)
    {
        return reinterpret_cast<PFN>(GetProcAddress(module, MAKEINTRESOURCE(ordinal)));
    }

    void Open() { ASSERT_EQ(openDevice(0, &device), static_cast<USB_STATUS>(USB_OK)); }

    USB_STATUS Write(Bytes bytes)
    {
        DWORD written = 0;
        USB_STATUS status = writeDevice(device, bytes.data(), static_cast<DWORD>(bytes.size()), &written, 0);
        EXPECT_EQ(written, status == USB_OK ? bytes.size() : 0u);
        return status;
    }

    Bytes Read(DWORD count)
    {
        Bytes bytes(count);
        DWORD read = 0;
        EXPECT_EQ(readDevice(device, bytes.data(), count, &read, 0), static_cast<USB_STATUS>(USB_OK));
        EXPECT_EQ(read, count);
        return bytes;
    }

    HMODULE module;
    PFN_COUNT_DEVICES countDevices;
    PFN_GET_DEVICE_STRING getDeviceString;
    PFN_OPEN_DEVICE openDevice;
    PFN_CLOSE_DEVICE closeDevice;
    PFN_READ_DEVICE readDevice;
    PFN_WRITE_DEVICE writeDevice;
    PFN_SET_TIMEOUTS setTimeouts;
    PFN_GET_TIMEOUTS getTimeouts;
    DWORD savedReadTimeout = 0;
    DWORD savedWriteTimeout = 0;
    USB_HANDLE device = nullptr;
};

TEST_F(UsbBridgeLibraryTest, ExportsItsEightOperationsUnderTheirOrdinalsOnly)
{
    ASSERT_NE(module, nullptr);
    for (WORD ordinal : {1, 2, 3, 4, 6, 7, 10, 11})
        EXPECT_NE(GetProcAddress(module, MAKEINTRESOURCE(ordinal)), nullptr) << ordinal;
    for (WORD ordinal : {5, 8, 9, 12})
        EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCE(ordinal)), nullptr) << ordinal;
}

TEST_F(UsbBridgeLibraryTest, OneAdapterIsAttachedWithItsIdentification)
{
    DWORD count = 0;
    ASSERT_EQ(countDevices(&count), static_cast<USB_STATUS>(USB_OK));
    EXPECT_EQ(count, 1u);

    char text[USB_DEVICE_STRING_SIZE];
    ASSERT_EQ(getDeviceString(0, text, 0), static_cast<USB_STATUS>(USB_OK));
    EXPECT_EQ(std::string(text), "USB Servo Adapter");
    EXPECT_NE(getDeviceString(1, text, 0), static_cast<USB_STATUS>(USB_OK));
}

TEST_F(UsbBridgeLibraryTest, OnlyAnAttachedAdapterThatIsNotOpenCanBeOpened)
{
    USB_HANDLE other = nullptr;
    EXPECT_NE(openDevice(1, &other), static_cast<USB_STATUS>(USB_OK));
    EXPECT_NE(openDevice(0xFFFFFFFF, &other), static_cast<USB_STATUS>(USB_OK));

    Open();
    EXPECT_NE(openDevice(0, &other), static_cast<USB_STATUS>(USB_OK));
    EXPECT_EQ(closeDevice(device), static_cast<USB_STATUS>(USB_OK));
    EXPECT_NE(closeDevice(device), static_cast<USB_STATUS>(USB_OK));

    DWORD moved = 0;
    BYTE byte = 0;
    EXPECT_NE(writeDevice(device, &byte, 1, &moved, 0), static_cast<USB_STATUS>(USB_OK));
    EXPECT_EQ(openDevice(0, &device), static_cast<USB_STATUS>(USB_OK));
}

TEST_F(UsbBridgeLibraryTest, WrittenBlockComesBackFromTheEepromAfterReopening)
{
    Bytes block(41);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<BYTE>(0xA0 + i);

    Open();
    Write({0x01, 0x00, 0x29});
    EXPECT_EQ(Read(2), (Bytes{0x00, 0x29}));
    Write(Bytes(block.begin(), block.begin() + 32));
    EXPECT_EQ(Read(2), (Bytes{0x20, 0x00}));
    Write(Bytes(block.begin() + 32, block.end()));
    EXPECT_EQ(Read(2), (Bytes{0x29, 0x00}));
    closeDevice(device);

    Open();
    Write({0x02, 0x00, 0x29});
    EXPECT_EQ(Read(2), (Bytes{0x00, 0x29}));
    EXPECT_EQ(Read(32), Bytes(block.begin(), block.begin() + 32));
    Write({0x20, 0x00});
    EXPECT_EQ(Read(9), Bytes(block.begin() + 32, block.end()));
    Write({0x29, 0x00});
}

TEST_F(UsbBridgeLibraryTest, ReadWithNothingToReceiveFailsWhenItsTimeoutRunsOut)
{
    Open();
    setTimeouts(80, 5000);
    BYTE bytes[2] = {};
    DWORD read = 77;
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    EXPECT_NE(readDevice(device, bytes, 2, &read, 0), static_cast<USB_STATUS>(USB_OK));
    long elapsed = ElapsedMilliseconds(start);
    EXPECT_GE(elapsed, 80);
    EXPECT_LT(elapsed, 2000);
    EXPECT_EQ(read, 0u);
}

TEST_F(UsbBridgeLibraryTest, ReadWithNoTimeoutDoesNotWait)
{
    Open();
    setTimeouts(0, 0);
    BYTE byte = 0;
    DWORD read = 0;
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    EXPECT_NE(readDevice(device, &byte, 1, &read, 0), static_cast<USB_STATUS>(USB_OK));
    EXPECT_LT(ElapsedMilliseconds(start), 50);
}

TEST_F(UsbBridgeLibraryTest, OpeningAgainDropsWhatAnEarlierExchangeLeftUnread)
{
    Open();
    Write({0x02, 0x00, 0x29});
    closeDevice(device);

    Open();
    setTimeouts(10, 10);
    BYTE bytes[2] = {};
    DWORD read = 0;
    EXPECT_NE(readDevice(device, bytes, 2, &read, 0), static_cast<USB_STATUS>(USB_OK));
}

}  // namespace
