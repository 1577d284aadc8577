#include "tools/LinkScore.h"

#include <algorithm>
#include <cctype>

namespace nira::datatool {
namespace {

struct LinkWeight {
    bool LinkEvidence::*evidence;
    int weight;
};

// Set by reading links of each kind by hand: a link that a curated list
// backs for the lemma's main sense, or whose word recurs on a neighbour
// synset, is right nine times in ten; a link with neither is right about
// four times in five, not enough for a reader who trusts the word; a word
// that people gave only for other meanings, or that the machine spread
// over many synsets, is most often one of the wrong ones.
constexpr LinkWeight kLinkWeights[] = {
    {&LinkEvidence::curatedForFirstSense, 3},
    {&LinkEvidence::linkedToNeighbour, 3},
    {&LinkEvidence::curatedForOtherSense, 1},
    {&LinkEvidence::spreadWide, -1},
    {&LinkEvidence::curatedOnlyElsewhere, -2},
};

std::string LowerAscii(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

int PosOfSynset(SynsetId synset) { return static_cast<int>(synset >> 32); }

}  // namespace

int LinkScore(const LinkEvidence& evidence) {
    int score = 0;
    for (const LinkWeight& row : kLinkWeights) {
        if (evidence.*row.evidence) score += row.weight;
    }
    return score;
}

LinkVerdict JudgeLink(const LinkEvidence& evidence) {
    if (evidence.curatedForSynset || evidence.curatedForSoleSense) return LinkVerdict::Confirmed;
    return LinkScore(evidence) >= kKeepThreshold ? LinkVerdict::Kept : LinkVerdict::Dropped;
}

void CLinkJudge::AddCuratedForSynset(SynsetId synset, const std::string& key) {
    if (m_curatedSynsetWords.insert({synset, key}).second) ++m_curatedUses[key];
    m_linked.insert({synset, key});
}

void CLinkJudge::AddCuratedForLemma(const std::string& lemma, int pos, const std::string& key) {
    if (m_curatedLemmaWords[{LowerAscii(lemma), pos}].insert(key).second) ++m_curatedUses[key];
}

void CLinkJudge::AddAutomatic(SynsetId synset, const std::string& key) {
    if (m_linked.insert({synset, key}).second) ++m_automaticSynsets[key];
}

bool CLinkJudge::CuratedForLemma(const std::string& lemma, int pos, const std::string& key) const {
    for (int p : {pos, -1}) {
        const auto it = m_curatedLemmaWords.find({lemma, p});
        if (it != m_curatedLemmaWords.end() && it->second.count(key)) return true;
    }
    return false;
}

void CLinkJudge::LemmaEvidence(SynsetId synset, const std::string& key,
                               LinkEvidence& evidence) const {
    const Synset* found = m_wordNet.Find(synset);
    if (found == nullptr) return;
    const int pos = PosOfSynset(synset);
    for (const std::string& word : found->words) {
        const std::string lemma = LowerAscii(word);
        if (!CuratedForLemma(lemma, pos, key)) continue;
        const auto senses = m_wordNet.Lemmas().find(lemma);
        if (senses == m_wordNet.Lemmas().end()) continue;
        int ofThisKind = 0;
        bool first = false;
        for (const WordSense& sense : senses->second) {
            if (sense.pos != pos) continue;
            if (ofThisKind++ == 0) first = MakeSynsetId(sense.pos, sense.offset) == synset;
        }
        if (ofThisKind == 1 && first) evidence.curatedForSoleSense = true;
        else if (first) evidence.curatedForFirstSense = true;
        else evidence.curatedForOtherSense = true;
    }
}

LinkEvidence CLinkJudge::Evidence(SynsetId synset, const std::string& key) const {
    LinkEvidence evidence;
    evidence.curatedForSynset = m_curatedSynsetWords.count({synset, key}) > 0;
    LemmaEvidence(synset, key, evidence);
    if (const Synset* found = m_wordNet.Find(synset)) {
        evidence.linkedToNeighbour = std::any_of(
            found->neighbours.begin(), found->neighbours.end(),
            [&](SynsetId n) { return m_linked.count({n, key}) > 0; });
    }
    const auto spread = m_automaticSynsets.find(key);
    evidence.spreadWide = spread != m_automaticSynsets.end() && spread->second >= kWideSpreadSynsets;
    const bool curatedHere = evidence.curatedForSynset || evidence.curatedForSoleSense ||
                             evidence.curatedForFirstSense || evidence.curatedForOtherSense;
    evidence.curatedOnlyElsewhere = !curatedHere && m_curatedUses.count(key) > 0;
    return evidence;
}

}  // namespace nira::datatool
