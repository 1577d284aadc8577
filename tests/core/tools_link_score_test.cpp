// The judge of the automatic Persian WordNet links: the score of each kind
// of evidence, what a small WordNet and small word lists give as evidence,
// and what the data build keeps, drops and puts first.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "support/Fixture.h"
#include "tools/DictionaryBuild.h"
#include "tools/LinkScore.h"
#include "tools/Sources.h"
#include "tools/WordNet.h"

namespace nira::datatool {
namespace {

using test::TempFolder;

struct VerdictCase {
    const char* name;
    LinkEvidence evidence;
    LinkVerdict verdict;
};

LinkEvidence With(bool LinkEvidence::*a, bool LinkEvidence::*b = nullptr,
                  bool LinkEvidence::*c = nullptr) {
    LinkEvidence e;
    for (bool LinkEvidence::*m : {a, b, c}) {
        if (m != nullptr) e.*m = true;
    }
    return e;
}

TEST(JudgeLink, ConfirmsKeepsAndDropsByTheEvidence) {
    using E = LinkEvidence;
    const VerdictCase cases[] = {
        {"nothing", E{}, LinkVerdict::Dropped},
        {"curated for the synset", With(&E::curatedForSynset), LinkVerdict::Confirmed},
        {"curated for a lemma's only sense", With(&E::curatedForSoleSense), LinkVerdict::Confirmed},
        {"confirmed whatever speaks against", With(&E::curatedForSynset, &E::spreadWide, &E::curatedOnlyElsewhere),
         LinkVerdict::Confirmed},
        {"curated for a lemma's first sense", With(&E::curatedForFirstSense), LinkVerdict::Kept},
        {"on a neighbour synset", With(&E::linkedToNeighbour), LinkVerdict::Kept},
        {"curated for another sense only", With(&E::curatedForOtherSense), LinkVerdict::Dropped},
        {"neighbour, but spread wide", With(&E::linkedToNeighbour, &E::spreadWide), LinkVerdict::Dropped},
        {"neighbour, but people gave it elsewhere", With(&E::linkedToNeighbour, &E::curatedOnlyElsewhere),
         LinkVerdict::Dropped},
        {"first sense and neighbour, spread wide", With(&E::curatedForFirstSense, &E::linkedToNeighbour, &E::spreadWide),
         LinkVerdict::Kept},
    };
    for (const VerdictCase& c : cases) {
        EXPECT_EQ(JudgeLink(c.evidence), c.verdict) << c.name << " (score " << LinkScore(c.evidence) << ")";
    }
}

void Write(const TempFolder& dir, const std::string& name, const std::string& text) {
    std::ofstream(dir.FilePath(name), std::ios::binary) << text;
}

// book: first noun sense 00002000 (a work), second 00001000 (a volume);
// both have the hypernym 00003000 "product"; volume has only 00001000;
// snake 00004000 and mar 00005000 are of their own.
void WriteSmallWordNet(const TempFolder& dir) {
    Write(dir, "data.noun",
          "00001000 06 n 02 book 0 volume 0 001 @ 00003000 n 0000 | pages bound together\n"
          "00002000 10 n 01 book 0 001 @ 00003000 n 0000 | a written work\n"
          "00003000 06 n 01 product 0 002 ~ 00001000 n 0000 ~ 00002000 n 0000 | something made\n"
          "00004000 05 n 01 snake 0 000 | a limbless reptile\n");
    Write(dir, "data.verb", "00005000 30 v 01 mar 0 000 | make imperfect\n");
    Write(dir, "data.adj", "");
    Write(dir, "data.adv", "");
    Write(dir, "index.noun",
          "book n 2 0 2 0 00002000 00001000  \n"
          "product n 1 0 1 0 00003000  \n"
          "snake n 1 0 1 0 00004000  \n"
          "volume n 1 0 1 0 00001000  \n");
    Write(dir, "index.verb", "mar v 1 0 1 0 00005000  \n");
    Write(dir, "index.adj", "");
    Write(dir, "index.adv", "");
    Write(dir, "index.sense", "");
}

const SynsetId kVolume = MakeSynsetId(kNoun, 1000);
const SynsetId kWork = MakeSynsetId(kNoun, 2000);
const SynsetId kProduct = MakeSynsetId(kNoun, 3000);
const SynsetId kSnake = MakeSynsetId(kNoun, 4000);
const SynsetId kMar = MakeSynsetId(kVerb, 5000);

class LinkJudgeTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSmallWordNet(m_dir);
        m_wordNet.Load(m_dir.Path());
    }
    TempFolder m_dir;
    CWordNet m_wordNet;
};

