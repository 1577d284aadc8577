#include "tools/EditorReview.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "tools/PersianText.h"
#include "tools/SourceFile.h"
#include "tools/stages/SourceWords.h"

namespace nira::datatool {
namespace {

const std::pair<const char*, Verdict> kVerdicts[] = {
    {"keep", Verdict::kKeep}, {"drop", Verdict::kDrop}, {"restore", Verdict::kRestore},
    {"out", Verdict::kOut},   {"gloss", Verdict::kGloss},     {"spell", Verdict::kSpell},
};

[[noreturn]] void Refuse(const std::string& name, std::size_t line, const std::string& why) {
    throw std::runtime_error(name + ":" + std::to_string(line) + ": " + why);
}

Verdict VerdictOf(const std::string& word) {
    for (const auto& [name, verdict] : kVerdicts) {
        if (word == name) return verdict;
    }
    return Verdict::kNone;
}

bool IsSynsetKey(const std::string& sense) {
    return sense.size() == 10 && sense[8] == '-' && PosOfLetter(sense[9]) >= 0 &&
           std::all_of(sense.begin(), sense.begin() + 8, [](char c) { return c >= '0' && c <= '9'; });
}

bool IsLineKey(const std::string& sense) {
    return sense.size() > 1 && sense[0] == 'w' &&
           std::all_of(sense.begin() + 1, sense.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The sense a row's verdict is kept under: synsets with 's' written as
// 'a', names and hints with their headword.
std::string StoredSense(const ReviewRow& row) {
    if (IsSynsetKey(row.sense)) return row.sense.substr(0, 9) + (row.sense[9] == 's' ? 'a' : row.sense[9]);
    if (row.sense == "cldr" || row.sense == "hint") return row.sense + ":" + row.headword;
    return row.sense;
}

void CheckRow(const ReviewRow& row, const std::string& name, std::size_t line) {
    if (row.headword.empty()) Refuse(name, line, "empty headword");
    const bool known = IsSynsetKey(row.sense) || IsLineKey(row.sense) || row.sense == "cldr" ||
                       row.sense == "hint" || row.sense == "spell";
    if (!known) Refuse(name, line, "unknown sense \"" + row.sense + "\"");
    if (row.verdict == Verdict::kNone) Refuse(name, line, "unknown verdict");
    if ((row.sense == "spell") != (row.verdict == Verdict::kSpell)) Refuse(name, line, "spell goes with spell");
    if (row.verdict == Verdict::kSpell) {
        if (PersianWordsOfLemma(row.persian).size() != 1 || PersianWordsOfLemma(row.text).size() != 1) {
            Refuse(name, line, "a spelling names one word and how it is written");
        }
        return;
    }
    if (row.verdict == Verdict::kGloss) {
        if (!IsLineKey(row.sense) || row.text.empty()) Refuse(name, line, "a gloss needs a Wiktionary line and its text");
        return;
    }
    if (!row.text.empty()) Refuse(name, line, "text is only for a gloss");
    if (PersianWordsOfLemma(row.persian).size() != 1) Refuse(name, line, "the Persian column must hold one word");
    const bool hint = row.sense == "hint";
    const bool linkOnly = row.verdict == Verdict::kRestore || row.verdict == Verdict::kOut;
    if (hint && row.verdict != Verdict::kKeep && row.verdict != Verdict::kDrop) {
        Refuse(name, line, "a hint is kept or dropped");
    }
    if (linkOnly && !IsSynsetKey(row.sense)) Refuse(name, line, "only a synset's automatic link is restored");
}

std::string KeyOf(const std::string& persian) { return WordKey(PersianWordsOfLemma(persian).front()); }

}  // namespace

std::vector<ReviewRow> ParseReview(const std::string& text, const std::string& name) {
    std::vector<ReviewRow> rows;
    const std::vector<std::string> lines = SplitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i][0] == '#') continue;
        const std::vector<std::string> c = SplitAt(lines[i], "\t");
        if (c.size() < 4 || c.size() > 5) Refuse(name, i + 1, "expected 4 or 5 tab-separated columns");
        ReviewRow row{c[0], c[1], c[2], VerdictOf(c[3]), c.size() == 5 ? c[4] : std::string()};
        CheckRow(row, name, i + 1);
        rows.push_back(std::move(row));
    }
    return rows;
}

