// The window rectangle in Nira.ini: restored at start-up, saved by the
// close box and Escape (Enter keeps the window), not while minimised.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/SignalClose.h"
#include "platform/Profile.h"
#include "window/WindowHarness.h"

namespace nira::test {
namespace {

struct Saved {
    int left, right, top, bottom;
};

Saved ReadIni(const std::string& path) {
    return {GetPrivateProfileInt("Position", "left", 11111, path),
            GetPrivateProfileInt("Position", "right", 11111, path),
            GetPrivateProfileInt("Position", "top", 11111, path),
            GetPrivateProfileInt("Position", "bottom", 11111, path)};
}

std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct RestoreCase;
void PrintTo(const RestoreCase& c, std::ostream* out);

struct RestoreCase {
    const char* name;
    const char* left;
    const char* right;
    const char* top;
    const char* bottom;
    QRect outer;  // the frame rectangle after start-up
};

void PrintTo(const RestoreCase& c, std::ostream* out) {
    *out << c.name;
}

class WindowRestore : public ::testing::TestWithParam<RestoreCase> {};

TEST_P(WindowRestore, MovesTheWindowToTheSavedRectangle) {
    const RestoreCase& c = GetParam();
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    WriteIni(w.IniPath(), c.left, c.right, c.top, c.bottom);
    ASSERT_TRUE(w.StartShown());
    EXPECT_EQ(w.Dlg().frameGeometry(), c.outer);
}

INSTANTIATE_TEST_SUITE_P(
    Values, WindowRestore,
    ::testing::Values(
        // A maximised window's rectangle comes back as an ordinary window.
        RestoreCase{"Negative", "-8", "1032", "-8", "776", QRect(-8, -8, 1040, 784)},
        RestoreCase{"Plain", "10", "410", "20", "320", QRect(10, 20, 400, 300)},
        // The profile rules: the leading number counts.
        RestoreCase{"TrailingText", "12abc", "312xyz", "30", "330", QRect(12, 30, 300, 300)},
        RestoreCase{"NoNumberIsZero", "abc", "300", "40", "340", QRect(0, 40, 300, 300)},
        // Right of left and bottom above top: the smallest window there.
        RestoreCase{"Inverted", "300", "100", "400", "150", QRect(300, 400, 136, 39)}),
    [](const ::testing::TestParamInfo<RestoreCase>& info) { return info.param.name; });

// Where the window manager frames the window, the client goes inside the
// saved outer rectangle.
TEST(WindowIni, ClientRectangleInsideTheFrame) {
    EXPECT_EQ(ClientRectForOuter(QRect(-8, -8, 1040, 784), QMargins(4, 30, 4, 4)),
              QRect(-4, 22, 1032, 750));
    EXPECT_EQ(ClientRectForOuter(QRect(200, 150, 363, 300), QMargins()),
              QRect(200, 150, 363, 300));
    EXPECT_EQ(ClientRectForOuter(QRect(0, 0, 5, 5), QMargins(4, 30, 4, 4)),
              QRect(4, 30, 0, 0));
}

TEST(WindowIni, MissingFileGivesTheDefaultRectangle) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    ASSERT_TRUE(w.StartShown());
    EXPECT_EQ(w.Dlg().frameGeometry(), QRect(200, 150, 363, 300));
}

TEST(WindowIni, MissingKeysTakeTheirDefaults) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    std::ofstream(w.IniPath()) << "[Position]\nleft=100\n";
    ASSERT_TRUE(w.StartShown());
    EXPECT_EQ(w.Dlg().frameGeometry(), QRect(100, 150, 463, 300));
}

TEST(WindowIni, NoPositiveValueLeavesTheTemplateRectangle) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    WriteIni(w.IniPath(), "0", "-5", "0", "-1");
    ASSERT_TRUE(w.Start());
    EXPECT_FALSE(w.Dlg().testAttribute(Qt::WA_Moved));
    EXPECT_EQ(w.Dlg().size(), QSize(357, 257));
}

TEST(WindowIni, RectangleOnNoScreenComesOntoThePrimaryScreen) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    WriteIni(w.IniPath(), "20000", "20363", "20000", "20300");
    ASSERT_TRUE(w.StartShown());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(w.Dlg().frameGeometry(), QRect(screen.topLeft(), QSize(363, 300)));
}

TEST(WindowIni, ValuesBeyondTheCoordinateRangeAreHarmless) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    WriteIni(w.IniPath(), "-2147483648", "2147483647", "99999999999", "5");
    ASSERT_TRUE(w.StartShown());
    EXPECT_TRUE(w.Dlg().isVisible());
    // No bigger than the desktop and the slack a maximised frame needs.
    EXPECT_LE(w.Dlg().frameGeometry().width(), 1280 + 2 * kMaxTrackSlack);
    EXPECT_LE(w.Dlg().frameGeometry().height(), 1024 + 2 * kMaxTrackSlack);
    EXPECT_TRUE(QGuiApplication::primaryScreen()->geometry().intersects(w.Dlg().frameGeometry()));
}

TEST(WindowIni, CloseBoxSavesTheRectangleWithMinusSigns) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    WriteIni(w.IniPath(), "-8", "1032", "-8", "776");
    ASSERT_TRUE(w.StartShown());
    std::filesystem::remove(w.IniPath());
    w.Dlg().close();
    EXPECT_EQ(w.Dlg().result(), QDialog::Rejected);
    const Saved s = ReadIni(w.IniPath());
    EXPECT_EQ(s.left, -8);
    EXPECT_EQ(s.right, 1032);
    EXPECT_EQ(s.top, -8);
    EXPECT_EQ(s.bottom, 776);
    EXPECT_NE(FileText(w.IniPath()).find("left=-8"), std::string::npos);
}

