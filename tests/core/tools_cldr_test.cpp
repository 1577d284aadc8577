// CLDR names: the small JSON reader and the pairs taken from a folder laid
// out as the npm packages unpack.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "tools/Cldr.h"

namespace nira::datatool {
namespace {

TEST(CldrJson, StringsAtAPathWithEscapes) {
    const std::string json =
        R"({"main": {"fa": {"names": {"fr": "فرانسوی", "x": "a\"b\\c\/d\u00e9\ud83d\ude00", )"
        R"("n": 12, "t": true, "o": {"displayName": "ثانیه"}, "list": [1, "s", {}]}}}})";
    const auto strings = JsonStrings(json, "main/fa/names");
    EXPECT_EQ(strings.at("fr"), "فرانسوی");
    EXPECT_EQ(strings.at("x"), "a\"b\\c/d\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(strings.count("n"), 0u);
    EXPECT_EQ(strings.count("o"), 0u);
    EXPECT_EQ(JsonStrings(json, "main/fa/names", "displayName").at("o"), "ثانیه");
}

TEST(CldrJson, MalformedTextOrAMissingPathIsAnError) {
    for (const char* bad : {"", "{", R"({"a": "b")", R"({"a" "b"})", R"({"a": "b"} x)",
                            R"({"a": "\u12"})", R"({"a": [1, 2)", R"("unterminated)"}) {
        EXPECT_THROW(JsonStrings(bad, "a"), std::runtime_error) << bad;
    }
    EXPECT_THROW(JsonStrings(R"({"a": {}})", "a/b"), std::runtime_error);
    EXPECT_THROW(JsonStrings(std::string(200, '[') + std::string(200, ']'), "a"), std::runtime_error);
}

class CldrFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/nira-cldr-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_root = pattern;
        Write("en", "languages.json", R"("localeDisplayNames": {"languages": {"fr": "French", "fr-alt-x": "Frenchy", "xx": "Only English"}})");
        Write("fa", "languages.json", R"("localeDisplayNames": {"languages": {"fr": "فرانسوی", "fr-alt-x": "فرانسه"}})");
        Write("en", "territories.json", R"("localeDisplayNames": {"territories": {"IR": "Iran"}})");
        Write("fa", "territories.json", R"("localeDisplayNames": {"territories": {"IR": "ایران"}})");
        Write("en", "scripts.json", R"("localeDisplayNames": {"scripts": {}})");
        Write("fa", "scripts.json", R"("localeDisplayNames": {"scripts": {}})");
        const std::string en = R"("dates": {"calendars": {"gregorian": {"months": {"format": {"wide": {"5": "May"}}},
            "days": {"format": {"wide": {"sun": "Sunday"}}}}}})";
        const std::string fa = R"("dates": {"calendars": {"gregorian": {
            "months": {"format": {"wide": {"5": "مهٔ"}}, "stand-alone": {"wide": {"5": "مه"}}},
            "days": {"stand-alone": {"wide": {"sun": "یکشنبه"}}}}}})";
        Write("en", "ca-gregorian.json", en);
        Write("fa", "ca-gregorian.json", fa);
        Write("en", "units.json", R"("units": {"long": {"length-kilometer": {"displayName": "kilometers",
            "unitPattern-count-one": "{0} kilometer"}, "10p-1": {"unitPrefixPattern": "deci{0}"}}})");
        Write("fa", "units.json", R"("units": {"long": {"length-kilometer": {"displayName": "کیلومتر"}}})");
    }
    void TearDown() override { std::filesystem::remove_all(m_root); }

    void Write(const std::string& locale, const std::string& name, const std::string& body) {
        std::filesystem::create_directories(m_root + "/main/" + locale);
        std::ofstream(m_root + "/main/" + locale + "/" + name) << "{\"main\": {\"" << locale << "\": {" << body << "}}}";
    }

    std::string m_root;
};

TEST_F(CldrFolder, PairsEnglishAndPersianNamesOfEachKind) {
    const std::vector<NamePair> pairs = ReadCldrNames(m_root);
    const std::vector<std::tuple<NameKind, std::string, std::string>> expected = {
        {NameKind::kLanguage, "French", "فرانسوی"},
        {NameKind::kTerritory, "Iran", "ایران"},
        {NameKind::kMonth, "May", "مه"},
        {NameKind::kWeekday, "Sunday", "یکشنبه"},
        {NameKind::kUnit, "kilometer", "کیلومتر"},
    };
    ASSERT_EQ(pairs.size(), expected.size());
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        EXPECT_EQ(pairs[i].kind, std::get<0>(expected[i])) << i;
        EXPECT_EQ(pairs[i].english, std::get<1>(expected[i])) << i;
        EXPECT_EQ(pairs[i].persian, std::get<2>(expected[i])) << i;
    }
}

TEST_F(CldrFolder, AMissingOrBrokenFileIsNamed) {
    std::filesystem::remove(m_root + "/main/fa/units.json");
    try {
        ReadCldrNames(m_root);
        FAIL() << "read without fa/units.json";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("main/fa/units.json"), std::string::npos) << e.what();
    }
    std::ofstream(m_root + "/main/fa/units.json") << "{\"main\": ";
    try {
        ReadCldrNames(m_root);
        FAIL() << "read a broken fa/units.json";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("main/fa/units.json"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace nira::datatool
