// The window among other programs: words handed over by a later start,
// the Wayland note, the About item in the controls' context menus.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "app/Resource.h"
#include "window/WindowHarness.h"

namespace nira::test {
namespace {

class WindowDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
        fx = MakeStandardFixture();
        w = std::make_unique<WindowHarness>(*fx);
    }
    void TearDown() override { QGuiApplication::clipboard()->clear(QClipboard::Clipboard); }

    QString Field() const { return w->Dlg().WordField()->text(); }

    std::unique_ptr<FixtureDictionary> fx;
    std::unique_ptr<WindowHarness> w;
};

TEST_F(WindowDesktop, HandedWordsAreLookedUpAsACopiedText) {
    ASSERT_TRUE(w->StartShown());
    const struct {
        QString words;
        QString field;
    } cases[] = {
        {QStringLiteral("book"), QStringLiteral("book")},
        {QStringLiteral("  Dog\n"), QStringLiteral("dog")},  // the field's lower case
        {QString::fromUtf16(u"\u200Fبرف\u00A0"), QString::fromUtf16(u"برف")},
        {QStringLiteral("\tcat\r\nbank"), QStringLiteral("cat")},
    };
    for (const auto& c : cases) {
        w->Dlg().OnHandedWords(c.words);
        EXPECT_EQ(Field(), c.field);
        EXPECT_EQ(w->Headword(), c.field);
    }
    w->Dlg().OnHandedWords(QStringLiteral("bank cat"));  // several words: one query
    EXPECT_EQ(Field(), QStringLiteral("bank cat"));
}

TEST_F(WindowDesktop, NoWordsOnlyBringTheWindowBack) {
    ASSERT_TRUE(w->StartShown());
    w->SetQuery(QStringLiteral("cat"));
    w->Dlg().showMinimized();
    ASSERT_TRUE(w->Dlg().isMinimized());
    w->Dlg().OnHandedWords(QString());
    EXPECT_FALSE(w->Dlg().isMinimized());
    EXPECT_EQ(Field(), QStringLiteral("cat"));
}

// `nira book` while the clipboard holds another word: book stays.
TEST_F(WindowDesktop, WordsAtStartWinOverTheClipboardsOldText) {
    QGuiApplication::clipboard()->setText(QStringLiteral("dog"));
    ASSERT_TRUE(w->Start());
    w->Dlg().ShowWordsAtStart(QStringLiteral("book"));
    w->Show();
    w->Dlg().OnTimer(kClipboardTimerId);
    EXPECT_EQ(w->Headword(), QStringLiteral("book"));
    QGuiApplication::clipboard()->setText(QStringLiteral("apple"));  // a later copy counts
    w->Dlg().OnTimer(kClipboardTimerId);
    EXPECT_EQ(w->Headword(), QStringLiteral("apple"));
}

TEST_F(WindowDesktop, WaylandNoteOnlyWhereTheClipboardNeedsTheFocus) {
    for (bool needsFocus : {false, true}) {
        DictionaryDlgOptions options;
        options.dataFolder = fx->Folder();
        options.clipboardNeedsFocus = needsFocus;
        CDictionaryDlg dlg(options, fx->Edition());
        const QString note = dlg.HeadwordLine()->toolTip();
        EXPECT_EQ(note.contains(QStringLiteral("nira WORD")), needsFocus) << note.toStdString();
        EXPECT_EQ(note.contains(QStringLiteral("focus")), needsFocus);
        EXPECT_EQ(dlg.WordField()->placeholderText().isEmpty(), !needsFocus);
    }
}

// Runs action and returns the class of the modal window or popup that
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
    QTest::qWait(50);
    poll.stop();
    return seen;
}

TEST_F(WindowDesktop, FieldAndPanesOfferTheAboutItem) {
    ASSERT_TRUE(w->StartShown());
    w->SetQuery(QStringLiteral("book"));
    QWidget* controls[] = {w->Dlg().WordField(), w->Dlg().PersianPane(), w->Dlg().EnglishPane()};
    for (QWidget* control : controls) {
        std::unique_ptr<QMenu> menu(w->Dlg().ContextMenuFor(control, QPoint(5, 5)));
        ASSERT_NE(menu, nullptr) << control->objectName().toStdString();
        QAction* about = nullptr;
        bool copy = false;
        for (QAction* action : menu->actions()) {
            if (action->text() == QString::fromUtf8(kAboutItemText)) about = action;
            if (action->text().contains(QStringLiteral("Copy"))) copy = true;
        }
        ASSERT_NE(about, nullptr) << control->objectName().toStdString();
        EXPECT_TRUE(copy) << "the control's own items stay";
        EXPECT_EQ(WindowOpenedBy([&] { about->trigger(); }), QStringLiteral("nira::CAboutDlg"));
    }
    EXPECT_EQ(w->Dlg().ContextMenuFor(&w->Dlg(), QPoint()), nullptr);
}

TEST_F(WindowDesktop, RightClickOnTheFieldOpensItsMenu) {
    ASSERT_TRUE(w->StartShown());
    QLineEdit* field = w->Dlg().WordField();
    const QPoint inside(10, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, field->mapToGlobal(inside));
    EXPECT_EQ(WindowOpenedBy([&] { QApplication::sendEvent(field, &event); }),
              QStringLiteral("QMenu"));
}

}  // namespace
}  // namespace nira::test
