#include "platform/Profile.h"

#include "platform/AtomicFile.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <pwd.h>
#include <string_view>
#include <unistd.h>

namespace nira {
namespace {

constexpr mode_t kNewFolderMode = 0700;

using KeyValues = std::vector<std::pair<std::string, std::string>>;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

// "[name]" or "[name" (a header cut short still opens a section).
bool ParseSectionHeader(std::string_view line, std::string_view& name)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return false;
    line.remove_prefix(1);
    name = Trim(line.substr(0, line.find(']')));
    return true;
}

bool ParseKeyLine(std::string_view line, std::string_view& key, std::string_view& value)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    key = Trim(line.substr(0, equals));
    value = Trim(line.substr(equals + 1));
    return true;
}

// A value in matching quotes loses them, as the Windows reader does.
std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Leading blanks, an optional sign, then decimal digits accumulated modulo
// 2^32 (unsigned, so no overflow), read back as a signed 32-bit number.
int ParseProfileInt(std::string_view value)
{
    std::size_t i = 0;
    while (i < value.size() && IsBlank(value[i]))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+'))
        negative = value[i++] == '-';
    uint32_t total = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i)
        total = total * 10u + static_cast<uint32_t>(value[i] - '0');
    if (negative)
        total = 0u - total;
    if (total <= static_cast<uint32_t>(INT_MAX))
        return static_cast<int>(total);
    return static_cast<int>(total - 0x80000000u) + INT_MIN;
}

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// Where a section stands in a file's lines: its header, and one past its
// last non-blank line (where new keys go). found is false when absent.
struct SectionSpan {
    bool found = false;
    std::size_t header = 0;
    std::size_t end = 0;
};

SectionSpan FindSection(const std::vector<std::string_view>& lines, std::string_view section)
{
    SectionSpan span;
    std::string_view name;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool isHeader = ParseSectionHeader(lines[i], name);
        if (span.found && isHeader)
            break;
        if (!span.found && isHeader && EqualsNoCase(name, section)) {
            span = {true, i, i + 1};
        } else if (span.found && !Trim(lines[i]).empty()) {
            span.end = i + 1;
        }
    }
    return span;
}

// The line of key within the section, or span.end when it is missing.
std::size_t FindKey(const std::vector<std::string_view>& lines, const SectionSpan& span,
                    std::string_view key)
{
    std::string_view name, value;
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (ParseKeyLine(lines[i], name, value) && EqualsNoCase(name, key))
            return i;
    }
    return span.end;
}

bool HasLineBreak(const std::string& text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

bool IsWritable(const std::string& section, const KeyValues& keyValues)
{
    if (HasLineBreak(section) || section.find(']') != std::string::npos ||
        Trim(section) != section)
        return false;
    for (const auto& [key, value] : keyValues) {
        // A key opening with '[' would read back as a section header.
        if (key.empty() || key.front() == '[' || HasLineBreak(key) || HasLineBreak(value) ||
            key.find('=') != std::string::npos || Trim(key) != key)
            return false;
    }
    return true;
}

// "\r" when the file's first line ends in CR LF: lines the writer adds
// then end the same way.
std::string CarriageReturnOf(std::string_view text)
{
    const std::size_t newline = text.find('\n');
    return newline != std::string_view::npos && newline > 0 && text[newline - 1] == '\r'
               ? "\r" : "";
}

std::string JoinLines(const std::vector<std::string_view>& lines)
{
    std::string result;
    for (std::string_view line : lines) {
        result.append(line);
        result += '\n';
    }
    return result;
}

std::string ApplyKeyValues(std::string_view text, const std::string& section,
                           const KeyValues& keyValues)
{
    const std::string cr = CarriageReturnOf(text);
    std::vector<std::string_view> lines = SplitLines(text);
    std::deque<std::string> added;  // new lines; a deque keeps them in place
    SectionSpan span = FindSection(lines, section);
    if (!span.found) {
        if (!lines.empty() && !Trim(lines.back()).empty())
            lines.emplace_back(added.emplace_back(cr));
        lines.emplace_back(added.emplace_back("[" + section + "]" + cr));
        span = {true, lines.size() - 1, lines.size()};
    }
    for (const auto& [key, value] : keyValues) {
        const std::string& line = added.emplace_back(key + "=" + value + cr);
        const std::size_t at = FindKey(lines, span, key);
        if (at < span.end) {
            lines[at] = line;
        } else {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(span.end), line);
            ++span.end;
        }
    }
    return JoinLines(lines);
}

std::string HomeDir()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0')
        return home;
    const passwd* entry = ::getpwuid(::getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

}  // namespace

int GetPrivateProfileInt(const std::string& section, const std::string& key,
                         int defaultValue, const std::string& path)
{
    std::string text;
    const ReadResult read = ReadWholeFile(path, kMaxProfileBytes, text);
    if (read != ReadResult::kRead && read != ReadResult::kTooLarge)
        return defaultValue;
    const std::vector<std::string_view> lines = SplitLines(text);
    const SectionSpan span = FindSection(lines, section);
    if (!span.found)
        return defaultValue;
    const std::size_t at = FindKey(lines, span, key);
    std::string_view name, value;
    if (at == span.end || !ParseKeyLine(lines[at], name, value))
        return defaultValue;
    return ParseProfileInt(Unquote(value));
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path)
{
    return WritePrivateProfileStrings(section, {{key, value}}, path);
}

bool WritePrivateProfileStrings(const std::string& section, const KeyValues& keyValues,
                                const std::string& path)
{
    if (!IsWritable(section, keyValues))
        return false;
    // The whole file, whatever its size: every other line is kept.
    std::string text;
    const ReadResult read = ReadWholeFile(path, kWholeFile, text);
    if (read != ReadResult::kRead && read != ReadResult::kMissing)
        return false;
    if (!MakeFolders(FolderOf(path), kNewFolderMode))
        return false;
    return ReplaceFile(path, ApplyKeyValues(text, section, keyValues));
}

std::string UserConfigDir()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return xdg;
    const std::string home = HomeDir();
    return home.empty() ? "" : home + "/.config";
}

}  // namespace nira
