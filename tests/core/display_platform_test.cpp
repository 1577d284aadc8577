#include "platform/DisplayPlatform.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "platform/InstanceSocket.h"
#include "support/Fixture.h"
#include "support/ScopedVariable.h"
#include "support/UnixSocket.h"

namespace nira {
namespace {

TEST(ChooseQtPlatform, XWaylandIsPreferredUnlessTheUserChose) {
    const struct {
        const char* qpa;
        const char* wayland;
        const char* display;
        const char* platform;
        bool needsFocus;
    } cases[] = {
        {nullptr, "wayland-0", ":0", "xcb", false},     // a Wayland session with XWayland
        {"", "wayland-0", ":1", "xcb", false},
        {nullptr, "wayland-0", nullptr, "", true},      // Wayland alone: native
        {nullptr, "wayland-0", "", "", true},
        {nullptr, nullptr, ":0", "", false},            // plain X11: Qt's own choice
        {nullptr, nullptr, nullptr, "", false},
        {"wayland", "wayland-0", ":0", "", true},       // the user's choice wins
        {"wayland-egl", "wayland-0", nullptr, "", true},
        {"xcb", "wayland-0", ":0", "", false},
        {"offscreen", "wayland-0", ":0", "", false},
    };
    for (const auto& c : cases) {
        const QtPlatformChoice choice = ChooseQtPlatform(c.qpa, c.wayland, c.display);
        EXPECT_EQ(choice.platform, c.platform)
            << (c.qpa ? c.qpa : "-") << " " << (c.wayland ? c.wayland : "-") << " "
            << (c.display ? c.display : "-");
        EXPECT_EQ(choice.clipboardNeedsFocus, c.needsFocus)
            << (c.qpa ? c.qpa : "-") << " " << (c.wayland ? c.wayland : "-");
    }
}

TEST(DisplayKey, OneKeyPerDesktop) {
    const struct {
        const char* platform;
        const char* wayland;
        const char* display;
        const char* key;
    } cases[] = {
        {"xcb", "wayland-0", ":0", "x_0"},
        {"xcb", nullptr, ":0.0", "x_0"},
        {"xcb", nullptr, ":91", "x_91"},
        {"xcb", nullptr, "host/unix:10.2", "xhost_unix_10"},
        {"wayland", "wayland-1", ":0", "wayland-wayland-1"},
        {"wayland", "/run/user/1000/w 0", nullptr, "wayland-_run_user_1000_w_0"},
        {"offscreen", nullptr, ":0", "offscreen"},
        {"", nullptr, nullptr, "default"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DisplayKey(c.platform, c.wayland, c.display), c.key) << c.platform;
    }
}

// What the program can tell of Qt's platform before loading it: only what
// is certain, so that a later start finds the window's socket without Qt.
TEST(ExpectedQtPlatform, OnlyWhatTheEnvironmentSettles) {
    const struct {
        const char* qpa;
        const char* wayland;
        const char* display;
        const char* platform;
    } cases[] = {
        {nullptr, nullptr, ":0", "xcb"},
        {nullptr, "wayland-0", ":0", "xcb"},      // XWayland is chosen
        {"", "wayland-0", ":1", "xcb"},
        {"xcb", nullptr, ":0", "xcb"},
        {"wayland", "wayland-0", ":0", "wayland"},  // the user's choice
        {"offscreen", nullptr, nullptr, "offscreen"},
        {nullptr, "wayland-0", nullptr, ""},      // Wayland alone: Qt decides
        {nullptr, nullptr, nullptr, ""},
        {"xcb:nograb", nullptr, ":0", ""},        // options or a list: Qt decides
        {"wayland;xcb", "wayland-0", ":0", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExpectedQtPlatform(c.qpa, c.wayland, c.display), c.platform)
            << (c.qpa ? c.qpa : "-") << " " << (c.wayland ? c.wayland : "-") << " "
            << (c.display ? c.display : "-");
    }
}

TEST(WindowSocketPath, RuntimeFolderElseTemporaryFolderPerUser) {
    test::TempFolder runtime;
    test::TempFolder temporary;
    test::ScopedVariable display("DISPLAY", ":7.0");
    test::ScopedVariable tmpdir("TMPDIR", (temporary.Path() + "/").c_str());
    {
        test::ScopedVariable xdg("XDG_RUNTIME_DIR", (runtime.Path() + "/").c_str());
        EXPECT_EQ(WindowSocketPath("xcb"), runtime.FilePath("nira-x_7.socket"));
    }
    const std::string perUser = "nira-" + std::to_string(getuid()) + "-nira-x_7.socket";
    const char* const missingFolders[] = {"", "/nonexistent/runtime", nullptr};
    for (const char* missing : missingFolders) {
        test::ScopedVariable xdg("XDG_RUNTIME_DIR", missing);
        EXPECT_EQ(WindowSocketPath("xcb"), temporary.FilePath(perUser)) << (missing ? missing : "unset");
    }
    std::ofstream(runtime.FilePath("a-file")) << "not a folder";
    test::ScopedVariable xdg("XDG_RUNTIME_DIR", runtime.FilePath("a-file").c_str());
    test::ScopedVariable noTmpdir("TMPDIR", nullptr);
    EXPECT_EQ(WindowSocketPath("xcb"), "/tmp/" + perUser);
}

// A window that does not answer, or nothing at the path: no hand-over,
// and no wait past the time given.
TEST(HandWordsToWindow, FalseWithoutAnAnsweringWindow) {
    test::TempFolder folder;
    // Listens, so the connection and the words go through, but never answers.
    const std::string silent = folder.FilePath("silent.socket");
    const int listener = test::BindUnixSocket(silent, true);
    ASSERT_GE(listener, 0);
    EXPECT_FALSE(HandWordsToWindow(silent, "book", 200));
    close(listener);
    EXPECT_FALSE(HandWordsToWindow(silent, "book", 200));  // left behind: refused
    EXPECT_FALSE(HandWordsToWindow(folder.FilePath("none.socket"), "book", 200));
    EXPECT_FALSE(HandWordsToWindow("", "book", 200));
    EXPECT_FALSE(HandWordsToWindow(folder.Path() + "/" + std::string(200, 'x'), "book", 200));
}

}  // namespace
}  // namespace nira
