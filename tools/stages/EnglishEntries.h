// Stage: the entries of the "persian" file. Each headword's Persian senses
// are numbered and cut to fit a pane (after the line naming its lemma, when
// they are the lemma's), or its hint stands alone; its definitions are
// numbered within what the entry has left. A headword with neither meaning
// is not written. In the order of the headwords' map, not yet sorted.
#pragma once

#include <vector>

#include "tools/BuiltDictionary.h"
#include "tools/stages/EnglishMeanings.h"

namespace nira::datatool {

std::vector<PlainEntry> EnglishEntries(const EnglishMeanings& meanings, BuildCounts& counts);

}  // namespace nira::datatool
