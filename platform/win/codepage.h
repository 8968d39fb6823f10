// Conversion between the program's code page 936 and UTF-8, for the edges where text
// leaves the program: the screen and the file system. A text that the other side
// cannot hold converts to nothing rather than to a different text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

std::optional<std::string> CodePage936ToUtf8(std::string_view text);
std::optional<std::string> Utf8ToCodePage936(std::string_view text);
