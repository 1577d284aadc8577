// Stage: Unicode CLDR names (tools/Cldr.h) onto the English headwords of
// exactly that name, where the headword may be a name of that kind; the
// name's Persian becomes a Persian headword meaning it.
#pragma once

#include <vector>

#include "tools/BuiltDictionary.h"
#include "tools/Sources.h"
#include "tools/WordNet.h"
#include "tools/stages/SourceHeadwords.h"
#include "tools/stages/SourceWords.h"

namespace nira::datatool {

void AddNameSenses(const CWordNet& wordNet, const std::vector<NamePair>& names, const CEditorReview& review,
                   const SourceWords& words,
                   HeadwordSenses& headwords, BuildCounts& counts);

}  // namespace nira::datatool
