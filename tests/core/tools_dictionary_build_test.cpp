// The data build over a small WordNet and small word lists written by the
// test: which headwords exist, one entry per headword, the order of senses,
// the cuts that keep entries inside the program's buffers, and the files
// and header it writes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "dict/Collation.h"
#include "dict/Constants.h"
#include "present/Constants.h"
#include "tools/DataBuild.h"
#include "tools/DictionaryBuild.h"
#include "tools/Sources.h"
#include "tools/WordNet.h"
#include "tools/stages/DataFiles.h"

namespace nira::datatool {
namespace {

class TempFolder {
public:
    TempFolder() {
        char pattern[] = "/tmp/nira-datatool-XXXXXX";
        if (mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempFolder() { std::system(("rm -rf '" + m_path + "'").c_str()); }
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(File(name), std::ios::binary) << text;
    }

private:
    std::string m_path;
};

const char* const kLicenceLine = "  1 This software and database is being provided to you\n";

// book: two noun senses (tagged 46 and 10) and one verb sense; volume
// shares the second noun synset; a hyphenated gloss; a 52-byte lemma.
void WriteWordNet(const TempFolder& dir) {
    dir.Write("data.noun", std::string(kLicenceLine) +
        "00001000 05 n 02 book 0 volume 0 001 @ 00003000 n 0000 | physical objects consisting of pages bound together; \"a doorstop\"\n"
        "00002000 10 n 01 book 0 001 @ 00003000 n 0000 | a written work or composition that has been published\n"
        "00003000 10 n 01 Book_of_Mormon 0 000 | a well-known sacred text\n"
        "00004000 10 n 01 " + std::string(52, 'x') + " 0 000 | too long a lemma\n");
    dir.Write("data.verb", std::string(kLicenceLine) +
        "00001500 41 v 01 book 0 000 | arrange for and reserve in advance\n");
    dir.Write("data.adj", std::string(kLicenceLine) +
        "00005000 00 s 01 good(a) 0 000 | having desirable qualities\n");
    dir.Write("data.adv", kLicenceLine);
    dir.Write("index.noun", std::string(kLicenceLine) +
        "book n 2 0 2 2 00002000 00001000  \n"
        "book_of_mormon n 1 0 1 0 00003000  \n"
        "volume n 1 0 1 0 00001000  \n" + std::string(52, 'x') + " n 1 0 1 0 00004000  \n");
    dir.Write("index.verb", std::string(kLicenceLine) + "book v 1 0 1 0 00001500  \n");
    dir.Write("index.adj", std::string(kLicenceLine) + "good a 1 0 1 0 00005000  \n");
    dir.Write("index.adv", kLicenceLine);
    dir.Write("index.sense",
        "book%1:06:00:: 00001000 2 10\n"
        "book%1:10:00:: 00002000 1 46\n"
        "book%2:41:00:: 00001500 1 0\n"
        "volume%1:06:00:: 00001000 1 0\n");
    dir.Write("noun.exc", "volumina volume\nbooks_of_mormon book_of_mormon\n");
    dir.Write("verb.exc", "bookt book\n");
    dir.Write("adj.exc", "better good well\n");
    dir.Write("adv.exc", "");
}

void WriteSources(const TempFolder& dir) {
    dir.Write(kWiktionaryFile,
        "# English :: Persian dictionary\n"
        "Abadan {prop} (city in Iran) :: آبادان /âbâdân/\n"
        "book {n} (collection of sheets) :: کِتاب /ketâb/, نسک /nask/\n"
        "book {v} (to reserve) :: رزرو کردن /rezerv kardan/\n"
        "Côte d'Ivoire {prop} (country) :: ساحل عاج\n" + std::string(52, 'y') + " {n} :: آب\n");
    dir.Write(kOmwWiktionaryFile, "# Wiktionary\tfas\thttp://wiktionary.org/\tCC BY-SA\n"
                                  "00002000-n\tfas:lemma\tکتاب\n"
                                  "00001000-n\tfas:lemma\tجلد\n");
    dir.Write(kOmwCldrFile, "# cldr\tfas\thttp://cldr.unicode.org/\tMIT-like\n");
    dir.Write(kOmwPersianWordNetFile,
        "# Persian Wordnet\tfas\thttp://www.pwn.ir\tFree to use \n"
        "00001000-n\tlemma\tجلد\n"
        "00001500-v\tlemma\tرزرو کردن\n"
        "00002000-n\tlemma\tكتاب\n"
        "00005000-s\tlemma\tخوب\n"
        "00009999-n\tlemma\tناپیدا\n"
        "00001000-n\tlemma\tPR\n");
}

void WriteTexts(const TempFolder& dir) {
    dir.Write("welcome-fa.txt", "خوش آمدید!\nواژه‌ای را بنویسید.\n");
    dir.Write("about.txt", "WordNet 3.0 © 2006 Princeton University\n");
    dir.Write("verbs.tsv", "# infinitive, past stem, present stem\nرزرو کردن\tرزرو کرد\tرزرو کن\n");
    dir.Write("colloquial.tsv", "کتابا\tکتاب\n");
}

const PlainEntry* Find(const std::vector<PlainEntry>& entries, const std::string& headword) {
    for (const PlainEntry& e : entries) {
        if (e.headword == headword) return &e;
    }
    return nullptr;
}

std::vector<std::string> Headwords(const std::vector<PlainEntry>& entries) {
    std::vector<std::string> headwords;
    for (const PlainEntry& e : entries) headwords.push_back(e.headword);
    return headwords;
}

bool InOrder(const std::vector<PlainEntry>& entries) {
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (CompareHeadword(reinterpret_cast<const unsigned char*>(entries[i - 1].headword.c_str()),
                            reinterpret_cast<const unsigned char*>(entries[i].headword.c_str())) >= 0) {
            return false;
        }
    }
    return true;
}

class DictionaryBuildTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteWordNet(m_wordNetDir);
        WriteSources(m_sourcesDir);
        m_wordNet.Load(m_wordNetDir.Path());
        m_built = BuildDictionary(m_wordNet, ReadSources(m_sourcesDir.Path()));
    }

