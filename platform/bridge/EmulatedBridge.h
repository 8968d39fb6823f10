// The state of the USB bridge library: its attached adapters and the library-wide
// read and write time-outs. The exported operations (UsbBridgeExports.cpp) work on the
// one instance; the library that ships has one emulated adapter attached.
#pragma once

#include <memory>
#include <vector>

#include "EmulatedAdapter.h"
#include "usbbridge.h"

class EmulatedBridge {
public:
    static constexpr DWORD DEFAULT_TIMEOUT = 1000;

    static EmulatedBridge& Instance();

    EmulatedBridge();

    USB_STATUS CountDevices(DWORD* lpdwNumDevices) const;
    USB_STATUS GetDeviceString(DWORD dwIndex, LPSTR lpBuffer, DWORD dwSelector) const;
    USB_STATUS OpenDevice(DWORD dwIndex, USB_HANDLE* phDevice);
    USB_STATUS CloseDevice(USB_HANDLE hDevice);
    USB_STATUS ReadDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToRead, DWORD* lpdwBytesRead);
    USB_STATUS WriteDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToWrite, DWORD* lpdwBytesWritten);
    USB_STATUS SetTimeouts(DWORD dwReadTimeout, DWORD dwWriteTimeout);
    USB_STATUS GetTimeouts(DWORD* lpdwReadTimeout, DWORD* lpdwWriteTimeout) const;

    // The adapter an open handle names, or nullptr.
    EmulatedAdapter* FromHandle(USB_HANDLE hDevice);
    EmulatedAdapter& Adapter(DWORD dwIndex) { return *m_adapters[dwIndex]; }

private:
    std::vector<std::unique_ptr<EmulatedAdapter>> m_adapters;
    DWORD m_readTimeout = DEFAULT_TIMEOUT;
    DWORD m_writeTimeout = DEFAULT_TIMEOUT;
};
