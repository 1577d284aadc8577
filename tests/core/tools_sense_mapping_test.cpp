// Placing Wiktionary senses on WordNet synsets: the only synset of the part
// of speech, or a clear lead of the gloss over every other synset, and
// never a synset that writes the word otherwise (a name for a common noun).
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "support/Fixture.h"
#include "tools/SenseMapping.h"
#include "tools/Wiktionary.h"
#include "tools/WordNet.h"

namespace nira::datatool {
namespace {

void Write(const test::TempFolder& dir, const std::string& name, const std::string& text) {
    std::ofstream(dir.FilePath(name), std::ios::binary) << text;
}

class SenseMappingTest : public ::testing::Test {
protected:
    void SetUp() override {
        Write(m_dir, "data.noun",
              "00000100 06 n 01 bank 0 000 | sloping land beside a body of water\n"
              "00000200 06 n 03 bank 0 depository_financial_institution 0 banking_company 0 000 | "
              "a financial institution that accepts deposits\n"
              "00000300 06 n 03 car 0 auto 0 automobile 0 000 | a motor vehicle with four wheels\n"
              "00000400 18 n 01 Ney 0 000 | French marshal\n");
        Write(m_dir, "index.noun",
              "bank n 2 0 2 0 00000100 00000200  \n"
              "car n 1 0 1 0 00000300  \n"
              "ney n 1 0 1 0 00000400  \n");
        for (const char* name : {"data.verb", "data.adj", "data.adv", "index.verb", "index.adj",
                                 "index.adv", "index.sense"}) {
            Write(m_dir, name, "");
        }
        m_wordNet.Load(m_dir.Path());
    }

    std::vector<SenseMatch> Match(const std::vector<std::string>& lines) const {
        std::vector<WiktionaryLine> parsed(lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_TRUE(ParseWiktionaryLine(lines[i], parsed[i]));
        return MatchWiktionarySenses(m_wordNet, parsed);
    }

    test::TempFolder m_dir;
    CWordNet m_wordNet;
};

TEST_F(SenseMappingTest, PlacesOnlyPlainChoices) {
    const struct {
        const char* line;
        bool placed;
        uint32_t offset;
        bool byGloss;
    } cases[] = {
        {"car {n} (automobile) :: خودرو", true, 300, false},          // the only noun synset
        {"bank {n} (financial institution) :: بانک", true, 200, true},  // two words, the other 0
        {"bank {n} (banking company) :: بانک", true, 200, true},        // a synonym as the gloss
        {"bank {n} (edge of a river) :: کناره", false, 0, false},       // matches neither
        {"bank {n} (land institution) :: بانک", false, 0, false},       // one word each: a tie
        {"bank {n} :: بانک", false, 0, false},                          // no gloss, two synsets
        {"ney {n} (flute) :: نی", false, 0, false},                     // WordNet's is the name Ney
        {"car {v} (to drive) :: راندن", false, 0, false},               // no verb synset
        {"car {n} (automobile) :: car", false, 0, false},               // no Persian to give
        {"tram {n} (streetcar) :: تراموا", false, 0, false},            // WordNet lacks the word
    };
    for (const auto& c : cases) {
        const std::vector<SenseMatch> matches = Match({c.line});
        ASSERT_EQ(matches.size(), c.placed ? 1u : 0u) << c.line;
        if (!c.placed) continue;
        EXPECT_EQ(matches[0].line, 0u);
        EXPECT_EQ(matches[0].synset, MakeSynsetId(kNoun, c.offset)) << c.line;
        EXPECT_EQ(matches[0].byGloss, c.byGloss) << c.line;
    }
}

TEST(SenseMappingWords, ContentWordsAndGlossScores) {
    EXPECT_EQ(ContentWords("The Banks of a river, and its boats"),
              (std::vector<std::string>{"bank", "river", "boat"}));
    EXPECT_EQ(ContentWords("gas is gas"), (std::vector<std::string>{"gas"}));
    Synset synset;
    synset.words = {"bank", "banking company"};
    synset.definition = "a financial institution that accepts deposits";
    // The headword's own words do not count; the whole gloss as a synonym adds 3.
    EXPECT_EQ(GlossScore("bank institution", "bank", synset), 1);
    EXPECT_EQ(GlossScore("banking company", "bank", synset), 5);
    EXPECT_EQ(GlossScore("deposits", "bank", synset), 1);
    EXPECT_EQ(GlossScore("", "bank", synset), 0);
}

}  // namespace
}  // namespace nira::datatool
