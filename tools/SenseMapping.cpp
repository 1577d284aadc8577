#include "tools/SenseMapping.h"

#include <algorithm>
#include <set>

namespace nira::datatool {
namespace {

// Words that glosses and definitions share without sharing a meaning.
const std::set<std::string> kFunctionWords = {
    "a", "about", "act", "an", "and", "any", "are", "as", "at", "be", "being", "by", "can",
    "especially", "for", "from", "having", "in", "into", "is", "it", "its", "kind", "make",
    "not", "of", "on", "one", "or", "other", "person", "quality", "relating", "some",
    "someone", "something", "state", "that", "the", "their", "thi", "thing", "to", "type",
    "used", "usually", "very", "which", "who", "with"};

// Minimum score, and how many times the runner-up's, for a clear match.
constexpr int kMinGlossScore = 2;
constexpr int kLeadFactor = 2;

std::string LowerAscii(const std::string& text) {
    std::string lower;
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return std::string();
        lower.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return lower;
}

}  // namespace

std::vector<std::string> ContentWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    auto flush = [&] {
        if (word.size() > 3 && word.back() == 's') word.pop_back();
        if (!word.empty() && kFunctionWords.count(word) == 0 &&
            std::find(words.begin(), words.end(), word) == words.end()) {
            words.push_back(word);
        }
        word.clear();
    };
    for (char c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c >= 'a' && c <= 'z') {
            word.push_back(c);
        } else {
            flush();
        }
    }
    flush();
    return words;
}

int GlossScore(const std::string& gloss, const std::string& headword, const Synset& synset) {
    const std::vector<std::string> own = ContentWords(headword);
    std::set<std::string> known;
    for (const std::string& w : ContentWords(synset.definition)) known.insert(w);
    int score = 0;
    const std::string lowerGloss = LowerAscii(gloss);
    for (const std::string& synonym : synset.words) {
        const std::string lower = LowerAscii(synonym);
        if (lower == LowerAscii(headword)) continue;
        for (const std::string& w : ContentWords(lower)) known.insert(w);
        if (!lowerGloss.empty() && lower == lowerGloss) score += 3;
    }
    for (const std::string& w : ContentWords(gloss)) {
        if (std::find(own.begin(), own.end(), w) == own.end() && known.count(w) > 0) ++score;
    }
    return score;
}

std::vector<SenseMatch> MatchWiktionarySenses(const CWordNet& wordNet,
                                              const std::vector<WiktionaryLine>& lines) {
    std::vector<SenseMatch> matches;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const WiktionaryLine& line = lines[i];
        if (line.pos < 0 || line.translations.empty()) continue;
        const auto lemma = wordNet.Lemmas().find(LowerAscii(line.headword));
        if (lemma == wordNet.Lemmas().end()) continue;
        // Only synsets that write the word as the line does: "ney" (the
        // flute) is not Marshal Ney, WordNet's only noun "ney".
        std::vector<SynsetId> candidates;
        for (const WordSense& sense : lemma->second) {
            const SynsetId id = MakeSynsetId(sense.pos, sense.offset);
            const Synset* synset = wordNet.Find(id);
            if (sense.pos == line.pos && synset != nullptr &&
                std::find(synset->words.begin(), synset->words.end(), line.headword) != synset->words.end()) {
                candidates.push_back(id);
            }
        }
        if (candidates.size() == 1) {
            matches.push_back({i, candidates[0], false});
            continue;
        }
        int best = 0;
        int second = 0;
        SynsetId chosen = 0;
        for (SynsetId id : candidates) {
            const int score = GlossScore(line.gloss, line.headword, *wordNet.Find(id));
            if (score > best) {
                second = best;
                best = score;
                chosen = id;
            } else {
                second = std::max(second, score);
            }
        }
        if (best >= kMinGlossScore && best >= kLeadFactor * second + 1) matches.push_back({i, chosen, true});
    }
    return matches;
}

}  // namespace nira::datatool
