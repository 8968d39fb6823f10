#include "device/ScriptedBridge.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "device/UsbBridgeImports.h"
#include "support/Hex.h"

ScriptedBridge* ScriptedBridge::s_active = nullptr;

ScriptedBridge::ScriptedBridge(std::set<WORD> missingOrdinals)
{
    const EXPORT_ENTRY all[] = {
        {USB_ORD_COUNT_DEVICES, reinterpret_cast<FARPROC>(&ScriptedBridge::CountDevices)},
        {USB_ORD_GET_DEVICE_STRING, reinterpret_cast<FARPROC>(&ScriptedBridge::GetDeviceString)},
        {USB_ORD_OPEN_DEVICE, reinterpret_cast<FARPROC>(&ScriptedBridge::OpenDevice)},
        {USB_ORD_CLOSE_DEVICE, reinterpret_cast<FARPROC>(&ScriptedBridge::CloseDevice)},
        {USB_ORD_READ_DEVICE, reinterpret_cast<FARPROC>(&ScriptedBridge::ReadDevice)},
        {USB_ORD_WRITE_DEVICE, reinterpret_cast<FARPROC>(&ScriptedBridge::WriteDevice)},
        {USB_ORD_SET_TIMEOUTS, reinterpret_cast<FARPROC>(&ScriptedBridge::SetTimeouts)},
        {USB_ORD_GET_TIMEOUTS, reinterpret_cast<FARPROC>(&ScriptedBridge::GetTimeouts)},
    };
    for (const EXPORT_ENTRY& entry : all)
        if (missingOrdinals.count(entry.ordinal) == 0)
            m_exports.push_back(entry);

    s_active = this;
    m_previous = RegisterLibrary(USBBRIDGE_LIBRARY_NAME,
                                 EXPORT_TABLE{m_exports.data(), static_cast<int>(m_exports.size())});
    BindUsbBridgeImports();
}

ScriptedBridge::~ScriptedBridge()
{
    RegisterLibrary(USBBRIDGE_LIBRARY_NAME, m_previous);
    BindUsbBridgeImports();
    s_active = nullptr;
}

void ScriptedBridge::AttachAdapter(const std::string& deviceString, bool stringReadable)
{
    m_adapters.push_back(Adapter{deviceString, stringReadable});
}

std::vector<std::string> ScriptedBridge::DeviceTranscript() const
{
    std::vector<std::string> lines;
    for (const Call& call : m_calls) {
        char timeouts[32];
        if (call.operation == "open") {
            lines.push_back("open " + std::to_string(call.index));
        } else if (call.operation == "close") {
            lines.push_back("close");
        } else if (call.operation == "write") {
            std::snprintf(timeouts, sizeof timeouts, " (%u ms)", static_cast<unsigned>(call.writeTimeout));
            lines.push_back("write " + Hex(call.bytes) + timeouts);
        } else if (call.operation == "read") {
            std::snprintf(timeouts, sizeof timeouts, " (%u ms)", static_cast<unsigned>(call.readTimeout));
            std::string answer = call.bytes.empty() ? "" : " -> " + Hex(call.bytes);
            lines.push_back("read " + std::to_string(call.count) + answer + timeouts);
        }
    }
    return lines;
}

int ScriptedBridge::CountOf(const std::string& operation) const
{
    int count = 0;
    for (const Call& call : m_calls)
        count += call.operation == operation ? 1 : 0;
    return count;
}

ScriptedBridge::Call& ScriptedBridge::Record(const std::string& operation)
{
    Call call;
    call.operation = operation;
    call.readTimeout = m_readTimeout;
    call.writeTimeout = m_writeTimeout;
    m_calls.push_back(call);
    return m_calls.back();
}

USB_STATUS ScriptedBridge::TransferOutcome(DWORD moved, DWORD* reported)
{
    int transfer = m_transfers++;
    *reported = moved;
    if (m_failedTransfers.count(transfer) != 0) {
        *reported = 0;
        return Failure(USB_TIMEOUT);
    }
    auto shortened = m_shortenedTransfers.find(transfer);
    if (shortened != m_shortenedTransfers.end())
        *reported = shortened->second;
    return USB_OK;
}

USB_STATUS ScriptedBridge::CountDevices(DWORD* lpdwNumDevices)
{
    s_active->Record("count");
    if (s_active->m_failCount)
        return s_active->Failure(USB_IO_ERROR);
    *lpdwNumDevices = static_cast<DWORD>(s_active->m_adapters.size());
    return USB_OK;
}

