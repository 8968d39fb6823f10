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

// The imports as the program asks for them. They are bound when it first asks, not
// while statics are constructed, so no library has to register before this file's
// statics; until the library is found, each ask looks for it again.
const ImportTable& Imports()
{
    if (g_imports.hModule == nullptr)
        BindUsbBridgeImports();
    return g_imports;
}

template <class PFN>
PFN ImportByOrdinal(HMODULE hModule, WORD ordinal)
{
    return reinterpret_cast<PFN>(GetProcAddress(hModule, MAKEINTRESOURCE(ordinal)));
}

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
    const ImportTable& imports = Imports();
    if (imports.pCountDevices == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return imports.pCountDevices(lpdwNumDevices);
}

USB_STATUS GetDeviceString(DWORD dwIndex, LPSTR lpBuffer, DWORD dwSelector)
{
    const ImportTable& imports = Imports();
    if (imports.pGetDeviceString == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return imports.pGetDeviceString(dwIndex, lpBuffer, dwSelector);
}

USB_STATUS OpenDevice(DWORD dwIndex, USB_HANDLE* phDevice)
{
    const ImportTable& imports = Imports();
    if (imports.pOpenDevice == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return imports.pOpenDevice(dwIndex, phDevice);
}

USB_STATUS CloseDevice(USB_HANDLE hDevice)
{
    const ImportTable& imports = Imports();
    if (imports.pCloseDevice == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return imports.pCloseDevice(hDevice);
}

USB_STATUS ReadDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToRead, DWORD* lpdwBytesRead,
                      DWORD dwReserved)
{
    const ImportTable& imports = Imports();
    if (imports.pReadDevice == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return imports.pReadDevice(hDevice, lpBuffer, dwBytesToRead, lpdwBytesRead, dwReserved);
}

USB_STATUS WriteDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToWrite, DWORD* lpdwBytesWritten,
                       DWORD dwReserved)
{
    const ImportTable& imports = Imports();
    if (imports.pWriteDevice == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return imports.pWriteDevice(hDevice, lpBuffer, dwBytesToWrite, lpdwBytesWritten, dwReserved);
}

USB_STATUS SetTimeouts(DWORD dwReadTimeout, DWORD dwWriteTimeout)
{
    const ImportTable& imports = Imports();
    if (imports.pSetTimeouts == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return imports.pSetTimeouts(dwReadTimeout, dwWriteTimeout);
}

USB_STATUS GetTimeouts(DWORD* lpdwReadTimeout, DWORD* lpdwWriteTimeout)
{
    const ImportTable& imports = Imports();
    if (imports.pGetTimeouts == nullptr)
        return USB_IMPORT_NOT_BOUND;
    return imports.pGetTimeouts(lpdwReadTimeout, lpdwWriteTimeout);
}
