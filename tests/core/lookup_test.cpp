#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "dict/Lookup.h"
#include "support/Fixture.h"

namespace nira {
namespace {

using test::FixtureDictionary;
using test::FixtureEntry;

std::string Text(const unsigned char* text) { return reinterpret_cast<const char*>(text); }

// ---- TrimSpaces and NormalizeKaf ------------------------------------------

struct TrimCase {
    const char* name;
    std::string input;
    std::string expected;
};

class TrimSpacesTest : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimSpacesTest, RemovesOnlyOuterSpaceBytes) {
    unsigned char text[64] = {};
    std::memcpy(text, GetParam().input.data(), GetParam().input.size());
    TrimSpaces(text);
    EXPECT_EQ(Text(text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrimSpacesTest,
    ::testing::Values(TrimCase{"empty", "", ""}, TrimCase{"spaces_only", "    ", ""},
                      TrimCase{"both_ends", "  book   ", "book"},
                      TrimCase{"inner_space_kept", " a b ", "a b"},
                      TrimCase{"tab_is_no_space", "\tbook\t", "\tbook\t"},
                      TrimCase{"nothing_to_trim", "book", "book"}),
    [](const ::testing::TestParamInfo<TrimCase>& info) { return info.param.name; });

TEST(NormalizeKaf, RewritesEveryKehehAndReturnsTheLength) {
    unsigned char text[] = "\x98\xCA\xC7\x98 k";
    EXPECT_EQ(NormalizeKaf(text), 6u);
    EXPECT_EQ(Text(text), "\xDF\xCA\xC7\xDF k");
}

// ---- ChooseLetterBucket with the tables of the full-size edition ------------

const LetterBucketRow kEnglishRows[] = {
    {0x61, 118},    {0x62, 8654},   {0x63, 14853},  {0x64, 24979},  {0x65, 30967},
    {0x66, 35261},  {0x67, 40593},  {0x68, 44807},  {0x69, 50066},  {0x6A, 56165},
    {0x6B, 57359},  {0x6C, 58679},  {0x6D, 63110},  {0x6E, 69445},  {0x6F, 72055},
    {0x70, 75210},  {0x71, 85286},  {0x72, 85927},  {0x73, 90900},  {0x74, 103776},
    {0x75, 115236}, {0x76, 117185}, {0x77, 119046}, {0x78, 122432}, {0x79, 122540},
    {0x7A, 122977}, {0xFF, 123300},
};

const LetterBucketRow kPersianRows[] = {
    {0xC7, 0},     {0xC8, 4439},  {0x81, 9103},  {0xCA, 11036}, {0xCB, 13770},
    {0xCC, 13814}, {0x8D, 15044}, {0xCD, 15877}, {0xCE, 16742}, {0xCF, 18247},
    {0xD0, 21337}, {0xD1, 21409}, {0xD2, 22848}, {0x8E, 23748}, {0xD3, 23796},
    {0xD4, 25888}, {0xD5, 27220}, {0xD6, 27814}, {0xD8, 27984}, {0xD9, 28331},
    {0xDA, 28408}, {0xDB, 29492}, {0xDD, 30074}, {0xDE, 30949}, {0xDF, 32090},
    {0x90, 33871}, {0xE1, 34921}, {0xE3, 35565}, {0xE4, 40213}, {0xE5, 42339},
    {0xE6, 43193}, {0xED, 44332}, {0xFF, 44786},
};

struct BucketCase {
    int firstByte;
    int32_t first;
    int32_t last;
};

class ChooseLetterBucketTest : public ::testing::TestWithParam<BucketCase> {};

TEST_P(ChooseLetterBucketTest, SetsTheRangeOfTheFirstByte) {
    Dictionary dict;
    dict.m_englishTable = {kEnglishRows, std::size(kEnglishRows)};
    dict.m_persianTable = {kPersianRows, std::size(kPersianRows)};
    LookupState state;
    ChooseLetterBucket(static_cast<unsigned char>(GetParam().firstByte), state, dict);
    EXPECT_EQ(state.m_first, GetParam().first) << std::hex << GetParam().firstByte;
    EXPECT_EQ(state.m_last, GetParam().last) << std::hex << GetParam().firstByte;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChooseLetterBucketTest,
    ::testing::Values(
        BucketCase{'a', 119, 8654}, BucketCase{'b', 8655, 14853},
        BucketCase{'s', 90901, 103776}, BucketCase{'z', 122978, 123300},
        // Below 'a': the fixed range.
        BucketCase{' ', 1, 118}, BucketCase{'0', 1, 118}, BucketCase{'A', 1, 118},
        BucketCase{'`', 1, 118},
        // Past 'z': no row matches, the walk keeps the z range.
        BucketCase{'{', 122978, 123300}, BucketCase{'~', 122978, 123300},
        BucketCase{0xC7, 1, 4439}, BucketCase{0x81, 9104, 11036},
        BucketCase{0xDF, 32091, 33871}, BucketCase{0xED, 44333, 44786},
        // Bytes of no Persian row keep the last letter row's range.
        BucketCase{0xC2, 44333, 44786}, BucketCase{0x00, 44333, 44786},
        BucketCase{0xEC, 44333, 44786}, BucketCase{0x98, 44333, 44786},
        BucketCase{0x1F, 44333, 44786}, BucketCase{0x7F, 44333, 44786},
        BucketCase{0xFF, 44333, 44786}));

TEST(ChooseLetterBucket, ARowAtTheLargestEntryNumberDoesNotOverflow) {
    const LetterBucketRow rows[] = {{0xC7, INT32_MAX}, {0xFF, INT32_MAX}};
    Dictionary dict;
    dict.m_persianTable = {rows, 2};
    LookupState state;
    ChooseLetterBucket(0xC7, state, dict);
    EXPECT_EQ(state.m_first, INT32_MAX);
    EXPECT_EQ(state.m_last, INT32_MAX);
}

TEST(ChooseLetterBucket, TablesWithoutLetterRowsGiveAnEmptyRange) {
    const LetterBucketRow endOnly[] = {{0xFF, 0}};
    Dictionary dict;
    dict.m_persianTable = {endOnly, 1};
    for (unsigned char ch : {0x62, 0x41, 0xC7}) {
        LookupState state;
        state.m_first = state.m_last = 9;
        ChooseLetterBucket(ch, state, dict);
        EXPECT_EQ(state.m_first, 1) << int(ch);
        EXPECT_EQ(state.m_last, 0) << int(ch);
    }
}

TEST(FileForFirstByte, PrintableAsciiSelectsThePersianFile) {
    for (int ch = 0; ch < 256; ++ch) {
        const bool english = ch >= 0x20 && ch <= 0x7E;
        EXPECT_EQ(FileForFirstByte(static_cast<unsigned char>(ch)),
                  english ? DataFileId::Persian : DataFileId::English)
            << ch;
    }
}

// ---- LookUpWord over a small dictionary -----------------------------------

const std::string kLong51 = "c" + std::string(50, 'x');

std::vector<FixtureEntry> PersianFileEntries() {
    return {{"3d", {"", "three-dimensional"}}, {"apple", {"\xD3\xED\xC8", "a fruit"}},
            {"bank", {"", "a bank"}},         {"book", {"\xDF\xCA\xC7\xC8", "a text"}},
            {"car", {"", "a car"}},           {kLong51, {"", "long"}},
            {"dog", {"", "a pet"}},           {"zebra", {"", "an animal"}}};
}

std::vector<FixtureEntry> EnglishFileEntries() {
    return {{"\xC2\xC8", {"water"}},
            {"\xC7\xD3\xC8", {"horse"}},
            {"\xDF\xCA\xC7\xC8", {"book"}},
            {"\xE3\xC7\xE5", {"moon"}}};
}

// The bytes the fixture stores for a headword.
std::string StoredEntry(DataFileId file, const std::string& headword) {
    const bool persian = file == DataFileId::Persian;
    for (const FixtureEntry& e : persian ? PersianFileEntries() : EnglishFileEntries()) {
        if (e.headword != headword) continue;
        return persian ? test::PersianFileEntry(e, test::kFixtureScrambleKey)
                       : test::EnglishFileEntry(e);
    }
    return "";
}

class LookUpWordTest : public ::testing::Test {
protected:
    LookUpWordTest() : m_fx(PersianFileEntries(), EnglishFileEntries()) {
        // Values a lookup must either set or leave alone.
        m_state.m_current = -5;
        m_state.m_first = -6;
        m_state.m_last = -7;
        std::memcpy(m_state.m_headword, "shown", 6);
    }

    LookupResult& LookUp(const std::u16string& text) {
        LookUpWord(text.data(), text.size(), m_state, m_fx.Dict(), *m_result);
        return *m_result;
    }

    FixtureDictionary m_fx;
    LookupState m_state;
    std::unique_ptr<LookupResult> m_result = std::make_unique<LookupResult>();
};

struct WordCase {
    const char* name;
    std::u16string query;
    DataFileId file;
    std::string headword;  // of the entry found
    int32_t first;
    int32_t last;
};

class LookUpWordCaseTest : public LookUpWordTest,
                           public ::testing::WithParamInterface<WordCase> {};

TEST_P(LookUpWordCaseTest, FindsTheEntryInItsBucket) {
    const WordCase& c = GetParam();
    const LookupResult& result = LookUp(c.query);
    ASSERT_EQ(result.outcome, LookupOutcome::Entry);
    EXPECT_EQ(result.file, c.file);
    EXPECT_EQ(Text(result.entry), c.headword);
    EXPECT_EQ(m_state.m_first, c.first);
    EXPECT_EQ(m_state.m_last, c.last);
    const int32_t expected = c.file == DataFileId::Persian
                                 ? m_fx.PersianEntryNumber(c.headword)
                                 : m_fx.EnglishEntryNumber(c.headword);
    EXPECT_EQ(m_state.m_current, expected);
    const std::string stored = StoredEntry(c.file, c.headword);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(result.entry), result.length), stored);
    EXPECT_EQ(result.entry[result.length], 0);
    // The headword is the presentation's to copy.
    EXPECT_EQ(Text(m_state.m_headword), "shown");
}

std::u16string U16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

INSTANTIATE_TEST_SUITE_P(
    Cases, LookUpWordCaseTest,
    ::testing::Values(
        WordCase{"exact", u"book", DataFileId::Persian, "book", 3, 4},
        WordCase{"two_leading_spaces", u"  book", DataFileId::Persian, "book", 3, 4},
        WordCase{"three_leading_spaces", u"   book", DataFileId::Persian, "book", 3, 4},
        WordCase{"trailing_spaces", u"bank  ", DataFileId::Persian, "bank", 3, 4},
        WordCase{"not_found_shows_the_neighbour", u"bookx", DataFileId::Persian, "book", 3, 4},
        WordCase{"upper_case_first_byte_chooses_below_a", u"Book", DataFileId::Persian, "3d",
                 1, 1},
        WordCase{"upper_case_searched_lower", u"bOOK", DataFileId::Persian, "book", 3, 4},
        WordCase{"brace_in_the_z_bucket", u"{x", DataFileId::Persian, "zebra", 8, 8},
        WordCase{"sixty_units_cut_to_51_bytes", U16(kLong51 + "yyyyyyyyy"),
                 DataFileId::Persian, kLong51, 5, 6},
        WordCase{"cut_after_trimming", U16("  " + kLong51 + "yyyyyyy"), DataFileId::Persian,
                 kLong51, 5, 6},
        WordCase{"persian_alef_madda_has_its_bucket", u"\u0622\u0628", DataFileId::English,
                 "\xC2\xC8", 1, 1},
        WordCase{"keheh_searched_as_kaf", u"\u06A9\u062A\u0627\u0628", DataFileId::English,
                 "\xDF\xCA\xC7\xC8", 3, 3},
        WordCase{"arabic_kaf", u"\u0643\u062A\u0627\u0628", DataFileId::English,
                 "\xDF\xCA\xC7\xC8", 3, 3},
        WordCase{"byte_of_no_row_keeps_the_last_row", u"\u064A", DataFileId::English,
                 "\xE3\xC7\xE5", 4, 4}),
    [](const ::testing::TestParamInfo<WordCase>& info) { return info.param.name; });

TEST_F(LookUpWordTest, EmptyFieldTouchesNothing) {
    EXPECT_EQ(LookUp(u"").outcome, LookupOutcome::EmptyField);
    EXPECT_EQ(m_state.m_current, -5);
    EXPECT_EQ(m_state.m_first, -6);
    EXPECT_EQ(m_state.m_last, -7);
}

TEST_F(LookUpWordTest, SpacesOnlySetOnlyTheRange) {
    EXPECT_EQ(LookUp(u"   ").outcome, LookupOutcome::SpacesOnly);
    // NUL matches no Persian row: the last letter row's range.
    EXPECT_EQ(m_state.m_first, 4);
    EXPECT_EQ(m_state.m_last, 4);
    EXPECT_EQ(m_state.m_current, -5);
    EXPECT_EQ(Text(m_state.m_headword), "shown");
}

TEST_F(LookUpWordTest, FileNotOpenReadsNothing) {
    m_fx.Dict().m_filePersian.Close();
    const LookupResult& result = LookUp(u"book");
    EXPECT_EQ(result.outcome, LookupOutcome::FileNotOpen);
    EXPECT_EQ(result.file, DataFileId::Persian);
    EXPECT_EQ(result.length, 0);
    EXPECT_EQ(m_state.m_current, -5);
    EXPECT_EQ(m_state.m_first, 3);
    EXPECT_EQ(m_state.m_last, 4);
    // The other file still answers.
    EXPECT_EQ(LookUp(u"\u0622\u0628").outcome, LookupOutcome::Entry);
}

TEST_F(LookUpWordTest, FieldsBeyondTheQueryBufferAreBounded) {
    const LookupResult& longWord = LookUp(std::u16string(20000, u'b'));
    EXPECT_EQ(longWord.outcome, LookupOutcome::Entry);
    EXPECT_EQ(Text(longWord.entry), "book");

    std::u16string farWord(12000, u' ');
    farWord += u"book";
    EXPECT_EQ(LookUp(farWord).outcome, LookupOutcome::SpacesOnly);
}

TEST_F(LookUpWordTest, EmptyBucketEndsOnADefinedEntry) {
    // No headword begins with e: its range is empty (8 to 7).
    const LookupResult& result = LookUp(u"egg");
    EXPECT_EQ(result.outcome, LookupOutcome::Entry);
    EXPECT_EQ(m_state.m_first, 8);
    EXPECT_EQ(m_state.m_last, 7);
    EXPECT_EQ(m_state.m_current, 8);
}

// A field of more than 50 units keeps 51 bytes: a 50-byte headword followed
// by a space and more text is then no exact match, and the search ends on
// the neighbour it probed last.
TEST(LookUpWordLongQuery, KeepsTheSpaceAfterA50ByteHeadword) {
    const std::string h50 = "american standard code for information interchange";
    ASSERT_EQ(h50.size(), 50u);
    FixtureDictionary fx({{h50, {"", "ascii"}}, {"american standards", {"", "norms"}}},
                         {{"\xC2\xC8", {"water"}}});
    LookupState state;
    auto result = std::make_unique<LookupResult>();
    const std::u16string exact = U16(h50);
    LookUpWord(exact.data(), exact.size(), state, fx.Dict(), *result);
    EXPECT_EQ(Text(result->entry), h50);
    const std::u16string longer = U16(h50 + " zz");
    LookUpWord(longer.data(), longer.size(), state, fx.Dict(), *result);
    EXPECT_EQ(Text(result->entry), "american standards");
    EXPECT_EQ(state.m_current, 2);
}

}  // namespace
}  // namespace nira
