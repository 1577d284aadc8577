#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <cstdio>
#include <string>

#include "dict/DictionaryFile.h"
#include "support/Fixture.h"

namespace nira {
namespace {

using test::TempFolder;
using test::WriteRawFile;

// The two-entry file of the format's description: cat and dog, each with
// an empty Persian meaning and the definition "a pet", IndexBase 21.
const std::string kCatDogFile(
    "cat\0\0a pet"
    "dog\0\0a pet\0"
    "\x00\x00\x00\x00"
    "\x0A\x00\x00\x00",
    29);

std::string Int32(uint32_t v) {
    std::string s;
    for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    return s;
}

std::string Bytes(const unsigned char* data, int length) {
    return std::string(reinterpret_cast<const char*>(data), length);
}

class RawFile {
public:
    RawFile(const std::string& bytes, int32_t indexBase) {
        WriteRawFile(m_folder.FilePath("data"), bytes);
        EXPECT_TRUE(m_file.Open(m_folder.FilePath("data"), indexBase));
    }
    DictionaryFile& File() { return m_file; }

private:
    TempFolder m_folder;
    DictionaryFile m_file;
};

TEST(ReadEntry, ReadsTheExampleFileEntryByEntry) {
    RawFile raw(kCatDogFile, 21);
    EXPECT_EQ(raw.File().Size(), 29);
    EXPECT_EQ(raw.File().EntryCount(), 2);

    unsigned char dest[kEntryBufferSize];
    ASSERT_EQ(ReadEntry(raw.File(), 1, dest), 10);
    EXPECT_EQ(Bytes(dest, 11), std::string("cat\0\0a pet\0", 11));
    // The last entry has no offset after it and ends at IndexBase.
    ASSERT_EQ(ReadEntry(raw.File(), 2, dest), 11);
    EXPECT_EQ(Bytes(dest, 12), std::string("dog\0\0a pet\0\0", 12));
}

TEST(ReadEntryOffset, ReadsOnlyOffsetsInsideTheIndex) {
    RawFile raw(kCatDogFile, 21);
    int32_t offset = -1;
    EXPECT_TRUE(ReadEntryOffset(raw.File(), 2, offset));
    EXPECT_EQ(offset, 10);
    for (int32_t k : {0, -1, 3, INT32_MAX, INT32_MIN}) {
        EXPECT_FALSE(ReadEntryOffset(raw.File(), k, offset)) << k;
    }
}

struct CorruptCase {
    const char* name;
    std::string bytes;
    int32_t indexBase;
    int32_t k;
    std::string expected;  // the entry's bytes, without the appended NUL
};

class CorruptFileTest : public ::testing::TestWithParam<CorruptCase> {};

TEST_P(CorruptFileTest, GivesABoundedCutEntry) {
    const CorruptCase& c = GetParam();
    RawFile raw(c.bytes, c.indexBase);
    unsigned char dest[kEntryBufferSize];
    const int length = ReadEntry(raw.File(), c.k, dest);
    ASSERT_EQ(length, static_cast<int>(c.expected.size()));
    EXPECT_EQ(Bytes(dest, length), c.expected);
    EXPECT_EQ(dest[length], 0);
}

const std::string kEntries("cat\0\0a pet" "dog\0\0a pet\0", 21);
const std::string kHuge = "big" + std::string(1, '\0') + std::string(10000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, CorruptFileTest,
    ::testing::Values(
        CorruptCase{"offset_past_the_end", kEntries + Int32(1000) + Int32(10), 21, 1, ""},
        CorruptCase{"negative_offset", kEntries + Int32(0xFFFFFFFF) + Int32(10), 21, 1, ""},
        CorruptCase{"decreasing_offsets", kEntries + Int32(10) + Int32(0), 21, 1, ""},
        CorruptCase{"end_past_the_entry_area", kEntries + Int32(10) + Int32(5000), 21, 1,
                    kEntries.substr(10)},
        CorruptCase{"start_in_the_index", kEntries + Int32(0) + Int32(25), 21, 2, ""},
        CorruptCase{"huge_entry_cut_to_the_limit", kHuge + Int32(0),
                    static_cast<int32_t>(kHuge.size()), 1, kHuge.substr(0, kMaxEntryBytes)},
        CorruptCase{"file_shorter_than_index_base", kCatDogFile, 100, 1, ""},
        CorruptCase{"negative_index_base", kCatDogFile, -4, 1, ""},
        CorruptCase{"entry_number_zero", kCatDogFile, 21, 0, ""},
        CorruptCase{"entry_number_past_the_index", kCatDogFile, 21, 3, ""},
        CorruptCase{"entry_number_negative", kCatDogFile, 21, INT32_MIN, ""},
        CorruptCase{"entry_number_largest", kCatDogFile, 21, INT32_MAX, ""},
        CorruptCase{"partial_offset_after_the_last", kCatDogFile + "\x01\x02", 21, 2,
                    kEntries.substr(10)}),
    [](const ::testing::TestParamInfo<CorruptCase>& info) { return info.param.name; });

TEST(ReadEntry, FileNotOpenReadsNothing) {
    DictionaryFile file;
    unsigned char dest[kEntryBufferSize];
    dest[0] = 'x';
    EXPECT_EQ(ReadEntry(file, 1, dest), 0);
    EXPECT_EQ(dest[0], 0);
    EXPECT_EQ(file.EntryCount(), 0);
}

TEST(DictionaryFileOpen, FailsForAMissingFileOrAFolder) {
    TempFolder folder;
    DictionaryFile file;
    EXPECT_FALSE(file.Open(folder.FilePath("missing"), 0));
    EXPECT_FALSE(file.Open(folder.Path(), 0));
    EXPECT_FALSE(file.IsOpen());
}

TEST(DictionaryFileOpen, OpensAFileWithoutWritePermission) {
    TempFolder folder;
    const std::string path = folder.FilePath("persian");
    WriteRawFile(path, kCatDogFile);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    DictionaryFile file;
    ASSERT_TRUE(file.Open(path, 21));
    unsigned char dest[kEntryBufferSize];
    EXPECT_EQ(ReadEntry(file, 2, dest), 11);
}

struct HeadwordCase {
    const char* name;
    std::string bytes;
    int expectedStored;
    std::string expected;  // the text before its NUL
};

class ReadHeadwordTest : public ::testing::TestWithParam<HeadwordCase> {};

TEST_P(ReadHeadwordTest, StopsAtTheNulTheEndOrTheLimit) {
    const HeadwordCase& c = GetParam();
    TempFolder folder;
    WriteRawFile(folder.FilePath("h"), c.bytes);
    std::FILE* stream = std::fopen(folder.FilePath("h").c_str(), "rb");
    ASSERT_NE(stream, nullptr);
    unsigned char dest[kHeadwordBufferSize];
    EXPECT_EQ(ReadHeadword(dest, stream), c.expectedStored);
    std::fclose(stream);
    EXPECT_EQ(Bytes(dest, c.expectedStored), c.expected + std::string(1, '\0'));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadHeadwordTest,
    ::testing::Values(
        HeadwordCase{"ended_by_nul", std::string("cat\0rest", 8), 4, "cat"},
        HeadwordCase{"longest", std::string(51, 'w') + std::string(1, '\0'), 52,
                     std::string(51, 'w')},
        HeadwordCase{"no_nul_in_52_bytes", std::string(80, 'w'), 52, std::string(51, 'w')},
        HeadwordCase{"cut_by_the_end_of_the_file", "ab", 3, "ab"},
        HeadwordCase{"at_the_end_of_the_file", "", 1, ""}),
    [](const ::testing::TestParamInfo<HeadwordCase>& info) { return info.param.name; });

TEST(ReadHeadword, WithoutAStreamStoresAnEmptyText) {
    unsigned char dest[kHeadwordBufferSize];
    dest[0] = 'x';
    EXPECT_EQ(ReadHeadword(dest, nullptr), 1);
    EXPECT_EQ(dest[0], 0);
}

}  // namespace
}  // namespace nira
