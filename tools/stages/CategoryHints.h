// Stage: a noun still without Persian gets "نوعی X" ("a kind of X") after a
// direct hypernym of its first noun sense (WordNet's most frequent) that
// has Persian from people: a curated link, or our vocabulary's noun row or
// a CLDR name of the hypernym's first word when that word's first noun
// sense is the hypernym (never the automatic links). Only the first sense:
// the hypernym of a rarer one ("clam", a dollar) would describe a word the
// reader does not mean. One level only; a description, not a translation,
// so it stands without a sense number. A hint is written only where our
// editors read it and kept it: a wrong one misleads more than none.
#pragma once

#include <string>

#include "tools/stages/EnglishMeanings.h"
#include "tools/stages/SenseCatalog.h"

namespace nira::datatool {

// Whether a Persian meaning (code page 1256) is a hint alone.
bool IsHintText(const std::string& persian);

// The X of the hint the headword's senses would give, or nullptr.
const PersianWord* HintWord(const SenseCatalog& catalog, const EnglishSenses& senses);

void AddCategoryHints(const SenseCatalog& catalog, EnglishMeanings& meanings);

}  // namespace nira::datatool
