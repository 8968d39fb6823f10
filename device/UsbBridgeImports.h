// The operations the program imports from the USB bridge library, bound by ordinal
// from the library's export table when the program first calls one of them.
#pragma once

#include "usbbridge.h"

// The status of an operation that could not be bound (no library, or no such ordinal).
#define USB_IMPORT_NOT_BOUND 126

USB_STATUS CountDevices(DWORD* lpdwNumDevices);
USB_STATUS GetDeviceString(DWORD dwIndex, LPSTR lpBuffer, DWORD dwSelector);
USB_STATUS OpenDevice(DWORD dwIndex, USB_HANDLE* phDevice);
USB_STATUS CloseDevice(USB_HANDLE hDevice);
USB_STATUS ReadDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToRead, DWORD* lpdwBytesRead,
                      DWORD dwReserved);
USB_STATUS WriteDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToWrite, DWORD* lpdwBytesWritten,
                       DWORD dwReserved);
USB_STATUS SetTimeouts(DWORD dwReadTimeout, DWORD dwWriteTimeout);
USB_STATUS GetTimeouts(DWORD* lpdwReadTimeout, DWORD* lpdwWriteTimeout);

// Loads the library registered as "usbbridge.dll" and binds the eight operations,
// letting go of the library bound before. The first call of an operation binds them
// once; a test that registers a library of its own binds again.
void BindUsbBridgeImports();
