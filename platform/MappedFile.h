// A whole regular file mapped read-only and private, guarded against the
// file being cut short on disk while it is mapped.
//
// A file replaced by renaming another over it (a package upgrade) leaves
// the mapping on the old file, which lives on until it is unmapped. A file
// truncated in place is the danger: touching a mapped page that no longer
// has file behind it raises SIGBUS. A process-wide handler, installed with
// the first mapping, catches a SIGBUS whose address lies in one of these
// mappings and maps a page of zeros over the lost page, so the read that
// faulted resumes and sees zeros; readers bound every read by the size at
// mapping time, so zeros give empty headwords and empty entries, never a
// wider read. A fault anywhere else goes on to the handler that was there
// before, or ends the process as it would have without ours.
#pragma once

#include <cstdint>
#include <string>

namespace nira {

struct MappedFile {
    const unsigned char* data = nullptr;  // null for an empty file
    int64_t size = 0;
};

// Maps path if it is a regular file; false when it cannot be opened, is
// not a regular file, or cannot be mapped.
bool MapFileReadOnly(const std::string& path, MappedFile& mapped);

// Unmaps what MapFileReadOnly mapped and clears it.
void UnmapFile(MappedFile& mapped);

}  // namespace nira
