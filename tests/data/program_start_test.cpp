// What the program loads: the command line runs without the window's
// libraries, and finds the window's module when the window is asked for.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>

#include "support/Fixture.h"

namespace nira {
namespace {

struct ProgramRun {
    std::string output;  // standard output and error
    int status = -1;
};

ProgramRun RunProgram(const std::string& environment, const std::string& arguments) {
    const std::string command =
        "{ env " + environment + " '" + NIRA_TEST_BIN + "' " + arguments + "; } 2>&1";
    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> chunk;
    std::size_t n;
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0) run.output.append(chunk.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(ProgramStart, CommandsLoadNoQtLibrary) {
    test::TempFolder cache;
    for (const char* command : {"lookup book", "info", "--version"}) {
        // The dynamic loader names every file it loads, dlopen()ed ones too.
        const ProgramRun run = RunProgram("LD_DEBUG=files XDG_CACHE_HOME=" + cache.Path(), command);
        EXPECT_EQ(run.status, 0) << command << "\n" << run.output;
        EXPECT_NE(run.output.find("file=libc.so"), std::string::npos) << command << "\n" << run.output;
        EXPECT_EQ(run.output.find("libQt"), std::string::npos) << command << "\n" << run.output;
        EXPECT_EQ(run.output.find("nira-window"), std::string::npos) << command;
    }
}

TEST(ProgramStart, TheWindowIsLoadedFromItsModule) {
    // Without a display the window's own code answers, so it was loaded.
    const ProgramRun run = RunProgram("-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LD_DEBUG=files", "");
    EXPECT_EQ(run.status, 2) << run.output;
    EXPECT_NE(run.output.find("no display to open the window on"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("nira-window"), std::string::npos) << run.output;
}

TEST(ProgramStart, LookupRemembersBothDigestsInTheCacheFolder) {
    test::TempFolder cache;
    const ProgramRun first = RunProgram("XDG_CACHE_HOME=" + cache.Path(), "lookup book");
    ASSERT_EQ(first.status, 0) << first.output;
    const auto files = std::filesystem::directory_iterator(cache.Path() + "/nira");
    EXPECT_EQ(std::distance(std::filesystem::begin(files), std::filesystem::end(files)), 2);
    const ProgramRun second = RunProgram("XDG_CACHE_HOME=" + cache.Path(), "lookup book");
    EXPECT_EQ(second.output, first.output);
}

}  // namespace
}  // namespace nira
