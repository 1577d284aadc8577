// Stage: an inflected English headword without Persian shows its lemma's
// Persian under a line naming the lemma. The lemma is the first candidate
// of the lookup's English rules (dict/WordForms.h) that is a headword with
// Persian in a part of speech that can take the ending (running, stopped:
// a verb; bigger: an adjective; books: a noun or verb), and only the
// senses of those parts are shown, so that "stocked" shows no livestock.
// A row of the exception lists needs no such check. No form is taken for
// a word WordNet knows only as a name, nor a comparative for a word in
// -er or -est it knows only as a noun or verb.
#pragma once

#include <string>

#include "dict/WordForms.h"
#include "tools/BuiltDictionary.h"
#include "tools/stages/EnglishMeanings.h"
#include "tools/stages/SenseCatalog.h"

namespace nira::datatool {

// forms: the English rules and exception table; none (null) adds nothing.
void AddLemmaPersian(const SenseCatalog& catalog, const WordFormTables* forms, EnglishMeanings& meanings,
                     BuildCounts& counts);

// A word of the subtitle list that is no headword but an inflected form of
// one with Persian in several parts of speech (stored: store, a shop, and
// to store) becomes a headword of its own that shows only the Persian and
// definitions of the parts of speech that take its ending, under the line
// naming the lemma; where those are all the lemma has, the lemma's entry
// reads right already and nothing is added.
void AddFormHeadwords(const SenseCatalog& catalog, const WordFormTables* forms, EnglishMeanings& meanings,
                      BuildCounts& counts);

// The first line of the Persian meaning of an inflected form that shows
// its lemma's: "(صورتی از LEMMA) " in code page 1256 ("a form of").
std::string FormOfLine(const std::string& lemma);

}  // namespace nira::datatool
