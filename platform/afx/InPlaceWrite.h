// Writing a file's new content over its old one where it stands, for a save whose
// folder takes no new file or refuses the rename. The old bytes are read first and
// put back if the new ones cannot all be written, cut to length and flushed, so that
// a write that fails leaves the old file as it was.
#pragma once

#include <string>

// Replaces the content of the regular file open for reading and writing on fd with
// newBytes. Refuses before writing anything what a size limit or the free space
// would stop. Returns 0, or the error number with the old content back in place.
int WriteInPlace(int fd, const std::string& newBytes);
