#include "text/PersianDisplay.h"

#include <algorithm>
#include <array>

#include "text/Cp1256.h"

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

namespace {

// Each byte's shown character as UTF-8, made once: the command line turns
// every answer into UTF-8, so this runs on every line it prints.
struct Utf8OfByte {
    char bytes[3];
    unsigned char length;
};

std::array<Utf8OfByte, 256> MakeUtf8Table() {
    std::array<Utf8OfByte, 256> table{};
    for (int b = 0; b < 256; ++b) {
        const std::string utf8 = Utf16ToUtf8(std::u16string(1, DisplayUnit(static_cast<unsigned char>(b))));
        Utf8OfByte& entry = table[static_cast<std::size_t>(b)];
        entry.length = static_cast<unsigned char>(std::min<std::size_t>(utf8.size(), sizeof entry.bytes));
        std::copy_n(utf8.begin(), entry.length, entry.bytes);
    }
    return table;
}

}  // namespace

std::string Cp1256ToDisplayUtf8(const unsigned char* src, std::size_t n) {
    static const std::array<Utf8OfByte, 256> kTable = MakeUtf8Table();
    std::string out(n * sizeof(Utf8OfByte::bytes), '\0');
    char* to = out.data();
    for (std::size_t i = 0; i < n; ++i) {
        const Utf8OfByte& entry = kTable[src[i]];
        std::copy_n(entry.bytes, entry.length, to);
        to += entry.length;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    return out;
}

}  // namespace nira
