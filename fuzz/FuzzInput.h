// The fuzzer's bytes, taken from the front as the values a target needs. Once the
// bytes run out every value reads as zero, so any input drives a whole run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool Empty() const { return m_used >= m_size; }

    uint8_t Byte() { return m_used < m_size ? m_data[m_used++] : 0; }

    bool Bool() { return (Byte() & 1) != 0; }

    uint32_t Bits32()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | Byte();
        return value;
    }

    int32_t Int() { return static_cast<int32_t>(Bits32()); }

    // A float from raw bits: NaN, the infinities and huge values come up as often as any.
    float Float()
    {
        uint32_t bits = Bits32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    double Double()
    {
        uint64_t bits = static_cast<uint64_t>(Bits32()) << 32 | Bits32();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // Up to n bytes, fewer where the input ends.
    std::vector<uint8_t> Bytes(size_t n)
    {
        size_t taken = n < m_size - Used() ? n : m_size - Used();
        std::vector<uint8_t> bytes(m_data + Used(), m_data + Used() + taken);
        m_used += taken;
        return bytes;
    }

    // A text up to the next NUL byte (or the end), without it.
    std::string Text()
    {
        std::string text;
        while (m_used < m_size && m_data[m_used] != 0)
            text += static_cast<char>(m_data[m_used++]);
        ++m_used;
        return text;
    }

    std::vector<uint8_t> Rest() { return Bytes(m_size); }

private:
    size_t Used() const { return m_used < m_size ? m_used : m_size; }

    const uint8_t* m_data;
    size_t m_size;
    size_t m_used = 0;
};
