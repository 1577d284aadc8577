// Start-up, the window rectangle kept in Nira.ini, and closing.
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cstdint>
#include <future>
#include <string>
#include <system_error>

#include "app/DictionaryDlg.h"
#include "app/Resource.h"
#include "app/WindowPlacement.h"
#include "digest/Md5.h"
#include "platform/DataFolder.h"
#include "platform/FileException.h"
#include "platform/Profile.h"

namespace nira {
namespace {

int BoundCoordinate(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, kMinWindowCoordinate,
                                                kMaxWindowCoordinate));
}

QRect VirtualDesktop() {
    QRect desktop;
    for (const QScreen* screen : QGuiApplication::screens()) desktop |= screen->geometry();
    return desktop;
}

QList<ScreenArea> ScreenAreas(int& primary) {
    QList<ScreenArea> areas;
    primary = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen == QGuiApplication::primaryScreen()) primary = int(areas.size());
        areas.append({screen->geometry(), screen->availableGeometry()});
    }
    return areas;
}

}  // namespace

DictionaryDlgOptions DictionaryDlgOptions::ForInstalledProgram() {
    DictionaryDlgOptions options;
    options.dataFolder = FindDataFolder(NIRA_INSTALL_DATADIR);
    options.iniPath = JoinPath(UserConfigDir(), kIniFileName);
    options.clipboardNeedsFocus =
        QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return options;
}

// The start-up sequence. Any stop leaves the window open but inert: no
// data file searched, no rectangle restored, no clipboard watched.
bool CDictionaryDlg::OnInitDialog() {
    m_initDone = true;
    AppendAboutItem();
    SetIcons();
    CreatePaneFont();
    SetButtonImages();
    // Both digests at once, each on its own thread: the window waits for
    // the larger file only. They are judged in the order "english", "persian".
    std::future<std::string> english = StartDigest(m_edition.english);
    std::future<std::string> persian = StartDigest(m_edition.persian);
    if (!CheckDigest(m_edition.english, english)) return false;
    if (!CheckDigest(m_edition.persian, persian)) return false;
    ShowWelcomeText();
    if (!OpenDataFiles()) return false;
    RestoreWindowRect();
    m_lastClip[0] = 0;
    StartClipboardTimer();
    m_editWord->setFocus();
    return true;
}

// Compares a data file's digest with the edition's. A file that cannot be
// read at all is reported with its bare name ("english was not found."); a
// file that differs with its path, and how to get it back.
std::future<std::string> CDictionaryDlg::StartDigest(const DataFileEdition& file) const {
    const std::string path = JoinPath(m_options.dataFolder, file.name);
    auto digest = [path] { return CMd5::DigestOfFile(path); };
    try {
        return std::async(std::launch::async, digest);
    } catch (const std::system_error&) {  // no thread to be had: computed when asked for
        return std::async(std::launch::deferred, digest);
    }
}

bool CDictionaryDlg::CheckDigest(const DataFileEdition& file,
                                 std::future<std::string>& computed) {
    const std::string path = JoinPath(m_options.dataFolder, file.name);
    std::string digest;
    try {
        digest = computed.get();
    } catch (const CFileException& error) {
        ReportFileError(QString::fromStdString(
            CFileException(error.GetCause(), file.name).Message()));
        return false;
    }
    if (file.digest != nullptr && digest == file.digest) return true;
    ReportFileError(QString::fromUtf8(kDamagedDataFileText).arg(QString::fromStdString(path)));
    return false;
}

void CDictionaryDlg::ReportFileError(const QString& text) {
    const QString caption = QString::fromUtf8(kMessageBoxCaption);
    if (m_options.reportFileError) {
        m_options.reportFileError(caption, text);
        return;
    }
    QMessageBox::critical(nullptr, caption, text);
}

bool CDictionaryDlg::OpenDataFiles() {
    return m_dict.OpenFiles(m_options.dataFolder, m_edition);
}

