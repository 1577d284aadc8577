#include "text/PersianSpelling.h"

#include <algorithm>

#include "text/ArabicForms.h"
#include "text/Cp1256.h"

namespace nira {
namespace {

constexpr char16_t kZwnj = 0x200C;
constexpr char16_t kZeroWidthSpace = 0x200B;
constexpr char16_t kPersianYeh = 0x06CC;
constexpr char16_t kKeheh = 0x06A9;
constexpr char16_t kHeh = 0x0647;
constexpr char16_t kAlef = 0x0627;
constexpr char16_t kWaw = 0x0648;
constexpr char16_t kTehMarbuta = 0x0629;
constexpr char16_t kSuperscriptAlef = 0x0670;
constexpr unsigned char kKehehByte = 0x98;
constexpr unsigned char kKafByte = 0xDF;

struct LookAlike {
    char16_t unit;
    char16_t letter;
};

// Letters of other Arabic-script languages that a Persian reader writes
// with the Persian letter they look like; the code page has some of them
// (ہ 0xC0, ے 0xFF, ھ 0xAA) but a Persian headword never holds them.
constexpr LookAlike kLookAlikes[] = {
    {0x0643, kKeheh},       {0x0649, kPersianYeh},  {0x064A, kPersianYeh},
    {0x0671, kAlef},        {0x0672, kAlef},        {0x0673, kAlef},
    {0x06AA, kKeheh},       {0x06AB, kKeheh},       {0x06AC, kKeheh},
    {0x06AD, kKeheh},       {0x06AE, kKeheh},       {0x06BE, kHeh},
    {0x06C0, kHeh},         {0x06C1, kHeh},         {0x06C2, kHeh},
    {0x06C3, kTehMarbuta},  {0x06C4, kWaw},         {0x06C5, kWaw},
    {0x06C6, kWaw},         {0x06C7, kWaw},         {0x06C8, kWaw},
    {0x06C9, kWaw},         {0x06CA, kWaw},         {0x06CB, kWaw},
    {0x06CD, kPersianYeh},  {0x06CE, kPersianYeh},  {0x06CF, kWaw},
    {0x06D0, kPersianYeh},  {0x06D1, kPersianYeh},  {0x06D2, kPersianYeh},
    {0x06D3, kPersianYeh},  {0x06D5, kHeh},
};

bool IsDiacritic(char16_t unit) { return unit >= 0x064B && unit <= 0x0652; }

// Tatweel only stretches a joint; the controls only steer direction and
// joining. None of them is part of a word.
bool IsInvisible(char16_t unit) {
    return unit == 0x0640 || unit == 0x200D || unit == 0x200E || unit == 0x200F ||
           (unit >= 0x202A && unit <= 0x202E) || (unit >= 0x2066 && unit <= 0x2069) ||
           unit == 0xFEFF;
}

// Enough mapped units for capacity bytes (a surrogate pair is two units
// for one byte) and one more, which decides the joining of a final yeh.
std::size_t MappedLimit(std::size_t capacity) { return 2 * capacity + 1; }

constexpr std::size_t kStackUnits = 256;

}  // namespace

bool IsPersianTextSpace(char16_t unit) {
    return unit == ' ' || unit == '\t' || unit == 0xA0 ||
           (unit >= 0x2000 && unit <= 0x200A) || unit == 0x202F || unit == 0x3000;
}

bool IsPersianVowelMark(char16_t unit) {
    return IsDiacritic(unit) || unit == kSuperscriptAlef;
}

namespace {

char16_t LookUpPersianLetter(char16_t unit) {
    if (IsInvisible(unit)) return 0;
    if (unit == kZeroWidthSpace) return kZwnj;
    if (IsPersianTextSpace(unit)) return ' ';
    if (IsArabicMark(unit) && !IsDiacritic(unit)) return 0;
    if (const char16_t base = PresentationFormBase(unit); base != 0) unit = base;
    for (const LookAlike& l : kLookAlikes) {
        if (l.unit == unit) return l.letter;
    }
    return unit;
}

// The Arabic block, where a Persian query's letters lie, worked out once.
constexpr char16_t kArabicBlock = 0x0600;

struct ArabicBlockLetters {
    char16_t letter[256];
    ArabicBlockLetters() {
        for (int i = 0; i < 256; ++i) letter[i] = LookUpPersianLetter(kArabicBlock + i);
    }
};

}  // namespace

char16_t PersianLetterFor(char16_t unit) {
    if (unit < 0x80) return unit == '\t' ? ' ' : unit;  // nothing to look up
    if ((unit & 0xFF00) == kArabicBlock) {
        static const ArabicBlockLetters kArabicLetters;
        return kArabicLetters.letter[unit - kArabicBlock];
    }
    return LookUpPersianLetter(unit);
}

std::size_t HeadwordSpelling(const char16_t* src, std::size_t n,
                             unsigned char* dst, std::size_t capacity) {
    // A query's units fit on the stack; only longer texts take the heap.
    const std::size_t limit = std::min(n, MappedLimit(capacity));
    char16_t onStack[kStackUnits];
    std::u16string onHeap;
    if (limit > kStackUnits) onHeap.resize(limit);
    char16_t* const mapped = limit > kStackUnits ? onHeap.data() : onStack;
    std::size_t count = 0;
    for (std::size_t i = 0; i < n && count < limit; ++i) {
        const char16_t letter = PersianLetterFor(src[i]);
        if (letter != 0 && !IsPersianVowelMark(letter)) mapped[count++] = letter;
    }
    const std::size_t written = WideToCp1256(mapped, count, dst, capacity);
    std::replace(dst, dst + written, kKehehByte, kKafByte);
    return written;
}

namespace {

constexpr char kZwnjByte = '\x9D';
constexpr char kYehJoined = '\xED';
constexpr char kYehAlone = '\xEC';
constexpr char kAlefByte = '\xC7';
constexpr char kWawByte = '\xE6';
constexpr char kHamzaByte = '\xC1';

// Which bytes of the code page are Arabic-script letters, worked out once:
// every candidate's yeh asks.
struct LetterBytes {
    bool isLetter[256];
    LetterBytes() {
        for (int b = 0; b < 256; ++b) {
            isLetter[b] = IsArabicScriptLetter(Cp1256ToUnit(static_cast<unsigned char>(b)));
        }
    }
};

const LetterBytes& Letters() {
    static const LetterBytes kLetterBytes;
    return kLetterBytes;
}

// The letter a hamza seat folds to, or the byte itself.
char FoldedLetter(char byte) {
    switch (byte) {
        case '\xC3':  // أ
        case '\xC5':  // إ
            return kAlefByte;
        case '\xC4':  // ؤ
            return kWawByte;
        case '\xC6':  // ئ
            return kYehJoined;
        default:
            return byte;
    }
}

}  // namespace

void RespellYeh(char* text, std::size_t n) {
    const LetterBytes& letters = Letters();
    for (std::size_t i = 0; i < n; ++i) {
        if (text[i] != kYehAlone && text[i] != kYehJoined) continue;
        const bool beforeLetter = i + 1 < n && letters.isLetter[static_cast<unsigned char>(text[i + 1])];
        text[i] = beforeLetter ? kYehJoined : kYehAlone;
    }
}

std::string RespelledYeh(std::string text) {
    RespellYeh(text.data(), text.size());
    return text;
}

std::string JoinedYeh(std::string text) {
    std::replace(text.begin(), text.end(), kYehAlone, kYehJoined);
    return text;
}

std::string FoldedSpelling(std::string_view headword) {
    std::string folded;
    folded.reserve(headword.size());
    for (std::size_t i = 0; i < headword.size(); ++i) {
        const char byte = headword[i];
        if (byte == kZwnjByte) continue;
        const bool wordEnd = i + 1 == headword.size() || headword[i + 1] == ' ';
        if (byte == kHamzaByte && wordEnd && !folded.empty() && folded.back() == kAlefByte) continue;
        folded.push_back(FoldedLetter(byte));
    }
    RespellYeh(folded.data(), folded.size());
    return folded;
}

std::string HeadwordSpelling(std::u16string_view text) {
    std::string bytes(text.size(), '\0');
    const std::size_t n = HeadwordSpelling(text.data(), text.size(),
                                           reinterpret_cast<unsigned char*>(bytes.data()),
                                           bytes.size());
    bytes.resize(n);
    return bytes;
}

}  // namespace nira
