// One data file: a read-only stream paired with its IndexBase. Every read
// is bounded by the file's size and by the caller's buffer, whatever the
// file holds.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "dict/Constants.h"

namespace nira {

class DictionaryFile {
public:
    DictionaryFile() = default;
    ~DictionaryFile();
    DictionaryFile(const DictionaryFile&) = delete;
    DictionaryFile& operator=(const DictionaryFile&) = delete;

    // Opens the file read-only ("rb"); false when it cannot be opened.
    bool Open(const std::string& path, int32_t indexBase);
    void Close();
    bool IsOpen() const { return m_stream != nullptr; }

    std::FILE* Stream() const { return m_stream; }
    int32_t IndexBase() const { return m_indexBase; }
    int64_t Size() const { return m_size; }
    // Offsets stored after IndexBase (0 when the file is shorter).
    int32_t EntryCount() const;

private:
    std::FILE* m_stream = nullptr;
    int32_t m_indexBase = 0;
    int64_t m_size = 0;
    char m_buffer[kStreamBufferSize];  // the stream's own buffer
};

// Reads entry k (1-based) into dest and appends a NUL; returns its length.
// Offsets out of the file, decreasing offsets and entries longer than
// kMaxEntryBytes give a shorter (possibly empty) entry, never a wider read.
int ReadEntry(const DictionaryFile& file, int32_t k,
              unsigned char (&dest)[kEntryBufferSize]);

// Reads the start offset of entry k; false when it lies outside the index.
bool ReadEntryOffset(const DictionaryFile& file, int32_t k, int32_t& offset);

// Reads a headword byte by byte from the stream's position into dest, up to
// and including its NUL; returns the bytes stored, the NUL included. A
// headword cut by the end of the file or longer than 51 bytes is ended with
// a NUL all the same.
int ReadHeadword(unsigned char (&dest)[kHeadwordBufferSize], std::FILE* stream);

}  // namespace nira
