// A FIFO or a device where a data file or the INI file should be: every
// reader refuses it at once instead of blocking (a FIFO) or reading for
// ever (/dev/zero). An alarm ends the test should a reader hang.
#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "dict/DictionaryFile.h"
#include "digest/Md5.h"
#include "platform/File.h"
#include "platform/FileException.h"
#include "platform/Profile.h"
#include "support/Fixture.h"

namespace nira {
namespace {

constexpr unsigned kHangSeconds = 20;

struct Special {
    const char* name;
    bool (*make)(const std::string& path);
};

const Special kSpecials[] = {
    {"fifo", [](const std::string& path) { return mkfifo(path.c_str(), 0600) == 0; }},
    {"link_to_dev_zero", [](const std::string& path) { return symlink("/dev/zero", path.c_str()) == 0; }},
};

class SpecialFileTest : public ::testing::TestWithParam<Special> {
protected:
    void SetUp() override
    {
        m_path = m_folder.FilePath("english");
        ASSERT_TRUE(GetParam().make(m_path));
        alarm(kHangSeconds);  // SIGALRM ends the run: a hang is a failure
    }
    void TearDown() override { alarm(0); }

    test::TempFolder m_folder;
    std::string m_path;
};

TEST_P(SpecialFileTest, IsAccessDeniedForTheDataFileReaders)
{
    try {
        CFile file(m_path);
        ADD_FAILURE() << "opened";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.GetCause(), CFileException::kAccessDenied);
    }
    EXPECT_THROW(CMd5::DigestOfFile(m_path), CFileException);
    DictionaryFile file;
    EXPECT_FALSE(file.Open(m_path, 16));
}

TEST_P(SpecialFileTest, IsAnAbsentIniFileThatIsNeverReplaced)
{
    EXPECT_EQ(GetPrivateProfileInt("Position", "left", 200, m_path), 200);
    if (std::string(GetParam().name) != "fifo")
        return;  // never let a failing test try to replace a device
    EXPECT_FALSE(WritePrivateProfileString("Position", "left", "5", m_path));
    struct stat info {};
    ASSERT_EQ(lstat(m_path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

INSTANTIATE_TEST_SUITE_P(Kinds, SpecialFileTest, ::testing::ValuesIn(kSpecials),
                         [](const ::testing::TestParamInfo<Special>& info) { return info.param.name; });

}  // namespace
}  // namespace nira
