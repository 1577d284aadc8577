// The word lists of the sources folder: Persian lemmas linked to WordNet
// synsets (Open Multilingual Wordnet tables) and the English→Persian
// Wiktionary extract.
#pragma once

#include <string>
#include <vector>

#include "tools/EditorReview.h"
#include "tools/PersianVocabulary.h"
#include "tools/Vocabulary.h"
#include "tools/Wiktionary.h"
#include "tools/WordNet.h"

namespace nira::datatool {

constexpr const char* kWiktionaryFile = "en-fa-wiktionary.txt";
constexpr const char* kOmwWiktionaryFile = "omw-wikt-fas.tab";
constexpr const char* kOmwCldrFile = "omw-cldr-fas.tab";
constexpr const char* kOmwPersianWordNetFile = "omw-pwn-fas.tab";

// One (synset, Persian lemma, source): the unit in which senses are
// gathered, so that an automatic link can be judged apart from curated ones.
struct OmwLink {
    SynsetId synset = 0;
    std::string lemma;     // UTF-8, as the source writes it
    bool curated = false;  // from people (Wiktionary, CLDR), not the automatic Persian WordNet
    int wiktionaryLine = 0;  // the line number of a Wiktionary sense placed on the synset
};

// A Persian name tied to an English headword by its exact English name
// (Unicode CLDR: languages, territories, scripts, months, weekdays, units).
// The kind tells which WordNet senses may take it, so that the language
// "Even" does not become a meaning of the adverb even.
enum class NameKind { kLanguage, kTerritory, kScript, kMonth, kWeekday, kUnit };

struct NamePair {
    NameKind kind = NameKind::kLanguage;
    std::string english;  // UTF-8, as CLDR writes it
    std::string persian;  // UTF-8
};

// "OFFSET-POS<TAB>[fas:]lemma<TAB>Persian lemma" lines; comments and
// malformed lines are skipped.
std::vector<OmwLink> ParseOmwTable(const std::string& text, bool curated);

struct Sources {
    std::vector<WiktionaryLine> wiktionary;
    std::vector<OmwLink> links;  // curated tables first, then the Persian WordNet
    std::vector<VocabularyRow> vocabulary;  // our own rows, files in name order
    std::vector<PersianVocabularyRow> persianVocabulary;  // our own Persian→English rows
    std::vector<NamePair> names;            // CLDR names, in the order read
    CEditorReview review;                   // our editors' verdicts on the words above
    std::vector<std::string> frequency;     // the subtitle list's words, most frequent first
};

// Reads all four files of the folder; throws std::runtime_error naming the
// first one that is missing.
Sources ReadSources(const std::string& folder);

}  // namespace nira::datatool
