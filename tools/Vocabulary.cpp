#include "tools/Vocabulary.h"

#include <algorithm>
#include <stdexcept>

#include "text/ArabicForms.h"
#include "text/Cp1256.h"
#include "tools/PersianText.h"
#include "tools/SourceFile.h"
#include "tools/WordNet.h"

namespace nira::datatool {
namespace {

const char* const kTags[] = {"n", "v", "adj", "adv", "pron", "det", "prep", "conj", "aux", "num", "interj"};
const std::string kSenseSeparator = " | ";

[[noreturn]] void Refuse(const std::string& name, std::size_t line, const std::string& why) {
    throw std::runtime_error(name + ":" + std::to_string(line) + ": " + why);
}

}  // namespace

int WordNetPosOfTag(const std::string& pos) {
    if (pos == "n") return kNoun;
    if (pos == "v") return kVerb;
    if (pos == "adj") return kAdjective;
    if (pos == "adv") return kAdverb;
    return -1;
}

bool IsVocabularyPos(const std::string& pos) {
    return std::find(std::begin(kTags), std::end(kTags), pos) != std::end(kTags);
}

std::string VocabularyPosLabel(const std::string& pos) { return "(" + pos + ".)"; }

std::vector<VocabularyRow> ParseVocabulary(const std::string& text, const std::string& name) {
    std::vector<VocabularyRow> rows;
    const std::vector<std::string> lines = SplitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> columns = SplitAt(line, "\t");
        if (columns.size() < 3 || columns.size() > 4) Refuse(name, i + 1, "expected 3 or 4 tab-separated columns");
        VocabularyRow row;
        row.english = TrimSpaces(columns[0]);
        row.pos = TrimSpaces(columns[1]);
        row.note = columns.size() == 4 ? TrimSpaces(columns[3]) : std::string();
        if (row.english.empty()) Refuse(name, i + 1, "empty English word");
        if (!IsVocabularyPos(row.pos)) Refuse(name, i + 1, "unknown part of speech \"" + row.pos + "\"");
        if (HasArabicLetter(row.english) || HasArabicLetter(row.note)) {
            Refuse(name, i + 1, "Persian letters outside the Persian column");
        }
        for (const std::string& sense : SplitAt(columns[2], kSenseSeparator)) {
            const std::string trimmed = TrimSpaces(sense);
            if (!HasArabicLetter(trimmed)) Refuse(name, i + 1, "a sense without Persian letters");
            row.senses.push_back(trimmed);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<VocabularyRow> ReadVocabularyFolder(const std::string& folder) {
    std::vector<VocabularyRow> rows;
    for (const std::string& name : TsvFilesOf(folder, "vocabulary")) {
        std::vector<VocabularyRow> file = ParseVocabulary(ReadWholeFile(JoinPath(folder, name)), name);
        rows.insert(rows.end(), file.begin(), file.end());
    }
    return rows;
}

}  // namespace nira::datatool
