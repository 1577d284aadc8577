#include "tools/Wiktionary.h"

#include <algorithm>

#include "text/ArabicForms.h"
#include "text/Cp1256.h"

namespace nira::datatool {
namespace {

const std::string kArrow = " :: ";

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Index of the '(' that opens the group closed by text[close], or npos.
std::size_t MatchingOpen(const std::string& text, std::size_t close) {
    int depth = 0;
    for (std::size_t i = close + 1; i-- > 0;) {
        if (text[i] == ')') ++depth;
        if (text[i] == '(' && --depth == 0) return i;
    }
    return std::string::npos;
}

int PosOfWiktionaryTag(const std::string& tag) {
    if (tag == "n" || tag == "prop") return kNoun;
    if (tag == "v") return kVerb;
    if (tag == "adj") return kAdjective;
    if (tag == "adv") return kAdverb;
    return -1;
}

bool IsOpening(char16_t u) { return u == '(' || u == '[' || u == '{'; }
bool IsClosing(char16_t u) { return u == ')' || u == ']' || u == '}'; }

// A '/' opens a transliteration when it starts a word.
bool OpensTransliteration(const std::u16string& text, std::size_t i) {
    return text[i] == '/' && (i == 0 || text[i - 1] == ' ');
}

// Index just past the group that opens at text[i] (to the end when it is
// never closed).
std::size_t GroupEnd(const std::u16string& text, std::size_t i) {
    if (text[i] == '/') {
        const std::size_t close = text.find(u'/', i + 1);
        return close == std::u16string::npos ? text.size() : close + 1;
    }
    int depth = 0;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (IsOpening(text[k])) ++depth;
        if (IsClosing(text[k]) && --depth == 0) return k + 1;
    }
    return text.size();
}

bool IsLatinLetter(char16_t u) {
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
           (u >= 0x00C0 && u <= 0x024F && u != 0x00D7 && u != 0x00F7) ||
           (u >= 0x0250 && u <= 0x02AF) || (u >= 0x1E00 && u <= 0x1EFF);
}

bool HasArabicLetter(const std::u16string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char16_t u) { return IsArabicScriptLetter(u); });
}

bool IsBare(const std::u16string& word) {
    return std::none_of(word.begin(), word.end(), [](char16_t u) {
        return IsArabicScriptLetter(u) || (u >= '0' && u <= '9');
    });
}

// Separators standing alone ("-", "،") are left for the splitting of the
// lemma.
bool IsSeparatorWord(const std::u16string& word) {
    return IsBare(word) &&
           word.find_first_of(u"-.,;:\u060C\u061B\u066C\u2026") != std::u16string::npos;
}

// A word of Latin letters, or of bare signs such as "+".
bool IsNoteWord(const std::u16string& word) {
    return std::any_of(word.begin(), word.end(), IsLatinLetter) ||
           (IsBare(word) && !IsSeparatorWord(word));
}

// The text without its notes. Notes between two Persian words stood for a
// part the reader fills in, so they become an ellipsis ("در حال ... بودن").
std::u16string DropNoteWords(const std::u16string& text) {
    std::u16string out;
    bool gap = false;
    bool afterSeparator = true;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = std::min(text.find(u' ', i), text.size());
        const std::u16string word = text.substr(i, end - i);
        i = end + 1;
        if (word.empty()) continue;
        if (IsNoteWord(word)) {
            gap = !afterSeparator;
            continue;
        }
        const bool separator = IsSeparatorWord(word);
        if (!out.empty()) out += gap && !separator ? u" ... " : u" ";
        out += word;
        gap = false;
        afterSeparator = separator;
    }
    return out;
}

}  // namespace

bool ParseWiktionaryLine(const std::string& line, WiktionaryLine& out) {
    if (line.empty() || line[0] == '#') return false;
    const std::size_t arrow = line.find(kArrow);
    if (arrow == std::string::npos) return false;
    std::string left = Trim(line.substr(0, arrow));
    out = WiktionaryLine();
    if (!left.empty() && left.back() == ')') {
        const std::size_t open = MatchingOpen(left, left.size() - 1);
        if (open != std::string::npos && open > 0) {
            out.gloss = Trim(left.substr(open + 1, left.size() - open - 2));
            left = Trim(left.substr(0, open));
        }
    }
    if (!left.empty() && left.back() == '}') {
        const std::size_t open = left.rfind('{');
        if (open != std::string::npos && open > 0) {
            out.posTag = left.substr(open + 1, left.size() - open - 2);
            out.pos = PosOfWiktionaryTag(out.posTag);
            left = Trim(left.substr(0, open));
        }
    }
    out.headword = left;
    for (const std::u16string& t : SplitTranslations(Utf8ToUtf16(line.substr(arrow + kArrow.size())))) {
        std::u16string persian = StripNotes(t);
        if (!persian.empty()) out.translations.push_back(std::move(persian));
    }
    return !out.headword.empty();
}

std::vector<std::u16string> SplitTranslations(const std::u16string& text) {
    std::vector<std::u16string> parts(1);
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (depth == 0 && OpensTransliteration(text, i)) {
            const std::size_t end = GroupEnd(text, i);
            parts.back() += text.substr(i, end - i);
            i = end - 1;
            continue;
        }
        if (IsOpening(u)) ++depth;
        if (IsClosing(u) && depth > 0) --depth;
        if (depth == 0 && (u == ',' || u == ';')) {
            parts.emplace_back();
        } else {
            parts.back().push_back(u);
        }
    }
    return parts;
}

std::u16string StripNotes(const std::u16string& translation) {
    std::u16string kept;
    for (std::size_t i = 0; i < translation.size();) {
        const char16_t u = translation[i];
        if (OpensTransliteration(translation, i) || u == '[' || u == '{' || u == '(') {
            const std::size_t end = GroupEnd(translation, i);
            if (u == '(') {
                const std::size_t innerEnd = end - (translation[end - 1] == ')' ? 1 : 0);
                const std::u16string inner = translation.substr(i + 1, innerEnd - i - 1);
                // "راه‌آهن (also: راه آهن)": Persian in parentheses is a
                // word of its own.
                if (HasArabicLetter(inner)) kept += u" \u060C " + StripNotes(inner) + u" \u060C ";
            }
            i = end;
            continue;
        }
        kept.push_back(u == '/' ? u' ' : u);
        ++i;
    }
    return DropNoteWords(kept);
}

}  // namespace nira::datatool
