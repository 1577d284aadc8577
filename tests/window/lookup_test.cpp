// Typing into the query field: the entry found, its headword, the pane
// texts and the pane mode; the empty field; a field of spaces.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include <cstdlib>
#include <cstring>

#include "app/Trace.h"
#include "window/WindowHarness.h"

namespace nira::test {
namespace {

class WindowLookup : public ::testing::Test {
protected:
    void SetUp() override {
        fx = MakeStandardFixture();
        w = std::make_unique<WindowHarness>(*fx);
        ASSERT_TRUE(w->StartShown());
    }

    std::unique_ptr<FixtureDictionary> fx;
    std::unique_ptr<WindowHarness> w;
};

struct EntryCase {
    const char16_t* query;
    const char16_t* headword;
    int mode;
    const char16_t* persian;  // nullptr: the pane must keep the welcome text
    const char16_t* english;  // nullptr: the pane must keep its empty text
};

TEST_F(WindowLookup, EachEntryShowsItsHeadwordPanesAndMode) {
    const EntryCase cases[] = {
        // Kaf and yeh, stored as the code page's Arabic letters, show as
        // Persian ک and ی.
        {u"book", u"book", kPaneBoth, u"1- کتاب \r\n2- رزرو کردن",
         u"1- (n.) a written work \r\n2- (v.) to reserve"},
        {u"apple", u"apple", kPaneBoth, u"سیب", u"1- a round fruit \r\n2- its tree"},
        {u"cat", u"cat", kPanePersian, u"گربه", nullptr},
        {u"car", u"car", kPaneEnglish, nullptr, u"a road vehicle"},
        // Not in the dictionary: the entry where the search ends, with its
        // own headword.
        {u"cab", u"car", kPaneEnglish, nullptr, u"a road vehicle"},
        // Persian headwords: the English meaning exactly as stored.
        {u"برف", u"برف", kPaneEnglish, nullptr, u"1- snow 2- ice"},
        {u"کتاب", u"کتاب", kPaneEnglish, nullptr, u"book"},
        {u"كتاب", u"کتاب", kPaneEnglish, nullptr, u"book"},
    };
    const QString welcome = w->PersianText();
    for (const EntryCase& c : cases) {
        // Each case starts afresh from the welcome text.
        fx = MakeStandardFixture();
        w = std::make_unique<WindowHarness>(*fx);
        ASSERT_TRUE(w->StartShown());
        w->SetQuery(QString::fromUtf16(c.query));
        SCOPED_TRACE(QString::fromUtf16(c.query).toStdString());
        EXPECT_EQ(w->Headword(), QString::fromUtf16(c.headword));
        EXPECT_EQ(w->Dlg().CurrentPaneMode(), c.mode);
        EXPECT_EQ(w->PersianShown(), (c.mode & kPanePersian) != 0);
        EXPECT_EQ(w->EnglishShown(), (c.mode & kPaneEnglish) != 0);
        EXPECT_EQ(w->PersianText(), c.persian ? QString::fromUtf16(c.persian) : welcome);
        EXPECT_EQ(w->EnglishText(), c.english ? QString::fromUtf16(c.english) : QString());
        EXPECT_EQ(w->Dlg().WordField()->text(), QString::fromUtf16(c.query));
    }
}

TEST_F(WindowLookup, TypedWordIsLookedUpLetterByLetter) {
    w->Type(QStringLiteral("b"));
    EXPECT_EQ(w->Headword(), QStringLiteral("bank"));  // nearest entry so far
    w->Type(QStringLiteral("ook"));
    EXPECT_EQ(w->Headword(), QStringLiteral("book"));
    EXPECT_EQ(w->Dlg().CurrentPaneMode(), kPaneBoth);
    EXPECT_EQ(w->Dlg().State().m_current, fx->PersianEntryNumber("book"));
    EXPECT_STREQ(reinterpret_cast<const char*>(w->Dlg().State().m_headword), "book");
}

TEST_F(WindowLookup, PersianWordShowsModeTwoAndHidesThePersianPane) {
    w->Type(QString::fromUtf16(u"باران"));
    EXPECT_EQ(w->Headword(), QString::fromUtf16(u"باران"));
    EXPECT_EQ(w->Dlg().CurrentPaneMode(), kPaneEnglish);
    EXPECT_FALSE(w->PersianShown());
    EXPECT_EQ(w->EnglishText(), QStringLiteral("rain"));
}

TEST_F(WindowLookup, EntryWithNeitherFieldChangesOnlyTheHeadword) {
    w->SetQuery(QStringLiteral("book"));
    const QString persian = w->PersianText();
    const QString english = w->EnglishText();
    const QRect persianRect = w->PersianRect();
    const QRect englishRect = w->EnglishRect();
    w->SetQuery(QStringLiteral("cow"));
    EXPECT_EQ(w->Headword(), QStringLiteral("cow"));
    EXPECT_EQ(w->Dlg().CurrentPaneMode(), kPaneNone);
    EXPECT_TRUE(w->PersianShown());
    EXPECT_TRUE(w->EnglishShown());
    EXPECT_EQ(w->PersianText(), persian);
    EXPECT_EQ(w->EnglishText(), english);
    EXPECT_EQ(w->PersianRect(), persianRect);
    EXPECT_EQ(w->EnglishRect(), englishRect);
}

TEST_F(WindowLookup, EmptyingTheFieldShowsTheWelcomeTextAgain) {
    const QString welcome = w->PersianText();
    w->SetQuery(QStringLiteral("book"));
    const QString english = w->EnglishText();
    w->SetQuery(QString());
    EXPECT_EQ(w->PersianText(), welcome);
    EXPECT_EQ(w->Dlg().CurrentPaneMode(), kPanePersian);
    EXPECT_TRUE(w->PersianShown());
    EXPECT_FALSE(w->EnglishShown());
    EXPECT_TRUE(w->Headword().isEmpty());
    // The English pane keeps its text while hidden; LookupState stays.
    EXPECT_EQ(w->EnglishText(), english);
    EXPECT_STREQ(reinterpret_cast<const char*>(w->Dlg().State().m_headword), "book");
    EXPECT_EQ(w->Dlg().State().m_current, fx->PersianEntryNumber("book"));
}

TEST_F(WindowLookup, FieldOfSpacesChangesNothingButTheRange) {
    w->SetQuery(QStringLiteral("book"));
    const QString persian = w->PersianText();
    const QString english = w->EnglishText();
    const LookupState before = w->Dlg().State();
    w->SetQuery(QStringLiteral("   "));
    EXPECT_EQ(w->Headword(), QStringLiteral("book"));
    EXPECT_EQ(w->Dlg().CurrentPaneMode(), kPaneBoth);
    EXPECT_EQ(w->PersianText(), persian);
    EXPECT_EQ(w->EnglishText(), english);
    EXPECT_EQ(w->Dlg().State().m_current, before.m_current);
    EXPECT_STREQ(reinterpret_cast<const char*>(w->Dlg().State().m_headword), "book");
    // The range of the last Persian row (ك: entry 4 of "english").
    EXPECT_EQ(w->Dlg().State().m_first, 4);
    EXPECT_EQ(w->Dlg().State().m_last, 4);
}

TEST_F(WindowLookup, LeadingAndTrailingSpacesAreNotPartOfTheWord) {
    w->SetQuery(QStringLiteral("   dog  "));
    EXPECT_EQ(w->Headword(), QStringLiteral("dog"));
    EXPECT_EQ(w->Dlg().WordField()->text(), QStringLiteral("   dog  "));
}

TEST(LookupTrace, LineFormat) {
    EXPECT_EQ(FormatLookupTrace(QStringLiteral("bo"), QStringLiteral("bank"), 3, false),
              QStringLiteral("nira: lookup query=\"bo\" headword=\"bank\" mode=3 clipboard=0"));
    // Placeholders in the query are text, nothing else.
    EXPECT_EQ(FormatLookupTrace(QStringLiteral("%1%2"), QString(), 1, true),
              QStringLiteral("nira: lookup query=\"%1%2\" headword=\"\" mode=1 clipboard=1"));
}

TEST_F(WindowLookup, TraceWritesOneLinePerLookup) {
    ASSERT_EQ(setenv("NIRA_TRACE", "1", 1), 0);
    testing::internal::CaptureStderr();
    w->SetQuery(QStringLiteral("cab"));
    w->SetQuery(QString::fromUtf16(u"برف"));
    w->SetQuery(QStringLiteral("  "));
    w->SetQuery(QString());
    const std::string lines = TraceLines(testing::internal::GetCapturedStderr());
    unsetenv("NIRA_TRACE");
    EXPECT_EQ(lines,
              "nira: lookup query=\"cab\" headword=\"car\" mode=2 clipboard=0\n"
              "nira: lookup query=\"\xD8\xA8\xD8\xB1\xD9\x81\" headword=\"\xD8\xA8\xD8\xB1\xD9\x81\" mode=2 clipboard=0\n"
              "nira: lookup query=\"  \" headword=\"\xD8\xA8\xD8\xB1\xD9\x81\" mode=2 clipboard=0\n"
              "nira: lookup query=\"\" headword=\"\" mode=1 clipboard=0\n");
}

// A word that is not a headword shows its lemma: the headword line and
// the trace name the lemma, and browsing goes on from its entry.
TEST_F(WindowLookup, AnInflectedWordShowsItsLemmaAndBrowsesFromIt) {
    ASSERT_EQ(setenv("NIRA_TRACE", "1", 1), 0);
    testing::internal::CaptureStderr();
    w->Type(QStringLiteral("Books"));
    const std::string lines = TraceLines(testing::internal::GetCapturedStderr());
    unsetenv("NIRA_TRACE");
    EXPECT_EQ(w->Dlg().WordField()->text(), QStringLiteral("books"));
    EXPECT_EQ(w->Headword(), QStringLiteral("book"));
    EXPECT_NE(lines.find("nira: lookup query=\"books\" headword=\"book\" mode=3 clipboard=0\n"),
              std::string::npos)
        << lines;
    EXPECT_EQ(w->Dlg().State().m_current, 3);
    w->Dlg().OnPrev();
    EXPECT_EQ(w->Dlg().WordField()->text(), QStringLiteral("bank"));
    w->Dlg().OnNext();
    EXPECT_EQ(w->Dlg().WordField()->text(), QStringLiteral("book"));

    w->SetQuery(QString::fromUtf16(u"\u0643\u062A\u0627\u0628\u0647\u0627"));  // كتابها
    EXPECT_EQ(w->Headword(), QString::fromUtf16(u"\u06A9\u062A\u0627\u0628"));  // shown as کتاب
}

// The field's lower case reaches beyond ASCII, as nira lookup's does.
TEST_F(WindowLookup, TheFieldLowerCasesTheCodePagesCapitals) {
    w->SetQuery(QString::fromUtf16(u"\u00C9CLAIR \u0152UVRE"));
    EXPECT_EQ(w->Dlg().WordField()->text(), QString::fromUtf16(u"\u00E9clair \u0153uvre"));
}

TEST_F(WindowLookup, NoTraceWithoutTheVariable) {
    unsetenv("NIRA_TRACE");
    testing::internal::CaptureStderr();
    w->SetQuery(QStringLiteral("dog"));
    EXPECT_EQ(TraceLines(testing::internal::GetCapturedStderr()), "");
}

}  // namespace
}  // namespace nira::test
