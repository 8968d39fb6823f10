// The bytes of a binary resource, built at compile time: fields low byte first, texts
// as their code-page-936 bytes.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "windef.h"

template <size_t N>
struct ResourceBytes {
    std::array<BYTE, N> bytes{};
    size_t size = 0;

    constexpr void Byte(BYTE value) { bytes[size++] = value; }
    constexpr void Word(WORD value)
    {
        Byte(static_cast<BYTE>(value & 0xFF));
        Byte(static_cast<BYTE>(value >> 8));
    }
    constexpr void Dword(DWORD value)
    {
        Word(static_cast<WORD>(value & 0xFFFF));
        Word(static_cast<WORD>(value >> 16));
    }
    constexpr void Text(std::string_view text)
    {
        for (char c : text)
            Byte(static_cast<BYTE>(c));
    }
};
