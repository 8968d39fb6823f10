// Opening a file by name only when it is a regular file: a folder, a pipe or a device
// is refused at once rather than read, written or waited on.
#pragma once

#include <string>

// Opens path with the open(2) flags given and returns the descriptor, blocking as
// usual; or -1 with the error number in osError, which is EISDIR for a folder and 0
// for anything else that is no regular file.
int OpenRegularFile(const std::string& path, int flags, int& osError);
