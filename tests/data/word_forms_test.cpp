// Words as people write them, over the built data files: each rule's
// forms find their entry, a query that is a headword shows itself, no form
// leaves the nearest entry, and the Persian word lists have the shape the
// build expects.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "NiraEdition.h"
#include "NiraWordForms.h"
#include "dict/Lookup.h"
#include "dict/WordForms.h"
#include "present/EntryText.h"
#include "text/ArabicForms.h"
#include "text/Cp1256.h"
#include "text/LowerCase.h"
#include "text/PersianSpelling.h"

namespace nira {
namespace {

std::string DataDir() {
    const char* dir = std::getenv("NIRA_DATA_DIR");
    return dir != nullptr ? dir : NIRA_TEST_DATA_DIR;
}

std::string Spelled(const std::string& utf8) { return HeadwordSpelling(Utf8ToUtf16(utf8)); }

class RealWordForms : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_dict = new Dictionary;
        s_dict->UseEdition(edition::kEdition);
        s_opened = s_dict->OpenFiles(DataDir(), edition::kEdition);
    }
    static void TearDownTestSuite() {
        delete s_dict;
        s_dict = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(s_opened) << DataDir(); }

    // The lookup of typed text, as the window and nira lookup run it.
    const LookupResult& LookUp(const std::string& typedUtf8) {
        const std::u16string typed = Utf8ToUtf16(typedUtf8);
        m_state = LookupState{};
        LookUpWord(typed.data(), typed.size(), m_state, *s_dict, *m_result);
        return *m_result;
    }
    std::string Headword() const { return reinterpret_cast<const char*>(m_result->entry); }

    // Whether text (headword bytes) is exactly a headword of its file.
    static bool IsHeadword(const std::string& bytes) {
        if (bytes.empty()) return false;
        const auto* key = reinterpret_cast<const unsigned char*>(bytes.c_str());
        LookupState range;
        ChooseLetterBucket(key[0], range, *s_dict);
        int32_t current = 0;
        return SearchEntry(key, s_dict->File(FileForFirstByte(key[0])), range.m_first,
                           range.m_last, current) == 0;
    }

    static Dictionary* s_dict;
    static bool s_opened;
    LookupState m_state;
    std::unique_ptr<LookupResult> m_result = std::make_unique<LookupResult>();
};

Dictionary* RealWordForms::s_dict = nullptr;
bool RealWordForms::s_opened = false;

struct RealCase {
    const char* rule;
    const char* typed;   // UTF-8
    const char* shown;   // UTF-8, spelled as a headword on the way in
};

void PrintTo(const RealCase& c, std::ostream* os) { *os << c.rule << ": " << c.typed; }

class RealWordFormCase : public RealWordForms, public ::testing::WithParamInterface<RealCase> {};

TEST_P(RealWordFormCase, ShowsTheLemma) {
    const RealCase& c = GetParam();
    ASSERT_EQ(LookUp(c.typed).outcome, LookupOutcome::Entry);
    EXPECT_EQ(Cp1256ToUtf8(Headword()), Cp1256ToUtf8(Spelled(c.shown)));
    EXPECT_EQ(m_result->wordForm, std::string(c.rule) != "spelling");
}

// What a user finishes with: the list, then more of each rule.
INSTANTIATE_TEST_SUITE_P(
    English, RealWordFormCase,
    ::testing::Values(
        RealCase{"regular", "books", "book"}, RealCase{"regular", "boxes", "box"},
        RealCase{"regular", "taller", "tall"}, RealCase{"regular", "cars", "car"},
        RealCase{"regular", "churches", "church"}, RealCase{"regular", "befriended", "befriend"},
        RealCase{"doubled", "grabbed", "grab"}, RealCase{"doubled", "hottest", "hot"},
        RealCase{"doubled", "dropped", "drop"},
        RealCase{"ies", "carried", "carry"}, RealCase{"ies", "studies", "study"},
        RealCase{"irregular", "went", "go"}, RealCase{"irregular", "children", "child"},
        RealCase{"irregular", "mice", "mouse"}, RealCase{"irregular", "geese", "goose"},
        RealCase{"irregular", "swam", "swim"}, RealCase{"irregular", "wolves", "wolf"},
        RealCase{"irregular", "wrote", "write"}, RealCase{"irregular", "feet", "foot"},
        RealCase{"irregular", "began", "begin"},
        RealCase{"possessive", "john's", "john"}, RealCase{"possessive", "children's", "child"}));

