#include "codepage.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view text)
{
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;

    std::vector<char> input(text.begin(), text.end());
    std::string output;
    char* in = input.data();
    size_t inLeft = input.size();
    bool ok = true;
    while (inLeft > 0) {
        char chunk[256];
        char* out = chunk;
        size_t outLeft = sizeof chunk;
        size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        output.append(chunk, static_cast<size_t>(out - chunk));
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            ok = false;  // an invalid or incomplete sequence
            break;
        }
    }
    iconv_close(converter);
    if (!ok)
        return std::nullopt;
    return output;
}

}  // namespace

std::optional<std::string> CodePage936ToUtf8(std::string_view text)
{
    return Convert("UTF-8", "CP936", text);
}

std::optional<std::string> Utf8ToCodePage936(std::string_view text)
{
    return Convert("CP936", "UTF-8", text);
}
