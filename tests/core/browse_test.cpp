#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "dict/Browse.h"
#include "present/EntryText.h"
#include "support/Fixture.h"

namespace nira {
namespace {

using test::FixtureDictionary;
using test::FixtureEntry;

std::string Text(const unsigned char* text) { return reinterpret_cast<const char*>(text); }

std::vector<FixtureEntry> Entries(const std::vector<std::string>& headwords) {
    std::vector<FixtureEntry> entries;
    for (const std::string& h : headwords) entries.push_back({h, {"", "def"}});
    return entries;
}

// Entries 1..7 of "persian": 3d | apple apricot avocado | bank book | car.
class BrowseTest : public ::testing::Test {
protected:
    BrowseTest()
        : m_fx(Entries({"3d", "apple", "apricot", "avocado", "bank", "book", "car"}),
               {{"\xC7\xD3\xC8", {"horse"}},
                {"\xC7\xE3\xED\xCF", {"hope"}},
                {"\xE3\xC7\xE5", {"moon"}}}) {}

    // A lookup as the window runs it: search, then show (copy the headword).
    void Show(const std::u16string& word) {
        auto result = std::make_unique<LookupResult>();
        LookUpWord(word.data(), word.size(), m_state, m_fx.Dict(), *result);
        ASSERT_EQ(result->outcome, LookupOutcome::Entry);
        auto view = std::make_unique<EntryView>();
        DecodeEntry(result->entry, result->length, result->file, m_fx.Dict().m_scrambleKey,
                    *view);
        std::memcpy(m_state.m_headword, view->headword, kHeadwordBufferSize);
    }

    bool Step(int delta) { return StepEntry(delta, m_state, m_fx.Dict(), m_neighbour); }

    FixtureDictionary m_fx;
    LookupState m_state;
    unsigned char m_neighbour[kHeadwordBufferSize] = {};
};

struct StepCase {
    const char* name;
    std::u16string shown;
    int delta;
    bool moves;
    int32_t current;        // after the step
    std::string neighbour;  // when it moves
};

class StepEntryTest : public BrowseTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(StepEntryTest, StaysInsideTheBucket) {
    const StepCase& c = GetParam();
    Show(c.shown);
    EXPECT_EQ(Step(c.delta), c.moves);
    EXPECT_EQ(m_state.m_current, c.current);
    if (c.moves) {
        EXPECT_EQ(Text(m_neighbour), c.neighbour);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StepEntryTest,
    ::testing::Values(StepCase{"prev_at_the_first_of_the_bucket", u"apple", -1, false, 2, ""},
                      StepCase{"next_at_the_last_of_the_bucket", u"avocado", +1, false, 4, ""},
                      StepCase{"prev_inside", u"apricot", -1, true, 2, "apple"},
                      StepCase{"next_inside", u"apricot", +1, true, 4, "avocado"},
                      StepCase{"next_into_the_last", u"bank", +1, true, 6, "book"},
                      StepCase{"below_a_bucket_of_one", u"3d", +1, false, 1, ""},
                      StepCase{"persian_file", u"\u0627\u0633\u0628", +1, true, 2,
                               "\xC7\xE3\xED\xCF"}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return info.param.name; });

TEST_F(BrowseTest, TheNeighbourLooksUpToTheSameEntry) {
    Show(u"avocado");
    ASSERT_TRUE(Step(-1));
    const int32_t stepped = m_state.m_current;
    const std::string neighbour = Text(m_neighbour);
    Show(std::u16string(neighbour.begin(), neighbour.end()));
    EXPECT_EQ(m_state.m_current, stepped);
    EXPECT_EQ(Text(m_state.m_headword), "apricot");
}

TEST_F(BrowseTest, BeforeAnyLookupNothingMoves) {
    EXPECT_FALSE(Step(-1));
    EXPECT_FALSE(Step(+1));
    EXPECT_EQ(m_state.m_current, 0);
}

TEST_F(BrowseTest, FileNotOpenIsNeverRead) {
    Show(u"apricot");
    m_fx.Dict().m_filePersian.Close();
    EXPECT_FALSE(Step(-1));
    EXPECT_FALSE(Step(+1));
    EXPECT_EQ(m_state.m_current, 3);
}

TEST_F(BrowseTest, AfterSpacesOnlyTheRangeIsPersianButTheFileFollowsTheHeadword) {
    Show(u"book");  // entry 6
    auto result = std::make_unique<LookupResult>();
    LookUpWord(u"  ", 2, m_state, m_fx.Dict(), *result);
    ASSERT_EQ(result->outcome, LookupOutcome::SpacesOnly);
    ASSERT_EQ(m_state.m_first, 3);  // the last Persian row: entry 3 of "english"
    ASSERT_EQ(m_state.m_last, 3);
    // 6 is above m_last: the next step does nothing; the previous one reads
    // entry 5 of "persian", the file book came from.
    EXPECT_FALSE(Step(+1));
    ASSERT_TRUE(Step(-1));
    EXPECT_EQ(Text(m_neighbour), "bank");
}

TEST_F(BrowseTest, StepToAnEntryTheFileLacksGivesAnEmptyHeadword) {
    Show(u"car");
    m_state.m_last = 100;  // a range wider than the file
    ASSERT_TRUE(Step(+1));
    EXPECT_EQ(m_state.m_current, 8);
    EXPECT_EQ(Text(m_neighbour), "");
}

}  // namespace
}  // namespace nira
