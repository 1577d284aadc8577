#include "tools/stages/SenseCatalog.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <utility>

namespace nira::datatool {
namespace {

const std::string kWordSeparator = "\xA1 ";  // Arabic comma (،) and a space

// Senses with the flag: whether a word of theirs is confirmed.
using FlaggedLists = std::vector<std::pair<bool, WordList>>;

class CSenseOrder {
public:
    CSenseOrder(const SenseCatalog& catalog, const std::vector<int>* parts)
        : m_catalog(catalog), m_parts(parts) {}

    std::vector<WordList> Of(const EnglishSenses& senses) {
        AddVocabulary(senses);
        AddWordNet(senses, true);
        AddWiktionary(senses);
        AddNames(senses);
        AddWordNet(senses, false);
        std::stable_partition(m_lists.begin(), m_lists.end(), [](const auto& l) { return l.first; });
        std::vector<WordList> ordered;
        for (auto& item : m_lists) ordered.push_back(std::move(item.second));
        return ordered;
    }

private:
    bool Wanted(int pos) const {
        return m_parts == nullptr || m_parts->empty() ||
               std::find(m_parts->begin(), m_parts->end(), pos) != m_parts->end();
    }

    void AddLemma(const std::string& lemma) {
        const WordList& words = m_catalog.words.Of(lemma);
        if (!words.empty()) m_lists.push_back({true, words});
    }

    void AddVocabulary(const EnglishSenses& senses) {
        for (std::size_t row : senses.vocabulary) {
            const VocabularyRow& source = m_catalog.sources.vocabulary[row];
            if (!Wanted(WordNetPosOfTag(source.pos))) continue;
            for (const std::string& sense : source.senses) AddLemma(sense);
        }
    }

    // The tagged senses by count (WordNet's order among equal counts), or
    // the untagged ones in WordNet's order.
    void AddWordNet(const EnglishSenses& senses, bool tagged) {
        if (senses.wordNet == nullptr) return;
        std::vector<WordSense> chosen;
        std::copy_if(senses.wordNet->begin(), senses.wordNet->end(), std::back_inserter(chosen),
                     [&](const WordSense& s) { return (s.tagCount > 0) == tagged && Wanted(s.pos); });
        if (tagged) {
            std::stable_sort(chosen.begin(), chosen.end(),
                             [](const WordSense& a, const WordSense& b) { return a.tagCount > b.tagCount; });
        }
        for (const WordSense& sense : chosen) AddSynset(MakeSynsetId(sense.pos, sense.offset));
    }

    void AddSynset(SynsetId id) {
        const auto it = m_catalog.synsets.words.find(id);
        if (it == m_catalog.synsets.words.end() || it->second.empty()) return;
        m_lists.push_back({m_catalog.synsets.confirmed.count(id) > 0, it->second});
    }

    void AddWiktionary(const EnglishSenses& senses) {
        for (std::size_t line : senses.lines) {
            if (!Wanted(m_catalog.sources.wiktionary[line].pos)) continue;
            const WordList& words = m_catalog.words.lineWords[line];
            if (!words.empty()) m_lists.push_back({true, words});
        }
    }

    void AddNames(const EnglishSenses& senses) {
        for (std::size_t name : senses.names) {
            if (Wanted(kNoun)) AddLemma(m_catalog.sources.names[name].persian);
        }
    }

    const SenseCatalog& m_catalog;
    const std::vector<int>* m_parts;
    FlaggedLists m_lists;
};

}  // namespace

std::vector<WordList> PersianSenseWords(const SenseCatalog& catalog, const EnglishSenses& senses,
                                        const std::vector<int>* parts) {
    return CSenseOrder(catalog, parts).Of(senses);
}

std::vector<std::string> PersianSenseTexts(const std::vector<WordList>& lists) {
    std::set<std::string> shown;
    std::vector<std::string> texts;
    for (const WordList& words : lists) {
        bool adds = false;
        for (const PersianWord& word : words) adds = shown.insert(WordKey(word)).second || adds;
        if (!adds) continue;
        std::string text;
        for (const PersianWord& word : words) {
            if (!text.empty()) text += kWordSeparator;
            text += word.meaning;
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

}  // namespace nira::datatool
