// The built data files against the program's generated constants: every
// headword is found where it stands, the buckets cover each file, and the
// command line answers as the window would.
#include <gtest/gtest.h>

#include "RunNira.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "NiraEdition.h"
#include "dict/Collation.h"
#include "dict/Lookup.h"
#include "digest/Md5.h"
#include "platform/DataFolder.h"
#include "present/EntryText.h"
#include "text/Cp1256.h"

namespace nira {
namespace {

using nira::test::RunNira;

std::string DataDir() {
    const char* dir = std::getenv("NIRA_DATA_DIR");
    return dir != nullptr ? dir : NIRA_TEST_DATA_DIR;
}

class RealData : public ::testing::Test {
protected:
    void SetUp() override {
        const DictionaryEdition& e = edition::kEdition;
        m_dict = std::make_unique<Dictionary>();
        m_dict->UseEdition(e);
        ASSERT_TRUE(m_dict->OpenFiles(DataDir(), e));
    }

    std::unique_ptr<Dictionary> m_dict;
};

TEST_F(RealData, DigestsMatchTheBuiltInOnes) {
    EXPECT_EQ(CMd5::DigestOfFile(JoinPath(DataDir(), "persian")), edition::kDigestPersian);
    EXPECT_EQ(CMd5::DigestOfFile(JoinPath(DataDir(), "english")), edition::kDigestEnglish);
}

TEST_F(RealData, EntryCountsAreTheHighestEntryNumbers) {
    EXPECT_EQ(m_dict->m_filePersian.EntryCount(), edition::kHighestEntryPersian);
    EXPECT_EQ(m_dict->m_fileEnglish.EntryCount(), edition::kHighestEntryEnglish);
    EXPECT_GT(edition::kHighestEntryPersian, 140000);
    EXPECT_GT(edition::kHighestEntryEnglish, 20000);
    EXPECT_LT(edition::kHighestEntryEnglish, 40001);
}

// Each file's headwords stand in strictly ascending order, and the search
// over the bucket of a headword's first byte ends on that very entry.
void ExpectEveryHeadwordFound(const DictionaryFile& file, const Dictionary& dict) {
    std::string previous;
    for (int32_t k = 1; k <= file.EntryCount(); ++k) {
        std::string headword;
        {
            auto entry = std::make_unique<unsigned char[]>(kEntryBufferSize);
            auto& buffer = *reinterpret_cast<unsigned char(*)[kEntryBufferSize]>(entry.get());
            ReadEntry(file, k, buffer);
            headword = reinterpret_cast<const char*>(buffer);
        }
        ASSERT_FALSE(headword.empty()) << "entry " << k;
        const auto* h = reinterpret_cast<const unsigned char*>(headword.c_str());
        if (k > 1) {
            ASSERT_EQ(CompareHeadword(reinterpret_cast<const unsigned char*>(previous.c_str()), h), -1)
                << "entry " << k;
        }
        LookupState state;
        ChooseLetterBucket(h[0], state, dict);
        int32_t current = 0;
        ASSERT_EQ(SearchEntry(h, file, state.m_first, state.m_last, current), 0) << "entry " << k;
        ASSERT_EQ(current, k);
        previous = headword;
    }
}

TEST_F(RealData, EveryEnglishHeadwordIsFoundInItsBucket) {
    ExpectEveryHeadwordFound(m_dict->m_filePersian, *m_dict);
}

TEST_F(RealData, EveryPersianHeadwordIsFoundInItsBucket) {
    ExpectEveryHeadwordFound(m_dict->m_fileEnglish, *m_dict);
}

// A fixed handful of entries read back and checked against what a reader
// of both languages expects, so that a change of what ships shows as a
// change of content and not only of a digest.
class RealEntries : public RealData {
protected:
    // The entry shown for query: its headword and the first word of its
    // first sense in the pane that file fills first.
    std::pair<std::string, std::string> FirstWordOf(const std::string& utf8Query) {
        const std::u16string query = Utf8ToUtf16(utf8Query);
        LookupState state;
        auto result = std::make_unique<LookupResult>();
        LookUpWord(query.data(), query.size(), state, *m_dict, *result);
        if (result->outcome != LookupOutcome::Entry) return {};
        auto view = std::make_unique<EntryView>();
        DecodeEntry(result->entry, result->length, result->file, m_dict->m_scrambleKey, *view);
        const bool persianPane = result->file == DataFileId::Persian;
        std::string text = reinterpret_cast<const char*>(persianPane ? view->persian : view->english);
        if (persianPane && text.rfind("1- ", 0) == 0) text.erase(0, 3);
        // A word ends at a separator: the Arabic comma, ',', ':' or a line end.
        text = text.substr(0, text.find_first_of(persianPane ? "\xA1\r" : ",:;"));
        while (!text.empty() && text.back() == ' ') text.pop_back();
        return {Cp1256ToUtf8(reinterpret_cast<const char*>(view->headword)), Cp1256ToUtf8(text)};
    }
};

TEST_F(RealEntries, EnglishHeadwordsShowTheirUsualPersianWordFirst) {
    const std::pair<const char*, const char*> cases[] = {
        {"book", "کتاب"}, {"water", "آب"}, {"dog", "سگ"}, {"house", "خانه"},
    };
    for (const auto& [headword, persian] : cases) {
        const auto [shown, word] = FirstWordOf(headword);
        EXPECT_EQ(shown, headword);
        EXPECT_EQ(Utf8ToUtf16(word), Utf8ToUtf16(persian)) << headword << ": " << word;
    }
}

TEST_F(RealEntries, PersianHeadwordsShowTheirUsualEnglishWordFirst) {
    // Headwords are stored with kaf (ك) where Persian writes keheh.
    const std::pair<const char*, const char*> cases[] = {
        {"آب", "water"}, {"سگ", "dog"}, {"کتاب", "book"}, {"ماه", "month"},
    };
    for (const auto& [headword, english] : cases) {
        const auto [shown, word] = FirstWordOf(headword);
        std::u16string expected = Utf8ToUtf16(headword);
        for (char16_t& unit : expected) unit = unit == u'\u06A9' ? u'\u0643' : unit;
        EXPECT_EQ(Utf8ToUtf16(shown), expected) << headword;
        EXPECT_EQ(word, english) << headword;
    }
}

TEST_F(RealEntries, DefinitionsFollowWordNetsFirstSense) {
    const std::u16string query = u"book";
    LookupState state;
    auto result = std::make_unique<LookupResult>();
    LookUpWord(query.data(), query.size(), state, *m_dict, *result);
    auto view = std::make_unique<EntryView>();
    DecodeEntry(result->entry, result->length, result->file, m_dict->m_scrambleKey, *view);
    const std::string english = reinterpret_cast<const char*>(view->english);
    EXPECT_EQ(english.rfind("1- (n.) a written work or composition that has been published", 0), 0u)
        << english.substr(0, 120);
}

// A 50-byte headword with more text after a space is no exact match: the
// field keeps 51 bytes, the space included, and the search over the real
// file does not end on an equal headword (which entry it shows then
// depends on the data; the fixture test of the lookup pins it).
TEST_F(RealEntries, ALongQueryKeepsItsFiftyFirstByte) {
    const std::string h50 = "american standard code for information interchange";
    ASSERT_EQ(FirstWordOf(h50).first, h50);
    LookupState state;
    ChooseLetterBucket('a', state, *m_dict);
    const std::string kept = h50 + " ";  // the 51 bytes of h50 + " zz"
    int32_t current = 0;
    EXPECT_NE(SearchEntry(reinterpret_cast<const unsigned char*>(kept.c_str()), m_dict->m_filePersian,
                          state.m_first, state.m_last, current), 0);
    EXPECT_EQ(SearchEntry(reinterpret_cast<const unsigned char*>(h50.c_str()), m_dict->m_filePersian,
                          state.m_first, state.m_last, current), 0);
}

// Runs `nira lookup` with the given arguments and returns what it printed.
TEST(CommandLine, LookupAnswersAsTheWindowShows) {
    const std::string book = RunNira("lookup book");
    EXPECT_EQ(book.rfind("book\n[fa]\n", 0), 0u) << book;
    EXPECT_NE(book.find("کتاب"), std::string::npos) << book;
    EXPECT_NE(book.find("\n[en]\n1- (n.) "), std::string::npos) << book;
    EXPECT_NE(book.find("\n2- "), std::string::npos) << book;

    const std::string water = RunNira("lookup آب");
    EXPECT_EQ(water.rfind("آب\n[en]\n", 0), 0u) << water;
    EXPECT_GT(water.size(), std::string("آب\n[en]\n").size() + 3);
}

TEST(CommandLine, UpperCaseIsLookedUpAsTheFieldWouldShowIt) {
    const std::string book = RunNira("lookup BOOK");
    EXPECT_EQ(book.rfind("book\n[fa]\n", 0), 0u) << book;
}

// Letters beyond ASCII take the field's lower case too: É as é.
TEST(CommandLine, LowerCasesAsTheFieldBeyondAscii) {
    EXPECT_EQ(RunNira("lookup \u00C9CLAIR"), RunNira("lookup \u00E9clair"));
    EXPECT_EQ(RunNira("lookup CAF\u00C9"), RunNira("lookup caf\u00E9"));
    // Left as a capital, É has no byte and would be searched as '?'.
    EXPECT_NE(RunNira("lookup CAF\u00C9"), RunNira("lookup 'caf?'"));
    EXPECT_NE(RunNira("lookup \u00C9CLAIR"), RunNira("lookup '?clair'"));
}

// Inflected words show their lemma's entry, each with its Persian meaning.
TEST(CommandLine, InflectedWordsShowTheirLemma) {
    const std::string answers =
        RunNira("lookup books went children mice carried boxes swam wolves geese taller");
    std::string expected;
    std::size_t at = 0;
    for (const char* lemma : {"book", "go", "child", "mouse", "carry", "box", "swim", "wolf",
                              "goose", "tall"}) {
        at = answers.find(std::string(lemma) + "\n[fa]\n", at);
        ASSERT_NE(at, std::string::npos) << lemma << "\n" << answers;
        EXPECT_TRUE(at == 0 || answers.compare(at - 2, 2, "\n\n") == 0) << lemma;
    }
    // The Persian forms: the headword line in Persian letters.
    const std::string persian = RunNira("lookup 'کتاب های' نمی‌خواهم می‌روم");
    EXPECT_EQ(persian.rfind(std::string("کتاب") + "\n[en]\n", 0), 0u)
        << persian;
    EXPECT_NE(persian.find("\n\n" + std::string("خواستن") + "\n[en]\n"),
              std::string::npos) << persian;
    EXPECT_NE(persian.find("\n\n" + std::string("رفتن") + "\n[en]\n"),
              std::string::npos) << persian;
}

TEST(CommandLine, MissingWordShowsANeighbour) {
    const std::string answer = RunNira("lookup bookx");
    ASSERT_FALSE(answer.empty());
    const std::string headword = answer.substr(0, answer.find('\n'));
    // An entry beside where bookx would stand: bookworm or boole.
    EXPECT_EQ(headword.rfind("boo", 0), 0u) << answer;
    EXPECT_NE(headword, "bookx");
}

TEST(CommandLine, EmptyAndSpacesOnlyQueriesPrintNothing) {
    EXPECT_EQ(RunNira("lookup '' '   '"), "\n");
}

TEST(CommandLine, BatchModeAnswersEachLine) {
    const std::string answers = RunNira("lookup -", "printf 'book\\n\\ncat\\n' | ");
    EXPECT_EQ(answers.rfind("book\n", 0), 0u) << answers;
    EXPECT_NE(answers.find("\n\n\ncat\n"), std::string::npos) << answers;
}

TEST(CommandLine, InfoReportsBothChecksPassing) {
    const std::string info = RunNira("info");
    EXPECT_NE(info.find("persian:"), std::string::npos) << info;
    EXPECT_NE(info.find("english:"), std::string::npos) << info;
    std::size_t passed = 0;
    for (std::size_t at = info.find("check:      passed"); at != std::string::npos;
         at = info.find("check:      passed", at + 1)) {
        ++passed;
    }
    EXPECT_EQ(passed, 2u) << info;
}

// Bounded by `timeout` in the command: a hang fails with status 124.
const std::string kBounded = "timeout 60 ";

TEST(CommandLine, ClosedStandardInputEndsTheBatchAtOnce) {
    const std::string answer = RunNira("lookup - <&-; echo status=$?", kBounded);
    EXPECT_EQ(answer.substr(answer.size() > 80 ? answer.size() - 80 : 0), "status=0\n");
}

TEST(CommandLine, AnswersLostToAFullDiskAreAnError) {
    for (const char* arguments : {"lookup book", "lookup -", "info", "--version"}) {
        const std::string answer = RunNira(std::string(arguments) + " >/dev/full; echo status=$?",
                                           "printf 'book\\n' | " + kBounded);
        EXPECT_NE(answer.find("nira: cannot write the output: No space left on device\n"),
                  std::string::npos) << arguments << ": " << answer;
        EXPECT_NE(answer.find("status=1"), std::string::npos) << arguments << ": " << answer;
    }
}

// A FIFO blocks its reader, /dev/zero never ends: either is refused at once
// as a data file the program may not read.
TEST(CommandLine, ADataFileThatIsAFifoOrADeviceIsRefused) {
    for (const char* make : {"mkfifo '%s/english'", "ln -s /dev/zero '%s/english'"}) {
        char folder[] = "/tmp/nira-special-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        const std::string dir = folder;
        const std::string inDir = kBounded + "env NIRA_DATA_DIR='" + dir + "' ";
        char command[256];
        std::snprintf(command, sizeof command, make, folder);
        ASSERT_EQ(std::system(command), 0);
        ASSERT_EQ(std::system(("cp '" + JoinPath(DataDir(), "persian") + "' '" + dir + "/'").c_str()), 0);
        for (const char* arguments : {"lookup book", "info"}) {
            const std::string answer = RunNira(std::string(arguments) + "; echo status=$?", inDir);
            EXPECT_NE(answer.find(dir + "/english"), std::string::npos) << make << ": " << answer;
            EXPECT_NE(answer.find("status=1"), std::string::npos) << make << ": " << answer;
        }
        EXPECT_NE(RunNira("lookup book", inDir).find("Access to " + dir + "/english was denied."),
                  std::string::npos) << make;
        std::system(("rm -rf '" + dir + "'").c_str());
    }
}

TEST(CommandLine, AlteredOrMissingDataFileIsRefusedWithItsName) {
    char folder[] = "/tmp/nira-altered-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string dir = folder;
    const std::string inDir = "env NIRA_DATA_DIR='" + dir + "' ";
    ASSERT_EQ(std::system(("cp '" + JoinPath(DataDir(), "persian") + "' '" +
                           JoinPath(DataDir(), "english") + "' '" + dir + "/'").c_str()), 0);
    ASSERT_EQ(std::system(("printf 'x' | dd of='" + dir +
                           "/english' bs=1 seek=100 conv=notrunc status=none").c_str()), 0);

    const std::string altered = RunNira("lookup book; echo status=$?", inDir);
    EXPECT_NE(altered.find(dir + "/english is not the data file"), std::string::npos) << altered;
    EXPECT_NE(altered.find("status=1"), std::string::npos) << altered;

    std::remove((dir + "/english").c_str());
    const std::string missing = RunNira("lookup book; echo status=$?", inDir);
    EXPECT_NE(missing.find(dir + "/english was not found."), std::string::npos) << missing;
    EXPECT_NE(missing.find("status=1"), std::string::npos) << missing;
    std::system(("rm -rf '" + dir + "'").c_str());
}

}  // namespace
}  // namespace nira
