#include "platform/AtomicFile.h"

#include "platform/FileCalls.h"
#include "platform/RegularFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace nira {
namespace {

constexpr mode_t kNewFileMode = 0600;
constexpr mode_t kNewFolderMode = 0700;
constexpr int kMaxLinkDepth = 40;  // as the kernel's own limit
// A temporary file of ours this old was left by a save that never ended.
constexpr time_t kStaleTemporarySeconds = 60;
constexpr std::size_t kTemporarySuffixLength = 6;  // mkostemp's XXXXXX

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

bool Exists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// A symbolic link is replaced through its target, so that a linked
// configuration file stays linked, also when the target does not exist
// yet (dotfiles kept elsewhere).
std::string ResolveTarget(const std::string& path)
{
    std::string current = path;
    std::vector<char> link(PATH_MAX);
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        const ssize_t n = ::readlink(current.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size())
            return current;
        std::string next(link.data(), static_cast<std::size_t>(n));
        current = next.front() == '/' ? next : FolderOf(current) + "/" + next;
    }
    return current;
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

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// "Nira.ini.Ab3xZ9": the name mkostemp gives a temporary file of target.
bool IsTemporaryName(const std::string& name, const std::string& targetName)
{
    const std::string prefix = targetName + ".";
    if (name.size() != prefix.size() + kTemporarySuffixLength || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// Temporary files that an earlier save left behind (killed between making
// and renaming one): ours, regular, and older than any save in progress.
void RemoveStaleTemporaries(const std::string& target)
{
    const std::string folder = FolderOf(target);
    const std::string targetName = NameOf(target);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    const time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!IsTemporaryName(name, targetName))
            continue;
        const std::string path = folder + "/" + name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::geteuid() && now - info.st_mtime > kStaleTemporarySeconds)
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

bool WriteFromStart(int fd, const std::string& content)
{
    return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, content) &&
           ::ftruncate(fd, static_cast<off_t>(content.size())) == 0 && SaveCalls().fsync(fd) == 0;
}

// No temporary file can be made beside the file (a folder the user cannot
// write, a name too long for the suffix): the file itself is rewritten
// when it may be, and its old content put back when that fails.
bool RewriteInPlace(const std::string& target, const std::string& content)
{
    std::string old;
    if (ReadWholeFile(target, kWholeFile, old) != ReadResult::kRead)
        return false;
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = WriteFromStart(fd, content);
    if (!written)
        WriteFromStart(fd, old);
    return ::close(fd) == 0 && written;
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
    const int fd = OpenRegularFile(path);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return ReadResult::kMissing;
        return errno == EACCES && Exists(path) && !IsRegularFile(path) && !IsFolder(path)
                   ? ReadResult::kNotRegular : ReadResult::kError;
    }
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
    if (Exists(target) ? !IsRegularFile(target) : !MakeFolders(FolderOf(target), kNewFolderMode))
        return false;
    RemoveStaleTemporaries(target);
    std::string pattern = target + ".XXXXXX";
    const int fd = SaveCalls().makeTemporary(&pattern[0], O_CLOEXEC);
    if (fd < 0)
        return Exists(target) && RewriteInPlace(target, content);
    const bool written = WriteTemporary(fd, content, ModeFor(target));
    const bool closed = ::close(fd) == 0;
    if (written && closed && SaveCalls().rename(pattern.c_str(), target.c_str()) == 0)
        return true;
    ::unlink(pattern.c_str());
    return false;
}

}  // namespace nira
