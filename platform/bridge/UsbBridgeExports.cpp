// The library's exported operations and its export table, registered as
// "usbbridge.dll" when the process starts.
#include "EmulatedBridge.h"
#include "libloader.h"

namespace {

USB_STATUS CountDevices(DWORD* lpdwNumDevices)
{
    return EmulatedBridge::Instance().CountDevices(lpdwNumDevices);
}

USB_STATUS GetDeviceString(DWORD dwIndex, LPSTR lpBuffer, DWORD dwSelector)
{
    return EmulatedBridge::Instance().GetDeviceString(dwIndex, lpBuffer, dwSelector);
}

USB_STATUS OpenDevice(DWORD dwIndex, USB_HANDLE* phDevice)
{
    return EmulatedBridge::Instance().OpenDevice(dwIndex, phDevice);
}

USB_STATUS CloseDevice(USB_HANDLE hDevice)
{
    return EmulatedBridge::Instance().CloseDevice(hDevice);
}

// The fifth argument is reserved.
USB_STATUS ReadDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToRead, DWORD* lpdwBytesRead, DWORD)
{
    return EmulatedBridge::Instance().ReadDevice(hDevice, lpBuffer, dwBytesToRead, lpdwBytesRead);
}

USB_STATUS WriteDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToWrite, DWORD* lpdwBytesWritten, DWORD)
{
    return EmulatedBridge::Instance().WriteDevice(hDevice, lpBuffer, dwBytesToWrite, lpdwBytesWritten);
}

USB_STATUS SetTimeouts(DWORD dwReadTimeout, DWORD dwWriteTimeout)
{
    return EmulatedBridge::Instance().SetTimeouts(dwReadTimeout, dwWriteTimeout);
}

USB_STATUS GetTimeouts(DWORD* lpdwReadTimeout, DWORD* lpdwWriteTimeout)
{
    return EmulatedBridge::Instance().GetTimeouts(lpdwReadTimeout, lpdwWriteTimeout);
}

const EXPORT_ENTRY EXPORTS[] = {
    {USB_ORD_COUNT_DEVICES, reinterpret_cast<FARPROC>(&CountDevices)},
    {USB_ORD_GET_DEVICE_STRING, reinterpret_cast<FARPROC>(&GetDeviceString)},
    {USB_ORD_OPEN_DEVICE, reinterpret_cast<FARPROC>(&OpenDevice)},
    {USB_ORD_CLOSE_DEVICE, reinterpret_cast<FARPROC>(&CloseDevice)},
    {USB_ORD_READ_DEVICE, reinterpret_cast<FARPROC>(&ReadDevice)},
    {USB_ORD_WRITE_DEVICE, reinterpret_cast<FARPROC>(&WriteDevice)},
    {USB_ORD_SET_TIMEOUTS, reinterpret_cast<FARPROC>(&SetTimeouts)},
    {USB_ORD_GET_TIMEOUTS, reinterpret_cast<FARPROC>(&GetTimeouts)},
};

LibraryRegistration g_registration(
    USBBRIDGE_LIBRARY_NAME, EXPORT_TABLE{EXPORTS, sizeof EXPORTS / sizeof EXPORTS[0]});

}  // namespace
