// What the built data files hold, read back from the files themselves:
// no entry without a meaning, the content figures of the edition, and the
// shape of our own vocabulary, every row of which must reach the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "NiraEdition.h"
#include "dict/Lookup.h"
#include "platform/DataFolder.h"
#include "present/Scramble.h"
#include "text/ArabicForms.h"
#include "text/Cp1256.h"

namespace nira {
namespace {

std::string DataDir() {
    const char* dir = std::getenv("NIRA_DATA_DIR");
    return dir != nullptr ? dir : NIRA_TEST_DATA_DIR;
}

// The NUL-separated fields of entry k after its headword.
std::vector<std::string> Fields(const DictionaryFile& file, int32_t k, std::string& headword) {
    auto entry = std::make_unique<unsigned char[]>(kEntryBufferSize);
    auto& buffer = *reinterpret_cast<unsigned char(*)[kEntryBufferSize]>(entry.get());
    const int length = ReadEntry(file, k, buffer);
    const std::string bytes(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(length));
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t at; (at = bytes.find('\0', start)) != std::string::npos; start = at + 1) {
        fields.push_back(bytes.substr(start, at - start));
    }
    fields.push_back(bytes.substr(start));
    headword = fields.front();
    fields.erase(fields.begin());
    return fields;
}

class BuiltContent : public ::testing::Test {
protected:
    void SetUp() override {
        m_dict = std::make_unique<Dictionary>();
        m_dict->UseEdition(edition::kEdition);
        ASSERT_TRUE(m_dict->OpenFiles(DataDir(), edition::kEdition));
    }

    // The Persian meaning of entry k of "persian", unscrambled.
    std::string PersianMeaning(int32_t k, std::string& headword) const {
        std::vector<std::string> fields = Fields(m_dict->m_filePersian, k, headword);
        std::string meaning = fields.empty() ? std::string() : fields[0];
        Unscramble(reinterpret_cast<unsigned char*>(meaning.data()), edition::kScrambleKey);
        return meaning;
    }

    bool IsEnglishHeadword(const std::string& word) const { return EntryOf(word) > 0; }

    // The entry number of an English headword, 0 when it is none.
    int32_t EntryOf(const std::string& word) const {
        const auto* key = reinterpret_cast<const unsigned char*>(word.c_str());
        LookupState state;
        ChooseLetterBucket(key[0], state, *m_dict);
        int32_t current = 0;
        return SearchEntry(key, m_dict->m_filePersian, state.m_first, state.m_last, current) == 0 ? current : 0;
    }

    // Whether the headword's Persian meaning is a translation (numbered
    // senses, or an inflected form's lemma), not empty or a category hint.
    bool HasPersianTranslation(const std::string& word) const {
        const int32_t k = EntryOf(word);
        if (k == 0) return false;
        std::string headword;
        const std::string meaning = PersianMeaning(k, headword);
        const std::string formOf = WideToCp1256(Utf8ToUtf16("(صورتی از "));
        return meaning.compare(0, 3, "1- ") == 0 || meaning.compare(0, formOf.size(), formOf) == 0;
    }

