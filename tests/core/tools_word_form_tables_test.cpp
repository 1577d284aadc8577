// The word form tables the data build writes: which rows each list gives,
// in what order, and the header's bytes.
#include <gtest/gtest.h>

#include <string>

#include "text/Cp1256.h"
#include "text/PersianSpelling.h"
#include "tools/WordFormTables.h"

namespace nira::datatool {
namespace {

std::string Fa(const std::u16string& text) { return HeadwordSpelling(text); }

TEST(EnglishExceptionRows, KeepPairsLeadingFromAMissingFormToAHeadword) {
    const HeadwordSet headwords{"go", "child", "good", "better", "ox", "mother in law"};
    const FormRows rows = EnglishExceptionRows(
        {"children child\nmice mouse\n", "went go\nwent wend\n\ngone go\n",
         "better good well\nbest good well\nmothers_in_law mother_in_law\noxen ox ox\n"},
        headwords);
    const FormRows expected = {{"children", "child"},   {"went", "go"},
                               {"gone", "go"},          {"best", "good"},
                               {"mothers in law", "mother in law"}, {"oxen", "ox"}};
    // mice: mouse is no headword; better: a headword itself; well: none.
    EXPECT_EQ(rows, expected);
}

TEST(ListRows, SplitAtTabsAndSkipCommentsAndBlankLines) {
    const auto rows = ListRows("# comment\n\n a\tb \t c\r\n  # indented comment\nd\te\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"d", "e"}));
}

TEST(VerbStemRows, MapStemsOfHeadwordInfinitivesInListOrder) {
    const HeadwordSet headwords{Fa(u"کردن"), Fa(u"کندن"), Fa(u"رفتن"), Fa(u"خریدن")};
    const FormRows rows = VerbStemRows(
        "# infinitive\tpast\tpresent\n"
        "كردن\tکرد\tکن\n"       // Arabic kaf: spelled as the headwords are
        "رفتن\tرفت\tرو\n"
        "کندن\tکند\tکن\n"
        "خریدن\tخرید\tخر\n"
        "دیدن\tدید\tبین\n"      // not a headword
        "شدن\tشد\n",            // too few columns
        headwords);
    const FormRows expected = {{Fa(u"کن"), Fa(u"کردن")},
                               {Fa(u"رو"), Fa(u"رفتن")},
                               {Fa(u"کن"), Fa(u"کندن")},
                               {Fa(u"خر"), Fa(u"خریدن")}};
    EXPECT_EQ(rows, expected);
    // A past stem that does not give the infinitive with ن is kept too.
    const FormRows odd = VerbStemRows("رفتن\tرفته\tرو\n", headwords);
    EXPECT_EQ(odd, (FormRows{{Fa(u"رفته"), Fa(u"رفتن")}, {Fa(u"رو"), Fa(u"رفتن")}}));
}

TEST(ColloquialRows, KeyTheFormWithoutZwnjOrSpaces) {
    const HeadwordSet headwords{Fa(u"آن"), Fa(u"شدن"), Fa(u"خانه")};
    const FormRows rows = ColloquialRows(
        "اون\tآن\tspoken\n"
        "می‌شه\tشدن\n"
        "خونه ها\tخانه\n"
        "یه\tیک\n",  // یک is no headword here
        headwords);
    const FormRows expected = {{Fa(u"اون"), Fa(u"آن")},
                               {Fa(u"میشه"), Fa(u"شدن")},
                               {Fa(u"خونهها"), Fa(u"خانه")}};
    EXPECT_EQ(rows, expected);
}

TEST(WordFormsHeaderText, SortsEachTableByFormKeepingRowOrder) {
    WordFormRows rows;
    rows.englishExceptions = {{"went", "go"}, {"better", "good"}, {"better", "well"}};
    rows.verbStems = {{"\xD1\xE6", "\xD1\xDD\xCA\xE4"}};
    const std::string text = WordFormsHeaderText(rows);
    const std::size_t good = text.find("{\"\\x62\\x65\\x74\\x74\\x65\\x72\", \"\\x67\\x6f\\x6f\\x64\"},");
    const std::size_t well = text.find("{\"\\x62\\x65\\x74\\x74\\x65\\x72\", \"\\x77\\x65\\x6c\\x6c\"},");
    const std::size_t went = text.find("{\"\\x77\\x65\\x6e\\x74\", \"\\x67\\x6f\"},");
    ASSERT_NE(good, std::string::npos) << text;
    ASSERT_NE(well, std::string::npos) << text;
    ASSERT_NE(went, std::string::npos) << text;
    EXPECT_LT(good, well);
    EXPECT_LT(well, went);
    EXPECT_NE(text.find("{\"\\xd1\\xe6\", \"\\xd1\\xdd\\xca\\xe4\"},"), std::string::npos) << text;
    // An empty table is no array (C++ has none of size 0).
    EXPECT_EQ(text.find("kColloquialForms["), std::string::npos);
    EXPECT_NE(text.find("{kEnglishExceptions, std::size(kEnglishExceptions)},\n"
                        "    {kVerbStems, std::size(kVerbStems)},\n"
                        "    {nullptr, 0},\n"),
              std::string::npos)
        << text;
}

}  // namespace
}  // namespace nira::datatool
