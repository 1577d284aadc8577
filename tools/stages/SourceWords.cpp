#include "tools/stages/SourceWords.h"

#include <algorithm>

namespace nira::datatool {
namespace {

// A lemma's words, each as our editors write it where they mended a
// source's spelling.
template <typename Text>
WordList WordsOf(const Text& lemma, const CEditorReview& review, std::size_t& dropped) {
    WordList words;
    for (PersianWord& word : PersianWordsOfLemma(lemma, &dropped)) {
        const std::string* respelled = review.RespellingOf(WordKey(word));
        AppendUnique(words, respelled != nullptr ? PersianWordsOfLemma(*respelled) : WordList{std::move(word)});
    }
    return words;
}

// Each line's words but those our editors dropped from it.
std::vector<WordList> WordsOfLines(const std::vector<WiktionaryLine>& lines, const CEditorReview& review,
                                   std::size_t& dropped) {
    std::vector<WordList> words(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (const std::u16string& translation : lines[i].translations) {
            for (const PersianWord& word : WordsOf(translation, review, dropped)) {
                if (review.OfLine(lines[i].lineNumber, WordKey(word)) != Verdict::kDrop) {
                    AppendUnique(words[i], {word});
                }
            }
        }
    }
    return words;
}

// Each distinct lemma once.
void AddLemma(std::unordered_map<std::string, WordList>& words, const std::string& lemma,
              const CEditorReview& review, std::size_t& dropped) {
    if (words.count(lemma) == 0) words.emplace(lemma, WordsOf(lemma, review, dropped));
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
    const CEditorReview& review = sources.review;
    words.lineWords = WordsOfLines(sources.wiktionary, review, dropped);
    for (const OmwLink& link : links) {
        if (wordNet.Find(link.synset) != nullptr) AddLemma(words.lemmaWords, link.lemma, review, dropped);
    }
    for (const VocabularyRow& row : sources.vocabulary) {
        for (const std::string& sense : row.senses) AddLemma(words.lemmaWords, sense, review, dropped);
    }
    for (const NamePair& name : sources.names) AddLemma(words.lemmaWords, name.persian, review, dropped);
    return words;
}

}  // namespace nira::datatool