    // The fixture's sources with lines added to a word list, built again.
    const BuiltDictionary& RebuildWith(const char* file, const std::string& lines) {
        std::ofstream(m_sourcesDir.File(file), std::ios::binary | std::ios::app) << lines;
        m_built = BuildDictionary(m_wordNet, ReadSources(m_sourcesDir.Path()));
        return m_built;
    }

    TempFolder m_wordNetDir;
    TempFolder m_sourcesDir;
    CWordNet m_wordNet;
    BuiltDictionary m_built;
};

const std::string kKetab = "\xDF\xCA\xC7\xC8";  // کتاب as a headword

TEST_F(DictionaryBuildTest, EnglishHeadwordsAreTheLemmasAndTheNewWiktionaryWords) {
    EXPECT_EQ(Headwords(m_built.englishHeadwords),
              (std::vector<std::string>{"abadan", "book", "book of mormon", "good", "volume"}));
    EXPECT_EQ(m_built.counts.wiktionaryOnly, 1u);
    EXPECT_EQ(m_built.counts.longEnglishSkipped, 2u);   // one lemma, one Wiktionary headword
    EXPECT_EQ(m_built.counts.foreignEnglishSkipped, 1u);
    EXPECT_EQ(m_built.counts.unknownSynsets, 1u);
    EXPECT_EQ(m_built.counts.persianWordsDropped, 1u);  // "PR"
}

TEST_F(DictionaryBuildTest, DefinitionsFollowWordNetOrderWithoutHyphens) {
    EXPECT_EQ(Find(m_built.englishHeadwords, "book")->english,
              "1- (n.) a written work or composition that has been published "
              "2- (n.) physical objects consisting of pages bound together "
              "3- (v.) arrange for and reserve in advance");
    EXPECT_EQ(Find(m_built.englishHeadwords, "book of mormon")->english, "1- (n.) a well\x96known sacred text");
    EXPECT_EQ(Find(m_built.englishHeadwords, "good")->english, "1- (adj.) having desirable qualities");
    EXPECT_EQ(Find(m_built.englishHeadwords, "abadan")->english, "");
}

