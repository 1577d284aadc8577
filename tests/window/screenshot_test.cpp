// Renders the window with an English and a Persian word; the pictures are
// kept as PNG files (ShotsFolder()) to be looked at.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>

#include <cstdlib>

#include "window/WindowHarness.h"

namespace nira::test {
namespace {

// Keeps a picture when a folder for them is given; true when it was kept
// or no folder was asked for.
bool KeepShot(const QPixmap& shot, const QString& name) {
    const QString folder = ShotsFolder();
    if (folder.isEmpty()) return true;
    QDir().mkpath(folder);
    return shot.save(QDir(folder).filePath(name), "PNG");
}

// Counts pixels of the pane text's navy among the picture's pixels.
int NavyPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qBlue(p) > 100 && qRed(p) < 90 && qGreen(p) < 90) ++count;
        }
    }
    return count;
}

TEST(WindowScreenshot, EnglishAndPersianWordsRender) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    ASSERT_TRUE(w.StartShown());
    w.Dlg().resize(420, 320);

    w.Type(QStringLiteral("book"));
    ASSERT_EQ(w.Dlg().CurrentPaneMode(), kPaneBoth);
    const QPixmap english = w.Dlg().grab();
    ASSERT_FALSE(english.isNull());
    EXPECT_EQ(english.size(), QSize(420, 320));
    EXPECT_GT(NavyPixels(w.Dlg().PersianPane()->grab().toImage()), 20);
    EXPECT_GT(NavyPixels(w.Dlg().EnglishPane()->grab().toImage()), 20);
    EXPECT_TRUE(KeepShot(english, QStringLiteral("fixture-english-word.png")));

    w.SetQuery(QString());
    w.Type(QString::fromUtf16(u"باران"));
    ASSERT_EQ(w.Dlg().CurrentPaneMode(), kPaneEnglish);
    EXPECT_EQ(w.EnglishText(), QStringLiteral("rain"));
    const QPixmap persian = w.Dlg().grab();
    ASSERT_FALSE(persian.isNull());
    EXPECT_GT(NavyPixels(w.Dlg().EnglishPane()->grab().toImage()), 10);
    EXPECT_TRUE(KeepShot(persian, QStringLiteral("fixture-persian-word.png")));

    w.SetQuery(QString());
    const QPixmap welcome = w.Dlg().grab();
    ASSERT_FALSE(welcome.isNull());
    EXPECT_GT(NavyPixels(w.Dlg().PersianPane()->grab().toImage()), 100);
    EXPECT_TRUE(KeepShot(welcome, QStringLiteral("fixture-welcome.png")));
}

}  // namespace
}  // namespace nira::test
