// The word lists of the sources folder: Persian lemmas linked to WordNet
// synsets (Open Multilingual Wordnet tables) and the English→Persian
// Wiktionary extract.
#pragma once

#include <string>
#include <vector>

#include "tools/Wiktionary.h"
#include "tools/WordNet.h"

namespace nira::datatool {

constexpr const char* kWiktionaryFile = "en-fa-wiktionary.txt";
constexpr const char* kOmwWiktionaryFile = "omw-wikt-fas.tab";
constexpr const char* kOmwCldrFile = "omw-cldr-fas.tab";
constexpr const char* kOmwPersianWordNetFile = "omw-pwn-fas.tab";

struct OmwLink {
    SynsetId synset = 0;
    std::string lemma;     // UTF-8, as the table writes it
    bool curated = false;  // from people (Wiktionary, CLDR), not the automatic Persian WordNet
};

// "OFFSET-POS<TAB>[fas:]lemma<TAB>Persian lemma" lines; comments and
// malformed lines are skipped.
std::vector<OmwLink> ParseOmwTable(const std::string& text, bool curated);

struct Sources {
    std::vector<WiktionaryLine> wiktionary;
    std::vector<OmwLink> links;  // curated tables first, then the Persian WordNet
};

// Reads all four files of the folder; throws std::runtime_error naming the
// first one that is missing.
Sources ReadSources(const std::string& folder);

}  // namespace nira::datatool
