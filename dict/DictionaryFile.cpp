#include "dict/DictionaryFile.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace nira {

namespace {

// Entries lie before IndexBase; a file shorter than that ends them earlier.
int64_t EntryAreaEnd(const DictionaryFile& file) {
    const int64_t indexBase = std::max<int64_t>(file.IndexBase(), 0);
    return std::min(indexBase, file.Size());
}

int32_t CountEntries(int64_t size, int32_t indexBase) {
    if (indexBase < 0 || size <= indexBase) return 0;
    const int64_t count = (size - indexBase) / kOffsetBytes;
    return static_cast<int32_t>(std::min<int64_t>(count, std::numeric_limits<int32_t>::max()));
}

int64_t Clamp(int64_t value, int64_t low, int64_t high) {
    return std::min(std::max(value, low), high);
}

// Copies a headword from bytes (available of them) into dest: up to and
// including its NUL, at most 51 bytes before a NUL is added.
int CopyHeadword(unsigned char (&dest)[kHeadwordBufferSize], const unsigned char* bytes,
                 std::size_t available) {
    const std::size_t limit = std::min<std::size_t>(available, kMaxHeadwordBytes);
    const void* nul = limit > 0 ? std::memchr(bytes, 0, limit) : nullptr;
    if (nul != nullptr) {
        const std::size_t stored = static_cast<const unsigned char*>(nul) - bytes + 1;
        std::memcpy(dest, bytes, stored);
        return static_cast<int>(stored);
    }
    // Cut by the end of the file or by the 51-byte limit: end it here.
    if (limit > 0) std::memcpy(dest, bytes, limit);
    dest[limit] = 0;
    return static_cast<int>(limit + 1);
}

}  // namespace

DictionaryFile::~DictionaryFile() { Close(); }

bool DictionaryFile::Open(const std::string& path, int32_t indexBase) {
    Close();
    if (!MapFileReadOnly(path, m_map)) return false;
    m_open = true;
    m_indexBase = indexBase;
    m_entryCount = CountEntries(m_map.size, indexBase);
    return true;
}

void DictionaryFile::Close() {
    UnmapFile(m_map);
    m_open = false;
    m_indexBase = 0;
    m_entryCount = 0;
}


int ReadEntry(const DictionaryFile& file, int32_t k,
              unsigned char (&dest)[kEntryBufferSize]) {
    dest[0] = 0;
    int32_t start = 0;
    if (!ReadEntryOffset(file, k, start)) return 0;
    // The last entry has no offset after it: it ends at IndexBase.
    int32_t end = file.IndexBase();
    if (k < file.EntryCount() && !ReadEntryOffset(file, k + 1, end)) return 0;

    const int64_t areaEnd = EntryAreaEnd(file);
    if (start < 0 || start >= areaEnd) return 0;
    const int64_t from = start;
    const int64_t to = Clamp(end, from, std::min<int64_t>(areaEnd, from + kMaxEntryBytes));
    const std::size_t wanted = static_cast<std::size_t>(to - from);
    if (wanted == 0) return 0;

    std::memcpy(dest, file.Data() + from, wanted);
    dest[wanted] = 0;
    return static_cast<int>(wanted);
}

int ReadHeadword(unsigned char (&dest)[kHeadwordBufferSize], const DictionaryFile& file,
                 int64_t offset) {
    const unsigned char* bytes = nullptr;
    const std::size_t available = HeadwordAt(file, offset, bytes);
    return CopyHeadword(dest, bytes, available);  // nothing available: an empty text
}

int ReadHeadword(unsigned char (&dest)[kHeadwordBufferSize], std::FILE* stream) {
    unsigned char bytes[kMaxHeadwordBytes];
    const std::size_t got =
        stream != nullptr ? std::fread(bytes, 1, sizeof bytes, stream) : 0;
    return CopyHeadword(dest, bytes, got);
}

}  // namespace nira
