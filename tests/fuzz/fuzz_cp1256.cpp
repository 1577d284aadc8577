// The code page both ways: exact-size buffers of any capacity (the
// sanitizer sees a byte written past one), and round trips.
#include <fuzzer/FuzzedDataProvider.h>

#include <memory>
#include <string>

#include "text/Cp1256.h"
#include "FileModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nira;
    using nira::fuzz::Check;
    FuzzedDataProvider in(data, size);
    const std::size_t capacity = in.ConsumeIntegralInRange<std::size_t>(0, 300);
    const std::string bytes = in.ConsumeRandomLengthString(300);
    const std::string rest = in.ConsumeRemainingBytesAsString();
    const auto* src = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();

    // Bytes to units into a buffer of exactly capacity units.
    auto units = std::make_unique<char16_t[]>(capacity);
    const std::size_t written = Cp1256ToWide(src, n, units.get(), capacity);
    Check(written == std::min(n, capacity), "Cp1256ToWide count");
    for (std::size_t i = 0; i < written; ++i) Check(units[i] == Cp1256ToUnit(src[i]), "Cp1256ToWide unit");

    // And back: every code page character returns to its byte.
    auto back = std::make_unique<unsigned char[]>(capacity);
    const std::size_t returned = WideToCp1256(units.get(), written, back.get(), capacity);
    Check(returned == written, "round trip count");
    for (std::size_t i = 0; i < returned; ++i) Check(back[i] == src[i], "round trip byte");

    // Any UTF-16 text (pairs of input bytes) into a buffer of exactly
    // capacity bytes; the string form is the same conversion without limit.
    std::u16string text;
    for (std::size_t i = 0; i + 1 < rest.size(); i += 2)
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(rest[i]) |
                                             static_cast<unsigned char>(rest[i + 1]) << 8));
    auto out = std::make_unique<unsigned char[]>(capacity);
    const std::size_t converted = WideToCp1256(text.data(), text.size(), out.get(), capacity);
    Check(converted <= capacity && converted <= text.size(), "WideToCp1256 count");
    const std::string whole = WideToCp1256(std::u16string_view(text));
    Check(whole.size() <= text.size(), "WideToCp1256 string size");
    Check(whole.compare(0, converted, reinterpret_cast<const char*>(out.get()), converted) == 0,
          "WideToCp1256 forms differ");

    // UTF-8 of any bytes, and UTF-8 of code page text read back.
    const std::u16string decoded = Utf8ToUtf16(rest);
    const std::string encoded = Utf16ToUtf8(decoded);
    const std::string utf8 = Cp1256ToUtf8(src, n);
    const std::u16string again = Utf8ToUtf16(utf8);
    Check(again.size() == n, "Cp1256ToUtf8 round trip size");
    for (std::size_t i = 0; i < n; ++i) Check(again[i] == Cp1256ToUnit(src[i]), "Cp1256ToUtf8 round trip");
    return 0;
}
