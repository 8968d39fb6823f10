#include "support/Hex.h"

#include <cstdio>

std::string Hex(std::string_view bytes)
{
    std::string hex;
    for (unsigned char byte : bytes) {
        char text[4];
        std::snprintf(text, sizeof text, "%02X ", byte);
        hex += text;
    }
    if (!hex.empty())
        hex.pop_back();
    return hex;
}

std::string Hex(LPCTSTR text)
{
    return Hex(std::string_view(text != nullptr ? text : ""));
}

std::string Hex(const std::vector<BYTE>& bytes)
{
    return Hex(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
