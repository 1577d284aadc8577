#include "app/DictionaryDlg.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimerEvent>

#include "app/DialogUnits.h"
#include "app/Resource.h"

namespace nira {

CDictionaryDlg::CDictionaryDlg(const DictionaryDlgOptions& options,
                               const DictionaryEdition& edition,
                               QWidget* parent)
    : QDialog(parent), m_edition(edition), m_options(options) {
    m_hIcon = LoadMainIcon();
    m_dict.UseEdition(edition);
    CreateControls();
    ConnectMessageMap();
    ConnectContextMenus();
    ShowClipboardNote();
}

CDictionaryDlg::~CDictionaryDlg() {
    m_dict.m_fileEnglish.Close();
    m_dict.m_filePersian.Close();
}

// The message map: the system command, the query field's change, the two
// arrow buttons. Timer, size and close arrive as the events below.
void CDictionaryDlg::ConnectMessageMap() {
    connect(this, &CDictionaryDlg::SysCommand, this, &CDictionaryDlg::OnSysCommand);
    connect(m_editWord, &QLineEdit::textChanged, this, &CDictionaryDlg::OnChangeWord);
    connect(m_buttonPrev, &QPushButton::clicked, this, &CDictionaryDlg::OnPrev);
    connect(m_buttonNext, &QPushButton::clicked, this, &CDictionaryDlg::OnNext);
}

int CDictionaryDlg::DoModal() {
    if (!m_initDone) OnInitDialog();
    return exec();
}

void CDictionaryDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_clipboardTimer.timerId()) {
        OnTimer(kClipboardTimerId);
        return;
    }
    QDialog::timerEvent(event);
}

void CDictionaryDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    OnSize();
}

void CDictionaryDlg::closeEvent(QCloseEvent* event) {
    OnClose();
    QDialog::closeEvent(event);
}

// Enter never ends the window: in the query field it selects the whole
// text, so that the next word typed replaces it; on an arrow button it
// presses the button. Escape ends the window as a close does, saving the
// rectangle.
void CDictionaryDlg::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       event->modifiers() == Qt::KeypadModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && plain) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        } else if (focusWidget() == m_editWord) {
            m_editWord->selectAll();
        }
        return;
    }
    if (event->key() == Qt::Key_Escape && plain) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDictionaryDlg::contextMenuEvent(QContextMenuEvent* event) {
    if (m_systemMenu == nullptr) {
        QDialog::contextMenuEvent(event);
        return;
    }
    m_systemMenu->exec(event->globalPos());
}

bool CDictionaryDlg::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    switch (event->type()) {
    case QEvent::Show:
        StartFrameFitDeadline();
        FitRestoredRectToFrame();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        FitRestoredRectToFrame();
        break;
    default:
        break;
    }
    return handled;
}

}  // namespace nira
