// `nira` without a display: a hint how to start it, exit status 2.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "app/DictionaryApp.h"

namespace {

// Unsets a variable for the test's life and puts it back afterwards.
class UnsetVariable {
public:
    explicit UnsetVariable(const char* name) : m_name(name) {
        if (const char* value = std::getenv(name)) m_saved = value;
        unsetenv(name);
    }
    ~UnsetVariable() {
        if (m_saved) setenv(m_name, m_saved->c_str(), 1);
    }

private:
    const char* m_name;
    std::optional<std::string> m_saved;
};

TEST(DictionaryApp, WithoutADisplayExplainsHowToStartAndExitsTwo) {
    UnsetVariable display("DISPLAY");
    UnsetVariable wayland("WAYLAND_DISPLAY");
    UnsetVariable platform("QT_QPA_PLATFORM");
    EXPECT_FALSE(nira::HasDisplay());
    char name[] = "nira";
    char* argv[] = {name, nullptr};
    testing::internal::CaptureStderr();
    const int status = RunDictionaryApp(1, argv);
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 2);
    EXPECT_NE(message.find("xvfb-run nira"), std::string::npos) << message;
    EXPECT_NE(message.find("nira lookup"), std::string::npos) << message;
}

TEST(DictionaryApp, AnyOfTheThreeVariablesIsADisplay) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        UnsetVariable display("DISPLAY");
        UnsetVariable wayland("WAYLAND_DISPLAY");
        UnsetVariable platform("QT_QPA_PLATFORM");
        setenv(name, "x", 1);
        EXPECT_TRUE(nira::HasDisplay()) << name;
        unsetenv(name);
        setenv(name, "", 1);
        EXPECT_FALSE(nira::HasDisplay()) << name << " empty";
        unsetenv(name);
    }
}

}  // namespace
