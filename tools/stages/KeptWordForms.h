// Stage: the rows of the word form tables (tools/WordFormTables.h) that
// lead to a headword the data files hold: WordNet's exceptions to English
// headwords, the Persian verb stems and colloquial forms to Persian ones.
#pragma once

#include "tools/BuiltDictionary.h"
#include "tools/WordFormTables.h"
#include "tools/stages/ReadInput.h"

namespace nira::datatool {

WordFormRows KeptWordForms(const WordFormLists& lists, const BuiltDictionary& built);

}  // namespace nira::datatool