INSTANTIATE_TEST_SUITE_P(
    Persian, RealWordFormCase,
    ::testing::Values(
        RealCase{"spelling", "فارسي", "فارسی"}, RealCase{"spelling", "خيلي", "خیلی"},
        RealCase{"spelling", "زندگي", "زندگی"}, RealCase{"spelling", "کِتاب", "کتاب"},
        RealCase{"spelling", "کتـاب", "کتاب"}, RealCase{"spelling", "كتاب", "کتاب"},
        RealCase{"spacing", "کتابها", "کتاب"}, RealCase{"spacing", "کتاب‌ها", "کتاب"},
        RealCase{"spacing", "کتاب های", "کتاب"}, RealCase{"spacing", "میخواهم", "می‌خواهم"},
        RealCase{"affix", "درختان", "درخت"}, RealCase{"affix", "کتاب‌هایم", "کتاب"},
        RealCase{"affix", "خانه‌ام", "خانه"}, RealCase{"affix", "پرندگان", "پرنده"},
        RealCase{"affix", "دانشجویان", "دانشجو"},
        RealCase{"verb", "نمی‌خواهم", "خواستن"}, RealCase{"verb", "میخواستم", "خواستن"},
        RealCase{"verb", "می‌روم", "رفتن"}, RealCase{"verb", "می‌گوید", "گفتن"},
        RealCase{"verb", "می‌آید", "آمدن"}, RealCase{"verb", "رفتم", "رفتن"},
        RealCase{"verb", "کرده‌اند", "کردن"}, RealCase{"verb", "می‌بینم", "دیدن"},
        RealCase{"verb", "می‌توانم", "توانستن"}, RealCase{"verb", "بگو", "گفتن"},
        RealCase{"colloquial", "میشه", "شدن"}, RealCase{"colloquial", "اون", "آن"},
        RealCase{"colloquial", "اگه", "اگر"}, RealCase{"colloquial", "می‌شه", "شدن"}));

// The English forms land on an entry with a Persian meaning.
TEST_F(RealWordForms, EnglishFormsShowAPersianPane) {
    for (const char* typed : {"books", "went", "children", "mice", "carried", "boxes", "swam",
                              "wolves", "geese", "taller"}) {
        ASSERT_EQ(LookUp(typed).outcome, LookupOutcome::Entry) << typed;
        auto view = std::make_unique<EntryView>();
        DecodeEntry(m_result->entry, m_result->length, m_result->file, s_dict->m_scrambleKey, *view);
        EXPECT_TRUE(view->hasPersian) << typed;
    }
}

// A headword shows itself, whatever it could also stand for.
TEST_F(RealWordForms, AHeadwordShowsItself) {
    for (const char* typed : {"better", "best", "news", "glasses", "kurd", "دوستان", "کرد"}) {
        if (!IsHeadword(Spelled(typed))) continue;  // only words this edition has
        LookUp(typed);
        EXPECT_EQ(Headword(), Spelled(typed)) << typed;
        EXPECT_FALSE(m_result->wordForm) << typed;
    }
    EXPECT_TRUE(IsHeadword("better"));
}

// No form is a headword: the entry the search alone ends on stays.
TEST_F(RealWordForms, WithoutAFormTheNearestEntryStays) {
    for (const char* typed : {"bookx", "qzxwv", "zzzies", "xyzzyed", "کتابخ", "ژژژها", "ننننم"}) {
        ASSERT_EQ(LookUp(typed).outcome, LookupOutcome::Entry) << typed;
        EXPECT_FALSE(m_result->wordForm) << typed;
        const int32_t shown = m_state.m_current;
        const std::string query = Spelled(typed);
        LookupState range;
        ChooseLetterBucket(static_cast<unsigned char>(query[0]), range, *s_dict);
        int32_t current = 0;
        SearchEntry(reinterpret_cast<const unsigned char*>(query.c_str()),
                    s_dict->File(m_result->file), range.m_first, range.m_last, current);
        EXPECT_EQ(shown, current) << typed;
    }
}

// Every headword typed as it is written ends on its own entry, through the
// search alone: the headword spelling leaves a headword as it is.
TEST_F(RealWordForms, EveryHeadwordTypedFindsItself) {
    for (const DictionaryFile* file : {&s_dict->m_filePersian, &s_dict->m_fileEnglish}) {
        auto entry = std::make_unique<unsigned char[]>(kEntryBufferSize);
        auto& buffer = *reinterpret_cast<unsigned char(*)[kEntryBufferSize]>(entry.get());
        for (int32_t k = 1; k <= file->EntryCount(); ++k) {
            ReadEntry(*file, k, buffer);
            const std::string headword = reinterpret_cast<const char*>(buffer);
            std::u16string typed(headword.size(), u'\0');
            Cp1256ToWide(buffer, headword.size(), typed.data(), typed.size());
            if (LowerCase(typed) != typed) continue;  // the field would lower-case it
            m_state = LookupState{};
            LookUpWord(typed.data(), typed.size(), m_state, *s_dict, *m_result);
            ASSERT_EQ(m_state.m_current, k) << Cp1256ToUtf8(headword);
            ASSERT_FALSE(m_result->wordForm) << Cp1256ToUtf8(headword);
        }
    }
}

