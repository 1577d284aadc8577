// Stage: the headwords the sources give, and what each stands for so far:
// every WordNet lemma and every Wiktionary headword as an English headword,
// every Persian word of a Wiktionary line as a Persian headword. The
// stages after it add their senses to the same headwords, and new ones.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "tools/BuiltDictionary.h"
#include "tools/Wiktionary.h"
#include "tools/WordNet.h"
#include "tools/stages/SourceWords.h"

namespace nira::datatool {

// What one English headword has, as indices into the sources.
struct EnglishSenses {
    const std::vector<WordSense>* wordNet = nullptr;
    std::vector<std::size_t> vocabulary;  // our rows
    std::vector<std::size_t> lines;       // Wiktionary lines
    std::vector<std::size_t> names;       // CLDR names
};

// What one Persian headword translates.
struct PersianSenses {
    std::vector<std::string> ownSenses;  // our Persian vocabulary's senses, each "use, usage"
    std::vector<std::string> words;    // English words of our vocabulary and CLDR names
    std::map<SynsetId, bool> synsets;  // true: a curated or a confirmed link gives it
    std::vector<std::size_t> lines;    // Wiktionary lines, file order
    bool fromVocabulary = false;
    std::size_t vocabularyWords = 0;   // of words, those our vocabulary gave

    // Adds an English word once; false when it was there.
    bool AddWord(const std::string& word);
};

struct HeadwordSenses {
    std::map<std::string, EnglishSenses> english;
    std::map<std::string, PersianSenses> persian;
};

// A source's English word as an English headword: lower case, or "" when
// it holds a byte outside ASCII.
std::string EnglishHeadwordOf(const std::string& written);

HeadwordSenses SourceHeadwords(const CWordNet& wordNet, const std::vector<WiktionaryLine>& lines,
                               const SourceWords& words, BuildCounts& counts);

}  // namespace nira::datatool
