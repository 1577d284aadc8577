// The editors' work list: for every English headword, each Persian word the
// sources put on each of its senses, with where it came from, so that an
// editor can judge it against the sense's definition and record a verdict
// in tools/data/review (tools/EditorReview.h). Written by the data build on
// request (--review-list); not part of the data files.
//
// One row per headword, sense and word, tab-separated:
//   headword  sense  pos  definition  persian  source
// source: ours (our vocabulary, not judged), table (a curated link table),
// wikt (a Wiktionary sense placed on the synset), line (a Wiktionary sense
// of its own, sense "wN"), cldr, confirmed / kept (automatic links the
// judge keeps), out (automatic links it left out), editor (kept or
// restored by a verdict), hint (the X of the headword's hint "نوعی X").
#pragma once

#include <map>
#include <ostream>
#include <string>

#include "tools/stages/SenseCatalog.h"

namespace nira::datatool {

void WriteReviewList(const SenseCatalog& catalog, std::ostream& out);

// "headword<TAB>rank" for every headword the frequency list reaches.
void WriteRanks(const std::map<std::string, int>& rankOf, std::ostream& out);

}  // namespace nira::datatool
