// The subtitle frequency list: reading it, and where each of its words goes
// (the headword the lookup shows), which gives headwords their ranks and
// the report its share of words with Persian per rank band.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/FrequencyList.h"
#include "tools/InflectedForms.h"
#include "tools/PersianText.h"
#include "tools/stages/FrequencyRanks.h"

namespace nira::datatool {
namespace {

TEST(FrequencyList, WordsInTheListsOrder) {
    EXPECT_EQ(ParseFrequencyList("[\n  {\"word\": \"you\", \"count\": 2134713},\n"
                                 "  {\"count\": 12, \"word\": \"I\"}\n]\n"),
              (std::vector<std::string>{"you", "I"}));
    EXPECT_EQ(ParseFrequencyList(" [ ] "), std::vector<std::string>{});
}

TEST(FrequencyList, AnythingElseIsRefused) {
    for (const char* text : {"", "{}", "[{\"count\": 3}]", "[{\"word\": \"a\"}", "[{\"word\": \"a\"}] x",
                             "[{\"word\": \"a\\\"b\"}]", "[{\"word\": \"a\", \"count\": true}]",
                             "[{\"word\": \"a}]"}) {
        EXPECT_THROW(ParseFrequencyList(text), std::runtime_error) << text;
    }
}

class FrequencyRanksTest : public ::testing::Test {
protected:
    // book has Persian, house only a hint, fast none; went is a headword
    // of its own; abadan no WordNet lemma.
    void SetUp() override {
        m_built.englishHeadwords = {
            {"abadan", "1- x", ""}, {"book", "1- x", ""}, {"fast", "", "1- (adj.) quick"},
            {"go", "1- x", ""}, {"house", m_hint, ""}, {"went", "", "1- (n.) a name"},
        };
        for (const char* lemma : {"book", "fast", "go", "house", "went"}) m_lemmas[lemma];
    }

    EnglishRanks Rank(const std::vector<std::string>& words) {
        return RankEnglishHeadwords(words, m_built, m_lemmas, m_forms.Tables());
    }

    const std::string m_hint = *PersianMeaningBytes(u"\u0646\u0648\u0639\u06CC ") + "x";  // "نوعی x"
    BuiltDictionary m_built;
    std::map<std::string, std::vector<WordSense>> m_lemmas;
    CEnglishFormTables m_forms{ExceptionPairs({"", "went go\n"})};
};

TEST_F(FrequencyRanksTest, AHeadwordTakesTheBestRankOfTheWordsThatShowIt) {
    const EnglishRanks ranks = Rank({"Books", "zzz", "book", "went", "houses", "fastest"});
    const std::map<std::string, int> expected = {{"book", 1}, {"house", 5}, {"went", 4}, {"fast", 6}};
    EXPECT_EQ(ranks.rankOf, expected);  // went is its own headword before the exception row
}

TEST_F(FrequencyRanksTest, BandsCountWordsShowingALemmaAndThoseWithPersian) {
    std::vector<std::string> words(10000, "zzz");
    words[0] = "book";      // translated
    words[1] = "houses";    // a hint is no translation
    words[2] = "abadan";    // no WordNet lemma: not counted
    words[3] = "fast";      // no Persian
    words.push_back("books");  // rank 10 001, the second band
    const EnglishRanks ranks = Rank(words);
    ASSERT_EQ(ranks.bands.size(), 4u);
    EXPECT_EQ(ranks.bands[0].first, 1);
    EXPECT_EQ(ranks.bands[0].last, 10000);
    EXPECT_EQ(ranks.bands[0].lemmaWords, 3u);
    EXPECT_EQ(ranks.bands[0].translated, 1u);
    EXPECT_EQ(ranks.bands[1].first, 10001);
    EXPECT_EQ(ranks.bands[1].lemmaWords, 1u);
    EXPECT_EQ(ranks.bands[1].translated, 1u);
    EXPECT_EQ(ranks.bands[3].first, 40001);
}

}  // namespace
}  // namespace nira::datatool
