#include "commdlg.h"

#include "codepage.h"
#include "displaydriver.h"

namespace {

// A path too long to read in a message box is named by its start and its end, which
// hold its top folders and the file's name, no character cut in two.
std::string AbbreviatedPath(const std::string& path)
{
    constexpr size_t HEAD = 30;
    constexpr size_t TAIL = 60;
    if (path.size() <= HEAD + TAIL)
        return path;
    size_t headEnd = 0;
    size_t tailStart = 0;
    for (size_t at = 0; at < path.size(); at += CodePage936CharLength(path, at)) {
        if (headEnd == 0 && at >= HEAD)
            headEnd = at;
        if (at >= path.size() - TAIL) {
            tailStart = at;
            break;
        }
    }
    return path.substr(0, headEnd) + "..." + path.substr(tailStart);
}

BOOL ChooseFile(OPENFILENAME* lpofn, BOOL bSave)
{
    if (lpofn == nullptr || lpofn->lpstrFile == nullptr || lpofn->nMaxFile == 0)
        return FALSE;
    return GetDisplayDriver().ChooseFile(lpofn, bSave);
}

}  // namespace

BOOL GetOpenFileName(OPENFILENAME* lpofn)
{
    return ChooseFile(lpofn, FALSE);
}

BOOL GetSaveFileName(OPENFILENAME* lpofn)
{
    return ChooseFile(lpofn, TRUE);
}

std::vector<std::pair<std::string, std::string>> FileFilterPairs(LPCTSTR lpstrFilter)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    if (lpstrFilter == nullptr)
        return pairs;
    // The list ends at the first empty description.
    for (const char* p = lpstrFilter; *p != '\0';) {
        std::string description = p;
        p += description.size() + 1;
        std::string pattern = p;
        pairs.emplace_back(description, pattern);
        if (pattern.empty())
            break;
        p += pattern.size() + 1;
    }
    return pairs;
}

std::string DefaultExtensionOf(LPCTSTR lpstrDefExt)
{
    if (lpstrDefExt == nullptr)
        return "";
    std::string extension = lpstrDefExt;
    extension.erase(0, extension.find_first_not_of("*."));
    return extension;
}

std::string WithDefaultExtension(const std::string& path, LPCTSTR lpstrDefExt)
{
    std::string extension = DefaultExtensionOf(lpstrDefExt);
    if (extension.empty() || path.empty() || path.back() == '/')
        return path;
    size_t name = path.find_last_of('/');
    name = name == std::string::npos ? 0 : name + 1;
    if (path.find('.', name) != std::string::npos)
        return path;
    return path + "." + extension;
}

LPCTSTR ChooserTitle(BOOL bSave)
{
    return bSave ? "Save As" : "Open";
}

std::string PathTooLongText(const std::string& path)
{
    return AbbreviatedPath(path) + "\nThis path is too long.\nPlease choose a shorter one.";
}
