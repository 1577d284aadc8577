#include "tools/Cldr.h"

#include <stdexcept>
#include <utility>

#include "text/Cp1256.h"
#include "tools/SourceFile.h"

namespace nira::datatool {
namespace {

// Just enough JSON for the CLDR files: a tree of objects, arrays and
// strings; numbers and literals are kept as their text.
struct JsonValue {
    enum Type { kString, kObject, kArray, kOther } type = kOther;
    std::string text;
    std::vector<std::pair<std::string, JsonValue>> members;
    std::vector<JsonValue> items;

    const JsonValue* Member(const std::string& key) const {
        for (const auto& [name, value] : members) {
            if (name == key) return &value;
        }
        return nullptr;
    }
};

class CJsonReader {
public:
    explicit CJsonReader(const std::string& text) : m_text(text) {}

    JsonValue ReadDocument() {
        JsonValue value = ReadValue(0);
        SkipSpace();
        if (m_at != m_text.size()) Fail("text after the value");
        return value;
    }

private:
    static constexpr int kMaxDepth = 64;

    [[noreturn]] void Fail(const char* why) const {
        throw std::runtime_error(std::string("malformed JSON at byte ") + std::to_string(m_at) + ": " + why);
    }

    void SkipSpace() {
        while (m_at < m_text.size() && std::string(" \t\r\n").find(m_text[m_at]) != std::string::npos) ++m_at;
    }

    char Peek() {
        SkipSpace();
        if (m_at >= m_text.size()) Fail("unexpected end");
        return m_text[m_at];
    }

    void Expect(char c) {
        if (Peek() != c) Fail("unexpected character");
        ++m_at;
    }

    JsonValue ReadValue(int depth) {
        if (depth > kMaxDepth) Fail("nested too deeply");
        JsonValue value;
        const char c = Peek();
        if (c == '{') {
            value.type = JsonValue::kObject;
            ++m_at;
            if (Peek() == '}') return ++m_at, value;
            for (;;) {
                std::string key = ReadString();
                Expect(':');
                value.members.emplace_back(std::move(key), ReadValue(depth + 1));
                if (Peek() == '}') return ++m_at, value;
                Expect(',');
            }
        }
        if (c == '[') {
            value.type = JsonValue::kArray;
            ++m_at;
            if (Peek() == ']') return ++m_at, value;
            for (;;) {
                value.items.push_back(ReadValue(depth + 1));
                if (Peek() == ']') return ++m_at, value;
                Expect(',');
            }
        }
        if (c == '"') {
            value.type = JsonValue::kString;
            value.text = ReadString();
            return value;
        }
        const std::size_t start = m_at;
        while (m_at < m_text.size() && std::string(",}] \t\r\n").find(m_text[m_at]) == std::string::npos) ++m_at;
        if (m_at == start) Fail("a value expected");
        value.text = m_text.substr(start, m_at - start);
        return value;
    }

    unsigned ReadHex4() {
        if (m_at + 4 > m_text.size()) Fail("short \\u escape");
        unsigned unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char h = m_text[m_at++];
            unit <<= 4;
            if (h >= '0' && h <= '9') unit |= h - '0';
            else if (h >= 'a' && h <= 'f') unit |= h - 'a' + 10;
            else if (h >= 'A' && h <= 'F') unit |= h - 'A' + 10;
            else Fail("bad \\u escape");
        }
        return unit;
    }

    std::string ReadString() {
        Expect('"');
        std::string out;
        std::u16string escaped;  // \u units, converted when the run ends
        auto flush = [&] {
            if (!escaped.empty()) out += Utf16ToUtf8(escaped);
            escaped.clear();
        };
        while (true) {
            if (m_at >= m_text.size()) Fail("unterminated string");
            const char c = m_text[m_at++];
            if (c == '"') break;
            if (c != '\\') {
                flush();
                out.push_back(c);
                continue;
            }
            if (m_at >= m_text.size()) Fail("unterminated escape");
            const char e = m_text[m_at++];
            if (e == 'u') {
                escaped.push_back(static_cast<char16_t>(ReadHex4()));
                continue;
            }
            flush();
            switch (e) {
                case 'n': out.push_back('\n'); break;
                case 't': out.push_back('\t'); break;
                case 'r': out.push_back('\r'); break;
                case 'b': out.push_back('\b'); break;
                case 'f': out.push_back('\f'); break;
                default: out.push_back(e); break;  // \" \\ \/
            }
        }
        flush();
        return out;
    }

