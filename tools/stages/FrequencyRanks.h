// Stage: the subtitle frequency list (tools/FrequencyList.h) against the
// built "persian" file. Each word goes where the lookup takes it (the
// headword itself, else the first of its word forms that is a headword,
// by the lookup's own English rules), so that an English headword gets
// the best rank of the words that show it (books → book), and the report
// tells, per rank band, how many of the words that are WordNet lemmas or
// forms of one show a Persian translation (a category hint does not
// count).
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "dict/WordForms.h"
#include "tools/BuiltDictionary.h"
#include "tools/WordNet.h"

namespace nira::datatool {

struct RankBand {
    int first = 0;
    int last = 0;
    std::size_t lemmaWords = 0;  // words that are WordNet lemmas or their forms
    std::size_t translated = 0;  // ... with a Persian translation
};

struct EnglishRanks {
    std::map<std::string, int> rankOf;  // headword → best rank (1 = most frequent)
    std::vector<RankBand> bands;
};

// lemmas: WordNet's (CWordNet::Lemmas). The bands: 1–10 000,
// 10 001–20 000, 20 001–40 000 and the rest of the list.
EnglishRanks RankEnglishHeadwords(const std::vector<std::string>& frequency, const BuiltDictionary& built,
                                  const std::map<std::string, std::vector<WordSense>>& lemmas,
                                  const WordFormTables& forms);

// The English headword a word of the list shows, or "" when none.
std::string HeadwordShown(const std::string& word, const std::map<std::string, const PlainEntry*>& entries,
                          const WordFormTables& forms);

}  // namespace nira::datatool
