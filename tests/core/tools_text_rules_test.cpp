// The data build's byte rules for Persian words (headwords of "english",
// words inside the Persian meanings of "persian") and for English text.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "text/Cp1256.h"
#include "tools/CodePageText.h"
#include "tools/PersianText.h"
#include "tools/WordNet.h"

namespace nira::datatool {
namespace {

std::optional<std::string> Headword(const std::string& utf8) {
    return PersianHeadwordBytes(NormalizePersian(Utf8ToUtf16(utf8)));
}

std::optional<std::string> Meaning(const std::string& utf8) {
    return PersianMeaningBytes(NormalizePersian(Utf8ToUtf16(utf8)));
}

struct ByteCase {
    const char* why;
    const char* utf8;
    std::optional<std::string> bytes;
};

class HeadwordBytes : public ::testing::TestWithParam<ByteCase> {};

TEST_P(HeadwordBytes, FollowTheHeadwordRules) {
    EXPECT_EQ(Headword(GetParam().utf8), GetParam().bytes) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(Cases, HeadwordBytes, ::testing::Values(
    ByteCase{"yeh at the end of a word is undotted", "کتابی", std::string("\xDF\xCA\xC7\xC8\xEC")},
    ByteCase{"yeh before a letter is dotted", "بیمار", std::string("\xC8\xED\xE3\xC7\xD1")},
    ByteCase{"yeh before a ZWNJ ends its word", "می‌روم", std::string("\xE3\xEC\x9D\xD1\xE6\xE3")},
    ByteCase{"Arabic yeh follows the same rule", "علي", std::string("\xDA\xE1\xEC")},
    ByteCase{"keheh is written as kaf", "کاک", std::string("\xDF\xC7\xDF")},
    ByteCase{"Arabic kaf stays kaf", "كتاب", std::string("\xDF\xCA\xC7\xC8")},
    ByteCase{"diacritics are removed", "کِتابٌ", std::string("\xDF\xCA\xC7\xC8")},
    ByteCase{"sukun is a diacritic and is removed", "اسْب", std::string("\xC7\xD3\xC8")},
    ByteCase{"tatweel is removed", "کـــتاب", std::string("\xDF\xCA\xC7\xC8")},
    ByteCase{"Urdu heh goal becomes heh", "روبہ", std::string("\xD1\xE6\xC8\xE5")},
    ByteCase{"yeh barree becomes yeh", "ارابے", std::string("\xC7\xD1\xC7\xC8\xEC")},
    ByteCase{"heh with yeh above becomes heh", "دربارۀ", std::string("\xCF\xD1\xC8\xC7\xD1\xE5")},
    ByteCase{"Kurdish yeh with small v becomes yeh", "عێراق", std::string("\xDA\xED\xD1\xC7\xDE")},
    ByteCase{"presentation forms become their letters", "ﺕﺤﺍﺭ", std::string("\xCA\xCD\xC7\xD1")},
    ByteCase{"spaces and a ZWNJ at the ends are trimmed", " \xE2\x80\x8C" "آب؟ ", std::string("\xC2\xC8")},
    ByteCase{"a hyphen of a compound stays a hyphen", "هند-ایرانی",
             std::string("\xE5\xE4\xCF-\xC7\xED\xD1\xC7\xE4\xEC")},
    ByteCase{"Latin only is skipped", "Toyota", std::nullopt},
    ByteCase{"punctuation only is skipped", "؟", std::nullopt},
    ByteCase{"digits only are skipped", "۱۲۳", std::nullopt},
    ByteCase{"a word starting with a digit is no headword", "3بعدی", std::nullopt},
    ByteCase{"a word starting with a Latin letter is no headword", "Xبعدی", std::nullopt},
    ByteCase{"an ellipsis pattern is no headword", "منتظر ... بودن", std::nullopt},
    ByteCase{"a character without a byte skips the word", "آ\xE2\x98\x83" "ب", std::nullopt}));

class MeaningBytes : public ::testing::TestWithParam<ByteCase> {};

TEST_P(MeaningBytes, FollowTheMeaningRules) {
    EXPECT_EQ(Meaning(GetParam().utf8), GetParam().bytes) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(Cases, MeaningBytes, ::testing::Values(
    ByteCase{"keheh stays keheh", "کتاب", std::string("\x98\xCA\xC7\xC8")},
    ByteCase{"Arabic kaf becomes keheh", "كتاب", std::string("\x98\xCA\xC7\xC8")},
    ByteCase{"diacritics are kept", "کِتاب", std::string("\x98\xF6\xCA\xC7\xC8")},
    ByteCase{"sukun is kept as 0xFA", "اسْب", std::string("\xC7\xD3\xFA\xC8")},
    ByteCase{"tatweel is removed", "کـتاب", std::string("\x98\xCA\xC7\xC8")},
    ByteCase{"yeh at the end is undotted", "خوبی", std::string("\xCE\xE6\xC8\xEC")},
    ByteCase{"a hyphen becomes an en dash", "هند-ایرانی",
             std::string("\xE5\xE4\xCF\x96\xC7\xED\xD1\xC7\xE4\xEC")},
    ByteCase{"an ellipsis pattern stays", "منتظر ... بودن",
             std::string("\xE3\xE4\xCA\xD9\xD1 ... \xC8\xE6\xCF\xE4")},
    ByteCase{"a long word may stand in a meaning", "بببببببببببببببببببببببببببببببببببببببببببببببببببب",
             std::string(52, '\xC8')},
    ByteCase{"Latin only is skipped", "PR", std::nullopt}));

TEST(PersianHeadwordBytes, SkipsAWordOverTheHeadwordLimitButKeepsItForMeanings) {
    const std::u16string beh = u"\u0628";
    std::u16string word;
    for (int i = 0; i < 51; ++i) word += beh;
    EXPECT_EQ(PersianHeadwordBytes(word), std::string(51, '\xC8'));
    word += beh;
    EXPECT_EQ(PersianHeadwordBytes(word), std::nullopt);
    EXPECT_EQ(PersianMeaningBytes(word), std::string(52, '\xC8'));
}

std::vector<std::string> HeadwordsOfLemma(const std::string& utf8) {
    std::vector<std::string> headwords;
    for (const PersianWord& word : PersianWordsOfLemma(utf8)) headwords.push_back(word.headword);
    return headwords;
}

TEST(PersianWordsOfLemma, SplitsAtTheSeparatorsOfTheSources) {
    const std::string shash = "\xD4\xC7\xD4";
    const std::string jish = "\xCC\xED\xD4";
    EXPECT_EQ(HeadwordsOfLemma("شاش، جیش"), (std::vector<std::string>{shash, jish}));
    EXPECT_EQ(HeadwordsOfLemma("شاش,جیش"), (std::vector<std::string>{shash, jish}));
    EXPECT_EQ(HeadwordsOfLemma("شاش.جیش"), (std::vector<std::string>{shash, jish}));
    EXPECT_EQ(HeadwordsOfLemma("شاش - جیش"), (std::vector<std::string>{shash, jish}));
    EXPECT_EQ(HeadwordsOfLemma("شاش،\xE2\x80\x8C" "جیش،"), (std::vector<std::string>{shash, jish}));
}

TEST(PersianWordsOfLemma, DropsPiecesWithoutAPersianWordAndCountsThem) {
    std::size_t dropped = 0;
    const std::vector<PersianWord> words = PersianWordsOfLemma(std::string("PR، آب، ؟"), &dropped);
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].headword, "\xC2\xC8");
    EXPECT_EQ(dropped, 2u);
}

TEST(PersianWordsOfLemma, KeepsAPatternWholeAsAMeaningOnly) {
    const std::vector<PersianWord> words = PersianWordsOfLemma(std::string("منتظر ... بودن"));
    ASSERT_EQ(words.size(), 1u);
    EXPECT_TRUE(words[0].headword.empty());
    EXPECT_EQ(words[0].meaning, "\xE3\xE4\xCA\xD9\xD1 ... \xC8\xE6\xCF\xE4");
}

struct EnglishCase {
    const char* utf8;
    const char* bytes;
};

class EnglishText : public ::testing::TestWithParam<EnglishCase> {};

TEST_P(EnglishText, IsWrittenInTheCodePage) {
    EXPECT_EQ(EnglishBytes(GetParam().utf8), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Cases, EnglishText, ::testing::Values(
    EnglishCase{"clear liquid H₂O", "clear liquid H2O"},
    EnglishCase{"Côte d’Ivoire", "C\xF4te d\x92Ivoire"},
    EnglishCase{"Bosnī, Ağrı", "Bosni, Agri"},
    EnglishCase{"  a \t b  ", "a b"},
    EnglishCase{"Днепр", "?????"},
    EnglishCase{"well-known", "well-known"}));

TEST(HyphensToEnDash, LeavesNoHyphen) {
    std::string text = "3-D well-known -";
    HyphensToEnDash(text);
    EXPECT_EQ(text, "3\x96" "D well\x96known \x96");
}

TEST(ProgramTextBytes, WritesLineBreaksAsCrLfAndRefusesMissingCharacters) {
    const ProgramText ok = ProgramTextBytes("سلام\nWordNet ©\n\n");
    EXPECT_TRUE(ok.missing.empty());
    EXPECT_EQ(ok.bytes, "\xD3\xE1\xC7\xE3\r\nWordNet \xA9");

    const ProgramText bad = ProgramTextBytes("snow \xE2\x98\x83");
    EXPECT_EQ(bad.missing, u"\u2603");
}

TEST(GlossDefinition, KeepsTheDefinitionWithoutItsExamples) {
    EXPECT_EQ(GlossDefinition("a written work (printed); \"I read a book\"; \"another\"  "),
              "a written work (printed)");
    EXPECT_EQ(GlossDefinition("move fast; run away  "), "move fast; run away");
    EXPECT_EQ(GlossDefinition("\"only an example\""), "\"only an example\"");
}

TEST(ParseDataLine, ReadsWordsWithoutMarkersAndTheDefinition) {
    uint32_t offset = 0;
    Synset synset;
    ASSERT_TRUE(ParseDataLine("00005000 00 s 02 galore(ip) 0 in_abundance 1 000 | plenty; \"x\"  ",
                              offset, synset));
    EXPECT_EQ(offset, 5000u);
    EXPECT_EQ(synset.words, (std::vector<std::string>{"galore", "in abundance"}));
    EXPECT_EQ(synset.definition, "plenty");
    EXPECT_FALSE(ParseDataLine("  1 This software and database is being provided", offset, synset));
    EXPECT_FALSE(ParseDataLine("00005000 00 s 03 one 0 | too few words", offset, synset));
}

}  // namespace
}  // namespace nira::datatool
