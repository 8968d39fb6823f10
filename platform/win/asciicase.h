// Case folding of the ASCII letters alone. The C library's strcasecmp and tolower fold
// by the user's locale, where a Turkish 'I' is not the capital of 'i': class names,
// library names and a sorted list would then change with the desktop's language.
#pragma once

#include <string_view>

// 'A' to 'Z' as 'a' to 'z'; every other byte as it is.
char AsciiLower(char c);

// Below, equal to or above zero as a is before, equal to or after b once 'A' to 'Z'
// are taken as 'a' to 'z'; other bytes compare as unsigned values.
int CompareAsciiNoCase(std::string_view a, std::string_view b);