TEST_F(LinkJudgeTest, ReadsNeighboursFromTheDataLines) {
    ASSERT_NE(m_wordNet.Find(kVolume), nullptr);
    EXPECT_EQ(m_wordNet.Find(kVolume)->neighbours, std::vector<SynsetId>{kProduct});
    EXPECT_EQ(m_wordNet.Find(kProduct)->neighbours, (std::vector<SynsetId>{kVolume, kWork}));
    EXPECT_TRUE(m_wordNet.Find(kSnake)->neighbours.empty());
}

TEST_F(LinkJudgeTest, GathersTheEvidenceOfEachLink) {
    CLinkJudge judge(m_wordNet);
    judge.AddCuratedForLemma("volume", kNoun, "jeld");
    judge.AddCuratedForLemma("Book", -1, "ketab");
    judge.AddCuratedForLemma("snake", kNoun, "mar");
    for (SynsetId s : {kVolume, kWork}) judge.AddAutomatic(s, "jeld");
    for (SynsetId s : {kVolume, kWork}) judge.AddAutomatic(s, "ketab");
    for (SynsetId s : {kVolume, kProduct}) judge.AddAutomatic(s, "kala");
    judge.AddAutomatic(kMar, "mar");

    EXPECT_TRUE(judge.Evidence(kVolume, "jeld").curatedForSoleSense);
    EXPECT_EQ(judge.Judge(kVolume, "jeld"), LinkVerdict::Confirmed);
    // Given for book, whose first sense is the work: kept there, not on the volume.
    EXPECT_TRUE(judge.Evidence(kWork, "ketab").curatedForFirstSense);
    EXPECT_EQ(judge.Judge(kWork, "ketab"), LinkVerdict::Kept);
    EXPECT_TRUE(judge.Evidence(kVolume, "ketab").curatedForOtherSense);
    EXPECT_EQ(judge.Judge(kVolume, "ketab"), LinkVerdict::Dropped);
    // jeld was given for volume only: for the work it is a word of elsewhere.
    EXPECT_TRUE(judge.Evidence(kWork, "jeld").curatedOnlyElsewhere);
    EXPECT_EQ(judge.Judge(kWork, "jeld"), LinkVerdict::Dropped);
    // The same word on the hypernym.
    EXPECT_TRUE(judge.Evidence(kVolume, "kala").linkedToNeighbour);
    EXPECT_EQ(judge.Judge(kVolume, "kala"), LinkVerdict::Kept);
    // A homograph: people gave it for snake.
    EXPECT_TRUE(judge.Evidence(kMar, "mar").curatedOnlyElsewhere);
    EXPECT_EQ(judge.Judge(kMar, "mar"), LinkVerdict::Dropped);
}

TEST_F(LinkJudgeTest, CuratedSynsetWordsConfirmAndAWordOnManySynsetsSpreadsWide) {
    CLinkJudge judge(m_wordNet);
    judge.AddCuratedForSynset(kSnake, "mar");
    judge.AddAutomatic(kSnake, "mar");
    EXPECT_EQ(judge.Judge(kSnake, "mar"), LinkVerdict::Confirmed);
    EXPECT_FALSE(judge.Evidence(kSnake, "mar").curatedOnlyElsewhere);

    const SynsetId synsets[] = {kVolume, kWork, kProduct, kSnake, kMar};
    for (std::size_t i = 0; i < std::size(synsets); ++i) {
        judge.AddAutomatic(synsets[i], "daste");
        judge.AddAutomatic(synsets[i], "daste");  // the same link twice counts once
        EXPECT_EQ(judge.Evidence(kVolume, "daste").spreadWide,
                  static_cast<int>(i + 1) >= kWideSpreadSynsets) << i;
    }
}

