#include "EmulatedBridge.h"

#include <cstring>

namespace {

const char ADAPTER_STRING[] = "USB Servo Adapter";

}  // namespace

EmulatedBridge& EmulatedBridge::Instance()
{
    static EmulatedBridge bridge;
    return bridge;
}

EmulatedBridge::EmulatedBridge()
{
    m_adapters.push_back(std::make_unique<EmulatedAdapter>(ADAPTER_STRING));
}

USB_STATUS EmulatedBridge::CountDevices(DWORD* lpdwNumDevices) const
{
    if (lpdwNumDevices == nullptr)
        return USB_INVALID_PARAMETER;
    *lpdwNumDevices = static_cast<DWORD>(m_adapters.size());
    return USB_OK;
}

USB_STATUS EmulatedBridge::GetDeviceString(DWORD dwIndex, LPSTR lpBuffer, DWORD dwSelector) const
{
    if (lpBuffer == nullptr || dwSelector != 0)
        return USB_INVALID_PARAMETER;
    if (dwIndex >= m_adapters.size())
        return USB_DEVICE_NOT_FOUND;
    std::strncpy(lpBuffer, m_adapters[dwIndex]->DeviceString(), USB_DEVICE_STRING_SIZE - 1);
    lpBuffer[USB_DEVICE_STRING_SIZE - 1] = '\0';
    return USB_OK;
}

// The handle of an open device is the address of its adapter.
USB_STATUS EmulatedBridge::OpenDevice(DWORD dwIndex, USB_HANDLE* phDevice)
{
    if (phDevice == nullptr)
        return USB_INVALID_PARAMETER;
    if (dwIndex >= m_adapters.size())
        return USB_DEVICE_NOT_FOUND;
    USB_STATUS status = m_adapters[dwIndex]->Open();
    if (status == USB_OK)
        *phDevice = m_adapters[dwIndex].get();
    return status;
}

USB_STATUS EmulatedBridge::CloseDevice(USB_HANDLE hDevice)
{
    EmulatedAdapter* adapter = FromHandle(hDevice);
    return adapter != nullptr ? adapter->Close() : USB_INVALID_HANDLE;
}

USB_STATUS EmulatedBridge::ReadDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToRead, DWORD* lpdwBytesRead)
{
    EmulatedAdapter* adapter = FromHandle(hDevice);
    if (adapter == nullptr)
        return USB_INVALID_HANDLE;
    if (lpBuffer == nullptr || lpdwBytesRead == nullptr)
        return USB_INVALID_PARAMETER;
    return adapter->Read(static_cast<BYTE*>(lpBuffer), dwBytesToRead, lpdwBytesRead, m_readTimeout);
}

USB_STATUS EmulatedBridge::WriteDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToWrite, DWORD* lpdwBytesWritten)
{
    EmulatedAdapter* adapter = FromHandle(hDevice);
    if (adapter == nullptr)
        return USB_INVALID_HANDLE;
    if (lpBuffer == nullptr || lpdwBytesWritten == nullptr)
        return USB_INVALID_PARAMETER;
    return adapter->Write(static_cast<const BYTE*>(lpBuffer), dwBytesToWrite, lpdwBytesWritten);
}

USB_STATUS EmulatedBridge::SetTimeouts(DWORD dwReadTimeout, DWORD dwWriteTimeout)
{
    m_readTimeout = dwReadTimeout;
    m_writeTimeout = dwWriteTimeout;
    return USB_OK;
}

USB_STATUS EmulatedBridge::GetTimeouts(DWORD* lpdwReadTimeout, DWORD* lpdwWriteTimeout) const
{
    if (lpdwReadTimeout == nullptr || lpdwWriteTimeout == nullptr)
        return USB_INVALID_PARAMETER;
    *lpdwReadTimeout = m_readTimeout;
    *lpdwWriteTimeout = m_writeTimeout;
    return USB_OK;
}

EmulatedAdapter* EmulatedBridge::FromHandle(USB_HANDLE hDevice)
{
    for (auto& adapter : m_adapters)
        if (adapter.get() == hDevice && adapter->IsOpen())
            return adapter.get();
    return nullptr;
}
