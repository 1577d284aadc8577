// The arrow buttons: a step writes the neighbour's headword into the query
// field, within the letter bucket of the last search.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "window/WindowHarness.h"

namespace nira::test {
namespace {

class WindowBrowse : public ::testing::Test {
protected:
    void SetUp() override {
        fx = MakeStandardFixture();
        w = std::make_unique<WindowHarness>(*fx);
        ASSERT_TRUE(w->StartShown());
    }
    QString Field() const { return w->Dlg().WordField()->text(); }

    std::unique_ptr<FixtureDictionary> fx;
    std::unique_ptr<WindowHarness> w;
};

enum class Step { Prev, Next };

struct BrowseCase {
    const char16_t* query;
    Step step;
    const char16_t* field;  // the query field afterwards
    const char16_t* headword;
};

// Buckets of the fixture: b is bank..book (2..3), c is car..cow (4..6);
// ب is باران..برف (2..3) of "english".
TEST_F(WindowBrowse, StepsStayInsideTheBucket) {
    const BrowseCase cases[] = {
        {u"bank", Step::Prev, u"bank", u"bank"},  // first of b
        {u"bank", Step::Next, u"book", u"book"},
        {u"book", Step::Next, u"book", u"book"},  // last of b although car follows
        {u"book", Step::Prev, u"bank", u"bank"},
        {u"cat", Step::Prev, u"car", u"car"},
        {u"cat", Step::Next, u"cow", u"cow"},
        {u"car", Step::Prev, u"car", u"car"},
        {u"apple", Step::Next, u"apple", u"apple"},  // a bucket of one
        {u"باران", Step::Next, u"برف", u"برف"},
        {u"باران", Step::Prev, u"باران", u"باران"},
        {u"برف", Step::Next, u"برف", u"برف"},
    };
    for (const BrowseCase& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.query).toStdString());
        w->SetQuery(QString());
        w->SetQuery(QString::fromUtf16(c.query));
        QTest::mouseClick(c.step == Step::Prev ? w->Dlg().PrevButton() : w->Dlg().NextButton(),
                          Qt::LeftButton);
        EXPECT_EQ(Field(), QString::fromUtf16(c.field));
        EXPECT_EQ(w->Headword(), QString::fromUtf16(c.headword));
    }
}

TEST_F(WindowBrowse, StepShowsTheNeighbourWithItsMeanings) {
    w->SetQuery(QStringLiteral("car"));
    w->Dlg().OnNext();
    EXPECT_EQ(w->Headword(), QStringLiteral("cat"));
    EXPECT_EQ(w->Dlg().CurrentPaneMode(), kPanePersian);
    EXPECT_EQ(w->PersianText(), QString::fromUtf16(u"گربه"));
    EXPECT_EQ(w->Dlg().State().m_current, fx->PersianEntryNumber("cat"));
}

TEST_F(WindowBrowse, NothingBeforeTheFirstLookup) {
    w->Dlg().OnPrev();
    w->Dlg().OnNext();
    EXPECT_TRUE(Field().isEmpty());
    EXPECT_EQ(w->Headword(), QStringLiteral("Static"));
    EXPECT_EQ(w->Dlg().LookupCount(), 0u);
}

TEST_F(WindowBrowse, EmptiedFieldStepsFromTheEntryShownBefore) {
    w->SetQuery(QStringLiteral("bank"));
    w->SetQuery(QString());
    w->Dlg().OnNext();
    EXPECT_EQ(Field(), QStringLiteral("book"));
    EXPECT_EQ(w->Headword(), QStringLiteral("book"));
}

// Spaces set the range of the last Persian row (entry 4 of "english") but
// m_headword still names "persian": the steps test that range and read
// from "persian".
TEST_F(WindowBrowse, AfterSpacesTheRangeIsTestedAndTheHeadwordsFileRead) {
    w->SetQuery(QStringLiteral("bank"));  // entry 2
    w->SetQuery(QStringLiteral(" "));
    w->Dlg().OnPrev();  // 2 <= 4: nothing
    EXPECT_EQ(Field(), QStringLiteral(" "));
    w->Dlg().OnNext();  // 2 < 4: entry 3 of "persian"
    EXPECT_EQ(Field(), QStringLiteral("book"));
}

// Two entries with one headword: setting the field to the text it holds
// still runs the lookup, which ends where the search ends.
TEST(WindowBrowseSameHeadword, StepToTheSameHeadwordLooksItUpAgain) {
    FixtureDictionary fx({{"bass", {"", "a fish"}}, {"bass", {"", "a low voice"}}},
                         {{Cp1256(u"اسب"), {"horse"}}});
    WindowHarness w(fx);
    ASSERT_TRUE(w.StartShown());
    w.SetQuery(QStringLiteral("bass"));
    ASSERT_EQ(w.Dlg().State().m_current, 1);
    ASSERT_EQ(w.EnglishText(), QStringLiteral("a fish"));
    const unsigned lookups = w.Dlg().LookupCount();
    w.Dlg().OnNext();
    EXPECT_EQ(w.Dlg().LookupCount(), lookups + 1);
    EXPECT_EQ(w.Dlg().State().m_current, 1);
    EXPECT_EQ(w.EnglishText(), QStringLiteral("a fish"));
}

}  // namespace
}  // namespace nira::test
