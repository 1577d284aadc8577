// A file opened read-only for reading in blocks; closed on destruction.
#pragma once

#include <cstddef>
#include <string>

namespace nira {

class CFile {
public:
    // Opens an existing file read-only; throws CFileException with the
    // cause and the path as given.
    explicit CFile(const std::string& path);
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Reads up to count bytes; 0 at the end. Throws CFileException on error.
    std::size_t Read(void* buffer, std::size_t count);
    const std::string& FileName() const { return m_fileName; }

private:
    int m_fd = -1;
    std::string m_fileName;
};

}  // namespace nira
