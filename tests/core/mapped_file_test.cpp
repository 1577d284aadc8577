// A data file changed on disk while it is mapped: replaced by a rename, the
// mapping keeps the old file; cut short in place, every read gives a
// bounded (empty) result instead of a crash.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "dict/Browse.h"
#include "dict/Lookup.h"
#include "platform/MappedFile.h"
#include "support/Fixture.h"

namespace nira {
namespace {

using test::FixtureDictionary;
using test::FixtureEntry;

std::string Text(const unsigned char* text) { return reinterpret_cast<const char*>(text); }

// Enough entries for a "persian" file of many pages, its index on the last.
std::vector<FixtureEntry> ManyEntries(const std::string& definition) {
    std::vector<FixtureEntry> entries;
    for (int i = 0; i < 3000; ++i) {
        char headword[16];
        std::snprintf(headword, sizeof headword, "w%04d", i);
        entries.push_back({headword, {"m", definition + " " + headword}});
    }
    return entries;
}

struct Answer {
    LookupOutcome outcome;
    int length;
    std::string headword;
};

Answer LookUp(const std::u16string& query, const Dictionary& dict) {
    LookupState state;
    auto result = std::make_unique<LookupResult>();
    LookUpWord(query.data(), query.size(), state, dict, *result);
    return {result->outcome, result->length, Text(result->entry)};
}

Answer LookUp(const std::string& ascii, const Dictionary& dict) {
    return LookUp(std::u16string(ascii.begin(), ascii.end()), dict);
}

class ChangedOnDisk : public ::testing::Test {
protected:
    ChangedOnDisk() : m_fx(ManyEntries("the first edition"), {{"\xC2\xC8", {"water"}}}) {}
    FixtureDictionary m_fx;
};

TEST_F(ChangedOnDisk, AFileRenamedOverTheMappedOneLeavesTheOldEntries) {
    ASSERT_GT(m_fx.Dict().m_filePersian.Size(), 16 * 4096);
    std::vector<Answer> before;
    const std::vector<std::string> queries = {"w1234", "w0000", "w2999"};
    for (const std::string& query : queries) before.push_back(LookUp(query, m_fx.Dict()));

    // A new edition written beside and renamed in, as a package upgrade does.
    FixtureDictionary next(ManyEntries("the second, longer edition"), {});
    ASSERT_EQ(std::rename(next.PersianPath().c_str(), m_fx.PersianPath().c_str()), 0);

    for (std::size_t i = 0; i < queries.size(); ++i) {
        const Answer after = LookUp(queries[i], m_fx.Dict());
        EXPECT_EQ(after.outcome, LookupOutcome::Entry);
        EXPECT_EQ(after.headword, queries[i]);
        EXPECT_EQ(after.length, before[i].length) << queries[i];
    }
}

TEST_F(ChangedOnDisk, AFileCutShortInPlaceGivesBoundedEntriesNotACrash) {
    // The index lay past the cut: every offset now reads as zero. An entry
    // then ends where it starts, but for the last, which ends at IndexBase:
    // it starts at the file's first byte, where the first headword survives
    // a cut to half and zeros are all that is left of a cut to nothing.
    const DictionaryFile& file = m_fx.Dict().m_filePersian;
    const int32_t count = file.EntryCount();
    const int lastLength = std::min(file.IndexBase(), kMaxEntryBytes);
    struct Cut {
        off_t size;
        std::string headwordAtZero;
    };
    const std::vector<Cut> cuts = {{file.Size() / 2, "w0000"}, {0, ""}};
    for (const Cut& cut : cuts) {
        ASSERT_EQ(truncate(m_fx.PersianPath().c_str(), cut.size), 0);
        unsigned char entry[kEntryBufferSize];
        for (int32_t k : {1, 2, count / 2, count - 1}) {
            EXPECT_EQ(ReadEntry(file, k, entry), 0) << cut.size << " " << k;
        }
        EXPECT_EQ(ReadEntry(file, count, entry), lastLength) << cut.size;
        EXPECT_EQ(Text(entry), cut.headwordAtZero) << cut.size;

        for (const char* query : {"w1234", "w0000", "a", "zzz"}) {
            const Answer answer = LookUp(query, m_fx.Dict());
            EXPECT_EQ(answer.outcome, LookupOutcome::Entry) << cut.size << " " << query;
            EXPECT_TRUE(answer.length == 0 || answer.length == lastLength) << cut.size << " " << query;
        }
        LookupState state;
        state.m_current = 5;
        state.m_first = 1;
        state.m_last = 10;
        std::memcpy(state.m_headword, "w0004", 6);
        unsigned char headword[kHeadwordBufferSize];
        EXPECT_TRUE(StepEntry(1, state, m_fx.Dict(), headword));
        EXPECT_EQ(Text(headword), "");
    }
    // The other file is untouched.
    EXPECT_EQ(LookUp(u"\u0622\u0628", m_fx.Dict()).headword, "\xC2\xC8");
}

TEST(MappedFile, ABusErrorOutsideTheMappingsStillEndsTheProcess) {
    test::TempFolder folder;
    const std::string path = folder.FilePath("plain");
    test::WriteRawFile(path, std::string(3 * 4096, 'x'));
    MappedFile guarded;  // installs the handler
    ASSERT_TRUE(MapFileReadOnly(path, guarded));
    EXPECT_DEATH(
        {
            FILE* file = std::fopen(path.c_str(), "rb");
            void* raw = mmap(nullptr, 3 * 4096, PROT_READ, MAP_PRIVATE, fileno(file), 0);
            if (truncate(path.c_str(), 0) != 0) std::abort();
            std::printf("%d\n", static_cast<const volatile char*>(raw)[2 * 4096]);
            std::exit(0);
        },
        "");
    UnmapFile(guarded);
}

TEST(MappedFile, AnEmptyFileMapsAsNoBytesAndOtherFilesNotAtAll) {
    test::TempFolder folder;
    test::WriteRawFile(folder.FilePath("empty"), "");
    MappedFile mapped;
    ASSERT_TRUE(MapFileReadOnly(folder.FilePath("empty"), mapped));
    EXPECT_EQ(mapped.size, 0);
    EXPECT_EQ(mapped.data, nullptr);
    UnmapFile(mapped);
    EXPECT_FALSE(MapFileReadOnly(folder.Path(), mapped));
    EXPECT_FALSE(MapFileReadOnly(folder.FilePath("missing"), mapped));
    EXPECT_FALSE(MapFileReadOnly("/dev/null", mapped));
}

}  // namespace
}  // namespace nira
