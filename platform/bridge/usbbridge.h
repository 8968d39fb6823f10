// The USB bridge library "usbbridge.dll" as its users see it: the ordinals of its
// exported operations, their signatures and their status values. A program binds the
// operations by ordinal (libloader.h); every operation returns 0 on success.
#pragma once

#include "windef.h"

#define USBBRIDGE_LIBRARY_NAME "usbbridge.dll"

typedef DWORD USB_STATUS;
typedef HANDLE USB_HANDLE;

// Status values.
#define USB_OK 0
#define USB_INVALID_HANDLE 1
#define USB_DEVICE_NOT_FOUND 2
#define USB_DEVICE_NOT_OPENED 3
#define USB_IO_ERROR 4
#define USB_INVALID_PARAMETER 6
#define USB_TIMEOUT 19

// Ordinals of the exported operations.
#define USB_ORD_COUNT_DEVICES 1
#define USB_ORD_GET_DEVICE_STRING 2
#define USB_ORD_OPEN_DEVICE 3
#define USB_ORD_CLOSE_DEVICE 4
#define USB_ORD_READ_DEVICE 6
#define USB_ORD_WRITE_DEVICE 7
#define USB_ORD_SET_TIMEOUTS 10
#define USB_ORD_GET_TIMEOUTS 11

// The buffer of a device string: at most 255 characters and the terminating NUL.
#define USB_DEVICE_STRING_SIZE 256

typedef USB_STATUS (*PFN_COUNT_DEVICES)(DWORD* lpdwNumDevices);
// dwSelector: which string of the device; 0 is its identification.
typedef USB_STATUS (*PFN_GET_DEVICE_STRING)(DWORD dwIndex, LPSTR lpBuffer, DWORD dwSelector);
typedef USB_STATUS (*PFN_OPEN_DEVICE)(DWORD dwIndex, USB_HANDLE* phDevice);
typedef USB_STATUS (*PFN_CLOSE_DEVICE)(USB_HANDLE hDevice);
typedef USB_STATUS (*PFN_READ_DEVICE)(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToRead,
                                      DWORD* lpdwBytesRead, DWORD dwReserved);
typedef USB_STATUS (*PFN_WRITE_DEVICE)(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToWrite,
                                       DWORD* lpdwBytesWritten, DWORD dwReserved);
// Both time-outs in milliseconds, library-wide; 0 means that a transfer does not wait.
typedef USB_STATUS (*PFN_SET_TIMEOUTS)(DWORD dwReadTimeout, DWORD dwWriteTimeout);
typedef USB_STATUS (*PFN_GET_TIMEOUTS)(DWORD* lpdwReadTimeout, DWORD* lpdwWriteTimeout);
