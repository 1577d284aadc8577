#include "text/CopiedText.h"

#include "text/Cp1256.h"

namespace nira {

namespace {

bool IsLineBreak(char16_t u) {
    return u == u'\n' || u == u'\r' || u == 0x0B || u == 0x0C || u == 0x85 || u == 0x2028 ||
           u == 0x2029;
}

template <typename Char, typename UnitOf>
std::basic_string_view<Char> FirstLineTrimmed(std::basic_string_view<Char> text,
                                              UnitOf unitOf) {
    std::size_t begin = 0;
    while (begin < text.size() && IsTrimmedAtEnds(unitOf(text[begin]))) ++begin;
    std::size_t end = begin;
    while (end < text.size() && !IsLineBreak(unitOf(text[end]))) ++end;
    while (end > begin && IsTrimmedAtEnds(unitOf(text[end - 1]))) --end;
    return text.substr(begin, end - begin);
}

}  // namespace

bool IsTrimmedAtEnds(char16_t u) {
    if (u <= 0x20) return u == 0x20 || (u >= 0x09 && u <= 0x0D);
    switch (u) {
    case 0x0085:  // next line
    case 0x00A0:  // no-break space
    case 0x00AD:  // soft hyphen
    case 0x061C:  // Arabic letter mark
    case 0x1680:
    case 0x180E:
    case 0x202F:  // narrow no-break space
    case 0x205F:
    case 0x3000:
    case 0xFEFF:  // byte order mark, zero-width no-break space
        return true;
    default:
        break;
    }
    return (u >= 0x2000 && u <= 0x200F) ||  // spaces, ZWSP, ZWNJ, ZWJ, LRM, RLM
           (u >= 0x2028 && u <= 0x202E) ||  // line and paragraph separators, embeddings
           (u >= 0x2060 && u <= 0x206F);    // word joiner, isolates, deprecated formats
}

std::u16string_view CopiedWord(std::u16string_view text) {
    return FirstLineTrimmed(text, [](char16_t u) { return u; });
}

std::string_view CopiedWordCp1256(std::string_view text) {
    return FirstLineTrimmed(text, [](char byte) {
        return Cp1256ToUnit(static_cast<unsigned char>(byte));
    });
}

}  // namespace nira
