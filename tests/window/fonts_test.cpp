// The pane font: "Tahoma" names the Persian font compiled into the program.
#include <gtest/gtest.h>

#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QString>
#include <QStringList>

#include "app/Fonts.h"
#include "app/Resource.h"

namespace nira {
namespace {

TEST(LoadApplicationFonts, TahomaResolvesToTheCarriedFont) {
    if (!QFile::exists(QString::fromLatin1(kPersianFontResource)))
        GTEST_SKIP() << "built with NIRA_EMBED_FONT=OFF";
    LoadApplicationFonts();
    LoadApplicationFonts();  // a second call adds nothing
    const QString face = QString::fromLatin1(kPaneFontFace);
    const QStringList substitutes = QFont::substitutes(face);
    ASSERT_EQ(substitutes.size(), 1);
    EXPECT_EQ(substitutes.front().compare(QStringLiteral("Vazirmatn"), Qt::CaseInsensitive), 0);
    QFont pane(face);
    pane.setPixelSize(kPaneFontPixels);
    EXPECT_EQ(QFontInfo(pane).family(), QStringLiteral("Vazirmatn"));
}

}  // namespace
}  // namespace nira
