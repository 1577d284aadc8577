#include "platform/File.h"

#include "platform/FileException.h"
#include "platform/RegularFile.h"

#include <cerrno>
#include <unistd.h>

namespace nira {
namespace {

[[noreturn]] void ThrowFromErrno(int error, const std::string& fileName)
{
    throw CFileException(CFileException::CauseFromErrno(error), fileName);
}

}  // namespace

// POSIX has no mode that keeps unrelated processes from writing while the
// file is open, so none is faked. Only a regular file is read: a folder is
// refused as Windows refuses it, with access denied, and so are a FIFO and
// a device, whose reads would block or never end.
CFile::CFile(const std::string& path) : m_fileName(path)
{
    m_fd = OpenRegularFile(path);
    if (m_fd < 0)
        ThrowFromErrno(errno, m_fileName);
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
