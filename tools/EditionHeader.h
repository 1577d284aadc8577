// The constants the program holds for one edition of the data files,
// written as the generated header NiraEdition.h: IndexBases, highest entry
// numbers, digests, LetterBucket tables, the scramble key, and the welcome
// and About texts in their stored forms. It includes NiraWordForms.h, written
// beside it, whose tables the edition points to.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dict/Edition.h"

namespace nira::datatool {

// The About box converts its text into 500 UTF-16 units, terminator
// included.
constexpr std::size_t kMaxAboutBytes = 499;

// Keys are tried from here upwards (wrapping, 0 never: XOR with 0 would
// leave the About text readable).
constexpr unsigned char kScrambleKeySeed = 0xA5;

using ByteSet = std::array<bool, 256>;

void AddBytes(ByteSet& set, const std::string& bytes);

// The first key from the seed on for which no scrambled text can hold a
// 0: key − 1 is not in scrambled (Persian meanings, welcome text; stored as
// ((p + 1) mod 256) XOR key) and key is not in xored (the About text,
// stored as p XOR key). None when every key is taken.
std::optional<unsigned char> ChooseScrambleKey(const ByteSet& scrambled, const ByteSet& xored);

std::string ScrambleText(const std::string& plain, unsigned char key);
std::string XorText(const std::string& plain, unsigned char key);

// text in `count` consecutive pieces of near-equal length (the last ones
// may be empty when text is shorter than count).
std::vector<std::string> SplitIntoPieces(const std::string& text, std::size_t count);

// A C++ string literal of the bytes, every byte a hex escape, in chunks of
// `perLine` bytes on lines of their own (concatenated literals).
std::string HexStringLiteral(const std::string& bytes, std::size_t perLine, const std::string& indent);

struct EditionFile {
    int32_t indexBase = 0;
    int32_t highestEntry = 0;
    std::string digest;
    std::vector<LetterBucketRow> table;
};

struct EditionConstants {
    EditionFile persian;    // English headwords
    EditionFile english;    // Persian headwords
    unsigned char scrambleKey = 0;
    EditionContent content;
    std::vector<std::string> welcomePieces;  // stored (scrambled) form, six
    std::string aboutStored;                 // XOR key, without the final 0
};

std::string EditionHeaderText(const EditionConstants& edition);

}  // namespace nira::datatool
