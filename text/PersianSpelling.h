// How Persian is spelled in headwords, in one place for both sides: the
// data build writes every Persian headword this way, and the lookup turns
// every query into the same spelling before it searches, so that a word
// copied with Arabic yeh, a vowel mark or a tatweel finds its entry.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nira {

// The Persian letter a reader writes for a character: Arabic and Urdu
// look-alikes (ك ي ى ہ ے ...), presentation forms, other spaces as a space,
// a zero-width space as ZWNJ. Returns the replacement (possibly the same
// unit), or 0 when the character is dropped: tatweel, direction and
// joiner controls, and the Arabic marks other than the vowel marks.
char16_t PersianLetterFor(char16_t unit);

// The spaces a Persian text may hold between words (tab, no-break and
// the typographic spaces); PersianLetterFor writes each as a space.
bool IsPersianTextSpace(char16_t unit);

// The vowel marks U+064B..U+0652 and the superscript alef U+0670, which a
// headword never holds.
bool IsPersianVowelMark(char16_t unit);

// Text in the spelling of a headword, as code page 1256 bytes: every
// character through PersianLetterFor, vowel marks dropped, Persian yeh
// (and with it Arabic yeh and alef maksura) 0xED before a letter and 0xEC
// otherwise, keheh and kaf both 0xDF. Converts src[0..n) into at most
// capacity bytes and returns the bytes written; writes no terminator.
std::size_t HeadwordSpelling(const char16_t* src, std::size_t n,
                             unsigned char* dst, std::size_t capacity);

// The whole text in that spelling, as a byte string.
std::string HeadwordSpelling(std::u16string_view text);

// Yeh as a headword writes it, in place: 0xED before an Arabic-script
// letter, 0xEC elsewhere.
void RespellYeh(char* text, std::size_t n);
std::string RespelledYeh(std::string text);
// Every Persian yeh (0xEC, 0xED) as 0xED, the form the word form rules
// work on.
std::string JoinedYeh(std::string text);

// One spelling for the ways Persian writes the same word, in headword bytes:
// no ZWNJ, hamza on alef as alef (تأثیر = تاثیر), hamza on waw as waw
// (سؤال = سوال), hamza on yeh as yeh (رئیس = رییس), a final alef hamza as
// alef (اشیاء = اشیا). Headwords that fold alike are one entry, and a
// query is found in any of these spellings.
std::string FoldedSpelling(std::string_view headword);

}  // namespace nira
