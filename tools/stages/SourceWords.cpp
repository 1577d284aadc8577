#include "tools/stages/SourceWords.h"

#include <algorithm>

namespace nira::datatool {
namespace {

std::vector<WordList> WordsOfLines(const std::vector<WiktionaryLine>& lines, std::size_t& dropped) {
    std::vector<WordList> words(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (const std::u16string& translation : lines[i].translations) {
            AppendUnique(words[i], PersianWordsOfLemma(translation, &dropped));
        }
    }
    return words;
}

// Each distinct lemma once.
void AddLemma(std::unordered_map<std::string, WordList>& words, const std::string& lemma,
              std::size_t& dropped) {
    if (words.count(lemma) == 0) words.emplace(lemma, PersianWordsOfLemma(lemma, &dropped));
}

}  // namespace

const std::string& WordKey(const PersianWord& word) {
    return word.headword.empty() ? word.meaning : word.headword;
}

void AppendUnique(WordList& list, const WordList& words) {
    for (const PersianWord& word : words) {
        const bool known = std::any_of(list.begin(), list.end(), [&](const PersianWord& w) {
            return WordKey(w) == WordKey(word);
        });
        if (!known) list.push_back(word);
    }
}

const WordList& SourceWords::Of(const std::string& lemma) const {
    static const WordList kNone;
    const auto it = lemmaWords.find(lemma);
    return it == lemmaWords.end() ? kNone : it->second;
}

SourceWords WordsOfSources(const CWordNet& wordNet, const Sources& sources,
                           const std::vector<OmwLink>& links, BuildCounts& counts) {
    std::size_t& dropped = counts.persianWordsDropped;
    SourceWords words;
    words.lineWords = WordsOfLines(sources.wiktionary, dropped);
    for (const OmwLink& link : links) {
        if (wordNet.Find(link.synset) != nullptr) AddLemma(words.lemmaWords, link.lemma, dropped);
    }
    for (const VocabularyRow& row : sources.vocabulary) {
        for (const std::string& sense : row.senses) AddLemma(words.lemmaWords, sense, dropped);
    }
    for (const NamePair& name : sources.names) AddLemma(words.lemmaWords, name.persian, dropped);
    return words;
}

}  // namespace nira::datatool
