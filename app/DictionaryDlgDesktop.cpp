// The window among the desktop's other programs: words handed over by a
// later start, the note on Wayland's clipboard, and the About item in the
// context menus of the query field and the panes.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "app/ClipboardText.h"
#include "app/DictionaryDlg.h"
#include "app/Resource.h"
#include "dict/Lookup.h"

namespace nira {

// Looked up as a copied text is: first line, ends trimmed, 50 units. The
// clipboard's last text is left alone, so a word copied afterwards still
// counts as new if it differs from what was copied before.
void CDictionaryDlg::OnHandedWords(const QString& words) {
    LookUpHandedWords(words);
    // Asked for by the user: a minimised window is restored too.
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    BringToFront();
}

// The words this start was given are shown, not what the clipboard held
// before: only a later copy is taken.
void CDictionaryDlg::ShowWordsAtStart(const QString& words) {
    if (words.isEmpty()) return;
    m_clipboardChanged = false;
    LookUpHandedWords(words);
}

void CDictionaryDlg::LookUpHandedWords(const QString& words) {
    if (words.isEmpty()) return;
    unsigned char text[kClipBufferSize] = {};
    TakeAsCopiedText(words, text);
    TrimSpaces(text);
    SetQueryText(WindowTextFromCp1256(text, kClipBufferSize));
}

void CDictionaryDlg::ShowClipboardNote() {
    if (!m_options.clipboardNeedsFocus) return;
    const QString note = QString::fromUtf8(kWaylandClipboardNote);
    m_headwordLine->setToolTip(note);
    m_editWord->setToolTip(note);
    m_editWord->setPlaceholderText(QString::fromUtf8(kWaylandPlaceholder));
}

// The query field's and the panes' own menus (copy, select all...) with
// the About item below them.
QMenu* CDictionaryDlg::ContextMenuFor(QWidget* control, const QPoint& pos) {
    QMenu* menu = nullptr;
    if (control == m_editWord) {
        menu = m_editWord->createStandardContextMenu();
    } else if (auto* pane = qobject_cast<CShadedEdit*>(control)) {
        menu = pane->createStandardContextMenu(pos);
    }
    if (menu == nullptr) return nullptr;
    if (m_systemMenu != nullptr && !m_systemMenu->actions().isEmpty()) {
        menu->addSeparator();
        menu->addAction(m_systemMenu->actions().front());
    }
    return menu;
}

void CDictionaryDlg::ConnectContextMenus() {
    for (QWidget* control : {static_cast<QWidget*>(m_editWord),
                             static_cast<QWidget*>(m_paneFa), static_cast<QWidget*>(m_paneEn)}) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(control, &QWidget::customContextMenuRequested, this, [this, control](QPoint pos) {
            QMenu* menu = ContextMenuFor(control, pos);
            if (menu == nullptr) return;
            menu->setAttribute(Qt::WA_DeleteOnClose);
            QWidget* origin = control;
            if (auto* pane = qobject_cast<CShadedEdit*>(control)) origin = pane->viewport();
            menu->popup(origin->mapToGlobal(pos));
        });
    }
}

}  // namespace nira
