// Persian words of the sources as the data files write them. A source
// "lemma" may hold several words; each word is written twice: as a headword
// of the "english" file (no diacritics, kaf as 0xDF) and inside the Persian
// meanings of the "persian" file (diacritics kept, keheh 0x98, hyphens as
// en dashes so that only sense numbers stand before a '-').
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace nira::datatool {

constexpr unsigned char kHeadwordKaf = 0xDF;
constexpr unsigned char kMeaningKeheh = 0x98;

// One word of a source lemma. headword is empty when the word may stand in
// a meaning but not as a headword (too long, an ellipsis pattern, ...).
struct PersianWord {
    std::string headword;
    std::string meaning;
};

// Splits a lemma at the separators the sources use between words (، , .
// ٬ ; ؛ : and a hyphen with a space beside it). Runs of dots and the ellipsis character are no separators: they
// mark a pattern phrase such as "منتظر ... بودن".
std::vector<std::u16string> SplitLemma(const std::u16string& lemma);

// One piece cleaned for writing: characters mapped, tatweel and invisible
// marks dropped, spaces collapsed, ZWNJ only between letters, punctuation
// trimmed at both ends. Diacritics are kept.
std::u16string NormalizePersian(const std::u16string& piece);

// The bytes of a normalized word as a headword, in the spelling the lookup
// gives its queries (HeadwordSpelling: no vowel marks, Persian yeh 0xED
// before a letter and 0xEC otherwise, keheh and kaf both 0xDF). None
// when it holds no Arabic-script letter, a character without a byte, an
// ellipsis, starts with a byte below 0x80 (a search could never reach it)
// or is longer than a headword may be.
std::optional<std::string> PersianHeadwordBytes(const std::u16string& normalized);

// The bytes of a normalized word inside a Persian meaning: diacritics
// kept, kaf as keheh 0x98, every '-' as 0x96. None when it holds no
// Arabic-script letter or a character without a byte.
std::optional<std::string> PersianMeaningBytes(const std::u16string& normalized);

// Whether UTF-8 text holds an Arabic-script letter.
bool HasArabicLetter(const std::string& utf8);

// All of the above for one source lemma: its usable words. *dropped (when
// given) is increased by the pieces that held something but gave no word
// (Latin or punctuation only, a character without a byte).
std::vector<PersianWord> PersianWordsOfLemma(const std::u16string& lemma,
                                             std::size_t* dropped = nullptr);
std::vector<PersianWord> PersianWordsOfLemma(const std::string& utf8,
                                             std::size_t* dropped = nullptr);

}  // namespace nira::datatool