// Logout, shutdown or a closed terminal: the window closes as by its close
// box, saving its rectangle (an uncaught signal would end the test run).
TEST(WindowIni, TerminatingSignalsCloseTheWindowSavingTheRectangle) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        auto fx = MakeStandardFixture();
        WindowHarness w(*fx);
        WriteIni(w.IniPath(), "10", "400", "20", "300");
        ASSERT_TRUE(w.StartShown());
        std::filesystem::remove(w.IniPath());
        CSignalClose signalClose(&w.Dlg());
        ASSERT_EQ(std::raise(signal), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!w.Dlg().isVisible(), 10000);
        EXPECT_EQ(w.Dlg().result(), QDialog::Rejected) << signal;
        const Saved s = ReadIni(w.IniPath());
        EXPECT_EQ(s.left, 10) << signal;
        EXPECT_EQ(s.right, 400) << signal;
        EXPECT_EQ(s.top, 20) << signal;
        EXPECT_EQ(s.bottom, 300) << signal;
    }
}

TEST(WindowIni, RoundTripOfAMovedWindow) {
    auto fx = MakeStandardFixture();
    TempFolder config;
    const std::string ini = config.FilePath("Nira.ini");
    QRect outer;
    {
        WindowHarness first(*fx, ini);
        ASSERT_TRUE(first.StartShown());
        first.Dlg().setGeometry(QRect(33, 44, 420, 310));
        outer = first.Dlg().frameGeometry();
        first.Dlg().close();
    }
    EXPECT_EQ(outer, QRect(33, 44, 420, 310));
    const Saved s = ReadIni(ini);
    EXPECT_EQ(s.left, 33);
    EXPECT_EQ(s.right, 453);
    EXPECT_EQ(s.top, 44);
    EXPECT_EQ(s.bottom, 354);
    WindowHarness second(*fx, ini);
    ASSERT_TRUE(second.StartShown());
    EXPECT_EQ(second.Dlg().frameGeometry(), outer);
}

TEST(WindowIni, ClosingWhileMinimisedWritesNothing) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    WriteIni(w.IniPath(), "10", "410", "20", "320");
    const std::string before = FileText(w.IniPath());
    ASSERT_TRUE(w.StartShown());
    w.Dlg().showMinimized();
    ASSERT_TRUE(w.Dlg().isMinimized());
    EXPECT_LT(w.Dlg().GetWindowRect().right(), 0);
    w.Dlg().close();
    EXPECT_EQ(FileText(w.IniPath()), before);
}

// Enter after a word is a reflex: it keeps the window and selects the
// word, so that the next word typed replaces it.
TEST(WindowIni, EnterInTheQueryFieldSelectsItsTextAndKeepsTheWindow) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto fx = MakeStandardFixture();
        WindowHarness w(*fx);
        ASSERT_TRUE(w.StartShown());
        w.Type(QStringLiteral("book"));
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(w.Dlg().WordField(), key, modifiers);
        EXPECT_TRUE(w.Dlg().isVisible()) << key;
        EXPECT_EQ(w.Dlg().WordField()->selectedText(), QStringLiteral("book")) << key;
        w.Type(QStringLiteral("dog"));
        EXPECT_EQ(w.Dlg().WordField()->text(), QStringLiteral("dog")) << key;
        EXPECT_EQ(w.Headword(), QStringLiteral("dog")) << key;
        EXPECT_FALSE(std::filesystem::exists(w.IniPath())) << key;
    }
}

TEST(WindowIni, EscapeClosesTheWindowSavingItsRectangle) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    ASSERT_TRUE(w.StartShown());
    w.Dlg().move(70, 80);
    w.Type(QStringLiteral("book"));
    QTest::keyClick(w.Dlg().WordField(), Qt::Key_Escape);
    EXPECT_FALSE(w.Dlg().isVisible());
    const Saved saved = ReadIni(w.IniPath());
    EXPECT_EQ(saved.left, 70);
    EXPECT_EQ(saved.top, 80);
    EXPECT_EQ(saved.right - saved.left, w.Dlg().frameGeometry().width());
}

TEST(WindowIni, EnterOnAnArrowButtonPressesIt) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    ASSERT_TRUE(w.StartShown());
    w.SetQuery(QStringLiteral("bank"));
    w.Dlg().NextButton()->setFocus();
    QTest::keyClick(w.Dlg().NextButton(), Qt::Key_Return);
    EXPECT_TRUE(w.Dlg().isVisible());
    EXPECT_EQ(w.Dlg().WordField()->text(), QStringLiteral("book"));
}

TEST(WindowIni, InertWindowStillSavesOnClose) {
    auto fx = MakeStandardFixture();
    std::remove(fx->EnglishPath().c_str());
    WindowHarness w(*fx);
    ASSERT_FALSE(w.StartShown());
    w.Dlg().move(50, 60);
    w.Dlg().close();
    EXPECT_EQ(ReadIni(w.IniPath()).left, 50);
    EXPECT_EQ(ReadIni(w.IniPath()).top, 60);
}

TEST(WindowIni, UnwritableFolderLosesOnlyTheSave) {
    auto fx = MakeStandardFixture();
    TempFolder folder;
    std::ofstream(folder.FilePath("file")) << "not a folder";
    const std::string ini = folder.FilePath("file") + "/Nira.ini";
    WindowHarness w(*fx, ini);
    ASSERT_TRUE(w.StartShown());
    w.Dlg().close();
    EXPECT_FALSE(w.Dlg().isVisible());
    EXPECT_FALSE(std::filesystem::exists(ini));
}

}  // namespace
}  // namespace nira::test
