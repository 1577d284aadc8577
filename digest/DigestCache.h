// Digests verified once, remembered per state of the file, so that the
// command line does not read both data files at every run. A state is the
// file's device, inode, size, and modification and status-change times in
// nanoseconds: any change of the file changes its state, so an altered
// file is read and checked again.
#pragma once

#include <cstdint>
#include <string>

namespace nira {

struct FileState {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0;

    bool operator==(const FileState& other) const;
};

// The state of the file at path; false when it cannot be had.
bool ReadFileState(const std::string& path, FileState& state);

// $XDG_CACHE_HOME/nira, else ~/.cache/nira ("" when neither is known).
std::string DigestCacheDir();

// The digest remembered in cacheDir for this state ("" when none).
std::string RememberedDigest(const std::string& cacheDir, const FileState& state);

// Remembers digest for this state; false when it could not be stored
// (nothing is lost: the digest is then computed again next time).
bool RememberDigest(const std::string& cacheDir, const FileState& state,
                    const std::string& digest);

// The digest of the file at path: the one remembered for its present state
// when it equals expected, else computed and, when it equals expected,
// remembered. Throws CFileException when the file cannot be read.
std::string CheckedDigestOfFile(const std::string& path, const std::string& expected,
                                const std::string& cacheDir);

}  // namespace nira
