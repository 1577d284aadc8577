// What the data build adds to the sources' translations: our vocabulary
// rows (first, and as new headwords and Persian headwords), CLDR names on
// the headwords of that name and kind, the category hint of a noun whose
// hypernym has Persian from people, the gloss of a Wiktionary sense that
// gives no Persian, and no entry left without any meaning.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "support/Fixture.h"
#include "text/Cp1256.h"
#include "tools/DictionaryBuild.h"
#include "tools/EditorReview.h"
#include "tools/InflectedForms.h"
#include "tools/PersianText.h"
#include "tools/PersianVocabulary.h"
#include "tools/Sources.h"
#include "tools/Vocabulary.h"
#include "tools/WordNet.h"
#include "tools/stages/LemmaPersian.h"

namespace nira::datatool {
namespace {

void Write(const test::TempFolder& dir, const std::string& name, const std::string& text) {
    std::ofstream(dir.FilePath(name), std::ios::binary) << text;
}

// Persian as the "persian" file writes it inside a meaning.
std::string Meaning(const char* utf8) { return *PersianMeaningBytes(NormalizePersian(Utf8ToUtf16(utf8))); }
// ... and as a headword of the "english" file.
std::string Headword(const char* utf8) { return *PersianHeadwordBytes(NormalizePersian(Utf8ToUtf16(utf8))); }

// dog (Persian from Wiktionary's OMW table) is the hypernym of poodle; rex
// is an instance of dog; cur has Persian only from the automatic links and
// is mutt's hypernym; canine has Persian only from our vocabulary and is
// hound's hypernym. french is a language, ewe a sheep.
class DictionaryAdditionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Write(m_wordNetDir, "data.noun",
              "00010000 05 n 01 dog 0 000 | a domesticated carnivore\n"
              "00011000 05 n 01 poodle 0 001 @ 00010000 n 0000 | an intelligent dog\n"
              "00012000 05 n 01 Rex 0 001 @i 00010000 n 0000 | a famous dog\n"
              "00013000 05 n 01 mutt 0 001 @ 00014000 n 0000 | an inferior dog\n"
              "00014000 05 n 01 cur 0 000 | an inferior dog or one of mixed breed\n"
              "00015000 05 n 01 canine 0 000 | a mammal of the dog family\n"
              "00016000 05 n 01 hound 0 001 @ 00015000 n 0000 | a dog that hunts by scent\n"
              "00017000 10 n 01 French 0 000 | the Romance language spoken in France\n"
              "00017500 10 n 01 Provencal 0 001 @ 00017000 n 0000 | the language of Provence\n"
              "00018000 05 n 01 ewe 0 000 | female sheep\n"
              "00019000 18 n 01 Stopes 0 000 | a campaigner for birth control\n"
              "00019500 18 n 01 stopper 0 000 | a plug\n"
              "00020000 05 n 01 clam 0 001 @ 00014000 n 0000 | a burrowing mollusk\n"
              "00021000 05 n 01 clam 0 001 @ 00010000 n 0000 | a dollar\n");
        Write(m_wordNetDir, "index.noun",
              "canine n 1 0 1 0 00015000  \n"
              "clam n 2 0 2 0 00020000 00021000  \n"
              "cur n 1 0 1 0 00014000  \n"
              "dog n 1 0 1 0 00010000  \n"
              "ewe n 1 0 1 0 00018000  \n"
              "french n 1 0 1 0 00017000  \n"
              "hound n 1 0 1 0 00016000  \n"
              "mutt n 1 0 1 0 00013000  \n"
              "poodle n 1 0 1 0 00011000  \n"
              "provencal n 1 0 1 0 00017500  \n"
              "rex n 1 0 1 0 00012000  \n"
              "stopes n 1 0 1 0 00019000  \n"
              "stopper n 1 0 1 0 00019500  \n");
        Write(m_wordNetDir, "data.verb",
              "00020000 38 v 01 stop 0 000 | come to a halt\n"
              "00020500 38 v 01 dog 0 000 | go after with the intent to catch\n");
        Write(m_wordNetDir, "index.verb", "dog v 1 0 1 0 00020500  \nstop v 1 0 1 0 00020000  \n");
        Write(m_wordNetDir, "data.adj",
              "00021000 00 a 01 stopped 0 000 | not moving\n"
              "00022000 00 a 01 bad 0 000 | not good\n"
              "00023000 00 a 01 worse 0 000 | more bad\n"
              "00024000 00 a 01 studied 0 000 | carefully practiced\n"
              "00025000 00 a 01 dogged 0 000 | stubbornly unyielding\n");
        Write(m_wordNetDir, "index.adj",
              "bad a 1 0 1 0 00022000  \ndogged a 1 0 1 0 00025000  \nstopped a 1 0 1 0 00021000  \n"
              "studied a 1 0 1 0 00024000  \nworse a 1 0 1 0 00023000  \n");
        for (const char* name : {"data.adv", "index.adv", "index.sense"}) {
            Write(m_wordNetDir, name, "");
        }
        Write(m_sourcesDir, kWiktionaryFile,
              "the {article} (article) :: Not used in Persian\n"
              "zzz {n} :: zzz\n");
        Write(m_sourcesDir, kOmwWiktionaryFile,
              "00010000-n\tfas:lemma\tسگ\n"
              "00020000-v\tfas:lemma\tایستادن\n"
              "00022000-a\tfas:lemma\tبد\n");
        Write(m_sourcesDir, kOmwCldrFile, "");
        Write(m_sourcesDir, kOmwPersianWordNetFile, "00014000-n\tlemma\tسگ ولگرد\n");
        m_wordNet.Load(m_wordNetDir.Path());
        m_sources = ReadSources(m_sourcesDir.Path());
    }

