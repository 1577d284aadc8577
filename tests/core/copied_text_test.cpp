#include "text/CopiedText.h"

#include <gtest/gtest.h>

#include <string>

#include "text/Cp1256.h"

namespace nira {
namespace {

TEST(CopiedWord, FirstLineWithoutWhiteSpaceOrFormatCharactersAtItsEnds) {
    const struct {
        std::u16string copied;
        std::u16string word;
    } cases[] = {
        {u"dog\n", u"dog"},                        // a spreadsheet cell
        {u"house\t", u"house"},                    // a tab after a cell
        {u"  book  ", u"book"},
        {u"\r\n\tcat\r\n", u"cat"},
        {u"\u00A0water\u00A0", u"water"},          // no-break spaces from a web page
        {u"\u200Fکتاب\u200E", u"کتاب"},            // direction marks
        {u"\u200Cمی\u200Cروم\u200C", u"می\u200Cروم"},  // ZWNJ inside stays
        {u"\uFEFFapple", u"apple"},
        {u"\u2067دوست\u2069", u"دوست"},            // an isolate around the word
        {u"first line\nsecond line", u"first line"},
        {u"\n\n  word one \r\nword two", u"word one"},
        {u"a\u2028b", u"a"},
        {u"\u3000\u2003x\u205F", u"x"},
        {u"dog bent", u"dog bent"},                // a space inside stays
        {u"", u""},
        {u" \t\r\n\u00A0", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(std::u16string(CopiedWord(c.copied)), c.word) << Utf16ToUtf8(c.copied);
    }
}

TEST(CopiedWord, LettersMarksAndPunctuationAreNotTrimmed) {
    for (char16_t unit : {u'a', u'-', u'.', u'\'', u'\u0628', u'\u064B', u'\u06CC', u'\u00AB'}) {
        EXPECT_FALSE(IsTrimmedAtEnds(unit)) << int(unit);
    }
}

TEST(CopiedWord, CodePageBytesAreClassifiedByTheirCharacters) {
    const struct {
        std::u16string copied;
        std::u16string word;
    } cases[] = {
        {u"\tبرف\r\n", u"برف"},
        {u"\u200Cباران\u200C\u00A0", u"باران"},  // ZWNJ 0x9D, no-break space 0xA0
        {u"\u200Fاسب\u200Fدوم\nسوم", u"اسب\u200Fدوم"},  // RLM 0xFE
        {u"book", u"book"},
    };
    for (const auto& c : cases) {
        const std::string bytes = WideToCp1256(c.copied);
        EXPECT_EQ(std::string(CopiedWordCp1256(bytes)), WideToCp1256(c.word))
            << Utf16ToUtf8(c.copied);
    }
}

}  // namespace
}  // namespace nira
