#include "platform/InstanceSocket.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/DataFolder.h"
#include "platform/DisplayPlatform.h"

namespace nira {

namespace {

using Clock = std::chrono::steady_clock;

bool IsFolder(const char* path) {
    struct stat status {};
    return path != nullptr && *path != '\0' && stat(path, &status) == 0 && S_ISDIR(status.st_mode);
}

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits for events on fd until the deadline; false on time out or error.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = poll(&entry, 1, MillisecondsLeft(deadline));
        if (ready > 0) return (entry.revents & (events | POLLHUP)) != 0;
        if (ready == 0 || errno != EINTR) return false;
    }
}

// Connects without blocking past the deadline: a listening window accepts
// at once, a socket nobody listens on is refused at once, and a window
// whose queue is full is asked again until the deadline.
bool ConnectBefore(int fd, const sockaddr_un& address, Clock::time_point deadline) {
    for (;;) {
        if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return true;
        if (errno == EINTR) continue;
        if (errno == EINPROGRESS) {
            int error = 0;
            socklen_t size = sizeof error;
            return WaitFor(fd, POLLOUT, deadline) &&
                   getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
        }
        if (errno != EAGAIN || MillisecondsLeft(deadline) == 0) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool SendAll(int fd, const std::string& bytes, Clock::time_point deadline) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            if (!WaitFor(fd, POLLOUT, deadline)) return false;
        } else {
            return false;
        }
    }
    return true;
}

// Reads one line (at most the answer's length) before the deadline.
std::string ReceiveLine(int fd, Clock::time_point deadline) {
    std::string line;
    char c = 0;
    while (line.size() < sizeof kHandOffAnswer - 1 && (line.empty() || line.back() != '\n')) {
        const ssize_t n = recv(fd, &c, 1, 0);
        if (n == 1) {
            line += c;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            if (!WaitFor(fd, POLLIN, deadline)) break;
        } else {
            break;  // closed or failed
        }
    }
    return line;
}

}  // namespace

std::string WindowSocketPath(const std::string& platformName) {
    const std::string name = "nira-" +
                             DisplayKey(platformName, std::getenv("WAYLAND_DISPLAY"),
                                        std::getenv("DISPLAY")) +
                             ".socket";
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (IsFolder(runtime)) return JoinPath(runtime, name);
    const char* temporary = std::getenv("TMPDIR");
    const std::string folder = temporary != nullptr && *temporary != '\0' ? temporary : "/tmp";
    return JoinPath(folder, "nira-" + std::to_string(getuid()) + "-" + name);
}

bool HandWordsToWindow(const std::string& path, const std::string& words, int timeoutMs) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    const std::string message = words.substr(0, kMaxHandOffBytes - 1) + '\n';
    const bool answered = ConnectBefore(fd, address, deadline) && SendAll(fd, message, deadline) &&
                          ReceiveLine(fd, deadline) == kHandOffAnswer;
    close(fd);
    return answered;
}

}  // namespace nira
