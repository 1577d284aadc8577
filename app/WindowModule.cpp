#include "app/WindowModule.h"

#include "app/DictionaryApp.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) int NiraRunWindow(int argc, char** argv) {
    return RunDictionaryApp(argc, argv);
}

// The exported name and the function's type are the ones the program expects.
static_assert(std::is_same_v<decltype(&NiraRunWindow), RunWindowFunction>);
