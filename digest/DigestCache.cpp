#include "digest/DigestCache.h"

#include <sys/stat.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

#include "digest/Md5.h"
#include "platform/AtomicFile.h"

namespace nira {
namespace {

constexpr mode_t kCacheFolderMode = 0700;
constexpr std::size_t kMaxCacheFileBytes = 256;
constexpr const char* kCacheFileTag = "nira-digest 1";
constexpr std::size_t kDigestDigits = 32;

int64_t Nanoseconds(const struct timespec& time) {
    return static_cast<int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// One small file per device and inode: a file replaced by another gets a
// file of its own, and the one of a changed file is overwritten.
std::string CacheFilePath(const std::string& cacheDir, const FileState& state) {
    char name[64];
    std::snprintf(name, sizeof name, "%" PRIx64 "-%" PRIx64, state.device, state.inode);
    return cacheDir + "/" + name;
}

std::string CacheFileText(const FileState& state, const std::string& digest) {
    char text[kMaxCacheFileBytes];
    std::snprintf(text, sizeof text, "%s\n%" PRId64 " %" PRId64 " %" PRId64 " %s\n",
                  kCacheFileTag, state.size, state.modifiedNs, state.changedNs,
                  digest.c_str());
    return text;
}

bool IsHexDigest(const std::string& text) {
    if (text.size() != kDigestDigits) return false;
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return true;
}

}  // namespace

bool FileState::operator==(const FileState& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modifiedNs == other.modifiedNs && changedNs == other.changedNs;
}

bool ReadFileState(const std::string& path, FileState& state) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    state.device = static_cast<uint64_t>(info.st_dev);
    state.inode = static_cast<uint64_t>(info.st_ino);
    state.size = static_cast<int64_t>(info.st_size);
    state.modifiedNs = Nanoseconds(info.st_mtim);
    state.changedNs = Nanoseconds(info.st_ctim);
    return true;
}

std::string DigestCacheDir() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    if (xdg != nullptr && xdg[0] == '/') return std::string(xdg) + "/nira";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return std::string(home) + "/.cache/nira";
    return "";
}

std::string RememberedDigest(const std::string& cacheDir, const FileState& state) {
    if (cacheDir.empty()) return "";
    std::string text;
    if (ReadWholeFile(CacheFilePath(cacheDir, state), kMaxCacheFileBytes, text) !=
        ReadResult::kRead) {
        return "";
    }
    // Only the exact text this state would be stored as is taken.
    if (text.size() < kDigestDigits + 1) return "";
    const std::string digest = text.substr(text.size() - kDigestDigits - 1, kDigestDigits);
    if (!IsHexDigest(digest) || text != CacheFileText(state, digest)) return "";
    return digest;
}

bool RememberDigest(const std::string& cacheDir, const FileState& state,
                    const std::string& digest) {
    if (cacheDir.empty() || !IsHexDigest(digest)) return false;
    if (!MakeFolders(cacheDir, kCacheFolderMode)) return false;
    return ReplaceFile(CacheFilePath(cacheDir, state), CacheFileText(state, digest));
}

std::string CheckedDigestOfFile(const std::string& path, const std::string& expected,
                                const std::string& cacheDir) {
    FileState before;
    const bool known = ReadFileState(path, before);
    if (known) {
        const std::string remembered = RememberedDigest(cacheDir, before);
        if (!remembered.empty() && remembered == expected) return remembered;
    }
    const std::string digest = CMd5::DigestOfFile(path);
    // Remembered only when the file kept its state while it was read.
    FileState after;
    if (known && digest == expected && ReadFileState(path, after) && after == before) {
        RememberDigest(cacheDir, before, digest);
    }
    return digest;
}

}  // namespace nira