TEST_F(DictionaryBuildTest, PersianSensesGoTaggedThenWiktionaryThenTheRest) {
    // Tagged synsets by count (کتاب 46, جلد 10), then the Wiktionary senses
    // (کِتاب is known but نسک is new; رزرو کردن is new), then the untagged
    // verb synset, whose only word stood already and is left out.
    EXPECT_EQ(Find(m_built.englishHeadwords, "book")->persian,
              "1- \x98\xCA\xC7\xC8 2- \xCC\xE1\xCF 3- \x98\xF6\xCA\xC7\xC8\xA1 \xE4\xD3\x98 "
              "4- \xD1\xD2\xD1\xE6 \x98\xD1\xCF\xE4");
    EXPECT_EQ(Find(m_built.englishHeadwords, "volume")->persian, "1- \xCC\xE1\xCF");
    EXPECT_EQ(Find(m_built.englishHeadwords, "abadan")->persian, "1- \xC2\xC8\xC7\xCF\xC7\xE4");
    EXPECT_EQ(Find(m_built.englishHeadwords, "book of mormon")->persian, "");
}

TEST_F(DictionaryBuildTest, PersianHeadwordsAreMergedAndSorted) {
    ASSERT_TRUE(InOrder(m_built.persianHeadwords));
    std::size_t ketab = 0;
    for (const PlainEntry& e : m_built.persianHeadwords) ketab += e.headword == kKetab;
    EXPECT_EQ(ketab, 1u);  // کتاب, كتاب and کِتاب are one headword
    EXPECT_NE(Find(m_built.persianHeadwords, "\xC2\xC8"), nullptr);  // آب of the long headword
    EXPECT_EQ(Find(m_built.persianHeadwords, "\xE4\xC7\x81\xED\xCF\xC7"), nullptr);  // unknown synset
    EXPECT_TRUE(InOrder(m_built.englishHeadwords));
}

TEST_F(DictionaryBuildTest, EnglishMeaningsPutCuratedAndFrequentSensesFirst) {
    // Both curated and as frequent: the Wiktionary sense before the synset.
    EXPECT_EQ(Find(m_built.persianHeadwords, kKetab)->english,
              "book: collection of sheets; book: a written work or composition that has been published");
    // The automatic link comes after the curated Wiktionary sense.
    EXPECT_EQ(Find(m_built.persianHeadwords, "\xD1\xD2\xD1\xE6 \xDF\xD1\xCF\xE4")->english,
              "book: to reserve; book: arrange for and reserve in advance");
    EXPECT_EQ(Find(m_built.persianHeadwords, "\xCC\xE1\xCF")->english,
              "book, volume: physical objects consisting of pages bound together");
    EXPECT_EQ(Find(m_built.persianHeadwords, "\xD3\xC7\xCD\xE1 \xDA\xC7\xCC")->english,
              "C\xF4te d'Ivoire: country");
}

TEST_F(DictionaryBuildTest, SensesOfOneKindGoByTaggedCountNotSourceOrder) {
    // Each word is linked to the synset tagged 10 before the one tagged 46;
    // the automatic links are kept as both synsets' hypernym has the word too.
    struct Case {
        const char* file;
        const char* lines;
        std::string headword;
    } const cases[] = {
        {kOmwPersianWordNetFile,
         "00001000-n\tlemma\tنوشته\n00002000-n\tlemma\tنوشته\n00003000-n\tlemma\tنوشته\n",
         "\xE4\xE6\xD4\xCA\xE5"},
        {kOmwWiktionaryFile, "00001000-n\tfas:lemma\tدفتر\n00002000-n\tfas:lemma\tدفتر\n",
         "\xCF\xDD\xCA\xD1"},
    };
    for (const Case& c : cases) {
        const PlainEntry* entry = Find(RebuildWith(c.file, c.lines).persianHeadwords, c.headword);
        ASSERT_NE(entry, nullptr) << c.file;
        EXPECT_EQ(entry->english,
                  "book: a written work or composition that has been published; "
                  "book, volume: physical objects consisting of pages bound together")
            << c.file;
    }
}

TEST_F(DictionaryBuildTest, ALaterSenseWhoseWordsWereAllShownIsLeftOut) {
    // [کتاب, مجلد] both new, then [مجلد] alone, then [مجلد, سفر] with one new word.
    const BuiltDictionary& built = RebuildWith(kWiktionaryFile,
        "tome {n} (large book) :: کتاب, مجلد\n"
        "tome {n} (one volume) :: مجلد\n"
        "tome {n} (old word) :: مجلد, سفر\n");
    EXPECT_EQ(Find(built.englishHeadwords, "tome")->persian,
              "1- \x98\xCA\xC7\xC8\xA1 \xE3\xCC\xE1\xCF 2- \xE3\xCC\xE1\xCF\xA1 \xD3\xDD\xD1");
}