    std::unique_ptr<Dictionary> m_dict;
};

TEST_F(BuiltContent, EveryEntryOfBothFilesHasAMeaning) {
    std::string headword;
    for (int32_t k = 1; k <= m_dict->m_filePersian.EntryCount(); ++k) {
        const std::vector<std::string> fields = Fields(m_dict->m_filePersian, k, headword);
        const bool persian = !fields.empty() && !fields[0].empty();
        const bool english = fields.size() > 1 && !fields[1].empty();
        ASSERT_TRUE(persian || english) << "\"persian\" entry " << k << " " << headword;
    }
    for (int32_t k = 1; k <= m_dict->m_fileEnglish.EntryCount(); ++k) {
        const std::vector<std::string> fields = Fields(m_dict->m_fileEnglish, k, headword);
        ASSERT_TRUE(!fields.empty() && !fields[0].empty()) << "\"english\" entry " << k;
    }
}

// The figures built into the program are those of the files: a category
// hint is a Persian meaning of one unnumbered "نوعی ..." line, where
// translations are numbered senses, those of an inflected form after a
// line naming its lemma.
TEST_F(BuiltContent, ContentFiguresAreThoseOfTheFiles) {
    const std::string hint = WideToCp1256(Utf8ToUtf16("نوعی "));
    const std::string formOf = WideToCp1256(Utf8ToUtf16("(صورتی از "));  // an inflected form
    int32_t translated = 0;
    int32_t hintOnly = 0;
    int32_t neither = 0;
    std::string headword;
    for (int32_t k = 1; k <= m_dict->m_filePersian.EntryCount(); ++k) {
        const std::string meaning = PersianMeaning(k, headword);
        if (meaning.empty()) {
            ++neither;
        } else if (meaning.compare(0, 3, "1- ") == 0 || meaning.compare(0, formOf.size(), formOf) == 0) {
            ++translated;
        } else {
            ASSERT_EQ(meaning.compare(0, hint.size(), hint), 0) << headword;
            ++hintOnly;
        }
    }
    const EditionContent& c = edition::kContent;
    EXPECT_EQ(c.englishTranslated, translated);
    EXPECT_EQ(c.englishHintOnly, hintOnly);
    EXPECT_EQ(c.englishNeither, neither);
    EXPECT_EQ(c.persianHeadwords, m_dict->m_fileEnglish.EntryCount());
    EXPECT_LE(c.persianFromVocabulary, c.persianHeadwords);
    EXPECT_LE(c.persianFromOwnVocabulary, c.persianHeadwords);
    int32_t singleWords = 0;
    for (int32_t k = 1; k <= m_dict->m_fileEnglish.EntryCount(); ++k) {
        Fields(m_dict->m_fileEnglish, k, headword);
        singleWords += headword.find(' ') == std::string::npos;
    }
    EXPECT_EQ(c.persianSingleWords, singleWords);
}

// Rows of tools/data/vocabulary/*.tsv, with their file and line.
struct Row {
    std::string where;
    std::vector<std::string> columns;
};

std::vector<Row> VocabularyRows() {
    std::vector<std::string> names;
    if (DIR* dir = opendir(NIRA_TEST_VOCABULARY_DIR)) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".tsv") == 0) names.push_back(name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    std::vector<Row> rows;
    for (const std::string& name : names) {
        std::ifstream in(std::string(NIRA_TEST_VOCABULARY_DIR) + "/" + name);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty() || line[0] == '#') continue;
            Row row{name + ":" + std::to_string(number), {}};
            std::stringstream columns(line);
            std::string column;
            while (std::getline(columns, column, '\t')) row.columns.push_back(column);
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

bool HasArabicLetter(const std::string& utf8) {
    const std::u16string text = Utf8ToUtf16(utf8);
    return std::any_of(text.begin(), text.end(), [](char16_t u) { return IsArabicScriptLetter(u); });
}

bool HasLatinLetter(const std::string& utf8) {
    return std::any_of(utf8.begin(), utf8.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

TEST_F(BuiltContent, VocabularyRowsHaveTheirShapeAndReachTheFile) {
    const std::set<std::string> tags = {"n", "v", "adj", "adv", "pron", "det", "prep",
                                        "conj", "aux", "num", "interj"};
    std::set<std::string> seen;
    for (const Row& row : VocabularyRows()) {
        const std::vector<std::string>& c = row.columns;
        ASSERT_TRUE(c.size() == 3 || c.size() == 4) << row.where;
        EXPECT_FALSE(c[0].empty()) << row.where;
        EXPECT_EQ(tags.count(c[1]), 1u) << row.where << " part of speech " << c[1];
        EXPECT_TRUE(HasArabicLetter(c[2])) << row.where;
        EXPECT_FALSE(HasLatinLetter(c[2])) << row.where;
        EXPECT_FALSE(HasArabicLetter(c[0])) << row.where;
        if (c.size() == 4) {
            EXPECT_FALSE(HasArabicLetter(c[3])) << row.where;
        }
        EXPECT_TRUE(seen.insert(c[0] + "\t" + c[1]).second) << row.where << " repeats " << c[0] << " " << c[1];
        std::string headword = c[0];
        std::transform(headword.begin(), headword.end(), headword.begin(),
                       [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; });
        EXPECT_TRUE(IsEnglishHeadword(headword)) << row.where << " " << c[0];
    }
}

// The automatic links nothing confirms are left out, but a word that our
// vocabulary or a curated source gives Persian for keeps it: every
// twentieth row of our vocabulary, and words people translated in the
// Wiktionary list.
TEST_F(BuiltContent, WordsOurVocabularyOrPeopleTranslateKeepTheirPersian) {
    const std::vector<Row> rows = VocabularyRows();
    ASSERT_GT(rows.size(), 1000u);
    for (std::size_t i = 0; i < rows.size(); i += 20) {
        std::string headword = rows[i].columns[0];
        std::transform(headword.begin(), headword.end(), headword.begin(),
                       [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; });
        EXPECT_TRUE(HasPersianTranslation(headword)) << rows[i].where << " " << headword;
    }
    for (const char* word : {"book", "water", "house", "mother", "sun", "eat", "good", "quickly"}) {
        EXPECT_TRUE(HasPersianTranslation(word)) << word;
    }
}

}  // namespace
}  // namespace nira
