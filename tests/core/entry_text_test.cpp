#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "present/EntryText.h"
#include "support/Fixture.h"

namespace nira {
namespace {

using test::FixtureEntry;
using test::kFixtureScrambleKey;

std::string Text(const unsigned char* text) { return reinterpret_cast<const char*>(text); }

// An entry as ReadEntry delivers it: its bytes and an appended NUL.
struct EntryBuffer {
    explicit EntryBuffer(const std::string& bytes) : length(static_cast<int>(bytes.size())) {
        std::memcpy(data, bytes.data(), bytes.size());
        data[bytes.size()] = 0;
    }
    unsigned char data[kEntryBufferSize];
    int length;
};

struct SplitCase {
    const char* name;
    std::string entry;
    std::string persian;
    std::string english;
};

class SplitEntryTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitEntryTest, CutsTheTwoFields) {
    const SplitCase& c = GetParam();
    EntryBuffer entry(c.entry);
    unsigned char persian[kEntryBufferSize];
    unsigned char english[kEntryBufferSize];
    SplitEntry(entry.data, entry.length, persian, english);
    EXPECT_EQ(Text(persian), c.persian);
    EXPECT_EQ(Text(english), c.english);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitEntryTest,
    ::testing::Values(
        SplitCase{"both_fields", std::string("hw\0PM\0def\0", 10), "PM", "def"},
        SplitCase{"definition_without_final_nul", std::string("hw\0PM\0def", 9), "PM", "def"},
        SplitCase{"empty_persian", std::string("hw\0\0def", 7), "", "def"},
        SplitCase{"headword_alone", std::string("hw\0", 3), "", ""},
        SplitCase{"ends_after_the_persian", std::string("hw\0PM", 5), "PM", ""},
        SplitCase{"after_the_third_nul_ignored", std::string("hw\0P\0E\0junk\0more", 16), "P",
                  "E"}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

TEST(SplitEntry, WalksExactlyLengthBytes) {
    // Bytes past the entry's length never reach a field.
    EntryBuffer entry(std::string("hw\0PM\0defEXTRA", 14));
    unsigned char persian[kEntryBufferSize];
    unsigned char english[kEntryBufferSize];
    SplitEntry(entry.data, 9, persian, english);
    EXPECT_EQ(Text(english), "def");
    SplitEntry(entry.data, -5, persian, english);
    EXPECT_EQ(Text(persian), "");
    EXPECT_EQ(Text(english), "");
}

struct BreakCase {
    const char* name;
    std::string input;
    std::string expected;
};

class BreakSensesTest : public ::testing::TestWithParam<BreakCase> {};

TEST_P(BreakSensesTest, BreaksBeforeSenseNumbers) {
    const BreakCase& c = GetParam();
    unsigned char text[kPaneTextUnits] = {};
    std::memcpy(text, c.input.data(), c.input.size());
    BreakSenses(text);
    EXPECT_EQ(Text(text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedCases, BreakSensesTest,
    ::testing::Values(
        BreakCase{"three_senses", "a1-b2-c", "a\r\n1-b\r\n2-c"},
        BreakCase{"number_opens_the_text", "1-x 2-y", "1-x \r\n2-y"},
        BreakCase{"two_digits_open_the_text", "12-x", "12-x"},
        BreakCase{"two_digits", "x12-y", "x\r\n12-y"},
        BreakCase{"nine_zero_is_no_number", "x90-y", "x90y"},
        BreakCase{"plain_hyphen_dropped", "well-known", "wellknown"},
        BreakCase{"leading_hyphen_dropped", "-x", "x"},
        BreakCase{"digit_two_before_makes_a_number", "x1y-z", "x\r\n1y-z"},
        BreakCase{"no_hyphen", "a text without hyphens", "a text without hyphens"},
        BreakCase{"empty", "", ""},
        BreakCase{"number_reaches_into_the_last_stretch", "x1--y", "x\r\n1--y"},
        BreakCase{"zero_alone_is_no_number", "a0-b", "a0b"}),
    [](const ::testing::TestParamInfo<BreakCase>& info) { return info.param.name; });

TEST(BreakSenses, CutsTheResultToThePaneLimit) {
    unsigned char text[kEntryBufferSize] = {};
    std::memset(text, 'a', kMaxEntryBytes - 1);
    BreakSenses(text);
    EXPECT_EQ(std::strlen(reinterpret_cast<char*>(text)), std::size_t(kMaxPaneTextBytes));
}

TEST(BreakSenses, NeverLeavesHalfALineBreakAtTheCut) {
    // The break before "1-" would straddle the limit: its "\r" is dropped.
    const std::string input = std::string(kMaxPaneTextBytes - 1, 'a') + "1-x";
    unsigned char text[kEntryBufferSize] = {};
    std::memcpy(text, input.data(), input.size());
    BreakSenses(text);
    EXPECT_EQ(Text(text), std::string(kMaxPaneTextBytes - 1, 'a'));
}

TEST(BreakSenses, KeepsACarriageReturnOfAnUncutText) {
    // Exactly the pane limit, ending in a '\r' that is no half line break.
    const std::string input = std::string(kMaxPaneTextBytes - 1, 'a') + "\r";
    unsigned char text[kEntryBufferSize] = {};
    std::memcpy(text, input.data(), input.size());
    BreakSenses(text);
    EXPECT_EQ(Text(text), input);
}

EntryView Decode(const std::string& bytes, DataFileId file) {
    EntryBuffer entry(bytes);
    EntryView view;
    DecodeEntry(entry.data, entry.length, file, kFixtureScrambleKey, view);
    return view;
}

std::string PersianEntry(const std::string& persian, const std::string& english) {
    return test::PersianFileEntry(FixtureEntry{"book", {persian, english}}, kFixtureScrambleKey);
}

TEST(DecodeEntry, PersianFileEntryWithBothFieldsShowsBothPanes) {
    const std::string persian = "1- \xDF\xCA\xC7\xC8 2- \xCF\xDD\xCA\xD1";
    const EntryView view = Decode(PersianEntry(persian, "1- (n.) a text 2- (v.) reserve"),
                                  DataFileId::Persian);
    EXPECT_EQ(Text(view.headword), "book");
    EXPECT_EQ(view.mode, kPaneBoth);
    ASSERT_TRUE(view.hasPersian);
    ASSERT_TRUE(view.hasEnglish);
    EXPECT_EQ(Text(view.persian), "1- \xDF\xCA\xC7\xC8 \r\n2- \xCF\xDD\xCA\xD1");
    EXPECT_EQ(Text(view.english), "1- (n.) a text \r\n2- (v.) reserve");
}

struct ModeCase {
    const char* name;
    std::string persian;
    std::string english;
    int mode;
};

class PaneModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(PaneModeTest, FollowsTheFieldsPresent) {
    const ModeCase& c = GetParam();
    const EntryView view = Decode(PersianEntry(c.persian, c.english), DataFileId::Persian);
    EXPECT_EQ(view.mode, c.mode);
    EXPECT_EQ(view.hasPersian, !c.persian.empty());
    EXPECT_EQ(view.hasEnglish, !c.english.empty());
    if (view.hasPersian) {
        EXPECT_EQ(Text(view.persian), c.persian);
    }
    if (view.hasEnglish) {
        EXPECT_EQ(Text(view.english), c.english);
    }
    EXPECT_EQ(Text(view.headword), "book");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaneModeTest,
    ::testing::Values(ModeCase{"persian_only", "\xDF\xCA\xC7\xC8", "", kPanePersian},
                      ModeCase{"english_only", "", "a text", kPaneEnglish},
                      ModeCase{"neither", "", "", kPaneNone}),
    [](const ::testing::TestParamInfo<ModeCase>& info) { return info.param.name; });

TEST(DecodeEntry, BytesAfterTheThirdNulNeverShow) {
    const EntryView view =
        Decode(PersianEntry("p", "e") + "hidden\0more", DataFileId::Persian);
    EXPECT_EQ(Text(view.english), "e");
}

TEST(DecodeEntry, EnglishFileMeaningShowsAsStored) {
    const std::string meaning = "1- book 2- volume";
    for (bool finalNul : {true, false}) {
        const EntryView view = Decode(
            test::EnglishFileEntry(FixtureEntry{"\xDF\xCA\xC7\xC8", {meaning}, finalNul}),
            DataFileId::English);
        EXPECT_EQ(Text(view.headword), "\xDF\xCA\xC7\xC8");
        EXPECT_EQ(view.mode, kPaneEnglish);
        EXPECT_TRUE(view.hasEnglish);
        EXPECT_FALSE(view.hasPersian);
        EXPECT_EQ(Text(view.english), meaning);
    }
}

TEST(DecodeEntry, CutsOverlongTexts) {
    const std::string longHeadword(70, 'h');
    const EntryView persian = Decode(
        test::PersianFileEntry(FixtureEntry{longHeadword, {"", std::string(6000, 'e')}},
                               kFixtureScrambleKey),
        DataFileId::Persian);
    EXPECT_EQ(Text(persian.headword), std::string(kMaxHeadwordBytes, 'h'));
    EXPECT_EQ(Text(persian.english).size(), std::size_t(kMaxPaneTextBytes));

    const EntryView english = Decode(
        test::EnglishFileEntry(FixtureEntry{"\xC2\xC8", {std::string(6000, 'm')}}),
        DataFileId::English);
    EXPECT_EQ(Text(english.english), std::string(kMaxPaneTextBytes, 'm'));
}

TEST(DecodeEntry, EmptyEntryShowsAnEmptyHeadword) {
    const EntryView persian = Decode("", DataFileId::Persian);
    EXPECT_EQ(Text(persian.headword), "");
    EXPECT_EQ(persian.mode, kPaneNone);
    const EntryView english = Decode("", DataFileId::English);
    EXPECT_EQ(Text(english.english), "");
    EXPECT_EQ(english.mode, kPaneEnglish);
}

}  // namespace
}  // namespace nira
