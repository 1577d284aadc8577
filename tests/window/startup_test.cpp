// Start-up: digest check of "english" then "persian", welcome text, data
// files, clipboard timer; every stop leaves an inert window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "window/WindowHarness.h"

namespace nira::test {
namespace {

void FlipFirstByte(const std::string& path) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    char byte = 0;
    file.read(&byte, 1);
    file.seekp(0);
    byte = static_cast<char>(byte ^ 0x01);
    file.write(&byte, 1);
}

TEST(WindowStartUp, CompleteStartUpShowsWelcomeTextAndWatchesClipboard) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    ASSERT_TRUE(w.Start());
    EXPECT_TRUE(w.Messages().empty());
    EXPECT_EQ(w.Dlg().CurrentPaneMode(), kPanePersian);
    EXPECT_TRUE(w.PersianShown());
    EXPECT_FALSE(w.EnglishShown());
    EXPECT_FALSE(w.PersianText().isEmpty());
    // The headword line keeps its template text until the first lookup.
    EXPECT_EQ(w.Headword(), QStringLiteral("Static"));
    EXPECT_TRUE(w.Dlg().Data().m_filePersian.IsOpen());
    EXPECT_TRUE(w.Dlg().Data().m_fileEnglish.IsOpen());
    EXPECT_EQ(w.Dlg().LastClip()[0], 0);
    EXPECT_TRUE(w.Dlg().IsClipboardWatched());
}

TEST(WindowStartUp, WelcomeTextIsReadablePersian) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    ASSERT_TRUE(w.Start());
    const QString welcome = w.PersianText();
    EXPECT_LE(welcome.size(), kWelcomeUnits - 1);
    int arabicLetters = 0;
    for (QChar c : welcome) {
        if (c.unicode() >= 0x0600 && c.unicode() <= 0x06FF) ++arabicLetters;
        // Unscrambled with the wrong key the text would hold C1 controls.
        EXPECT_FALSE(c.unicode() >= 0x80 && c.unicode() < 0xA0) << welcome.toStdString();
    }
    EXPECT_GT(arabicLetters, welcome.size() / 3);
    EXPECT_TRUE(w.Dlg().PersianPane()->IsRightToLeft());
}

// How a data file is spoiled, and what the start-up then reports.
struct SpoiledStartUp {
    const char* name;
    std::function<void(const FixtureDictionary&)> spoil;
    const char* message;        // nullptr: the damaged file's message
    const char* damaged;        // the file that message names
    bool welcomeShown;          // the digests passed
};

void PrintTo(const SpoiledStartUp& c, std::ostream* out) {
    *out << c.name;
}

class WindowInertStartUp : public ::testing::TestWithParam<SpoiledStartUp> {};

TEST_P(WindowInertStartUp, StopsAndLeavesTheWindowInert) {
    const SpoiledStartUp& c = GetParam();
    auto fx = MakeStandardFixture();
    c.spoil(*fx);
    WindowHarness w(*fx);
    EXPECT_FALSE(w.Start());

    if (c.message == nullptr) {
        // Named by its path, with what is wrong and how to get it back.
        ASSERT_EQ(w.Messages().size(), 1u);
        EXPECT_EQ(w.Messages()[0].caption, QStringLiteral("Nira"));
        const QString text = w.Messages()[0].text;
        const std::string path =
            std::string(c.damaged) == "english" ? fx->EnglishPath() : fx->PersianPath();
        EXPECT_TRUE(text.contains(QString::fromStdString(path) + QStringLiteral(" is damaged")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("not the edition this program was built for")));
        EXPECT_TRUE(text.contains(QStringLiteral("reinstall Nira")));
        EXPECT_TRUE(text.contains(QStringLiteral("scripts/run.sh")));
    } else {
        ASSERT_EQ(w.Messages().size(), 1u);
        EXPECT_EQ(w.Messages()[0].caption, QStringLiteral("Nira"));
        EXPECT_EQ(w.Messages()[0].text, QString::fromLatin1(c.message));
    }
    EXPECT_FALSE(w.Dlg().IsClipboardWatched());
    EXPECT_EQ(w.Headword(), QStringLiteral("Static"));
    EXPECT_FALSE(w.Dlg().Data().m_fileEnglish.IsOpen());
    if (c.welcomeShown) {
        EXPECT_EQ(w.Dlg().CurrentPaneMode(), kPanePersian);
        EXPECT_FALSE(w.PersianText().isEmpty());
        return;
    }
    // Stopped at a digest: both panes empty at their template rectangles.
    EXPECT_FALSE(w.Dlg().Data().m_filePersian.IsOpen());
    EXPECT_TRUE(w.PersianShown());
    EXPECT_TRUE(w.EnglishShown());
    EXPECT_TRUE(w.PersianText().isEmpty());
    EXPECT_EQ(w.PersianRect(), TemplatePixels(kMeaningFaRect));
    EXPECT_EQ(w.EnglishRect(), TemplatePixels(kMeaningEnRect));
}

