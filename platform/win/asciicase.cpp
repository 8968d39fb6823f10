#include "asciicase.h"

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int CompareAsciiNoCase(std::string_view a, std::string_view b)
{
    size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        int difference = static_cast<unsigned char>(AsciiLower(a[i])) - static_cast<unsigned char>(AsciiLower(b[i]));
        if (difference != 0)
            return difference;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}
