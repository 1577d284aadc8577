#include "platform/Profile.h"

#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace nira {
namespace {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/nira-profile-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_folder = pattern;
        m_ini = m_folder + "/Nira.ini";
    }
    void TearDown() override
    {
        const std::string command = "chmod -R u+w '" + m_folder + "' && rm -rf '" + m_folder + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
    }

    void Write(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    int Left(int defaultValue = 200)
    {
        return GetPrivateProfileInt("Position", "left", defaultValue, m_ini);
    }
    // Names in the folder other than Nira.ini: a temporary file left behind.
    std::vector<std::string> Strays(const std::string& folder)
    {
        std::vector<std::string> names;
        DIR* dir = opendir(folder.c_str());
        while (dirent* entry = dir ? readdir(dir) : nullptr) {
            const std::string name = entry->d_name;
            if (name != "." && name != ".." && name.rfind("Nira.ini", 0) == 0 && name != "Nira.ini")
                names.push_back(name);
        }
        if (dir)
            closedir(dir);
        return names;
    }

    std::string m_folder;
    std::string m_ini;
};

TEST_F(ProfileTest, ValuesReadAsTheLeadingSignedNumber)
{
    const struct {
        const char* value;
        int expected;
    } cases[] = {
        {"12", 12},        {"12abc", 12},           {"-8", -8},
        {"+7", 7},         {"abc", 0},              {"", 0},
        {"  42  ", 42},    {"\t-3", -3},            {"- 5", 0},
        {"0012", 12},      {"\"15\"", 15},          {"1 2", 1},
        {"0x10", 0},       {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
        // Digits accumulate modulo 2^32, as the Windows function does.
        {"2147483648", INT_MIN}, {"4294967295", -1}, {"4294967296", 0},
        {"99999999999", 1215752191}, {"99999999999999999999999999999999", -1},
    };
    for (const auto& c : cases) {
        Write(m_ini, std::string("[Position]\nleft=") + c.value + "\n");
        EXPECT_EQ(Left(), c.expected) << '"' << c.value << '"';
    }
}

TEST_F(ProfileTest, DefaultOnlyWhenKeySectionOrFileIsMissing)
{
    const struct {
        const char* file;
        int expected;
    } cases[] = {
        {"[Position]\nleft=5\n", 5},
        {"[position]\nLEFT=5\n", 5},
        {"  [ Position ]  \n  left  =  5\n", 5},
        {"[Position]\r\nleft=5\r\n", 5},
        {"[Position]\nleft=5", 5},
        {"[Position]\nleft=\n", 0},
        {"[Position]\nleft\n", 200},
        {"[Position]\nright=5\n", 200},
        {"[Other]\nleft=5\n", 200},
        {"left=5\n[Position]\n", 200},
        {"[Position]\n;left=5\n", 200},
        {"[Position]\nleft=5\nleft=6\n", 5},
        {"[Position]\n[Other]\nleft=5\n", 200},
        {"[Position]\ntop=1\n\n\nleft=7\n", 7},
        {"[Position]\nleft=1\n[Position]\nleft=2\n", 1},
        {"[Position]\nleft=9\n[Other]\n", 9},
        {"", 200},
    };
    for (const auto& c : cases) {
        Write(m_ini, c.file);
        EXPECT_EQ(Left(), c.expected) << c.file;
    }
    std::remove(m_ini.c_str());
    EXPECT_EQ(Left(-77), -77);
    EXPECT_EQ(GetPrivateProfileInt("Position", "left", 3, m_folder), 3) << "a folder";
}

TEST_F(ProfileTest, RectangleRoundTripsWithNegativeValues)
{
    const KeyValues rectangle = {{"left", "-8"}, {"right", "1032"}, {"top", "-8"}, {"bottom", "776"}};
    ASSERT_TRUE(WritePrivateProfileStrings("Position", rectangle, m_ini));
    EXPECT_EQ(Read(m_ini), "[Position]\nleft=-8\nright=1032\ntop=-8\nbottom=776\n");
    EXPECT_EQ(GetPrivateProfileInt("Position", "left", 200, m_ini), -8);
    EXPECT_EQ(GetPrivateProfileInt("Position", "right", 563, m_ini), 1032);
    EXPECT_EQ(GetPrivateProfileInt("Position", "top", 150, m_ini), -8);
    EXPECT_EQ(GetPrivateProfileInt("Position", "bottom", 450, m_ini), 776);

    ASSERT_TRUE(WritePrivateProfileString("Position", "top", "-30", m_ini));
    EXPECT_EQ(Read(m_ini), "[Position]\nleft=-8\nright=1032\ntop=-30\nbottom=776\n");
}

TEST_F(ProfileTest, WritingKeepsEverythingElse)
{
    const struct {
        const char* what;
        std::string before;
        std::string after;
    } cases[] = {
        {"replaced in place",
         "; saved by Nira\n[Other]\nleft=1\n\n[position]\nTop=3\nLEFT=1 ; old\nx=y\n\n[Last]\nk=v\n",
         "; saved by Nira\n[Other]\nleft=1\n\n[position]\nTop=3\nleft=-8\nx=y\n\n[Last]\nk=v\n"},
        {"added after the section's last line",
         "[Position]\ntop=3\n\n[Last]\nk=v\n",
         "[Position]\ntop=3\nleft=-8\n\n[Last]\nk=v\n"},
        {"section appended",
         "[Other]\nk=v",
         "[Other]\nk=v\n\n[Position]\nleft=-8\n"},
        {"CR LF kept",
         "[Other]\r\nk=v\r\n",
         "[Other]\r\nk=v\r\n\r\n[Position]\r\nleft=-8\r\n"},
        {"binary garbage kept",
         std::string("\x01\xFF\0[\n=\n", 7),
         std::string("\x01\xFF\0[\n=\n\n[Position]\nleft=-8\n", 27)},
    };
    for (const auto& c : cases) {
        Write(m_ini, c.before);
        ASSERT_TRUE(WritePrivateProfileString("Position", "left", "-8", m_ini)) << c.what;
        EXPECT_EQ(Read(m_ini), c.after) << c.what;
        EXPECT_EQ(Left(), -8) << c.what;
    }
}

TEST_F(ProfileTest, GarbageUnderTheLimitIsKeptByteForByte)
{
    std::string garbage;
    for (int i = 0; i < 100000; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    garbage += '\n';
    Write(m_ini, garbage);
    EXPECT_EQ(Left(), 200);
    ASSERT_TRUE(WritePrivateProfileString("Position", "left", "12", m_ini));
    const std::string after = Read(m_ini);
    EXPECT_EQ(after.substr(0, garbage.size()), garbage);
    EXPECT_EQ(Left(), 12);
}

TEST_F(ProfileTest, FileOverTheLimitIsReadInPart)
{
    std::string huge = "[Position]\nleft=" + std::string(kMaxProfileBytes, '7');
    Write(m_ini, huge);
    EXPECT_EQ(Left(), 1908874353);  // the digits that fit, modulo 2^32
}

// However large the file has grown, the position is saved and every other
// byte is kept.
TEST_F(ProfileTest, FileOverTheLimitIsStillSavedKeepingEverythingElse)
{
    const std::string rest = "[Other]\nbig=" + std::string(kMaxProfileBytes, '7') + "\nlast=1\n";
    Write(m_ini, "[Position]\nleft=1\ntop=2\n" + rest);
    ASSERT_TRUE(WritePrivateProfileStrings("Position", {{"left", "5"}, {"right", "9"}}, m_ini));
    EXPECT_EQ(Read(m_ini), "[Position]\nleft=5\ntop=2\nright=9\n" + rest);
    EXPECT_EQ(Left(), 5);
}

TEST_F(ProfileTest, MissingFolderIsCreatedPrivate)
{
    const std::string folder = m_folder + "/config/nira";
    const std::string ini = folder + "/Nira.ini";
    ASSERT_TRUE(WritePrivateProfileString("Position", "left", "5", ini));
    EXPECT_EQ(GetPrivateProfileInt("Position", "left", 200, ini), 5);
    struct stat info {};
    ASSERT_EQ(stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    ASSERT_EQ(stat(ini.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(ProfileTest, FolderThatCannotBeMadeLosesOnlyTheSave)
{
    Write(m_folder + "/file", "x");
    EXPECT_FALSE(WritePrivateProfileString("Position", "left", "5", m_folder + "/file/Nira.ini"));
    EXPECT_EQ(Read(m_folder + "/file"), "x");
}

// A writable file in a folder the user cannot write: no temporary file can
// be made beside it, so the file is rewritten where it stands.
TEST_F(ProfileTest, UnwritableFolderRewritesTheFileInPlace)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    Write(m_ini, "[Position]\nleft=1\n");
    ASSERT_EQ(chmod(m_folder.c_str(), 0500), 0);
    EXPECT_TRUE(WritePrivateProfileString("Position", "left", "5", m_ini));
    EXPECT_EQ(Read(m_ini), "[Position]\nleft=5\n");
    EXPECT_TRUE(Strays(m_folder).empty());
}

// A temporary file name that the file system refuses (too long), as for a
// folder that cannot be written: the file is rewritten in place.
TEST_F(ProfileTest, TemporaryFileRefusedRewritesTheFileInPlace)
{
    const std::string ini = m_folder + "/Nira.ini" + std::string(245, 'x');
    Write(ini, "[Position]\nleft=1\nright=2\n");
    ASSERT_EQ(Read(ini), "[Position]\nleft=1\nright=2\n");
    EXPECT_TRUE(WritePrivateProfileString("Position", "left", "5", ini));
    EXPECT_EQ(Read(ini), "[Position]\nleft=5\nright=2\n");
    EXPECT_EQ(Strays(m_folder).size(), 1u);  // the file itself, nothing more
}

// A write cut short (a full disk, here a file size limit) leaves the old
// file whole and no temporary file behind.
TEST_F(ProfileTest, CutWriteLeavesTheOldFile)
{
    const std::string old = "[Position]\nleft=1\n";
    Write(m_ini, old);
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 10;
    void (*previous)(int) = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WritePrivateProfileString("Position", "left", "5", m_ini);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(Read(m_ini), old);
    EXPECT_TRUE(Strays(m_folder).empty());
}

TEST_F(ProfileTest, SymbolicLinkStaysALink)
{
    const std::string target = m_folder + "/real.ini";
    Write(target, "[Position]\nleft=1\n");
    ASSERT_EQ(symlink(target.c_str(), m_ini.c_str()), 0);
    ASSERT_TRUE(WritePrivateProfileString("Position", "left", "2", m_ini));
    struct stat info {};
    ASSERT_EQ(lstat(m_ini.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(Read(target), "[Position]\nleft=2\n");
}

TEST_F(ProfileTest, NamesOrValuesThatWouldBreakTheFileAreRefused)
{
    Write(m_ini, "[Position]\nleft=1\n");
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"Position", "left", "5\n[Evil]"}, {"Position", "le\nft", "5"}, {"Position", "a=b", "5"},
        {"Posi]tion", "left", "5"},        {"Position", "", "5"},        {"Pos\rition", "left", "5"},
        {"Position", "[Other]", "5"},      {"Position", "[x", "5"},      {"Position", "a\rb", "5"},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(WritePrivateProfileString(c.section, c.key, c.value, m_ini)) << c.key;
    EXPECT_EQ(Read(m_ini), "[Position]\nleft=1\n");
}

class ConfigDirTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Save("XDG_CONFIG_HOME", m_xdg);
        Save("HOME", m_home);
    }
    void TearDown() override
    {
        Restore("XDG_CONFIG_HOME", m_xdg);
        Restore("HOME", m_home);
    }
    static void Save(const char* name, std::pair<bool, std::string>& slot)
    {
        const char* value = std::getenv(name);
        slot = {value != nullptr, value ? value : ""};
    }
    static void Restore(const char* name, const std::pair<bool, std::string>& slot)
    {
        if (slot.first)
            setenv(name, slot.second.c_str(), 1);
        else
            unsetenv(name);
    }
    std::pair<bool, std::string> m_xdg, m_home;
};

TEST_F(ConfigDirTest, XdgThenHomeThenPasswordDatabase)
{
    setenv("HOME", "/home/reader", 1);
    setenv("XDG_CONFIG_HOME", "/srv/config", 1);
    EXPECT_EQ(UserConfigDir(), "/srv/config");
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(UserConfigDir(), "/home/reader/.config");
    setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(UserConfigDir(), "/home/reader/.config");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(UserConfigDir(), "/home/reader/.config");
    unsetenv("HOME");
    const std::string fromDatabase = UserConfigDir();
    EXPECT_EQ(fromDatabase.front(), '/');
    EXPECT_EQ(fromDatabase.substr(fromDatabase.size() - 8), "/.config");
}

}  // namespace
}  // namespace nira
