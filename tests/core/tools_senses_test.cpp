// Sense numbering and the cuts that keep a meaning inside the program's
// buffers, checked against the window's own line breaking.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "dict/Constants.h"
#include "present/Constants.h"
#include "present/EntryText.h"
#include "tools/Senses.h"

namespace nira::datatool {
namespace {

// The text as the pane shows it, one line per element.
std::vector<std::string> ShownLines(const std::string& text) {
    std::vector<unsigned char> buffer(kEntryBufferSize, 0);
    std::memcpy(buffer.data(), text.data(), std::min(text.size(), buffer.size() - 1));
    BreakSenses(buffer.data());
    const std::string shown(reinterpret_cast<const char*>(buffer.data()));
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = shown.find("\r\n", start)) != std::string::npos; start = at + 2) {
        lines.push_back(shown.substr(start, at - start));
    }
    lines.push_back(shown.substr(start));
    return lines;
}

std::size_t ShownBytes(const std::string& text) {
    std::size_t bytes = 0;
    for (const std::string& line : ShownLines(text)) bytes += line.size() + 2;
    return bytes - 2;
}

std::vector<std::string> Senses(std::size_t count, std::size_t bytesEach) {
    std::vector<std::string> senses;
    for (std::size_t i = 0; i < count; ++i) {
        senses.push_back(std::string(bytesEach - 1, static_cast<char>('a' + i % 26)) + ".");
    }
    return senses;
}

constexpr SenseLimits kPane{kMaxPaneTextBytes, kMaxPaneTextBytes};

TEST(NumberSenses, PutsEachSenseOnALineOfItsOwn) {
    const std::string text = NumberSenses({"(n.) a book", "(v.) reserve 3 seats"}, kPane);
    EXPECT_EQ(text, "1- (n.) a book 2- (v.) reserve 3 seats");
    EXPECT_EQ(ShownLines(text), (std::vector<std::string>{"1- (n.) a book ", "2- (v.) reserve 3 seats"}));
}

TEST(NumberSenses, NeverNumbersPast89) {
    std::size_t kept = 0;
    const std::string text = NumberSenses(Senses(120, 4), kPane, &kept);
    EXPECT_EQ(kept, 89u);
    const std::vector<std::string> lines = ShownLines(text);
    ASSERT_EQ(lines.size(), 89u);
    EXPECT_EQ(lines.back().rfind("89- ", 0), 0u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rfind(std::to_string(i + 1) + "- ", 0), 0u) << lines[i];
    }
}

TEST(NumberSenses, CutsAtASenseBoundaryWhenTheShownTextWouldPass4499Bytes) {
    std::size_t kept = 0;
    const std::vector<std::string> senses = Senses(80, 100);
    const std::string text = NumberSenses(senses, kPane, &kept);
    ASSERT_LT(kept, senses.size());
    EXPECT_LE(ShownBytes(text), static_cast<std::size_t>(kMaxPaneTextBytes));
    EXPECT_EQ(BrokenLength(text.size(), kept), ShownBytes(text));
    // The last sense is whole, and one sense more would not have fitted.
    EXPECT_EQ(text.substr(text.size() - senses[kept - 1].size()), senses[kept - 1]);
    EXPECT_GT(BrokenLength(text.size() + 1 + std::to_string(kept + 1).size() + 2 + senses[kept].size(),
                           kept + 1),
              static_cast<std::size_t>(kMaxPaneTextBytes));
}

TEST(NumberSenses, KeepsTheStoredTextWithinItsOwnLimit) {
    std::size_t kept = 0;
    const std::string text = NumberSenses(Senses(10, 50), {200, kMaxPaneTextBytes}, &kept);
    EXPECT_LE(text.size(), 200u);
    EXPECT_EQ(kept, 3u);  // "1- " + 50, " 2- " + 50, " 3- " + 50 = 161; a fourth passes 200
}

TEST(NumberSenses, CutsAFirstSenseThatAloneIsTooLongAtASpace) {
    std::size_t kept = 0;
    const std::string text = NumberSenses({"aaaa bbbb cccc dddd", "x"}, {12, 12}, &kept);
    EXPECT_EQ(text, "1- aaaa bbbb");
    EXPECT_EQ(kept, 1u);
}

TEST(NumberSenses, GivesNothingForNoSenses) {
    std::size_t kept = 7;
    EXPECT_EQ(NumberSenses({}, kPane, &kept), "");
    EXPECT_EQ(kept, 0u);
}

TEST(JoinSenses, SeparatesSensesAndStopsAtTheLimit) {
    std::size_t kept = 0;
    EXPECT_EQ(JoinSenses({"book: a", "volume: b", "tome: c"}, "; ", 20, &kept), "book: a; volume: b");
    EXPECT_EQ(kept, 2u);
    EXPECT_EQ(JoinSenses({"a very long first sense"}, "; ", 10, &kept), "a very");
    EXPECT_EQ(kept, 1u);
}

}  // namespace
}  // namespace nira::datatool
