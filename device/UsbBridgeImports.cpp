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

// Calls one import, binding the imports first if they are not yet; an operation the
// library does not export answers USB_IMPORT_NOT_BOUND.
template <class PFN, class... Args>
USB_STATUS CallImport(PFN ImportTable::*import, Args... args)
{
    PFN proc = Imports().*import;
    return proc != nullptr ? proc(args...) : USB_IMPORT_NOT_BOUND;
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
    return CallImport(&ImportTable::pCountDevices, lpdwNumDevices);
}

USB_STATUS GetDeviceString(DWORD dwIndex, LPSTR lpBuffer, DWORD dwSelector)
{
    return CallImport(&ImportTable::pGetDeviceString, dwIndex, lpBuffer, dwSelector);
}

USB_STATUS OpenDevice(DWORD dwIndex, USB_HANDLE* phDevice)
{
    return CallImport(&ImportTable::pOpenDevice, dwIndex, phDevice);
}

USB_STATUS CloseDevice(USB_HANDLE hDevice)
{
    return CallImport(&ImportTable::pCloseDevice, hDevice);
}

USB_STATUS ReadDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToRead, DWORD* lpdwBytesRead,
                      DWORD dwReserved)
{
    return CallImport(&ImportTable::pReadDevice, hDevice, lpBuffer, dwBytesToRead, lpdwBytesRead, dwReserved);
}

USB_STATUS WriteDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToWrite, DWORD* lpdwBytesWritten,
                       DWORD dwReserved)
{
    return CallImport(&ImportTable::pWriteDevice, hDevice, lpBuffer, dwBytesToWrite, lpdwBytesWritten, dwReserved);
}

USB_STATUS SetTimeouts(DWORD dwReadTimeout, DWORD dwWriteTimeout)
{
    return CallImport(&ImportTable::pSetTimeouts, dwReadTimeout, dwWriteTimeout);
}

USB_STATUS GetTimeouts(DWORD* lpdwReadTimeout, DWORD* lpdwWriteTimeout)
{
    return CallImport(&ImportTable::pGetTimeouts, lpdwReadTimeout, lpdwWriteTimeout);
}