// One English lemma of 51 bytes with one noun synset per gloss; the first
// synset has 1500 Persian words, a meaning that alone fills a pane.
BuiltDictionary BuildLongLemma(const std::vector<std::string>& glosses) {
    TempFolder wordNetDir;
    TempFolder sourcesDir;
    const std::string lemma(51, 'q');
    std::string data = kLicenceLine;
    std::string offsets;
    std::string pwn = "# Wiktionary\tfas\tx\tCC BY-SA\n";
    const char* const letters[] = {"ب", "پ", "ت", "ث", "ج", "چ", "ح", "خ", "د", "ذ", "ر", "ز", "ژ", "س", "ش"};
    for (std::size_t i = 0; i < glosses.size(); ++i) {
        const std::string offset = std::to_string(10000000 + i);
        data += offset + " 05 n 01 " + lemma + " 0 000 | " + glosses[i] + "\n";
        offsets += " " + offset;
    }
    for (int i = 0; i < 1500; ++i) {
        pwn += "10000000-n\tlemma\t" + std::string(letters[i % 15]) + letters[i / 15 % 15] +
               letters[i / 225 % 15] + "\n";
    }
    const std::string count = std::to_string(glosses.size());
    wordNetDir.Write("data.noun", data);
    wordNetDir.Write("index.noun", lemma + " n " + count + " 0 " + count + " 0" + offsets + "  \n");
    for (const char* name : {"data.verb", "data.adj", "data.adv", "index.verb", "index.adj",
                             "index.adv", "index.sense"}) {
        wordNetDir.Write(name, "");
    }
    sourcesDir.Write(kWiktionaryFile, "");
    sourcesDir.Write(kOmwWiktionaryFile, pwn);
    sourcesDir.Write(kOmwCldrFile, "");
    sourcesDir.Write(kOmwPersianWordNetFile, "");
    CWordNet wordNet;
    wordNet.Load(wordNetDir.Path());
    return BuildDictionary(wordNet, ReadSources(sourcesDir.Path()));
}

// Of twelve definitions of 442 bytes ten would fit a pane, but only nine
// fit the 8999-byte entry beside that meaning.
class LongEntryTest : public ::testing::Test {
protected:
    void SetUp() override { m_built = BuildLongLemma(std::vector<std::string>(12, std::string(437, 'g'))); }

    BuiltDictionary m_built;
};

TEST_F(LongEntryTest, IsCutAtSenseBoundariesToFitItsBuffers) {
    ASSERT_EQ(m_built.englishHeadwords.size(), 1u);
    const PlainEntry& e = m_built.englishHeadwords[0];
    EXPECT_LE(e.persian.size(), static_cast<std::size_t>(kMaxPaneTextBytes));
    EXPECT_GT(e.persian.size(), static_cast<std::size_t>(kMaxPaneTextBytes) - 10);
    EXPECT_NE(e.persian.back(), '\xA1');
    EXPECT_LE(PersianFileEntry(e, e.persian).size(), static_cast<std::size_t>(kMaxEntryBytes));
    // Nine whole senses; the tenth would still fit a pane but not the entry.
    const std::string sense = "(n.) " + std::string(437, 'g');
    EXPECT_NE(e.english.find(" 9- " + sense), std::string::npos);
    EXPECT_EQ(e.english.find("10- "), std::string::npos);
    EXPECT_EQ(e.english.substr(e.english.size() - sense.size()), sense);
    EXPECT_EQ(m_built.counts.meaningsCut, 1u);
}

// The definitions get the room the entry has left: 8999 bytes less the
// headword, the Persian meaning and the two NULs after them. A definition
// one byte longer than that room is cut to it.
TEST(EntryRoom, ADefinitionOneBytePastTheEntryLimitIsCut) {
    const PlainEntry probe = BuildLongLemma({"g"}).englishHeadwords.at(0);
    const std::size_t room = kMaxEntryBytes - probe.headword.size() - 2 - probe.persian.size();
    ASSERT_LT(room, static_cast<std::size_t>(kMaxPaneTextBytes));  // the entry limit binds first
    // Words of nine letters, the last one ending one byte past the room.
    const std::string numbered = "1- (n.) ";
    std::string gloss;
    while (numbered.size() + gloss.size() < room + 1) gloss += (gloss.size() % 10 == 9) ? ' ' : 'g';
    gloss.back() = 'g';
    ASSERT_EQ(numbered.size() + gloss.size(), room + 1);
    const BuiltDictionary built = BuildLongLemma({gloss});
    const PlainEntry& e = built.englishHeadwords.at(0);
    EXPECT_EQ(e.persian, probe.persian);
    EXPECT_LE(PersianFileEntry(e, e.persian).size(), static_cast<std::size_t>(kMaxEntryBytes));
    // Cut at its last space that fits: at most one word shorter.
    EXPECT_EQ((numbered + gloss).rfind(e.english, 0), 0u);
    EXPECT_GT(e.english.size() + 10, room);
}

class DataBuildRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteWordNet(m_wordNetDir);
        WriteSources(m_sourcesDir);
        WriteTexts(m_textDir);
    }

    DataBuildPaths Paths(const TempFolder& out) const {
        return {m_sourcesDir.Path(), m_wordNetDir.Path(), m_textDir.File("welcome-fa.txt"),
                m_textDir.File("about.txt"), out.Path(), out.File("NiraEdition.h"),
                out.File("NiraWordForms.h"), m_textDir.File("verbs.tsv"),
                m_textDir.File("colloquial.tsv"), "", "", "", "", ""};
    }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    TempFolder m_wordNetDir;
    TempFolder m_sourcesDir;
    TempFolder m_textDir;
};

TEST_F(DataBuildRunTest, WritesTheSameFilesEveryTime) {
    TempFolder first;
    TempFolder second;
    std::ostringstream report;
    RunDataBuild(Paths(first), report);
    RunDataBuild(Paths(second), report);
    for (const char* name : {"persian", "english", "NiraEdition.h", "NiraWordForms.h"}) {
        const std::string bytes = Read(first.File(name));
        EXPECT_FALSE(bytes.empty()) << name;
        EXPECT_EQ(bytes, Read(second.File(name))) << name;
    }
    EXPECT_NE(report.str().find("5 English headwords"), std::string::npos) << report.str();
    EXPECT_NE(Read(first.File("NiraEdition.h")).find("kHighestEntryPersian = 5;"), std::string::npos);
    // The exception whose lemma is a headword, and only it: "well" is none.
    const std::string forms = Read(first.File("NiraWordForms.h"));
    EXPECT_NE(forms.find("{\"\\x62\\x65\\x74\\x74\\x65\\x72\", \"\\x67\\x6f\\x6f\\x64\"},"),
              std::string::npos) << forms;
    EXPECT_EQ(forms.find("\\x77\\x65\\x6c\\x6c"), std::string::npos) << forms;
    EXPECT_NE(report.str().find("word forms: "), std::string::npos) << report.str();
}

TEST_F(DataBuildRunTest, AMissingSourceStopsTheBuildNamingTheFile) {
    std::remove(m_sourcesDir.File(kOmwCldrFile).c_str());
    TempFolder out;
    std::ostringstream report;
    try {
        RunDataBuild(Paths(out), report);
        FAIL() << "the build went on without " << kOmwCldrFile;
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "missing source file: " + m_sourcesDir.File(kOmwCldrFile));
    }
    std::remove(m_wordNetDir.File("index.sense").c_str());
    WriteSources(m_sourcesDir);
    EXPECT_THROW(RunDataBuild(Paths(out), report), std::runtime_error);
}

// Every input is read before the first file is written: a build stopped
// by a missing list leaves no half of an edition behind.
TEST_F(DataBuildRunTest, AMissingWordListStopsTheBuildBeforeAnyFileIsWritten) {
    std::remove(m_textDir.File("colloquial.tsv").c_str());
    TempFolder out;
    std::ostringstream report;
    EXPECT_THROW(RunDataBuild(Paths(out), report), std::runtime_error);
    for (const char* name : {"persian", "english", "NiraEdition.h", "NiraWordForms.h"}) {
        EXPECT_FALSE(std::ifstream(out.File(name)).good()) << name;
    }
}

TEST_F(DataBuildRunTest, RefusesAWelcomeTextTheProgramCannotShow) {
    TempFolder out;
    std::ostringstream report;
    m_textDir.Write("welcome-fa.txt", std::string(700, 'w'));
    EXPECT_THROW(RunDataBuild(Paths(out), report), std::runtime_error);
    m_textDir.Write("welcome-fa.txt", "snow \xE2\x98\x83");
    EXPECT_THROW(RunDataBuild(Paths(out), report), std::runtime_error);
}

}  // namespace
}  // namespace nira::datatool
