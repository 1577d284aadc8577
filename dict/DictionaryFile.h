// One data file: a read-only private memory map paired with its IndexBase.
// Every read is bounded by the file's size at opening and by the caller's
// buffer, whatever the file holds or becomes while it is mapped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "dict/Constants.h"
#include "platform/MappedFile.h"

namespace nira {

// Each entry's start offset after IndexBase: a little-endian int32.
constexpr int kOffsetBytes = 4;

class DictionaryFile {
public:
    DictionaryFile() = default;
    ~DictionaryFile();
    DictionaryFile(const DictionaryFile&) = delete;
    DictionaryFile& operator=(const DictionaryFile&) = delete;

    // Maps a regular file read-only; false when it cannot be opened or mapped.
    bool Open(const std::string& path, int32_t indexBase);
    void Close();
    bool IsOpen() const { return m_open; }

    // The file's bytes, Size() of them (null for an empty file).
    const unsigned char* Data() const { return m_map.data; }
    int32_t IndexBase() const { return m_indexBase; }
    int64_t Size() const { return m_map.size; }
    // Offsets stored after IndexBase (0 when the file is shorter).
    int32_t EntryCount() const { return m_entryCount; }

private:
    MappedFile m_map;
    bool m_open = false;
    int32_t m_indexBase = 0;
    int32_t m_entryCount = 0;  // counted once: every probe asks for it
};

// Reads entry k (1-based) into dest and appends a NUL; returns its length.
// Offsets out of the file, decreasing offsets and entries longer than
// kMaxEntryBytes give a shorter (possibly empty) entry, never a wider read.
int ReadEntry(const DictionaryFile& file, int32_t k,
              unsigned char (&dest)[kEntryBufferSize]);

// Reads the start offset of entry k; false when it lies outside the index.
// Inline, with the other small reads below: every probe of a search makes
// them, and a call would cost as much as the read.
inline bool ReadEntryOffset(const DictionaryFile& file, int32_t k, int32_t& offset) {
    if (!file.IsOpen() || k < 1 || k > file.EntryCount()) return false;
    // k <= EntryCount() puts all four bytes inside the file.
    const unsigned char* bytes = file.Data() + file.IndexBase() + kOffsetBytes * static_cast<int64_t>(k - 1);
    offset = static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) |
                                  static_cast<uint32_t>(bytes[1]) << 8 |
                                  static_cast<uint32_t>(bytes[2]) << 16 |
                                  static_cast<uint32_t>(bytes[3]) << 24);
    return true;
}

// Asks the processor to bring entry k's start offset into the cache (a
// hint: nothing is read, and k outside the index is ignored).
inline void PrefetchEntryOffset(const DictionaryFile& file, int32_t k) {
    if (k >= 1 && k <= file.EntryCount()) {
        __builtin_prefetch(file.Data() + file.IndexBase() + kOffsetBytes * static_cast<int64_t>(k - 1));
    }
}

// The same for the first bytes of entry k's headword.
inline void PrefetchHeadword(const DictionaryFile& file, int32_t k) {
    int32_t offset = 0;
    if (ReadEntryOffset(file, k, offset) && offset >= 0 && offset < file.Size()) {
        __builtin_prefetch(file.Data() + offset);
    }
}

// Reads the headword at offset into dest, up to and including its NUL;
// returns the bytes stored, the NUL included. An offset outside the file
// stores an empty text; a headword cut by the end of the file or longer
// than 51 bytes is ended with a NUL all the same.
int ReadHeadword(unsigned char (&dest)[kHeadwordBufferSize],
                 const DictionaryFile& file, int64_t offset);

// The headword at offset where it lies in the file, without a copy: points
// bytes at it and returns how many of them may be read, at most 51; the
// headword ends at its first NUL among them or after them. An offset
// outside the file gives 0 (an empty headword).
inline std::size_t HeadwordAt(const DictionaryFile& file, int64_t offset,
                              const unsigned char*& bytes) {
    bytes = nullptr;
    if (!file.IsOpen() || offset < 0 || offset >= file.Size()) return 0;
    bytes = file.Data() + offset;
    const int64_t available = file.Size() - offset;
    return static_cast<std::size_t>(available < kMaxHeadwordBytes ? available : kMaxHeadwordBytes);
}

// The same from a stream's position (for files read as streams).
int ReadHeadword(unsigned char (&dest)[kHeadwordBufferSize], std::FILE* stream);

}  // namespace nira
