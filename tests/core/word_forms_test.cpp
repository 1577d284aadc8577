// The forms a query may stand for: each rule's forms over a small
// dictionary, the cases where no form is a headword, and the bounds of the
// candidate list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dict/Collation.h"
#include "dict/Lookup.h"
#include "dict/WordForms.h"
#include "support/Fixture.h"
#include "text/Cp1256.h"
#include "text/PersianSpelling.h"

namespace nira {
namespace {

using test::FixtureDictionary;
using test::FixtureEntry;

std::string Fa(std::u16string_view text) { return HeadwordSpelling(text); }

bool HeadwordLess(const std::string& a, const std::string& b) {
    return CompareHeadword(reinterpret_cast<const unsigned char*>(a.c_str()),
                           reinterpret_cast<const unsigned char*>(b.c_str())) < 0;
}

const char* const kEnglishWords[] = {
    "big",  "book", "bookcase", "box",  "carry", "child", "church", "go",
    "good", "goose", "hope", "mouse", "stop",  "swim",  "tall",   "wolf"};

const char16_t* const kPersianWords[] = {
    u"آمدن",  u"آن",    u"ایرانی", u"خان", u"بزرگ",    u"پرنده", u"خانه", u"خریدن",
    u"خواستن", u"خواندن", u"دانشجو", u"درخت",    u"رفتن",  u"زندگی", u"شدن",
    u"فارسی", u"کتاب",  u"کرد",    u"کردن",    u"گفتن",  u"می‌خواهم",
    u"سؤال",  u"رئیس",  u"تأثیر",  u"مسئله",   u"مسئول", u"بی‌خیال"};

std::vector<FixtureEntry> Sorted(std::vector<std::string> headwords) {
    std::sort(headwords.begin(), headwords.end(), HeadwordLess);
    std::vector<FixtureEntry> entries;
    for (const std::string& h : headwords) entries.push_back({h, {"m", "d"}});
    return entries;
}

std::vector<FixtureEntry> EnglishHeadwordEntries(const std::vector<std::string>& extra) {
    std::vector<std::string> words(std::begin(kEnglishWords), std::end(kEnglishWords));
    words.insert(words.end(), extra.begin(), extra.end());
    return Sorted(words);
}

std::vector<FixtureEntry> PersianHeadwordEntries() {
    std::vector<std::string> words;
    for (const char16_t* w : kPersianWords) words.push_back(Fa(w));
    std::vector<FixtureEntry> entries = Sorted(words);
    for (FixtureEntry& e : entries) e.fields = {"meaning"};
    return entries;
}

// A table as the data build writes it: sorted by form, rows of one form in
// the order given.
class TableStore {
public:
    explicit TableStore(std::vector<std::pair<std::string, std::string>> rows)
        : m_texts(std::move(rows)) {
        std::stable_sort(m_texts.begin(), m_texts.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [form, lemma] : m_texts) m_rows.push_back({form.c_str(), lemma.c_str()});
    }
    FormTable Table() const { return {m_rows.data(), m_rows.size()}; }

private:
    std::vector<std::pair<std::string, std::string>> m_texts;
    std::vector<FormLemma> m_rows;
};

const TableStore& Exceptions() {
    static const TableStore store({{"went", "go"},     {"children", "child"}, {"mice", "mouse"},
                                   {"geese", "goose"}, {"wolves", "wolf"},    {"swam", "swim"},
                                   {"better", "good"}, {"better", "well"}});
    return store;
}

const TableStore& VerbStems() {
    static const TableStore store({{Fa(u"رو"), Fa(u"رفتن")},  {Fa(u"خواه"), Fa(u"خواستن")},
                                   {Fa(u"کن"), Fa(u"کردن")},  {Fa(u"آ"), Fa(u"آمدن")},
                                   {Fa(u"گو"), Fa(u"گفتن")}, {Fa(u"شو"), Fa(u"شدن")}});
    return store;
}

const TableStore& Colloquial() {
    static const TableStore store({{Fa(u"اون"), Fa(u"آن")}, {Fa(u"میشه"), Fa(u"شدن")}});
    return store;
}

// As the data build makes it from the headwords: each one's folded spelling.
const TableStore& Spellings() {
    static const TableStore store = [] {
        std::vector<std::pair<std::string, std::string>> rows;
        for (const char16_t* w : kPersianWords) {
            if (FoldedSpelling(Fa(w)) != Fa(w)) rows.emplace_back(FoldedSpelling(Fa(w)), Fa(w));
        }
        return TableStore(rows);
    }();
    return store;
}

WordFormTables FixtureTables() {
    return {Exceptions().Table(), VerbStems().Table(), Colloquial().Table(), Spellings().Table()};
}

class WordFormsTest : public ::testing::Test {
protected:
    explicit WordFormsTest(const std::vector<std::string>& extraEnglish = {})
        : m_fx(EnglishHeadwordEntries(extraEnglish), PersianHeadwordEntries()) {
        m_fx.Dict().m_wordForms = &m_tables;
    }

