// Entry decoding: SplitEntry, BreakSenses against a reference of its rule,
// the scramble round trip, and DecodeEntry of either file.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <memory>
#include <string>

#include "present/EntryText.h"
#include "present/Scramble.h"
#include "FileModel.h"

namespace nira::fuzz {
namespace {

// The rule of BreakSenses written plainly: a '-' after a sense number
// ("1" to "9", or two characters whose first is "1" to "8") starts a new
// line before the number unless the number opens the text since the last
// '-'; any other '-' is dropped. The result keeps its first 4499 bytes,
// less a '\r' cut from its '\n'.
std::string ReferenceBreak(const std::string& text) {
    std::string out;
    std::size_t sinceHyphen = 0;  // characters since the last '-'
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '-') {
            out += c;
            ++sinceHyphen;
            continue;
        }
        std::size_t number = 0;
        if (i >= 2 && text[i - 2] >= '1' && text[i - 2] <= '8') number = 2;
        else if (i >= 1 && text[i - 1] >= '1' && text[i - 1] <= '9') number = 1;
        if (number > 0) {
            if (sinceHyphen > number) out.insert(out.size() - number, "\r\n");
            out += '-';
        }
        sinceHyphen = 0;
    }
    if (out.size() > static_cast<std::size_t>(kMaxPaneTextBytes)) {
        out.resize(kMaxPaneTextBytes);
        if (out.back() == '\r') out.pop_back();
    }
    return out;
}

// The fields of a "persian" entry: between the first and second NUL, and
// between the second and third, within length.
void ReferenceSplit(const std::string& entry, std::string& persian, std::string& english) {
    const std::size_t a = entry.find('\0');
    const std::size_t b = a == std::string::npos ? a : entry.find('\0', a + 1);
    persian = a == std::string::npos ? "" : entry.substr(a + 1, b == std::string::npos ? b : b - a - 1);
    const std::size_t c = b == std::string::npos ? b : entry.find('\0', b + 1);
    english = b == std::string::npos ? "" : entry.substr(b + 1, c == std::string::npos ? c : c - b - 1);
}

}  // namespace
}  // namespace nira::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nira;
    using namespace nira::fuzz;
    FuzzedDataProvider in(data, size);
    const unsigned char key = in.ConsumeIntegral<uint8_t>();
    const bool persianFile = in.ConsumeBool();
    const int lengthSlack = in.ConsumeIntegralInRange<int>(-3, 3);
    std::string entry = in.ConsumeRemainingBytesAsString();
    if (entry.size() > static_cast<std::size_t>(kMaxEntryBytes)) entry.resize(kMaxEntryBytes);

    // The buffers as the engine has them: an entry with its NUL appended.
    auto buffer = std::make_unique<unsigned char[]>(kEntryBufferSize);
    std::memset(buffer.get(), 0, kEntryBufferSize);
    std::memcpy(buffer.get(), entry.data(), entry.size());
    const int length = static_cast<int>(entry.size());

    auto persian = std::make_unique<unsigned char[]>(kEntryBufferSize);
    auto english = std::make_unique<unsigned char[]>(kEntryBufferSize);
    SplitEntry(buffer.get(), length, *reinterpret_cast<unsigned char(*)[kEntryBufferSize]>(persian.get()),
               *reinterpret_cast<unsigned char(*)[kEntryBufferSize]>(english.get()));
    std::string expectedPersian, expectedEnglish;
    ReferenceSplit(entry, expectedPersian, expectedEnglish);
    Check(expectedPersian == reinterpret_cast<const char*>(persian.get()), "SplitEntry persian");
    Check(expectedEnglish == reinterpret_cast<const char*>(english.get()), "SplitEntry english");

    // BreakSenses over any text up to the first NUL of the entry.
    auto text = std::make_unique<unsigned char[]>(kEntryBufferSize);
    std::memcpy(text.get(), buffer.get(), kEntryBufferSize);
    const std::string plain(reinterpret_cast<const char*>(text.get()));
    BreakSenses(text.get());
    Check(ReferenceBreak(plain) == reinterpret_cast<const char*>(text.get()), "BreakSenses");

    // Scrambling then unscrambling gives the text back, up to its first NUL
    // (a byte that scrambles to 0 ends the stored text there).
    std::string stored;
    for (unsigned char b : plain) stored += static_cast<char>(ScrambleByte(b, key));
    std::string back = stored;
    const std::size_t unscrambled = Unscramble(reinterpret_cast<unsigned char*>(back.data()), key);
    const std::size_t storedLength = std::strlen(stored.c_str());
    Check(unscrambled == storedLength, "Unscramble length");
    Check(back.compare(0, storedLength, plain, 0, storedLength) == 0, "scramble round trip");
    for (std::size_t i = 0; i < plain.size(); ++i)
        Check(UnscrambleByte(ScrambleByte(static_cast<unsigned char>(plain[i]), key), key) ==
                  static_cast<unsigned char>(plain[i]), "byte round trip");

    // DecodeEntry with any length the caller might pass.
    auto view = std::make_unique<EntryView>();
    DecodeEntry(buffer.get(), length + lengthSlack, persianFile ? DataFileId::Persian : DataFileId::English,
                key, *view);
    Check(std::strlen(reinterpret_cast<const char*>(view->persian)) <= static_cast<std::size_t>(kMaxPaneTextBytes),
          "Persian pane length");
    Check(std::strlen(reinterpret_cast<const char*>(view->english)) <= static_cast<std::size_t>(kMaxPaneTextBytes),
          "English pane length");
    Check(std::strlen(reinterpret_cast<const char*>(view->headword)) <= static_cast<std::size_t>(kMaxHeadwordBytes),
          "headword length");
    return 0;
}
