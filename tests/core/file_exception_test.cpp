#include "platform/File.h"
#include "platform/FileException.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace nira {
namespace {

using Cause = CFileException::Cause;

TEST(FileException, ErrnoGivesCauseAndMessage)
{
    const struct {
        int error;
        Cause cause;
        const char* message;
    } cases[] = {
        {ENOENT, CFileException::kFileNotFound, "english was not found."},
        {ENOTDIR, CFileException::kBadPath, "english contains an invalid path."},
        {ENAMETOOLONG, CFileException::kBadPath, "english contains an invalid path."},
        {ELOOP, CFileException::kBadPath, "english contains an invalid path."},
        {EMFILE, CFileException::kTooManyOpenFiles,
         "english could not be opened because there are too many open files."},
        {ENFILE, CFileException::kTooManyOpenFiles,
         "english could not be opened because there are too many open files."},
        {EACCES, CFileException::kAccessDenied, "Access to english was denied."},
        {EPERM, CFileException::kAccessDenied, "Access to english was denied."},
        {EROFS, CFileException::kAccessDenied, "Access to english was denied."},
        {EISDIR, CFileException::kAccessDenied, "Access to english was denied."},
        {EBUSY, CFileException::kSharingViolation,
         "A sharing violation occurred while accessing english."},
        {ETXTBSY, CFileException::kSharingViolation,
         "A sharing violation occurred while accessing english."},
        {EAGAIN, CFileException::kLockViolation,
         "A locking violation occurred while accessing english."},
        {EWOULDBLOCK, CFileException::kLockViolation,
         "A locking violation occurred while accessing english."},
        {EIO, CFileException::kGeneric, "An unknown error occurred while accessing english."},
        {0, CFileException::kGeneric, "An unknown error occurred while accessing english."},
    };
    for (const auto& c : cases) {
        const Cause cause = CFileException::CauseFromErrno(c.error);
        EXPECT_EQ(cause, c.cause) << c.error;
        const CFileException e(cause, "english");
        EXPECT_EQ(e.Message(), c.message) << c.error;
        EXPECT_STREQ(e.what(), c.message) << c.error;
    }
}

TEST(FileException, FileNameStaysExactlyAsGiven)
{
    for (const char* name : {"", "./data/persian", "%1 100% done", "فرهنگ"}) {
        const CFileException e(CFileException::kFileNotFound, name);
        EXPECT_EQ(e.FileName(), name);
        EXPECT_EQ(e.Message(), std::string(name) + " was not found.");
    }
}

class FileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/nira-file-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_folder = pattern;
        m_plain = m_folder + "/plain";
        FILE* file = std::fopen(m_plain.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("hello", file);
        std::fclose(file);
    }
    void TearDown() override
    {
        std::remove(m_plain.c_str());
        rmdir(m_folder.c_str());
    }

    Cause OpenFailure(const std::string& path)
    {
        try {
            CFile file(path);
        } catch (const CFileException& e) {
            EXPECT_EQ(e.FileName(), path);
            return e.GetCause();
        }
        ADD_FAILURE() << path << " opened";
        return CFileException::kGeneric;
    }

    std::string m_folder;
    std::string m_plain;
};

TEST_F(FileTest, ReadsToTheEndThenZero)
{
    CFile file(m_plain);
    char buffer[4];
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 4u);
    EXPECT_EQ(std::string(buffer, 4), "hell");
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 1u);
    EXPECT_EQ(buffer[0], 'o');
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
    EXPECT_EQ(file.FileName(), m_plain);
}

TEST_F(FileTest, FailedOpensCarryTheirCause)
{
    EXPECT_EQ(OpenFailure(m_folder + "/missing"), CFileException::kFileNotFound);
    EXPECT_EQ(OpenFailure(m_plain + "/below-a-file"), CFileException::kBadPath);
    EXPECT_EQ(OpenFailure(m_folder + "/" + std::string(300, 'x')), CFileException::kBadPath);
    EXPECT_EQ(OpenFailure(m_folder), CFileException::kAccessDenied);
}

TEST_F(FileTest, UnreadableFileIsAccessDenied)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    ASSERT_EQ(chmod(m_plain.c_str(), 0), 0);
    EXPECT_EQ(OpenFailure(m_plain), CFileException::kAccessDenied);
}

TEST_F(FileTest, ClosesOnDestruction)
{
    int fdAfter = -1;
    {
        CFile file(m_plain);
        fdAfter = ::open(m_plain.c_str(), O_RDONLY);  // the lowest free number
        ASSERT_GE(fdAfter, 0);
        ::close(fdAfter);
    }
    // The CFile's descriptor, taken before fdAfter, is free again.
    const int reused = ::open(m_plain.c_str(), O_RDONLY);
    EXPECT_LT(reused, fdAfter);
    ::close(reused);
}

}  // namespace
}  // namespace nira
