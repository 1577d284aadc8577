// Our editors' verdicts on the sources' words: the rows the build refuses,
// and what each verdict does to both files (a dropped word gone from the
// English headword and as a Persian headword, an automatic link brought
// back, a source's spelling mended, a Wiktionary gloss mended), with the
// figures the report gives.
#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/Fixture.h"
#include "text/Cp1256.h"
#include "tools/DictionaryBuild.h"
#include "tools/EditorReview.h"
#include "tools/PersianText.h"
#include "tools/Sources.h"
#include "tools/WordNet.h"

namespace nira::datatool {
namespace {

void Write(const test::TempFolder& dir, const std::string& name, const std::string& text) {
    std::ofstream(dir.FilePath(name), std::ios::binary) << text;
}

std::string Meaning(const char* utf8) { return *PersianMeaningBytes(NormalizePersian(Utf8ToUtf16(utf8))); }
std::string Headword(const char* utf8) { return *PersianHeadwordBytes(NormalizePersian(Utf8ToUtf16(utf8))); }

TEST(EditorReview, RowsGiveHeadwordSenseWordVerdictAndText) {
    const std::vector<ReviewRow> rows = ParseReview(
        "# comment\n"
        "\n"
        "tin\t00213794-v\tامکان داشتن\tdrop\r\n"
        "store\t02281093-v\tذخیره کردن\trestore\n"
        "even\tw1234\tشب\tdrop\n"
        "same\tw77\t-\tgloss\tyes, exactly, including oneself\n"
        "-\tspell\tپاک کن\tspell\tپاک‌کن\n"
        "migraine\thint\tسردرد\tdrop\n",
        "test.tsv");
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].headword, "tin");
    EXPECT_EQ(rows[0].sense, "00213794-v");
    EXPECT_EQ(rows[0].persian, "امکان داشتن");
    EXPECT_EQ(rows[0].verdict, Verdict::kDrop);
    EXPECT_EQ(rows[1].verdict, Verdict::kRestore);
    EXPECT_EQ(rows[3].verdict, Verdict::kGloss);
    EXPECT_EQ(rows[3].text, "yes, exactly, including oneself");
    EXPECT_EQ(rows[4].verdict, Verdict::kSpell);
    EXPECT_EQ(rows[4].text, "پاک‌کن");
}

TEST(EditorReview, MalformedRowsAreRefusedWithFileAndLine) {
    const struct {
        const char* row;
        const char* why;
    } cases[] = {
        {"tin\t00213794-v\tقلع\n", "4 or 5"},
        {"tin\t00213794-v\tقلع\tdrop\tmore\textra\n", "4 or 5"},
        {"\t00213794-v\tقلع\tdrop\n", "empty headword"},
        {"tin\t0021379-v\tقلع\tdrop\n", "unknown sense"},
        {"tin\t00213794-x\tقلع\tdrop\n", "unknown sense"},
        {"tin\twx\tقلع\tdrop\n", "unknown sense"},
        {"tin\t00213794-v\tقلع\tmaybe\n", "unknown verdict"},
        {"tin\t00213794-v\tقلع، حلب\tdrop\n", "one word"},
        {"tin\t00213794-v\ttin\tdrop\n", "one word"},
        {"tin\tw12\tقلع\trestore\n", "automatic link"},
        {"tin\thint\tفلز\tout\n", "kept or dropped"},
        {"tin\t00213794-v\tقلع\tdrop\tnote\n", "only for a gloss"},
        {"tin\t00213794-v\t-\tgloss\tmetal\n", "Wiktionary line"},
        {"-\tspell\tپاک کن\tdrop\n", "spell goes with spell"},
        {"-\tspell\tپاک کن\tspell\n", "how it is written"},
    };
    for (const auto& c : cases) {
        try {
            ParseReview(std::string("# first line\n") + c.row, "x.tsv");
            ADD_FAILURE() << "accepted: " << c.row;
        } catch (const std::runtime_error& e) {
            const std::string what = e.what();
            EXPECT_EQ(what.rfind("x.tsv:2: ", 0), 0u) << what;
            EXPECT_NE(what.find(c.why), std::string::npos) << what;
        }
    }
}

TEST(EditorReview, SynsetSenseKeysWriteSatellitesAsAdjectives) {
    EXPECT_EQ(SynsetSenseKey(MakeSynsetId(kNoun, 6410904)), "06410904-n");
    EXPECT_EQ(SynsetSenseKey(MakeSynsetId(kAdverb, 12)), "00000012-r");
    const CEditorReview review(ParseReview("good\t00005000-s\tخوب\tdrop\n", "r.tsv"));
    EXPECT_EQ(review.OfSynset(MakeSynsetId(kAdjective, 5000), Headword("خوب")), Verdict::kDrop);
    EXPECT_EQ(review.OfSynset(MakeSynsetId(kAdjective, 5001), Headword("خوب")), Verdict::kNone);
}

