// The English inflection rules of the lookup (dict/WordForms.h) put to the
// data build's use: a headword that is an inflected form ("running") and
// has no Persian shows its lemma's ("run"). The lookup's tables keep only
// forms that are no headword; the build needs every row of WordNet's
// exception lists, so it makes its own table of them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "dict/WordForms.h"

namespace nira::datatool {

// WordNet's exception lists ("form lemma lemma ...", '_' for a space) as
// (form, lemma) rows, in the order given.
std::vector<std::pair<std::string, std::string>> ExceptionPairs(const std::vector<std::string>& listTexts);

// Word form tables over rows it owns: the exceptions given, sorted by form
// as RowsOf needs them; no Persian tables.
class CEnglishFormTables {
public:
    explicit CEnglishFormTables(std::vector<std::pair<std::string, std::string>> rows);
    CEnglishFormTables(const CEnglishFormTables&) = delete;
    CEnglishFormTables& operator=(const CEnglishFormTables&) = delete;

    const WordFormTables& Tables() const { return m_tables; }

private:
    std::vector<std::pair<std::string, std::string>> m_rows;
    std::vector<FormLemma> m_view;
    WordFormTables m_tables;
};

}  // namespace nira::datatool
