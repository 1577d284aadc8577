#include "tools/stages/EnglishMeanings.h"

#include <algorithm>
#include <utility>

#include "tools/CodePageText.h"

namespace nira::datatool {
namespace {

std::string PosAndText(const std::string& label, const std::string& text) {
    std::string bytes = EnglishBytes(label.empty() ? text : label + " " + text);
    HyphensToEnDash(bytes);
    return bytes;
}

std::vector<std::string> DefinitionSenses(const CWordNet& wordNet, const std::vector<WordSense>& senses) {
    std::vector<std::string> texts;
    for (const WordSense& sense : senses) {
        const Synset* synset = wordNet.Find(MakeSynsetId(sense.pos, sense.offset));
        texts.push_back(PosAndText(PosLabel(sense.pos), synset->definition));
    }
    return texts;
}

// Where WordNet lacks the word: our rows' notes, or else the glosses of
// the Wiktionary senses that gave no Persian ("the {article} (article)
// :: Not used in Persian"), each after its part of speech.
std::vector<std::string> NoteSenses(const SenseCatalog& catalog, const EnglishSenses& senses) {
    std::vector<std::string> texts;
    auto add = [&texts](const std::string& label, const std::string& note) {
        if (note.empty()) return;
        std::string text = PosAndText(label, note);
        if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(std::move(text));
    };
    for (std::size_t row : senses.vocabulary) {
        const VocabularyRow& source = catalog.sources.vocabulary[row];
        add(VocabularyPosLabel(source.pos), source.note);
    }
    if (!texts.empty()) return texts;
    for (std::size_t line : senses.lines) {
        const WiktionaryLine& source = catalog.sources.wiktionary[line];
        if (catalog.words.lineWords[line].empty()) {
            add(source.posTag.empty() ? "" : "(" + source.posTag + ")", source.gloss);
        }
    }
    return texts;
}

}  // namespace

EnglishMeanings MeaningsOfEnglishHeadwords(const SenseCatalog& catalog) {
    EnglishMeanings meanings;
    for (const auto& [headword, senses] : catalog.headwords.english) {
        EnglishMeaning meaning;
        meaning.persianSenses = PersianSenseTexts(PersianSenseWords(catalog, senses));
        meaning.definitions = senses.wordNet ? DefinitionSenses(catalog.wordNet, *senses.wordNet)
                                             : NoteSenses(catalog, senses);
        meanings.emplace_hint(meanings.end(), headword, std::move(meaning));
    }
    return meanings;
}

}  // namespace nira::datatool
