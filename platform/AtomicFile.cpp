#include "platform/AtomicFile.h"

#include "platform/FileCalls.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace nira {
namespace {

constexpr mode_t kNewFileMode = 0600;

bool WriteAll(int fd, const std::string& content)
{
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = SaveCalls().write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A symbolic link is replaced through its target, so that a linked
// configuration file stays linked.
std::string ResolveTarget(const std::string& path)
{
    std::vector<char> resolved(PATH_MAX);
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode) &&
        ::realpath(path.c_str(), resolved.data()) != nullptr)
        return resolved.data();
    return path;
}

// The mode the new file gets: the old file's, or kNewFileMode.
mode_t ModeFor(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return info.st_mode & 07777;
    return kNewFileMode;
}

bool WriteTemporary(int fd, const std::string& content, mode_t mode)
{
    return ::fchmod(fd, mode) == 0 && WriteAll(fd, content) && SaveCalls().fsync(fd) == 0;
}

}  // namespace

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

ReadResult ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& text)
{
    text.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::kMissing : ReadResult::kError;
    ReadResult result = ReadResult::kRead;
    char block[4096];
    for (;;) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result = ReadResult::kError;
            break;
        }
        if (n == 0)
            break;
        const std::size_t room = maxBytes - text.size();
        text.append(block, std::min(room, static_cast<std::size_t>(n)));
        if (static_cast<std::size_t>(n) > room) {
            result = ReadResult::kTooLarge;
            break;
        }
    }
    ::close(fd);
    return result;
}

bool MakeFolders(const std::string& folder, mode_t mode)
{
    if (folder.empty() || IsFolder(folder))
        return !folder.empty();
    const std::string parent = FolderOf(folder);
    if (parent != folder && !MakeFolders(parent, mode))
        return false;
    return ::mkdir(folder.c_str(), mode) == 0 || (errno == EEXIST && IsFolder(folder));
}

bool ReplaceFile(const std::string& path, const std::string& content)
{
    const std::string target = ResolveTarget(path);
    std::string pattern = target + ".XXXXXX";
    const int fd = SaveCalls().makeTemporary(&pattern[0], O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = WriteTemporary(fd, content, ModeFor(target));
    const bool closed = ::close(fd) == 0;
    if (written && closed && SaveCalls().rename(pattern.c_str(), target.c_str()) == 0)
        return true;
    ::unlink(pattern.c_str());
    return false;
}

}  // namespace nira
