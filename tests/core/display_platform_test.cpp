#include "platform/DisplayPlatform.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace nira
