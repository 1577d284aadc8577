// The project's own core vocabulary: tools/data/vocabulary/*.tsv, rows
//   english<TAB>pos<TAB>persian<TAB>note
// Persian equivalents are separated by "، ", distinct senses by " | ";
// the note is optional short English text shown where WordNet lacks the
// word. '#' starts a comment line.
#pragma once

#include <string>
#include <vector>

namespace nira::datatool {

struct VocabularyRow {
    std::string english;              // as written (UTF-8)
    std::string pos;                  // n v adj adv pron det prep conj aux num interj
    std::vector<std::string> senses;  // each the equivalents of one sense, "، "-separated
    std::string note;
};

// WordNetPos of an open-class tag, -1 for the closed classes and unknown
// tags.
int WordNetPosOfTag(const std::string& pos);
bool IsVocabularyPos(const std::string& pos);
// "(n.)", "(prep.)", ...: the label the English pane writes before a note.
std::string VocabularyPosLabel(const std::string& pos);

// The rows of one file. A malformed row (wrong column count, unknown part
// of speech, empty word or Persian, Persian letters outside the Persian
// column) throws std::runtime_error naming name and line: the vocabulary is
// ours, so the build refuses it rather than guessing.
std::vector<VocabularyRow> ParseVocabulary(const std::string& text, const std::string& name);

// Every *.tsv of the folder, in the order of their names; a missing folder
// throws std::runtime_error.
std::vector<VocabularyRow> ReadVocabularyFolder(const std::string& folder);

}  // namespace nira::datatool