USB_STATUS ScriptedBridge::GetDeviceString(DWORD dwIndex, LPSTR lpBuffer, DWORD dwSelector)
{
    Call& call = s_active->Record("string");
    call.index = dwIndex;
    call.reserved = dwSelector;
    if (dwIndex >= s_active->m_adapters.size() || !s_active->m_adapters[dwIndex].stringReadable)
        return s_active->Failure(USB_IO_ERROR);
    const std::string& text = s_active->m_adapters[dwIndex].deviceString;
    size_t length = std::min(text.size(), static_cast<size_t>(USB_DEVICE_STRING_SIZE - 1));
    std::memcpy(lpBuffer, text.data(), length);
    lpBuffer[length] = '\0';
    return USB_OK;
}

USB_STATUS ScriptedBridge::OpenDevice(DWORD dwIndex, USB_HANDLE* phDevice)
{
    s_active->Record("open").index = dwIndex;
    if (s_active->m_failOpen || s_active->m_open || dwIndex >= s_active->m_adapters.size())
        return s_active->Failure(USB_DEVICE_NOT_OPENED);
    s_active->m_open = true;
    *phDevice = Handle();
    return USB_OK;
}

USB_STATUS ScriptedBridge::CloseDevice(USB_HANDLE hDevice)
{
    s_active->Record("close").handle = hDevice;
    if (hDevice != Handle() || !s_active->m_open)
        return USB_INVALID_HANDLE;
    s_active->m_open = false;
    if (s_active->m_onClose)
        s_active->m_onClose();
    return s_active->m_unexaminedStatus;
}

USB_STATUS ScriptedBridge::ReadDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToRead, DWORD* lpdwBytesRead,
                                      DWORD dwReserved)
{
    Call& call = s_active->Record("read");
    call.handle = hDevice;
    call.count = dwBytesToRead;
    call.reserved = dwReserved;
    if (hDevice != Handle() || !s_active->m_open)
        return USB_INVALID_HANDLE;

    if (s_active->m_nextAnswer >= s_active->m_answers.size()) {
        s_active->TransferOutcome(0, lpdwBytesRead);
        return s_active->Failure(USB_TIMEOUT);
    }
    const std::vector<BYTE>& answer = s_active->m_answers[s_active->m_nextAnswer++];
    DWORD copied = std::min(dwBytesToRead, static_cast<DWORD>(answer.size()));
    USB_STATUS status = s_active->TransferOutcome(copied, lpdwBytesRead);
    // A failed read delivers nothing.
    if (status == USB_OK) {
        std::copy_n(answer.begin(), copied, static_cast<BYTE*>(lpBuffer));
        call.bytes.assign(answer.begin(), answer.begin() + copied);
    }
    return status;
}

USB_STATUS ScriptedBridge::WriteDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToWrite,
                                       DWORD* lpdwBytesWritten, DWORD dwReserved)
{
    Call& call = s_active->Record("write");
    call.handle = hDevice;
    call.count = dwBytesToWrite;
    call.reserved = dwReserved;
    const BYTE* bytes = static_cast<const BYTE*>(lpBuffer);
    call.bytes.assign(bytes, bytes + dwBytesToWrite);
    if (hDevice != Handle() || !s_active->m_open)
        return USB_INVALID_HANDLE;
    return s_active->TransferOutcome(dwBytesToWrite, lpdwBytesWritten);
}

USB_STATUS ScriptedBridge::SetTimeouts(DWORD dwReadTimeout, DWORD dwWriteTimeout)
{
    Call& call = s_active->Record("settimeouts");
    call.readTimeout = dwReadTimeout;
    call.writeTimeout = dwWriteTimeout;
    s_active->m_readTimeout = dwReadTimeout;
    s_active->m_writeTimeout = dwWriteTimeout;
    return s_active->m_unexaminedStatus;
}

USB_STATUS ScriptedBridge::GetTimeouts(DWORD* lpdwReadTimeout, DWORD* lpdwWriteTimeout)
{
    s_active->Record("gettimeouts");
    *lpdwReadTimeout = s_active->m_readTimeout;
    *lpdwWriteTimeout = s_active->m_writeTimeout;
    return s_active->m_unexaminedStatus;
}
