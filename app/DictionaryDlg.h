// The main window: query field, headword line, two meaning panes and the
// arrow buttons. It checks and opens the data files at start-up, looks up
// every change of the query field, keeps its rectangle in Nira.ini and
// watches the clipboard.
#pragma once

#include <QBasicTimer>
#include <QClipboard>
#include <QDialog>
#include <QFont>
#include <QIcon>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstddef>
#include <functional>
#include <future>
#include <string>

#include "app/Resource.h"
#include "app/ShadedEdit.h"
#include "dict/Edition.h"
#include "dict/Lookup.h"
#include "NiraEdition.h"
#include "present/EntryText.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace nira {

// Where the window finds its files, and how it reports a data file that
// cannot be opened. The program uses ForInstalledProgram(); tests give
// their own folders and capture the message.
struct DictionaryDlgOptions {
    std::string dataFolder;  // holds "persian" and "english"
    std::string iniPath;     // the full path of Nira.ini
    // Shows the message of a data file that cannot be opened for its
    // digest; empty: a message box with a stop icon.
    std::function<void(const QString& caption, const QString& text)> reportFileError;
    // The window runs where the clipboard can only be read while it has the
    // focus (native Wayland): it says so once, on the headword line.
    bool clipboardNeedsFocus = false;

    static DictionaryDlgOptions ForInstalledProgram();
};

// Windows-1256 text up to its NUL (at most capacity - 1 bytes) as the
// UTF-16 text of a control, one unit per byte, kaf and yeh in their
// Persian letters.
QString WindowTextFromCp1256(const unsigned char* text, std::size_t capacity);

// The client rectangle whose frame, with these margins, is outer.
QRect ClientRectForOuter(const QRect& outer, const QMargins& frame);

class CDictionaryDlg : public QDialog {
    Q_OBJECT
public:
    // The edition fixes the data files' digests, IndexBases and letter
    // tables; it must outlive the window.
    explicit CDictionaryDlg(
        const DictionaryDlgOptions& options = DictionaryDlgOptions::ForInstalledProgram(),
        const DictionaryEdition& edition = edition::kEdition,
        QWidget* parent = nullptr);
    ~CDictionaryDlg() override;

    // The start-up sequence; true after a complete start-up, false when it
    // stopped early and the window stays inert.
    bool OnInitDialog();
    // OnInitDialog (once), then the modal loop; returns the dialog's result.
    int DoModal();

    // Handlers, public so that tests can send them as the system would.
    void OnChangeWord();
    void OnPrev();
    void OnNext();
    void OnTimer(int nIDEvent);
    void OnClipboardChanged(QClipboard::Mode mode);
    void OnSysCommand(unsigned nID, long lParam);
    // Words a later `nira WORD...` handed over (empty: none): looked up as
    // a copied text is, and the window comes to the front.
    void OnHandedWords(const QString& words);
    // The words of this start's own command line, after OnInitDialog.
    void ShowWordsAtStart(const QString& words);
    // The context menu of the query field or a pane, with the About item;
    // pos in the control's (a pane's viewport's) coordinates. The caller
    // owns the menu.
    QMenu* ContextMenuFor(QWidget* control, const QPoint& pos);

    void LayoutPanes(int mode);
    void ShowEntry(const unsigned char* entry, int length, DataFileId file);
    void ShowEmptyQuery();
    void ShowWelcomeText();

    // What tests look at.
    QLineEdit* WordField() const { return m_editWord; }
    CShadedEdit* PersianPane() const { return m_paneFa; }
    CShadedEdit* EnglishPane() const { return m_paneEn; }
    QLabel* HeadwordLine() const { return m_headwordLine; }
    QPushButton* PrevButton() const { return m_buttonPrev; }
    QPushButton* NextButton() const { return m_buttonNext; }
    QMenu* SystemMenu() const { return m_systemMenu; }
    const LookupState& State() const { return m_state; }
    const Dictionary& Data() const { return m_dict; }
    int CurrentPaneMode() const { return m_paneMode; }
    const unsigned char* LastClip() const { return m_lastClip; }
    bool IsClipboardWatched() const { return m_clipboardTimer.isActive(); }
    // Times the watcher fetched the clipboard's data from its owner.
    unsigned ClipboardFetches() const { return m_clipboardFetches; }
    const QFont& PaneFont() const { return m_font; }
    // Lookups run so far (each change of the query field, or a text set
    // again unchanged).
    unsigned LookupCount() const { return m_lookupCount; }

    // The rectangle OnClose saves: the frame rectangle, or one far in the
    // negative while minimised, as the system reports it then.
    QRect GetWindowRect() const;

signals:
    // A command of the window's menu (the About item, F1), as the system
    // menu would send it.
    void SysCommand(unsigned nID, long lParam);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Controls of the dialog template, in template (and tab) order.
    void CreateControls();
    void ConnectMessageMap();
    void ConnectContextMenus();
    void LookUpHandedWords(const QString& words);
    void ShowClipboardNote();
    void AppendAboutItem();
    void SetIcons();
    void CreatePaneFont();
    void SetHeadwordFont(bool persian);
    void SetButtonImages();
    std::future<std::string> StartDigest(const DataFileEdition& file) const;
    bool CheckDigest(const DataFileEdition& file, std::future<std::string>& computed);
    bool OpenDataFiles();
    void RestoreWindowRect();
    void StartClipboardTimer();
    void WatchClipboardChanges();
    void OnClose();
    void OnSize();
    void SaveWindowRect(const QRect& outer);

    static QIcon LoadMainIcon();
    void ReportFileError(const QString& text);
    void MoveWindow(int x, int y, int width, int height);
    QMargins FrameMargins() const;
    void StartFrameFitDeadline();
    void FitRestoredRectToFrame();
    void SetQueryText(const QString& text);
    void StepBrowse(int delta);
    void BringToFront();
    void SetPaneText(CShadedEdit* pane, const unsigned char* text);
    void TraceCurrentLookup(bool emptyField);

    // Members in the order of the main window's member table.
    QLineEdit* m_editWord = nullptr;
    CShadedEdit* m_paneFa = nullptr;
    CShadedEdit* m_paneEn = nullptr;
    QIcon m_hIcon;
    Dictionary m_dict;  // m_filePersian, m_fileEnglish with their IndexBases
    int m_paneMode = kPaneNone;
    LookupState m_state;  // m_current, m_headword, m_first, m_last
    QFont m_font;
    unsigned char m_lastClip[kClipBufferSize] = {};

    // The rest of the template and of the window's machinery.
    QLabel* m_wordLabel = nullptr;
    QLabel* m_headwordLine = nullptr;
    QPushButton* m_buttonPrev = nullptr;
    QPushButton* m_buttonNext = nullptr;
    QMenu* m_systemMenu = nullptr;
    QBasicTimer m_clipboardTimer;

    const DictionaryEdition& m_edition;
    DictionaryDlgOptions m_options;
    bool m_initDone = false;
    bool m_lookupFromClipboard = false;
    // A change of the clipboard not yet fetched; at start-up what the
    // clipboard holds counts as new.
    bool m_clipboardChanged = true;
    unsigned m_clipboardFetches = 0;
    unsigned m_lookupCount = 0;
    // A rectangle restored before the window manager told its frame: the
    // outer rectangle still to be fitted once the frame is known.
    QRect m_restoredOuter;
    bool m_fitRestoredRect = false;
};

}  // namespace nira
