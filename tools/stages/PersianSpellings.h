// Stage: Persian headwords that are one word written in different ways
// (text/PersianSpelling.h FoldedSpelling: سؤال and سوال, بیخیال and
// بی‌خیال) become one headword with the senses of all, without repeats.
// The spelling kept is that of our Persian vocabulary, else of our
// English→Persian rows, else the one with its hamza written, else the one
// with ZWNJ; the lookup finds it from any of the others.
#pragma once

#include "tools/BuiltDictionary.h"
#include "tools/WordFormTables.h"
#include "tools/stages/SourceHeadwords.h"

namespace nira::datatool {

void MergeFoldedSpellings(HeadwordSenses& headwords, BuildCounts& counts);

// The lookup's table of them: the folded spelling of every Persian headword
// written otherwise -> the headword.
FormRows FoldedSpellingRows(const std::vector<PlainEntry>& persianHeadwords);

}  // namespace nira::datatool
