// MD5 (RFC 1321) over a file or a block of memory, as 32 lower-case
// hexadecimal digits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace nira {

class CFile;

class CMd5 {
public:
    CMd5();
    virtual ~CMd5() = default;

    void Update(const unsigned char* input, std::size_t length);
    std::string Final();

    static std::string DigestOfFile(const std::string& path);  // throws CFileException
    static std::string DigestOfFile(CFile& file);
    static std::string DigestOfBytes(const unsigned char* data, std::size_t length);

private:
    void Transform(const unsigned char block[64]);

    unsigned char m_buffer[64];
    uint32_t m_count[2];
    uint32_t m_state[4];
};

}  // namespace nira
