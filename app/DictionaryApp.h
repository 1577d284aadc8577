// The application object: it runs the main window, and the program ends
// when the window ends.
#pragma once

#include <QString>
#include <QStringList>

namespace nira {

class CInstanceServer;

class CDictionaryApp {
public:
    // Runs the main window as a modal dialog, showing m_words when there
    // are any and taking the words later starts hand to m_server. Always
    // false: there is no message loop after the window's own.
    bool InitInstance();

    QString m_words;
    CInstanceServer* m_server = nullptr;
};

// The words of the window's command line (what Qt left of it after the
// program's name), joined by spaces.
QString WordsOfCommandLine(const QStringList& arguments);

// Sets QT_QPA_PLATFORM as ChooseQtPlatform decides for this environment.
void ChooseStartPlatform();

// True when a window can be shown: an X or Wayland display, or a Qt
// platform chosen explicitly (offscreen, for instance).
bool HasDisplay();

// What `nira` prints when there is no display to open the window on.
const char* NoDisplayMessage();

}  // namespace nira

// The window program: exit status 0 after the window has closed, 2 when
// there is no display.
int RunDictionaryApp(int argc, char** argv);