    // The headword of the entry the lookup shows, in UTF-8 (a Persian one
    // as it is written in the file: kaf and yeh in their code page forms).
    std::string Shown(const std::u16string& typed) {
        m_state = LookupState{};
        LookUpWord(typed.data(), typed.size(), m_state, m_fx.Dict(), *m_result);
        if (m_result->outcome != LookupOutcome::Entry) return "<no entry>";
        return Cp1256ToUtf8(std::string(reinterpret_cast<const char*>(m_result->entry)));
    }
    // A headword written in Persian letters, as Shown gives it.
    static std::string AsShown(const std::string& utf8) {
        return Cp1256ToUtf8(HeadwordSpelling(Utf8ToUtf16(utf8)));
    }

    WordFormTables m_tables = FixtureTables();
    FixtureDictionary m_fx;
    LookupState m_state;
    std::unique_ptr<LookupResult> m_result = std::make_unique<LookupResult>();
};

struct FormCase {
    const char* rule;
    std::u16string typed;
    std::string shown;  // UTF-8
};

void PrintTo(const FormCase& c, std::ostream* os) { *os << c.rule << ": " << Utf16ToUtf8(c.typed); }

class WordFormCaseTest : public WordFormsTest, public ::testing::WithParamInterface<FormCase> {};

TEST_P(WordFormCaseTest, ShowsTheLemmaAndBrowsesFromIt) {
    const FormCase& c = GetParam();
    EXPECT_EQ(Shown(c.typed), AsShown(c.shown));
    EXPECT_TRUE(m_result->wordForm);
    // The lemma's entry and bucket, as if its headword had been typed.
    const std::string lemma = reinterpret_cast<const char*>(m_result->entry);
    const int32_t expected = m_result->file == DataFileId::Persian ? m_fx.PersianEntryNumber(lemma)
                                                                   : m_fx.EnglishEntryNumber(lemma);
    EXPECT_EQ(m_state.m_current, expected);
    LookupState typed;
    ChooseLetterBucket(static_cast<unsigned char>(lemma[0]), typed, m_fx.Dict());
    EXPECT_EQ(m_state.m_first, typed.m_first);
    EXPECT_EQ(m_state.m_last, typed.m_last);
}

INSTANTIATE_TEST_SUITE_P(
    English, WordFormCaseTest,
    ::testing::Values(
        FormCase{"regular", u"books", "book"}, FormCase{"regular", u"boxes", "box"},
        FormCase{"regular", u"churches", "church"}, FormCase{"regular", u"hoped", "hope"},
        FormCase{"regular", u"hoping", "hope"}, FormCase{"regular", u"taller", "tall"},
        FormCase{"regular", u"tallest", "tall"},
        FormCase{"doubled", u"stopped", "stop"}, FormCase{"doubled", u"stopping", "stop"},
        FormCase{"doubled", u"bigger", "big"}, FormCase{"doubled", u"biggest", "big"},
        FormCase{"ies", u"carries", "carry"}, FormCase{"ies", u"carried", "carry"},
        FormCase{"irregular", u"went", "go"}, FormCase{"irregular", u"children", "child"},
        FormCase{"irregular", u"mice", "mouse"}, FormCase{"irregular", u"geese", "goose"},
        FormCase{"irregular", u"wolves", "wolf"}, FormCase{"irregular", u"swam", "swim"},
        FormCase{"irregular", u"better", "good"},
        FormCase{"possessive", u"book's", "book"}, FormCase{"possessive", u"books'", "book"},
        FormCase{"possessive", u"children's", "child"}));

INSTANTIATE_TEST_SUITE_P(
    Persian, WordFormCaseTest,
    ::testing::Values(
        // Spacing.
        FormCase{"spacing", u"کتابها", "کتاب"}, FormCase{"spacing", u"کتاب‌ها", "کتاب"},
        FormCase{"spacing", u"کتاب ها", "کتاب"}, FormCase{"spacing", u"کتاب های", "کتاب"},
        FormCase{"spacing", u"میخواهم", "می‌خواهم"}, FormCase{"spacing", u"می خواهم", "می‌خواهم"},
        // Plural, comparative, indefinite and pronoun endings.
        FormCase{"affix", u"درختان", "درخت"}, FormCase{"affix", u"کتاب‌هایم", "کتاب"},
        FormCase{"affix", u"بزرگتر", "بزرگ"}, FormCase{"affix", u"بزرگ‌ترین", "بزرگ"},
        FormCase{"affix", u"پرندگان", "پرنده"}, FormCase{"affix", u"دانشجویان", "دانشجو"},
        FormCase{"affix", u"ایرانیان", "ایرانی"}, FormCase{"affix", u"خانه‌ای", "خانه"},
        FormCase{"affix", u"کتابی", "کتاب"}, FormCase{"affix", u"کتابم", "کتاب"},
        FormCase{"affix", u"کتابشان", "کتاب"}, FormCase{"affix", u"خانه‌ام", "خانه"},
        FormCase{"affix", u"خانه‌اش", "خانه"},
        // Verbs: past stem + ن, the table of stems, regular present stems.
        FormCase{"verb", u"کردم", "کردن"}, FormCase{"verb", u"گفتند", "گفتن"},
        FormCase{"verb", u"نکردم", "کردن"}, FormCase{"verb", u"رفته‌ام", "رفتن"},
        FormCase{"verb", u"رفته", "رفتن"}, FormCase{"verb", u"می‌روم", "رفتن"},
        FormCase{"verb", u"نمی‌خواهم", "خواستن"}, FormCase{"verb", u"میخواستم", "خواستن"},
        FormCase{"verb", u"می‌کنم", "کردن"}, FormCase{"verb", u"می‌خرم", "خریدن"},
        FormCase{"verb", u"می‌خوانند", "خواندن"}, FormCase{"verb", u"بروم", "رفتن"},
        FormCase{"verb", u"می‌آیم", "آمدن"}, FormCase{"verb", u"می‌گوید", "گفتن"},
        FormCase{"verb", u"نیامدم", "آمدن"}, FormCase{"verb", u"بیایم", "آمدن"},
        // Colloquial forms, with and without ZWNJ.
        FormCase{"colloquial", u"اون", "آن"}, FormCase{"colloquial", u"میشه", "شدن"},
        FormCase{"colloquial", u"می‌شه", "شدن"},
        // Hamza and its seat, and ZWNJ, as other spellings of a headword.
        FormCase{"spelling", u"سوال", "سؤال"}, FormCase{"spelling", u"رییس", "رئیس"},
        FormCase{"spelling", u"رييس", "رئیس"}, FormCase{"spelling", u"تاثیر", "تأثیر"},
        FormCase{"spelling", u"مساله", "مسئله"}, FormCase{"spelling", u"مسوول", "مسئول"},
        FormCase{"spelling", u"مسؤول", "مسئول"}, FormCase{"spelling", u"بیخیال", "بی‌خیال"}));

// Spellings the headwords never hold find the entry by the search itself,
// with no word form involved.
TEST_F(WordFormsTest, QueriesTakeTheHeadwordSpelling) {
    const std::pair<std::u16string, std::string> cases[] = {
        {u"\u0641\u0627\u0631\u0633\u064A", "فارسی"},   // Arabic yeh at the end
        {u"\u0632\u0646\u062F\u06AF\u064A", "زندگی"},
        {u"\u0632\u0646\u062F\u06AF\u0649", "زندگی"},   // alef maksura
        {u"\u06A9\u0650\u062A\u0627\u0628", "کتاب"},     // kasra
        {u"\u06A9\u062A\u0640\u0627\u0628", "کتاب"},     // tatweel
        {u"\u0643\u062A\u0627\u0628", "کتاب"},           // Arabic kaf
        {u"\u062F\u0631\u062E\u062A\u0651", "درخت"},     // shadda
        {u"\u200F\u062F\u0631\u062E\u062A", "درخت"},     // a direction mark
        {u"\uFEDB\uFE98\uFE8E\uFE8F", "کتاب"},           // presentation forms
    };
    for (const auto& [typed, shown] : cases) {
        EXPECT_EQ(Shown(typed), AsShown(shown)) << Utf16ToUtf8(typed);
        EXPECT_FALSE(m_result->wordForm) << Utf16ToUtf8(typed);
    }
}

// No form of the query is a headword: the search's nearest entry stays,
// exactly where the search alone leaves it.
TEST_F(WordFormsTest, WithoutAFormTheNearestEntryStays) {
    const std::u16string cases[] = {u"bookx", u"boxy", u"zzzies", u"stopx", u"a", u"kitchens",
                                    u"کتابخ", u"بزرگوار", u"ن", u"می", u"خیلی"};
    for (const std::u16string& typed : cases) {
        const std::string shown = Shown(typed);
        EXPECT_FALSE(m_result->wordForm) << Utf16ToUtf8(typed);
        const int32_t withForms = m_state.m_current;
        WordFormTables none;
        m_fx.Dict().m_wordForms = &none;
        EXPECT_EQ(Shown(typed), shown) << Utf16ToUtf8(typed);
        EXPECT_EQ(m_state.m_current, withForms) << Utf16ToUtf8(typed);
        m_fx.Dict().m_wordForms = &m_tables;
    }
}

// A query that is a headword shows itself, whatever it could stand for.
class WordFormsWithBetter : public WordFormsTest {
protected:
    WordFormsWithBetter() : WordFormsTest({"better", "books"}) {}
};

TEST_F(WordFormsWithBetter, AHeadwordAlwaysShowsItself) {
    EXPECT_EQ(Shown(u"better"), "better");
    EXPECT_FALSE(m_result->wordForm);
    EXPECT_EQ(Shown(u"books"), "books");
    EXPECT_EQ(Shown(u"کرد"), AsShown("کرد"));
    EXPECT_FALSE(m_result->wordForm);
}

// The search examples over apple, bank, book, car, dog keep the entry the
// search alone ends on: none of their queries has a form that is one of
// these headwords. The one change is a form whose lemma is: cars -> car.
TEST(WordForms, TheSearchExamplesKeepTheirEntries) {
    FixtureDictionary fx(Sorted({"apple", "bank", "book", "car", "dog"}), {});
    const WordFormTables tables = FixtureTables();
    fx.Dict().m_wordForms = &tables;
    for (const char* query : {"book", "bo", "boo", "bz", "c", "aa", "zebra"}) {
        const std::u16string typed(query, query + std::strlen(query));
        LookupState state;
        auto result = std::make_unique<LookupResult>();
        LookUpWord(typed.data(), typed.size(), state, fx.Dict(), *result);
        LookupState alone;
        ChooseLetterBucket(static_cast<unsigned char>(query[0]), alone, fx.Dict());
        SearchEntry(reinterpret_cast<const unsigned char*>(query), fx.Dict().m_filePersian,
                    alone.m_first, alone.m_last, alone.m_current);
        EXPECT_EQ(state.m_current, alone.m_current) << query;
        EXPECT_FALSE(result->wordForm) << query;
    }
    LookupState state;
    auto result = std::make_unique<LookupResult>();
    LookUpWord(u"cars", 4, state, fx.Dict(), *result);
    EXPECT_EQ(state.m_current, fx.PersianEntryNumber("car"));
    EXPECT_TRUE(result->wordForm);
}

// The candidate list: never the query, never twice, never longer than a
// headword, never more than the bound, whatever the query.
TEST(WordFormCandidates, StayWithinTheirBounds) {
    const WordFormTables tables = FixtureTables();
    const std::string queries[] = {
        "better", "children's", "stopped", "s", "'s", std::string(51, 'x') + "ies",
        Fa(u"نمی‌خواهمتانشانهایی"), Fa(u"می"), Fa(u"ها"), Fa(u"کتاب ها های تر ترین"),
        Fa(u"بببببببببببببببببببببببببببببببببببببببببببببببببببب"),
        Fa(u"نمی") + std::string(70, '\xED') + Fa(u"م")};  // longer than any table key
    for (const std::string& q : queries) {
        const bool english = static_cast<unsigned char>(q[0]) < 0x80;
        const std::vector<std::string> c = WordFormCandidates(q, english, tables);
        EXPECT_LE(c.size(), kMaxWordFormCandidates) << q;
        for (std::size_t i = 0; i < c.size(); ++i) {
            EXPECT_NE(c[i], q);
            EXPECT_FALSE(c[i].empty());
            EXPECT_LE(c[i].size(), 51u);
            EXPECT_EQ(std::count(c.begin(), c.end(), c[i]), 1) << c[i];
        }
    }
    EXPECT_TRUE(WordFormCandidates("", true, tables).empty());
    EXPECT_TRUE(WordFormCandidates("", false, tables).empty());
}

// Candidates come in the order of the rules: spelling first, then the
// exceptions, then the detachments; a past stem before a noun ending.
TEST(WordFormCandidates, FollowTheRulesInOrder) {
    const WordFormTables tables = FixtureTables();
    auto before = [&](const std::string& q, bool english, const std::string& a, const std::string& b) {
        const std::vector<std::string> c = WordFormCandidates(q, english, tables);
        const auto ia = std::find(c.begin(), c.end(), a);
        const auto ib = std::find(c.begin(), c.end(), b);
        ASSERT_NE(ia, c.end()) << a;
        ASSERT_NE(ib, c.end()) << b;
        EXPECT_LT(ia, ib) << a << " before " << b;
    };
    before("better", true, "good", "well");
    before("children's", true, "children", "child");
    before("stopped", true, "stopp", "stop");
    before(Fa(u"کردم"), false, Fa(u"کردن"), Fa(u"کرد"));
    before(Fa(u"کتابها"), false, Fa(u"کتاب‌ها"), Fa(u"کتاب"));
}

// Yeh takes its headword form wherever a rule leaves it.
TEST(PersianYeh, RespelledByWhatFollows) {
    EXPECT_EQ(RespelledYeh(JoinedYeh(Fa(u"ماهی") + Fa(u"ها"))), Fa(u"ماهیها"));
    EXPECT_EQ(RespelledYeh(JoinedYeh(Fa(u"ماهیها")).substr(0, 4)), Fa(u"ماهی"));
    EXPECT_EQ(RespelledYeh(Fa(u"می") + "\x9D"), Fa(u"می‌"));
    EXPECT_EQ(RespelledYeh("\xEC\xC7"), "\xED\xC7");
    EXPECT_EQ(RespelledYeh("\xED"), "\xEC");
    EXPECT_EQ(RespelledYeh("\xED "), "\xEC ");
}

}  // namespace
}  // namespace nira
