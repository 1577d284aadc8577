// What the dictionary stages make of the sources: the entries of both data
// files as plain bytes, in headword order, and the figures the build
// reports, each stage adding to its own.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace nira::datatool {

// One entry as plain bytes; the Persian meaning is scrambled later, once
// the key is known. Entries of "english" use only headword and english.
struct PlainEntry {
    std::string headword;
    std::string persian;
    std::string english;
};

struct BuildCounts {
    std::size_t wordNetLemmas = 0;
    std::size_t wiktionaryOnly = 0;
    std::size_t withPersian = 0;            // a Persian translation
    std::size_t withLemmaPersian = 0;       // ... of which their lemma's, as inflected forms
    std::size_t formHeadwords = 0;          // inflected forms of the subtitle list made headwords
    std::size_t withHintOnly = 0;           // only a category hint ("نوعی ...")
    std::size_t withDefinition = 0;
    std::size_t longEnglishSkipped = 0;     // headwords over 51 bytes
    std::size_t foreignEnglishSkipped = 0;  // Wiktionary headwords with a non-ASCII byte
    std::size_t persianWordsDropped = 0;    // no letter or a character without a byte
    std::size_t persianMeaningOnly = 0;     // words that cannot be headwords
    std::size_t unknownSynsets = 0;         // links to an offset WordNet lacks
    std::size_t meaningsCut = 0;            // senses left out to fit the limits
    std::size_t emptyEnglishSkipped = 0;    // headwords with neither meaning, not written
    std::size_t wiktionaryOneSynset = 0;    // Wiktionary senses placed: the only synset of their POS
    std::size_t wiktionaryByGloss = 0;      // ... chosen by their gloss
    std::size_t vocabularyRows = 0;
    std::size_t vocabularyOnly = 0;         // English headwords only our vocabulary gives
    std::size_t vocabularySkipped = 0;      // our rows whose word cannot be a headword
    std::size_t namesLinked = 0;            // CLDR names on an English headword
    std::size_t persianFromVocabulary = 0;  // Persian headwords our vocabulary gives
    std::size_t persianOnlyFromVocabulary = 0;  // ... and no source does
    std::size_t persianVocabularyRows = 0;  // rows of our Persian→English vocabulary
    std::size_t persianFromOwnVocabulary = 0;   // Persian headwords those rows give
    std::size_t persianSpellingsMerged = 0;     // headwords merged into another spelling of them
    std::size_t automaticConfirmed = 0;     // automatic links (per word) a curated list confirms
    std::size_t automaticKept = 0;          // ... kept on other evidence
    std::size_t automaticDropped = 0;       // ... left out
};

struct BuiltDictionary {
    std::vector<PlainEntry> englishHeadwords;  // the "persian" file
    std::vector<PlainEntry> persianHeadwords;  // the "english" file
    BuildCounts counts;
};

}  // namespace nira::datatool
