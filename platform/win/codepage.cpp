#include "codepage.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace {

const char UTF8_REPLACEMENT_CHARACTER[] = "\xEF\xBF\xBD";

// One iconv conversion, opened once for many pieces.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (IsOpen())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts a piece whole; nothing when the converter refuses any of it.
    std::optional<std::string> Convert(std::string_view in)
    {
        if (!IsOpen())
            return std::nullopt;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        char* inPtr = const_cast<char*>(in.data());
        size_t inLeft = in.size();
        while (inLeft > 0) {
            char chunk[256];
            char* outPtr = chunk;
            size_t outLeft = sizeof chunk;
            size_t result = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(chunk, static_cast<size_t>(outPtr - chunk));
            if (result == static_cast<size_t>(-1) && errno != E2BIG)
                return std::nullopt;  // an invalid or incomplete sequence
        }
        return out;
    }

private:
    bool IsOpen() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    iconv_t m_cd;
};

// The length in bytes of the UTF-8 sequence that text[at] opens; a byte that opens
// none counts alone.
size_t Utf8SequenceLength(std::string_view text, size_t at)
{
    unsigned char lead = static_cast<unsigned char>(text[at]);
    size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 1;
    return std::min(length, text.size() - at);
}

// Converts piece by piece, where lengthAt gives each piece's length; a piece that the
// first converter refuses is tried with the second, where there is one. Nothing when
// both refuse a piece and there is no replacement for it.
template <class LengthAt>
std::optional<std::string> ConvertEachPiece(Converter& first, Converter* second, std::string_view text,
                                            LengthAt lengthAt, std::optional<std::string_view> replacement)
{
    std::string out;
    for (size_t at = 0; at < text.size();) {
        size_t length = lengthAt(text, at);
        std::string_view piece = text.substr(at, length);
        std::optional<std::string> converted = first.Convert(piece);
        if (!converted && second != nullptr)
            converted = second->Convert(piece);
        if (!converted && !replacement)
            return std::nullopt;
        out += converted ? *converted : std::string(*replacement);
        at += length;
    }
    return out;
}

// Whether a byte may stand second or fourth in a four-byte GB18030 character.
bool IsGb18030FourByteDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Code page 936 reads its 0x80 as the euro sign, which GB18030 does not read; GB18030
// reads the characters that code page 936 lacks.
std::optional<std::string> ProgramTextToUtf8(std::string_view text, std::optional<std::string_view> replacement)
{
    Converter codePage("UTF-8", "CP936");
    Converter beyond("UTF-8", "GB18030");
    return ConvertEachPiece(codePage, &beyond, text, CodePage936CharLength, replacement);
}

}  // namespace

bool IsCodePage936LeadByte(char c)
{
    unsigned char byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

size_t CodePage936CharLength(std::string_view text, size_t at)
{
    if (!IsCodePage936LeadByte(text[at]) || at + 1 >= text.size())
        return 1;
    bool fourBytes = at + 3 < text.size() && IsGb18030FourByteDigit(text[at + 1]) &&
                     IsCodePage936LeadByte(text[at + 2]) && IsGb18030FourByteDigit(text[at + 3]);
    return fourBytes ? 4 : 2;
}

std::optional<std::string> CodePage936ToUtf8(std::string_view text)
{
    return ProgramTextToUtf8(text, std::nullopt);
}

std::optional<std::string> Utf8ToCodePage936(std::string_view text)
{
    Converter converter("CP936", "UTF-8");
    return converter.Convert(text);
}

std::string CodePage936ToUtf8Lossy(std::string_view text)
{
    return *ProgramTextToUtf8(text, UTF8_REPLACEMENT_CHARACTER);
}

std::string Utf8ToCodePage936Lossy(std::string_view text)
{
    Converter converter("CP936", "UTF-8");
    return *ConvertEachPiece(converter, nullptr, text, Utf8SequenceLength, "?");
}

// Code page 936 first: GB18030 writes its euro sign, 0x80, otherwise.
std::optional<std::string> Utf8ToPathBytes(std::string_view text)
{
    Converter codePage("CP936", "UTF-8");
    Converter beyond("GB18030", "UTF-8");
    return ConvertEachPiece(codePage, &beyond, text, Utf8SequenceLength, std::nullopt);
}
