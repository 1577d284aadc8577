// What the clipboard watcher takes from the types a clipboard offers.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QMimeData>
#include <QString>
#include <QUrl>

#include <string>
#include <utility>
#include <vector>

#include "app/ClipboardText.h"

namespace nira {
namespace {

using Offer = std::pair<const char*, QByteArray>;

struct ClipCase {
    const char* name;
    std::vector<Offer> offers;  // in the order the clipboard offers them
    bool taken;
    std::string text;           // the cp1256 bytes taken
};

QByteArray Utf8(const char* text) { return QByteArray(text); }

QByteArray Utf16Le(const QString& text) {
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

const std::string k80Letters(80, 'x');
const std::string k50Letters(50, 'x');

// U+1F600 as UTF-8: one character, two UTF-16 units, one '?' byte.
const char* const kEmoji = "\xF0\x9F\x98\x80";

std::vector<ClipCase> Cases() {
    const QByteArray persianBook = Utf8("\xDA\xA9\xD8\xAA\xD8\xA7\xD8\xA8");  // کتاب
    const std::string cp1256Book = "\x98\xCA\xC7\xC8";
    return {
        {"PlainUtf8", {{"text/plain", "book"}}, true, "book"},
        {"EndsTrimmed", {{"text/plain", " book "}}, true, "book"},
        {"CellWithLineBreak", {{"text/plain", "dog\n"}}, true, "dog"},
        {"CellWithTab", {{"text/plain", "house\t"}}, true, "house"},
        {"FirstLineOnly", {{"text/plain", "\r\n  first line \r\nsecond"}}, true, "first line"},
        {"MarksAndNoBreakSpacesTrimmed",
         {{"text/plain", "\xE2\x80\x8F\xC2\xA0\xD8\xA2\xD8\xA8\xE2\x80\x8C"}}, true, "\xC2\xC8"},
        // 60 spaces and a line break before the word: trimmed before the cut.
        {"LeadingWhiteSpaceBeforeTheCut",
         {{"text/plain", QByteArray(60, ' ') + "\n" + QByteArray(80, 'x')}}, true, k50Letters},
        {"SpacesOnlyGiveNothingToTake", {{"text/plain", "  \t "}}, true, ""},
        {"Cp1256FirstLineTrimmed",
         {{"text/plain;charset=windows-1256", "\t\x9D\xC8\xD1\xDD\xA0\r\n\xC2\xC8"}}, true,
         "\xC8\xD1\xDD"},
        {"Utf8CharsetPersian", {{"text/plain;charset=utf-8", persianBook}}, true, cp1256Book},
        {"Utf8StringAtom", {{"UTF8_STRING", persianBook}}, true, cp1256Book},
        {"StringAtomIsLatin1", {{"STRING", "caf\xE9"}}, true, "caf\xE9"},
        {"TextAtomIsLatin1", {{"TEXT", "na\xEFve"}}, true, "na\xEFve"},
        {"Utf16Charset", {{"text/plain;charset=utf-16le", Utf16Le(QStringLiteral("water"))}}, true, "water"},
        {"BookkeepingLeftOut",
         {{"TARGETS", "x"}, {"TIMESTAMP", "x"}, {"MULTIPLE", "x"}, {"SAVE_TARGETS", "x"},
          {"COMPOUND_TEXT", "x"}, {"text/plain", "water"}},
         true, "water"},
        {"Cp1256BytesAsTheyAre", {{"text/plain;charset=windows-1256", "\xC8\xC7\xC8\x98"}},
         true, "\xC8\xC7\xC8\x98"},
        {"Cp1256QuotedUpperCase", {{"text/plain; charset=\"CP1256\"", "\xC2\xC8"}}, true,
         "\xC2\xC8"},
        {"Cp1256EndsAtZeroByte",
         {{"text/plain;charset=windows-1256", QByteArray("ab\0cd", 5)}}, true, "ab"},
        {"Cp1256CutAt50", {{"text/plain;charset=x-cp1256", QByteArray(k80Letters.c_str())}},
         true, k50Letters},
        {"UnicodeCutAt50", {{"text/plain", QByteArray(k80Letters.c_str())}}, true, k50Letters},
        {"UnicodeEndsAtZeroUnit", {{"text/plain", QByteArray("wa\0ter", 6)}}, true, "wa"},
        {"SurrogatePairIsOneByte", {{"text/plain", QByteArray("ab") + kEmoji + "cd"}}, true,
         "ab?cd"},
        // 48 letters and a pair fill the 50 units, but give only 49 bytes.
        {"PairAtTheCutEndsAfterWrittenBytes",
         {{"text/plain", QByteArray(48, 'y') + kEmoji + "zz"}}, true,
         std::string(48, 'y') + "?"},
        {"InvalidUtf8IsDefaultChar", {{"text/plain", "a\xFF" "b"}}, true, "a?b"},
        {"HtmlFirstReadsPlainBeside",
         {{"text/html", "<b>html</b>"}, {"text/plain", "plain"}}, true, "plain"},
        {"QtRichTextFirst",
         {{"application/x-qt-richtext", "<p>rich</p>"}, {"UTF8_STRING", "atom"}}, true, "atom"},
        {"RtfFirstFindsPlainAnywhere",
         {{"text/rtf", "{\\rtf1}"}, {"image/png", "png"}, {"text/plain;charset=utf-8", "sea"}},
         true, "sea"},
        {"HtmlAlone", {{"text/html", "<b>html</b>"}}, false, ""},
        {"HtmlWithEmptyPlain", {{"text/html", "<b>x</b>"}, {"text/plain", ""}}, false, ""},
        {"ImageFirst", {{"image/png", "\x89PNG"}, {"text/plain", "book"}}, false, ""},
        {"FileListFirst", {{"text/uri-list", "file:///tmp/a\r\n"}, {"text/plain", "/tmp/a"}},
         false, ""},
        {"OtherApplicationFirst", {{"application/x-foo", "x"}, {"text/plain", "book"}}, false,
         ""},
        {"UnknownCharsetFirst", {{"text/plain;charset=koi8-r", "book"}}, false, ""},
        {"EmptyPlainText", {{"text/plain", ""}}, false, ""},
        {"OnlyBookkeeping", {{"TARGETS", "x"}, {"TIMESTAMP", "x"}}, false, ""},
        {"NoTypes", {}, false, ""},
    };
}

class ReadClipboardTextTest : public testing::TestWithParam<ClipCase> {};

TEST_P(ReadClipboardTextTest, TakesWhatTheFirstTypeDecides) {
    const ClipCase& c = GetParam();
    QMimeData data;
    for (const Offer& offer : c.offers) data.setData(QString::fromLatin1(offer.first), offer.second);

    unsigned char out[kClipBufferSize];
    std::fill(std::begin(out), std::end(out), 0xAA);
    std::size_t length = 99;
    EXPECT_EQ(ReadClipboardText(&data, out, length), c.taken);
    EXPECT_EQ(length, c.text.size());
    ASSERT_LE(length, static_cast<std::size_t>(kClipTextMax));
    EXPECT_EQ(out[length], 0) << "text not ended after its bytes";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(out), length), c.text);
}

INSTANTIATE_TEST_SUITE_P(Offers, ReadClipboardTextTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<ClipCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ReadClipboardText, NullDataIsNothing) {
    unsigned char out[kClipBufferSize] = {'x'};
    std::size_t length = 7;
    EXPECT_FALSE(ReadClipboardText(nullptr, out, length));
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(out[0], 0);
}

// setUrls also fills text/plain, which QMimeData::text() would return: the
// file list offered first must still give nothing.
TEST(ReadClipboardText, FileListWithTextGivesNothing) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/book"))});
    data.setText(QStringLiteral("book"));
    ASSERT_FALSE(data.text().isEmpty());
    unsigned char out[kClipBufferSize];
    std::size_t length = 0;
    EXPECT_FALSE(ReadClipboardText(&data, out, length));
}

