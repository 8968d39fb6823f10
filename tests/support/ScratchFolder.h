// A folder of a test's own under /tmp, removed with all it holds when the test ends,
// and the few ways tests write and read the files in it.
#pragma once

#include <string>
#include <vector>

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string PathOf(const std::string& name) const { return m_path + "/" + name; }

    void WriteBytes(const std::string& name, const std::string& bytes) const;
    std::string ReadBytes(const std::string& name) const;
    // The names of everything in the folder or in one of its subfolders, sorted,
    // hidden ones included.
    std::vector<std::string> Names(const std::string& subfolder = {}) const;

private:
    std::string m_path;
};
