// The About box: its template, the stored credits unscrambled, the focus and
// the keys that close it. Runs on the offscreen platform.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "NiraEdition.h"
#include "app/AboutDlg.h"
#include "app/Resource.h"
#include "text/PersianDisplay.h"

namespace nira {
namespace {

// The stored text read here on its own terms: each byte XOR the key (no
// subtraction), up to the zero byte, through code page 1256 with kaf and
// yeh shown as the Persian letters.
QString ExpectedAboutText() {
    QString text;
    for (const unsigned char stored : edition::kAboutText) {
        if (stored == 0) break;
        text += QChar(DisplayUnit(static_cast<unsigned char>(stored ^ edition::kScrambleKey)));
    }
    return text;
}

class AboutDlgTest : public testing::Test {
protected:
    static QLabel* AboutText(QWidget& dlg) {
        return dlg.findChild<QLabel*>(QStringLiteral("IDC_ABOUT_TEXT"));
    }
    static QPushButton* OkButton(QWidget& dlg) {
        return dlg.findChild<QPushButton*>(QStringLiteral("IDOK"));
    }
    static void Show(QWidget& dlg) {
        dlg.show();
        QCoreApplication::processEvents();
    }
};

TEST_F(AboutDlgTest, ShowsTheStoredCreditsUnscrambled) {
    const QString expected = ExpectedAboutText();
    ASSERT_FALSE(expected.isEmpty());
    CAboutDlg dlg;
    Show(dlg);
    ASSERT_NE(AboutText(dlg), nullptr);
    EXPECT_EQ(AboutText(dlg)->text(), expected);
    EXPECT_TRUE(expected.contains(QStringLiteral("WordNet"))) << expected.toStdString();
}

TEST_F(AboutDlgTest, SameTextOnEveryOpening) {
    QString first;
    {
        CAboutDlg dlg;
        Show(dlg);
        first = AboutText(dlg)->text();
        dlg.close();
        Show(dlg);  // the same box shown again initialises again
        EXPECT_EQ(AboutText(dlg)->text(), first);
    }
    CAboutDlg again;
    Show(again);
    EXPECT_EQ(AboutText(again)->text(), first);
    EXPECT_EQ(first, ExpectedAboutText());
}

TEST_F(AboutDlgTest, TemplateTextsAndRectangles) {
    CAboutDlg dlg;
    Show(dlg);
    EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8(kAboutCaption));
    EXPECT_EQ(dlg.size(), QSize(353, 167));  // 235 x 103 dialog units
    auto* title = dlg.findChild<QLabel*>(QStringLiteral("aboutTitle"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), QString::fromUtf8("Nira v1.2  فرهنگ لغت انگليسى"));
    EXPECT_EQ(title->geometry(), QRect(60, 16, 179, 13));
    EXPECT_EQ(OkButton(dlg)->text(), QString::fromUtf8("خوب"));
    EXPECT_EQ(OkButton(dlg)->geometry(), QRect(267, 11, 75, 23));
    EXPECT_EQ(AboutText(dlg)->geometry(), QRect(17, 47, 321, 104));
    EXPECT_TRUE(AboutText(dlg)->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(AboutText(dlg)->wordWrap());
}

// The icon comes from the resources compiled into the program: a missing
// resource would leave an empty label.
TEST_F(AboutDlgTest, ShowsTheProgramIcon) {
    CAboutDlg dlg;
    Show(dlg);
    auto* icon = dlg.findChild<QLabel*>(QStringLiteral("IDR_MAINFRAME"));
    ASSERT_NE(icon, nullptr);
    const QPixmap pixmap = icon->pixmap();
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.size(), QSize(32, 32));
    EXPECT_EQ(icon->geometry(), QRect(15, 11, 32, 32));
}

TEST_F(AboutDlgTest, OkIsDefaultFocusedAndTheOnlyTabStop) {
    CAboutDlg dlg;
    Show(dlg);
    QPushButton* ok = OkButton(dlg);
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(dlg.focusWidget(), ok);
    for (QWidget* child : dlg.findChildren<QWidget*>()) {
        if (child == ok) continue;
        EXPECT_FALSE(child->focusPolicy() & Qt::TabFocus) << child->objectName().toStdString();
    }
}

struct CloseKeyCase {
    const char* name;
    Qt::Key key;
    QDialog::DialogCode result;
};

class AboutDlgCloseTest : public AboutDlgTest,
                          public testing::WithParamInterface<CloseKeyCase> {};

TEST_P(AboutDlgCloseTest, KeyEndsTheModalBox) {
    CAboutDlg dlg;
    const Qt::Key key = GetParam().key;
    bool sent = false;
    QTimer::singleShot(0, &dlg, [&dlg, key, &sent] {
        QWidget* target = dlg.focusWidget() != nullptr ? dlg.focusWidget() : &dlg;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        QCoreApplication::sendEvent(target, &release);
        sent = true;
    });
    // A key that fails to close the box must not hang the test.
    QTimer::singleShot(5000, &dlg, [&dlg] { dlg.done(-1); });
    EXPECT_EQ(dlg.exec(), GetParam().result);
    EXPECT_TRUE(sent);
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutDlgCloseTest,
                         testing::Values(CloseKeyCase{"Return", Qt::Key_Return, QDialog::Accepted},
                                         CloseKeyCase{"Enter", Qt::Key_Enter, QDialog::Accepted},
                                         CloseKeyCase{"Escape", Qt::Key_Escape, QDialog::Rejected}),
                         [](const testing::TestParamInfo<CloseKeyCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace nira
