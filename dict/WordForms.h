// The forms a query may stand for when it is not a headword itself: a
// Persian word spelled with other spacing, an inflected English or Persian
// word, a colloquial Persian form. The lookup tries them after its search,
// in a fixed order, and shows the first that is exactly a headword of the
// same data file; when none is, the search's nearest entry stays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "dict/Constants.h"

namespace nira {

struct Dictionary;
struct LookupState;
enum class DataFileId;

// One row of a generated table: a form and what it stands for, both NUL
// terminated code page 1256 text in the spelling of the headwords.
struct FormLemma {
    const char* form;
    const char* lemma;
};

// Rows sorted by form (byte order); a form may have several rows, in the
// order they are tried.
struct FormTable {
    const FormLemma* rows = nullptr;
    std::size_t count = 0;
};

// The tables the data build generates beside the edition's constants.
struct WordFormTables {
    FormTable englishExceptions;  // irregular English forms: went -> go
    FormTable verbStems;          // Persian stems no rule derives: رو -> رفتن
    FormTable colloquial;         // spoken Persian, keyed without ZWNJ or spaces
    FormTable spellings;          // Persian headwords by their folded spelling: سوال -> سؤال
};

// The candidates for a query (code page 1256, already in the spelling of
// the headwords and lower-cased), in the order they are tried: at most
// kMaxWordFormCandidates (dict/Constants.h), none repeated, never the query itself, none
// longer than a headword. english selects the English rules (the query is
// searched in "persian"), else the Persian ones.
std::vector<std::string> WordFormCandidates(const std::string& query, bool english,
                                            const WordFormTables& tables);

// The rows of a table whose form is key.
std::vector<const FormLemma*> RowsOf(const FormTable& table, const std::string& key);

// Tries the candidates of query in the file given; on the first that is
// exactly a headword, sets state's range to that headword's bucket and
// m_current to its entry and returns true. Otherwise leaves state alone.
bool FindWordForm(const unsigned char* query, DataFileId file, LookupState& state,
                  const Dictionary& dict);

}  // namespace nira
