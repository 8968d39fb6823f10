// Bytes written out as tests expect them: two hex digits each, separated by blanks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "windef.h"

std::string Hex(std::string_view bytes);
std::string Hex(LPCTSTR text);
std::string Hex(const std::vector<BYTE>& bytes);
