#include "Cp936.h"

#include <cerrno>
#include <iconv.h>

namespace {

// A lead byte opens a double-byte character in code page 936.
bool IsLeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

// The length in bytes of the character starting at bytes[at]: 2 for a lead byte with
// its trail, otherwise 1.
size_t CharLengthAt(std::string_view bytes, size_t at)
{
    return IsLeadByte(static_cast<unsigned char>(bytes[at])) && at + 1 < bytes.size() ? 2 : 1;
}

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool IsOpen() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts one piece whole; false when iconv refuses it.
    bool Convert(std::string_view in, std::string& out)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[64];
        char* inPtr = const_cast<char*>(in.data());
        size_t inLeft = in.size();
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t result = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (result == static_cast<size_t>(-1) && errno != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t m_cd;
};

}  // namespace

QString FromCp936(std::string_view bytes)
{
    Converter converter("UTF-8", "CP936");
    QString text;
    for (size_t at = 0; at < bytes.size();) {
        size_t length = CharLengthAt(bytes, at);
        std::string utf8;
        if (converter.IsOpen() && converter.Convert(bytes.substr(at, length), utf8))
            text += QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        else
            text += QChar(QChar::ReplacementCharacter);
        at += length;
    }
    return text;
}

std::string ToCp936(const QString& text)
{
    Converter converter("CP936", "UTF-8");
    std::string bytes;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype length = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        QByteArray utf8 = text.mid(at, length).toUtf8();
        std::string converted;
        if (converter.IsOpen() && converter.Convert(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())), converted))
            bytes += converted;
        else
            bytes += '?';
        at += length;
    }
    return bytes;
}

int CharIndexOfByteOffset(std::string_view bytes, int byteOffset)
{
    int index = 0;
    for (size_t at = 0; at < bytes.size() && static_cast<int>(at) < byteOffset; ++index)
        at += CharLengthAt(bytes, at);
    return index;
}

int ByteOffsetOfCharIndex(std::string_view bytes, int charIndex)
{
    size_t at = 0;
    for (int index = 0; at < bytes.size() && index < charIndex; ++index)
        at += CharLengthAt(bytes, at);
    return static_cast<int>(at);
}
