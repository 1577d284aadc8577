// Placing Wiktionary senses on WordNet synsets, so that a sense's Persian
// reaches every lemma of its synset (synonyms gain it). A sense is placed
// only where the choice is plain: its English word, written the same way
// (case included), has one WordNet synset of that part of speech, or its
// gloss matches one synset's definition and words clearly better than
// every other.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tools/Wiktionary.h"
#include "tools/WordNet.h"

namespace nira::datatool {

struct SenseMatch {
    std::size_t line = 0;  // index into the Wiktionary lines
    SynsetId synset = 0;
    bool byGloss = false;  // chosen among several synsets by the gloss
};

// Content words of an English text: lower case, letters only, without the
// common function words; a final 's' of a longer word is dropped so that
// plural and singular meet.
std::vector<std::string> ContentWords(const std::string& text);

// How well a gloss fits a synset: its content words found in the synset's
// definition or words (the headword's own words not counted), and 3 more
// when the whole gloss is one of the synset's other words.
int GlossScore(const std::string& gloss, const std::string& headword, const Synset& synset);

// The senses that can be placed, in line order. Lines without Persian, of
// no WordNet part of speech, or whose word WordNet lacks are not placed.
std::vector<SenseMatch> MatchWiktionarySenses(const CWordNet& wordNet,
                                              const std::vector<WiktionaryLine>& lines);

}  // namespace nira::datatool
