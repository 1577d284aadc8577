// A later `nira WORD...` while the window is open: the words go to the
// window straight from the program, before the window's module and Qt are
// loaded, which would be nearly all of the start's time.
#pragma once

namespace nira {

// Hands the command line's words to this user's window on this display;
// true when the window took them. Whatever this cannot settle (no window
// answering, an option that Qt would take, words that are not UTF-8, a
// platform only Qt can choose) is left to the window's own start, which
// hands over the same way.
bool HandOverBeforeLoadingWindow(int argc, char** argv);

}  // namespace nira
