// Handing words to the window already open for this user and display, over
// its local socket: one line each way, the words and then the window's
// "ok". Plain POSIX, so that a later `nira WORD` hands its words over
// without loading the window's libraries; the window listens with Qt.
#pragma once

#include <cstddef>
#include <string>

namespace nira {

// Enough for any words a command line holds; more is cut.
constexpr std::size_t kMaxHandOffBytes = 64 * 1024;
// The window's answer.
constexpr char kHandOffAnswer[] = "ok\n";

// The socket of this user's window on the display platform given:
// $XDG_RUNTIME_DIR/nira-<key>.socket when that folder exists, else
// nira-<uid>-nira-<key>.socket in $TMPDIR (or /tmp). <key> is DisplayKey's.
std::string WindowSocketPath(const std::string& platformName);

// Sends words (at most kMaxHandOffBytes - 1 bytes of them) and a line break
// to the window listening on path, and waits for its answer; false when no
// window answered "ok" within timeoutMs.
bool HandWordsToWindow(const std::string& path, const std::string& words, int timeoutMs);

}  // namespace nira
