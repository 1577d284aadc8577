// The dialog template in pixels, the pane layout by pane mode, resizing,
// and the look of the meaning panes.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "app/DialogUnits.h"
#include "app/Fonts.h"
#include "window/WindowHarness.h"

namespace nira::test {
namespace {

struct MulDivCase {
    int a, b, c, expected;
};

TEST(DialogUnits, MulDivRoundsHalvesAwayFromZero) {
    const MulDivCase cases[] = {
        {1, 6, 4, 2},      // 1.5
        {-1, 6, 4, -2},    // -1.5
        {30, 13, 8, 49},   // 48.75
        {5, 13, 8, 8},     // 8.125
        {237, 6, 4, 356},  // 355.5
        {0, 13, 8, 0},
        {7, 3, 0, -1},     // no divisor: the system's answer
    };
    for (const MulDivCase& c : cases) {
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
    }
}

TEST(WindowTemplate, ControlsStandAtTheirTemplateRectangles) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    CDictionaryDlg& dlg = w.Dlg();
    EXPECT_EQ(dlg.size(), QSize(357, 257));
    const struct {
        const char* name;
        QRect pixels;
    } controls[] = {
        {"IDC_STATIC", QRect(2, 10, 38, 13)},   {"IDC_WORD", QRect(44, 8, 288, 20)},
        {"IDC_HEADWORD", QRect(45, 28, 284, 18)}, {"IDC_MEANING_FA", QRect(0, 49, 356, 94)},
        {"IDC_PREV", QRect(335, 2, 20, 16)},    {"IDC_NEXT", QRect(335, 18, 20, 16)},
        {"IDC_MEANING_EN", QRect(0, 146, 356, 111)},
    };
    for (const auto& c : controls) {
        const QWidget* control = dlg.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(control->geometry(), c.pixels) << c.name;
    }
}

TEST(WindowTemplate, TextsCaptionAndTabOrder) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    CDictionaryDlg& dlg = w.Dlg();
    const QString caption = dlg.windowTitle();
    EXPECT_TRUE(caption.startsWith(QStringLiteral("Nira ")));
    EXPECT_TRUE(caption.contains(QChar(0x064A)));
    EXPECT_TRUE(caption.endsWith(QChar(0x0649)));
    EXPECT_FALSE(caption.contains(QChar(0x06CC)));
    EXPECT_EQ(dlg.findChild<QLabel*>(QStringLiteral("IDC_STATIC"))->text(),
              QStringLiteral("Word : "));
    EXPECT_EQ(w.Headword(), QStringLiteral("Static"));
    EXPECT_FALSE(dlg.PrevButton()->isDefault());
    EXPECT_FALSE(dlg.NextButton()->isDefault());
    EXPECT_FALSE(dlg.PrevButton()->autoDefault());

    const QWidget* expected[] = {dlg.WordField(), dlg.PersianPane(), dlg.PrevButton(),
                                 dlg.NextButton(), dlg.EnglishPane()};
    for (std::size_t i = 0; i + 1 < std::size(expected); ++i) {
        const QWidget* next = expected[i]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
        EXPECT_EQ(next, expected[i + 1]) << "after tab stop " << i;
    }
}

TEST(WindowTemplate, QueryFieldTurnsTypedAndPastedLettersToLowerCase) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    ASSERT_TRUE(w.Start());
    w.Type(QStringLiteral("BoOK"));
    EXPECT_EQ(w.Dlg().WordField()->text(), QStringLiteral("book"));
    w.SetQuery(QStringLiteral("DOG"));
    EXPECT_EQ(w.Dlg().WordField()->text(), QStringLiteral("dog"));
    EXPECT_EQ(w.Headword(), QStringLiteral("dog"));
}

struct LayoutCase {
    int mode;
    bool persianShown, englishShown;
    QRect persian, english;  // null: not checked (hidden pane)
};

TEST(WindowLayout, PaneModesAtFourHundredByThreeHundred) {
    const LayoutCase cases[] = {
        {kPaneBoth, true, true, QRect(0, 47, 400, 126), QRect(0, 173, 400, 126)},
        {kPanePersian, true, false, QRect(0, 47, 400, 253), QRect()},
        {kPaneEnglish, false, true, QRect(), QRect(0, 47, 400, 253)},
    };
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    ASSERT_TRUE(w.StartShown());
    w.Dlg().resize(400, 300);
    ASSERT_EQ(w.Dlg().rect().size(), QSize(400, 300));
    for (const LayoutCase& c : cases) {
        w.Dlg().LayoutPanes(c.mode);
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(w.Dlg().CurrentPaneMode(), c.mode);
        EXPECT_EQ(w.PersianShown(), c.persianShown);
        EXPECT_EQ(w.EnglishShown(), c.englishShown);
        if (!c.persian.isNull()) {
            EXPECT_EQ(w.PersianRect(), c.persian);
        }
        if (!c.english.isNull()) {
            EXPECT_EQ(w.EnglishRect(), c.english);
        }
    }
}

