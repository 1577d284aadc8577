#include "platform/File.h"

#include "platform/FileException.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nira {
namespace {

[[noreturn]] void ThrowFromErrno(int error, const std::string& fileName)
{
    throw CFileException(CFileException::CauseFromErrno(error), fileName);
}

}  // namespace

// POSIX has no mode that keeps unrelated processes from writing while the
// file is open, so none is faked. A folder opens read-only on POSIX; it is
// refused here as Windows refuses it, with access denied.
CFile::CFile(const std::string& path) : m_fileName(path)
{
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        ThrowFromErrno(errno, m_fileName);
    struct stat info {};
    const int error = ::fstat(m_fd, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
    if (error != 0) {
        ::close(m_fd);
        m_fd = -1;
        ThrowFromErrno(error, m_fileName);
    }
}

CFile::~CFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

// A failing read keeps the file name: the message then says which file.
std::size_t CFile::Read(void* buffer, std::size_t count)
{
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, count);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            ThrowFromErrno(errno, m_fileName);
    }
}

}  // namespace nira