    const std::string& m_text;
    std::size_t m_at = 0;
};

const JsonValue& AtPath(const JsonValue& root, const std::string& path) {
    const JsonValue* value = &root;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = path.find('/', start);
        const std::string key = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        value = value->Member(key);
        if (value == nullptr) throw std::runtime_error("JSON has no " + path);
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    return *value;
}

std::map<std::string, std::string> Strings(const JsonValue& object, const std::string& member) {
    std::map<std::string, std::string> strings;
    for (const auto& [key, value] : object.members) {
        const JsonValue* text = member.empty() ? &value : value.Member(member);
        if (text != nullptr && text->type == JsonValue::kString) strings[key] = text->text;
    }
    return strings;
}

struct NameTable {
    NameKind kind;
    const char* file;         // below main/<locale>/
    const char* path;         // below main/<locale>/, "%" for the locale
    const char* englishPath;  // where it differs for English ("" = same)
};

// Months and weekdays: English names as written in a date, Persian names
// as they stand alone (the date forms add the ezafe: ژانویهٔ).
const NameTable kTables[] = {
    {NameKind::kLanguage, "languages.json", "localeDisplayNames/languages", ""},
    {NameKind::kTerritory, "territories.json", "localeDisplayNames/territories", ""},
    {NameKind::kScript, "scripts.json", "localeDisplayNames/scripts", ""},
    {NameKind::kMonth, "ca-gregorian.json", "dates/calendars/gregorian/months/stand-alone/wide",
     "dates/calendars/gregorian/months/format/wide"},
    {NameKind::kWeekday, "ca-gregorian.json", "dates/calendars/gregorian/days/stand-alone/wide",
     "dates/calendars/gregorian/days/format/wide"},
};

std::string ReadLocaleFile(const std::string& folder, const std::string& locale, const char* file) {
    return ReadWholeFile(folder + "/main/" + locale + "/" + file);
}

std::map<std::string, std::string> LocaleStrings(const std::string& folder, const std::string& locale,
                                                 const char* file, const std::string& path,
                                                 const std::string& member = std::string()) {
    const std::string where = folder + "/main/" + locale + "/" + file;
    try {
        return JsonStrings(ReadLocaleFile(folder, locale, file), "main/" + locale + "/" + path, member);
    } catch (const std::runtime_error& e) {
        const std::string what = e.what();
        if (what.rfind("missing source file", 0) == 0) throw;
        throw std::runtime_error(where + ": " + what);
    }
}

// An English unit's singular: "{0} kilometer" → "kilometer".
std::string SingularUnit(const std::string& pattern) {
    std::string name = pattern;
    const std::size_t hole = name.find("{0}");
    if (hole == std::string::npos) return std::string();
    name.erase(hole, 3);
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

void AddUnits(const std::string& folder, std::vector<NamePair>& pairs) {
    const auto english = LocaleStrings(folder, "en", "units.json", "units/long", "unitPattern-count-one");
    const auto persian = LocaleStrings(folder, "fa", "units.json", "units/long", "displayName");
    for (const auto& [key, pattern] : english) {
        const auto fa = persian.find(key);
        const std::string singular = SingularUnit(pattern);
        if (fa != persian.end() && !singular.empty()) pairs.push_back({NameKind::kUnit, singular, fa->second});
    }
}

}  // namespace

std::map<std::string, std::string> JsonStrings(const std::string& json, const std::string& path,
                                               const std::string& member) {
    const JsonValue root = CJsonReader(json).ReadDocument();
    return Strings(AtPath(root, path), member);
}

std::vector<NamePair> ReadCldrNames(const std::string& folder) {
    std::vector<NamePair> pairs;
    for (const NameTable& table : kTables) {
        const auto english = LocaleStrings(folder, "en", table.file,
                                           *table.englishPath ? table.englishPath : table.path);
        const auto persian = LocaleStrings(folder, "fa", table.file, table.path);
        for (const auto& [key, name] : english) {
            // "-alt-short", "-alt-variant": other spellings of a name already given.
            if (key.find("-alt-") != std::string::npos) continue;
            const auto fa = persian.find(key);
            if (fa != persian.end()) pairs.push_back({table.kind, name, fa->second});
        }
    }
    AddUnits(folder, pairs);
    return pairs;
}

}  // namespace nira::datatool
