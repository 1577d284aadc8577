// The clipboard watcher: timer 1 takes a new text from the clipboard into
// the query field once, and brings the window to the front.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include <cstdlib>
#include <utility>

#include "window/WindowHarness.h"

namespace nira::test {
namespace {

void Copy(QMimeData* data) {
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

void CopyText(const QString& text) {
    auto* data = new QMimeData;
    data->setText(text);
    Copy(data);
}

// Clipboard data that counts what the watcher asks of its owner. A hung
// owner offers text but never delivers it: Qt gives up after its timeout
// and returns nothing, as this one does at once.
class CountingMimeData : public QMimeData {
public:
    CountingMimeData(QByteArray text, bool answers)
        : m_text(std::move(text)), m_answers(answers) {}
    QStringList formats() const override {
        ++formatRequests;
        return {QStringLiteral("text/plain")};
    }
    bool hasFormat(const QString& type) const override {
        return type == QStringLiteral("text/plain");
    }
    mutable int formatRequests = 0;
    mutable int dataRequests = 0;

protected:
    // Only a type on offer is asked of the owner (Qt's own fallback to a
    // file list when text gives nothing is answered from the type list).
    QVariant retrieveData(const QString& type, QMetaType) const override {
        if (type != QStringLiteral("text/plain")) return QVariant();
        ++dataRequests;
        if (!m_answers) return QVariant();
        return m_text;
    }

private:
    QByteArray m_text;
    bool m_answers;
};

class WindowClipboard : public ::testing::Test {
protected:
    void SetUp() override {
        QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
        fx = MakeStandardFixture();
        w = std::make_unique<WindowHarness>(*fx);
        ASSERT_TRUE(w->StartShown());
    }
    void TearDown() override { QGuiApplication::clipboard()->clear(QClipboard::Clipboard); }

    void Tick() { w->Dlg().OnTimer(kClipboardTimerId); }
    QString Field() const { return w->Dlg().WordField()->text(); }
    std::string LastClip() const {
        return reinterpret_cast<const char*>(w->Dlg().LastClip());
    }
    unsigned Lookups() const { return w->Dlg().LookupCount(); }

    std::unique_ptr<FixtureDictionary> fx;
    std::unique_ptr<WindowHarness> w;
};

TEST_F(WindowClipboard, CopiedWordIsTrimmedLookedUpAndTakenOnce) {
    CopyText(QStringLiteral(" book "));
    Tick();
    EXPECT_EQ(Field(), QStringLiteral("book"));
    EXPECT_EQ(w->Headword(), QStringLiteral("book"));
    EXPECT_EQ(LastClip(), "book");
    const unsigned lookups = Lookups();
    Tick();
    CopyText(QStringLiteral("book"));  // the same word copied again
    Tick();
    EXPECT_EQ(Lookups(), lookups);
}

TEST_F(WindowClipboard, TypingAnotherWordDoesNotBringTheClipboardBack) {
    CopyText(QStringLiteral("dog"));
    Tick();
    w->SetQuery(QStringLiteral("cat"));
    Tick();
    EXPECT_EQ(Field(), QStringLiteral("cat"));
    EXPECT_EQ(w->Headword(), QStringLiteral("cat"));
}

TEST_F(WindowClipboard, OnlyTheFirstFiftyCharactersCount) {
    CopyText(QStringLiteral("dog") + QString(47, QLatin1Char(' ')) + QStringLiteral("x"));
    Tick();
    EXPECT_EQ(Field(), QStringLiteral("dog"));
    EXPECT_EQ(LastClip(), "dog");
}

TEST_F(WindowClipboard, SpacesAfterAWordEmptyTheField) {
    CopyText(QStringLiteral("book"));
    Tick();
    CopyText(QStringLiteral("   "));
    Tick();
    EXPECT_TRUE(Field().isEmpty());
    EXPECT_EQ(LastClip(), "");
    EXPECT_TRUE(w->Headword().isEmpty());
    EXPECT_EQ(w->Dlg().CurrentPaneMode(), kPanePersian);
}

TEST_F(WindowClipboard, SpacesAtStartUpDoNothing) {
    CopyText(QStringLiteral("  "));
    Tick();
    EXPECT_TRUE(Field().isEmpty());
    EXPECT_EQ(Lookups(), 0u);
    EXPECT_EQ(w->Headword(), QStringLiteral("Static"));
}

TEST_F(WindowClipboard, NothingForAnImageOfferedBeforeText) {
    auto* data = new QMimeData;
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    data->setImageData(image);
    data->setText(QStringLiteral("book"));
    Copy(data);
    Tick();
    EXPECT_TRUE(Field().isEmpty());
    EXPECT_EQ(Lookups(), 0u);
}

TEST_F(WindowClipboard, NothingForAnEmptyClipboard) {
    Tick();
    EXPECT_TRUE(Field().isEmpty());
    EXPECT_EQ(Lookups(), 0u);
}

TEST_F(WindowClipboard, PersianTextIsConvertedToTheCodePage) {
    CopyText(QString::fromUtf16(u"برف"));
    Tick();
    EXPECT_EQ(w->Headword(), QString::fromUtf16(u"برف"));
    EXPECT_EQ(w->Dlg().CurrentPaneMode(), kPaneEnglish);
    EXPECT_EQ(LastClip(), Cp1256(u"برف"));
}

TEST_F(WindowClipboard, Cp1256TextIsTakenByteForByte) {
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/plain;charset=windows-1256"),
                  QByteArray::fromStdString(Cp1256(u"باران")));
    Copy(data);
    Tick();
    EXPECT_EQ(w->Headword(), QString::fromUtf16(u"باران"));
}

// The field already holds the copied word: the lookup runs all the same.
TEST_F(WindowClipboard, WordAlreadyInTheFieldIsLookedUpAgain) {
    w->SetQuery(QStringLiteral("dog"));
    const unsigned lookups = Lookups();
    CopyText(QStringLiteral("dog"));
    Tick();
    EXPECT_EQ(Lookups(), lookups + 1);
    EXPECT_EQ(LastClip(), "dog");
}

TEST_F(WindowClipboard, OtherTimersDoNotReadTheClipboard) {
    CopyText(QStringLiteral("book"));
    w->Dlg().OnTimer(2);
    w->Dlg().OnTimer(0);
    EXPECT_TRUE(Field().isEmpty());
    EXPECT_EQ(LastClip(), "");
}

TEST_F(WindowClipboard, TimerTakesTheWordByItself) {
    ASSERT_TRUE(w->Dlg().IsClipboardWatched());
    CopyText(QStringLiteral("apple"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->Headword() == QStringLiteral("apple"); }, 5000));
}

TEST_F(WindowClipboard, WindowComesToTheFront) {
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    CopyText(QStringLiteral("dog"));
    Tick();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w->Dlg()));
}

