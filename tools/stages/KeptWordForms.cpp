#include "tools/stages/KeptWordForms.h"

#include <vector>

#include "tools/stages/PersianSpellings.h"

namespace nira::datatool {
namespace {

HeadwordSet HeadwordSetOf(const std::vector<PlainEntry>& entries) {
    HeadwordSet set;
    for (const PlainEntry& e : entries) set.insert(e.headword);
    return set;
}

}  // namespace

WordFormRows KeptWordForms(const WordFormLists& lists, const BuiltDictionary& built) {
    const HeadwordSet persian = HeadwordSetOf(built.persianHeadwords);
    WordFormRows rows;
    rows.englishExceptions = EnglishExceptionRows(lists.exceptionLists, HeadwordSetOf(built.englishHeadwords));
    rows.verbStems = VerbStemRows(lists.verbs, persian);
    rows.colloquial = ColloquialRows(lists.colloquial, persian);
    rows.spellings = FoldedSpellingRows(built.persianHeadwords);
    return rows;
}

}  // namespace nira::datatool
