#include "support/ScratchFolder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

ScratchFolder::ScratchFolder()
{
    char pattern[] = "/tmp/quorvel-test-XXXXXX";
    m_path = mkdtemp(pattern);
}

ScratchFolder::~ScratchFolder()
{
    // A test may have left a folder that takes no new file (mode 555); its owner may
    // open it up again, so that what it holds can be removed as a user other than root.
    namespace fs = std::filesystem;
    std::error_code ignored;
    for (fs::recursive_directory_iterator it(m_path, ignored), end; it != end; it.increment(ignored)) {
        if (it->is_directory(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(m_path, ignored);
}

void ScratchFolder::WriteBytes(const std::string& name, const std::string& bytes) const
{
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
}

std::string ScratchFolder::ReadBytes(const std::string& name) const
{
    std::ifstream in(PathOf(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> ScratchFolder::Names(const std::string& subfolder) const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(subfolder.empty() ? m_path : PathOf(subfolder)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
