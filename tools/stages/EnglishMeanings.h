// Stage: each English headword's own meanings before they are numbered:
// its Persian senses in order (tools/stages/SenseCatalog.h) and its
// English definitions: WordNet's senses in WordNet's order or, where
// WordNet lacks the word, our rows' notes, or else the glosses of the
// Wiktionary senses that gave no Persian.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/stages/SenseCatalog.h"

namespace nira::datatool {

// One English headword's meanings, in code page 1256. The stages after
// this one fill formOf or hint where there are no Persian senses.
struct EnglishMeaning {
    std::vector<std::string> persianSenses;
    std::string formOf;  // "(صورتی از LEMMA) " when persianSenses are the lemma's
    std::string hint;    // "نوعی X" when there are none
    std::vector<std::string> definitions;
};

using EnglishMeanings = std::map<std::string, EnglishMeaning>;  // by headword

EnglishMeanings MeaningsOfEnglishHeadwords(const SenseCatalog& catalog);

}  // namespace nira::datatool