// Verdicts are kept under the word as the build writes it, after the
// spellings the editors mended, so that they hold whichever spelling the
// editor read.
CEditorReview::CEditorReview(const std::vector<ReviewRow>& rows) {
    for (const ReviewRow& row : rows) {
        if (row.verdict == Verdict::kSpell) m_spellings[KeyOf(row.persian)] = row.text;
    }
    for (const ReviewRow& row : rows) {
        if (row.verdict == Verdict::kGloss) {
            m_glosses[std::stoi(row.sense.substr(1))] = row.text;
        } else if (row.verdict != Verdict::kSpell) {
            const std::string* respelled = RespellingOf(KeyOf(row.persian));
            const std::string key = KeyOf(respelled != nullptr ? *respelled : row.persian);
            m_verdicts[{StoredSense(row), key}] = Entry{row.verdict, row.persian, false};
        }
    }
}

Verdict CEditorReview::Of(const std::string& sense, const std::string& wordKey) const {
    const auto it = m_verdicts.find({sense, wordKey});
    if (it == m_verdicts.end()) return Verdict::kNone;
    it->second.met = true;
    return it->second.verdict;
}

Verdict CEditorReview::OfSynset(SynsetId synset, const std::string& wordKey) const {
    return Of(SynsetSenseKey(synset), wordKey);
}

Verdict CEditorReview::OfLine(int lineNumber, const std::string& wordKey) const {
    return Of(LineSenseKey(lineNumber), wordKey);
}

Verdict CEditorReview::OfName(const std::string& englishHeadword, const std::string& wordKey) const {
    return Of("cldr:" + englishHeadword, wordKey);
}

Verdict CEditorReview::OfHint(const std::string& englishHeadword, const std::string& wordKey) const {
    return Of("hint:" + englishHeadword, wordKey);
}

const std::string* CEditorReview::RespellingOf(const std::string& wordKey) const {
    const auto it = m_spellings.find(wordKey);
    return it == m_spellings.end() ? nullptr : &it->second;
}

const std::string* CEditorReview::GlossOfLine(int lineNumber) const {
    const auto it = m_glosses.find(lineNumber);
    return it == m_glosses.end() ? nullptr : &it->second;
}

std::size_t CEditorReview::MetCount(Verdict verdict, bool hints) const {
    return static_cast<std::size_t>(std::count_if(m_verdicts.begin(), m_verdicts.end(), [&](const auto& item) {
        const bool hint = item.first.first.rfind("hint:", 0) == 0;
        return item.second.met && item.second.verdict == verdict && hint == hints;
    }));
}

std::vector<std::string> CEditorReview::Unmatched() const {
    std::vector<std::string> unmatched;
    for (const auto& [key, entry] : m_verdicts) {
        if (!entry.met) unmatched.push_back(key.first + " " + entry.persian);
    }
    return unmatched;
}

void MendGlosses(std::vector<WiktionaryLine>& lines, const CEditorReview& review) {
    for (WiktionaryLine& line : lines) {
        if (const std::string* gloss = review.GlossOfLine(line.lineNumber)) line.gloss = *gloss;
    }
}

std::string SynsetSenseKey(SynsetId id) {
    static const char kLetters[] = {'n', 'v', 'a', 'r'};
    char text[16];
    std::snprintf(text, sizeof text, "%08u-%c", static_cast<unsigned>(id & 0xFFFFFFFFu),
                  kLetters[static_cast<int>(id >> 32) & 3]);
    return text;
}

std::string LineSenseKey(int lineNumber) { return "w" + std::to_string(lineNumber); }

std::vector<ReviewRow> ReadReviewFolder(const std::string& folder) {
    std::vector<ReviewRow> rows;
    for (const std::string& name : TsvFilesOf(folder, "review")) {
        std::vector<ReviewRow> file = ParseReview(ReadWholeFile(JoinPath(folder, name)), name);
        rows.insert(rows.end(), file.begin(), file.end());
    }
    return rows;
}

}  // namespace nira::datatool
