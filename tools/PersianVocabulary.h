// Our own Persian→English vocabulary: tools/data/vocabulary/persian/*.tsv,
// rows
//   persian<TAB>pos<TAB>english<TAB>note
// English equivalents of one sense are separated by ", ", distinct senses
// by " | ", the most common sense first; the note is optional short English
// ("colloquial"). '#' starts a comment line. Each row makes its word a
// Persian headword whose English meaning begins with these senses.
#pragma once

#include <string>
#include <vector>

namespace nira::datatool {

struct PersianVocabularyRow {
    std::string persian;              // as written (UTF-8)
    std::string pos;                  // n v adj adv pron det prep conj num interj phrase
    std::vector<std::string> senses;  // each the equivalents of one sense, ", "-separated
    std::string note;
};

bool IsPersianVocabularyPos(const std::string& pos);

// The rows of one file. A malformed row (wrong column count, unknown part
// of speech, a Persian column that is not one Persian word or phrase, Persian
// letters in the English columns) throws std::runtime_error naming name and
// line.
std::vector<PersianVocabularyRow> ParsePersianVocabulary(const std::string& text, const std::string& name);

// Every *.tsv of the folder, in the order of their names; a missing folder
// throws std::runtime_error.
std::vector<PersianVocabularyRow> ReadPersianVocabularyFolder(const std::string& folder);

}  // namespace nira::datatool
