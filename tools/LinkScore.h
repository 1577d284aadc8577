// Which automatic links between a WordNet synset and a Persian word the
// data build keeps. The Persian WordNet's links were made by machine and
// are often wrong (a word of another sense of an ambiguous English lemma,
// a homograph); a reader trusts a Persian word, so a link is kept only
// when the data confirms it or enough other evidence speaks for it.
//
// Evidence and weights are one table (kLinkWeights in LinkScore.cpp);
// the score is their sum and a link is kept when it reaches
// kKeepThreshold. Curated links (people's work) are never judged.
#pragma once

#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>

#include "tools/WordNet.h"

namespace nira::datatool {

// What the data holds about one automatic (synset, Persian word) link.
struct LinkEvidence {
    bool curatedForSynset = false;         // a curated list gives the word for this synset
    bool curatedForSoleSense = false;      // ... for a lemma whose only sense of its kind this is
    bool curatedForFirstSense = false;     // ... for a lemma whose first sense this is
    bool curatedForOtherSense = false;     // ... for a lemma of the synset, first sense elsewhere
    bool linkedToNeighbour = false;        // the word is linked to a hypernym, hyponym, similar ...
    bool spreadWide = false;               // linked automatically to many synsets
    bool curatedOnlyElsewhere = false;     // the word has curated uses, none of them here
};

enum class LinkVerdict { Confirmed, Kept, Dropped };

constexpr int kKeepThreshold = 3;
constexpr int kWideSpreadSynsets = 5;

// The sum of the weights of the evidence present.
int LinkScore(const LinkEvidence& evidence);

// Confirmed when a curated list gives the same word for the synset or for
// a lemma that has no other sense of its kind; else kept or dropped by
// the score.
LinkVerdict JudgeLink(const LinkEvidence& evidence);

// Gathers the evidence over all links and curated lists. Words are given
// by their key: the headword bytes of the word (its meaning bytes when it
// cannot be a headword).
class CLinkJudge {
public:
    explicit CLinkJudge(const CWordNet& wordNet) : m_wordNet(wordNet) {}

    void AddCuratedForSynset(SynsetId synset, const std::string& key);
    // pos is a WordNetPos, or -1 when the list does not say.
    void AddCuratedForLemma(const std::string& lemma, int pos, const std::string& key);
    void AddAutomatic(SynsetId synset, const std::string& key);

    LinkEvidence Evidence(SynsetId synset, const std::string& key) const;
    LinkVerdict Judge(SynsetId synset, const std::string& key) const {
        return JudgeLink(Evidence(synset, key));
    }

private:
    void LemmaEvidence(SynsetId synset, const std::string& key, LinkEvidence& evidence) const;
    bool CuratedForLemma(const std::string& lemma, int pos, const std::string& key) const;

    const CWordNet& m_wordNet;
    std::set<std::pair<SynsetId, std::string>> m_curatedSynsetWords;
    std::set<std::pair<SynsetId, std::string>> m_linked;  // curated and automatic
    std::map<std::pair<std::string, int>, std::set<std::string>> m_curatedLemmaWords;
    std::unordered_map<std::string, int> m_automaticSynsets;   // per word
    std::unordered_map<std::string, int> m_curatedUses;        // per word
};

}  // namespace nira::datatool
