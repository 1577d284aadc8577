#include "tools/PersianVocabulary.h"

#include <algorithm>
#include <stdexcept>

#include "text/ArabicForms.h"
#include "text/Cp1256.h"
#include "tools/PersianText.h"
#include "tools/SourceFile.h"

namespace nira::datatool {
namespace {

const char* const kTags[] = {"n", "v", "adj", "adv", "pron", "det", "prep", "conj", "num", "interj", "phrase"};

bool HasLatinLetter(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
}

[[noreturn]] void Refuse(const std::string& name, std::size_t line, const std::string& why) {
    throw std::runtime_error(name + ":" + std::to_string(line) + ": " + why);
}

PersianVocabularyRow ParseRow(const std::vector<std::string>& columns, const std::string& name, std::size_t line) {
    PersianVocabularyRow row;
    row.persian = TrimSpaces(columns[0]);
    row.pos = TrimSpaces(columns[1]);
    row.note = columns.size() == 4 ? TrimSpaces(columns[3]) : std::string();
    if (!IsPersianVocabularyPos(row.pos)) Refuse(name, line, "unknown part of speech \"" + row.pos + "\"");
    if (HasLatinLetter(row.persian) || PersianWordsOfLemma(row.persian).size() != 1 ||
        PersianWordsOfLemma(row.persian)[0].headword.empty()) {
        Refuse(name, line, "the Persian column must be one Persian word or phrase");
    }
    if (HasArabicLetter(columns[2]) || HasArabicLetter(row.note)) {
        Refuse(name, line, "Persian letters outside the Persian column");
    }
    for (const std::string& sense : SplitAt(columns[2], " | ")) {
        const std::string trimmed = TrimSpaces(sense);
        if (!HasLatinLetter(trimmed)) Refuse(name, line, "a sense without English");
        row.senses.push_back(trimmed);
    }
    return row;
}

}  // namespace

bool IsPersianVocabularyPos(const std::string& pos) {
    return std::find(std::begin(kTags), std::end(kTags), pos) != std::end(kTags);
}

std::vector<PersianVocabularyRow> ParsePersianVocabulary(const std::string& text, const std::string& name) {
    std::vector<PersianVocabularyRow> rows;
    const std::vector<std::string> lines = SplitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i][0] == '#') continue;
        const std::vector<std::string> columns = SplitAt(lines[i], "\t");
        if (columns.size() < 3 || columns.size() > 4) Refuse(name, i + 1, "expected 3 or 4 tab-separated columns");
        rows.push_back(ParseRow(columns, name, i + 1));
    }
    return rows;
}

std::vector<PersianVocabularyRow> ReadPersianVocabularyFolder(const std::string& folder) {
    std::vector<PersianVocabularyRow> rows;
    for (const std::string& name : TsvFilesOf(folder, "Persian vocabulary")) {
        std::vector<PersianVocabularyRow> file = ParsePersianVocabulary(ReadWholeFile(JoinPath(folder, name)), name);
        rows.insert(rows.end(), file.begin(), file.end());
    }
    return rows;
}

}  // namespace nira::datatool
