// The file that a save writes: a new file beside the one it replaces, put in its place
// in one step once its data is on the disk, so that a save that fails leaves the old
// file as it was. Where the folder takes no new file, or will not let one be renamed
// over the old file (another user's file in a sticky folder), a writable old file is
// written in place instead, its old bytes put back if that fails.
#pragma once

#include <string>
#include <sys/types.h>

class ReplacementFile {
public:
    // The system calls by which a replacement makes, writes in place, flushes, closes
    // and renames its files, names relative to the target's open folder. Tests put
    // failing ones in their place, for the steps that the disk cannot be made to fail
    // on request; everything else uses the system's own.
    struct SystemCalls {
        int (*openat)(int folder, const char* name, int flags, mode_t mode);
        int (*fallocate)(int fd, int mode, off_t offset, off_t length);
        ssize_t (*pwrite)(int fd, const void* bytes, size_t count, off_t offset);
        int (*ftruncate)(int fd, off_t length);
        int (*fsync)(int fd);
        int (*close)(int fd);
        int (*renameat)(int fromFolder, const char* from, int toFolder, const char* to);
        int (*renameNoReplace)(int fromFolder, const char* from, int toFolder, const char* to);
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
    // Flushes the data to the disk, closes the descriptor and puts the new data in
    // place of the old. Returns 0, or the error number with the old file as it was
    // and the new file removed.
    int Commit();

private:
    int OpenFolderOf(const std::string& path);
    int CreateBeside(int access, int& osError);
    int StartInPlace(int& osError);
    int CommitBeside();
    int CommitInPlace();
    int RenameOverTarget();
    int WriteInPlaceInstead(int renameError);
    int FlushFolder() const;
    void RemoveTemporary();
    void Discard();

    int m_folder = -1;         // the target's folder, links followed
    std::string m_name;        // the target's name in it
    bool m_targetExisted = false;
    int m_fd = -1;             // what the caller writes
    std::string m_temporary;   // the new file's name in the folder; empty when none
    int m_inPlace = -1;        // the old file, when it is written in place
};
