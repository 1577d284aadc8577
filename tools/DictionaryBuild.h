// Turning the sources into the entries of both data files, in headword
// order, one entry per headword.
//
// "persian" (English headwords): every WordNet lemma, every Wiktionary
// headword WordNet lacks and every word of our vocabulary neither has. Its
// English definition lists the WordNet senses in WordNet's order (where
// WordNet lacks the word: our rows' notes, or else the glosses of the
// Wiktionary senses that gave no Persian). Its Persian meaning lists per
// sense the Persian words for it: our vocabulary's senses first, then the
// senses met in WordNet's tagged texts (by count), the Wiktionary senses
// (curated, in their order), CLDR names, and the remaining WordNet senses
// in WordNet's order. A sense whose words were all given already is left
// out. A headword without any is given, in this order, its lemma's Persian
// (an inflected form) or a category hint from its hypernym. An entry with
// neither meaning is not written.
//
// "english" (Persian headwords): every Persian word of the sources and of
// our vocabulary. Its English meaning lists the English words of our rows
// and CLDR names it stands for, then the synsets and Wiktionary senses it
// translates, those from curated sources before the automatic Persian
// WordNet links, each group by how often the English sense is met in the
// tagged texts.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "dict/WordForms.h"
#include "tools/Sources.h"
#include "tools/WordNet.h"

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
    std::size_t automaticConfirmed = 0;     // automatic links (per word) a curated list confirms
    std::size_t automaticKept = 0;          // ... kept on other evidence
    std::size_t automaticDropped = 0;       // ... left out
};

struct BuiltDictionary {
    std::vector<PlainEntry> englishHeadwords;  // the "persian" file
    std::vector<PlainEntry> persianHeadwords;  // the "english" file
    BuildCounts counts;
};

// forms, when given, lets an inflected headword without Persian show its
// lemma's (the English rules and exception table of the lookup).
BuiltDictionary BuildDictionary(const CWordNet& wordNet, const Sources& sources,
                                const WordFormTables* forms = nullptr);

// The first line of the Persian meaning of an inflected form that shows
// its lemma's: "(صورتی از LEMMA) " in code page 1256 ("a form of").
std::string FormOfLine(const std::string& lemma);

// Entries in the order of CompareHeadword.
void SortByHeadword(std::vector<PlainEntry>& entries);

// The bytes of an entry: headword NUL persian NUL english for "persian"
// (persianMeaning already in its stored form), headword NUL english for
// "english".
std::string PersianFileEntry(const PlainEntry& entry, const std::string& storedPersian);
std::string EnglishFileEntry(const PlainEntry& entry);

}  // namespace nira::datatool
