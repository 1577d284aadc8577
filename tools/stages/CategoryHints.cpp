#include "tools/stages/CategoryHints.h"

#include <algorithm>
#include <optional>

#include "tools/PersianText.h"

namespace nira::datatool {
namespace {

const std::u16string kKindOf = u"\u0646\u0648\u0639\u06CC ";  // "a kind of"

const WordSense* FirstNounSense(const EnglishSenses& senses) {
    if (senses.wordNet == nullptr) return nullptr;
    const auto first = std::find_if(senses.wordNet->begin(), senses.wordNet->end(),
                                    [](const WordSense& sense) { return sense.pos == kNoun; });
    return first == senses.wordNet->end() ? nullptr : &*first;
}

const PersianWord* FirstWordOf(const SenseCatalog& catalog, const std::string& lemma) {
    const WordList& words = catalog.words.Of(lemma);
    return words.empty() ? nullptr : &words[0];
}

// Our vocabulary's noun row, or else a CLDR name, of a headword.
const PersianWord* OurNounWord(const SenseCatalog& catalog, const EnglishSenses& senses) {
    for (std::size_t row : senses.vocabulary) {
        const VocabularyRow& vocabulary = catalog.sources.vocabulary[row];
        if (vocabulary.pos != "n") continue;
        if (const PersianWord* word = FirstWordOf(catalog, vocabulary.senses[0])) return word;
    }
    for (std::size_t name : senses.names) {
        const PersianWord* word = FirstWordOf(catalog, catalog.sources.names[name].persian);
        if (word != nullptr) return word;
    }
    return nullptr;
}

// The first Persian word of a synset from a curated link, or else from
// our vocabulary's noun row (or a CLDR name) of its first word when that
// word's first noun sense is this synset.
const PersianWord* CuratedWordOf(const SenseCatalog& catalog, SynsetId id) {
    const auto curated = catalog.synsets.curatedWords.find(id);
    if (curated != catalog.synsets.curatedWords.end() && !curated->second.empty()) {
        return &curated->second[0];
    }
    const Synset* synset = catalog.wordNet.Find(id);
    if (synset == nullptr || synset->words.empty()) return nullptr;
    const auto english = catalog.headwords.english.find(EnglishHeadwordOf(synset->words[0]));
    if (english == catalog.headwords.english.end()) return nullptr;
    const WordSense* first = FirstNounSense(english->second);
    if (first == nullptr || MakeSynsetId(kNoun, first->offset) != id) return nullptr;
    return OurNounWord(catalog, english->second);
}

}  // namespace

bool IsHintText(const std::string& persian) {
    static const std::string kPrefix = *PersianMeaningBytes(kKindOf);
    return persian.compare(0, kPrefix.size(), kPrefix) == 0;
}

const PersianWord* HintWord(const SenseCatalog& catalog, const EnglishSenses& senses) {
    const WordSense* first = FirstNounSense(senses);
    if (first == nullptr) return nullptr;
    for (uint32_t hypernym : catalog.wordNet.Find(MakeSynsetId(kNoun, first->offset))->hypernyms) {
        if (const PersianWord* word = CuratedWordOf(catalog, MakeSynsetId(kNoun, hypernym))) return word;
    }
    return nullptr;
}

void AddCategoryHints(const SenseCatalog& catalog, EnglishMeanings& meanings) {
    for (auto& [headword, meaning] : meanings) {
        if (!meaning.persianSenses.empty()) continue;
        const PersianWord* word = HintWord(catalog, catalog.headwords.english.at(headword));
        if (word == nullptr || catalog.sources.review.OfHint(headword, WordKey(*word)) != Verdict::kKeep) continue;
        meaning.hint = *PersianMeaningBytes(kKindOf) + word->meaning;
    }
}

}  // namespace nira::datatool
