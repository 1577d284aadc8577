// The clipboard watcher, and the About item with its system command.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTimerEvent>

#include <algorithm>
#include <cstring>

#include "app/AboutDlg.h"
#include "app/ClipboardText.h"
#include "app/DictionaryDlg.h"
#include "app/Resource.h"

namespace nira {

// Every change of the clipboard, as the platform reports it (on X11 the
// owner or the content changed). Nothing is fetched here: the next tick of
// timer 1 does that, once for this change. A text Nira itself put there (a
// copy out of a pane or the field) is not looked up again.
void CDictionaryDlg::OnClipboardChanged(QClipboard::Mode mode) {
    if (mode != QClipboard::Clipboard) return;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    m_clipboardChanged = clipboard != nullptr && !clipboard->ownsClipboard();
}

void CDictionaryDlg::WatchClipboardChanges() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return;
    connect(clipboard, &QClipboard::changed, this, &CDictionaryDlg::OnClipboardChanged,
            Qt::UniqueConnection);
}

// Timer 1: takes a text copied anywhere, once, into the query field. The
// clipboard is fetched only after a reported change: a large text costs
// one transfer, and an owner that never answers one timeout, per change,
// not one every tick.
void CDictionaryDlg::OnTimer(int nIDEvent) {
    if (nIDEvent != kClipboardTimerId) {
        QTimerEvent other(nIDEvent);
        QDialog::timerEvent(&other);
        return;
    }
    if (!m_clipboardChanged) return;
    m_clipboardChanged = false;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
    if (data == nullptr || IsOwnCopy(*data)) return;
    ++m_clipboardFetches;
    unsigned char text[kClipBufferSize] = {};
    std::size_t length = 0;
    if (!ReadClipboardText(data, text, length)) return;
    text[std::min<std::size_t>(length, kClipTextMax)] = 0;
    TrimSpaces(text);
    if (std::strcmp(reinterpret_cast<const char*>(text),
                    reinterpret_cast<const char*>(m_lastClip)) == 0) {
        return;
    }
    m_lookupFromClipboard = true;
    SetQueryText(WindowTextFromCp1256(text, kClipBufferSize));
    m_lookupFromClipboard = false;
    std::memcpy(m_lastClip, text, sizeof m_lastClip);
    BringToFront();
}

// Raises and activates the window; a window manager that keeps the focus
// where it is gets the window marked as demanding attention instead. A
// minimised window stays minimised.
void CDictionaryDlg::BringToFront() {
    if (!isMinimized()) {
        raise();
        activateWindow();
    }
    if (!isActiveWindow()) QApplication::alert(this);
}

// The About item: where the window manager's menu has no room for it, a
// context menu on the window and the F1 key.
void CDictionaryDlg::AppendAboutItem() {
    const QString text = QString::fromUtf8(kAboutItemText);
    if (text.isEmpty() || m_systemMenu != nullptr) return;
    m_systemMenu = new QMenu(this);
    QAction* about = m_systemMenu->addAction(text);
    about->setShortcut(QKeySequence(Qt::Key_F1));
    about->setShortcutContext(Qt::WindowShortcut);
    addAction(about);
    connect(about, &QAction::triggered, this,
            [this] { emit SysCommand(IDM_ABOUTBOX, 0); });
}

void CDictionaryDlg::OnSysCommand(unsigned nID, long lParam) {
    Q_UNUSED(lParam);
    if ((nID & kSysCommandMask) == IDM_ABOUTBOX) {
        CAboutDlg about(this);
        about.exec();
    }
    // Every other system command is the window manager's own.
}

}  // namespace nira
