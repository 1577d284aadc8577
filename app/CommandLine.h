// `nira lookup`, `nira info`, `--help` and `--version`: the window's lookup
// on the command line, for scripts and bug reports.
#pragma once

namespace nira {

// True when argv names a command-line command rather than the window.
bool IsCommandLine(int argc, char** argv);

// Runs the command; returns the process's exit status.
int RunCommandLine(int argc, char** argv);

}  // namespace nira
