#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dict/Collation.h"
#include "dict/Lookup.h"
#include "support/Fixture.h"

namespace nira {
namespace {

using test::FixtureDictionary;
using test::FixtureEntry;

const unsigned char* U(const std::string& text) {
    return reinterpret_cast<const unsigned char*>(text.c_str());
}

std::vector<FixtureEntry> EntriesOf(const std::vector<std::string>& headwords) {
    std::vector<FixtureEntry> entries;
    for (const std::string& h : headwords) entries.push_back({h, {"", "def of " + h}});
    return entries;
}

// The search as a recursion over the headwords, recording each probe: the
// order of probes the loop must reproduce.
int ModelSearch(const std::string& key, const std::vector<std::string>& headwords,
                int first, int last, std::vector<int>& probes) {
    auto probe = [&](int k) {
        probes.push_back(k);
        return CompareHeadword(U(key), U(headwords[k - 1]));
    };
    if (last - first < 1) return probe(first);
    const int mid = first + (last - first) / 2;
    const int r = probe(mid);
    if (r < 0) return mid == first ? -1 : ModelSearch(key, headwords, first, mid - 1, probes);
    if (r == 0) return 0;
    return ModelSearch(key, headwords, mid + 1, last, probes);
}

const std::vector<std::string> kFive = {"apple", "bank", "book", "car", "dog"};

struct ProbeCase {
    const char* name;
    std::string query;
    std::vector<int> probes;
    int result;
};

class FiveEntrySearchTest : public ::testing::TestWithParam<ProbeCase> {};

TEST_P(FiveEntrySearchTest, EndsOnTheLastEntryProbed) {
    const ProbeCase& c = GetParam();
    std::vector<int> modelProbes;
    EXPECT_EQ(ModelSearch(c.query, kFive, 1, 5, modelProbes), c.result);
    EXPECT_EQ(modelProbes, c.probes);

    FixtureDictionary fx(EntriesOf(kFive), {});
    int32_t current = -7;
    EXPECT_EQ(SearchEntry(U(c.query), fx.Dict().m_filePersian, 1, 5, current), c.result);
    EXPECT_EQ(current, c.probes.back());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FiveEntrySearchTest,
    ::testing::Values(ProbeCase{"book_found_at_first_probe", "book", {3}, 0},
                      ProbeCase{"bo_ends_on_bank", "bo", {3, 1, 2}, 1},
                      ProbeCase{"boo_ends_on_bank", "boo", {3, 1, 2}, 1},
                      ProbeCase{"bz_ends_on_car", "bz", {3, 4}, -1},
                      ProbeCase{"c_ends_on_car", "c", {3, 4}, -1},
                      ProbeCase{"aa_ends_on_apple", "aa", {3, 1}, -1},
                      ProbeCase{"zebra_ends_on_the_last", "zebra", {3, 4, 5}, 1}),
    [](const ::testing::TestParamInfo<ProbeCase>& info) { return info.param.name; });

std::vector<std::string> ManyHeadwords() {
    std::vector<std::string> words;
    for (char a = 'b'; a <= 'y'; a += 3) {
        for (char b = 'b'; b <= 'y'; b += 8) words.push_back(std::string{a, b});
    }
    return words;  // already in order
}

// Every query of interest over every range: found words, prefixes, words
// between two headwords, before all and after all.
TEST(SearchEntry, EndsWhereTheRecursionEndsOverEveryRange) {
    const std::vector<std::string> words = ManyHeadwords();
    FixtureDictionary fx(EntriesOf(words), {});
    std::vector<std::string> queries = {"a", "zz", "", "b"};
    for (const std::string& w : words) {
        queries.push_back(w);
        queries.push_back(w + "a");
        queries.push_back(w.substr(0, 1) + "a");
    }
    const int n = static_cast<int>(words.size());
    for (int first = 1; first <= n; ++first) {
        for (int last = first; last <= n; ++last) {
            for (const std::string& q : queries) {
                std::vector<int> probes;
                const int expected = ModelSearch(q, words, first, last, probes);
                int32_t current = 0;
                ASSERT_EQ(SearchEntry(U(q), fx.Dict().m_filePersian, first, last, current),
                          expected)
                    << q << " " << first << ".." << last;
                ASSERT_EQ(current, probes.back()) << q << " " << first << ".." << last;
            }
        }
    }
}

TEST(SearchEntry, RangePastTheFileStaysBounded) {
    // Entries that the file does not hold compare as empty headwords.
    FixtureDictionary fx(EntriesOf(kFive), {});
    int32_t current = 0;
    EXPECT_EQ(SearchEntry(U("cat"), fx.Dict().m_filePersian, 1, 40, current), 1);
    EXPECT_EQ(current, 40);
    EXPECT_EQ(SearchEntry(U("cat"), fx.Dict().m_filePersian, -3, -3, current), 1);
    EXPECT_EQ(current, -3);
}

TEST(SearchEntry, FileNotOpenIsNeverRead) {
    DictionaryFile closed;
    int32_t current = 0;
    EXPECT_EQ(SearchEntry(U("book"), closed, 1, 5, current), 1);
    EXPECT_EQ(current, 5);
}

TEST(SearchEntry, HeadwordWithoutNulIsComparedCut) {
    // A corrupt entry area: one "headword" of 80 bytes with no NUL at all.
    const std::string area(80, 'm');
    test::TempFolder folder;
    test::WriteRawFile(folder.FilePath("f"), area + std::string("\0\0\0\0", 4));
    DictionaryFile file;
    ASSERT_TRUE(file.Open(folder.FilePath("f"), 80));
    int32_t current = 0;
    EXPECT_EQ(SearchEntry(U(std::string(51, 'm')), file, 1, 1, current), 0);
    EXPECT_EQ(SearchEntry(U(std::string(52, 'm')), file, 1, 1, current), 1);
}

}  // namespace
}  // namespace nira
