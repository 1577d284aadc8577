#include "tools/stages/PersianEntries.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "present/Constants.h"
#include "tools/CodePageText.h"
#include "tools/SourceFile.h"
#include "tools/Senses.h"

namespace nira::datatool {
namespace {

const std::string kEnglishSenseSeparator = "; ";

// Order of a Persian headword's senses: curated first, then the more often
// met English sense, then Wiktionary before WordNet, then source order.
struct PersianSenseRank {
    int group;   // 0 curated, 1 automatic
    int weight;  // tagged occurrences
    int kind;    // 0 Wiktionary line, 1 synset
    uint64_t order;
    bool operator<(const PersianSenseRank& o) const {
        return std::tie(group, o.weight, kind, order) < std::tie(o.group, weight, o.kind, o.order);
    }
};

// Whether an English word of our English→Persian rows stands already as an
// equivalent in our own senses of the Persian word.
bool InOwnSenses(const std::string& word, const std::vector<std::string>& ownSenses) {
    for (const std::string& sense : ownSenses) {
        for (const std::string& equivalent : SplitAt(sense, ", ")) {
            if (equivalent == word) return true;
        }
    }
    return false;
}

using RankedTexts = std::vector<std::pair<PersianSenseRank, std::string>>;

class CPersianEntries {
public:
    CPersianEntries(const CWordNet& wordNet, const std::vector<WiktionaryLine>& lines)
        : m_wordNet(wordNet), m_lines(lines) {}

    PlainEntry Entry(const std::string& headword, const PersianSenses& senses, BuildCounts& counts) const {
        RankedTexts ranked = Ranked(senses);
        std::vector<std::string> texts;
        for (const std::string& sense : senses.ownSenses) texts.push_back(EnglishBytes(sense));
        for (const std::string& word : senses.words) {
            if (!InOwnSenses(word, senses.ownSenses)) texts.push_back(EnglishBytes(word));
        }
        for (auto& item : ranked) texts.push_back(std::move(item.second));
        std::size_t kept = 0;
        PlainEntry entry{headword, {}, JoinSenses(texts, kEnglishSenseSeparator, kMaxPaneTextBytes, &kept)};
        if (kept < texts.size()) ++counts.meaningsCut;
        return entry;
    }

private:
    RankedTexts Ranked(const PersianSenses& senses) const {
        RankedTexts ranked;
        for (std::size_t line : senses.lines) {
            ranked.push_back({{0, LineWeight(line), 0, line}, LineText(line)});
        }
        for (const auto& [id, curated] : senses.synsets) {
            ranked.push_back({{curated ? 0 : 1, m_wordNet.Find(id)->tagCount, 1, id}, SynsetText(id)});
        }
        std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        return ranked;
    }

    // How often the line's English word is met in its part of speech.
    int LineWeight(std::size_t line) const {
        const WiktionaryLine& source = m_lines[line];
        const auto lemma = m_wordNet.Lemmas().find(EnglishHeadwordOf(source.headword));
        int weight = 0;
        if (lemma == m_wordNet.Lemmas().end()) return weight;
        for (const WordSense& sense : lemma->second) {
            if (source.pos < 0 || sense.pos == source.pos) weight = std::max(weight, sense.tagCount);
        }
        return weight;
    }

    std::string SynsetText(SynsetId id) const {
        const Synset* synset = m_wordNet.Find(id);
        std::string text;
        for (const std::string& word : synset->words) {
            if (!text.empty()) text += ", ";
            text += word;
        }
        if (!synset->definition.empty()) text += ": " + synset->definition;
        return EnglishBytes(text);
    }

    std::string LineText(std::size_t line) const {
        const WiktionaryLine& source = m_lines[line];
        return EnglishBytes(source.gloss.empty() ? source.headword : source.headword + ": " + source.gloss);
    }

    const CWordNet& m_wordNet;
    const std::vector<WiktionaryLine>& m_lines;
};

void CountVocabulary(const PersianSenses& senses, BuildCounts& counts) {
    if (!senses.ownSenses.empty()) ++counts.persianFromOwnVocabulary;
    if (!senses.fromVocabulary) return;
    ++counts.persianFromVocabulary;
    if (senses.synsets.empty() && senses.lines.empty() && senses.words.size() == senses.vocabularyWords) {
        ++counts.persianOnlyFromVocabulary;
    }
}

}  // namespace

std::vector<PlainEntry> PersianEntries(const CWordNet& wordNet, const std::vector<WiktionaryLine>& lines,
                                       const HeadwordSenses& headwords, BuildCounts& counts) {
    const CPersianEntries composer(wordNet, lines);
    std::vector<PlainEntry> entries;
    for (const auto& [headword, senses] : headwords.persian) {
        entries.push_back(composer.Entry(headword, senses, counts));
        CountVocabulary(senses, counts);
    }
    return entries;
}

}  // namespace nira::datatool
