// Window tests run on Qt's offscreen platform unless another is chosen, so
// that they need no display, listing the tests included. The offscreen
// windows get no frame: a window's frame rectangle is then its own, as
// under an X server without a window manager.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// Writes the offscreen platform's configuration; returns its path.
std::string WriteOffscreenConfig() {
    const char* tmp = std::getenv("TMPDIR");
    std::string path = std::string(tmp != nullptr && *tmp != 0 ? tmp : "/tmp") +
                       "/nira-offscreen-XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0) return std::string();
    const std::string config =
        "{ \"windowFrameMargins\": false,\n"
        "  \"screens\": [ { \"name\": \"offscreen\", \"x\": 0, \"y\": 0,\n"
        "                 \"width\": 1280, \"height\": 1024, \"logicalDpi\": 96,\n"
        "                 \"logicalBaseDpi\": 96, \"dpr\": 1 } ] }\n";
    const bool written = write(fd, config.data(), config.size()) ==
                         static_cast<ssize_t>(config.size());
    close(fd);
    return written ? path : std::string();
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::string config;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        config = WriteOffscreenConfig();
        const std::string value =
            config.empty() ? std::string("offscreen") : "offscreen:configfile=" + config;
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(value));
    }
    int status = 0;
    {
        QApplication app(argc, argv);
        status = RUN_ALL_TESTS();
    }
    if (!config.empty()) std::remove(config.c_str());
    return status;
}
