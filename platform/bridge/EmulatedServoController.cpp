#include "EmulatedServoController.h"

#include <algorithm>
#include <cstring>

namespace {

// What the controller holds when it leaves the factory: the configurator's defaults.
const BYTE FACTORY_BLOCK[EmulatedServoController::EEPROM_SIZE] = {
    0x35, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x02, 0xEF, 0x04, 0x9C,
    0xC8, 0xC8, 0x13, 0x88, 0x27, 0x10, 0x1D, 0x4C, 0x10, 0x00, 0x1D, 0x4C, 0x01, 0x00,
    0x00, 0x00, 0x40, 0x40, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};

}  // namespace

EmulatedServoController::EmulatedServoController()
{
    std::memcpy(m_eeprom, FACTORY_BLOCK, sizeof m_eeprom);
    std::memset(m_incoming, 0, sizeof m_incoming);
}

void EmulatedServoController::Reset()
{
    m_state = State::Idle;
    m_pendingCount = 0;
    m_output.clear();
}

void EmulatedServoController::Receive(const BYTE* data, DWORD count)
{
    for (DWORD i = 0; i < count; ++i) {
        switch (m_state) {
        case State::Idle:
            ReceiveFrameByte(data[i]);
            break;
        case State::Sending:
            ReceiveAcknowledgementByte(data[i]);
            break;
        case State::Receiving:
            ReceiveBlockByte(data[i]);
            break;
        }
    }
}

DWORD EmulatedServoController::TakeOutput(BYTE* buffer, DWORD count)
{
    DWORD taken = std::min(count, PendingOutput());
    for (DWORD i = 0; i < taken; ++i) {
        buffer[i] = m_output.front();
        m_output.pop_front();
    }
    return taken;
}

void EmulatedServoController::ReceiveFrameByte(BYTE byte)
{
    m_pending[m_pendingCount++] = byte;
    if (m_pendingCount == 3) {
        m_pendingCount = 0;
        StartCommand();
    }
}

// A frame is {command, 0x00, length}; anything else is not answered.
void EmulatedServoController::StartCommand()
{
    BYTE command = m_pending[0];
    DWORD length = m_pending[2];
    if (m_pending[1] != 0x00)
        return;

    m_count = 0;
    if (command == CMD_READ_BLOCK) {
        m_length = std::min(length, EEPROM_SIZE);
        Send(0x00, static_cast<BYTE>(m_length));
        if (m_length > 0) {
            m_state = State::Sending;
            SendNextPiece();
        }
    } else if (command == CMD_WRITE_BLOCK) {
        // A block longer than the EEPROM is refused by answering with the size it holds.
        if (length > EEPROM_SIZE) {
            Send(0x00, static_cast<BYTE>(EEPROM_SIZE));
            return;
        }
        m_length = length;
        Send(0x00, static_cast<BYTE>(m_length));
        if (m_length > 0)
            m_state = State::Receiving;
    }
}

void EmulatedServoController::SendNextPiece()
{
    m_pieceEnd = std::min(m_count + PIECE_SIZE, m_length);
    for (DWORD i = m_count; i < m_pieceEnd; ++i)
        m_output.push_back(m_eeprom[i]);
}

// An acknowledgement with another count ends the exchange.
void EmulatedServoController::ReceiveAcknowledgementByte(BYTE byte)
{
    m_pending[m_pendingCount++] = byte;
    if (m_pendingCount < 2)
        return;
    m_pendingCount = 0;

    DWORD acknowledged = m_pending[0] + m_pending[1] * 256u;
    if (acknowledged != m_pieceEnd) {
        Reset();
        return;
    }
    m_count = m_pieceEnd;
    if (m_count == m_length)
        m_state = State::Idle;
    else
        SendNextPiece();
}

// The block is stored only once every byte of it has come.
void EmulatedServoController::ReceiveBlockByte(BYTE byte)
{
    m_incoming[m_count++] = byte;
    if (m_count % PIECE_SIZE == 0 || m_count == m_length)
        SendCount(m_count);
    if (m_count == m_length) {
        std::memcpy(m_eeprom, m_incoming, m_length);
        m_state = State::Idle;
    }
}

void EmulatedServoController::Send(BYTE byte0, BYTE byte1)
{
    m_output.push_back(byte0);
    m_output.push_back(byte1);
}

void EmulatedServoController::SendCount(DWORD count)
{
    Send(static_cast<BYTE>(count & 0xFF), static_cast<BYTE>((count >> 8) & 0xFF));
}
