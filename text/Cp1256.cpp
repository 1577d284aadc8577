#include "text/Cp1256.h"

#include "text/ArabicForms.h"

#include <algorithm>
#include <array>

namespace nira {
namespace {

// Bytes 0x80..0xFF of Windows-1256; 0x00..0x7F are ASCII. Every byte is
// defined, so the table is a bijection and 128 units have a byte.
const char16_t kHighHalf[128] = {
    0x20AC, 0x067E, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0679, 0x2039, 0x0152, 0x0686, 0x0698, 0x0688,  // 0x88
    0x06AF, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x06A9, 0x2122, 0x0691, 0x203A, 0x0153, 0x200C, 0x200D, 0x06BA,  // 0x98
    0x00A0, 0x060C, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // 0xA0
    0x00A8, 0x00A9, 0x06BE, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,  // 0xA8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x00B8, 0x00B9, 0x061B, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x061F,  // 0xB8
    0x06C1, 0x0621, 0x0622, 0x0623, 0x0624, 0x0625, 0x0626, 0x0627,  // 0xC0
    0x0628, 0x0629, 0x062A, 0x062B, 0x062C, 0x062D, 0x062E, 0x062F,  // 0xC8
    0x0630, 0x0631, 0x0632, 0x0633, 0x0634, 0x0635, 0x0636, 0x00D7,  // 0xD0
    0x0637, 0x0638, 0x0639, 0x063A, 0x0640, 0x0641, 0x0642, 0x0643,  // 0xD8
    0x00E0, 0x0644, 0x00E2, 0x0645, 0x0646, 0x0647, 0x0648, 0x00E7,  // 0xE0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x0649, 0x064A, 0x00EE, 0x00EF,  // 0xE8
    0x064B, 0x064C, 0x064D, 0x064E, 0x00F4, 0x064F, 0x0650, 0x00F7,  // 0xF0
    0x0651, 0x00F9, 0x0652, 0x00FB, 0x00FC, 0x200E, 0x200F, 0x06D2,  // 0xF8
};

constexpr unsigned char kDefaultByte = '?';
constexpr unsigned char kYehJoined = 0xED;  // U+064A, dotted
constexpr unsigned char kYehAlone = 0xEC;   // U+0649, undotted
constexpr char16_t kPersianYeh = 0x06CC;
constexpr char16_t kArabicIndicZero = 0x0660;
constexpr char16_t kPersianZero = 0x06F0;
constexpr char16_t kReplacement = 0xFFFD;

struct UnitByte {
    char16_t unit;
    unsigned char byte;
};

using ReverseTable = std::array<UnitByte, 128>;

const ReverseTable& HighHalfByUnit()
{
    static const ReverseTable table = [] {
        ReverseTable t{};
        for (int i = 0; i < 128; ++i)
            t[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
        std::sort(t.begin(), t.end(),
                  [](const UnitByte& a, const UnitByte& b) { return a.unit < b.unit; });
        return t;
    }();
    return table;
}

// The code page's own byte for unit, or -1 when it has none.
int SearchTableByte(char16_t unit)
{
    const ReverseTable& table = HighHalfByUnit();
    auto it = std::lower_bound(table.begin(), table.end(), unit,
                               [](const UnitByte& e, char16_t u) { return e.unit < u; });
    if (it == table.end() || it->unit != unit)
        return -1;
    return it->byte;
}

// The Arabic block, where Persian text lies, looked up once.
constexpr char16_t kArabicBlock = 0x0600;

struct ArabicBlockBytes {
    short byte[256];
    ArabicBlockBytes()
    {
        for (int i = 0; i < 256; ++i)
            byte[i] = static_cast<short>(SearchTableByte(kArabicBlock + i));
    }
};

int TableByte(char16_t unit)
{
    if (unit < 0x80)
        return unit;
    if ((unit & 0xFF00) == kArabicBlock) {
        static const ArabicBlockBytes kArabicBytes;
        return kArabicBytes.byte[unit - kArabicBlock];
    }
    return SearchTableByte(unit);
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Whether the letter at src[next - 1] is joined to a following letter:
// marks riding on it are skipped; ZWNJ, spaces, digits and the end of the
// text are not letters.
bool LetterFollows(const char16_t* src, std::size_t next, std::size_t n)
{
    while (next < n && IsArabicMark(src[next]))
        ++next;
    return next < n && IsArabicScriptLetter(src[next]);
}

int DigitByte(char16_t unit)
{
    if (unit >= kArabicIndicZero && unit <= kArabicIndicZero + 9)
        return '0' + (unit - kArabicIndicZero);
    if (unit >= kPersianZero && unit <= kPersianZero + 9)
        return '0' + (unit - kPersianZero);
    return -1;
}

// A presentation form of Persian yeh carries its joining in its form: the
// initial and medial forms (U+FBFE, U+FBFF) are drawn joined to the next
// letter.
int PresentationFormByte(char16_t unit)
{
    const char16_t base = PresentationFormBase(unit);
    if (base == 0)
        return -1;
    if (base == kPersianYeh)
        return unit >= 0xFBFE ? kYehJoined : kYehAlone;
    return TableByte(base);
}

// The byte for the character starting at src[i]; *units receives how many
// units it spans (2 for a surrogate pair, else 1).
unsigned char CharacterByte(const char16_t* src, std::size_t i, std::size_t n,
                            std::size_t* units)
{
    const char16_t unit = src[i];
    *units = 1;
    if (unit < 0x80)
        return static_cast<unsigned char>(unit);
    if (IsHighSurrogate(unit) && i + 1 < n && IsLowSurrogate(src[i + 1])) {
        *units = 2;
        return kDefaultByte;
    }
    if (unit == kPersianYeh)
        return LetterFollows(src, i + 1, n) ? kYehJoined : kYehAlone;
    // Tried in this order, each only when the one before has no byte.
    int byte = TableByte(unit);
    if (byte < 0)
        byte = DigitByte(unit);
    if (byte < 0)
        byte = PresentationFormByte(unit);
    return byte >= 0 ? static_cast<unsigned char>(byte) : kDefaultByte;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t cp)
{
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
        return;
    }
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
}

struct Utf8Lead {
    int length;            // bytes in the sequence, 0 for an invalid lead
    unsigned char low;     // valid range of the second byte (excludes
    unsigned char high;    // overlong forms, surrogates, > U+10FFFF)
};

Utf8Lead ClassifyLead(unsigned char b)
{
    if (b < 0x80) return {1, 0, 0};
    if (b < 0xC2) return {0, 0, 0};
    if (b < 0xE0) return {2, 0x80, 0xBF};
    if (b == 0xE0) return {3, 0xA0, 0xBF};
    if (b == 0xED) return {3, 0x80, 0x9F};
    if (b < 0xF0) return {3, 0x80, 0xBF};
    if (b == 0xF0) return {4, 0x90, 0xBF};
    if (b < 0xF4) return {4, 0x80, 0xBF};
    if (b == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

// Decodes one character at text[i]; *used receives the bytes taken. An
// invalid or cut sequence gives U+FFFD and takes its longest valid prefix
// (at least one byte), so decoding resumes at the offending byte.
char32_t DecodeUtf8(const std::string& text, std::size_t i, std::size_t* used)
{
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const Utf8Lead form = ClassifyLead(lead);
    *used = 1;
    if (form.length == 1)
        return lead;
    if (form.length == 0)
        return kReplacement;
    char32_t cp = lead & (0xFF >> (form.length + 1));
    for (int k = 1; k < form.length; ++k) {
        if (i + k >= text.size())
            return kReplacement;
        const unsigned char b = static_cast<unsigned char>(text[i + k]);
        const unsigned char low = k == 1 ? form.low : 0x80;
        const unsigned char high = k == 1 ? form.high : 0xBF;
        if (b < low || b > high)
            return kReplacement;
        cp = (cp << 6) | (b & 0x3F);
        *used = k + 1;
    }
    return cp;
}

}  // namespace

char16_t Cp1256ToUnit(unsigned char byte)
{
    return byte < 0x80 ? char16_t{byte} : kHighHalf[byte - 0x80];
}

std::size_t Cp1256ToWide(const unsigned char* src, std::size_t n,
                         char16_t* dst, std::size_t capacity)
{
    const std::size_t count = std::min(n, capacity);
    for (std::size_t i = 0; i < count; ++i)
        dst[i] = Cp1256ToUnit(src[i]);
    return count;
}

std::size_t WideToCp1256(const char16_t* src, std::size_t n,
                         unsigned char* dst, std::size_t capacity)
{
    std::size_t written = 0;
    std::size_t i = 0;
    while (i < n && written < capacity) {
        std::size_t units = 1;
        dst[written++] = CharacterByte(src, i, n, &units);
        i += units;
    }
    return written;
}

std::string Cp1256ToUtf8(const unsigned char* src, std::size_t n)
{
    std::string out;
    out.reserve(n * 2);
    for (std::size_t i = 0; i < n; ++i)
        AppendUtf8(out, Cp1256ToUnit(src[i]));
    return out;
}

std::string Cp1256ToUtf8(const std::string& bytes)
{
    return Cp1256ToUtf8(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

std::u16string Utf8ToUtf16(const std::string& utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t used = 1;
        AppendUtf16(out, DecodeUtf8(utf8, i, &used));
        i += used;
    }
    return out;
}

std::string Utf16ToUtf8(const std::u16string& text)
{
    std::string out;
    out.reserve(text.size() * 3);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

std::string WideToCp1256(std::u16string_view text) {
    std::string bytes(text.size(), '\0');
    const std::size_t n = WideToCp1256(text.data(), text.size(),
                                       reinterpret_cast<unsigned char*>(bytes.data()),
                                       bytes.size());
    bytes.resize(n);
    return bytes;
}

}  // namespace nira
