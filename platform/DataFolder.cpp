#include "platform/DataFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/Constants.h"

namespace nira {

namespace {

bool IsReadableFile(const std::string& path) {
    return access(path.c_str(), R_OK) == 0;
}

bool HoldsBothFiles(const std::string& folder) {
    return IsReadableFile(JoinPath(folder, kPersianFileName)) &&
           IsReadableFile(JoinPath(folder, kEnglishFileName));
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string ExecutableDir() {
    std::vector<char> buffer(4096);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return "";
    const std::string path(buffer.data(), static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash);
}

std::string FindDataFolder(const std::string& installDataDir) {
    const char* fromEnv = std::getenv("NIRA_DATA_DIR");
    if (fromEnv != nullptr && *fromEnv != '\0') return fromEnv;
    // <bin>/../share/nira keeps an installed copy working when its prefix
    // was moved (cmake --install --prefix elsewhere).
    const std::string exeDir = ExecutableDir();
    const std::string besideExe = exeDir.empty() ? "" : JoinPath(exeDir, "../share/nira");
    const std::vector<std::string> candidates = {".", exeDir, besideExe, installDataDir};
    for (const std::string& folder : candidates) {
        if (!folder.empty() && HoldsBothFiles(folder)) return folder;
    }
    // Nothing complete: the installed folder, so that the message names the
    // place a user would look.
    return installDataDir.empty() ? "." : installDataDir;
}

}  // namespace nira