// book has two noun synsets: 00001000 (physical object; Wiktionary's
// OMW table gives جلد, the automatic links سفر, which nothing confirms)
// and 00002000 (a written work; کتاب from both). Wiktionary line 2 gives
// book کتاب and نسک, placed on no synset (two noun senses, no gloss match).
class EditorVerdictsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Write(m_wordNetDir, "data.noun",
              "00001000 06 n 02 book 0 volume 0 000 | physical objects consisting of pages bound together\n"
              "00002000 10 n 01 book 0 000 | a written work or composition that has been published\n");
        Write(m_wordNetDir, "index.noun", "book n 2 0 2 0 00002000 00001000  \nvolume n 1 0 1 0 00001000  \n");
        for (const char* name : {"data.verb", "index.verb", "data.adj", "index.adj", "data.adv", "index.adv",
                                 "index.sense"}) {
            Write(m_wordNetDir, name, "");
        }
        Write(m_sourcesDir, kWiktionaryFile,
              "# English :: Persian\n"
              "book {n} (colection of sheets) :: کتاب, نسک\n");
        Write(m_sourcesDir, kOmwWiktionaryFile, "00001000-n\tfas:lemma\tجلد\n00002000-n\tfas:lemma\tکتاب\n");
        Write(m_sourcesDir, kOmwCldrFile, "");
        Write(m_sourcesDir, kOmwPersianWordNetFile, "00001000-n\tlemma\tسفر\n00002000-n\tlemma\tکتاب\n");
        m_wordNet.Load(m_wordNetDir.Path());
        m_sources = ReadSources(m_sourcesDir.Path());
    }

    BuiltDictionary BuildWith(const std::string& review) {
        m_sources.review = CEditorReview(ParseReview(review, "r.tsv"));
        return BuildDictionary(m_wordNet, m_sources);
    }

    static const PlainEntry* Find(const std::vector<PlainEntry>& entries, const std::string& headword) {
        for (const PlainEntry& e : entries) {
            if (e.headword == headword) return &e;
        }
        return nullptr;
    }

    test::TempFolder m_wordNetDir;
    test::TempFolder m_sourcesDir;
    CWordNet m_wordNet;
    Sources m_sources;
};

TEST_F(EditorVerdictsTest, EachVerdictShapesBothFiles) {
    const struct {
        const char* review;
        const char* word;  // a word the verdict concerns
        bool inBook;       // it stands in book's Persian meaning
        bool headword;     // it is a Persian headword
    } cases[] = {
        {"", "جلد", true, true},
        {"", "سفر", false, false},  // the automatic link is left out by the judge
        {"", "نسک", true, true},
        {"book\t00001000-n\tجلد\tdrop\n", "جلد", false, false},
        {"volume\t00001000-n\tجلد\tdrop\n", "جلد", false, false},  // a synset verdict holds for all its words
        {"book\t00001000-n\tجلد\tkeep\n", "جلد", true, true},
        {"book\tw2\tنسک\tdrop\n", "نسک", false, false},
        {"book\tw3\tنسک\tdrop\n", "نسک", true, true},  // another line
        {"book\t00001000-n\tسفر\trestore\n", "سفر", true, true},
        {"book\t00001000-n\tسفر\tout\n", "سفر", false, false},
        {"-\tspell\tنسک\tspell\tنامک\n", "نسک", false, false},
        {"-\tspell\tنسک\tspell\tنامک\n", "نامک", true, true},
        // A verdict on the source's spelling holds for the mended one.
        {"-\tspell\tنسک\tspell\tنامک\nbook\tw2\tنسک\tdrop\n", "نامک", false, false},
    };
    for (const auto& c : cases) {
        const BuiltDictionary built = BuildWith(c.review);
        const std::string& book = Find(built.englishHeadwords, "book")->persian;
        EXPECT_EQ(book.find(Meaning(c.word)) != std::string::npos, c.inBook) << c.review << c.word;
        EXPECT_EQ(Find(built.persianHeadwords, Headword(c.word)) != nullptr, c.headword) << c.review << c.word;
    }
}

TEST_F(EditorVerdictsTest, ABroughtBackLinkMeansItsSynsetInPersian) {
    const BuiltDictionary built = BuildWith("book\t00001000-n\tسفر\trestore\n");
    EXPECT_EQ(Find(built.persianHeadwords, Headword("سفر"))->english,
              "book, volume: physical objects consisting of pages bound together");
    EXPECT_EQ(built.counts.automaticDropped, 1u);  // the judge's own figure stays
}

TEST_F(EditorVerdictsTest, AMendedGlossIsWhatThePersianHeadwordShows) {
    m_sources.review = CEditorReview(ParseReview("book\tw2\t-\tgloss\tcollection of sheets\n", "r.tsv"));
    MendGlosses(m_sources.wiktionary, m_sources.review);
    const BuiltDictionary built = BuildDictionary(m_wordNet, m_sources);
    EXPECT_EQ(Find(built.persianHeadwords, Headword("نسک"))->english, "book: collection of sheets");
}

TEST_F(EditorVerdictsTest, TheReviewCountsWhatMetAWordAndNamesWhatDidNot) {
    BuildWith("book\t00001000-n\tجلد\tdrop\n"
              "book\t00002000-n\tکتاب\tkeep\n"
              "book\t00001000-n\tسفر\trestore\n"
              "book\t00002000-n\tدفتر\tdrop\n");
    const CEditorReview& review = m_sources.review;
    EXPECT_EQ(review.MetCount(Verdict::kDrop, false), 1u);
    EXPECT_EQ(review.MetCount(Verdict::kKeep, false), 1u);
    EXPECT_EQ(review.MetCount(Verdict::kRestore, false), 1u);
    EXPECT_EQ(review.Unmatched(), (std::vector<std::string>{"00002000-n دفتر"}));
}

}  // namespace
}  // namespace nira::datatool
