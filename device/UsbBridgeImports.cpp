#include "device/UsbBridgeImports.h"

#include "libloader.h"

namespace {

struct ImportTable {
    HMODULE hModule = nullptr;
    PFN_COUNT_DEVICES pCountDevices = nullptr;
    PFN_GET_DEVICE_STRING pGetDeviceString = nullptr;
    PFN_OPEN_DEVICE pOpenDevice = nullptr;
    PFN_CLOSE_DEVICE pCloseDevice = nullptr;
    PFN_READ_DEVICE pReadDevice = nullptr;
    PFN_WRITE_DEVICE pWriteDevice = nullptr;
    PFN_SET_TIMEOUTS pSetTimeouts = nullptr;
    PFN_GET_TIMEOUTS pGetTimeouts = nullptr;
};

ImportTable g_imports;

template <class PFN>
PFN ImportByOrdinal(HMODULE hModule, WORD ordinal)
{
    return reinterpret_cast<PFN>(GetProcAddress(hModule, MAKEINTRESOURCE(ordinal)));
}

// Bound after the libraries have registered themselves, as a loader resolves a
// program's imports before the program runs.
struct StartupBinding {
    StartupBinding() { BindUsbBridgeImports(); }
} g_startupBinding;

}  // namespace

void BindUsbBridgeImports()
{
    if (g_imports.hModule != nullptr)
        FreeLibrary(g_imports.hModule);
    g_imports = ImportTable{};

    HMODULE hModule = LoadLibrary(USBBRIDGE_LIBRARY_NAME);
    if (hModule == nullptr)
        return;
    g_imports.hModule = hModule;
    g_imports.pCountDevices = ImportByOrdinal<PFN_COUNT_DEVICES>(hModule, USB_ORD_COUNT_DEVICES);
    g_imports.pGetDeviceString = ImportByOrdinal<PFN_GET_DEVICE_STRING>(hModule, USB_ORD_GET_DEVICE_STRING);
    g_imports.pOpenDevice = ImportByOrdinal<PFN_OPEN_DEVICE>(hModule, USB_ORD_OPEN_DEVICE);
    g_imports.pCloseDevice = ImportByOrdinal<PFN_CLOSE_DEVICE>(hModule, USB_ORD_CLOSE_DEVICE);
    g_imports.pReadDevice = ImportByOrdinal<PFN_READ_DEVICE>(hModule, USB_ORD_READ_DEVICE);
    g_imports.pWriteDevice = ImportByOrdinal<PFN_WRITE_DEVICE>(hModule, USB_ORD_WRITE_DEVICE);
    g_imports.pSetTimeouts = ImportByOrdinal<PFN_SET_TIMEOUTS>(hModule, USB_ORD_SET_TIMEOUTS);
    g_imports.pGetTimeouts = ImportByOrdinal<PFN_GET_TIMEOUTS>(hModule, USB_ORD_GET_TIMEOUTS);
}

USB_STATUS CountDevices(DWORD* lpdwNumDevices)
{
    if (g_imports.pCountDevices == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return g_imports.pCountDevices(lpdwNumDevices);
}

USB_STATUS GetDeviceString(DWORD dwIndex, LPSTR lpBuffer, DWORD dwSelector)
{
    if (g_imports.pGetDeviceString == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return g_imports.pGetDeviceString(dwIndex, lpBuffer, dwSelector);
}

USB_STATUS OpenDevice(DWORD dwIndex, USB_HANDLE* phDevice)
{
    if (g_imports.pOpenDevice == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return g_imports.pOpenDevice(dwIndex, phDevice);
}

USB_STATUS CloseDevice(USB_HANDLE hDevice)
{
    if (g_imports.pCloseDevice == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return g_imports.pCloseDevice(hDevice);
}

USB_STATUS ReadDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToRead, DWORD* lpdwBytesRead,
                      DWORD dwReserved)
{
    if (g_imports.pReadDevice == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return g_imports.pReadDevice(hDevice, lpBuffer, dwBytesToRead, lpdwBytesRead, dwReserved);
}

USB_STATUS WriteDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToWrite, DWORD* lpdwBytesWritten,
                       DWORD dwReserved)
{
    if (g_imports.pWriteDevice == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return g_imports.pWriteDevice(hDevice, lpBuffer, dwBytesToWrite, lpdwBytesWritten, dwReserved);
}

USB_STATUS SetTimeouts(DWORD dwReadTimeout, DWORD dwWriteTimeout)
{
    if (g_imports.pSetTimeouts == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return g_imports.pSetTimeouts(dwReadTimeout, dwWriteTimeout);
}

USB_STATUS GetTimeouts(DWORD* lpdwReadTimeout, DWORD* lpdwWriteTimeout)
{
    if (g_imports.pGetTimeouts == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return g_imports.pGetTimeouts(lpdwReadTimeout, lpdwWriteTimeout);
}
