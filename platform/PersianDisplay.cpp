#include "platform/PersianDisplay.h"

#include <algorithm>

#include "platform/Cp1256.h"

namespace nira {

namespace {

constexpr unsigned char kKafByte = 0xDF;
constexpr unsigned char kAlefMaksuraByte = 0xEC;
constexpr unsigned char kYehByte = 0xED;
constexpr char16_t kKeheh = 0x06A9;
constexpr char16_t kPersianYeh = 0x06CC;

}  // namespace

char16_t DisplayUnit(unsigned char byte) {
    switch (byte) {
    case kKafByte:
        return kKeheh;
    case kAlefMaksuraByte:
    case kYehByte:
        return kPersianYeh;
    default:
        return Cp1256ToUnit(byte);
    }
}

std::size_t Cp1256ToDisplay(const unsigned char* src, std::size_t n,
                            char16_t* dst, std::size_t capacity) {
    const std::size_t count = std::min(n, capacity);
    for (std::size_t i = 0; i < count; ++i) dst[i] = DisplayUnit(src[i]);
    return count;
}

std::string Cp1256ToDisplayUtf8(const unsigned char* src, std::size_t n) {
    std::u16string wide(n, u'\0');
    Cp1256ToDisplay(src, n, wide.data(), wide.size());
    return Utf16ToUtf8(wide);
}

}  // namespace nira
