#include "tools/stages/VocabularySenses.h"

#include "dict/Constants.h"

namespace nira::datatool {
namespace {

void AddEquivalents(const VocabularyRow& row, const SourceWords& words, HeadwordSenses& headwords) {
    for (const std::string& sense : row.senses) {
        for (const PersianWord& word : words.Of(sense)) {
            if (word.headword.empty()) continue;
            PersianSenses& persian = headwords.persian[word.headword];
            persian.fromVocabulary = true;
            if (persian.AddWord(row.english)) ++persian.vocabularyWords;
        }
    }
}

}  // namespace

void AddVocabularySenses(const std::vector<VocabularyRow>& rows, const SourceWords& words,
                         HeadwordSenses& headwords, BuildCounts& counts) {
    counts.vocabularyRows = rows.size();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string headword = EnglishHeadwordOf(rows[i].english);
        if (headword.empty() || headword.size() > static_cast<std::size_t>(kMaxHeadwordBytes)) {
            ++counts.vocabularySkipped;
            continue;
        }
        EnglishSenses& english = headwords.english[headword];
        if (english.wordNet == nullptr && english.lines.empty() && english.vocabulary.empty()) {
            ++counts.vocabularyOnly;
        }
        english.vocabulary.push_back(i);
        AddEquivalents(rows[i], words, headwords);
    }
}

}  // namespace nira::datatool
