// Stage: our own vocabulary (tools/Vocabulary.h). Each row gives its
// English word Persian, making it a headword where the sources lack it,
// and each of its Persian equivalents a headword meaning that word.
#pragma once

#include <vector>

#include "tools/BuiltDictionary.h"
#include "tools/Vocabulary.h"
#include "tools/stages/SourceHeadwords.h"
#include "tools/stages/SourceWords.h"

namespace nira::datatool {

void AddVocabularySenses(const std::vector<VocabularyRow>& rows, const SourceWords& words,
                         HeadwordSenses& headwords, BuildCounts& counts);

}  // namespace nira::datatool