void CDictionaryDlg::RestoreWindowRect() {
    const std::string& ini = m_options.iniPath;
    const int left = GetPrivateProfileInt(kIniSection, kIniKeyLeft, kDefaultLeft, ini);
    const int right = GetPrivateProfileInt(kIniSection, kIniKeyRight, kDefaultRight, ini);
    const int top = GetPrivateProfileInt(kIniSection, kIniKeyTop, kDefaultTop, ini);
    const int bottom = GetPrivateProfileInt(kIniSection, kIniKeyBottom, kDefaultBottom, ini);
    if (left > 0 || right > 0 || top > 0 || bottom > 0) {
        MoveWindow(left, top, BoundCoordinate(int64_t{right} - left),
                   BoundCoordinate(int64_t{bottom} - top));
    }
}

void CDictionaryDlg::StartClipboardTimer() {
    WatchClipboardChanges();
    m_clipboardTimer.stop();
    m_clipboardTimer.start(kClipboardPollMs, this);
}

QRect ClientRectForOuter(const QRect& outer, const QMargins& frame) {
    return QRect(outer.x() + frame.left(), outer.y() + frame.top(),
                 std::max(outer.width() - frame.left() - frame.right(), 0),
                 std::max(outer.height() - frame.top() - frame.bottom(), 0));
}

// Moves the window's outer rectangle (frame included). A rectangle whose
// title bar cannot be reached (a monitor was removed, a sliver left on the
// screen) comes onto a screen instead (PlaceRestoredRect). The size is
// kept between the system's smallest and largest window sizes, whatever
// the INI file says.
void CDictionaryDlg::MoveWindow(int x, int y, int width, int height) {
    const QRect desktop = VirtualDesktop();
    if (!desktop.isEmpty()) {
        width = std::min(width, desktop.width() + 2 * kMaxTrackSlack);
        height = std::min(height, desktop.height() + 2 * kMaxTrackSlack);
    }
    width = std::max(width, kMinTrackWidth);
    height = std::max(height, kMinTrackHeight);
    int primary = 0;
    const QList<ScreenArea> screens = ScreenAreas(primary);
    const QRect outer = PlaceRestoredRect(
        QRect(BoundCoordinate(x), BoundCoordinate(y), BoundCoordinate(width),
              BoundCoordinate(height)),
        screens, primary);
    const QMargins frame = FrameMargins();
    const QRect client = ClientRectForOuter(outer, frame);
    move(client.topLeft());
    resize(client.size());
    m_restoredOuter = outer;
    m_fitRestoredRect = !isVisible();
}

QMargins CDictionaryDlg::FrameMargins() const {
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}

void CDictionaryDlg::StartFrameFitDeadline() {
    if (!m_fitRestoredRect) return;
    QTimer::singleShot(kFrameFitDeadlineMs, this, [this] { m_fitRestoredRect = false; });
}

// A rectangle restored before the window was shown could not allow for the
// frame; once the window manager has framed the window, the client is
// placed so that the frame stands at the saved rectangle, and the window
// does not creep from one run to the next.
void CDictionaryDlg::FitRestoredRectToFrame() {
    if (!m_fitRestoredRect || !isVisible()) return;
    const QMargins frame = FrameMargins();
    if (frame.isNull()) return;
    m_fitRestoredRect = false;
    setGeometry(ClientRectForOuter(m_restoredOuter, frame));
}

QRect CDictionaryDlg::GetWindowRect() const {
    if (isMinimized()) {
        return QRect(kMinimizedLeft, kMinimizedTop, kMinimizedWidth, kMinimizedHeight);
    }
    return frameGeometry();
}

// The close box or Alt+F4: the rectangle is saved, in the inert state too.
void CDictionaryDlg::OnClose() {
    SaveWindowRect(GetWindowRect());
}

void CDictionaryDlg::SaveWindowRect(const QRect& outer) {
    const int left = outer.x();
    const int top = outer.y();
    const int right = outer.x() + outer.width();
    const int bottom = outer.y() + outer.height();
    if (left <= 0 && right <= 0 && top <= 0 && bottom <= 0) return;
    // One rewrite of the file for all four keys: a failed save damages
    // nothing and loses only this save.
    WritePrivateProfileStrings(kIniSection,
                               {{kIniKeyLeft, std::to_string(left)},
                                {kIniKeyRight, std::to_string(right)},
                                {kIniKeyTop, std::to_string(top)},
                                {kIniKeyBottom, std::to_string(bottom)}},
                               m_options.iniPath);
}

}  // namespace nira
