// The system calls by which a file is saved, behind pointers: tests put a
// fault (a full disk, a folder that refuses a new file) or a witness of
// their order in place of one, and put it back afterwards.
#pragma once

#include <cstddef>
#include <sys/types.h>

namespace nira {

struct FileCalls {
    int (*makeTemporary)(char* pattern, int flags);  // mkostemp
    ssize_t (*write)(int fd, const void* data, std::size_t count);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
};

// The calls in use; the system's own unless a test replaced them.
FileCalls& SaveCalls();

// The system's own calls.
FileCalls SystemSaveCalls();

}  // namespace nira
