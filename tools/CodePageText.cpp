#include "tools/CodePageText.h"

#include <algorithm>

#include "text/Cp1256.h"
#include "text/PersianSpelling.h"
#include "tools/PersianText.h"

namespace nira::datatool {
namespace {

constexpr unsigned char kUnmapped = '?';

// Base letters of U+00C0..U+017F, for the ones the code page lacks.
constexpr char kLatinBase[] =
    "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTsaaaaaaaceeeeiiiidnooooo/ouuuuyty"
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLl"
    "NnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(sizeof(kLatinBase) == 0x180 - 0xC0 + 1, "one base per letter");

bool IsSpaceLike(char16_t unit) {
    return unit < 0x20 || unit == 0x7F || unit == 0xA0 ||
           (unit >= 0x2000 && unit <= 0x200B) || unit == 0x202F ||
           unit == 0x205F || unit == 0x3000;
}

// A near form the code page has, or 0.
char16_t FoldEnglish(char16_t unit) {
    if (unit >= 0xC0 && unit < 0x180) return static_cast<char16_t>(kLatinBase[unit - 0xC0]);
    if (unit >= 0x2080 && unit <= 0x2089) return static_cast<char16_t>('0' + unit - 0x2080);
    if (unit >= 0x2074 && unit <= 0x2079) return static_cast<char16_t>('0' + unit - 0x2070);
    if (unit == 0x2070) return '0';
    if (unit == 0x2212 || unit == 0x2010 || unit == 0x2011) return '-';
    if (unit == 0x02BC || unit == 0x02BE || unit == 0x02BF || unit == 0x02B9) return '\'';
    if (unit == 0x0131) return 'i';
    return 0;
}

unsigned char OneByte(char16_t unit) {
    unsigned char byte = kUnmapped;
    WideToCp1256(&unit, 1, &byte, 1);
    return byte;
}

void AppendCollapsingSpaces(std::string& out, unsigned char byte) {
    if (byte == ' ' && (out.empty() || out.back() == ' ')) return;
    out.push_back(static_cast<char>(byte));
}

void TrimTrailingSpace(std::string& text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
}

}  // namespace

bool HasCodePageByte(char16_t unit) {
    return unit == kUnmapped || OneByte(unit) != kUnmapped;
}

std::string EnglishBytes(const std::string& utf8) {
    const std::u16string text = Utf8ToUtf16(utf8);
    std::string out;
    out.reserve(text.size());
    for (char16_t unit : text) {
        if (IsSpaceLike(unit)) {
            AppendCollapsingSpaces(out, ' ');
            continue;
        }
        if (!HasCodePageByte(unit)) {
            const char16_t folded = FoldEnglish(unit);
            if (folded != 0) unit = folded;
        }
        AppendCollapsingSpaces(out, OneByte(unit));
    }
    TrimTrailingSpace(out);
    return out;
}

void HyphensToEnDash(std::string& bytes) {
    std::replace(bytes.begin(), bytes.end(), '-', static_cast<char>(kEnDash));
}

ProgramText ProgramTextBytes(const std::string& utf8) {
    std::u16string text = Utf8ToUtf16(utf8);
    std::u16string mapped;
    ProgramText result;
    for (char16_t unit : text) {
        if (unit == '\r') continue;
        if (unit == '\n') {
            mapped += u"\r\n";
            continue;
        }
        const char16_t letter = PersianLetterFor(unit);
        if (letter == 0) continue;
        if (!HasCodePageByte(letter)) {
            result.missing.push_back(unit);
            continue;
        }
        mapped.push_back(letter);
    }
    while (!mapped.empty() && (mapped.back() == '\n' || mapped.back() == '\r')) mapped.pop_back();
    result.bytes = WideToCp1256(mapped);
    return result;
}

}  // namespace nira::datatool
