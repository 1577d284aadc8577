// Turning the sources into the entries of both data files, in headword
// order, one entry per headword: the dictionary's stages (tools/stages/),
// run in order by BuildDictionary.
//
// "persian" (English headwords): every WordNet lemma, every Wiktionary
// headword WordNet lacks and every word of our vocabulary neither has. Its
// English definition lists the WordNet senses in WordNet's order (where
// WordNet lacks the word: our rows' notes, or else the glosses of the
// Wiktionary senses that gave no Persian). Its Persian meaning lists per
// sense the Persian words for it: our vocabulary's senses first, then the
// senses met in WordNet's tagged texts (by count), the Wiktionary senses
// (curated, in their order), CLDR names, and the remaining WordNet senses
// in WordNet's order. A sense whose words were all given already is left
// out. A headword without any is given, in this order, its lemma's Persian
// (an inflected form) or a category hint from its hypernym. An entry with
// neither meaning is not written.
//
// "english" (Persian headwords): every Persian word of the sources and of
// our vocabulary. Its English meaning lists the English words of our rows
// and CLDR names it stands for, then the synsets and Wiktionary senses it
// translates, those from curated sources before the automatic Persian
// WordNet links, each group by how often the English sense is met in the
// tagged texts.
#pragma once

#include <functional>
#include <vector>

#include "dict/WordForms.h"
#include "tools/BuiltDictionary.h"
#include "tools/Sources.h"
#include "tools/WordNet.h"

namespace nira::datatool {

struct SenseCatalog;

// forms, when given, lets an inflected headword without Persian show its
// lemma's (the English rules and exception table of the lookup). inspect,
// when given, is shown what the collecting stages gathered (the editors'
// work list reads it).
BuiltDictionary BuildDictionary(const CWordNet& wordNet, const Sources& sources,
                                const WordFormTables* forms = nullptr,
                                const std::function<void(const SenseCatalog&)>& inspect = {});

// Entries in the order of CompareHeadword.
void SortByHeadword(std::vector<PlainEntry>& entries);

}  // namespace nira::datatool