INSTANTIATE_TEST_SUITE_P(
    Spoiled, WindowInertStartUp,
    ::testing::Values(
        SpoiledStartUp{"EnglishMissing",
                       [](const FixtureDictionary& fx) { std::remove(fx.EnglishPath().c_str()); },
                       "english was not found.", nullptr, false},
        SpoiledStartUp{"PersianMissing",
                       [](const FixtureDictionary& fx) { std::remove(fx.PersianPath().c_str()); },
                       "persian was not found.", nullptr, false},
        SpoiledStartUp{"EnglishAlteredByOneByte",
                       [](const FixtureDictionary& fx) { FlipFirstByte(fx.EnglishPath()); },
                       nullptr, "english", false},
        SpoiledStartUp{"PersianAlteredByOneByte",
                       [](const FixtureDictionary& fx) { FlipFirstByte(fx.PersianPath()); },
                       nullptr, "persian", false},
        // "english" fails first, so "persian" is never looked at.
        SpoiledStartUp{"EnglishAlteredPersianMissing",
                       [](const FixtureDictionary& fx) {
                           FlipFirstByte(fx.EnglishPath());
                           std::remove(fx.PersianPath().c_str());
                       },
                       nullptr, "english", false},
        SpoiledStartUp{"EnglishMissingPersianMissing",
                       [](const FixtureDictionary& fx) {
                           std::remove(fx.EnglishPath().c_str());
                           std::remove(fx.PersianPath().c_str());
                       },
                       "english was not found.", nullptr, false},
        SpoiledStartUp{"EnglishIsAFolder",
                       [](const FixtureDictionary& fx) {
                           std::remove(fx.EnglishPath().c_str());
                           std::filesystem::create_directory(fx.EnglishPath());
                       },
                       "Access to english was denied.", nullptr, false}),
    [](const ::testing::TestParamInfo<SpoiledStartUp>& info) { return info.param.name; });

TEST(WindowStartUp, InertWindowLooksNothingUpButStillShowsTheWelcomeText) {
    auto fx = MakeStandardFixture();
    FlipFirstByte(fx->PersianPath());
    WindowHarness w(*fx);
    ASSERT_FALSE(w.Start());
    w.Type(QStringLiteral("book"));
    EXPECT_EQ(w.Headword(), QStringLiteral("Static"));
    EXPECT_TRUE(w.EnglishText().isEmpty());
    w.Dlg().OnNext();
    w.Dlg().OnPrev();
    EXPECT_EQ(w.Dlg().WordField()->text(), QStringLiteral("book"));
    w.SetQuery(QString());
    EXPECT_EQ(w.Dlg().CurrentPaneMode(), kPanePersian);
    EXPECT_FALSE(w.PersianText().isEmpty());
    EXPECT_TRUE(w.Headword().isEmpty());
}

// The program's icons come from its resources; the arrow buttons show
// their texts only where no icon is.
TEST(WindowStartUp, WindowAndArrowIcons) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    ASSERT_TRUE(w.Start());
    if (!QFile::exists(QStringLiteral(":/icons/prev.png"))) {
        EXPECT_EQ(w.Dlg().PrevButton()->text(), QStringLiteral("/\\"));
        EXPECT_EQ(w.Dlg().NextButton()->text(), QStringLiteral("\\/"));
        GTEST_SKIP() << "built without the icons";
    }
    EXPECT_FALSE(w.Dlg().windowIcon().isNull());
    for (const QPushButton* button : {w.Dlg().PrevButton(), w.Dlg().NextButton()}) {
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_TRUE(button->text().isEmpty());
    }
    EXPECT_EQ(w.Dlg().PrevButton()->accessibleName(), QStringLiteral("/\\"));
}

TEST(WindowStartUp, FocusGoesToTheQueryField) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    ASSERT_TRUE(w.StartShown());
    EXPECT_EQ(w.Dlg().focusWidget(), w.Dlg().WordField());
}

}  // namespace
}  // namespace nira::test
