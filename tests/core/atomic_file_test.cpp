// The atomic save: what it keeps of the file it replaces, and the order of
// its system calls, watched and broken through the replaceable calls.
#include "platform/AtomicFile.h"
#include "platform/FileCalls.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "support/Fixture.h"

namespace nira {
namespace {

std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    while (dirent* entry = dir ? readdir(dir) : nullptr) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    if (dir)
        closedir(dir);
    return names;
}

// Puts the system's calls back whatever a test replaced.
class CallsGuard {
public:
    ~CallsGuard() { SaveCalls() = SystemSaveCalls(); }
};

// What the witnesses saw, in order.
std::vector<std::string> g_events;

std::string PathOf(int fd)
{
    char path[PATH_MAX] = {};
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = readlink(link.c_str(), path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<std::size_t>(n)) : "?";
}

int WitnessFsync(int fd)
{
    struct stat info {};
    fstat(fd, &info);
    g_events.push_back("fsync " + PathOf(fd) + " " + std::to_string(info.st_size));
    return ::fsync(fd);
}

int WitnessRename(const char* from, const char* to)
{
    g_events.push_back(std::string("rename ") + from);
    return ::rename(from, to);
}

int FailingFsync(int) { errno = EIO; return -1; }
ssize_t FailingWrite(int, const void*, std::size_t) { errno = ENOSPC; return -1; }
int FailingRename(const char*, const char*) { errno = EXDEV; return -1; }

class AtomicFileTest : public ::testing::Test {
protected:
    std::string Path() const { return m_folder.FilePath("Nira.ini"); }

    test::TempFolder m_folder;
    CallsGuard m_guard;
};

TEST_F(AtomicFileTest, AnExistingFileKeepsItsMode)
{
    for (const mode_t mode : {0644, 0640, 0604, 0600, 0664}) {
        Write(Path(), "[Position]\n");
        ASSERT_EQ(chmod(Path().c_str(), mode), 0);
        ASSERT_TRUE(ReplaceFile(Path(), "[Position]\nleft=1\n"));
        struct stat info {};
        ASSERT_EQ(stat(Path().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode) << std::oct << mode;
        EXPECT_EQ(Read(Path()), "[Position]\nleft=1\n");
    }
}

TEST_F(AtomicFileTest, TheDataIsSyncedBeforeTheRename)
{
    const std::string content = "[Position]\nleft=12\n";
    Write(Path(), "old\n");
    g_events.clear();
    SaveCalls().fsync = WitnessFsync;
    SaveCalls().rename = WitnessRename;
    ASSERT_TRUE(ReplaceFile(Path(), content));
    ASSERT_EQ(g_events.size(), 2u);
    const std::string fsync = g_events[0];
    const std::string rename = g_events[1];
    ASSERT_EQ(rename.rfind("rename " + Path() + ".", 0), 0u) << rename;
    const std::string temporary = rename.substr(std::string("rename ").size());
    EXPECT_EQ(fsync, "fsync " + temporary + " " + std::to_string(content.size()));
    EXPECT_EQ(Read(Path()), content);
}

// Whichever step fails, the old file stays as it was and nothing is left
// beside it.
TEST_F(AtomicFileTest, AFailedStepLeavesTheOldFileAndNoTemporary)
{
    struct Fault {
        const char* name;
        void (*apply)(FileCalls&);
    } const faults[] = {
        {"write", [](FileCalls& c) { c.write = FailingWrite; }},
        {"fsync", [](FileCalls& c) { c.fsync = FailingFsync; }},
        {"rename", [](FileCalls& c) { c.rename = FailingRename; }},
    };
    for (const Fault& fault : faults) {
        Write(Path(), "[Position]\nleft=1\n");
        SaveCalls() = SystemSaveCalls();
        fault.apply(SaveCalls());
        EXPECT_FALSE(ReplaceFile(Path(), "[Position]\nleft=2\n")) << fault.name;
        EXPECT_EQ(Read(Path()), "[Position]\nleft=1\n") << fault.name;
        EXPECT_EQ(Names(m_folder.Path()), std::vector<std::string>{"Nira.ini"}) << fault.name;
    }
}

}  // namespace
}  // namespace nira
