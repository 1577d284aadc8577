// The generated constants: the scramble key, the stored texts and the
// literals that carry them.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "present/Scramble.h"
#include "tools/EditionHeader.h"

namespace nira::datatool {
namespace {

ByteSet SetOf(const std::string& bytes) {
    ByteSet set{};
    AddBytes(set, bytes);
    return set;
}

TEST(ChooseScrambleKey, TakesTheSeedWhenNoTextForbidsIt) {
    EXPECT_EQ(ChooseScrambleKey(SetOf("abc"), SetOf("xyz")), kScrambleKeySeed);
}

TEST(ChooseScrambleKey, SkipsKeysWhoseStoredFormWouldHoldANul) {
    const unsigned char seed = kScrambleKeySeed;
    // seed - 1 in a scrambled text forbids the seed; seed + 1 in the About
    // text forbids the next one.
    const std::string scrambled(1, static_cast<char>(seed - 1));
    const std::string xored(1, static_cast<char>(seed + 1));
    EXPECT_EQ(ChooseScrambleKey(SetOf(scrambled), SetOf(xored)), static_cast<unsigned char>(seed + 2));
}

TEST(ChooseScrambleKey, NeverTakesZeroAndGivesUpWhenEveryKeyIsUsed) {
    ByteSet all{};
    all.fill(true);
    ByteSet none{};
    EXPECT_EQ(ChooseScrambleKey(all, none), std::nullopt);

    ByteSet allButLast{};
    allButLast.fill(true);
    allButLast[0xFF] = false;  // only key 0 would be left: 0 - 1 = 0xFF
    EXPECT_EQ(ChooseScrambleKey(allButLast, none), std::nullopt);
}

TEST(ScrambleText, IsUndoneByTheProgramsUnscramble) {
    const unsigned char key = 0xA5;
    const std::string plain = "\xDF\xCA\xC7\xC8 1- x";
    std::string stored = ScrambleText(plain, key);
    ASSERT_EQ(stored.find('\0'), std::string::npos);
    std::vector<unsigned char> text(stored.begin(), stored.end());
    text.push_back(0);
    Unscramble(text.data(), key);
    EXPECT_EQ(std::string(text.begin(), text.end() - 1), plain);
    EXPECT_EQ(XorText(XorText(plain, key), key), plain);
}

TEST(SplitIntoPieces, GivesSixPiecesThatJoinBack) {
    const std::string text = "abcdefghijklmnopq";  // 17 bytes
    const std::vector<std::string> pieces = SplitIntoPieces(text, 6);
    ASSERT_EQ(pieces.size(), 6u);
    std::string joined;
    for (const std::string& p : pieces) {
        EXPECT_GE(p.size(), 2u);
        EXPECT_LE(p.size(), 3u);
        joined += p;
    }
    EXPECT_EQ(joined, text);
    EXPECT_EQ(SplitIntoPieces("ab", 6).size(), 6u);
}

// Reads back a literal the way a compiler does: \xNN escapes run as long
// as hex digits follow, so a digit after an escape would change the byte.
std::string ReadLiteral(const std::string& literal) {
    std::string bytes;
    bool inside = false;
    for (std::size_t i = 0; i < literal.size(); ++i) {
        const char c = literal[i];
        if (c == '"') {
            inside = !inside;
        } else if (inside && c == '\\' && literal[i + 1] == 'x') {
            std::size_t end = i + 2;
            while (end < literal.size() && std::isxdigit(static_cast<unsigned char>(literal[end]))) ++end;
            const unsigned long value = std::stoul(literal.substr(i + 2, end - i - 2), nullptr, 16);
            EXPECT_LE(value, 0xFFul) << "an escape ran into the next character";
            bytes.push_back(static_cast<char>(value));
            i = end - 1;
        } else if (inside) {
            bytes.push_back(c);
        }
    }
    return bytes;
}

TEST(HexStringLiteral, ReadsBackAsTheSameBytes) {
    std::string bytes;
    for (int b = 1; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    bytes += "abc012";
    EXPECT_EQ(ReadLiteral(HexStringLiteral(bytes, 16, "    ")), bytes);
    EXPECT_EQ(HexStringLiteral("", 16, ""), "\"\"");
}

TEST(EditionHeaderText, HoldsTheNamesTheProgramUses) {
    EditionConstants e;
    e.scrambleKey = 0xA5;
    e.persian = {100, 2, "0123456789abcdef0123456789abcdef", {{0x61, 0}, {0xFF, 2}}};
    e.english = {50, 1, "fedcba9876543210fedcba9876543210", {{0xC7, 0}, {0xFF, 1}}};
    e.welcomePieces = SplitIntoPieces(ScrambleText("welcome", 0xA5), 6);
    e.aboutStored = XorText("About", 0xA5);
    const std::string header = EditionHeaderText(e);
    for (const char* expected : {
             "inline constexpr unsigned char kScrambleKey = 0xA5;",
             "inline constexpr int32_t kIndexBasePersian = 100;",
             "inline constexpr int32_t kIndexBaseEnglish = 50;",
             "inline constexpr int32_t kHighestEntryPersian = 2;",
             "inline constexpr int32_t kHighestEntryEnglish = 1;",
             "inline constexpr char kDigestPersian[] = \"0123456789abcdef0123456789abcdef\";",
             "inline constexpr LetterBucketRow kEnglishTable[] = {\n    {0x61, 0},\n    {0xFF, 2},\n};",
             "inline constexpr LetterBucketRow kPersianTable[] = {\n    {0xC7, 0},\n    {0xFF, 1},\n};",
             "inline constexpr DictionaryEdition kEdition = {",
             "inline constexpr const char* kWelcomePieces[6] = {",
             "inline constexpr unsigned char kAboutText[] = {",
             "    0x00,\n};",
             "inline constexpr std::size_t kAboutTextSize = sizeof(kAboutText);",
         }) {
        EXPECT_NE(header.find(expected), std::string::npos) << expected;
    }
}

}  // namespace
}  // namespace nira::datatool
