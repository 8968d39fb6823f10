#include "AfxWinMain.h"

#include <csignal>
#include <unistd.h>

#include <string>
#include <vector>

#include "CWinApp.h"
#include "codepage.h"

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
    // File names are UTF-8; the program's texts are code page 936: a character that
    // the code page lacks becomes '?'.
    return CString(Utf8ToCodePage936Lossy(name).c_str());
}

BOOL AfxWinInit()
{
    // A file-size limit (ulimit -f) then fails a write with EFBIG, which a save reports
    // as a full disk, rather than ending the program with the user's work.
    std::signal(SIGXFSZ, SIG_IGN);
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
