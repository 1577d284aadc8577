// A restored rectangle keeps its place only where its title bar can be
// taken with the mouse; otherwise it comes fully onto a screen.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "app/WindowPlacement.h"
#include "window/WindowHarness.h"

namespace nira::test {
namespace {

struct PlaceCase {
    const char* name;
    QRect outer;
    QRect placed;
};

TEST(PlaceRestoredRect, OneScreenWithAPanelBelow) {
    const QList<ScreenArea> screens = {{QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 1000)}};
    const PlaceCase cases[] = {
        {"plain", QRect(10, 20, 400, 300), QRect(10, 20, 400, 300)},
        {"maximised frame over the edges", QRect(-8, -8, 1040, 784), QRect(-8, -8, 1040, 784)},
        {"larger than the screen, title bar on it", QRect(-2000, 0, 3000, 2000),
         QRect(-2000, 0, 3000, 2000)},
        {"100 px of title bar at the right", QRect(1188, 100, 363, 300),
         QRect(1188, 100, 363, 300)},
        {"99 px of title bar at the right", QRect(1189, 100, 363, 300),
         QRect(917, 100, 363, 300)},
        {"a 34 x 14 sliver at the bottom right", QRect(1246, 1010, 363, 300),
         QRect(917, 700, 363, 300)},
        {"mostly left of the screen", QRect(-300, 100, 363, 300), QRect(0, 100, 363, 300)},
        {"title bar above the screen", QRect(100, -30, 363, 300), QRect(100, 0, 363, 300)},
        {"on no screen", QRect(20000, 20000, 363, 300), QRect(0, 0, 363, 300)},
    };
    for (const PlaceCase& c : cases) {
        EXPECT_EQ(PlaceRestoredRect(c.outer, screens, 0), c.placed) << c.name;
    }
}

TEST(PlaceRestoredRect, TwoScreens) {
    const QList<ScreenArea> screens = {{QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 1024)},
                                       {QRect(1280, 0, 1024, 768), QRect(1280, 24, 1024, 744)}};
    const PlaceCase cases[] = {
        {"on the second", QRect(1400, 100, 300, 200), QRect(1400, 100, 300, 200)},
        {"across both, title bar on the first", QRect(1100, 100, 400, 300),
         QRect(1100, 100, 400, 300)},
        {"below the second's foot", QRect(1300, 760, 363, 300), QRect(1300, 468, 363, 300)},
        {"taller than the second's available area", QRect(1300, 760, 300, 900),
         QRect(1300, 24, 300, 744)},
        {"on no screen: the primary", QRect(-5000, -5000, 300, 200), QRect(1280, 24, 300, 200)},
    };
    for (const PlaceCase& c : cases) {
        EXPECT_EQ(PlaceRestoredRect(c.outer, screens, 1), c.placed) << c.name;
    }
    EXPECT_EQ(PlaceRestoredRect(QRect(1, 2, 3, 4), {}, 0), QRect(1, 2, 3, 4));
}

TEST(WindowIniPlacement, SliverLeftOnTheScreenComesFullyOn) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int left = screen.right() - 33;
    const int top = screen.bottom() - 13;
    WriteIni(w.IniPath(), std::to_string(left), std::to_string(left + 363),
             std::to_string(top), std::to_string(top + 300));
    ASSERT_TRUE(w.StartShown());
    EXPECT_EQ(w.Dlg().frameGeometry(),
              QRect(screen.right() - 362, screen.bottom() - 299, 363, 300));
}

}  // namespace
}  // namespace nira::test
