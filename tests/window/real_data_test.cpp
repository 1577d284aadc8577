// A few cases over the data files the build made (RealDataFolder()) and
// the edition built into the program; skipped where they were not built.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPixmap>

#include <cstdlib>
#include <filesystem>

#include "NiraEdition.h"
#include "window/WindowHarness.h"

namespace nira::test {
namespace {

class WindowRealData : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string folder = RealDataFolder();
        if (folder.empty() || !std::filesystem::exists(folder + "/persian") ||
            !std::filesystem::exists(folder + "/english")) {
            GTEST_SKIP() << "no data files in " << folder;
        }
        w = std::make_unique<WindowHarness>(folder, edition::kEdition);
        ASSERT_TRUE(w->StartShown()) << "the built data files fail the built-in digests";
    }
    std::unique_ptr<WindowHarness> w;
};

TEST_F(WindowRealData, BookThenPersianThenEmptyThenArrows) {
    w->Dlg().resize(480, 420);
    w->Type(QStringLiteral("book"));
    EXPECT_EQ(w->Headword(), QStringLiteral("book"));
    EXPECT_EQ(w->Dlg().CurrentPaneMode(), kPaneBoth);
    EXPECT_FALSE(w->PersianText().isEmpty());
    EXPECT_FALSE(w->EnglishText().isEmpty());
    const QPixmap english = w->Dlg().grab();
    EXPECT_FALSE(english.isNull());

    w->SetQuery(QString());
    w->Type(QString::fromUtf16(u"آب"));
    EXPECT_EQ(w->Dlg().CurrentPaneMode(), kPaneEnglish);
    EXPECT_FALSE(w->PersianShown());
    EXPECT_FALSE(w->Headword().isEmpty());
    const QPixmap persian = w->Dlg().grab();
    EXPECT_FALSE(persian.isNull());

    w->SetQuery(QString());
    EXPECT_TRUE(w->Headword().isEmpty());
    EXPECT_EQ(w->Dlg().CurrentPaneMode(), kPanePersian);

    // From "book" one step forward and back again.
    w->Type(QStringLiteral("book"));
    const int32_t book = w->Dlg().State().m_current;
    w->Dlg().OnNext();
    EXPECT_EQ(w->Dlg().State().m_current, book + 1);
    EXPECT_NE(w->Dlg().WordField()->text(), QStringLiteral("book"));
    w->Dlg().OnPrev();
    EXPECT_EQ(w->Dlg().WordField()->text(), QStringLiteral("book"));
    EXPECT_EQ(w->Dlg().State().m_current, book);

    const QString folder = ShotsFolder();
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(english.save(QDir(folder).filePath(QStringLiteral("real-book.png"))));
        EXPECT_TRUE(persian.save(QDir(folder).filePath(QStringLiteral("real-persian.png"))));
    }
}

// The first "a" entry: no step back although entries 1 to 118 precede it.
TEST_F(WindowRealData, PrevStopsAtTheFirstEntryOfTheBucket) {
    const LetterBucketTable& table = edition::kEdition.persian.buckets;
    ASSERT_GT(table.count, 1u);
    const int32_t firstA = table.rows[0].n + 1;
    unsigned char entry[kEntryBufferSize];
    ASSERT_GT(ReadEntry(w->Dlg().Data().m_filePersian, firstA, entry), 0);
    const QString headword = WindowTextFromCp1256(entry, kHeadwordBufferSize);
    w->SetQuery(headword);
    ASSERT_EQ(w->Dlg().State().m_current, firstA);
    w->Dlg().OnPrev();
    EXPECT_EQ(w->Dlg().WordField()->text(), headword);
    EXPECT_EQ(w->Dlg().State().m_current, firstA);
    w->Dlg().OnNext();
    EXPECT_EQ(w->Dlg().State().m_current, firstA + 1);
}

// From a lemma of another first letter, browsing steps through the
// lemma's bucket: "went" steps as "go" does.
TEST_F(WindowRealData, BrowsingGoesOnFromTheLemma) {
    w->Type(QStringLiteral("go"));
    const LookupState go = w->Dlg().State();
    w->Dlg().OnNext();
    const QString afterGo = w->Dlg().WordField()->text();
    w->SetQuery(QString());
    w->Type(QStringLiteral("went"));
    EXPECT_EQ(w->Headword(), QStringLiteral("go"));
    EXPECT_EQ(w->Dlg().State().m_current, go.m_current);
    EXPECT_EQ(w->Dlg().State().m_first, go.m_first);
    EXPECT_EQ(w->Dlg().State().m_last, go.m_last);
    w->Dlg().OnNext();
    EXPECT_EQ(w->Dlg().WordField()->text(), afterGo);
    EXPECT_NE(afterGo, QStringLiteral("go"));
}

// A word typed and the same word copied elsewhere show the same entry.
TEST_F(WindowRealData, TypedAndCopiedWordsShowTheSameHeadword) {
    const char* const words[] = {
        "books", "went", "children", "mice", "carried", "boxes", "swam", "wolves", "geese",
        "taller", "فارسي", "خيلي", "زندگي", "کِتاب", "کتـاب", "کتابها", "کتاب‌ها", "کتاب های",
        "درختان", "میخواهم", "نمی‌خواهم", "میخواستم", "می‌روم", "میشه"};
    const char* const expected[] = {
        "book", "go", "child", "mouse", "carry", "box", "swim", "wolf", "goose", "tall",
        "فارسی", "خیلی", "زندگی", "کتاب", "کتاب", "کتاب", "کتاب", "کتاب", "درخت",
        "می‌خواهم", "خواستن", "خواستن", "رفتن", "شدن"};
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (std::size_t i = 0; i < std::size(words); ++i) {
        const QString word = QString::fromUtf8(words[i]);
        w->SetQuery(QString());
        w->Type(word);
        const QString typed = w->Headword();
        w->SetQuery(QString());
        clipboard->setText(word, QClipboard::Clipboard);
        w->Dlg().OnTimer(kClipboardTimerId);
        EXPECT_EQ(w->Headword(), typed) << words[i];
        EXPECT_EQ(typed, QString::fromUtf8(expected[i])) << words[i];
    }
    clipboard->clear(QClipboard::Clipboard);
}

}  // namespace
}  // namespace nira::test
