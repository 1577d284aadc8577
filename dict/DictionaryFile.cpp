#include "dict/DictionaryFile.h"

#include "platform/RegularFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <limits>

namespace nira {

namespace {

constexpr int kOffsetBytes = 4;

int32_t DecodeInt32(const unsigned char bytes[kOffsetBytes]) {
    const uint32_t value = static_cast<uint32_t>(bytes[0]) |
                           static_cast<uint32_t>(bytes[1]) << 8 |
                           static_cast<uint32_t>(bytes[2]) << 16 |
                           static_cast<uint32_t>(bytes[3]) << 24;
    return static_cast<int32_t>(value);
}

bool SeekTo(std::FILE* stream, int64_t position) {
    return fseeko(stream, static_cast<off_t>(position), SEEK_SET) == 0;
}

// Entries lie before IndexBase; a file shorter than that ends them earlier.
int64_t EntryAreaEnd(const DictionaryFile& file) {
    const int64_t indexBase = std::max<int64_t>(file.IndexBase(), 0);
    return std::min(indexBase, file.Size());
}

int64_t Clamp(int64_t value, int64_t low, int64_t high) {
    return std::min(std::max(value, low), high);
}

}  // namespace

DictionaryFile::~DictionaryFile() { Close(); }

bool DictionaryFile::Open(const std::string& path, int32_t indexBase) {
    Close();
    // Never a FIFO or a device: the open would block, reads never end.
    const int fd = OpenRegularFile(path);
    std::FILE* stream = fd < 0 ? nullptr : fdopen(fd, "rb");
    if (stream == nullptr) {
        if (fd >= 0) close(fd);
        return false;
    }
    struct stat info {};
    if (fstat(fileno(stream), &info) != 0 || !S_ISREG(info.st_mode)) {
        std::fclose(stream);
        return false;
    }
    std::setvbuf(stream, m_buffer, _IOFBF, sizeof m_buffer);
    m_stream = stream;
    m_indexBase = indexBase;
    m_size = static_cast<int64_t>(info.st_size);
    return true;
}

void DictionaryFile::Close() {
    if (m_stream != nullptr) std::fclose(m_stream);
    m_stream = nullptr;
    m_indexBase = 0;
    m_size = 0;
}

int32_t DictionaryFile::EntryCount() const {
    if (m_indexBase < 0 || m_size <= m_indexBase) return 0;
    const int64_t count = (m_size - m_indexBase) / kOffsetBytes;
    return static_cast<int32_t>(
        std::min<int64_t>(count, std::numeric_limits<int32_t>::max()));
}

bool ReadEntryOffset(const DictionaryFile& file, int32_t k, int32_t& offset) {
    if (!file.IsOpen() || k < 1 || k > file.EntryCount()) return false;
    const int64_t position = static_cast<int64_t>(file.IndexBase()) +
                             static_cast<int64_t>(kOffsetBytes) * (k - 1);
    unsigned char bytes[kOffsetBytes];
    if (!SeekTo(file.Stream(), position) ||
        std::fread(bytes, 1, kOffsetBytes, file.Stream()) != kOffsetBytes) {
        return false;
    }
    offset = DecodeInt32(bytes);
    return true;
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
    if (wanted == 0 || !SeekTo(file.Stream(), from)) return 0;

    const std::size_t got = std::fread(dest, 1, wanted, file.Stream());
    dest[got] = 0;
    return static_cast<int>(got);
}

int ReadHeadword(unsigned char (&dest)[kHeadwordBufferSize], std::FILE* stream) {
    int stored = 0;
    if (stream != nullptr) {
        while (stored < kMaxHeadwordBytes) {
            const int c = std::fgetc(stream);
            if (c == EOF) break;
            dest[stored++] = static_cast<unsigned char>(c);
            if (c == 0) return stored;
        }
    }
    // Cut by the end of the file or by the 51-byte limit: end it here.
    dest[stored++] = 0;
    return stored;
}

}  // namespace nira
