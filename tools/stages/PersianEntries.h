// Stage: the entries of the "english" file. Each Persian headword's English
// meaning lists the English words of our rows and CLDR names it stands
// for, then the synsets and Wiktionary senses it translates: those from
// curated sources before the automatic Persian WordNet links, each group
// by how often the English sense is met in the tagged texts, a Wiktionary
// sense before a synset and source order last. Senses are separated by
// "; " and cut to fit a pane. In the order of the headwords' map, not yet
// sorted.
#pragma once

#include <vector>

#include "tools/BuiltDictionary.h"
#include "tools/Wiktionary.h"
#include "tools/WordNet.h"
#include "tools/stages/SourceHeadwords.h"

namespace nira::datatool {

std::vector<PlainEntry> PersianEntries(const CWordNet& wordNet, const std::vector<WiktionaryLine>& lines,
                                       const HeadwordSenses& headwords, BuildCounts& counts);

}  // namespace nira::datatool
