// The window lives in a module that `nira` loads only to open the window,
// so that the command line starts without Qt. This is the module's one
// exported function, looked up by name.
#pragma once

// Runs the window program; its exit status.
using RunWindowFunction = int (*)(int argc, char** argv);

constexpr const char* kRunWindowSymbol = "NiraRunWindow";
