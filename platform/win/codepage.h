// Conversion between the program's code page 936 and UTF-8, for the edges where text
// leaves the program: the screen and the file system. The strict conversions give
// nothing for a text that the other side cannot hold, so that it never turns into a
// different text; the lossy ones go character by character and put a replacement in
// place of each character that the other side lacks.
#pragma once

#include <optional>
#include <string>
#include <string_view>

std::optional<std::string> CodePage936ToUtf8(std::string_view text);
std::optional<std::string> Utf8ToCodePage936(std::string_view text);

// A byte or byte pair that is no code page 936 character becomes U+FFFD.
std::string CodePage936ToUtf8Lossy(std::string_view text);
// A character that code page 936 lacks, or a broken UTF-8 sequence, becomes '?'.
std::string Utf8ToCodePage936Lossy(std::string_view text);

// Whether a byte opens a two-byte character of code page 936 (0x81 to 0xFE).
bool IsCodePage936LeadByte(char c);

// The length in bytes of the code page 936 character at text[at]: 2 for a lead byte
// followed by another byte, otherwise 1.
size_t CodePage936CharLength(std::string_view text, size_t at);