// The generated tables: sorted for the binary search, and every row leads
// to a headword; an English exception's form is no headword itself (it
// would be found as it is).
TEST_F(RealWordForms, GeneratedTablesLeadToHeadwords) {
    const WordFormTables& tables = edition::kWordForms;
    const std::pair<const FormTable*, bool> all[] = {
        {&tables.englishExceptions, true}, {&tables.verbStems, false}, {&tables.colloquial, false}};
    for (const auto& [table, formsMissing] : all) {
        ASSERT_GT(table->count, 0u);
        for (std::size_t i = 0; i < table->count; ++i) {
            const FormLemma& row = table->rows[i];
            if (i > 0) {
                EXPECT_LE(std::strcmp(table->rows[i - 1].form, row.form), 0) << row.form;
            }
            EXPECT_TRUE(IsHeadword(row.lemma)) << Cp1256ToUtf8(std::string(row.lemma));
            if (formsMissing) {
                EXPECT_FALSE(IsHeadword(row.form)) << row.form;
            }
        }
    }
    // Rows the lists must give.
    const std::pair<const FormTable*, std::pair<std::string, std::string>> rows[] = {
        {&tables.englishExceptions, {"went", "go"}},
        {&tables.englishExceptions, {"children", "child"}},
        {&tables.englishExceptions, {"geese", "goose"}},
        {&tables.verbStems, {Spelled("رو"), Spelled("رفتن")}},
        {&tables.verbStems, {Spelled("خواه"), Spelled("خواستن")}},
        {&tables.verbStems, {Spelled("بین"), Spelled("دیدن")}},
        {&tables.colloquial, {Spelled("میشه"), Spelled("شدن")}},
        {&tables.colloquial, {Spelled("اون"), Spelled("آن")}},
    };
    for (const auto& [table, row] : rows) {
        const std::vector<const FormLemma*> found = RowsOf(*table, row.first);
        ASSERT_FALSE(found.empty()) << Cp1256ToUtf8(row.first);
        EXPECT_EQ(std::string(found.front()->lemma), row.second) << Cp1256ToUtf8(row.first);
    }
}

// ---- the Persian word lists of the project ----------------------------------

std::vector<std::vector<std::u16string>> ListRows(const std::string& name) {
    std::ifstream in(std::string(NIRA_TEST_WORD_LISTS) + "/" + name, std::ios::binary);
    std::vector<std::vector<std::u16string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::u16string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) fields.push_back(Utf8ToUtf16(field));
        rows.push_back(fields);
    }
    return rows;
}

// Persian as the lists write it: Persian letters (ی and ک, not the Arabic
// ones), ZWNJ between letters, single spaces between words; vowel marks
// only where the standard spelling has them (tanvin on adverbs).
::testing::AssertionResult IsPersianWord(const std::u16string& word) {
    if (word.empty()) return ::testing::AssertionFailure() << "empty field";
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char16_t u = word[i];
        const bool gap = u == 0x200C || u == u' ';
        const bool inner = i > 0 && i + 1 < word.size() && word[i - 1] != u' ' && word[i - 1] != 0x200C;
        const bool letter = IsArabicScriptLetter(u) && u != 0x0640 && u != 0x064A && u != 0x0643 &&
                            u != 0x0649 && PersianLetterFor(u) == u;
        if (letter || (gap && inner) || (IsPersianVowelMark(u) && i > 0)) continue;
        return ::testing::AssertionFailure() << Utf16ToUtf8(word) << ": U+" << std::hex
                                             << static_cast<int>(u) << " at " << std::dec << i;
    }
    return ::testing::AssertionSuccess();
}

TEST(WordLists, VerbsHaveThreePersianColumnsAndConsistentStems) {
    const auto rows = ListRows("persian-verbs.tsv");
    ASSERT_GT(rows.size(), 200u);
    for (const auto& fields : rows) {
        ASSERT_EQ(fields.size(), 3u) << Utf16ToUtf8(fields[0]);
        for (const std::u16string& field : fields) EXPECT_TRUE(IsPersianWord(field));
        EXPECT_EQ(fields[1] + u"ن", fields[0]) << "past stem + ن: " << Utf16ToUtf8(fields[0]);
    }
}

TEST(WordLists, ColloquialFormsHaveAPersianFormAndTarget) {
    const auto rows = ListRows("persian-colloquial.tsv");
    ASSERT_GT(rows.size(), 100u);
    for (const auto& fields : rows) {
        ASSERT_GE(fields.size(), 2u) << Utf16ToUtf8(fields[0]);
        ASSERT_LE(fields.size(), 3u) << Utf16ToUtf8(fields[0]);
        EXPECT_TRUE(IsPersianWord(fields[0]));
        EXPECT_TRUE(IsPersianWord(fields[1]));
    }
}

}  // namespace
}  // namespace nira
