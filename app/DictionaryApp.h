// The application object: it runs the main window, and the program ends
// when the window ends.
#pragma once

namespace nira {

class CDictionaryApp {
public:
    // Runs the main window as a modal dialog. Always false: there is no
    // message loop after the window's own.
    bool InitInstance();
};

// True when a window can be shown: an X or Wayland display, or a Qt
// platform chosen explicitly (offscreen, for instance).
bool HasDisplay();

// What `nira` prints when there is no display to open the window on.
const char* NoDisplayMessage();

}  // namespace nira

// The window program: exit status 0 after the window has closed, 2 when
// there is no display.
int RunDictionaryApp(int argc, char** argv);
