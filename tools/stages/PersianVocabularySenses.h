// Stage: our own Persian→English vocabulary (tools/PersianVocabulary.h).
// Each row makes its word a Persian headword (where the sources lack it)
// whose English meaning begins with the row's senses, most common first.
#pragma once

#include <vector>

#include "tools/BuiltDictionary.h"
#include "tools/PersianVocabulary.h"
#include "tools/stages/SourceHeadwords.h"

namespace nira::datatool {

void AddPersianVocabularySenses(const std::vector<PersianVocabularyRow>& rows, HeadwordSenses& headwords,
                                BuildCounts& counts);

}  // namespace nira::datatool
