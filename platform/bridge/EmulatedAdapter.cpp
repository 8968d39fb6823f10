#include "EmulatedAdapter.h"

#include <cerrno>
#include <ctime>

namespace {

void SleepMilliseconds(DWORD milliseconds)
{
    timespec remaining{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
}

}  // namespace

USB_STATUS EmulatedAdapter::Open()
{
    if (m_open)
        return USB_DEVICE_NOT_OPENED;
    m_controller.Reset();
    m_open = true;
    return USB_OK;
}

USB_STATUS EmulatedAdapter::Close()
{
    if (!m_open)
        return USB_INVALID_HANDLE;
    m_controller.Reset();
    m_open = false;
    return USB_OK;
}

// The controller answers at once, so what is not there now will not come: the read
// waits out its time-out and returns what there was.
USB_STATUS EmulatedAdapter::Read(BYTE* buffer, DWORD count, DWORD* read, DWORD timeout)
{
    if (m_controller.PendingOutput() >= count) {
        *read = m_controller.TakeOutput(buffer, count);
        return USB_OK;
    }
    SleepMilliseconds(timeout);
    *read = m_controller.TakeOutput(buffer, count);
    return USB_TIMEOUT;
}

USB_STATUS EmulatedAdapter::Write(const BYTE* buffer, DWORD count, DWORD* written)
{
    m_controller.Receive(buffer, count);
    *written = count;
    return USB_OK;
}
