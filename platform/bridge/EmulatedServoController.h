// The servo controller behind the emulated adapter: it keeps a 41-byte EEPROM for the
// life of the process and speaks the configurator's exchange, a command frame answered
// by a reply, then the block in pieces of at most 32 bytes, each acknowledged.
#pragma once

#include <deque>

#include "windef.h"

class EmulatedServoController {
public:
    static constexpr DWORD EEPROM_SIZE = 41;
    static constexpr DWORD PIECE_SIZE = 32;
    static constexpr BYTE CMD_WRITE_BLOCK = 0x01;
    static constexpr BYTE CMD_READ_BLOCK = 0x02;

    EmulatedServoController();

    // Abandons any exchange in progress and what was not yet read of its answer.
    void Reset();
    // Takes bytes sent by the host, answering as they complete a frame, piece or
    // acknowledgement.
    void Receive(const BYTE* data, DWORD count);
    // The bytes the controller has sent and the host has not yet read, oldest first.
    DWORD PendingOutput() const { return static_cast<DWORD>(m_output.size()); }
    DWORD TakeOutput(BYTE* buffer, DWORD count);

    const BYTE* Eeprom() const { return m_eeprom; }

private:
    enum class State { Idle, Sending, Receiving };

    void ReceiveFrameByte(BYTE byte);
    void StartCommand();
    void ReceiveAcknowledgementByte(BYTE byte);
    void ReceiveBlockByte(BYTE byte);
    void SendNextPiece();
    void Send(BYTE byte0, BYTE byte1);
    void SendCount(DWORD count);

    BYTE m_eeprom[EEPROM_SIZE];
    BYTE m_incoming[EEPROM_SIZE];
    State m_state = State::Idle;
    BYTE m_pending[3] = {};  // the frame or acknowledgement being received
    DWORD m_pendingCount = 0;
    DWORD m_length = 0;     // block bytes in this exchange
    DWORD m_count = 0;      // block bytes moved so far
    DWORD m_pieceEnd = 0;   // the count that the host must acknowledge next
    std::deque<BYTE> m_output;
};
