#include "app/DictionaryApp.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/DictionaryDlg.h"
#include "app/Resource.h"
#include "app/SignalClose.h"

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
    dlg.DoModal();
    return false;
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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(nira::kInternalName));
    QApplication::setApplicationVersion(QString::fromLatin1(NIRA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("nira"));
    nira::CDictionaryApp theApp;
    theApp.InitInstance();
    return 0;
}