TEST(WindowLayout, ModeZeroAndOthersLeaveBothPanesAsTheyAre) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    ASSERT_TRUE(w.StartShown());
    w.Dlg().resize(400, 300);
    w.Dlg().LayoutPanes(kPaneBoth);
    for (int mode : {0, 4, -1}) {
        w.Dlg().LayoutPanes(mode);
        EXPECT_EQ(w.Dlg().CurrentPaneMode(), mode);
        EXPECT_TRUE(w.PersianShown());
        EXPECT_TRUE(w.EnglishShown());
        EXPECT_EQ(w.PersianRect(), QRect(0, 47, 400, 126));
        EXPECT_EQ(w.EnglishRect(), QRect(0, 173, 400, 126));
    }
    // A later resize re-applies the recorded mode 0: nothing moves.
    w.Dlg().LayoutPanes(kPaneNone);
    w.Dlg().resize(500, 400);
    EXPECT_EQ(w.PersianRect(), QRect(0, 47, 400, 126));
    EXPECT_EQ(w.EnglishRect(), QRect(0, 173, 400, 126));
}

TEST(WindowLayout, ResizeReLaysThePanesInTheLastMode) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    ASSERT_TRUE(w.StartShown());
    w.Type(QStringLiteral("book"));
    ASSERT_EQ(w.Dlg().CurrentPaneMode(), kPaneBoth);
    w.Dlg().resize(500, 401);
    EXPECT_EQ(w.PersianRect(), QRect(0, 47, 500, 177));
    EXPECT_EQ(w.EnglishRect(), QRect(0, 224, 500, 177));
    w.SetQuery(QString());  // welcome text: mode 1
    w.Dlg().resize(300, 200);
    EXPECT_FALSE(w.EnglishShown());
    EXPECT_EQ(w.PersianRect(), QRect(0, 47, 300, 153));
}

TEST(WindowLayout, InertWindowKeepsTemplateRectanglesOnResize) {
    auto fx = MakeStandardFixture();
    std::remove(fx->EnglishPath().c_str());
    WindowHarness w(*fx);
    ASSERT_FALSE(w.StartShown());
    w.Dlg().resize(600, 500);
    EXPECT_EQ(w.PersianRect(), TemplatePixels(kMeaningFaRect));
    EXPECT_EQ(w.EnglishRect(), TemplatePixels(kMeaningEnRect));
}

TEST(ShadedEdit, FrameRectangleOfTheClientArea) {
    const QRect r = CShadedEdit::FrameRectFor(100, 50);
    EXPECT_EQ(r.left(), -1);
    EXPECT_EQ(r.top(), -1);
    EXPECT_EQ(r.right(), 98);   // the one line that shows
    EXPECT_EQ(r.bottom(), 50);  // just below the client area
}

TEST(ShadedEdit, PaintsNavyOnLightGreyWithTheDarkRightLine) {
    CShadedEdit pane;
    pane.resize(200, 80);
    pane.SetWindowText(QStringLiteral("shaded"));
    const QImage image = pane.viewport()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    const int w = pane.viewport()->width();
    const int h = pane.viewport()->height();
    EXPECT_EQ(QColor(image.pixel(w - 2, h / 2)), QColor(64, 64, 64));
    EXPECT_EQ(QColor(image.pixel(w - 1, h / 2)), QColor(247, 247, 247));
    EXPECT_EQ(QColor(image.pixel(0, h - 1)), QColor(247, 247, 247));
    EXPECT_EQ(QColor(image.pixel(w / 2, 0)), QColor(247, 247, 247));
    EXPECT_EQ(pane.palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_EQ(pane.palette().color(QPalette::Base), QColor(247, 247, 247));
    EXPECT_TRUE(pane.isReadOnly());
    EXPECT_EQ(pane.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(pane.lineWrapMode(), QTextEdit::WidgetWidth);
}

TEST(ShadedEdit, LineBreaksAreCarriageReturnLineFeed) {
    CShadedEdit pane;
    pane.SetWindowText(QStringLiteral("1- one \r\n2- two"));
    EXPECT_EQ(pane.document()->blockCount(), 2);
    EXPECT_EQ(pane.GetWindowText(), QStringLiteral("1- one \r\n2- two"));
}

// The known trap: a right-to-left plain text edit stays left-aligned unless
// its document says otherwise. The ink of a short word must sit at the right.
TEST(ShadedEdit, RightToLeftPaneDrawsItsTextAtTheRight) {
    CShadedEdit pane;
    pane.SetRightToLeft();
    pane.resize(300, 60);
    pane.SetWindowText(QString::fromUtf16(u"کتاب"));
    const QImage image = pane.viewport()->grab().toImage();
    int leftmostInk = image.width();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width() - 3; ++x) {
            if (qBlue(image.pixel(x, y)) > 100 && qRed(image.pixel(x, y)) < 100) {
                leftmostInk = std::min(leftmostInk, x);
            }
        }
    }
    EXPECT_LT(leftmostInk, image.width());  // some navy ink at all
    EXPECT_GT(leftmostInk, image.width() / 2);
}

}  // namespace
}  // namespace nira::test

