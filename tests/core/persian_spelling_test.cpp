// The spelling of a headword, shared by the data build and the query, and
// the lower-case style shared by the query field and nira lookup.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/Cp1256.h"
#include "text/LowerCase.h"
#include "text/PersianSpelling.h"
#include "tools/PersianText.h"

namespace nira {
namespace {

struct SpellingCase {
    const char* name;
    std::u16string text;
    std::string bytes;
};

class HeadwordSpellingTest : public ::testing::TestWithParam<SpellingCase> {};

TEST_P(HeadwordSpellingTest, GivesTheHeadwordBytes) {
    EXPECT_EQ(HeadwordSpelling(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeadwordSpellingTest,
    ::testing::Values(
        SpellingCase{"persian_yeh_by_position", u"\u06CC\u0627\u06CC", "\xED\xC7\xEC"},
        SpellingCase{"arabic_yeh_follows_the_rule", u"\u064A\u0627\u064A", "\xED\xC7\xEC"},
        SpellingCase{"alef_maksura_follows_the_rule", u"\u0649\u0627\u0649", "\xED\xC7\xEC"},
        SpellingCase{"yeh_before_zwnj", u"\u0645\u064A\u200C\u0631", "\xE3\xEC\x9D\xD1"},
        SpellingCase{"yeh_before_a_dropped_mark", u"\u0645\u064A\u0651", "\xE3\xEC"},
        SpellingCase{"yeh_before_tatweel_then_letter", u"\u064A\u0640\u0627", "\xED\xC7"},
        SpellingCase{"vowel_marks_dropped", u"\u0628\u064B\u064C\u064D\u064E\u064F\u0650\u0651\u0652",
                     "\xC8"},
        SpellingCase{"superscript_alef_dropped", u"\u0639\u0644\u0649\u0670", "\xDA\xE1\xEC"},
        SpellingCase{"tatweel_dropped", u"\u06A9\u062A\u0640\u0640\u0627\u0628", "\xDF\xCA\xC7\xC8"},
        SpellingCase{"keheh_and_kaf_one_byte", u"\u06A9\u0643\u06AA", "\xDF\xDF\xDF"},
        SpellingCase{"urdu_heh_and_yeh_barree", u"\u06C1\u06D2\u06BE\u06D2", "\xE5\xED\xE5\xEC"},
        SpellingCase{"presentation_forms", u"\uFEDB\uFE98\uFE8E\uFE8F", "\xDF\xCA\xC7\xC8"},
        SpellingCase{"direction_marks_dropped", u"\u200F\u0622\u0628\u200E", "\xC2\xC8"},
        SpellingCase{"zero_width_space_as_zwnj", u"\u0645\u06CC\u200B\u0631", "\xE3\xEC\x9D\xD1"},
        SpellingCase{"other_spaces_as_space", u"a\u00A0b\tc\u2009d", "a b c d"},
        SpellingCase{"english_unchanged", u"Book-case's", "Book-case's"},
        SpellingCase{"no_byte_is_question_mark", u"\u4E00\U0001F600", "??"}),
    [](const ::testing::TestParamInfo<SpellingCase>& info) { return info.param.name; });

// One definition: a word of the sources becomes the headword that the
// same word typed by a user is searched as.
TEST(HeadwordSpelling, IsWhatTheDataBuildWritesAsHeadword) {
    const std::u16string words[] = {
        u"\u0641\u0627\u0631\u0633\u064A",        u"\u06A9\u0650\u062A\u0627\u0628",
        u"\u0643\u062A\u0640\u0627\u0628",        u"\u0645\u06CC\u200C\u062E\u0648\u0627\u0647\u0645",
        u"\u0639\u0644\u0649\u0670",              u"\u0632\u0646\u062F\u06AF\u0649",
        u"\u06C1\u0645\u0627\u0631\u0627",        u"\u06CC\u0652\u06A9\u0650",
        u"\uFEE3\uFEF4\uFEEE\uFEE9",              u"\u062F\u0648\u0633\u062A \u062F\u0627\u0634\u062A\u0646"};
    for (const std::u16string& word : words) {
        const auto built = datatool::PersianHeadwordBytes(datatool::NormalizePersian(word));
        ASSERT_TRUE(built.has_value());
        EXPECT_EQ(*built, HeadwordSpelling(word));
    }
}

TEST(HeadwordSpelling, StaysWithinItsCapacity) {
    unsigned char out[8] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    const std::u16string text(100, u'\u064A');
    EXPECT_EQ(HeadwordSpelling(text.data(), text.size(), out, 4), 4u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out), 4), "\xED\xED\xED\xED");
    EXPECT_EQ(out[4], 0xAA);
    // Marks dropped beyond the capacity still leave the last yeh joined to
    // the letter that follows them.
    const std::u16string marked = u"\u0628\u064A\u064E\u064E\u064E\u0628";
    EXPECT_EQ(HeadwordSpelling(marked.data(), marked.size(), out, 2), 2u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out), 2), "\xC8\xED");
    EXPECT_EQ(HeadwordSpelling(nullptr, 0, out, 4), 0u);
}