    BuiltDictionary Build() const { return BuildDictionary(m_wordNet, m_sources); }

    // Verdicts keeping the hint each headword would get.
    CEditorReview KeepingHints(const std::vector<std::string>& headwords) const {
        std::string rows;
        for (const std::string& headword : headwords) {
            for (const char* kind : {"سگ", "سگ‌سان", "فرانسوی"}) rows += headword + "\thint\t" + kind + "\tkeep\n";
        }
        return CEditorReview(ParseReview(rows, "r.tsv"));
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

TEST_F(DictionaryAdditionsTest, NoEntryWithoutAMeaning) {
    const BuiltDictionary built = Build();
    // "the" gives no Persian: its gloss becomes its English meaning.
    const PlainEntry* the = Find(built.englishHeadwords, "the");
    ASSERT_NE(the, nullptr);
    EXPECT_EQ(the->persian, "");
    EXPECT_EQ(the->english, "1- (article) article");
    // zzz has neither a gloss nor Persian: not written at all.
    EXPECT_EQ(Find(built.englishHeadwords, "zzz"), nullptr);
    EXPECT_EQ(built.counts.emptyEnglishSkipped, 1u);
    for (const PlainEntry& e : built.englishHeadwords) {
        EXPECT_FALSE(e.persian.empty() && e.english.empty()) << e.headword;
    }
}

TEST_F(DictionaryAdditionsTest, VocabularyRowsComeFirstAndAddHeadwords) {
    m_sources.vocabulary = ParseVocabulary(
        "dog\tn\tسگ، تازی | آدم پست\n"
        "the\tdet\tاین، آن\tdefinite article\n"
        "wifi\tn\tوای‌فای\twireless network access\n",
        "x.tsv");
    const BuiltDictionary built = Build();
    // Ours first, then the sources' senses whose words are not shown yet.
    EXPECT_EQ(Find(built.englishHeadwords, "dog")->persian,
              "1- " + Meaning("سگ") + "\xA1 " + Meaning("تازی") + " 2- " + Meaning("آدم پست"));
    // Where WordNet lacks the word, our note is the English meaning (and
    // the Wiktionary gloss is no longer needed).
    EXPECT_EQ(Find(built.englishHeadwords, "the")->english, "1- (det.) definite article");
    const PlainEntry* wifi = Find(built.englishHeadwords, "wifi");
    ASSERT_NE(wifi, nullptr);
    EXPECT_EQ(wifi->persian, "1- " + Meaning("وای‌فای"));
    EXPECT_EQ(wifi->english, "1- (n.) wireless network access");
    EXPECT_EQ(built.counts.vocabularyOnly, 1u);
    // Each equivalent is a Persian headword meaning the English word, ours
    // before the sources'.
    EXPECT_EQ(Find(built.persianHeadwords, Headword("تازی"))->english, "dog");
    EXPECT_EQ(Find(built.persianHeadwords, Headword("سگ"))->english, "dog; dog: a domesticated carnivore");
    EXPECT_EQ(Find(built.persianHeadwords, Headword("این"))->english, "the");
    EXPECT_EQ(built.counts.persianFromVocabulary, 6u);      // سگ تازی آدم‌پست این آن وای‌فای
    EXPECT_EQ(built.counts.persianOnlyFromVocabulary, 5u);  // all but سگ
}

// Our Persian rows come first in a Persian headword's English meaning; an
// English word of our other rows that they give already is not repeated.
TEST_F(DictionaryAdditionsTest, PersianVocabularyRowsLeadThePersianHeadwords) {
    m_sources.vocabulary = ParseVocabulary("dog\tn\tسگ\n", "x.tsv");
    m_sources.persianVocabulary = ParsePersianVocabulary(
        "سگ\tn\tdog, hound | cur (as an insult)\n"
        "استفاده\tn\tuse, usage\n",
        "fa.tsv");
    const BuiltDictionary built = Build();
    EXPECT_EQ(Find(built.persianHeadwords, Headword("سگ"))->english,
              "dog, hound; cur (as an insult); dog: a domesticated carnivore");
    EXPECT_EQ(Find(built.persianHeadwords, Headword("استفاده"))->english, "use, usage");
    EXPECT_EQ(built.counts.persianFromOwnVocabulary, 2u);
    EXPECT_EQ(built.counts.persianVocabularyRows, 2u);
}

// One word written two ways is one Persian headword with the senses of
// both, in the spelling with its hamza or ZWNJ written.
TEST_F(DictionaryAdditionsTest, SpellingsOfOneWordAreOneHeadword) {
    m_sources.vocabulary = ParseVocabulary(
        "carefree\tadj\tبیخیال\n"
        "unconcerned\tadj\tبی‌خیال\n"
        "chief\tn\tرییس\n"
        "president\tn\tرئیس\n",
        "x.tsv");
    const BuiltDictionary built = Build();
    EXPECT_EQ(Find(built.persianHeadwords, Headword("بیخیال")), nullptr);
    EXPECT_EQ(Find(built.persianHeadwords, Headword("بی‌خیال"))->english, "unconcerned; carefree");
    EXPECT_EQ(Find(built.persianHeadwords, Headword("رییس")), nullptr);
    EXPECT_EQ(Find(built.persianHeadwords, Headword("رئیس"))->english, "president; chief");
    EXPECT_EQ(built.counts.persianSpellingsMerged, 2u);
    // Our Persian rows decide the spelling kept.
    m_sources.persianVocabulary = ParsePersianVocabulary("رییس\tn\thead, boss\n", "fa.tsv");
    const BuiltDictionary ours = Build();
    EXPECT_EQ(Find(ours.persianHeadwords, Headword("رئیس")), nullptr);
    EXPECT_EQ(Find(ours.persianHeadwords, Headword("رییس"))->english, "head, boss; chief; president");
}

TEST_F(DictionaryAdditionsTest, CategoryHintsAreOneLevelAndFromPeopleOnly) {
    m_sources.vocabulary = ParseVocabulary("canine\tn\tسگ‌سان\n", "x.tsv");
    m_sources.review = KeepingHints({"poodle", "hound", "rex", "mutt", "clam"});
    const BuiltDictionary built = Build();
    const std::string kindOf = Meaning("نوعی ");
    // Unnumbered, so that it reads as a description and not a translation.
    EXPECT_EQ(Find(built.englishHeadwords, "poodle")->persian, kindOf + " " + Meaning("سگ"));
    EXPECT_EQ(Find(built.englishHeadwords, "hound")->persian, kindOf + " " + Meaning("سگ‌سان"));
    EXPECT_EQ(Find(built.englishHeadwords, "rex")->persian, "");   // an instance, not a kind
    EXPECT_EQ(Find(built.englishHeadwords, "mutt")->persian, "");  // only automatic Persian above it
    // Only the first sense's kind: a dog above the rarer sense says nothing
    // of the mollusk a reader means.
    EXPECT_EQ(Find(built.englishHeadwords, "clam")->persian, "");
    EXPECT_EQ(built.counts.withHintOnly, 2u);
}

// A hint is written only where an editor read it and kept it.
TEST_F(DictionaryAdditionsTest, HintsStandOnlyWhereEditorsKeptThem) {
    const struct {
        const char* review;
        bool poodleHint;
    } cases[] = {
        {"", false},
        {"poodle\thint\tسگ\tkeep\n", true},
        {"poodle\thint\tسگ\tdrop\n", false},
        {"poodle\thint\tگربه\tkeep\n", false},  // kept another word: not this hint
        {"hound\thint\tسگ\tkeep\n", false},     // another headword's verdict
    };
    for (const auto& c : cases) {
        m_sources.review = CEditorReview(ParseReview(c.review, "r.tsv"));
        const std::string persian = Find(Build().englishHeadwords, "poodle")->persian;
        EXPECT_EQ(persian, c.poodleHint ? Meaning("نوعی ") + " " + Meaning("سگ") : "") << c.review;
    }
}

TEST_F(DictionaryAdditionsTest, NamesGoOnlyToHeadwordsOfTheirKind) {
    m_sources.names = {{NameKind::kLanguage, "French", "فرانسوی"},
                       {NameKind::kLanguage, "Ewe", "اوه‌ای"},
                       {NameKind::kLanguage, "Nowhere", "ناکجا"}};
    m_sources.review = KeepingHints({"provencal"});
    const BuiltDictionary built = Build();
    EXPECT_EQ(Find(built.englishHeadwords, "french")->persian, "1- " + Meaning("فرانسوی"));
    EXPECT_EQ(Find(built.englishHeadwords, "ewe")->persian, "");
    EXPECT_EQ(Find(built.englishHeadwords, "nowhere"), nullptr);
    EXPECT_EQ(Find(built.persianHeadwords, Headword("فرانسوی"))->english, "French");
    EXPECT_EQ(built.counts.namesLinked, 1u);
    // A name is Persian from people: its hyponyms take it as their hint.
    EXPECT_EQ(Find(built.englishHeadwords, "provencal")->persian, Meaning("نوعی ") + " " + Meaning("فرانسوی"));
}

TEST_F(DictionaryAdditionsTest, InflectedFormsWithoutPersianShowTheirLemmas) {
    const CEnglishFormTables forms(ExceptionPairs({"worse bad\n", "studied study\n"}));
    const BuiltDictionary built = BuildDictionary(m_wordNet, m_sources, &forms.Tables());
    const struct {
        const char* form;
        std::string persian;
    } cases[] = {
        {"stopped", FormOfLine("stop") + "1- " + Meaning("ایستادن")},  // a rule: -ed of a verb
        {"worse", FormOfLine("bad") + "1- " + Meaning("بد")},          // an exception row
        {"stopes", ""},    // only a name in WordNet
        {"stopper", ""},   // no adjective or adverb: not stop's comparative
        {"studied", ""},   // its lemma is no headword
        {"dogged", ""},    // dog has Persian only as a noun, which takes no -ed
    };
    for (const auto& c : cases) {
        const PlainEntry* entry = Find(built.englishHeadwords, c.form);
        ASSERT_NE(entry, nullptr) << c.form;
        EXPECT_EQ(entry->persian, c.persian) << c.form;
    }
    EXPECT_EQ(built.counts.withLemmaPersian, 2u);
    // Without the tables nothing is taken from a lemma.
    EXPECT_EQ(Find(Build().englishHeadwords, "stopped")->persian, "");
}

// dog has Persian as a noun (the sources) and as a verb (our row): a form
// that only a verb takes shows the verb alone, under a headword of its own.
TEST_F(DictionaryAdditionsTest, SubtitleFormsOfSeveralPartsOfSpeechBecomeHeadwords) {
    m_sources.vocabulary = ParseVocabulary("dog\tv\tدنبال کردن\n", "x.tsv");
    m_sources.frequency = {"Dogging", "dogs", "dogged", "stopping", "zzzing", "dogging"};
    const CEnglishFormTables forms(ExceptionPairs({}));
    const BuiltDictionary built = BuildDictionary(m_wordNet, m_sources, &forms.Tables());
    const PlainEntry* dogging = Find(built.englishHeadwords, "dogging");
    ASSERT_NE(dogging, nullptr);
    EXPECT_EQ(dogging->persian, FormOfLine("dog") + "1- " + Meaning("دنبال کردن"));
    EXPECT_EQ(dogging->english, "1- (v.) go after with the intent to catch");
    EXPECT_EQ(Find(built.englishHeadwords, "dogs"), nullptr);      // noun or verb: dog's entry reads right
    EXPECT_EQ(Find(built.englishHeadwords, "stopping"), nullptr);  // stop has Persian only as a verb
    EXPECT_EQ(Find(built.englishHeadwords, "zzzing"), nullptr);
    EXPECT_EQ(built.counts.formHeadwords, 1u);  // dogged is a headword already
}

TEST(FormOfLine, NamesTheLemmaWithoutAHyphenTheWindowWouldTakeAway) {
    const std::string line = FormOfLine("make-up");
    EXPECT_EQ(line.substr(line.size() - 10), " make\x96up) ");
    EXPECT_EQ(line[0], '(');
}

TEST(ExceptionPairs, EveryLemmaOfEveryLineInOrder) {
    const auto rows = ExceptionPairs({"axes ax axis\n", "went go\nbest_friends best_friend\n\n"});
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"axes", "ax"}, {"axes", "axis"}, {"went", "go"}, {"best friends", "best friend"}};
    EXPECT_EQ(rows, expected);
}

}  // namespace
}  // namespace nira::datatool
