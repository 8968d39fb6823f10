// One emulated USB adapter with its servo controller: it is opened and closed, sends
// the host's bytes to the controller and hands back the controller's answer. A read
// that cannot be met waits its time-out, as the wire would, and fails.
#pragma once

#include "EmulatedServoController.h"
#include "usbbridge.h"

class EmulatedAdapter {
public:
    explicit EmulatedAdapter(LPCSTR deviceString) : m_deviceString(deviceString) {}

    LPCSTR DeviceString() const { return m_deviceString; }
    bool IsOpen() const { return m_open; }

    // Opening starts a fresh session: nothing of an earlier exchange is left over.
    USB_STATUS Open();
    USB_STATUS Close();
    USB_STATUS Read(BYTE* buffer, DWORD count, DWORD* read, DWORD timeout);
    USB_STATUS Write(const BYTE* buffer, DWORD count, DWORD* written);

    const EmulatedServoController& Controller() const { return m_controller; }

private:
    LPCSTR m_deviceString;
    bool m_open = false;
    EmulatedServoController m_controller;
};