TEST_F(WindowClipboard, MinimisedWindowStaysMinimised) {
    w->Dlg().showMinimized();
    CopyText(QStringLiteral("dog"));
    Tick();
    EXPECT_EQ(w->Headword(), QStringLiteral("dog"));
    EXPECT_TRUE(w->Dlg().isMinimized());
}

TEST_F(WindowClipboard, TraceMarksClipboardLookups) {
    ASSERT_EQ(setenv("NIRA_TRACE", "1", 1), 0);
    testing::internal::CaptureStderr();
    CopyText(QStringLiteral("cab"));
    Tick();
    w->SetQuery(QStringLiteral("dog"));
    const std::string lines = TraceLines(testing::internal::GetCapturedStderr());
    unsetenv("NIRA_TRACE");
    EXPECT_EQ(lines,
              "nira: lookup query=\"cab\" headword=\"car\" mode=2 clipboard=1\n"
              "nira: lookup query=\"dog\" headword=\"dog\" mode=3 clipboard=0\n");
}

TEST_F(WindowClipboard, CopiedCellsAndLinesGiveTheirFirstWord) {
    const struct {
        QString copied;
        QString field;
    } cases[] = {
        {QStringLiteral("dog\n"), QStringLiteral("dog")},
        {QStringLiteral("bank\t"), QStringLiteral("bank")},
        {QStringLiteral("\r\n  cat \r\nbank\r\n"), QStringLiteral("cat")},
        {QString::fromUtf16(u"\u00A0\u200Fبرف\u200C\n"), QString::fromUtf16(u"برف")},
    };
    for (const auto& c : cases) {
        CopyText(c.copied);
        Tick();
        EXPECT_EQ(Field(), c.field);
        EXPECT_EQ(w->Headword(), c.field);
    }
}

// A select-all and copy of the Persian meaning must not look it up.
TEST_F(WindowClipboard, TextCopiedOutOfAPaneIsNotTaken) {
    CopyText(QStringLiteral("book"));
    Tick();
    ASSERT_EQ(w->Headword(), QStringLiteral("book"));
    const unsigned lookups = Lookups();
    w->Dlg().PersianPane()->selectAll();
    w->Dlg().PersianPane()->copy();
    ASSERT_FALSE(QGuiApplication::clipboard()->text().isEmpty());
    Tick();
    Tick();
    EXPECT_EQ(Lookups(), lookups);
    EXPECT_EQ(Field(), QStringLiteral("book"));
    CopyText(QStringLiteral("dog"));  // the next copy elsewhere is taken
    Tick();
    EXPECT_EQ(Field(), QStringLiteral("dog"));
}

// Ticks without a reported change do not ask the owner for anything.
TEST_F(WindowClipboard, LargeTextIsFetchedOncePerChange) {
    QByteArray large = "dog ";
    large += QByteArray(20 * 1024 * 1024, 'x');
    auto* data = new CountingMimeData(large, true);
    Copy(data);
    for (int i = 0; i < 10; ++i) Tick();
    EXPECT_EQ(data->dataRequests, 1);
    EXPECT_LE(data->formatRequests, 1);
    EXPECT_EQ(w->Dlg().ClipboardFetches(), 1u);
    EXPECT_EQ(LastClip(), std::string("dog ") + std::string(46, 'x'));
    w->SetQuery(QString());
    w->Type(QStringLiteral("cat"));
    Tick();
    EXPECT_EQ(data->dataRequests, 1);
    EXPECT_EQ(w->Headword(), QStringLiteral("cat"));
}

TEST_F(WindowClipboard, OwnerThatNeverAnswersIsAskedOncePerChange) {
    auto* hung = new CountingMimeData("book", false);
    Copy(hung);
    for (int i = 0; i < 10; ++i) Tick();
    EXPECT_EQ(hung->dataRequests, 1);
    EXPECT_LE(hung->formatRequests, 1);
    EXPECT_TRUE(Field().isEmpty());
    w->Type(QStringLiteral("dog"));
    for (int i = 0; i < 5; ++i) Tick();
    EXPECT_EQ(hung->dataRequests, 1);
    EXPECT_EQ(w->Headword(), QStringLiteral("dog"));
    // The next change is fetched again.
    CopyText(QStringLiteral("apple"));
    Tick();
    EXPECT_EQ(Field(), QStringLiteral("apple"));
}

}  // namespace
}  // namespace nira::test