// The whole build over the small WordNet: what is kept and in what order.
class JudgedBuildTest : public LinkJudgeTest {
protected:
    void SetUp() override {
        LinkJudgeTest::SetUp();
        Write(m_sources, kWiktionaryFile,
              "volume {n} (bound book) :: جلد\n"
              "snake {n} (reptile) :: مار\n");
        Write(m_sources, kOmwWiktionaryFile, "");
        Write(m_sources, kOmwCldrFile, "");
        // product: کالا, linked also to its hyponym volume; mar: مار (a
        // homograph of snake), and سفر with no evidence.
        Write(m_sources, kOmwPersianWordNetFile,
              "00001000-n\tlemma\tکالا\n"
              "00001000-n\tlemma\tجلد\n"
              "00003000-n\tlemma\tکالا\n"
              "00005000-v\tlemma\tمار\n"
              "00005000-v\tlemma\tخراب کردن\n");
        m_built = BuildDictionary(m_wordNet, ReadSources(m_sources.Path()));
    }
    TempFolder m_sources;
    BuiltDictionary m_built;
};

const PlainEntry* FindEntry(const std::vector<PlainEntry>& entries, const std::string& headword) {
    for (const PlainEntry& e : entries) {
        if (e.headword == headword) return &e;
    }
    return nullptr;
}

const std::string kJeld = "\xCC\xE1\xCF";      // جلد
const std::string kKala = "\xDF\xC7\xE1\xC7";  // کالا as a headword

TEST_F(JudgedBuildTest, ConfirmedWordsComeFirstAndUnbackedLinksAreLeftOut) {
    // volume: the Wiktionary sense, then the synset with the confirmed جلد
    // before کالا, which only its hypernym backs.
    EXPECT_EQ(FindEntry(m_built.englishHeadwords, "volume")->persian,
              "1- " + kJeld + " 2- " + kJeld + "\xA1 \x98\xC7\xE1\xC7");
    EXPECT_EQ(FindEntry(m_built.englishHeadwords, "product")->persian, "1- \x98\xC7\xE1\xC7");
    // mar: both automatic words lack evidence; its definition stays.
    EXPECT_EQ(FindEntry(m_built.englishHeadwords, "mar")->persian, "");
    EXPECT_EQ(FindEntry(m_built.englishHeadwords, "mar")->english, "1- (v.) make imperfect");
    // A word left out makes no Persian headword; مار stays, for snake only.
    EXPECT_EQ(FindEntry(m_built.persianHeadwords, "\xCE\xD1\xC7\xC8 \xDF\xD1\xCF\xE4"), nullptr);
    EXPECT_EQ(FindEntry(m_built.persianHeadwords, "\xE3\xC7\xD1")->english,
              "snake: reptile; snake: a limbless reptile");
    EXPECT_EQ(FindEntry(m_built.persianHeadwords, kKala)->english,
              "book, volume: pages bound together; product: something made");
    EXPECT_EQ(m_built.counts.automaticConfirmed, 1u);
    EXPECT_EQ(m_built.counts.automaticKept, 2u);
    EXPECT_EQ(m_built.counts.automaticDropped, 2u);
}

TEST_F(JudgedBuildTest, SensesWithAConfirmedWordComeBeforeTheOthers) {
    // book: the work is met in the tagged texts, so it would lead, but its
    // only word کالا is backed by its hypernym alone; the volume's جلد is
    // confirmed, so the volume's sense comes first.
    Write(m_dir, "index.sense", "book%1:10:00:: 00002000 1 5\n");
    CWordNet wordNet;
    wordNet.Load(m_dir.Path());
    Write(m_sources, kWiktionaryFile, "volume {n} (bound book) :: جلد\n");
    Write(m_sources, kOmwPersianWordNetFile,
          "00002000-n\tlemma\tکالا\n"
          "00003000-n\tlemma\tکالا\n"
          "00001000-n\tlemma\tجلد\n");
    const BuiltDictionary built = BuildDictionary(wordNet, ReadSources(m_sources.Path()));
    EXPECT_EQ(FindEntry(built.englishHeadwords, "book")->persian,
              "1- " + kJeld + " 2- \x98\xC7\xE1\xC7");
}

}  // namespace
}  // namespace nira::datatool
