// The INI file's read/write cycle over any file: a key written reads back,
// every other key keeps its value, and a save that fails at any step
// leaves the file byte for byte as it was, with no temporary file beside it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <unistd.h>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileCalls.h"
#include "platform/Profile.h"
#include "FileModel.h"

namespace nira::fuzz {
namespace {

const std::string& Folder() {
    static const std::string folder = [] {
        // A memory file system where there is one: saves at fuzzing speed.
        std::string pattern = access("/dev/shm", W_OK) == 0 ? "/dev/shm/nira-fuzz-ini-XXXXXX"
                                                            : "/tmp/nira-fuzz-ini-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) Fail("mkdtemp");
        return std::string(pattern);
    }();
    static const bool cleanUp = std::atexit([] {
        unlink((folder + "/Nira.ini").c_str());
        rmdir(folder.c_str());
    }) == 0;
    (void)cleanUp;
    return folder;
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Names() {
    std::vector<std::string> names;
    DIR* dir = opendir(Folder().c_str());
    while (dirent* entry = dir ? readdir(dir) : nullptr) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    if (dir) closedir(dir);
    return names;
}

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\v\f");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r\v\f") - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Every (section, key) the file appears to hold, crudely: enough names to
// read before and after a write.
std::vector<std::pair<std::string, std::string>> Names(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::string section;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const std::string trimmed = Trim(line);
        if (!trimmed.empty() && trimmed[0] == '[') {
            section = Trim(trimmed.substr(1, trimmed.find(']') - 1));
        } else if (line.find('=') != std::string::npos) {
            pairs.emplace_back(section, Trim(line.substr(0, line.find('='))));
        }
    }
    return pairs;
}

int FailingFsync(int) { errno = EIO; return -1; }
int NoSync(int) { return 0; }  // the order of calls is the unit tests' to check
ssize_t FailingWrite(int, const void*, std::size_t) { errno = ENOSPC; return -1; }
int FailingRename(const char*, const char*) { errno = EXDEV; return -1; }
int RefusedTemporary(char*, int) { errno = EACCES; return -1; }

}  // namespace
}  // namespace nira::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nira;
    using namespace nira::fuzz;
    FuzzedDataProvider in(data, size);
    const int fault = in.ConsumeIntegralInRange<int>(0, 7);
    const bool inPlace = in.ConsumeBool();
    const std::string section = in.ConsumeRandomLengthString(12);
    const std::string key = in.ConsumeRandomLengthString(12);
    const int value = in.ConsumeIntegral<int>();
    const std::string text = in.ConsumeRemainingBytesAsString();

    const std::string path = Folder() + "/Nira.ini";
    { std::ofstream(path, std::ios::binary | std::ios::trunc) << text; }

    std::vector<std::pair<std::pair<std::string, std::string>, int>> others;
    for (const auto& [s, k] : Names(text)) {
        if (SameName(s, section) && SameName(k, key)) continue;
        others.push_back({{s, k}, GetPrivateProfileInt(s, k, 12345, path)});
    }

    SaveCalls() = SystemSaveCalls();
    SaveCalls().fsync = NoSync;
    if (inPlace) SaveCalls().makeTemporary = RefusedTemporary;
    if (fault == 1) SaveCalls().write = FailingWrite;
    if (fault == 2) SaveCalls().fsync = FailingFsync;
    if (fault == 3 && !inPlace) SaveCalls().rename = FailingRename;
    const bool faulty = fault == 1 || fault == 2 || (fault == 3 && !inPlace);
    const bool written = WritePrivateProfileString(section, key, std::to_string(value), path);
    SaveCalls() = SystemSaveCalls();

    Check(Names() == std::vector<std::string>{"Nira.ini"}, "a temporary file was left");
    if (faulty || !written) {
        Check(!written || !faulty, "a failed step reported success");
        Check(Read(path) == text, "a failed save changed the file");
        return 0;
    }
    Check(GetPrivateProfileInt(section, key, 12345, path) == value, "the key written does not read back");
    for (const auto& [name, before] : others)
        Check(GetPrivateProfileInt(name.first, name.second, 12345, path) == before, "another key changed");
    return 0;
}
