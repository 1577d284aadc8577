#include "text/PersianDisplay.h"

#include <gtest/gtest.h>

#include <string>

#include "text/Cp1256.h"

namespace nira {
namespace {

TEST(PersianDisplay, KafAndYehBytesShowAsPersianLetters) {
    EXPECT_EQ(DisplayUnit(0xDF), u'\u06A9');
    EXPECT_EQ(DisplayUnit(0xEC), u'\u06CC');
    EXPECT_EQ(DisplayUnit(0xED), u'\u06CC');
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == 0xDF || byte == 0xEC || byte == 0xED) continue;
        EXPECT_EQ(DisplayUnit(static_cast<unsigned char>(byte)),
                  Cp1256ToUnit(static_cast<unsigned char>(byte)))
            << std::hex << byte;
    }
}

TEST(PersianDisplay, ShownWordsConvertBackToTheirBytesButKaf) {
    // Yeh before a letter is 0xED, at the end 0xEC: both come back. Kaf
    // comes back as keheh (0x98), which the lookup rewrites as kaf.
    const struct {
        std::u16string stored;  // as the code page reads the stored bytes
        std::u16string shown;
        std::u16string back;    // the bytes typed text gives, as code page text
    } cases[] = {
        {u"\u0643\u062A\u0627\u0628", u"\u06A9\u062A\u0627\u0628", u"\u06A9\u062A\u0627\u0628"},
        {u"\u0645\u064A\u0632", u"\u0645\u06CC\u0632", u"\u0645\u064A\u0632"},
        {u"\u0645\u0627\u0647\u0649", u"\u0645\u0627\u0647\u06CC", u"\u0645\u0627\u0647\u0649"},
        {u"book", u"book", u"book"},
    };
    for (const auto& c : cases) {
        const std::string bytes = WideToCp1256(c.stored);
        const auto* raw = reinterpret_cast<const unsigned char*>(bytes.data());
        std::u16string shown(bytes.size(), u'\0');
        ASSERT_EQ(Cp1256ToDisplay(raw, bytes.size(), shown.data(), shown.size()), bytes.size());
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(Cp1256ToDisplayUtf8(raw, bytes.size()), Utf16ToUtf8(c.shown));
        EXPECT_EQ(WideToCp1256(shown), WideToCp1256(c.back));
    }
}

TEST(PersianDisplay, CapacityBoundsTheOutput) {
    const unsigned char bytes[] = {0xDF, 0xED, 0xEC, 'a'};
    char16_t out[3] = {u'x', u'x', u'x'};
    EXPECT_EQ(Cp1256ToDisplay(bytes, 4, out, 2), 2u);
    EXPECT_EQ(out[2], u'x');
}

}  // namespace
}  // namespace nira
