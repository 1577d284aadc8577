#include "tools/DictionaryBuild.h"

#include <algorithm>

#include "dict/Collation.h"
#include "tools/stages/CategoryHints.h"
#include "tools/stages/EnglishEntries.h"
#include "tools/stages/EnglishMeanings.h"
#include "tools/stages/LemmaPersian.h"
#include "tools/stages/LinkJudging.h"
#include "tools/stages/NameSenses.h"
#include "tools/stages/PersianEntries.h"
#include "tools/stages/PersianSpellings.h"
#include "tools/stages/PersianVocabularySenses.h"
#include "tools/stages/SenseCatalog.h"
#include "tools/stages/SourceHeadwords.h"
#include "tools/stages/SourceWords.h"
#include "tools/stages/SynsetLinks.h"
#include "tools/stages/VocabularySenses.h"

namespace nira::datatool {
namespace {

const unsigned char* Bytes(const std::string& text) {
    return reinterpret_cast<const unsigned char*>(text.c_str());
}

}  // namespace

// The stages in order: each reads what the ones before it made.
BuiltDictionary BuildDictionary(const CWordNet& wordNet, const Sources& sources,
                                const WordFormTables* forms,
                                const std::function<void(const SenseCatalog&)>& inspect) {
    BuiltDictionary built;
    BuildCounts& counts = built.counts;
    const std::vector<OmwLink> links = SynsetLinks(wordNet, sources, counts);
    const SourceWords words = WordsOfSources(wordNet, sources, links, counts);
    HeadwordSenses headwords = SourceHeadwords(wordNet, sources.wiktionary, words, counts);
    const LinkedSynsets synsets = JudgeLinks(wordNet, sources, links, words, headwords, counts);
    AddVocabularySenses(sources.vocabulary, words, headwords, counts);
    AddNameSenses(wordNet, sources.names, sources.review, words, headwords, counts);
    AddPersianVocabularySenses(sources.persianVocabulary, headwords, counts);
    MergeFoldedSpellings(headwords, counts);

    const SenseCatalog catalog{wordNet, sources, words, synsets, headwords};
    if (inspect) inspect(catalog);
    EnglishMeanings meanings = MeaningsOfEnglishHeadwords(catalog);
    AddLemmaPersian(catalog, forms, meanings, counts);
    AddFormHeadwords(catalog, forms, meanings, counts);
    AddCategoryHints(catalog, meanings);
    built.englishHeadwords = EnglishEntries(meanings, counts);
    built.persianHeadwords = PersianEntries(wordNet, sources.wiktionary, headwords, counts);
    SortByHeadword(built.englishHeadwords);
    SortByHeadword(built.persianHeadwords);
    return built;
}

void SortByHeadword(std::vector<PlainEntry>& entries) {
    std::sort(entries.begin(), entries.end(), [](const PlainEntry& a, const PlainEntry& b) {
        return CompareHeadword(Bytes(a.headword), Bytes(b.headword)) < 0;
    });
}

}  // namespace nira::datatool
