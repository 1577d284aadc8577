// Opening a file for reading only when it is a regular file. A FIFO would
// block the open or the read, a device such as /dev/zero would never end:
// neither is a file this program writes or reads.
#pragma once

#include <string>

namespace nira {

// Opens path read-only, without blocking on a FIFO, and checks that it is a
// regular file. Returns the descriptor, or -1 with errno set: EACCES for a
// file that is not regular (a folder gives EISDIR), else the open's error.
int OpenRegularFile(const std::string& path);

// True when path names a regular file (following links); false for a
// missing file, a FIFO, a device or a folder.
bool IsRegularFile(const std::string& path);

}  // namespace nira
