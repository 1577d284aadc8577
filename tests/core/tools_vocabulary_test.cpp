// Our own vocabulary rows: what a row gives, and the rows the build refuses
// (naming file and line) rather than guessing.
#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/Fixture.h"
#include "tools/PersianVocabulary.h"
#include "tools/Vocabulary.h"
#include "tools/WordNet.h"

namespace nira::datatool {
namespace {

TEST(Vocabulary, RowsGiveWordPosSensesAndNote) {
    const std::vector<VocabularyRow> rows = ParseVocabulary(
        "# comment\n"
        "\n"
        "would\taux\tمی‌خواست، مایل بودن | ممکن بود\tpast of will\r\n"
        "laptop\tn\tلپ‌تاپ\n"
        "hi\tinterj\tسلام\t\n",
        "test.tsv");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].english, "would");
    EXPECT_EQ(rows[0].pos, "aux");
    EXPECT_EQ(rows[0].senses, (std::vector<std::string>{"می‌خواست، مایل بودن", "ممکن بود"}));
    EXPECT_EQ(rows[0].note, "past of will");
    EXPECT_EQ(rows[1].senses, (std::vector<std::string>{"لپ‌تاپ"}));
    EXPECT_EQ(rows[1].note, "");
    EXPECT_EQ(rows[2].note, "");
}

TEST(Vocabulary, MalformedRowsAreRefusedWithFileAndLine) {
    const struct {
        const char* row;
        const char* why;
    } cases[] = {
        {"word\tn\n", "3 or 4"},
        {"word\tn\tکلمه\tnote\textra\n", "3 or 4"},
        {"word\tnoun\tکلمه\n", "part of speech"},
        {"\tn\tکلمه\n", "empty English"},
        {"word\tn\tword\n", "without Persian"},
        {"word\tn\tکلمه | \n", "without Persian"},
        {"کلمه\tn\tکلمه\n", "outside the Persian column"},
        {"word\tn\tکلمه\tیک یادداشت\n", "outside the Persian column"},
    };
    for (const auto& c : cases) {
        try {
            ParseVocabulary(std::string("# first line\n") + c.row, "x.tsv");
            ADD_FAILURE() << "accepted: " << c.row;
        } catch (const std::runtime_error& e) {
            const std::string what = e.what();
            EXPECT_EQ(what.rfind("x.tsv:2: ", 0), 0u) << what;
            EXPECT_NE(what.find(c.why), std::string::npos) << what;
        }
    }
}

TEST(Vocabulary, PartsOfSpeechAndTheirWordNetPos) {
    const struct {
        const char* tag;
        int pos;
    } cases[] = {{"n", kNoun}, {"v", kVerb}, {"adj", kAdjective}, {"adv", kAdverb},
                 {"pron", -1}, {"det", -1}, {"prep", -1}, {"conj", -1}, {"aux", -1},
                 {"num", -1}, {"interj", -1}};
    for (const auto& c : cases) {
        EXPECT_TRUE(IsVocabularyPos(c.tag)) << c.tag;
        EXPECT_EQ(WordNetPosOfTag(c.tag), c.pos) << c.tag;
    }
    EXPECT_FALSE(IsVocabularyPos("noun"));
    EXPECT_FALSE(IsVocabularyPos(""));
    EXPECT_EQ(VocabularyPosLabel("prep"), "(prep.)");
}

TEST(Vocabulary, EveryTsvOfTheFolderIsReadInNameOrder) {
    test::TempFolder dir;
    std::ofstream(dir.FilePath("b.tsv")) << "zebra\tn\tگورخر\n";
    std::ofstream(dir.FilePath("a.tsv")) << "apple\tn\tسیب\n";
    std::ofstream(dir.FilePath("README.md")) << "not\tn\trows\n";
    const std::vector<VocabularyRow> rows = ReadVocabularyFolder(dir.Path());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].english, "apple");
    EXPECT_EQ(rows[1].english, "zebra");
    EXPECT_THROW(ReadVocabularyFolder(dir.FilePath("missing")), std::runtime_error);
}

}  // namespace
}  // namespace nira::datatool

namespace nira::datatool {
namespace {

TEST(PersianVocabulary, RowsGiveWordPosSensesAndNote) {
    const std::vector<PersianVocabularyRow> rows = ParsePersianVocabulary(
        "# comment\n"
        "\n"
        "استفاده کردن\tv\tuse, make use of | take advantage of\r\n"
        "شیر\tn\tlion | milk | tap (for water), faucet\t\n"
        "دستت درد نکنه\tphrase\tthank you\tcolloquial\n",
        "fa.tsv");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].persian, "استفاده کردن");
    EXPECT_EQ(rows[0].pos, "v");
    EXPECT_EQ(rows[0].senses, (std::vector<std::string>{"use, make use of", "take advantage of"}));
    EXPECT_EQ(rows[1].senses.size(), 3u);
    EXPECT_EQ(rows[1].note, "");
    EXPECT_EQ(rows[2].note, "colloquial");
}

TEST(PersianVocabulary, MalformedRowsAreRefusedWithFileAndLine) {
    const struct {
        const char* row;
        const char* why;
    } cases[] = {
        {"شیر\tn\n", "3 or 4"},
        {"شیر\tnoun\tlion\n", "part of speech"},
        {"\tn\tlion\n", "one Persian word"},
        {"lion\tn\tlion\n", "one Persian word"},
        {"شیر، اسد\tn\tlion\n", "one Persian word"},
        {"شیر\tn\tشیر\n", "outside the Persian column"},
        {"شیر\tn\tlion | \n", "without English"},
        {"شیر\tn\tlion\tجانور\n", "outside the Persian column"},
    };
    for (const auto& c : cases) {
        try {
            ParsePersianVocabulary(std::string("# first line\n") + c.row, "x.tsv");
            ADD_FAILURE() << "accepted: " << c.row;
        } catch (const std::runtime_error& e) {
            const std::string what = e.what();
            EXPECT_EQ(what.rfind("x.tsv:2: ", 0), 0u) << what;
            EXPECT_NE(what.find(c.why), std::string::npos) << what;
        }
    }
}

}  // namespace
}  // namespace nira::datatool
