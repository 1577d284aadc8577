// What the program loads: the command line runs without the window's
// libraries, and finds the window's module when the window is asked for.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>
#include <thread>

#include "support/Fixture.h"
#include "support/UnixSocket.h"

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

// A window of this user on this display, as far as a later start can
// tell: a socket at its place that takes one line and answers "ok".
class FakeWindow {
public:
    explicit FakeWindow(const std::string& path) {
        m_listener = test::BindUnixSocket(path, true);
        m_listening = m_listener >= 0;
        if (m_listening) m_thread = std::thread([this] { TakeOneLine(); });
    }
    ~FakeWindow() {
        if (m_thread.joinable()) m_thread.join();
        if (m_listener >= 0) close(m_listener);
    }
    bool Listening() const { return m_listening; }
    // The line received; valid once the program has ended.
    const std::string& Line() {
        if (m_thread.joinable()) m_thread.join();
        return m_line;
    }

private:
    void TakeOneLine() {
        pollfd ready{m_listener, POLLIN, 0};
        if (poll(&ready, 1, 20000) != 1) return;
        const int client = accept(m_listener, nullptr, nullptr);
        if (client < 0) return;
        char c = 0;
        while (read(client, &c, 1) == 1) {
            m_line += c;
            if (c == '\n') break;
        }
        (void)!write(client, "ok\n", 3);
        close(client);
    }

    int m_listener = -1;
    bool m_listening = false;
    std::string m_line;
    std::thread m_thread;
};

TEST(ProgramStart, ALaterStartHandsItsWordsOverWithoutLoadingTheWindow) {
    test::TempFolder runtime;
    FakeWindow window(runtime.FilePath("nira-x_97.socket"));
    ASSERT_TRUE(window.Listening());
    const ProgramRun run = RunProgram("-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97 LD_DEBUG=files "
                                      "XDG_RUNTIME_DIR=" + runtime.Path(),
                                      "book 'کتاب خوب'");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(window.Line(), "book کتاب خوب\n");
    EXPECT_EQ(run.output.find("libQt"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("nira-window"), std::string::npos) << run.output;
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

// A program that writes one query and waits for the answer before writing
// the next gets each answer while standard input is still open.
TEST(ProgramStart, LookupFromStandardInputAnswersEachLineAsItComes) {
    int toNira[2];
    int fromNira[2];
    ASSERT_EQ(pipe(toNira), 0);
    ASSERT_EQ(pipe(fromNira), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        dup2(toNira[0], STDIN_FILENO);
        dup2(fromNira[1], STDOUT_FILENO);
        for (int fd : {toNira[0], toNira[1], fromNira[0], fromNira[1]}) close(fd);
        execl(NIRA_TEST_BIN, NIRA_TEST_BIN, "lookup", "-", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(toNira[0]);
    close(fromNira[1]);
    std::string answers;
    for (const std::string query : {"book\n", "water\n"}) {
        ASSERT_EQ(write(toNira[1], query.data(), query.size()), static_cast<ssize_t>(query.size()));
        // An answer ends with an empty line; wait for it (at most 20 s).
        const std::size_t before = answers.size();
        while (answers.find("\n\n", before) == std::string::npos) {
            pollfd ready{fromNira[0], POLLIN, 0};
            ASSERT_EQ(poll(&ready, 1, 20000), 1) << "no answer to " << query;
            char chunk[4096];
            const ssize_t got = read(fromNira[0], chunk, sizeof chunk);
            ASSERT_GT(got, 0);
            answers.append(chunk, static_cast<std::size_t>(got));
        }
        EXPECT_EQ(answers.find(query.substr(0, query.size() - 1) + "\n[", before), before)
            << answers.substr(before);
    }
    close(toNira[1]);
    close(fromNira[0]);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace nira
