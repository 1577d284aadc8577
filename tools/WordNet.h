// The parts of the WordNet 3.0 database the data build uses: every lemma
// with its senses in WordNet's order, each synset's words and definition,
// and how often each sense was met in the tagged texts (index.sense).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace nira::datatool {

// Parts of speech in the order WordNet lists a word's senses.
enum WordNetPos : int { kNoun = 0, kVerb = 1, kAdjective = 2, kAdverb = 3, kPosCount = 4 };

// "n", "v", "a" / "s" (satellites live in data.adj), "r"; -1 otherwise.
int PosOfLetter(char letter);
const char* PosLabel(int pos);  // "(n.)", "(v.)", "(adj.)", "(adv.)"

using SynsetId = uint64_t;
inline SynsetId MakeSynsetId(int pos, uint32_t offset) {
    return (static_cast<uint64_t>(pos) << 32) | offset;
}

struct Synset {
    std::vector<std::string> words;  // as the data file writes them, '_' as space
    std::string definition;          // the gloss without its examples (UTF-8)
    std::vector<uint32_t> hypernyms; // noun offsets of its direct hypernyms (@; not the
                                     // instance links @i: a person is no kind of singer)
    int tagCount = 0;                // tagged occurrences of all its senses
    std::vector<SynsetId> neighbours;  // hypernyms, hyponyms, similar and see-also synsets ...
};

struct WordSense {
    int pos = kNoun;
    uint32_t offset = 0;
    int tagCount = 0;   // of this lemma in this synset
};

// The definition part of a gloss: what stands before its first quoted
// example, without the separators that led to it.
std::string GlossDefinition(const std::string& gloss);

// One line of a data.POS file: offset, words, close neighbours and gloss;
// false for the licence lines and anything malformed.
bool ParseDataLine(const std::string& line, uint32_t& offset, Synset& synset);

// Whether a pointer symbol of a data line joins two synsets of nearly the
// same meaning: hypernym and hyponym (also of instances), similar to, see
// also, verb group, entailment.
bool IsNeighbourPointer(const std::string& symbol);

class CWordNet {
public:
    // Reads dictDir/{index,data}.{noun,verb,adj,adv} and index.sense.
    // Throws std::runtime_error naming a file that is missing.
    void Load(const std::string& dictDir);

    const Synset* Find(SynsetId id) const;

    // Lemma (lower case, '_' as space) to its senses in WordNet's order:
    // nouns, verbs, adjectives, adverbs, each in index order.
    const std::map<std::string, std::vector<WordSense>>& Lemmas() const { return m_lemmas; }

private:
    void LoadData(const std::string& path, int pos);
    void LoadIndex(const std::string& path, int pos);
    void LoadSenseCounts(const std::string& path);

    std::unordered_map<SynsetId, Synset> m_synsets;
    std::map<std::string, std::vector<WordSense>> m_lemmas;
    std::unordered_map<std::string, int> m_senseTags;  // "lemma pos offset"
};

}  // namespace nira::datatool
