#include "platform/FileException.h"

#include <cerrno>
#include <utility>

namespace nira {
namespace {

// The user's text per cause; %1 stands for the file name.
const char* MessageTemplate(CFileException::Cause cause)
{
    switch (cause) {
    case CFileException::kFileNotFound: return "%1 was not found.";
    case CFileException::kBadPath: return "%1 contains an invalid path.";
    case CFileException::kTooManyOpenFiles:
        return "%1 could not be opened because there are too many open files.";
    case CFileException::kAccessDenied: return "Access to %1 was denied.";
    case CFileException::kSharingViolation: return "A sharing violation occurred while accessing %1.";
    case CFileException::kLockViolation: return "A locking violation occurred while accessing %1.";
    case CFileException::kGeneric: break;
    }
    return "An unknown error occurred while accessing %1.";
}

std::string FormatMessage(CFileException::Cause cause, const std::string& fileName)
{
    std::string text = MessageTemplate(cause);
    const std::size_t at = text.find("%1");
    text.replace(at, 2, fileName);
    return text;
}

}  // namespace

CFileException::CFileException(Cause cause, std::string fileName)
    : m_cause(cause), m_fileName(std::move(fileName)),
      m_message(FormatMessage(m_cause, m_fileName))
{
}

// EAGAIN and EWOULDBLOCK come only from a refused lock here (the files are
// opened blocking), hence a lock violation.
CFileException::Cause CFileException::CauseFromErrno(int error)
{
    switch (error) {
    case ENOENT: return kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return kBadPath;
    case EMFILE:
    case ENFILE: return kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return kAccessDenied;
    case EBUSY:
    case ETXTBSY: return kSharingViolation;
    case EAGAIN:
#if EWOULDBLOCK != EAGAIN
    case EWOULDBLOCK:
#endif
        return kLockViolation;
    default: return kGeneric;
    }
}

std::string CFileException::Message() const
{
    return m_message;
}

}  // namespace nira
