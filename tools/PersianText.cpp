#include "tools/PersianText.h"

#include <algorithm>

#include "dict/Constants.h"
#include "text/ArabicForms.h"
#include "text/Cp1256.h"
#include "text/PersianSpelling.h"
#include "tools/CodePageText.h"

namespace nira::datatool {
namespace {

constexpr char16_t kZwnj = 0x200C;
constexpr char16_t kEllipsis = 0x2026;

bool IsSpace(char16_t unit) { return IsPersianTextSpace(unit); }

bool IsSeparator(char16_t unit) {
    return unit == 0x060C || unit == ',' || unit == '.' || unit == 0x066C ||
           unit == ';' || unit == 0x061B || unit == ':' || unit == 0x06D4;
}

// "رویارویی - مواجهه": a hyphen with a space beside it lists words; one
// between two letters joins a compound (هند-ایرانی).
bool IsSpacedHyphen(const std::u16string& text, std::size_t i) {
    return text[i] == '-' && ((i > 0 && IsSpace(text[i - 1])) ||
                              (i + 1 < text.size() && IsSpace(text[i + 1])));
}

bool IsDigit(char16_t unit) {
    return (unit >= '0' && unit <= '9') || (unit >= 0x0660 && unit <= 0x0669) ||
           (unit >= 0x06F0 && unit <= 0x06F9);
}

bool IsAsciiLetter(char16_t unit) {
    return (unit >= 'a' && unit <= 'z') || (unit >= 'A' && unit <= 'Z');
}

// What may stand at either end of a word: a letter, a digit, or a mark
// that rides on the letter before it.
bool IsWordCharacter(char16_t unit) {
    return IsArabicScriptLetter(unit) || IsArabicMark(unit) || IsDigit(unit) ||
           IsAsciiLetter(unit);
}

bool HasEllipsis(const std::u16string& text) {
    return text.find(kEllipsis) != std::u16string::npos ||
           text.find(u"..") != std::u16string::npos;
}

bool HasArabicLetter(const std::u16string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char16_t u) { return IsArabicScriptLetter(u); });
}

bool AllHaveBytes(const std::u16string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char16_t u) { return HasCodePageByte(u); });
}

std::string ToBytes(const std::u16string& text) { return WideToCp1256(text); }

// Spaces and ZWNJs between words: one space wins over any ZWNJ next to it,
// a ZWNJ stands only between two non-space characters.
std::u16string CollapseGaps(const std::u16string& text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != ' ' && text[i] != kZwnj) {
            out.push_back(text[i++]);
            continue;
        }
        bool space = false;
        while (i < text.size() && (text[i] == ' ' || text[i] == kZwnj)) {
            space = space || text[i] == ' ';
            ++i;
        }
        if (out.empty() || i == text.size()) continue;
        out.push_back(space ? u' ' : kZwnj);
    }
    return out;
}

bool HoldsSomething(const std::u16string& piece) {
    return std::any_of(piece.begin(), piece.end(),
                       [](char16_t u) { return !IsSpace(u) && u != kZwnj; });
}

std::u16string TrimToWord(const std::u16string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && !IsWordCharacter(text[first])) ++first;
    while (last > first && !IsWordCharacter(text[last - 1])) --last;
    return text.substr(first, last - first);
}

}  // namespace

std::vector<std::u16string> SplitLemma(const std::u16string& lemma) {
    const std::u16string& text = lemma;
    const bool pattern = HasEllipsis(text);
    std::vector<std::u16string> pieces(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const bool dot = unit == '.' || unit == 0x06D4;
        if ((IsSeparator(unit) && !(pattern && dot)) || IsSpacedHyphen(text, i)) {
            pieces.emplace_back();
        } else {
            pieces.back().push_back(unit);
        }
    }
    return pieces;
}

std::u16string NormalizePersian(const std::u16string& piece) {
    std::u16string mapped;
    mapped.reserve(piece.size());
    for (char16_t unit : piece) {
        if (unit == kEllipsis) {
            mapped += u"...";
            continue;
        }
        if (unit == '_') {  // "میدان_اروپا": a word separator of wiki titles
            mapped.push_back(u' ');
            continue;
        }
        if (const char16_t letter = PersianLetterFor(unit); letter != 0) mapped.push_back(letter);
    }
    return CollapseGaps(TrimToWord(CollapseGaps(mapped)));
}

std::optional<std::string> PersianHeadwordBytes(const std::u16string& normalized) {
    if (HasEllipsis(normalized)) return std::nullopt;
    std::u16string plain;
    for (char16_t unit : normalized) {
        if (!IsPersianVowelMark(unit)) plain.push_back(unit);
    }
    plain = CollapseGaps(TrimToWord(plain));
    if (!HasArabicLetter(plain) || !AllHaveBytes(plain)) return std::nullopt;
    const std::string bytes = HeadwordSpelling(plain);
    if (bytes.size() > static_cast<std::size_t>(kMaxHeadwordBytes)) return std::nullopt;
    if (static_cast<unsigned char>(bytes[0]) < 0x80) return std::nullopt;
    return bytes;
}

std::optional<std::string> PersianMeaningBytes(const std::u16string& normalized) {
    if (!HasArabicLetter(normalized) || !AllHaveBytes(normalized)) return std::nullopt;
    std::string bytes = ToBytes(normalized);
    HyphensToEnDash(bytes);
    return bytes;
}

std::vector<PersianWord> PersianWordsOfLemma(const std::u16string& lemma, std::size_t* dropped) {
    std::vector<PersianWord> words;
    for (const std::u16string& piece : SplitLemma(lemma)) {
        const std::u16string normalized = NormalizePersian(piece);
        std::optional<std::string> meaning = PersianMeaningBytes(normalized);
        if (!meaning) {
            if (dropped != nullptr && HoldsSomething(piece)) ++*dropped;
            continue;
        }
        std::optional<std::string> headword = PersianHeadwordBytes(normalized);
        words.push_back({headword.value_or(std::string()), std::move(*meaning)});
    }
    return words;
}

std::vector<PersianWord> PersianWordsOfLemma(const std::string& utf8, std::size_t* dropped) {
    return PersianWordsOfLemma(Utf8ToUtf16(utf8), dropped);
}

bool HasArabicLetter(const std::string& utf8) {
    const std::u16string text = Utf8ToUtf16(utf8);
    return std::any_of(text.begin(), text.end(), [](char16_t u) { return IsArabicScriptLetter(u); });
}

}  // namespace nira::datatool
