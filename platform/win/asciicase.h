// Comparison without regard to case that folds only the ASCII letters. The C library's
// strcasecmp folds by the user's locale, where a Turkish 'I' is not the capital of 'i'
// and a sorted list would change its order with the desktop's language.
#pragma once

#include <string_view>

// Below, equal to or above zero as a is before, equal to or after b once 'A' to 'Z'
// are taken as 'a' to 'z'; other bytes compare as unsigned values.
int CompareAsciiNoCase(std::string_view a, std::string_view b);
