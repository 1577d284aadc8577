// Which of Qt's display platforms the window starts on, and the key that
// makes one window per user and display.
#pragma once

#include <string>

namespace nira {

struct QtPlatformChoice {
    // The platform to start on (for QT_QPA_PLATFORM); empty: Qt's own choice.
    std::string platform;
    // The window runs as a native Wayland client: the clipboard can only be
    // read while it has the focus, so the watcher sees copies made
    // elsewhere only then.
    bool clipboardNeedsFocus = false;
};

// The choice for these environment values (nullptr or "" for unset). A
// platform set by the user wins. A Wayland session with an X server at
// hand (XWayland) starts on xcb, where the clipboard can be watched from
// the background; Wayland alone runs natively.
QtPlatformChoice ChooseQtPlatform(const char* qtQpaPlatform, const char* waylandDisplay,
                                  const char* display);

// The platform Qt will start on, as far as the environment tells before Qt
// is loaded, ChooseQtPlatform's choice applied: QT_QPA_PLATFORM when it
// names one platform, else xcb with an X display at hand. Empty when it
// cannot be told (a Wayland session alone, several platforms named): Qt
// decides then.
std::string ExpectedQtPlatform(const char* qtQpaPlatform, const char* waylandDisplay,
                               const char* display);

// The display part of the single-instance key: the X display without its
// screen number (":0.0" and ":0" are one desktop), or the Wayland socket
// name, or the platform's name; characters other than letters, digits,
// '.', '_' and '-' become '_'.
std::string DisplayKey(const std::string& platform, const char* waylandDisplay,
                       const char* display);

}  // namespace nira