namespace nira::test {
namespace {

// "Tahoma" is what the panes ask for; where the program carries its Persian
// font, that is what they get, at a 14-pixel em with lines 17 pixels apart.
TEST(WindowFont, PanesUseTheCarriedPersianFontAtFourteenPixels) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    ASSERT_TRUE(w.Start());
    const QFont& font = w.Dlg().PaneFont();
    EXPECT_EQ(font.family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(font.pixelSize(), 14);
    EXPECT_EQ(w.Dlg().PersianPane()->font(), font);
    EXPECT_EQ(w.Dlg().EnglishPane()->font(), font);
    EXPECT_EQ(w.Dlg().PersianPane()->LinePitch(), 17);
    EXPECT_EQ(w.Dlg().EnglishPane()->LinePitch(), 17);
    if (!QFile::exists(QString::fromLatin1(kPersianFontResource))) {
        GTEST_SKIP() << "built without the Persian font";
    }
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Vazirmatn"));
}

// Whole lines a pane shows from its top: the lines whose pitch ends inside
// the viewport.
int WholeLinesShown(const CShadedEdit& pane) {
    const QTextDocument* document = pane.document();
    int lines = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QRectF rect = document->documentLayout()->blockBoundingRect(block);
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const qreal top = rect.top() + i * pane.LinePitch();
            if (top + pane.LinePitch() <= pane.viewport()->height()) ++lines;
        }
    }
    return lines;
}

// The window at the default size (363 x 300 with its frame): each half pane
// shows at least six lines of meanings, with no frame (the offscreen
// platform) and under a window manager's title bar and borders.
TEST(WindowFont, HalfPaneAtTheDefaultSizeShowsSixLines) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    ASSERT_TRUE(w.StartShown());
    w.SetQuery(QStringLiteral("book"));
    ASSERT_EQ(w.Dlg().CurrentPaneMode(), kPaneBoth);
    QString persian, english;
    for (int i = 1; i <= 10; ++i) {
        persian += QString::fromUtf16(u"%1- کتاب و دفتر \r\n").arg(i);
        english += QStringLiteral("%1- (n.) a written work \r\n").arg(i);
    }
    w.Dlg().PersianPane()->SetWindowText(persian);
    w.Dlg().EnglishPane()->SetWindowText(english);
    const struct {
        int titleBar;
        int border;
    } frames[] = {{0, 0}, {24, 2}, {30, 4}};
    for (const auto& f : frames) {
        w.Dlg().resize(kDefaultRight - kDefaultLeft - 2 * f.border,
                       kDefaultBottom - kDefaultTop - f.titleBar - 2 * f.border);
        QApplication::processEvents();
        EXPECT_GE(WholeLinesShown(*w.Dlg().PersianPane()), 6) << "title bar " << f.titleBar;
        EXPECT_GE(WholeLinesShown(*w.Dlg().EnglishPane()), 6) << "title bar " << f.titleBar;
    }
}

TEST(WindowFont, PersianHeadwordInThePaneFont) {
    auto fx = MakeStandardFixture();
    WindowHarness w(*fx);
    ASSERT_TRUE(w.StartShown());
    const QFont dialogFont = w.Dlg().font();
    w.SetQuery(QString::fromUtf16(u"باران"));  // reh and noon reach below the line
    const QFont persian = w.Dlg().HeadwordLine()->font();
    EXPECT_EQ(persian.family(), w.Dlg().PaneFont().family());
    EXPECT_EQ(persian.pixelSize(), 14);
    // The letters are not cut at the line's foot: its last rows hold no ink.
    const QImage image = w.Dlg().HeadwordLine()->grab().toImage();
    int inkRows = 0;
    int lastInkRow = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                lastInkRow = y;
                ++inkRows;
                break;
            }
        }
    }
    EXPECT_GT(inkRows, 8);
    EXPECT_LT(lastInkRow, image.height() - 1);
    w.SetQuery(QStringLiteral("book"));
    EXPECT_EQ(w.Dlg().HeadwordLine()->font(), dialogFont);
}

}  // namespace
}  // namespace nira::test
