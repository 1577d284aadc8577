// Reading the Wiktionary extract and the Open Multilingual Wordnet tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/Cp1256.h"
#include "tools/PersianText.h"
#include "tools/Sources.h"
#include "tools/Wiktionary.h"

namespace nira::datatool {
namespace {

// The Persian words a line yields, in their meaning form.
std::vector<std::string> Words(const WiktionaryLine& line) {
    std::vector<std::string> words;
    for (const std::u16string& t : line.translations) {
        for (const PersianWord& w : PersianWordsOfLemma(t)) words.push_back(w.meaning);
    }
    return words;
}

// The same form of words written out whole.
std::vector<std::string> Expected(const std::vector<std::string>& utf8) {
    std::vector<std::string> words;
    for (const std::string& word : utf8) {
        words.push_back(PersianMeaningBytes(NormalizePersian(Utf8ToUtf16(word))).value_or("?"));
    }
    return words;
}

struct LineCase {
    const char* line;
    const char* headword;
    const char* gloss;
    int pos;
    std::vector<std::string> words;
};

class WiktionaryLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(WiktionaryLines, KeepOnlyThePersianOfEachTranslation) {
    const LineCase& c = GetParam();
    WiktionaryLine parsed;
    ASSERT_TRUE(ParseWiktionaryLine(c.line, parsed)) << c.line;
    EXPECT_EQ(parsed.headword, c.headword);
    EXPECT_EQ(parsed.gloss, c.gloss);
    EXPECT_EQ(parsed.pos, c.pos);
    EXPECT_EQ(Words(parsed), Expected(c.words)) << c.line;
}

INSTANTIATE_TEST_SUITE_P(Cases, WiktionaryLines, ::testing::Values(
    LineCase{"book {n} (collection of sheets (bound)) :: کِتاب /ketâb/, نسک /nask/, [Middle Persian] نامک /nâmak/",
             "book", "collection of sheets (bound)", kNoun, {"کِتاب", "نسک", "نامک"}},
    LineCase{"abbreviation {n} :: مخفف", "abbreviation", "", kNoun, {"مخفف"}},
    LineCase{"a lot {adv} (much) :: خیلی", "a lot", "much", kAdverb, {"خیلی"}},
    LineCase{"hello (greeting) :: سلام ; religious: سلام علیکم ; literary: درود",
             "hello", "greeting", -1, {"سلام", "سلام علیکم", "درود"}},
    LineCase{"cart {n} (vehicle) :: ارابه /arâbe, arrâbe/, گاری",
             "cart", "vehicle", kNoun, {"ارابه", "گاری"}},
    LineCase{"foal {n} (young horse) :: کُره  [horses, donkeys, etc.]", "foal", "young horse", kNoun, {"کُره"}},
    LineCase{"be {v} (occurring) :: در حال  + infinitive + بودن", "be", "occurring", kVerb, {"در حال ... بودن"}},
    LineCase{"aunt {n} (sister) :: (paternal) عمه, (maternal) خاله", "aunt", "sister", kNoun, {"عمه", "خاله"}},
    LineCase{"railway {n} (track) :: راه‌آهن  (also: راه آهن)", "railway", "track", kNoun,
             {"راه\u200cآهن", "راه آهن"}},
    LineCase{"compare {v} (assess) :: مقایسه کردن moqâyese kardan/", "compare", "assess", kVerb, {"مقایسه کردن"}},
    LineCase{"confrontation {n} (meeting) :: رویارویی - مواجهه", "confrontation", "meeting", kNoun,
             {"رویارویی", "مواجهه"}},
    LineCase{"Toyota {prop} (company) :: Toyota", "Toyota", "company", kNoun, {}}));

TEST(ParseWiktionaryLine, RefusesCommentsAndLinesWithoutTranslations) {
    WiktionaryLine parsed;
    EXPECT_FALSE(ParseWiktionaryLine("# License :: CC BY-SA", parsed));
    EXPECT_FALSE(ParseWiktionaryLine("", parsed));
    EXPECT_FALSE(ParseWiktionaryLine("book {n} (no arrow)", parsed));
}

TEST(ParseOmwTable, ReadsSynsetAndLemmaOfBothHeaderStyles) {
    const std::vector<OmwLink> links = ParseOmwTable(
        "# Persian Wordnet\tfas\thttp://www.pwn.ir\tFree to use \n"
        "05632175-n\tlemma\tسرزمین عجایب\n"
        "00005205-s\tfas:lemma\tکامل\r\n"
        "bad line\n"
        "0000520-n\tlemma\tکوتاه\n",
        true);
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].synset, MakeSynsetId(kNoun, 5632175));
    EXPECT_EQ(links[0].lemma, "سرزمین عجایب");
    EXPECT_EQ(links[1].synset, MakeSynsetId(kAdjective, 5205));
    EXPECT_EQ(links[1].lemma, "کامل");
    EXPECT_TRUE(links[1].curated);
}

}  // namespace
}  // namespace nira::datatool
