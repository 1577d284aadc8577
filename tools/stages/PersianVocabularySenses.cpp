#include "tools/stages/PersianVocabularySenses.h"

#include <algorithm>

#include "tools/PersianText.h"

namespace nira::datatool {

void AddPersianVocabularySenses(const std::vector<PersianVocabularyRow>& rows, HeadwordSenses& headwords,
                                BuildCounts& counts) {
    counts.persianVocabularyRows = rows.size();
    for (const PersianVocabularyRow& row : rows) {
        // One word or phrase, as parsing the row made sure.
        const PersianWord word = PersianWordsOfLemma(row.persian).front();
        PersianSenses& senses = headwords.persian[word.headword];
        for (const std::string& sense : row.senses) {
            if (std::find(senses.ownSenses.begin(), senses.ownSenses.end(), sense) == senses.ownSenses.end()) {
                senses.ownSenses.push_back(sense);
            }
        }
    }
}

}  // namespace nira::datatool
