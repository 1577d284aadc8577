#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dict/Collation.h"

namespace nira {
namespace {

const unsigned char* U(const char* text) {
    return reinterpret_cast<const unsigned char*>(text);
}

// The 41 letters in Persian alphabetical order; they take ranks 0x21 on.
const unsigned char kLettersInOrder[] = {
    0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0x81, 0xC9, 0xCA,
    0xCB, 0xCC, 0x8D, 0xCD, 0xCE, 0xCF, 0xD0, 0xD1, 0xD2, 0x8E, 0xD3,
    0xD4, 0xD5, 0xD6, 0xD8, 0xD9, 0xDA, 0xDB, 0xDD, 0xDE, 0x98, 0xDF,
    0x90, 0xE1, 0xE3, 0xE4, 0xE5, 0xE6, 0xEC, 0xED,
};

TEST(PersianCollation, LettersTakeConsecutiveRanksOthersKeepTheirValue) {
    std::vector<bool> isLetter(128, false);
    int rank = 0x21;
    for (unsigned char letter : kLettersInOrder) {
        EXPECT_EQ(kPersianCollation[letter - 0x80], rank) << std::hex << int(letter);
        isLetter[letter - 0x80] = true;
        ++rank;
    }
    EXPECT_EQ(rank, 0x4A);
    for (int i = 0; i < 128; ++i) {
        if (!isLetter[i]) {
            EXPECT_EQ(kPersianCollation[i], 0x80 + i) << std::hex << i;
        }
    }
}

struct CompareCase {
    const char* name;
    const char* query;
    const char* headword;
    int expected;
};

class CompareHeadwordTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareHeadwordTest, GivesTheOrderAndItsMirror) {
    const CompareCase& c = GetParam();
    EXPECT_EQ(CompareHeadword(U(c.query), U(c.headword)), c.expected);
    EXPECT_EQ(CompareHeadword(U(c.headword), U(c.query)), -c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompareHeadwordTest,
    ::testing::Values(
        CompareCase{"equal", "book", "book", 0},
        CompareCase{"prefix_is_no_match", "boo", "book", -1},
        CompareCase{"longer_query", "books", "book", 1},
        CompareCase{"empty_query", "", "book", -1},
        CompareCase{"both_empty", "", "", 0},
        CompareCase{"plain_bytes", "a", "b", -1},
        CompareCase{"z_before_brace", "z", "{", -1},
        CompareCase{"pe_before_te_by_rank", "\x81", "\xCA", -1},
        CompareCase{"be_before_pe_by_rank", "\xC8", "\x81", -1},
        CompareCase{"alef_after_ascii_by_raw_value", "\xC7", "a", 1},
        CompareCase{"keheh_before_kaf", "\x98", "\xDF", -1},
        CompareCase{"yeh_after_alef_maksura", "\xED", "\xEC", 1},
        CompareCase{"non_letter_after_letters", "\xD7", "\xED", 1},
        CompareCase{"decided_at_later_position", "\xC8\x81", "\xC8\xCA", -1},
        CompareCase{"high_byte_after_any_low_byte", "\x80", "\x7F", 1}),
    [](const ::testing::TestParamInfo<CompareCase>& info) { return info.param.name; });

TEST(CompareHeadword, IsAntisymmetricOverAllSingleBytes) {
    for (int a = 1; a < 256; ++a) {
        for (int b = 1; b < 256; ++b) {
            const unsigned char qa[2] = {static_cast<unsigned char>(a), 0};
            const unsigned char qb[2] = {static_cast<unsigned char>(b), 0};
            const int ab = CompareHeadword(qa, qb);
            ASSERT_EQ(ab, -CompareHeadword(qb, qa)) << a << " " << b;
            ASSERT_EQ(ab == 0, a == b) << a << " " << b;
        }
    }
}

TEST(CompareHeadword, LeavesBothTextsUnchanged) {
    unsigned char query[] = "\x98\xC8z";
    unsigned char headword[] = "\xDF\xC8z";
    CompareHeadword(query, headword);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(query)), "\x98\xC8z");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(headword)), "\xDF\xC8z");
}

}  // namespace
}  // namespace nira
