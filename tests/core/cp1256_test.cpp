#include "text/Cp1256.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <memory>
#include <string>
#include <vector>

namespace nira {
namespace {

using Bytes = std::vector<unsigned char>;

// The system's own converter, an independent reference for the table.
char16_t IconvUnit(unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-16LE", "CP1256");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    char in[1] = {static_cast<char>(byte)};
    unsigned char out[4] = {};
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1, outLeft = sizeof out;
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    EXPECT_NE(result, static_cast<std::size_t>(-1)) << int(byte);
    EXPECT_EQ(outLeft, 2u) << int(byte);
    return static_cast<char16_t>(out[0] | out[1] << 8);
}

// Converts exactly text.size() units held in a buffer of exactly that
// size, so that a read past n shows under AddressSanitizer.
Bytes ToCp1256(const std::u16string& text)
{
    const std::size_t n = text.size();
    std::unique_ptr<char16_t[]> src(new char16_t[n]);
    std::copy(text.begin(), text.end(), src.get());
    Bytes out(n + 1, 0xAA);
    const std::size_t written = WideToCp1256(src.get(), n, out.data(), n);
    EXPECT_EQ(out[n], 0xAA) << "wrote past capacity";
    out.resize(written);
    return out;
}

TEST(Cp1256Table, EveryByteMatchesTheSystemConverter)
{
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(Cp1256ToUnit(byte), IconvUnit(byte)) << std::hex << byte;
}

TEST(Cp1256Table, PersianLettersAndJoinersOfTheHighHalf)
{
    const struct {
        unsigned char byte;
        char16_t unit;
    } cases[] = {
        {0x81, u'\u067E'}, {0x8D, u'\u0686'}, {0x8E, u'\u0698'}, {0x90, u'\u06AF'},
        {0x98, u'\u06A9'}, {0x9D, u'\u200C'}, {0x9E, u'\u200D'}, {0xDF, u'\u0643'},
        {0xEC, u'\u0649'}, {0xED, u'\u064A'}, {0x80, u'\u20AC'}, {0xFF, u'\u06D2'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Cp1256ToUnit(c.byte), c.unit) << std::hex << int(c.byte);
}

TEST(Cp1256Table, EveryByteRoundTrips)
{
    Bytes all(256);
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<unsigned char>(i);
    std::u16string wide(256, u'\0');
    ASSERT_EQ(Cp1256ToWide(all.data(), all.size(), &wide[0], wide.size()), 256u);
    for (int i = 0; i < 256; ++i) {
        const Bytes back = ToCp1256(std::u16string(1, wide[i]));
        ASSERT_EQ(back.size(), 1u);
        EXPECT_EQ(back[0], i) << std::hex << i;
    }
    EXPECT_EQ(Utf8ToUtf16(Cp1256ToUtf8(all.data(), all.size())), wide);
}

struct Conversion {
    const char* what;
    std::u16string text;
    Bytes bytes;
};

void PrintTo(const Conversion& c, std::ostream* os)
{
    *os << c.what;
}

class WideToCp1256Cases : public ::testing::TestWithParam<Conversion> {};

TEST_P(WideToCp1256Cases, GiveTheirBytes)
{
    EXPECT_EQ(ToCp1256(GetParam().text), GetParam().bytes) << GetParam().what;
}

// Persian yeh: dotted 0xED when a letter follows (marks on the yeh
// skipped), undotted 0xEC at the end of a word or before ZWNJ.
INSTANTIATE_TEST_SUITE_P(PersianYeh, WideToCp1256Cases, ::testing::Values(
    Conversion{"alone", u"\u06CC", {0xEC}},
    Conversion{"word end", u"\u06A9\u06CC", {0x98, 0xEC}},
    Conversion{"before a letter", u"\u06CC\u06A9", {0xED, 0x98}},
    Conversion{"before a space", u"\u06CC \u06A9", {0xEC, 0x20, 0x98}},
    Conversion{"before ZWNJ", u"\u06CC\u200C\u0647\u0627", {0xEC, 0x9D, 0xE5, 0xC7}},
    Conversion{"before ZWJ", u"\u06CC\u200D", {0xEC, 0x9E}},
    Conversion{"before a digit", u"\u06CC\u06F1", {0xEC, 0x31}},
    Conversion{"before Latin", u"\u06CCa", {0xEC, 0x61}},
    Conversion{"kasra then letter", u"\u06CC\u0650\u06A9", {0xED, 0xF6, 0x98}},
    Conversion{"kasra then end", u"\u06CC\u0650", {0xEC, 0xF6}},
    Conversion{"before tatweel", u"\u06CC\u0640", {0xED, 0xDC}},
    Conversion{"before a presentation form", u"\u06CC\uFEE3", {0xED, 0xE3}},
    Conversion{"two yehs", u"\u06CC\u06CC", {0xED, 0xEC}},
    Conversion{"Arabic yeh and alef maksura keep their bytes", u"\u064A\u0649", {0xED, 0xEC}},
    Conversion{"presentation forms carry their joining", u"\uFBFC\uFBFD\uFBFE\uFBFF",
               {0xEC, 0xEC, 0xED, 0xED}}));

INSTANTIATE_TEST_SUITE_P(Letters, WideToCp1256Cases, ::testing::Values(
    Conversion{"ASCII", u"book", {'b', 'o', 'o', 'k'}},
    Conversion{"kaf and keheh", u"\u0643\u06A9", {0xDF, 0x98}},
    Conversion{"Persian letters", u"\u067E\u0686\u0698\u06AF", {0x81, 0x8D, 0x8E, 0x90}},
    Conversion{"Latin-1 letters of the page", u"\u00E9\u00E0", {0xE9, 0xE0}},
    Conversion{"Persian digits", u"\u06F0\u06F1\u06F2\u06F3\u06F4\u06F5\u06F6\u06F7\u06F8\u06F9",
               {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}},
    Conversion{"Arabic-Indic digits", u"\u0660\u0661\u0662\u0663\u0664\u0665\u0666\u0667\u0668\u0669",
               {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}},
    Conversion{"missing characters", u"\u4E2D\u00E1\u06F0\u066A\u0680",
               {'?', '?', '0', '?', '?'}}));

INSTANTIATE_TEST_SUITE_P(PresentationForms, WideToCp1256Cases, ::testing::Values(
    Conversion{"meem, four forms", u"\uFEE1\uFEE2\uFEE3\uFEE4", {0xE3, 0xE3, 0xE3, 0xE3}},
    Conversion{"hamza and alef", u"\uFE80\uFE8D\uFE8E\uFE81", {0xC1, 0xC7, 0xC7, 0xC2}},
    Conversion{"peh, tcheh, jeh, gaf", u"\uFB56\uFB7D\uFB8A\uFB94", {0x81, 0x8D, 0x8E, 0x90}},
    Conversion{"keheh", u"\uFB8E\uFB91", {0x98, 0x98}},
    Conversion{"Arabic kaf", u"\uFED9\uFEDC", {0xDF, 0xDF}},
    Conversion{"Arabic yeh", u"\uFEF1\uFEF4", {0xED, 0xED}},
    Conversion{"a word", u"\uFE8E\uFEE4\uFEDF\uFEB3", {0xC7, 0xE3, 0xE1, 0xD3}},
    Conversion{"lam-alef is two letters: no byte", u"\uFEFB\uFEF5", {'?', '?'}},
    Conversion{"word ligatures", u"\uFDF2\uFDFC", {'?', '?'}},
    Conversion{"isolated marks", u"\uFE70\uFE7E", {'?', '?'}},
    Conversion{"base letter outside the page", u"\uFB52", {'?'}}));

INSTANTIATE_TEST_SUITE_P(Surrogates, WideToCp1256Cases, ::testing::Values(
    Conversion{"pair is one character", u"a\U0001F600b", {'a', '?', 'b'}},
    Conversion{"two pairs", u"\U0001F600\U00020000", {'?', '?'}},
    Conversion{"lone high at the end", u"a\xD83D", {'a', '?'}},
    Conversion{"lone high before a letter", u"\xD83Dx", {'?', 'x'}},
    Conversion{"lone low", u"\xDE00x", {'?', 'x'}},
    Conversion{"reversed pair", u"\xDE00\xD83D", {'?', '?'}}));

TEST(WideToCp1256Bounds, StopsAtCapacity)
{
    const std::u16string text = u"ab\u06CC\u06A9";
    for (std::size_t capacity = 0; capacity <= text.size(); ++capacity) {
        Bytes out(text.size() + 1, 0xAA);
        EXPECT_EQ(WideToCp1256(text.data(), text.size(), out.data(), capacity), capacity);
        EXPECT_EQ(out[capacity], 0xAA) << capacity;
    }
}

TEST(WideToCp1256Bounds, ReadsOnlyNUnits)
{
    // The yeh looks no further than n: the letter after it is outside.
    const std::u16string text = u"\u06CC\u06A9";
    unsigned char out[2] = {};
    ASSERT_EQ(WideToCp1256(text.data(), 1, out, 2), 1u);
    EXPECT_EQ(out[0], 0xEC);
    // A pair cut by n: the high surrogate alone is one character.
    const std::u16string pair = u"x\U0001F600";
    ASSERT_EQ(WideToCp1256(pair.data(), 2, out, 2), 2u);
    EXPECT_EQ(out[1], '?');
}

TEST(Cp1256ToWideBounds, ConvertsTheSmallerOfLengthAndCapacity)
{
    const unsigned char bytes[] = {'a', 0xC7, 0x9D, 0xFF};
    char16_t out[5] = {u'#', u'#', u'#', u'#', u'#'};
    EXPECT_EQ(Cp1256ToWide(bytes, 4, out, 2), 2u);
    EXPECT_EQ(out[1], u'\u0627');
    EXPECT_EQ(out[2], u'#');
    EXPECT_EQ(Cp1256ToWide(bytes, 3, out, 5), 3u);
    EXPECT_EQ(out[2], u'\u200C');
    EXPECT_EQ(out[3], u'#');
}

TEST(Utf8, InvalidSequencesBecomeReplacementCharacters)
{
    const struct {
        const char* what;
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"valid", "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", u"a\u00E9\u20AC\U0001F600"},
        {"cut at the end", "a\xE2\x82", u"a\uFFFD"},
        {"cut before ASCII", "\xE2\x82z", u"\uFFFDz"},
        {"stray continuation", "\x80\xBF", u"\uFFFD\uFFFD"},
        {"overlong", "\xC0\xAF", u"\uFFFD\uFFFD"},
        {"overlong three bytes", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"invalid lead", "\xFF" "a", u"\uFFFDa"},
        {"NUL kept", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.what;
}

TEST(Utf8, Utf16RoundTripsAndLoneSurrogatesBecomeReplacement)
{
    const std::u16string text = u"book \u06A9\u062A\u0627\u0628 \U0001F600";
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    EXPECT_EQ(Utf16ToUtf8(u"a\xD83D"), "a\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(u"\xDE00z"), "\xEF\xBF\xBDz");
    EXPECT_EQ(Cp1256ToUtf8(std::string("\xDF\xCA\xC7\xC8")), "\u0643\u062A\u0627\u0628");
}

}  // namespace
}  // namespace nira
