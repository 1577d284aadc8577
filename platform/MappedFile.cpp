#include "platform/MappedFile.h"
#include "platform/RegularFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <mutex>

namespace nira {
namespace {

// Address ranges the handler may repair: [start, end), 0 when free. Atomic
// so that the handler reads them without a lock.
constexpr int kGuardSlots = 256;
std::atomic<uintptr_t> g_rangeStart[kGuardSlots];
std::atomic<uintptr_t> g_rangeEnd[kGuardSlots];
uintptr_t g_pageSize = 4096;
struct sigaction g_previousAction {};
std::once_flag g_installOnce;

bool IsGuarded(uintptr_t address) {
    for (int i = 0; i < kGuardSlots; ++i) {
        const uintptr_t start = g_rangeStart[i].load(std::memory_order_acquire);
        if (start != 0 && address >= start &&
            address < g_rangeEnd[i].load(std::memory_order_acquire)) {
            return true;
        }
    }
    return false;
}

void PassOn(int signal, siginfo_t* info, void* context) {
    const struct sigaction& previous = g_previousAction;
    if ((previous.sa_flags & SA_SIGINFO) != 0 && previous.sa_sigaction != nullptr) {
        previous.sa_sigaction(signal, info, context);
        return;
    }
    if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
        previous.sa_handler(signal);
        return;
    }
    // Default action: returning re-runs the faulting access, which now ends
    // the process as the signal would have.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
}

void OnBusError(int signal, siginfo_t* info, void* context) {
    const int savedErrno = errno;
    const uintptr_t address = reinterpret_cast<uintptr_t>(info->si_addr);
    if (IsGuarded(address)) {
        void* page = reinterpret_cast<void*>(address & ~(g_pageSize - 1));
        if (mmap(page, g_pageSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) !=
            MAP_FAILED) {
            errno = savedErrno;
            return;
        }
    }
    errno = savedErrno;
    PassOn(signal, info, context);
}

void InstallHandler() {
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pageSize > 0) g_pageSize = static_cast<uintptr_t>(pageSize);
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &g_previousAction);
}

bool Guard(const unsigned char* data, int64_t size) {
    std::call_once(g_installOnce, InstallHandler);
    const uintptr_t start = reinterpret_cast<uintptr_t>(data);
    for (int i = 0; i < kGuardSlots; ++i) {
        uintptr_t expected = 0;
        // Claim the slot with a placeholder end, then publish the range.
        if (g_rangeEnd[i].compare_exchange_strong(expected, start + static_cast<uintptr_t>(size),
                                                  std::memory_order_acq_rel)) {
            g_rangeStart[i].store(start, std::memory_order_release);
            return true;
        }
    }
    return false;
}

void Unguard(const unsigned char* data) {
    const uintptr_t start = reinterpret_cast<uintptr_t>(data);
    for (int i = 0; i < kGuardSlots; ++i) {
        if (g_rangeStart[i].load(std::memory_order_acquire) == start) {
            g_rangeStart[i].store(0, std::memory_order_release);
            g_rangeEnd[i].store(0, std::memory_order_release);
            return;
        }
    }
}

}  // namespace

bool MapFileReadOnly(const std::string& path, MappedFile& mapped) {
    mapped = MappedFile{};
    const int fd = OpenRegularFile(path);  // never blocks on a FIFO
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
        ::close(fd);
        return false;
    }
    const int64_t size = static_cast<int64_t>(info.st_size);
    void* data = nullptr;
    if (size > 0) {
        data = ::mmap(nullptr, static_cast<std::size_t>(size), PROT_READ, MAP_PRIVATE, fd, 0);
    }
    ::close(fd);  // the mapping keeps the file
    if (data == MAP_FAILED) return false;
    if (data != nullptr && !Guard(static_cast<const unsigned char*>(data), size)) {
        ::munmap(data, static_cast<std::size_t>(size));
        return false;
    }
    mapped.data = static_cast<const unsigned char*>(data);
    mapped.size = size;
    return true;
}

void UnmapFile(MappedFile& mapped) {
    if (mapped.data != nullptr) {
        Unguard(mapped.data);
        ::munmap(const_cast<unsigned char*>(mapped.data), static_cast<std::size_t>(mapped.size));
    }
    mapped = MappedFile{};
}

}  // namespace nira
