// Stage: what the build made, in figures: each file's headwords, size and
// digest, what was skipped and cut, what each source added, how the
// automatic links were judged, the stored texts and the word forms, the
// editors' verdicts and the share of the words readers meet with Persian.
#pragma once

#include <cstddef>
#include <ostream>

#include "tools/BuiltDictionary.h"
#include "tools/EditionHeader.h"
#include "tools/EditorReview.h"
#include "tools/WordFormTables.h"
#include "tools/stages/FrequencyRanks.h"

namespace nira::datatool {

// welcomeBytes, aboutBytes: the texts' lengths in code page 1256.
void ReportBuild(std::ostream& out, const BuiltDictionary& built, const EditionConstants& edition,
                 const WordFormRows& wordForms, std::size_t welcomeBytes, std::size_t aboutBytes);

// What our editors' verdicts did (and any that met no word of the
// sources), and per rank band of the subtitle list how many words that
// show a WordNet lemma show Persian.
void ReportReview(std::ostream& out, const CEditorReview& review, const EnglishRanks& ranks);

}  // namespace nira::datatool
