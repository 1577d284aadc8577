// Stage: what the build made, in figures: each file's headwords, size and
// digest, what was skipped and cut, what each source added, how the
// automatic links were judged, the stored texts and the word forms.
#pragma once

#include <cstddef>
#include <ostream>

#include "tools/BuiltDictionary.h"
#include "tools/EditionHeader.h"
#include "tools/WordFormTables.h"

namespace nira::datatool {

// welcomeBytes, aboutBytes: the texts' lengths in code page 1256.
void ReportBuild(std::ostream& out, const BuiltDictionary& built, const EditionConstants& edition,
                 const WordFormRows& wordForms, std::size_t welcomeBytes, std::size_t aboutBytes);

}  // namespace nira::datatool