TEST(ReadClipboardText, TextSetByQtIsRead) {
    QMimeData data;
    data.setText(QString::fromUtf8("\xD8\xA2\xD8\xA8"));  // آب
    unsigned char out[kClipBufferSize];
    std::size_t length = 0;
    ASSERT_TRUE(ReadClipboardText(&data, out, length));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(out), length), "\xC2\xC8");
}

// A megabyte gives the same first 50 characters as a short text would.
TEST(ReadClipboardText, MegabyteGivesItsFirst50Characters) {
    QByteArray persian;
    while (persian.size() < (1 << 20)) persian += "\xD8\xA2\xD8\xA8 ";  // "آب "
    QMimeData data;
    data.setData(QStringLiteral("text/plain;charset=utf-8"), persian);
    unsigned char out[kClipBufferSize];
    std::size_t length = 0;
    ASSERT_TRUE(ReadClipboardText(&data, out, length));
    ASSERT_EQ(length, static_cast<std::size_t>(kClipTextMax));
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char expected[] = {0xC2, 0xC8, ' '};
        EXPECT_EQ(out[i], expected[i % 3]) << "at byte " << i;
    }
    EXPECT_EQ(out[length], 0);
}

struct FormatCase {
    const char* type;
    ClipFormat format;
};

class ClassifyClipFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(ClassifyClipFormatTest, MapsTheType) {
    EXPECT_EQ(ClassifyClipFormat(QString::fromLatin1(GetParam().type)), GetParam().format)
        << GetParam().type;
}

INSTANTIATE_TEST_SUITE_P(
    Types, ClassifyClipFormatTest,
    testing::Values(FormatCase{"text/plain", ClipFormat::UnicodeText},
                    FormatCase{"Text/Plain; Charset=UTF-8", ClipFormat::UnicodeText},
                    FormatCase{"text/plain;charset=iso-8859-1", ClipFormat::UnicodeText},
                    FormatCase{"UTF8_STRING", ClipFormat::UnicodeText},
                    FormatCase{"utf8_string", ClipFormat::None},
                    FormatCase{"text/plain;charset=windows-1256", ClipFormat::Cp1256Text},
                    FormatCase{"text/plain;charset=Windows_1256", ClipFormat::Cp1256Text},
                    FormatCase{"text/plain;charset=win-1256", ClipFormat::Cp1256Text},
                    FormatCase{"text/plain;charset=locale", ClipFormat::None},
                    FormatCase{"text/html;charset=utf-8", ClipFormat::RichText},
                    FormatCase{"TEXT/RTF", ClipFormat::RichText},
                    FormatCase{"text/plain-ish", ClipFormat::None},
                    FormatCase{"text/uri-list", ClipFormat::None},
                    FormatCase{"image/png", ClipFormat::None}));

}  // namespace
}  // namespace nira
