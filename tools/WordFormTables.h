// The tables of word forms the lookup tries (dict/WordForms.h), made from
// WordNet 3.0's exception lists and the project's Persian verb and
// colloquial lists, and written as the generated header NiraWordForms.h.
// Only rows that can lead to an entry are kept: a target that is a headword
// of the file the form is searched in.
#pragma once

#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

namespace nira::datatool {

using HeadwordSet = std::unordered_set<std::string>;
using FormRows = std::vector<std::pair<std::string, std::string>>;  // form, target

// WordNet exception lists ("form lemma lemma ...", '_' for a space), in
// the order given: the pairs whose lemma is an English headword and whose
// form is not (a form that is a headword is found itself).
FormRows EnglishExceptionRows(const std::vector<std::string>& listTexts,
                              const HeadwordSet& englishHeadwords);

// The verb list (UTF-8; infinitive TAB past stem TAB present stem, '#'
// comments): present stem -> infinitive, and past stem -> infinitive where
// the past stem + ن is not the infinitive, for infinitives that are
// Persian headwords; in the list's order, which decides between verbs that
// share a stem.
FormRows VerbStemRows(const std::string& listText, const HeadwordSet& persianHeadwords);

// The colloquial list (UTF-8; colloquial form TAB standard form [TAB note],
// '#' comments): the form without ZWNJ or spaces -> the standard form, for
// standard forms that are Persian headwords.
FormRows ColloquialRows(const std::string& listText, const HeadwordSet& persianHeadwords);

// The rows of a list file: its fields split at TABs, comments and blank
// lines left out, each field trimmed of spaces.
std::vector<std::vector<std::string>> ListRows(const std::string& listText);

struct WordFormRows {
    FormRows englishExceptions;
    FormRows verbStems;
    FormRows colloquial;
    FormRows spellings;
};

// The header text: each table sorted by form (stable, so that rows of one
// form keep their order), every byte a hex escape.
std::string WordFormsHeaderText(const WordFormRows& rows);

}  // namespace nira::datatool
