#include "digest/Md5.h"

#include "digest/Constants.h"
#include "platform/File.h"

#include <cstring>
#include <memory>

namespace nira {
namespace {

const unsigned char kPadding[64] = {0x80};

constexpr uint32_t kInitialState[4] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476};

// Per-round shift amounts and the additive constants floor(2^32 * |sin(i)|).
constexpr int kShift[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

constexpr uint32_t kSine[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

uint32_t RotateLeft(uint32_t x, int n)
{
    return (x << n) | (x >> (32 - n));
}

uint32_t LoadLittleEndian(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void StoreLittleEndian(uint32_t value, unsigned char* p)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(value >> (8 * i));
}

// The four round functions of RFC 1321, each cut into what does not depend
// on b (known a step earlier, so computed off the chain of dependent steps)
// and what does, with as few operations after b as the function allows:
// F = d ^ (b & (c ^ d)), G = (c & ~d) + (b & d) (the two never share a bit),
// H = b ^ (c ^ d), I = c ^ (b | ~d).
struct RoundF {
    static uint32_t Early(uint32_t, uint32_t) { return 0; }
    static uint32_t Late(uint32_t b, uint32_t c, uint32_t d) { return d ^ (b & (c ^ d)); }
};
struct RoundG {
    static uint32_t Early(uint32_t c, uint32_t d) { return c & ~d; }
    static uint32_t Late(uint32_t b, uint32_t, uint32_t d) { return b & d; }
};
struct RoundH {
    static uint32_t Early(uint32_t, uint32_t) { return 0; }
    static uint32_t Late(uint32_t b, uint32_t c, uint32_t d) { return b ^ (c ^ d); }
};
struct RoundI {
    static uint32_t Early(uint32_t, uint32_t) { return 0; }
    static uint32_t Late(uint32_t b, uint32_t c, uint32_t d) { return c ^ (b | ~d); }
};

// The 16 steps of one round: step i of the round takes message word
// (first + stride * i) mod 16; a fixed round function lets the compiler
// unroll the loop.
template <typename Round>
void RunRound(int round, int first, int stride, const uint32_t x[16], uint32_t& a, uint32_t& b,
              uint32_t& c, uint32_t& d)
{
#pragma GCC unroll 16
    for (int i = 0; i < 16; ++i) {
        const int step = 16 * round + i;
        uint32_t sum = a + kSine[step] + x[(first + stride * i) % 16] + Round::Early(c, d);
        sum += Round::Late(b, c, d);
        a = d;
        d = c;
        c = b;
        b = b + RotateLeft(sum, kShift[round][i % 4]);
    }
}

const char kHexDigits[] = "0123456789abcdef";

}  // namespace

CMd5::CMd5() : m_buffer{}, m_count{0, 0}
{
    std::memcpy(m_state, kInitialState, sizeof m_state);
}

// The bit count is kept modulo 2^64 in two 32-bit words; length is a
// size_t, so a single call may pass 2^32 bytes or more.
void CMd5::Update(const unsigned char* input, std::size_t length)
{
    const std::size_t index = (m_count[0] >> 3) & 0x3F;
    const uint64_t count = (uint64_t(m_count[1]) << 32 | m_count[0]) + (uint64_t(length) << 3);
    m_count[0] = static_cast<uint32_t>(count);
    m_count[1] = static_cast<uint32_t>(count >> 32);

    const std::size_t partLen = 64 - index;
    std::size_t i = 0;
    std::size_t bufferAt = index;
    if (length >= partLen) {
        std::memcpy(&m_buffer[index], input, partLen);
        Transform(m_buffer);
        for (i = partLen; length - i >= 64; i += 64)
            Transform(&input[i]);
        bufferAt = 0;
    }
    if (length > i)
        std::memcpy(&m_buffer[bufferAt], &input[i], length - i);
}

std::string CMd5::Final()
{
    unsigned char bits[8];
    StoreLittleEndian(m_count[0], bits);
    StoreLittleEndian(m_count[1], bits + 4);

    const std::size_t index = (m_count[0] >> 3) & 0x3F;
    const std::size_t padLen = index < 56 ? 56 - index : 120 - index;
    Update(kPadding, padLen);
    Update(bits, sizeof bits);

    std::string text;
    text.reserve(32);
    for (uint32_t word : m_state) {
        for (int i = 0; i < 4; ++i) {
            const unsigned byte = (word >> (8 * i)) & 0xFF;
            text += kHexDigits[byte >> 4];
            text += kHexDigits[byte & 0x0F];
        }
    }
    return text;
}

void CMd5::Transform(const unsigned char block[64])
{
    uint32_t x[16];
    for (int i = 0; i < 16; ++i)
        x[i] = LoadLittleEndian(block + 4 * i);

    uint32_t a = m_state[0], b = m_state[1], c = m_state[2], d = m_state[3];
    RunRound<RoundF>(0, 0, 1, x, a, b, c, d);
    RunRound<RoundG>(1, 1, 5, x, a, b, c, d);
    RunRound<RoundH>(2, 5, 3, x, a, b, c, d);
    RunRound<RoundI>(3, 0, 7, x, a, b, c, d);
    m_state[0] += a;
    m_state[1] += b;
    m_state[2] += c;
    m_state[3] += d;
}

std::string CMd5::DigestOfFile(const std::string& path)
{
    CFile file(path);
    return DigestOfFile(file);
}

std::string CMd5::DigestOfFile(CFile& file)
{
    CMd5 md5;
    const std::unique_ptr<unsigned char[]> block(new unsigned char[kDigestBlockSize]);
    std::size_t read;
    while ((read = file.Read(block.get(), kDigestBlockSize)) > 0)
        md5.Update(block.get(), read);
    return md5.Final();
}

std::string CMd5::DigestOfBytes(const unsigned char* data, std::size_t length)
{
    CMd5 md5;
    md5.Update(data, length);
    return md5.Final();
}

}  // namespace nira
