#include "tools/WordNet.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "tools/SourceFile.h"

namespace nira::datatool {
namespace {

const char* const kPosFileNames[kPosCount] = {"noun", "verb", "adj", "adv"};
const char* const kPosLabels[kPosCount] = {"(n.)", "(v.)", "(adj.)", "(adv.)"};
const char kPosLetters[kPosCount] = {'n', 'v', 'a', 'r'};

// Sense keys write the synset type as a digit: 1 n, 2 v, 3 a, 4 r, 5 s.
int PosOfSenseKeyDigit(char digit) {
    switch (digit) {
        case '1': return kNoun;
        case '2': return kVerb;
        case '3': case '5': return kAdjective;
        case '4': return kAdverb;
        default: return -1;
    }
}

std::vector<std::string> Tokens(const std::string& text) {
    std::vector<std::string> tokens;
    std::istringstream in(text);
    std::string token;
    while (in >> token) tokens.push_back(token);
    return tokens;
}

bool ParseOffset(const std::string& token, uint32_t& offset) {
    if (token.size() != 8 || !std::all_of(token.begin(), token.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    offset = static_cast<uint32_t>(std::strtoul(token.c_str(), nullptr, 10));
    return true;
}

std::string SpacedLemma(std::string lemma) {
    std::replace(lemma.begin(), lemma.end(), '_', ' ');
    return lemma;
}

// "galore(ip)" → "galore": the adjective position markers of data.adj.
std::string WordOfDataFile(std::string word) {
    if (!word.empty() && word.back() == ')') {
        const std::size_t open = word.rfind('(');
        if (open != std::string::npos && open > 0) word.erase(open);
    }
    return SpacedLemma(word);
}

std::string SenseTagKey(const std::string& lemma, int pos, uint32_t offset) {
    return lemma + ' ' + kPosLetters[pos] + ' ' + std::to_string(offset);
}

}  // namespace

int PosOfLetter(char letter) {
    switch (letter) {
        case 'n': return kNoun;
        case 'v': return kVerb;
        case 'a': case 's': return kAdjective;
        case 'r': return kAdverb;
        default: return -1;
    }
}

const char* PosLabel(int pos) {
    return pos >= 0 && pos < kPosCount ? kPosLabels[pos] : "";
}

std::string GlossDefinition(const std::string& gloss) {
    std::string text = gloss.substr(0, gloss.find("; \""));
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    text.erase(0, first);
    while (!text.empty() && (text.back() == ' ' || text.back() == ';')) text.pop_back();
    return text;
}

bool IsNeighbourPointer(const std::string& symbol) {
    static const char* const kSymbols[] = {"@", "@i", "~", "~i", "&", "^", "$", "*"};
    return std::any_of(std::begin(kSymbols), std::end(kSymbols),
                       [&](const char* s) { return symbol == s; });
}

bool ParseDataLine(const std::string& line, uint32_t& offset, Synset& synset) {
    if (line.empty() || line[0] == ' ') return false;
    const std::size_t bar = line.find(" | ");
    const std::vector<std::string> head = Tokens(line.substr(0, bar));
    if (head.size() < 4 || !ParseOffset(head[0], offset)) return false;
    const std::size_t count = std::strtoul(head[3].c_str(), nullptr, 16);
    if (head.size() < 4 + 2 * count) return false;
    synset.words.clear();
    for (std::size_t i = 0; i < count; ++i) synset.words.push_back(WordOfDataFile(head[4 + 2 * i]));
    synset.hypernyms.clear();
    synset.neighbours.clear();
    // Pointers follow the words: count, then "symbol offset pos source/target".
    const std::size_t pointerStart = 4 + 2 * count;
    const std::size_t pointers = head.size() > pointerStart ? std::strtoul(head[pointerStart].c_str(), nullptr, 10) : 0;
    for (std::size_t i = 0; i < pointers && pointerStart + 4 * i + 4 < head.size(); ++i) {
        const std::size_t at = pointerStart + 1 + 4 * i;
        uint32_t target = 0;
        if (!ParseOffset(head[at + 1], target)) continue;
        if (head[at] == "@" && head[at + 2] == "n") synset.hypernyms.push_back(target);
        const int pos = head[at + 2].size() == 1 ? PosOfLetter(head[at + 2][0]) : -1;
        if (IsNeighbourPointer(head[at]) && pos >= 0) synset.neighbours.push_back(MakeSynsetId(pos, target));
    }
    synset.definition = bar == std::string::npos ? std::string() : GlossDefinition(line.substr(bar + 3));
    return true;
}

void CWordNet::Load(const std::string& dictDir) {
    for (int pos = 0; pos < kPosCount; ++pos) {
        LoadData(JoinPath(dictDir, std::string("data.") + kPosFileNames[pos]), pos);
    }
    LoadSenseCounts(JoinPath(dictDir, "index.sense"));
    for (int pos = 0; pos < kPosCount; ++pos) {
        LoadIndex(JoinPath(dictDir, std::string("index.") + kPosFileNames[pos]), pos);
    }
}

const Synset* CWordNet::Find(SynsetId id) const {
    const auto it = m_synsets.find(id);
    return it == m_synsets.end() ? nullptr : &it->second;
}

void CWordNet::LoadData(const std::string& path, int pos) {
    for (const std::string& line : SplitLines(ReadWholeFile(path))) {
        uint32_t offset = 0;
        Synset synset;
        if (ParseDataLine(line, offset, synset)) m_synsets[MakeSynsetId(pos, offset)] = std::move(synset);
    }
}

void CWordNet::LoadSenseCounts(const std::string& path) {
    for (const std::string& line : SplitLines(ReadWholeFile(path))) {
        const std::vector<std::string> t = Tokens(line);
        const std::size_t percent = t.empty() ? std::string::npos : t[0].find('%');
        uint32_t offset = 0;
        if (t.size() < 4 || percent == std::string::npos || percent + 1 >= t[0].size() ||
            !ParseOffset(t[1], offset)) {
            continue;
        }
        const int pos = PosOfSenseKeyDigit(t[0][percent + 1]);
        if (pos < 0) continue;
        const int tags = std::atoi(t[3].c_str());
        m_senseTags[SenseTagKey(t[0].substr(0, percent), pos, offset)] = tags;
        const auto synset = m_synsets.find(MakeSynsetId(pos, offset));
        if (synset != m_synsets.end()) synset->second.tagCount += tags;
    }
}

void CWordNet::LoadIndex(const std::string& path, int pos) {
    for (const std::string& line : SplitLines(ReadWholeFile(path))) {
        if (line.empty() || line[0] == ' ') continue;
        const std::vector<std::string> t = Tokens(line);
        if (t.size() < 4) continue;
        const std::size_t synsets = std::strtoul(t[2].c_str(), nullptr, 10);
        if (synsets == 0 || t.size() < 4 + synsets) continue;
        const std::string& lemma = t[0];
        std::vector<WordSense>& senses = m_lemmas[SpacedLemma(lemma)];
        for (std::size_t i = t.size() - synsets; i < t.size(); ++i) {
            uint32_t offset = 0;
            if (!ParseOffset(t[i], offset) || !m_synsets.count(MakeSynsetId(pos, offset))) continue;
            const auto tags = m_senseTags.find(SenseTagKey(lemma, pos, offset));
            senses.push_back({pos, offset, tags == m_senseTags.end() ? 0 : tags->second});
        }
    }
}

}  // namespace nira::datatool
