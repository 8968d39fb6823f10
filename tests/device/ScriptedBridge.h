// A USB bridge library whose far end the test writes: adapters with their strings,
// which operations fail, and what the device answers to each read. While it lives it is
// "usbbridge.dll" and the program's imports are bound to it; it records every call.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "libloader.h"
#include "usbbridge.h"

class ScriptedBridge {
public:
    static constexpr DWORD INITIAL_READ_TIMEOUT = 500;
    static constexpr DWORD INITIAL_WRITE_TIMEOUT = 700;

    // One call of an operation, with the library-wide time-outs in force when it came.
    struct Call {
        std::string operation;
        DWORD index = 0;
        USB_HANDLE handle = nullptr;
        DWORD count = 0;          // bytes asked for (read) or given (write)
        DWORD reserved = 0;       // the fifth argument of a read or write, the selector of a string
        std::vector<BYTE> bytes;  // written, or handed back by a read
        DWORD readTimeout = 0;
        DWORD writeTimeout = 0;
    };

    // Ordinals left out of the export table, as an older library would lack them.
    explicit ScriptedBridge(std::set<WORD> missingOrdinals = {});
    ~ScriptedBridge();
    ScriptedBridge(const ScriptedBridge&) = delete;
    ScriptedBridge& operator=(const ScriptedBridge&) = delete;

    // Adapters, by index in the order attached; a string that cannot be read fails.
    void AttachAdapter(const std::string& deviceString, bool stringReadable = true);
    void DetachAdapters() { m_adapters.clear(); }
    void FailCountDevices() { m_failCount = true; }
    void FailOpen() { m_failOpen = true; }

    // The device's next answer: one read takes one answer, copies at most the bytes
    // asked for and reports as many as it copied. A read with no answer left fails, and
    // a read that fails delivers nothing.
    void QueueRead(const std::vector<BYTE>& bytes) { m_answers.push_back(bytes); }
    // The transfer with this number (reads and writes counted together from 0) fails.
    void FailTransfer(int transfer) { m_failedTransfers.insert(transfer); }
    // The transfer with this number succeeds but reports fewer bytes moved.
    void ShortenTransfer(int transfer, DWORD reported) { m_shortenedTransfers[transfer] = reported; }

    // Every scripted failure returns this status instead of the library's usual one.
    void FailWithStatus(USB_STATUS status) { m_failureStatus = status; }
    // CloseDevice, SetTimeouts and GetTimeouts return this status, though they do their
    // work all the same.
    void ReturnFromUnexaminedCalls(USB_STATUS status) { m_unexaminedStatus = status; }

    // Runs when the device is closed, to look at the program at that moment.
    void OnClose(std::function<void()> onClose) { m_onClose = std::move(onClose); }

    const std::vector<Call>& Calls() const { return m_calls; }
    // The calls that touch an open device, one line each, for instance "open 0",
    // "write 02 00 29 (1000 ms)", "read 32 -> 00 01 ... (3000 ms)", "close".
    std::vector<std::string> DeviceTranscript() const;
    int CountOf(const std::string& operation) const;
    DWORD ReadTimeout() const { return m_readTimeout; }
    DWORD WriteTimeout() const { return m_writeTimeout; }

    static USB_HANDLE Handle() { return reinterpret_cast<USB_HANDLE>(static_cast<UINT_PTR>(0x5E4D0)); }

private:
    struct Adapter {
        std::string deviceString;
        bool stringReadable;
    };

    static ScriptedBridge* s_active;

    static USB_STATUS CountDevices(DWORD* lpdwNumDevices);
    static USB_STATUS GetDeviceString(DWORD dwIndex, LPSTR lpBuffer, DWORD dwSelector);
    static USB_STATUS OpenDevice(DWORD dwIndex, USB_HANDLE* phDevice);
    static USB_STATUS CloseDevice(USB_HANDLE hDevice);
    static USB_STATUS ReadDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToRead, DWORD* lpdwBytesRead,
                                 DWORD dwReserved);
    static USB_STATUS WriteDevice(USB_HANDLE hDevice, LPVOID lpBuffer, DWORD dwBytesToWrite, DWORD* lpdwBytesWritten,
                                  DWORD dwReserved);
    static USB_STATUS SetTimeouts(DWORD dwReadTimeout, DWORD dwWriteTimeout);
    static USB_STATUS GetTimeouts(DWORD* lpdwReadTimeout, DWORD* lpdwWriteTimeout);

    Call& Record(const std::string& operation);
    // The status of a failure: the scripted one, else the usual one.
    USB_STATUS Failure(USB_STATUS usual) const { return m_failureStatus != USB_OK ? m_failureStatus : usual; }
    // The status of the next transfer as scripted, and the count it reports.
    USB_STATUS TransferOutcome(DWORD moved, DWORD* reported);

    std::vector<EXPORT_ENTRY> m_exports;
    EXPORT_TABLE m_previous{nullptr, 0};
    std::vector<Adapter> m_adapters;
    bool m_failCount = false;
    bool m_failOpen = false;
    bool m_open = false;
    std::vector<std::vector<BYTE>> m_answers;
    size_t m_nextAnswer = 0;
    int m_transfers = 0;
    std::set<int> m_failedTransfers;
    std::map<int, DWORD> m_shortenedTransfers;
    DWORD m_readTimeout = INITIAL_READ_TIMEOUT;
    DWORD m_writeTimeout = INITIAL_WRITE_TIMEOUT;
    USB_STATUS m_failureStatus = USB_OK;
    USB_STATUS m_unexaminedStatus = USB_OK;
    std::vector<Call> m_calls;
    std::function<void()> m_onClose;
};
