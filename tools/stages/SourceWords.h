// Stage: the Persian words of every source lemma, split and spelled as the
// data files write them (tools/PersianText.h), made once for the stages
// after it: each Wiktionary line's translations, and each lemma of a link
// to a synset WordNet has, of our rows' senses and of the CLDR names.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "tools/BuiltDictionary.h"
#include "tools/PersianText.h"
#include "tools/Sources.h"
#include "tools/WordNet.h"

namespace nira::datatool {

using WordList = std::vector<PersianWord>;

// The key a word is known by: its headword bytes, or its meaning bytes
// when it cannot be a headword.
const std::string& WordKey(const PersianWord& word);

// Appends each word whose key the list lacks, in order.
void AppendUnique(WordList& list, const WordList& words);

struct SourceWords {
    std::vector<WordList> lineWords;                       // per Wiktionary line
    std::unordered_map<std::string, WordList> lemmaWords;  // per lemma (UTF-8)

    // The words of a lemma; none for a lemma the stage did not meet.
    const WordList& Of(const std::string& lemma) const;
};

// links: those of SynsetLinks. Pieces that give no word are counted in
// persianWordsDropped, once per line translation and once per lemma.
SourceWords WordsOfSources(const CWordNet& wordNet, const Sources& sources,
                           const std::vector<OmwLink>& links, BuildCounts& counts);

}  // namespace nira::datatool
