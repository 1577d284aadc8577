// The About item: the window's context menu and F1 send IDM_ABOUTBOX
// through OnSysCommand, which opens the About box for 16 to 31 only.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <functional>

#include "app/Resource.h"
#include "window/WindowHarness.h"

namespace nira::test {
namespace {

// Runs action and returns the class of the modal window or popup menu that
// opened meanwhile (closing it again), or "" when none opened.
QString WindowOpenedBy(const std::function<void()>& action) {
    QString seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* opened = QApplication::activePopupWidget();
        if (opened == nullptr) opened = QApplication::activeModalWidget();
        if (opened == nullptr || !seen.isEmpty()) return;
        seen = QString::fromLatin1(opened->metaObject()->className());
        opened->close();
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

class WindowSysMenu : public ::testing::Test {
protected:
    void SetUp() override {
        fx = MakeStandardFixture();
        w = std::make_unique<WindowHarness>(*fx);
        ASSERT_TRUE(w->StartShown());
    }
    std::unique_ptr<FixtureDictionary> fx;
    std::unique_ptr<WindowHarness> w;
};

TEST_F(WindowSysMenu, AboutOpensForTheMaskedCommandOnly) {
    const struct {
        unsigned nID;
        bool opens;
    } cases[] = {{IDM_ABOUTBOX, true}, {17, true},     {31, true},      {15, false},
                 {32, false},          {0xF020, false}, {0xF060, false}, {0x10010, true}};
    for (const auto& c : cases) {
        const QString opened = WindowOpenedBy([&] { w->Dlg().OnSysCommand(c.nID, 0); });
        EXPECT_EQ(opened, c.opens ? QStringLiteral("nira::CAboutDlg") : QString()) << c.nID;
    }
}

TEST_F(WindowSysMenu, AboutOpensAgainAndAgain) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(WindowOpenedBy([&] { w->Dlg().OnSysCommand(IDM_ABOUTBOX, 0); }),
                  QStringLiteral("nira::CAboutDlg"));
    }
}

TEST_F(WindowSysMenu, ContextMenuOffersTheAboutItem) {
    QMenu* menu = w->Dlg().SystemMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    QAction* about = menu->actions().front();
    EXPECT_EQ(about->text(), QStringLiteral("&About Nira..."));
    EXPECT_EQ(WindowOpenedBy([&] { about->trigger(); }), QStringLiteral("nira::CAboutDlg"));

    const QPoint inside(5, 120);  // the window's own background
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, w->Dlg().mapToGlobal(inside));
    EXPECT_EQ(WindowOpenedBy([&] { QApplication::sendEvent(&w->Dlg(), &event); }),
              QStringLiteral("QMenu"));
}

TEST_F(WindowSysMenu, F1OpensTheAboutBox) {
    w->Dlg().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w->Dlg()));
    EXPECT_EQ(WindowOpenedBy([&] { QTest::keyClick(w->Dlg().WordField(), Qt::Key_F1); }),
              QStringLiteral("nira::CAboutDlg"));
}

TEST(WindowSysMenuInert, AboutItemIsThereWhenTheDataFailed) {
    auto fx = MakeStandardFixture();
    std::remove(fx->EnglishPath().c_str());
    WindowHarness w(*fx);
    ASSERT_FALSE(w.Start());
    ASSERT_NE(w.Dlg().SystemMenu(), nullptr);
    EXPECT_EQ(w.Dlg().SystemMenu()->actions().size(), 1);
}

}  // namespace
}  // namespace nira::test
