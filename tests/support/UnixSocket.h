// A Unix socket bound at a path, for the tests of handing words to the
// window: closed at once it is the stale socket a crash leaves; listening
// it stands for a window.
#pragma once

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace nira::test {

// The descriptor, bound at path and listening when asked; -1 on failure.
inline int BindUnixSocket(const std::string& path, bool listening) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return -1;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return -1;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        (listening && listen(fd, 4) != 0)) {
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace nira::test
