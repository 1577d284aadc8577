#include "platform/DisplayPlatform.h"

#include <cctype>

namespace nira {

namespace {

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// ":0.0" -> ":0", "host:10.1" -> "host:10"; the display number's screen.
std::string WithoutScreen(std::string display) {
    const std::size_t colon = display.rfind(':');
    if (colon == std::string::npos) return display;
    const std::size_t dot = display.find('.', colon);
    if (dot != std::string::npos) display.erase(dot);
    return display;
}

std::string Sanitised(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (!std::isalnum(u) && c != '.' && c != '_' && c != '-') c = '_';
    }
    return out;
}

}  // namespace

QtPlatformChoice ChooseQtPlatform(const char* qtQpaPlatform, const char* waylandDisplay,
                                  const char* display) {
    QtPlatformChoice choice;
    if (IsSet(qtQpaPlatform)) {
        choice.clipboardNeedsFocus = StartsWith(qtQpaPlatform, "wayland");
        return choice;
    }
    if (IsSet(waylandDisplay) && IsSet(display)) {
        choice.platform = "xcb";
        return choice;
    }
    choice.clipboardNeedsFocus = IsSet(waylandDisplay);
    return choice;
}

std::string ExpectedQtPlatform(const char* qtQpaPlatform, const char* waylandDisplay,
                               const char* display) {
    if (IsSet(qtQpaPlatform)) {
        const std::string named = qtQpaPlatform;
        return named.find_first_of(":;") == std::string::npos ? named : std::string();
    }
    const QtPlatformChoice choice = ChooseQtPlatform(qtQpaPlatform, waylandDisplay, display);
    if (!choice.platform.empty()) return choice.platform;
    // Left to Qt: plain X11 is xcb; a Wayland session alone is Qt's to judge.
    return IsSet(display) && !IsSet(waylandDisplay) ? "xcb" : "";
}

std::string DisplayKey(const std::string& platform, const char* waylandDisplay,
                       const char* display) {
    if (StartsWith(platform, "wayland") && IsSet(waylandDisplay))
        return "wayland-" + Sanitised(waylandDisplay);
    if (StartsWith(platform, "xcb") && IsSet(display))
        return "x" + Sanitised(WithoutScreen(display));
    return Sanitised(platform.empty() ? std::string("default") : platform);
}

}  // namespace nira
