// The atomic save: what it keeps of the file it replaces, and the order of
// its system calls, watched and broken through the replaceable calls.
#include "platform/AtomicFile.h"
#include "platform/FileCalls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>
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
int RefusedTemporary(char*, int) { errno = EACCES; return -1; }

// A disk that fills up during a write: the first call writes half, the
// second fails, later ones (putting the old content back) succeed.
int g_writeCalls = 0;
ssize_t FillingWrite(int fd, const void* data, std::size_t count)
{
    ++g_writeCalls;
    if (g_writeCalls == 1)
        return ::write(fd, data, count / 2);
    if (g_writeCalls == 2) {
        errno = ENOSPC;
        return -1;
    }
    return ::write(fd, data, count);
}

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
        {"disk filling up", [](FileCalls& c) { c.write = FillingWrite; }},
        {"disk filling up in place", [](FileCalls& c) {
             c.write = FillingWrite;
             c.makeTemporary = RefusedTemporary;
         }},
        {"fsync in place", [](FileCalls& c) {
             c.fsync = FailingFsync;
             c.makeTemporary = RefusedTemporary;
         }},
    };
    for (const Fault& fault : faults) {
        Write(Path(), "[Position]\nleft=1\n");
        g_writeCalls = 0;
        SaveCalls() = SystemSaveCalls();
        fault.apply(SaveCalls());
        EXPECT_FALSE(ReplaceFile(Path(), "[Position]\nleft=2\n")) << fault.name;
        EXPECT_EQ(Read(Path()), "[Position]\nleft=1\n") << fault.name;
        EXPECT_EQ(Names(m_folder.Path()), std::vector<std::string>{"Nira.ini"}) << fault.name;
    }
}

// No temporary file can be made beside the file (a folder the user cannot
// write): the file is rewritten where it stands, keeping its mode.
TEST_F(AtomicFileTest, WithoutATemporaryFileTheFileIsRewrittenInPlace)
{
    for (const std::string& content : {std::string("[Position]\nleft=12345\nright=5\n"), std::string("x\n")}) {
        Write(Path(), "[Position]\nleft=1\nright=200\n");
        ASSERT_EQ(chmod(Path().c_str(), 0640), 0);
        SaveCalls().makeTemporary = RefusedTemporary;
        EXPECT_TRUE(ReplaceFile(Path(), content));
        EXPECT_EQ(Read(Path()), content);
        struct stat info {};
        ASSERT_EQ(stat(Path().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0640u);
        EXPECT_EQ(Names(m_folder.Path()), std::vector<std::string>{"Nira.ini"});
    }
    // A file that does not exist cannot be made there either.
    ASSERT_EQ(unlink(Path().c_str()), 0);
    EXPECT_FALSE(ReplaceFile(Path(), "x\n"));
    EXPECT_TRUE(Names(m_folder.Path()).empty());
}

// A link whose target does not exist yet (dotfiles kept elsewhere): the
// target is made, with its folder, and the link stays a link.
TEST_F(AtomicFileTest, ALinkToAMissingTargetIsWrittenThrough)
{
    const struct {
        const char* link;
        std::string target;     // as the link holds it
        std::string written;    // where the content goes
    } cases[] = {
        {"absolute", m_folder.FilePath("dotfiles/nira/Nira.ini"), m_folder.FilePath("dotfiles/nira/Nira.ini")},
        {"relative", "dotfiles/other.ini", m_folder.FilePath("dotfiles/other.ini")},
    };
    for (const auto& c : cases) {
        const std::string link = m_folder.FilePath(c.link);
        ASSERT_EQ(symlink(c.target.c_str(), link.c_str()), 0);
        ASSERT_TRUE(ReplaceFile(link, "[Position]\nleft=3\n")) << c.link;
        struct stat info {};
        ASSERT_EQ(lstat(link.c_str(), &info), 0);
        EXPECT_TRUE(S_ISLNK(info.st_mode)) << c.link;
        EXPECT_EQ(Read(c.written), "[Position]\nleft=3\n") << c.link;
    }
}

// Temporary files of this file that a killed save left behind go with the
// next save; a save still in progress (a fresh one) and other names stay.
TEST_F(AtomicFileTest, StaleTemporaryFilesOfOursAreRemoved)
{
    const std::vector<std::string> stale = {"Nira.ini.AbC123", "Nira.ini.zz9XY0"};
    const std::vector<std::string> kept = {"Nira.ini.bak", "Nira.ini.AbC1234", "Other.ini.AbC123",
                                           "Nira.ini.Fresh1"};
    for (const std::string& name : stale) {
        Write(m_folder.FilePath(name), "partial");
        const utimbuf hourAgo{time(nullptr) - 3600, time(nullptr) - 3600};
        ASSERT_EQ(utime(m_folder.FilePath(name).c_str(), &hourAgo), 0);
    }
    for (const std::string& name : kept) {
        Write(m_folder.FilePath(name), "other");
        if (name != "Nira.ini.Fresh1") {
            const utimbuf hourAgo{time(nullptr) - 3600, time(nullptr) - 3600};
            ASSERT_EQ(utime(m_folder.FilePath(name).c_str(), &hourAgo), 0);
        }
    }
    ASSERT_TRUE(ReplaceFile(Path(), "[Position]\n"));
    std::vector<std::string> names = Names(m_folder.Path());
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected = kept;
    expected.push_back("Nira.ini");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
}

}  // namespace
}  // namespace nira
