#include "app/DictionaryApp.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/DictionaryDlg.h"
#include "app/Resource.h"
#include "app/SignalClose.h"
#include "app/SingleInstance.h"
#include "platform/DisplayPlatform.h"

namespace nira {
namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

bool CDictionaryApp::InitInstance() {
    CDictionaryDlg dlg;
    CSignalClose signalClose(&dlg);
    if (m_server != nullptr) {
        QObject::connect(m_server, &CInstanceServer::WordsHanded, &dlg,
                         &CDictionaryDlg::OnHandedWords);
    }
    dlg.OnInitDialog();
    dlg.ShowWordsAtStart(m_words);
    dlg.DoModal();
    return false;
}

QString WordsOfCommandLine(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

void ChooseStartPlatform() {
    const QtPlatformChoice choice = ChooseQtPlatform(
        std::getenv("QT_QPA_PLATFORM"), std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"));
    if (!choice.platform.empty()) setenv("QT_QPA_PLATFORM", choice.platform.c_str(), 1);
}

bool HasDisplay() {
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM");
}

const char* NoDisplayMessage() {
    return "nira: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
           "Start it from a desktop session, or under a virtual X server:\n"
           "    xvfb-run nira\n"
           "To look a word up without a window:\n"
           "    nira lookup WORD\n";
}

}  // namespace nira

int RunDictionaryApp(int argc, char** argv) {
    if (!nira::HasDisplay()) {
        std::fputs(nira::NoDisplayMessage(), stderr);
        return 2;
    }
    nira::ChooseStartPlatform();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(nira::kInternalName));
    QApplication::setApplicationVersion(QString::fromLatin1(NIRA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("nira"));
    // One window per user and display: a window already there takes the
    // words and comes to the front.
    nira::CDictionaryApp theApp;
    theApp.m_words = nira::WordsOfCommandLine(QCoreApplication::arguments());
    const QString socket = nira::InstanceSocketPath(QGuiApplication::platformName());
    if (nira::HandToRunningInstance(socket, theApp.m_words, nira::kHandOffTimeoutMs)) return 0;
    nira::CInstanceServer server;
    // A window that cannot listen still works, alone.
    if (server.Listen(socket)) theApp.m_server = &server;
    theApp.InitInstance();
    return 0;
}
