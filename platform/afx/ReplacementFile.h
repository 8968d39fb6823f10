// The file that a save writes: a new file beside the one it replaces, put in its place
// in one step once its data is on the disk, so that a save that fails leaves the old
// file as it was. Where the folder takes no new file, the old file is written in place.
#pragma once

#include <string>
#include <sys/types.h>

class ReplacementFile {
public:
    // The system calls by which a replacement makes, flushes, closes and renames its
    // files. Tests put failing ones in their place, for the steps that the disk cannot
    // be made to fail on request; everything else uses the system's own.
    struct SystemCalls {
        int (*open)(const char* path, int flags, mode_t mode);
        int (*ftruncate)(int fd, off_t length);
        int (*fsync)(int fd);
        int (*close)(int fd);
        int (*rename)(const char* from, const char* to);
        int (*renameNoReplace)(const char* from, const char* to);
    };
    static SystemCalls s_systemCalls;

    ReplacementFile() = default;
    // Closes and removes a new file that was not put in place.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Starts the file that is to replace path (UTF-8), or the file that path's symbolic
    // links lead to; access is O_WRONLY or O_RDWR. Returns the descriptor to write, or
    // -1 with the error number in osError (0: the target is no regular file).
    int Create(const std::string& path, int access, int& osError);
    // Flushes the data to the disk, closes the descriptor and puts the new file in
    // place of the old one. Returns 0, or the error number with the new file removed.
    int Commit();

private:
    int CreateBeside(int access, int& osError);
    int PutInPlace();
    void Discard();

    int m_fd = -1;
    std::string m_target;     // the file replaced, links followed
    bool m_targetExisted = false;
    std::string m_temporary;  // the new file; empty when writing the target in place
};
