#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <ctime>
#include <string>
#include <vector>

#include "digest/DigestCache.h"
#include "digest/Md5.h"
#include "platform/AtomicFile.h"
#include "platform/FileException.h"
#include "support/Fixture.h"

namespace nira {
namespace {

using test::TempFolder;
using test::WriteRawFile;

const std::string kContent = "the data file's bytes";
const std::string kOtherContent = "the data file's BYTES";  // same size
const std::string kDigest = CMd5::DigestOfBytes(
    reinterpret_cast<const unsigned char*>(kContent.data()), kContent.size());

class DigestCacheTest : public ::testing::Test {
protected:
    DigestCacheTest() : m_cache(m_folder.FilePath("cache/nira")), m_file(m_folder.FilePath("english")) {
        WriteRawFile(m_file, kContent);
    }
    FileState State() const {
        FileState state;
        EXPECT_TRUE(ReadFileState(m_file, state));
        return state;
    }
    TempFolder m_folder;
    std::string m_cache;
    std::string m_file;
};

TEST_F(DigestCacheTest, ADigestIsRememberedForExactlyOneState) {
    const FileState state = State();
    EXPECT_EQ(RememberedDigest(m_cache, state), "");
    ASSERT_TRUE(RememberDigest(m_cache, state, kDigest));
    EXPECT_EQ(RememberedDigest(m_cache, state), kDigest);

    struct Change {
        const char* name;
        void (*apply)(FileState&);
    };
    const std::vector<Change> changes = {
        {"device", [](FileState& s) { ++s.device; }},
        {"inode", [](FileState& s) { ++s.inode; }},
        {"size", [](FileState& s) { ++s.size; }},
        {"modified", [](FileState& s) { ++s.modifiedNs; }},
        {"changed", [](FileState& s) { ++s.changedNs; }},
    };
    for (const Change& change : changes) {
        FileState other = state;
        change.apply(other);
        EXPECT_EQ(RememberedDigest(m_cache, other), "") << change.name;
    }
}

TEST_F(DigestCacheTest, NothingButADigestOfHexDigitsIsStoredOrTaken) {
    const FileState state = State();
    EXPECT_FALSE(RememberDigest(m_cache, state, "not a digest"));
    EXPECT_FALSE(RememberDigest(m_cache, state, std::string(32, 'G')));
    EXPECT_FALSE(RememberDigest("", state, kDigest));
    EXPECT_EQ(RememberedDigest("", state), "");

    ASSERT_TRUE(RememberDigest(m_cache, state, kDigest));
    char name[64];
    std::snprintf(name, sizeof name, "%llx-%llx", static_cast<unsigned long long>(state.device),
                  static_cast<unsigned long long>(state.inode));
    const std::string cacheFile = m_cache + "/" + name;
    std::string stored;
    ASSERT_EQ(ReadWholeFile(cacheFile, 256, stored), ReadResult::kRead);
    ASSERT_NE(stored.find(kDigest), std::string::npos);
    for (const std::string& damaged :
         {std::string(""), stored.substr(0, stored.size() - 1), stored + "x",
          stored.substr(0, stored.size() - 33) + std::string(32, 'Z') + "\n"}) {
        WriteRawFile(cacheFile, damaged);
        EXPECT_EQ(RememberedDigest(m_cache, state), "") << damaged;
    }
}

TEST_F(DigestCacheTest, CheckedDigestRemembersOnlyAMatchAndCatchesAnAlteredFile) {
    // A wrong expectation is computed and never remembered.
    EXPECT_EQ(CheckedDigestOfFile(m_file, std::string(32, '0'), m_cache), kDigest);
    EXPECT_EQ(RememberedDigest(m_cache, State()), "");

    EXPECT_EQ(CheckedDigestOfFile(m_file, kDigest, m_cache), kDigest);
    EXPECT_EQ(RememberedDigest(m_cache, State()), kDigest);
    EXPECT_EQ(CheckedDigestOfFile(m_file, kDigest, m_cache), kDigest);

    // Same size, same modification time set back: the status-change time
    // and the content still tell it apart.
    const FileState remembered = State();
    WriteRawFile(m_file, kOtherContent);
    struct timespec times[2] = {{0, UTIME_OMIT},
                                {remembered.modifiedNs / 1000000000,
                                 remembered.modifiedNs % 1000000000}};
    ASSERT_EQ(utimensat(AT_FDCWD, m_file.c_str(), times, 0), 0);
    const std::string altered = CheckedDigestOfFile(m_file, kDigest, m_cache);
    EXPECT_NE(altered, kDigest);
    EXPECT_EQ(altered, CMd5::DigestOfBytes(reinterpret_cast<const unsigned char*>(
                                               kOtherContent.data()),
                                           kOtherContent.size()));
}

TEST_F(DigestCacheTest, AnUnwritableCacheOnlyCostsTheComputation) {
    WriteRawFile(m_folder.FilePath("cache"), "a file where the folder would be");
    EXPECT_EQ(CheckedDigestOfFile(m_file, kDigest, m_cache), kDigest);
    EXPECT_EQ(RememberedDigest(m_cache, State()), "");
}

TEST_F(DigestCacheTest, AMissingFileRaisesAsTheDigestDoes) {
    EXPECT_THROW(CheckedDigestOfFile(m_folder.FilePath("missing"), kDigest, m_cache),
                 CFileException);
}

struct CacheDirCase {
    const char* xdg;   // nullptr: unset
    const char* home;  // nullptr: unset
    std::string expected;
};

TEST(DigestCacheDir, FollowsXdgCacheHomeThenHome) {
    const char* savedXdg = std::getenv("XDG_CACHE_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string xdg = savedXdg ? savedXdg : "";
    const std::string home = savedHome ? savedHome : "";
    const std::vector<CacheDirCase> cases = {
        {"/x/cache", "/home/u", "/x/cache/nira"},
        {"relative", "/home/u", "/home/u/.cache/nira"},
        {nullptr, "/home/u", "/home/u/.cache/nira"},
        {nullptr, nullptr, ""},
    };
    for (const CacheDirCase& c : cases) {
        if (c.xdg) setenv("XDG_CACHE_HOME", c.xdg, 1); else unsetenv("XDG_CACHE_HOME");
        if (c.home) setenv("HOME", c.home, 1); else unsetenv("HOME");
        EXPECT_EQ(DigestCacheDir(), c.expected);
    }
    if (savedXdg) setenv("XDG_CACHE_HOME", xdg.c_str(), 1); else unsetenv("XDG_CACHE_HOME");
    if (savedHome) setenv("HOME", home.c_str(), 1); else unsetenv("HOME");
}

}  // namespace
}  // namespace nira
