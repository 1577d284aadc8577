// Stage: the links of WordNet synsets to Persian lemmas that the senses are
// gathered from. The sources' tables come first (curated, then the
// automatic Persian WordNet), then the Wiktionary senses placed on their
// synsets (tools/SenseMapping.h), one curated link per translation, so that
// synonyms share their Persian.
#pragma once

#include <vector>

#include "tools/BuiltDictionary.h"
#include "tools/Sources.h"
#include "tools/WordNet.h"

namespace nira::datatool {

std::vector<OmwLink> SynsetLinks(const CWordNet& wordNet, const Sources& sources, BuildCounts& counts);

}  // namespace nira::datatool