struct CaseCase {
    std::u16string text;
    std::u16string lower;
};

TEST(LowerCase, LowersTheCapitalsOfTheCodePagesLetters) {
    const CaseCase cases[] = {
        {u"BOOK", u"book"},
        {u"\u00C9clair", u"\u00E9clair"},             // É
        {u"\u00C0\u00C2\u00C7\u00C8\u00CA\u00CB\u00CE\u00CF\u00D4\u00D9\u00DB\u00DC",
         u"\u00E0\u00E2\u00E7\u00E8\u00EA\u00EB\u00EE\u00EF\u00F4\u00F9\u00FB\u00FC"},
        {u"\u0152UVRE", u"\u0153uvre"},               // Œ
        {u"\u0191\u0178", u"\u0192\u00FF"},           // Ƒ Ÿ
        {u"\u00D7\u00F7", u"\u00D7\u00F7"},           // × ÷ have no case
        {u"\u06A9\u062A\u0627\u0628 123 @[`{", u"\u06A9\u062A\u0627\u0628 123 @[`{"},
        {u"already lower", u"already lower"},
    };
    for (const CaseCase& c : cases) {
        EXPECT_EQ(LowerCase(c.text), c.lower);
        std::u16string inPlace = c.text;
        LowerCaseInPlace(inPlace.data(), inPlace.size());
        EXPECT_EQ(inPlace, c.lower);
    }
    for (char16_t unit = 0; unit < 0xFFFF; ++unit) {
        const char16_t lower = LowerCaseUnit(unit);
        if (lower != unit) EXPECT_EQ(LowerCaseUnit(lower), lower) << int(unit);
    }
}

// The spellings of one word fold alike; different words stay apart.
TEST(FoldedSpelling, OneSpellingForTheWaysOfWritingAWord) {
    const struct {
        std::u16string a;
        std::u16string b;
        bool same;
    } cases[] = {
        {u"سؤال", u"سوال", true},     {u"رئیس", u"رییس", true},   {u"تأثیر", u"تاثیر", true},
        {u"إسلام", u"اسلام", true},   {u"اشیاء", u"اشیا", true},  {u"بی‌خیال", u"بیخیال", true},
        {u"پائیز", u"پاییز", true},   {u"جزء", u"جز", false},     {u"کار کردن", u"کارکردن", false},
        {u"سؤال", u"سال", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FoldedSpelling(HeadwordSpelling(c.a)) == FoldedSpelling(HeadwordSpelling(c.b)), c.same)
            << Utf16ToUtf8(c.a) << " " << Utf16ToUtf8(c.b);
    }
    // Folding twice changes nothing more, and yeh stays as headwords write it.
    const std::string once = FoldedSpelling(HeadwordSpelling(u"رئیس"));
    EXPECT_EQ(FoldedSpelling(once), once);
    EXPECT_EQ(once, HeadwordSpelling(u"رییس"));
}

}  // namespace
}  // namespace nira
