// A file that could not be opened or read: the cause and the file name
// exactly as the caller gave it.
#pragma once

#include <exception>
#include <string>

namespace nira {

class CFileException : public std::exception {
public:
    enum Cause {
        kGeneric,
        kFileNotFound,
        kBadPath,
        kTooManyOpenFiles,
        kAccessDenied,
        kSharingViolation,
        kLockViolation,
    };

    CFileException(Cause cause, std::string fileName);
    static Cause CauseFromErrno(int error);

    Cause GetCause() const { return m_cause; }
    const std::string& FileName() const { return m_fileName; }
    // The user's message, e.g. "english was not found."
    std::string Message() const;
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    Cause m_cause;
    std::string m_fileName;
    std::string m_message;
};

}  // namespace nira
