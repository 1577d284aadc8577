// What the collecting stages gathered, as the stages that compose the
// entries read it, and the rule they share: the order of an English
// headword's Persian senses.
#pragma once

#include <string>
#include <vector>

#include "tools/Sources.h"
#include "tools/WordNet.h"
#include "tools/stages/LinkJudging.h"
#include "tools/stages/SourceHeadwords.h"
#include "tools/stages/SourceWords.h"

namespace nira::datatool {

struct SenseCatalog {
    const CWordNet& wordNet;
    const Sources& sources;
    const SourceWords& words;
    const LinkedSynsets& synsets;
    const HeadwordSenses& headwords;
};

// The Persian senses of an English headword, each as its words: our rows'
// senses, then the WordNet senses met in the tagged texts (by count), the
// Wiktionary senses, CLDR names, then the untagged WordNet senses in
// WordNet's order; senses with a confirmed word before those with only
// words the judge kept. With parts (not empty), only the senses of those
// parts of speech.
std::vector<WordList> PersianSenseWords(const SenseCatalog& catalog, const EnglishSenses& senses,
                                        const std::vector<int>* parts = nullptr);

// Each sense as its words joined by an Arabic comma; a sense whose words
// all stood in an earlier sense is left out.
std::vector<std::string> PersianSenseTexts(const std::vector<WordList>& lists);

}  // namespace nira::datatool
