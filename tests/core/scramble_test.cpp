#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "present/Scramble.h"
#include "present/WelcomeText.h"
#include "support/Fixture.h"

namespace nira {
namespace {

std::string Text(const unsigned char* text) { return reinterpret_cast<const char*>(text); }

class ScrambleKeyTest : public ::testing::TestWithParam<int> {};

TEST_P(ScrambleKeyTest, EveryStorableByteComesBack) {
    const unsigned char key = static_cast<unsigned char>(GetParam());
    for (int p = 0; p < 256; ++p) {
        const unsigned char plain = static_cast<unsigned char>(p);
        const unsigned char stored = ScrambleByte(plain, key);
        EXPECT_EQ(UnscrambleByte(stored, key), plain) << p;
        // Only key - 1 scrambles to NUL, so only it cannot be stored.
        EXPECT_EQ(stored == 0, plain == static_cast<unsigned char>(key - 1)) << p;
    }
    EXPECT_EQ(UnscrambleByte(static_cast<unsigned char>(key ^ 1), key), 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, ScrambleKeyTest, ::testing::Values(0x00, 0x01, 0x5A, 0xB6, 0xFF));

TEST(Unscramble, GivesTheTextBackWithItsLength) {
    const std::string plain = "\xDF\xCA\xC7\xC8 1- book";
    std::string stored = test::ScrambleText(plain, 0x5A);
    unsigned char text[64] = {};
    std::memcpy(text, stored.data(), stored.size());
    EXPECT_EQ(Unscramble(text, 0x5A), plain.size());
    EXPECT_EQ(Text(text), plain);
}

TEST(Unscramble, EmptyTextStaysEmpty) {
    unsigned char text[4] = {0, 'x', 'y', 0};
    EXPECT_EQ(Unscramble(text, 0x5A), 0u);
    EXPECT_EQ(text[1], 'x');
}

TEST(Unscramble, TakesTheLengthBeforeChangingAnything) {
    const unsigned char key = 0x5A;
    // The first stored byte unscrambles to NUL; the second is still changed.
    unsigned char text[3] = {static_cast<unsigned char>(key ^ 1), ScrambleByte('q', key), 0};
    EXPECT_EQ(Unscramble(text, key), 2u);
    EXPECT_EQ(text[0], 0);
    EXPECT_EQ(text[1], 'q');
}

TEST(JoinWelcomeText, JoinsThePiecesInOrderAndUnscramblesThem) {
    const unsigned char key = 0x5A;
    const std::string a = test::ScrambleText("Hello ", key);
    const std::string b = test::ScrambleText("and ", key);
    const std::string c = test::ScrambleText("welcome", key);
    const char* pieces[] = {a.c_str(), b.c_str(), nullptr, c.c_str()};
    unsigned char out[kWelcomeBufferSize];
    EXPECT_EQ(JoinWelcomeText(pieces, 4, key, out), 17u);
    EXPECT_EQ(Text(out), "Hello and welcome");
}

TEST(JoinWelcomeText, CutsAnOverlongTextToTheBuffer) {
    const unsigned char key = 0x5A;
    const std::string piece = test::ScrambleText(std::string(1000, 'w'), key);
    const char* pieces[] = {piece.c_str(), piece.c_str()};
    unsigned char out[kWelcomeBufferSize];
    EXPECT_EQ(JoinWelcomeText(pieces, 2, key, out), std::size_t(kWelcomeBufferSize - 1));
    EXPECT_EQ(Text(out), std::string(kWelcomeBufferSize - 1, 'w'));
}

TEST(UnscrambleAboutText, IsAPlainXorAndLeavesTheStoredTextAlone) {
    const unsigned char key = 0x5A;
    const std::string plain = "Nira 1.0";
    unsigned char stored[16] = {};
    for (std::size_t i = 0; i < plain.size(); ++i) {
        stored[i] = static_cast<unsigned char>(plain[i] ^ key);
    }
    const std::string before(reinterpret_cast<char*>(stored));
    unsigned char out[32];
    EXPECT_EQ(UnscrambleAboutText(stored, key, out, sizeof out), plain.size());
    EXPECT_EQ(Text(out), plain);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(stored)), before);

    unsigned char small[5];
    EXPECT_EQ(UnscrambleAboutText(stored, key, small, sizeof small), 4u);
    EXPECT_EQ(Text(small), "Nira");
    EXPECT_EQ(UnscrambleAboutText(stored, key, small, 0), 0u);
}

}  // namespace
}  // namespace nira
