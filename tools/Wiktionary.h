// Lines of the English→Persian Wiktionary extract:
//   headword {pos} (sense gloss) :: translation /translit/ [qualifier], ...
// Only the Persian text of a translation is kept; the Latin-script notes
// around it (transliterations, qualifiers, gender marks, labels such as
// "literary:") are dropped.
#pragma once

#include <string>
#include <vector>

#include "tools/WordNet.h"

namespace nira::datatool {

struct WiktionaryLine {
    std::string headword;   // as written, UTF-8
    std::string gloss;      // without its parentheses; may be empty
    int pos = -1;           // WordNetPos of {n} {prop} {v} {adj} {adv}, else -1
    std::string posTag;     // the tag as written ("article"); may be empty
    std::vector<std::u16string> translations;
    int lineNumber = 0;     // in the list, from 1: where editors' verdicts point
};

// False for comments, blank lines and lines without " :: ".
bool ParseWiktionaryLine(const std::string& line, WiktionaryLine& out);

// The translations of the right-hand side, split at ',' and ';' outside
// brackets and transliterations.
std::vector<std::u16string> SplitTranslations(const std::u16string& text);

// One translation without its notes: /.../, [...], {...} and Latin (...)
// groups removed, Persian in parentheses set apart with Arabic commas
// (a word of its own), words written in
// Latin letters or bare punctuation removed; such words between two
// Persian words leave an ellipsis, as they stood for a part to fill in.
std::u16string StripNotes(const std::u16string& translation);

}  // namespace nira::datatool
