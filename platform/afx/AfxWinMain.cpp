#include "AfxWinMain.h"

#include <cerrno>
#include <iconv.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "CWinApp.h"

namespace {

// The path of the running executable's own file, so that a copy under another name
// shows that name.
std::string ExecutablePath()
{
    std::vector<char> buffer(4096);
    ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0 || static_cast<size_t>(length) >= buffer.size())
        return std::string();
    return std::string(buffer.data(), static_cast<size_t>(length));
}

// File names are UTF-8; the program's texts are code page 936. A character that the
// code page lacks becomes '?'.
std::string Utf8ToCodePage936(const std::string& utf8)
{
    iconv_t cd = iconv_open("CP936", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return utf8;
    std::string result;
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    while (inLeft > 0) {
        char buffer[256];
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        size_t converted = iconv(cd, &in, &inLeft, &out, &outLeft);
        result.append(buffer, static_cast<size_t>(out - buffer));
        if (converted == static_cast<size_t>(-1) && errno != E2BIG) {
            // Skip one unconvertible or broken byte sequence: the rest of this character.
            result += '?';
            ++in;
            --inLeft;
            while (inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80) {
                ++in;
                --inLeft;
            }
        }
    }
    iconv_close(cd);
    return result;
}

}  // namespace

CString AfxAppNameFromPath(LPCTSTR lpszUtf8Path)
{
    std::string name(lpszUtf8Path != nullptr ? lpszUtf8Path : "");
    size_t slash = name.rfind('/');
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return CString(Utf8ToCodePage936(name).c_str());
}

BOOL AfxWinInit()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return FALSE;
    pApp->SetAppNameIfUnset(AfxAppNameFromPath(ExecutablePath().c_str()));
    return TRUE;
}

int AfxWinMain(int, char**)
{
    if (!AfxWinInit())
        return -1;
    CWinApp* pApp = AfxGetApp();
    if (!pApp->InitInstance())
        return pApp->ExitInstance();
    return pApp->Run();
}
