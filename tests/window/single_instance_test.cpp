// One window per user and display: the socket's place, words handed from
// a later start, a socket left behind by a crash.
#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <thread>

#include <functional>
#include <string>
#include <vector>

#include "app/EarlyHandOff.h"
#include "app/SingleInstance.h"
#include "support/Fixture.h"
#include "support/ScopedVariable.h"
#include "support/UnixSocket.h"

namespace nira::test {
namespace {

// Hands words from another thread, as a second process would, while this
// thread's event loop lets the server answer.
bool OnAnotherThread(const std::function<bool()>& handOver) {
    std::atomic<bool> done{false};
    bool answered = false;
    std::thread client([&] {
        answered = handOver();
        done = true;
    });
    const bool finished = QTest::qWaitFor([&] { return done.load(); }, 10000);
    client.join();  // waits on past the 10 s when the client has not finished
    EXPECT_TRUE(finished) << "the hand-over took more than 10 s";
    return answered;
}

bool HandOver(const QString& path, const QString& words) {
    return OnAnotherThread([&] { return HandToRunningInstance(path, words, 3000); });
}

// A socket file nobody listens on, as a crashed window leaves it.
bool MakeStaleSocket(const std::string& path) {
    const int fd = BindUnixSocket(path, false);
    if (fd < 0) return false;
    close(fd);
    return access(path.c_str(), F_OK) == 0;
}

TEST(SingleInstance, SocketLivesInTheRuntimeFolderPerDisplay) {
    TempFolder runtime;
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedDisplay = qgetenv("DISPLAY");
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.Path()));
    qputenv("DISPLAY", ":7.0");
    EXPECT_EQ(InstanceSocketPath(QStringLiteral("xcb")),
              QDir(QString::fromStdString(runtime.Path())).filePath(QStringLiteral("nira-x_7.socket")));
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.Path() + "/missing"));
    const QString fallback = InstanceSocketPath(QStringLiteral("xcb"));
    EXPECT_TRUE(fallback.startsWith(QDir::tempPath())) << fallback.toStdString();
    EXPECT_TRUE(fallback.contains(QString::number(getuid()))) << fallback.toStdString();
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
    qputenv("DISPLAY", savedDisplay);
}

TEST(SingleInstance, LaterStartsHandTheirWordsToTheWindow) {
    TempFolder runtime;
    const QString path = QString::fromStdString(runtime.FilePath("nira-test.socket"));
    EXPECT_FALSE(HandOver(path, QStringLiteral("book")));  // no window yet
    CInstanceServer server;
    ASSERT_TRUE(server.Listen(path));
    QSignalSpy handed(&server, &CInstanceServer::WordsHanded);
    EXPECT_TRUE(HandOver(path, QStringLiteral("book")));
    EXPECT_TRUE(HandOver(path, QString()));
    EXPECT_TRUE(HandOver(path, QString::fromUtf16(u"کتاب خوب")));
    ASSERT_EQ(handed.size(), 3);
    EXPECT_EQ(handed[0][0].toString(), QStringLiteral("book"));
    EXPECT_EQ(handed[1][0].toString(), QString());
    EXPECT_EQ(handed[2][0].toString(), QString::fromUtf16(u"کتاب خوب"));
    // A second window on the same display does not take the socket over.
    CInstanceServer second;
    EXPECT_FALSE(second.Listen(path));
}

// A later `nira WORD...` hands its words over before it loads the window,
// when it can be sure to send what the window's own start would send;
// anything else is left to that start.
TEST(SingleInstance, LaterStartsHandOverBeforeLoadingTheWindow) {
    TempFolder runtime;
    ScopedVariable xdg("XDG_RUNTIME_DIR", runtime.Path().c_str());
    ScopedVariable display("DISPLAY", ":7");
    ScopedVariable wayland("WAYLAND_DISPLAY", nullptr);
    ScopedVariable qpa("QT_QPA_PLATFORM", nullptr);
    CInstanceServer server;
    ASSERT_TRUE(server.Listen(InstanceSocketPath(QStringLiteral("xcb"))));
    QSignalSpy handed(&server, &CInstanceServer::WordsHanded);
    const struct {
        std::vector<std::string> arguments;
        bool handedOver;
        const char16_t* words;
    } cases[] = {
        {{"nira"}, true, u""},
        {{"nira", "book"}, true, u"book"},
        {{"nira", "کتاب", "خوب"}, true, u"کتاب خوب"},
        {{"nira", "-platform", "xcb", "book"}, false, nullptr},  // Qt takes options
        {{"nira", "--", "book"}, false, nullptr},
        {{"nira", "bo\xFFk"}, false, nullptr},  // Qt would replace the byte
    };
    for (const auto& c : cases) {
        std::vector<char*> argv;
        for (const std::string& a : c.arguments) argv.push_back(const_cast<char*>(a.c_str()));
        const int before = handed.size();
        const bool answered = OnAnotherThread(
            [&] { return HandOverBeforeLoadingWindow(static_cast<int>(argv.size()), argv.data()); });
        EXPECT_EQ(answered, c.handedOver) << c.arguments.back();
        if (!c.handedOver) {
            EXPECT_EQ(handed.size(), before) << c.arguments.back();
            continue;
        }
        ASSERT_EQ(handed.size(), before + 1) << c.arguments.back();
        EXPECT_EQ(handed.back()[0].toString(), QString::fromUtf16(c.words));
    }
    // A platform only Qt can choose: left to the window's start.
    ScopedVariable list("QT_QPA_PLATFORM", "wayland;xcb");
    char name[] = "nira";
    char word[] = "book";
    char* argv[] = {name, word};
    const int before = handed.size();
    EXPECT_FALSE(OnAnotherThread([&] { return HandOverBeforeLoadingWindow(2, argv); }));
    EXPECT_EQ(handed.size(), before);
}

TEST(SingleInstance, SocketLeftByACrashDoesNotBlockTheNextStart) {
    TempFolder runtime;
    const std::string file = runtime.FilePath("nira-stale.socket");
    ASSERT_TRUE(MakeStaleSocket(file));
    const QString path = QString::fromStdString(file);
    EXPECT_FALSE(HandOver(path, QStringLiteral("book")));
    CInstanceServer server;
    ASSERT_TRUE(server.Listen(path));
    QSignalSpy handed(&server, &CInstanceServer::WordsHanded);
    EXPECT_TRUE(HandOver(path, QStringLiteral("dog")));
    ASSERT_EQ(handed.size(), 1);
    EXPECT_EQ(handed[0][0].toString(), QStringLiteral("dog"));
}

TEST(SingleInstance, ClosedWindowRemovesItsSocket) {
    TempFolder runtime;
    const std::string file = runtime.FilePath("nira-closed.socket");
    {
        CInstanceServer server;
        ASSERT_TRUE(server.Listen(QString::fromStdString(file)));
        EXPECT_EQ(access(file.c_str(), F_OK), 0);
    }
    EXPECT_NE(access(file.c_str(), F_OK), 0);
}

}  // namespace
}  // namespace nira::test
