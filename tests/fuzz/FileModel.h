// A data file read straight from its bytes, as a reference for the
// engine's reads: the entry offsets, the headword a probe compares with,
// the bytes of an entry, and the search as the recursive halving it is
// defined as. Fuzz harnesses compare the engine with it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <sys/mman.h>

#include "dict/Collation.h"
#include "dict/Constants.h"
#include "dict/DictionaryFile.h"

namespace nira::fuzz {

// Ends the run with a message: libFuzzer keeps the input that did it.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "model mismatch: %s\n", what);
    std::abort();
}

inline void Check(bool ok, const char* what) {
    if (!ok) Fail(what);
}

struct FileModel {
    std::string bytes;
    int32_t indexBase = 0;

    int64_t Size() const { return static_cast<int64_t>(bytes.size()); }

    int32_t Count() const {
        if (indexBase < 0 || Size() <= indexBase) return 0;
        return static_cast<int32_t>(std::min<int64_t>((Size() - indexBase) / 4, INT32_MAX));
    }

    bool Offset(int32_t k, int32_t& offset) const {
        if (k < 1 || k > Count()) return false;
        const int64_t at = static_cast<int64_t>(indexBase) + 4 * (static_cast<int64_t>(k) - 1);
        if (at + 4 > Size()) return false;
        uint32_t value = 0;
        for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        offset = static_cast<int32_t>(value);
        return true;
    }

    // The headword a probe of entry k reads: up to 51 bytes from its offset
    // to a NUL or the file's end; "" when k or its offset is out of range.
    std::string ProbeHeadword(int32_t k) const {
        int32_t offset = 0;
        if (!Offset(k, offset) || offset < 0 || offset >= Size()) return std::string();
        const std::string rest = bytes.substr(static_cast<std::size_t>(offset), kMaxHeadwordBytes);
        return rest.substr(0, rest.find('\0'));
    }

    // Entry k: from its offset to the next one (IndexBase for the last),
    // inside the entry area and at most 8999 bytes; "" when unreadable.
    std::string Entry(int32_t k) const {
        int32_t start = 0;
        int32_t end = indexBase;
        if (!Offset(k, start) || (k < Count() && !Offset(k + 1, end))) return std::string();
        const int64_t areaEnd = std::min<int64_t>(std::max<int32_t>(indexBase, 0), Size());
        if (start < 0 || start >= areaEnd) return std::string();
        const int64_t limit = std::min<int64_t>(areaEnd, static_cast<int64_t>(start) + kMaxEntryBytes);
        const int64_t to = std::min<int64_t>(std::max<int64_t>(end, start), limit);
        return bytes.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(to - start));
    }

    int Compare(const unsigned char* key, int32_t k) const {
        const std::string headword = ProbeHeadword(k);
        const int r = CompareHeadword(key, reinterpret_cast<const unsigned char*>(headword.c_str()));
        return (r > 0) - (r < 0);
    }

    // The recursive halving: the last entry probed is left in current.
    int Search(const unsigned char* key, int32_t first, int32_t last, int32_t& current) const {
        if (static_cast<int64_t>(last) - first < 1) {
            current = first;
            return Compare(key, first);
        }
        const int32_t mid = static_cast<int32_t>(first + (static_cast<int64_t>(last) - first) / 2);
        current = mid;
        const int r = Compare(key, mid);
        if (r == 0) return 0;
        if (r < 0) return mid == first ? -1 : Search(key, first, mid - 1, current);
        return Search(key, mid + 1, last, current);
    }
};

// The headword of an entry's bytes: up to the first NUL, at most 51 bytes.
inline std::string HeadwordOf(const std::string& entry) {
    const std::string head = entry.substr(0, kMaxHeadwordBytes);
    return head.substr(0, head.find('\0'));
}

// A file in memory with a path that opens it: /proc/self/fd of a memfd.
class MemoryFile {
public:
    explicit MemoryFile(const std::string& bytes) {
        m_fd = memfd_create("nira-fuzz", MFD_CLOEXEC);
        if (m_fd < 0 || write(m_fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            Fail("memfd");
        m_path = "/proc/self/fd/" + std::to_string(m_fd);
    }
    ~MemoryFile() { close(m_fd); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    const std::string& Path() const { return m_path; }

private:
    int m_fd = -1;
    std::string m_path;
};

// The engine's ReadEntry of entry k against the model's.
inline void CheckReadEntry(const DictionaryFile& file, const FileModel& model, int32_t k) {
    static unsigned char entry[kEntryBufferSize];
    const int length = ReadEntry(file, k, entry);
    const std::string expected = model.Entry(k);
    Check(length == static_cast<int>(expected.size()), "ReadEntry length");
    Check(std::memcmp(entry, expected.data(), expected.size()) == 0, "ReadEntry bytes");
    Check(entry[length] == 0, "ReadEntry NUL");
}

}  // namespace nira::fuzz
