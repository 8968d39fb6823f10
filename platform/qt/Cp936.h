// Code page 936 <-> Unicode at the screen's edge: the window system holds every text as
// code-page-936 bytes, Qt shows QStrings. Offsets into an edit's text also differ
// (bytes there, characters here), so both directions are served.
#pragma once

#include <QString>
#include <string>
#include <string_view>

// Code page 936, and GB18030 for the characters that it lacks, which a chosen path may
// hold. A byte or byte pair that is no character becomes U+FFFD.
QString FromCp936(std::string_view bytes);

// Characters that code page 936 lacks become '?'.
std::string ToCp936(const QString& text);

// The index in FromCp936(bytes) of the byte offset; an offset inside a character of two
// or four bytes counts that character as passed.
int CharIndexOfByteOffset(std::string_view bytes, int byteOffset);

// The byte offset in bytes of the index in FromCp936(bytes).
int ByteOffsetOfCharIndex(std::string_view bytes, int charIndex);
