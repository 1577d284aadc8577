#include "app/EarlyHandOff.h"

#include <cstdlib>
#include <string>

#include "app/Resource.h"
#include "platform/DisplayPlatform.h"
#include "platform/InstanceSocket.h"
#include "text/Cp1256.h"

namespace nira {

namespace {

// The words exactly as the window's start would send them: the arguments
// joined by spaces. Qt takes options out of the arguments and replaces
// bytes that are not UTF-8, so such a command line is left to Qt.
bool WordsOfArguments(int argc, char** argv, std::string& words) {
    words.clear();
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (!argument.empty() && argument[0] == '-') return false;
        if (Utf16ToUtf8(Utf8ToUtf16(argument)) != argument) return false;
        if (i > 1) words += ' ';
        words += argument;
    }
    return true;
}

}  // namespace

bool HandOverBeforeLoadingWindow(int argc, char** argv) {
    const std::string platform = ExpectedQtPlatform(
        std::getenv("QT_QPA_PLATFORM"), std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"));
    std::string words;
    if (platform.empty() || !WordsOfArguments(argc, argv, words)) return false;
    return HandWordsToWindow(WindowSocketPath(platform), words, kHandOffTimeoutMs);
}

}  // namespace nira
