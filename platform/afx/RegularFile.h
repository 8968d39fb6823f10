// Opening a file by name only when it is a regular file: a folder, a pipe or a device
// is refused at once rather than read, written or waited on; and reading one whole.
#pragma once

#include <string>

// Opens path with the open(2) flags given and returns the descriptor, blocking as
// usual; or -1 with the error number in osError, which is EISDIR for a folder and 0
// for anything else that is no regular file.
int OpenRegularFile(const std::string& path, int flags, int& osError);
// The same, for a name relative to an open folder (openat).
int OpenRegularFileAt(int folder, const std::string& name, int flags, int& osError);

// Reads the whole content of the file open for reading on fd, from its start whatever
// the descriptor's offset. Returns 0 or the error number.
int ReadWholeFile(int fd, std::string& bytes);
